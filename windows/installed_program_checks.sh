# The installed Windows program as a user meets it, under Wine on the X
# server of windows/test.sh, which sources this file: `check`, `$build`,
# `$work` and `$root` come from there. Real mouse and key input through xdotool.

site="$work/site"
mkdir -p "$site/images"
convert "$root/resources/sample/harbour.jpg" "$site/harbour.gif"
cp "$site/harbour.gif" "$site/images/harbour.gif"  # where the written tag points
install_dir="$WINEPREFIX/drive_c/Ornix"

# The id of the visible window with exactly this title, once it shows; "" if not in time.
window_named() {
  local title=$1 seconds=${2:-30} found=""
  for _ in $(seq $((seconds * 5))); do
    found=$(xdotool search --onlyvisible --name "^${title}\$" 2> /dev/null | head -1 || true)
    [ -n "$found" ] && break
    sleep 0.2
  done
  [ -n "$found" ] || import -window root "$work/no window named ${title//[^A-Za-z]/_}.png"
  echo "$found"
}
gone() {  # gone TITLE: the window has closed within 30 s
  for _ in $(seq 150); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null || true)" ] && return 0
    sleep 0.2
  done
  return 1
}
keys() {  # keys WINDOW KEY...: focuses the window, then presses the keys
  local window=$1
  shift
  [ -n "$window" ] || return 1
  sleep 0.5  # a window just shown takes a moment to take input under Wine
  xdotool windowactivate --sync "$window" 2> /dev/null || xdotool windowfocus --sync "$window"
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.1
  done
}
type_text() {  # type_text WINDOW TEXT
  xdotool windowfocus --sync "$1"
  xdotool type --delay 20 "$2"
}
# The screen point of a pixel of the picture: the picture starts 37 pixels
# right of the window's client area (the tool strip) and 1 down (its frame).
picture_at() {
  local window=$1 x=$2 y=$3 X Y
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y)=')"
  echo "$((X + 37 + x)) $((Y + 1 + y))"
}
drag() {  # drag WINDOW X1 Y1 X2 Y2, in picture pixels
  local from to
  from=$(picture_at "$1" "$2" "$3")
  to=$(picture_at "$1" "$4" "$5")
  xdotool mousemove --sync $from mousedown 1
  xdotool mousemove --sync $to
  sleep 0.2
  xdotool mouseup 1
  sleep 0.5
}
# save_as_text WINDOW FILE: F8, the Save dialog answered with FILE, then "Another".
save_as_text() {
  keys "$1" F8
  local dialog after
  dialog=$(window_named "Save File As...")
  [ -n "$dialog" ] || return 1
  type_text "$dialog" "$2"
  keys "$dialog" Return
  after=$(window_named "Map saved")
  [ -n "$after" ] || return 1
  keys "$after" Return
  gone "Map saved"
}

# One run of a program on the harbour GIF: a rectangle drawn, saved with F8,
# then Esc. $1 is the command, $2 the file to save to.
draw_and_save() {
  local window
  window=$(window_named Ornix 60)
  [ -n "$window" ] || return 1
  sleep 1
  drag "$window" 60 60 200 150
  save_as_text "$window" "$2" || return 1
  keys "$window" Escape
  gone Ornix
}

installed() {
  wine "$(ls "$build"/Ornix-*-win64.exe)" /S '/D=C:\Ornix' > /dev/null 2>&1
  wineserver -w
  [ -f "$install_dir/ornix.exe" ] && [ -f "$install_dir/platforms/qwindows.dll" ]
}
check "the installer installs silently into C:\\Ornix" installed

same_bytes_as_linux() {
  wine "$install_dir/ornix.exe" "$(winepath -w "$site/harbour.gif")" > "$work/ornix.log" 2>&1 &
  draw_and_save wine "$(winepath -w "$site/windows.txt")" || { end_ornix; return 1; }
  mkdir -p "$work/linux-run" && chmod 700 "$work/linux-run"
  HOME="$work/linux-home" XDG_CONFIG_HOME="$work/linux-home/config" XDG_DATA_HOME="$work/linux-home/data" \
    XDG_RUNTIME_DIR="$work/linux-run" QT_QPA_PLATFORM=xcb "$root/build/ornix" "$site/harbour.gif" > /dev/null 2>&1 &
  draw_and_save linux "$site/linux.txt" || { pkill -f "$root/build/ornix"; return 1; }
  cmp "$site/windows.txt" "$site/linux.txt"
}
check "a rectangle drawn and saved with F8 gives the bytes the Linux build writes" same_bytes_as_linux

