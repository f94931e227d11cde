#!/usr/bin/env bash
# The line coverage of the core reached by the fuzz corpus, measured with Clang's source-based
# coverage: builds the fuzz target with -fprofile-instr-generate into build-coverage, runs every
# input of the corpus once and prints llvm-cov's report for the core (src/ without the desktop
# program, the batch tool and the painter library).
#
#   fuzz/coverage.sh [FOLDER ...]     default: build-fuzz/corpus and build-fuzz/seeds (./fuzz.sh)
#
# The whole report, file by file, is written to build-coverage/coverage.txt.
set -euo pipefail
ROOT_DIR="$(cd "$(dirname "$0")/.." && pwd)"
export CXX=clang++
export SATZLUPE_BUILD_DIR="${SATZLUPE_COVERAGE_BUILD_DIR:-$ROOT_DIR/build-coverage}"
source "$ROOT_DIR/scripts/common.sh"
PACKAGES+=(llvm)
install_packages
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSATZLUPE_COVERAGE=ON -DSATZLUPE_BUILD_GUI=OFF \
  -DSATZLUPE_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j "$JOBS" --target fuzz_edbs

folders=("$@")
if [ ${#folders[@]} -eq 0 ]; then folders=("$ROOT/build-fuzz/corpus" "$ROOT/build-fuzz/seeds"); fi
for f in "${folders[@]}"; do
  [ -d "$f" ] || { echo "Kein Korpus in $f: zuerst ./fuzz.sh SEKUNDEN" >&2; exit 2; }
done

rm -f "$BUILD"/coverage-*.profraw
# -runs=0: every input of the folders once, nothing mutated.
LLVM_PROFILE_FILE="$BUILD/coverage-%p.profraw" "$BUILD/fuzz/fuzz_edbs" -runs=0 "${folders[@]}" >"$BUILD/coverage-run.log" 2>&1
llvm-profdata merge -sparse "$BUILD"/coverage-*.profraw -o "$BUILD/coverage.profdata"
IGNORE='(/fuzz/|/src/app/|/src/cli/|/src/painter/|/build[^/]*/|^/usr/)'
llvm-cov report "$BUILD/fuzz/fuzz_edbs" -instr-profile="$BUILD/coverage.profdata" -ignore-filename-regex="$IGNORE" \
  >"$BUILD/coverage.txt"
echo "Eingaben: $(find "${folders[@]}" -type f | wc -l) Dateien"
grep -E '^(Filename|TOTAL)' "$BUILD/coverage.txt"
echo "Bericht je Datei: $BUILD/coverage.txt"
