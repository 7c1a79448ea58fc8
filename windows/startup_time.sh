#!/usr/bin/env bash
# Start-up time of the installed Windows program under Wine against the Linux
# build, on the same X server: the time from the start until the editor
# window shows, over several starts each, medians in milliseconds.
#
#   windows/startup_time.sh [RUNS]     (after ./dev.sh windows-test has installed it)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
runs=${1:-5}
work="$root/build-windows/wine-test"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX="$work/prefix"
picture="$work/site/harbour.gif"
wineserver -p  # Wine's services stay up between starts, as Windows' do

# shown COMMAND...: milliseconds until a window titled "Ornix" shows.
shown() {
  local started now
  started=$(date +%s%N)
  "$@" > /dev/null 2>&1 &
  until xdotool search --onlyvisible --name '^Ornix$' > /dev/null 2>&1; do sleep 0.01; done
  now=$(date +%s%N)
  echo $(((now - started) / 1000000))
  xdotool search --onlyvisible --name '^Ornix$' key --window %1 Escape > /dev/null 2>&1 || true
  sleep 1
  pkill -f 'ornix.exe|build/ornix' || true
  rm -f "$WINEPREFIX"/drive_c/users/*/Quillmere-Ornix.lock
  sleep 1
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }
linux_home="$work/startup-home"
mkdir -p "$linux_home/run" && chmod 700 "$linux_home/run"
linux() {
  HOME="$linux_home" XDG_CONFIG_HOME="$linux_home/config" XDG_DATA_HOME="$linux_home/data" \
    XDG_RUNTIME_DIR="$linux_home/run" QT_QPA_PLATFORM=xcb "$root/build/ornix" "$picture"
}
windows() { wine 'C:\Ornix\ornix.exe' "$(winepath -w "$picture")"; }
windows > /dev/null 2>&1 & sleep 8; pkill -f ornix.exe || true; sleep 1  # a first start warms Wine's caches
for program in linux windows; do
  times=$(for _ in $(seq "$runs"); do shown "$program"; done)
  echo "$program: median $(median <<< "$times") ms of $(tr '\n' ' ' <<< "$times")"
done
wineserver -k
