#!/usr/bin/env bash
# The main job: build, then open the bundled demo project in the viewer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
bin="${BUILD_DIR:-$root/build}/bin"
demo="$root/examples/demo-project"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<MSG
No display is available, so the viewer window cannot be shown.
Use the headless commands instead, for example:
  $bin/corvane-cli export "$demo"
  $bin/corvane-cli report "$demo" -o demo.pdf --photos 3
or run the viewer under a virtual display:
  xvfb-run -a $bin/corvane-viewer "/start_path=$demo"
MSG
  exit 1
fi
exec "$bin/corvane-viewer" "/start_path=$demo"
