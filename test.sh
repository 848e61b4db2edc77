#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite in the
# build tree (with the real-display and package checks), the same suite in a tree
# built against Qt 6, then the offscreen suite again in a tree built with address
# and undefined-behaviour checks.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_project

# The trees are built one after another, each while the tests of the one before run: those wait
# on displays and buses much of the time, and the build takes the spare processor, at a lower
# priority so that no test waits on it.
build_in_background() {   # build_in_background DIR [TARGET...]: its build log stays in DIR
    local dir="$1" targets=()
    for target in "${@:2}"; do targets+=(--target "$target"); done
    setsid nice -n 10 cmake --build "$dir" -j"$(nproc)" "${targets[@]}" >"$dir/build.log" 2>&1 &
    background_build=$!
}
background_build=""
# A build still running when the command ends, however it ends, goes with it, compilers and all.
trap '[ -n "$background_build" ] && kill -- "-$background_build" 2>/dev/null; true' EXIT
trap "exit 143" TERM INT
wait_for_build() {   # wait_for_build DIR: the background build's end; its log when it failed
    wait "$background_build" || { background_build=""; cat "$1/build.log" >&2; exit 1; }
    background_build=""
}

# The Qt 6 and sanitizer trees compile the library's sources in a few batches (a unity build):
# the toolkit's headers are read once a batch instead of once a file, which halves the time the
# library takes. The first tree still compiles file by file, so a source that leans on an
# include of another fails there, and a name two sources share fails in the batches.
#
# The same tree against Qt 6, with the same tests: the learner's way through the test, the
# scoring, the review, the pages against their Qt 6 pictures, the real display and its scales,
# what a screen reader is told, and a package that depends on Qt 6. The sanitizer run stays on
# Qt 5.
QT6_DIR="${QT6_DIR:-$BUILD_DIR-qt6}"
if ! grep -qs '^FLE_QT_MAJOR:STRING=6' "$QT6_DIR/CMakeCache.txt"; then
    cmake -S "$ROOT" -B "$QT6_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLE_QT_MAJOR=6 \
        -DCMAKE_UNITY_BUILD=ON >/dev/null
fi
build_in_background "$QT6_DIR"

status=0
echo "== tests in $BUILD_DIR"
(cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)") || status=1

wait_for_build "$QT6_DIR"
SANITIZE_DIR="${SANITIZE_DIR:-$BUILD_DIR-asan}"
# Only the Qt Test programs run there, so only they are built; -O1 -g1, as the sanitizers
# suggest, compiles about a third faster than -O2 -g and still names file and line in a report.
if ! grep -qs '^FLE_SANITIZE:BOOL=ON' "$SANITIZE_DIR/CMakeCache.txt"; then
    cmake -S "$ROOT" -B "$SANITIZE_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLE_SANITIZE=ON \
        -DCMAKE_UNITY_BUILD=ON \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
fi
sanitize_targets=()
for source in "$ROOT"/tests/tst_*.cpp; do
    sanitize_targets+=("$(basename "$source" .cpp)")
done
build_in_background "$SANITIZE_DIR" "${sanitize_targets[@]}"

echo "== tests in $QT6_DIR (Qt 6)"
(cd "$QT6_DIR" && ctest --output-on-failure -j"$(nproc)") || status=1

wait_for_build "$SANITIZE_DIR"
echo "== tests in $SANITIZE_DIR (AddressSanitizer, UndefinedBehaviorSanitizer)"
(cd "$SANITIZE_DIR" && ctest --output-on-failure -j"$(nproc)") || status=1

exit "$status"
