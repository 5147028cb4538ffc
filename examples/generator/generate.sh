#!/usr/bin/env bash
# Rebuilds examples/demo-project from scratch: builds the generator in a
# scratch directory, removes the old demo project and writes a new one.
# Needs Qt 6 (Core, Gui), cmake, and gst-launch-1.0 with vp8enc/webmmux.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${DEMO_MEDIA_BUILD_DIR:-${TMPDIR:-/tmp}/corvane-demo-media-build}"
out="$root/examples/demo-project"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/demo-media" "$out"
du -sb "$out"
