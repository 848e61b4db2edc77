#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

install_missing "${PACKAGES[@]}"
build_project
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)"
