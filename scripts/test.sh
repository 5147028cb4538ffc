#!/usr/bin/env bash
# The whole test suite: set-up, build, and every test through CTest, headless.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)" "$@"
