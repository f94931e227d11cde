#!/usr/bin/env bash
# Measures the GIS export of the batch tool on a synthetic grid of N parcels (default 20000), each
# side stored once per parcel, and on the real sample delivery when it is there: wall time, peak
# memory and features per second. Usage: tools/bench_gis.sh [N] [BUILD_DIR]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
N="${1:-20000}"
BUILD="${2:-$ROOT/build}"
TMP="${TMPDIR:-/tmp}"
SAMPLE="$ROOT/../shared/data/edbs.ALK_Muster_EDBS_FEIN.dbout.1.001.gz"

run() {
  local name="$1" file="$2" out="$TMP/satzlupe-bench-gis-$1.gpkg"
  echo "== $name: $file ($(stat -c %s "$file") Bytes)"
  /usr/bin/time -f "%e s, %M KiB" "$BUILD/src/satzlupe-cli" gis -o "$out" "$file" > "$out.txt" 2> "$out.time" || true
  cat "$out.txt"
  local time features
  time="$(tail -1 "$out.time")"
  echo "Zeit und Speicher: $time"
  features="$(awk '$1 ~ /^(linien|flaechen|punkte|texte|fehler)$/ { n += $2 } END { print n }' "$out.txt")"
  awk -v f="$features" -v s="$(echo "$time" | awk '{print $1}')" \
    'BEGIN { if (s > 0) printf "Objekte je Sekunde: %.0f\n", f / s }'
}

GRID="$TMP/satzlupe-bench-parcels-$N.edbs"
[ -f "$GRID" ] || python3 "$ROOT/tools/edbs_gen.py" parcels "$N" "$GRID"
run "raster-$N" "$GRID"
if [ -f "$SAMPLE" ]; then
  gzip -dc "$SAMPLE" > "$TMP/satzlupe-bench-ostritz.edbs"
  run ostritz "$TMP/satzlupe-bench-ostritz.edbs"
fi
