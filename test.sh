#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite in the
# build tree (with the real-display and package checks), then the offscreen
# suite again in a second tree built with address and undefined-behaviour checks.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_project

status=0
echo "== tests in $BUILD_DIR"
(cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)") || status=1

SANITIZE_DIR="${SANITIZE_DIR:-$BUILD_DIR-asan}"
if ! grep -qs '^FLE_SANITIZE:BOOL=ON' "$SANITIZE_DIR/CMakeCache.txt"; then
    cmake -S "$ROOT" -B "$SANITIZE_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLE_SANITIZE=ON >/dev/null
fi
cmake --build "$SANITIZE_DIR" -j"$(nproc)"
echo "== tests in $SANITIZE_DIR (AddressSanitizer, UndefinedBehaviorSanitizer)"
(cd "$SANITIZE_DIR" && ctest --output-on-failure -j"$(nproc)") || status=1

exit "$status"
