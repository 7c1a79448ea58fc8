# Start-up to the window shown, the installed Windows program under Wine
# against the Linux build on the same X server, five starts each on the
# harbour GIF; prints the medians. Sourced by windows/test.sh after the
# installed program's checks, whose helpers and folders it uses.

# Milliseconds from the start of COMMAND... until a window named "Ornix" is
# visible; the program is then closed with Esc and waited for.
milliseconds_to_window() {
  local start shown
  start=$(date +%s%N)
  "$@" > /dev/null 2>&1 &
  for _ in $(seq 3000); do
    xdotool search --onlyvisible --name '^Ornix$' > /dev/null 2>&1 && break
    sleep 0.01
  done
  shown=$(date +%s%N)
  keys "$(window_named Ornix 5)" Escape > /dev/null 2>&1
  wait $! 2> /dev/null || true
  echo $(((shown - start) / 1000000))
}

median_of_five() {
  local runs=()
  for _ in 1 2 3 4 5; do
    runs+=("$(milliseconds_to_window "$@")")
    end_ornix
  done
  printf '%s\n' "${runs[@]}" | sort -n | sed -n 3p
}

linux_ornix() {
  HOME="$work/linux-home" XDG_CONFIG_HOME="$work/linux-home/config" XDG_DATA_HOME="$work/linux-home/data" \
    XDG_RUNTIME_DIR="$work/linux-run" QT_QPA_PLATFORM=xcb "$root/build/ornix" "$@"
}

wine_ms=$(median_of_five wine "$install_dir/ornix.exe" "$(winepath -w "$site/harbour.gif")")
linux_ms=$(median_of_five linux_ornix "$site/harbour.gif")
echo "start-up to the window shown, median of 5: Windows build under Wine ${wine_ms} ms, Linux build ${linux_ms} ms"
