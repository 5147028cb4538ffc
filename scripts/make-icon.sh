#!/usr/bin/env bash
# Draws the window icon (a pipe cross-section with a little water and a
# camera light) at several sizes and packs them into resources/icon/icon.ico.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
convert=/usr/bin/convert
$convert -size 256x256 xc:none \
  -fill '#6b5b4b' -draw 'circle 128,128 128,8' \
  -fill '#a89a88' -draw 'circle 128,128 128,22' \
  -fill '#1f2a33' -draw 'circle 128,128 128,44' \
  -fill '#2f6f9f' -draw 'path "M 46,160 Q 128,176 210,160 A 84,84 0 0,1 46,160 Z"' \
  -stroke '#3a4a55' -strokewidth 6 -fill none -draw 'circle 128,128 128,70' \
  -stroke none -fill '#ffd54a' -draw 'circle 128,118 128,104' \
  -fill '#fff3c0' -draw 'circle 124,114 124,108' \
  "$tmp/icon256.png"
for s in 16 24 32 48 64 128; do
  $convert "$tmp/icon256.png" -resize ${s}x${s} "$tmp/icon$s.png"
done
$convert "$tmp"/icon16.png "$tmp"/icon24.png "$tmp"/icon32.png "$tmp"/icon48.png \
         "$tmp"/icon64.png "$tmp"/icon128.png "$tmp"/icon256.png "$root/resources/icon/icon.ico"
