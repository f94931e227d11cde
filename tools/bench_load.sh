#!/usr/bin/env bash
# Measures the batch tool on a synthetic file of N object records (default 100000): wall time,
# peak memory and parts per second. Usage: tools/bench_load.sh [N] [BUILD_DIR]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
N="${1:-100000}"
BUILD="${2:-$ROOT/build}"
FILE="${TMPDIR:-/tmp}/satzlupe-bench-$N.edbs"
[ -f "$FILE" ] || python3 "$ROOT/tools/edbs_gen.py" objects "$N" "$FILE"
echo "Datei: $FILE ($(stat -c %s "$FILE") Bytes)"
/usr/bin/time -f "%e s, %M KiB" "$BUILD/src/satzlupe-cli" check "$FILE" > "$FILE.out" 2> "$FILE.time" || true
sed -n 2,3p "$FILE.out"
TIME="$(tail -1 "$FILE.time")"
echo "Zeit und Speicher: $TIME"
PARTS="$(sed -n 3p "$FILE.out" | awk '{print $4}')"
SECONDS_USED="$(echo "$TIME" | awk '{print $1}')"
awk -v p="$PARTS" -v s="$SECONDS_USED" 'BEGIN { if (s > 0) printf "Aggregate je Sekunde: %.0f\n", p / s }'
