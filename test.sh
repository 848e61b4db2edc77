#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite in the
# build tree (with the real-display and package checks), the same suite in a tree
# built against Qt 6, then the offscreen suite again in a tree built with address
# and undefined-behaviour checks.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_project

status=0
echo "== tests in $BUILD_DIR"
(cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)") || status=1

# The same tree against Qt 6, with the same tests: the learner's way through the test, the
# scoring, the review, the pages against their Qt 6 pictures, the real display and its scales,
# what a screen reader is told, and a package that depends on Qt 6. The sanitizer run stays on
# Qt 5.
QT6_DIR="${QT6_DIR:-$BUILD_DIR-qt6}"
if ! grep -qs '^FLE_QT_MAJOR:STRING=6' "$QT6_DIR/CMakeCache.txt"; then
    cmake -S "$ROOT" -B "$QT6_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLE_QT_MAJOR=6 >/dev/null
fi
cmake --build "$QT6_DIR" -j"$(nproc)" >"$QT6_DIR/build.log" 2>&1 ||
    { cat "$QT6_DIR/build.log" >&2; exit 1; }
echo "== tests in $QT6_DIR (Qt 6)"
(cd "$QT6_DIR" && ctest --output-on-failure -j"$(nproc)") || status=1

SANITIZE_DIR="${SANITIZE_DIR:-$BUILD_DIR-asan}"
# Only the Qt Test programs run there, so only they are built; -O1 -g1, as the sanitizers
# suggest, compiles about a third faster than -O2 -g and still names file and line in a report.
if ! grep -qs '^FLE_SANITIZE:BOOL=ON' "$SANITIZE_DIR/CMakeCache.txt"; then
    cmake -S "$ROOT" -B "$SANITIZE_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLE_SANITIZE=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
fi
sanitize_targets=()
for source in "$ROOT"/tests/tst_*.cpp; do
    sanitize_targets+=(--target "$(basename "$source" .cpp)")
done
cmake --build "$SANITIZE_DIR" -j"$(nproc)" "${sanitize_targets[@]}"
echo "== tests in $SANITIZE_DIR (AddressSanitizer, UndefinedBehaviorSanitizer)"
(cd "$SANITIZE_DIR" && ctest --output-on-failure -j"$(nproc)") || status=1

exit "$status"
