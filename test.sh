#!/usr/bin/env bash
# Builds everything and runs every test (core and GUI, headless).
source "$(dirname "$0")/scripts/common.sh"
install_packages
configure_and_build
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" "$@"
