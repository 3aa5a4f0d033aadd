#!/usr/bin/env bash
# Shows Hidewell on the private Wine desktop and saves a screenshot (called by scripts/run).
set -uo pipefail
exe="$1"
shot="$(cd "$(dirname "$exe")" && pwd)/hidewell-screenshot.png"
wine "$exe" &
sleep 6
import -display "$DISPLAY" -window root -crop 1000x700+0+0 "$shot" 2>/dev/null
wine "$(dirname "$exe")/Hidewell.exe" >/dev/null 2>&1  # a second copy ends at once
echo "Screenshot: $shot"
