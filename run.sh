#!/usr/bin/env bash
# Installs what is missing, builds, and starts the test window.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

install_missing "${PACKAGES[@]}"
build_project

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start this from a desktop session, or over ssh -X, or under xvfb-run ./run.sh." >&2
    exit 2
fi
exec "$BUILD_DIR/fle-test8" "$@"
