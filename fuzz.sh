#!/usr/bin/env bash
# Fuzzes the core: builds the libFuzzer target (Clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# into build-fuzz and runs it for SECONDS with one worker over its corpus.
#
#   ./fuzz.sh SECONDS [libFuzzer options ...]
#
# Exit status 0 when nothing was found. When an input crashed, leaked, hung or made a sanitizer
# report, its path is printed on the last line and the exit status is 1 (2 for a wrong call or a
# failed build). Replay a finding with `build-fuzz/fuzz/fuzz_edbs PATH`.
#
# The corpus (build-fuzz/corpus) grows from run to run. It starts from seeds cut anew at every run
# into pieces of at most 1500 bytes at line ends: the tests' data files, the example, the fuzz
# target's own seeds (fuzz/corpus, written by fuzz/seeds.py), the stored findings
# (tests/core/data/fuzz) and, when present, the shared sample delivery.
set -euo pipefail

if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
  echo "Aufruf: ./fuzz.sh SEKUNDEN [libFuzzer-Optionen ...]" >&2
  exit 2
fi
RUN_SECONDS="$1"
shift

export CXX=clang++
export SATZLUPE_BUILD_DIR="${SATZLUPE_FUZZ_BUILD_DIR:-$(cd "$(dirname "$0")" && pwd)/build-fuzz}"
source "$(dirname "$0")/scripts/common.sh"
install_packages
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSATZLUPE_FUZZ=ON -DSATZLUPE_BUILD_GUI=OFF \
  -DSATZLUPE_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j "$JOBS" --target fuzz_edbs || exit 2

SEEDS="$BUILD/seeds"
CORPUS="$BUILD/corpus"
FINDINGS="$BUILD/findings"
rm -rf "$SEEDS"
mkdir -p "$SEEDS" "$CORPUS" "$FINDINGS"

# Cuts a file into pieces of whole lines of at most 1500 bytes; with a step k, keeps every k-th piece.
cut_seeds() {
  local file="$1" name="$2" step="${3:-1}"
  LC_ALL=C awk -v dir="$SEEDS" -v name="$name" -v step="$step" '
    BEGIN { piece = 0 }
    function flush() { if (size > 0) { if (piece % step == 0) { printf "%s", text > (dir "/" name "-" piece); close(dir "/" name "-" piece) } piece++ } text = ""; size = 0 }
    { line = $0 "\n"; if (size + length(line) > 1500) flush(); text = text line; size += length(line) }
    END { flush() }' "$file"
}
for f in "$ROOT"/tests/core/data/*.edbs "$ROOT"/examples/*.edbs "$ROOT"/fuzz/corpus/*.edbs; do
  cp "$f" "$SEEDS/$(basename "$f")"
  cut_seeds "$f" "$(basename "$f" .edbs)"
done
for f in "$ROOT"/tests/core/data/fuzz/*; do
  case "$f" in *.md) ;; *) [ -f "$f" ] && cp "$f" "$SEEDS/" ;; esac
done
SAMPLE="$ROOT/../shared/data/edbs.ALK_Muster_EDBS_FEIN.dbout.1.001.gz"
if [ -f "$SAMPLE" ]; then
  gzip -dc "$SAMPLE" > "$BUILD/sample.edbs"
  cut_seeds "$BUILD/sample.edbs" sample 40
fi

LOG="$BUILD/last-run.log"
# Allocation stacks of 8 frames are enough to find a leak and keep each execution cheap. The
# entropic choice of inputs weighs every rare feature after each execution; with the thousands of
# features one walk through the core reaches, that took a third of the time, so plain choice.
echo "Fuzzing $RUN_SECONDS s, Korpus $CORPUS, $(ls "$CORPUS" | wc -l) + $(ls "$SEEDS" | wc -l) Eingaben"
set +e
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:malloc_context_size=8}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
TIMEFORMAT='%U %S'
{ time "$BUILD/fuzz/fuzz_edbs" "$CORPUS" "$SEEDS" -dict="$ROOT/fuzz/edbs.dict" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -reload=0 -entropic=0 -max_total_time="$RUN_SECONDS" -print_final_stats=1 -artifact_prefix="$FINDINGS/" \
    "$@" >"$LOG" 2>&1; } 2>"$BUILD/cpu-time.txt"
status=$?
set -e
grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)' "$LOG" || true
# The speed on one core: the executions by the processor time the fuzzer had, which on a shared
# machine is less than the time that passed.
units="$(sed -n 's/^stat::number_of_executed_units: *//p' "$LOG")"
read -r user sys <"$BUILD/cpu-time.txt" || true
if [ -n "$units" ] && [ -n "${user:-}" ]; then
  awk -v n="$units" -v u="$user" -v s="$sys" 'BEGIN { if (u + s > 0) printf "Ausführungen je Sekunde Rechenzeit: %d (%.0f s)\n", n / (u + s), u + s }'
fi
if [ "$status" -eq 0 ]; then
  echo "Nichts gefunden."
  exit 0
fi
tail -n 60 "$LOG" >&2
finding="$(grep -o 'Test unit written to .*' "$LOG" | tail -n 1 | sed 's/^Test unit written to //')"
echo "${finding:-$LOG}"
exit 1