registry_holds() {
  wine reg query 'HKCU\Software\Classes\.ornx' 2> /dev/null | grep -q 'Ornix' &&
    wine reg query 'HKCU\Software\Classes\Ornix\shell\open\command' 2> /dev/null | grep -qi 'C:\\Ornix\\ornix.exe" "%1"'
}
check "the association is in the user's classes" registry_holds

# The File menu opened at picture pixel (300, 10), then entries clicked at
# offsets from that point, as the menu lays them out under Wine here.
menu() {
  local window=$1 at
  shift
  at=$(picture_at "$window" 300 10)
  xdotool mousemove --sync $at click 3
  sleep 0.7
  while [ $# -ge 2 ]; do
    read -r x y <<< "$at"
    xdotool mousemove --sync $((x + $1)) $((y + $2))
    sleep 0.4
    xdotool click 1
    sleep 0.7
    shift 2
  done
}
image_source_option=(60 164)
no_subfolder=(320 186)
uninstall_help=(60 217)

# The window has closed and the program has ended within 30 s. Under Wine a
# program goes on for a moment after its window, holding its one-copy lock.
ended() {
  gone Ornix || return 1
  for _ in $(seq 150); do
    pgrep -f 'ornix.exe' > /dev/null || return 0
    sleep 0.2
  done
  return 1
}

# Ends a run that a check left behind, so that the next one starts clean.
end_ornix() {
  if ! ended; then
    wineserver -k
    rm -f "$WINEPREFIX"/drive_c/users/*/Quillmere-Ornix.lock
  fi
}

# A map file opened with the association's command line, as the shell runs
# it, and saved to the clipboard; after Ornix has ended, another program reads
# the same block. (Wine's shell does not look into the user's classes, as
# Windows does, so the command line is taken from the registry here.)
opened_by_the_shell_and_clipboard_kept() {
  cp "$site/windows.txt" "$site/map.ornx"
  local command program
  command=$(wine reg query 'HKCU\Software\Classes\Ornix\shell\open\command' /ve 2> /dev/null |
    sed -n 's/.*REG_SZ *//p' | tr -d '\r')
  [ "${command#\"*\" }" == '"%1"' ] || return 1
  program=${command#\"}
  program=${program%%\"*}
  wine "$program" "$(winepath -w "$site/map.ornx")" > /dev/null 2>&1 &
  local window
  window=$(window_named Ornix 60)
  [ -n "$window" ] || return 1
  sleep 2  # the areas appear one by one
  [ -z "$(xdotool search --onlyvisible --name '^(We have a problem...|Image path problem...)$' || true)" ] || return 1
  keys "$window" F5
  keys "$(window_named 'Confirm Clipboard:')" Return
  keys "$(window_named 'Map saved')" Tab Return  # "Quit"
  # Once Ornix has ended, Wine's own services, which play the system's part, go on.
  ended || { echo "  Ornix did not end after Quit" >&2; end_ornix; return 1; }
  local block held
  block=$(head -c -2 "$site/windows.txt")
  held=$(wine "$build/windows/read_clipboard.exe" 2> /dev/null || true)
  [ "$held" == "$block" ] || { printf '  the clipboard held:\n%s\n' "$held" >&2; return 1; }
}
check "a map file opens through the association, and its clipboard save outlives Ornix" \
  opened_by_the_shell_and_clipboard_kept

setting_in_registry() {
  wine "$install_dir/ornix.exe" "$(winepath -w "$site/harbour.gif")" > /dev/null 2>&1 &
  local window
  window=$(window_named Ornix 60)
  [ -n "$window" ] || return 1
  sleep 1
  menu "$window" "${image_source_option[@]}" "${no_subfolder[@]}"
  keys "$window" Escape
  end_ornix
  wine reg query 'HKCU\Software\Quillmere\Ornix\images' 2> /dev/null | grep -q 'none'
}
check "the image folder setting is in the registry" setting_in_registry

association_removed_by_uninstall_help() {
  wine "$install_dir/ornix.exe" > /dev/null 2>&1 &
  local window
  window=$(window_named Ornix 60)
  [ -n "$window" ] || return 1
  sleep 1
  menu "$window" "${uninstall_help[@]}"
  local dialog X Y
  dialog=$(window_named 'Delete Ornix')
  [ -n "$dialog" ] || { end_ornix; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$dialog" | grep -E '^(X|Y)=')"
  xdotool mousemove --sync $((X + 281)) $((Y + 283)) click 1  # "Clear Ornix Registry Entries"
  keys "$(window_named 'One Last Check...')" Return             # YES
  keys "$(window_named SUCCESS)" Return
  end_ornix
  ! wine reg query 'HKCU\Software\Classes\.ornx' > /dev/null 2>&1 &&
    ! wine reg query 'HKCU\Software\Classes\Ornix' > /dev/null 2>&1
}
check "Uninstall help removes the association" association_removed_by_uninstall_help
