#!/usr/bin/env bash
# Installs what is missing, builds, and starts the test window.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start this from a desktop session (or ssh -X); to run the tests instead, use ./test.sh." >&2
    exit 2
fi

install_missing "${PACKAGES[@]}"
build_project fle-test8
exec "$BUILD_DIR/fle-test8" "$@"
