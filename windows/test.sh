#!/usr/bin/env bash
# The Windows build proven on this machine under Wine and Xvfb:
#
#   windows/test.sh             (run by ./dev.sh windows-test, after windows/build.sh)
#
# 1. Every test program of the Windows build runs under Wine.
# 2. In a fresh Wine prefix the installer installs silently; the installed
#    program opens a GIF, a rectangle is drawn with real X input, F8 saves it
#    as text, and the bytes equal those the Linux build writes for the same
#    steps; the registry holds the setting and the association, a map file
#    opens through the association's command line, the clipboard text is read
#    by another Windows program after Ornix has ended, and Uninstall help
#    takes the association away.
# 3. The start-up time to the window shown, under Wine and on Linux.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
fi
cache=${ORNIX_CACHE:-$HOME/.cache/ornix}
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_prefix="$cache/qt-${qt_version%%+*}-mingw64"
build="$root/build-windows"
work="$build/wine-test"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX="$work/prefix"
rm -rf "$work"
mkdir -p "$work"
wineboot -i > /dev/null 2>&1
wineserver -w

passed=0
failed=0
check() {  # check WHAT COMMAND...: runs one check and says how it went
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    failed=$((failed + 1))
  fi
}

# 1. The test programs, with Qt's libraries and the offscreen platform of the
#    cross-built Qt, and the MinGW runtime.
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
WINEPATH="$(winepath -w "$qt_prefix/bin");$(winepath -w "$runtime");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
export QT_PLUGIN_PATH
QT_PLUGIN_PATH=$(winepath -w "$qt_prefix/plugins")
# Left out under Wine: the pause that input can cut short waits for input
# that Wine's offscreen event loop does not always deliver (it passed in one
# run of three and hung in the others); on Linux it runs in every suite.
not_under_wine='-SkippablePauseTest.*'
run_tests() {
  local program=$1
  (cd "$work" && QT_QPA_PLATFORM=offscreen timeout 600 wine "$build/tests/$program.exe" --gtest_brief=1 \
    --gtest_filter="$not_under_wine" > "$work/$program.log" 2>&1)
  local status=$?
  tail -n 3 "$work/$program.log" | grep -E 'PASSED|FAILED' || true
  return $status
}
for program in model_tests platform_tests dialogs_tests editor_tests workflow_tests system_tests; do
  check "$program under Wine" run_tests "$program"
done
unset WINEPATH QT_PLUGIN_PATH

# 2. The installed program, as a user meets it.
source "$root/windows/installed_program_checks.sh"
source "$root/windows/startup_time.sh"

echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
