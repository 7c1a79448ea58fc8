#!/usr/bin/env bash
# Start-up to the window shown: Ornix on the sample picture against two Qt
# windows showing the same picture, a bare label and a main window with the
# label as its child, on one X server (Xvfb), polled the same way; RUNS
# starts of each, alternating, in a home of their own. Prints each program's
# median and Ornix's ratio to each reference.
# Usage: bench/startup_time.sh BUILD_FOLDER [RUNS]   (run under xvfb-run)
set -euo pipefail
build=$1
runs=${2:-9}
root=$(cd "$(dirname "$0")/.." && pwd)
picture="$root/resources/sample/harbour.jpg"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Milliseconds from the start of COMMAND... until a window named "Ornix" is
# shown, as window_watch measures it. The window is then closed with Esc, as
# a user ends Ornix (a killed copy would leave its lock for the next start
# to clear), and the program waited for; the bare window, which Esc does not
# close, is ended.
milliseconds_to_window() {
  local took window
  took=$("$build/bench/window_watch" Ornix "$@")
  window=$(xdotool search --onlyvisible --name '^Ornix$' | head -1)
  xdotool key --window "$window" Escape 2> /dev/null || true
  for _ in $(seq 100); do pgrep -f "^$1" > /dev/null || break; sleep 0.01; done
  pkill -f "^$1" 2> /dev/null || true
  echo "$took"
}

median() { sort -g | sed -n "$(((runs + 1) / 2))p"; }

# The first start writes the desktop association, as a first start after
# installing does; the starts measured find it in place.
milliseconds_to_window "$build/ornix" "$picture" > /dev/null
ornix=() bare=() child=()
for _ in $(seq "$runs"); do
  ornix+=("$(milliseconds_to_window "$build/ornix" "$picture")")
  bare+=("$(milliseconds_to_window "$build/bench/bare_window" "$picture")")
  child+=("$(milliseconds_to_window "$build/bench/child_window" "$picture")")
done
ornix_ms=$(printf '%s\n' "${ornix[@]}" | median)
bare_ms=$(printf '%s\n' "${bare[@]}" | median)
child_ms=$(printf '%s\n' "${child[@]}" | median)
ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }
echo "start-up to the window shown, median of $runs: Ornix ${ornix_ms} ms," \
  "bare Qt window ${bare_ms} ms (ratio $(ratio "$ornix_ms" "$bare_ms"))," \
  "main window with one child ${child_ms} ms (ratio $(ratio "$ornix_ms" "$child_ms"))"
echo "  Ornix: ${ornix[*]}"
echo "  bare:  ${bare[*]}"
echo "  child: ${child[*]}"
