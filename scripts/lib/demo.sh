#!/usr/bin/env bash
# Shows Hidewell's main job on the private Wine desktop and saves a screenshot (called by
# scripts/run): Wine's notepad is minimised into the tray and its icon's popup is opened.
set -uo pipefail
dir="$(cd "$(dirname "$1")" && pwd)"
bmp="$dir/hidewell-screenshot.bmp"
shot="$dir/hidewell-screenshot.png"
echo "Running Hidewell and minimising Wine's notepad..."
if ! wine "$dir/hwdemo.exe" show "$(winepath -w "$bmp")"; then
    echo "The demo did not complete; see the messages above."
    exit 1
fi
convert "$bmp" -crop 1000x700+0+0 "$shot" && rm -f "$bmp"
echo "Hidewell hid Wine's notepad into the notification area."
echo "Screenshot: $shot"
