#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing), then configures
# and builds into build/. Sourced by run.sh and test.sh; quick when all is there.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

# Packages to build and run the program; the test command adds its own. The
# program itself uses no private part of the toolkit; the tree's tests, built by
# default, turn its accessibility on in-process through its private headers.
PACKAGES=(cmake g++ make qtbase5-dev qtbase5-private-dev)
# Only for the tests: the desktop's own copies of the faces the program carries, which must
# change nothing; a real X display and a client that asks the window to
# close (Xvfb, xauth, python3-xlib); the desktops the window is tried under
# (qt5ct's dark schemes and fonts, the Breeze style, xrdb for the screen's dpi);
# the tools that build and check the package (dpkg-dev, lintian, appstreamcli,
# man); the desktop's accessibility bus and a client that reads it as a screen
# reader does (dbus, at-spi2-core, python3-pyatspi); Qt 6, which the tests build
# the program against as well.
TEST_PACKAGES=(fonts-crosextra-carlito fonts-liberation2
               xvfb xauth python3-xlib qt5ct kde-style-breeze x11-xserver-utils
               desktop-file-utils dpkg-dev lintian appstream man-db
               dbus at-spi2-core python3-pyatspi qt6-base-dev qt6-base-private-dev)

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo=(sudo)
        else
            echo "These Debian packages are missing: ${missing[*]}" >&2
            echo "Install them as root (apt-get install -y ${missing[*]}) and run this again." >&2
            exit 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# build_project [TARGET...]: configures once, then builds the targets given (default: all).
# The compiler's output is kept in build.log and shown only when the build fails.
build_project() {
    local targets=()
    for target in "$@"; do targets+=(--target "$target"); done
    mkdir -p "$BUILD_DIR"
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$BUILD_DIR/build.log" 2>&1 ||
            { cat "$BUILD_DIR/build.log" >&2; exit 1; }
    fi
    echo "Building in $BUILD_DIR ..."
    cmake --build "$BUILD_DIR" -j"$(nproc)" "${targets[@]}" >"$BUILD_DIR/build.log" 2>&1 ||
        { cat "$BUILD_DIR/build.log" >&2; exit 1; }
}
