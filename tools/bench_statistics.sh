#!/usr/bin/env bash
# Times each statistic over COPIES concatenated copies of the real ALK sample delivery (default 20,
# 774,560 lines). Usage: tools/bench_statistics.sh [COPIES] [BUILD_DIR]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
COPIES="${1:-20}"
BUILD="${2:-$ROOT/build}"
SAMPLE="${SATZLUPE_SHARED_DATA:-$ROOT/../shared/data}/edbs.ALK_Muster_EDBS_FEIN.dbout.1.001.gz"
[ -f "$SAMPLE" ] || { echo "Musterdaten fehlen: $SAMPLE" >&2; exit 2; }
FILE="${TMPDIR:-/tmp}/satzlupe-bench-sample-x$COPIES.edbs"
if [ ! -f "$FILE" ]; then
  for _ in $(seq "$COPIES"); do gzip -dc "$SAMPLE"; done > "$FILE"
fi
cmake --build "$BUILD" --target bench_statistics >/dev/null
echo "Datei: $FILE ($(wc -l < "$FILE") Zeilen)"
"$BUILD/tools/bench_statistics" "$FILE"
