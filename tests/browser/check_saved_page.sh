#!/bin/sh
# The browser check of the page the end-to-end test saved: the program's hit
# grid, then the same points in headless Chromium.
# Usage: check_saved_page.sh HIT_GRID_PROGRAM PAGE NODE_MODULES
set -eu
grid=$(mktemp)
trap 'rm -f "$grid"' EXIT
"$1" "$2" > "$grid"
node "$(dirname "$0")/check_map.cjs" "$2" "$grid" "$3"
