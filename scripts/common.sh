# Shared by run.sh and test.sh: installs what a bare Debian 12 lacks, then configures and builds.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Each compiler builds in a folder of its own (CXX=clang++ ./test.sh uses build-clang++).
BUILD="${SATZLUPE_BUILD_DIR:-$ROOT/build${CXX:+-$(basename "$CXX")}}"
JOBS="${SATZLUPE_JOBS:-2}"

# qt6-translations-l10n: Qt's German texts for the standard dialogs (the GUI tests require them).
# qt6-svg-dev: the SVG writer of the plans.
# GDAL (with GEOS and PROJ) for the GIS export; gdal-bin gives ogrinfo and gdal_rasterize to look
# at what it wrote.
PACKAGES=(g++ cmake make pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
          libx11-dev libgtest-dev libgmock-dev fonts-liberation gzip libgdal-dev gdal-bin)
case "${CXX:-}" in *clang*) PACKAGES+=(clang) ;; esac

missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

install_packages() {
  local missing
  missing="$(missing_packages)"
  [ -z "$missing" ] && return 0
  echo "Installiere fehlende Pakete: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# SATZLUPE_CMAKE_ARGS adds configure options, e.g. "-DSATZLUPE_BUILD_GUI=OFF -DSATZLUPE_SANITIZE=ON".
configure_and_build() {
  # shellcheck disable=SC2086
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${SATZLUPE_CMAKE_ARGS:-} >/dev/null
  cmake --build "$BUILD" -j "$JOBS"
}
