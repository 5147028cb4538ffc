#!/usr/bin/env bash
# Renders the program's icon (packaging/icons/corvane-viewer.svg: a pipe
# cross-section with a little water and a camera light) into the hicolor PNGs
# the desktop menu uses and into the window icon resources/icon/icon.ico, so
# that the menu and the window show the same picture.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
svg="$root/packaging/icons/corvane-viewer.svg"
hicolor="$root/packaging/icons/hicolor"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

for s in 16 22 24 32 48 64 128 256; do
  mkdir -p "$hicolor/${s}x${s}/apps"
  rsvg-convert --width "$s" --height "$s" "$svg" --output "$tmp/icon$s.png"
  # Strip dates and text chunks so that a re-run changes no bytes.
  convert "$tmp/icon$s.png" -strip "PNG32:$hicolor/${s}x${s}/apps/corvane-viewer.png"
done

ico=()
for s in 16 24 32 48 64 128 256; do ico+=("$hicolor/${s}x${s}/apps/corvane-viewer.png"); done
convert "${ico[@]}" "$root/resources/icon/icon.ico"
