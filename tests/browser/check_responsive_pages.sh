#!/bin/sh
# The browser check of the responsive page: writes the pages, has the
# program's hit test make each picture's grid, validates the pages' HTML and
# checks them in headless Chromium, alone and in the layouts of real sites.
# Usage: check_responsive_pages.sh RESPONSIVE_PAGES HIT_GRID NODE_MODULES
set -eu
here=$(dirname "$0")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$1" "$folder" > "$folder/pictures"
names=""
while read -r name step; do
  "$2" "$folder/$name-responsive.html" "$step" > "$folder/$name.grid.json"
  names="$names $name"
done < "$folder/pictures"
# The HTML standard's rules; the block's border=0 is obsolete but still
# conforming there, so the validator's note on it is a warning.
"$3/.bin/html-validate" --config "$here/html_validate.json" "$folder"/*-responsive.html
echo "The responsive pages are valid HTML."
node "$here/check_responsive.cjs" "$folder" "$3" $names
node "$here/check_layouts.cjs" "$folder" "$3"
