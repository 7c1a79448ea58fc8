#!/usr/bin/env bash
# Ornix's set-up commands. Each installs the Debian packages a fresh machine
# lacks (when run as root; otherwise it prints the one apt-get line needed),
# then configures and builds.
#
#   ./dev.sh run              build and start the editor on the sample picture
#   ./dev.sh test             build and run every test
#   ./dev.sh sanitize         every test under AddressSanitizer and UBSan
#   ./dev.sh lint             the layout (.clang-format) and clang-tidy's checks on src/
#   ./dev.sh coverage         every test with coverage counters; line and branch coverage of src/
#   ./dev.sh mutations        ten changes a user would notice, each of which a test must catch
#   ./dev.sh fuzz [SECONDS]   each fuzz target for SECONDS (60 unless given)
#   ./dev.sh bench            build and run the benchmarks, then time the start-up
#   ./dev.sh windows          build Ornix for Windows and pack its zip and installer
#   ./dev.sh windows-test     the Windows build's tests and its installed program under Wine
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libxcb1-dev libgtest-dev libbenchmark-dev fonts-liberation
  desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl)
clang_packages=(clang libclang-rt-14-dev)
lint_packages=(clang-format clang-tidy git)
coverage_packages=(gcovr)
# The end-to-end test's X server, input, clipboard and screenshots, the browser check's
# Chromium, and what the Debian package is built with.
e2e_packages=(xvfb xauth xdotool xclip procps imagemagick chromium dpkg-dev file)
# The Windows build: the cross compiler, the installer maker, and Wine to run it here.
windows_packages=(g++-mingw-w64-x86-64-posix nsis zip)
wine_packages=(wine64 xvfb xauth xdotool procps imagemagick)
playwright_core=playwright-core@1.59.1  # the last line that runs on Debian 12's Node 18
html_validate=html-validate@8.29.0      # runs on Node 16 and later

need_packages() {
  command -v dpkg-query > /dev/null || return 0  # not Debian: CMake says what is missing
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}\n' "$package" 2> /dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Ornix needs these Debian packages; install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null
}

# The browser checks drive Debian's chromium with the npm package
# playwright-core and validate pages with html-validate, both kept in the build
# folder's node/; nothing downloads a browser.
need_browser_driver() {
  local dir=$1
  command -v npm > /dev/null || need_packages nodejs npm
  [ -f "$dir/node/node_modules/playwright-core/package.json" ] &&
    [ -f "$dir/node/node_modules/html-validate/package.json" ] && return 0
  # Node trusts only its own certificate list; let it trust the system's too,
  # as apt does (a machine behind a proxy of its own adds that proxy's there).
  if [ -z "${NODE_EXTRA_CA_CERTS:-}" ] && [ -f /etc/ssl/certs/ca-certificates.crt ]; then
    export NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt
  fi
  npm install --prefix "$dir/node" --no-save --no-audit --no-fund --loglevel=error "$playwright_core" "$html_validate" > /dev/null
}

# build PRESET: configures and builds one of CMakePresets.json's presets.
build() {
  cmake --preset "$1" > /dev/null
  cmake --build --preset "$1"
}

case "${1:-}" in
  run)
    need_packages "${build_packages[@]}"
    build release
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "There is no display to show the editor on; run it on a desktop or under xvfb-run." >&2
      exit 1
    fi
    exec build/ornix resources/sample/harbour.jpg
    ;;
  test)
    need_packages "${build_packages[@]}" "${e2e_packages[@]}"
    build release
    need_browser_driver build
    ctest --preset release
    ;;
  sanitize)
    need_packages "${build_packages[@]}" "${e2e_packages[@]}"
    build sanitize
    need_browser_driver build-sanitize
    # The preset sets intercept_tls_get_addr=0: GCC 12's leak checker otherwise
    # takes, now and then, a thread-local block for one of an old glibc's and
    # its tracer crashes as the program ends, a failure with no leak in it.
    ctest --preset sanitize
    ;;
  lint)
    need_packages "${build_packages[@]}" "${lint_packages[@]}"
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
    cmake --preset release > /dev/null
    # clang-tidy counts the warnings it filters out; only its findings are shown.
    git ls-files 'src/*.cpp' ':!src/platform/windows_registry.cpp' ':!src/art/png_artwork.cpp' |
      xargs -P2 -n4 clang-tidy -p build --quiet --extra-arg=-Wno-unknown-warning-option 2>&1 |
      { grep -v 'warnings generated' || true; }
    echo "The layout and clang-tidy's checks are clean."
    ;;
  coverage)
    need_packages "${build_packages[@]}" "${e2e_packages[@]}" "${coverage_packages[@]}"
    build coverage
    need_browser_driver build-coverage
    find build-coverage -name '*.gcda' -delete  # counts of this run only
    ctest --preset coverage || echo "Some tests failed; the coverage below is of the run as it went." >&2
    # Lines and branches of src/ as the whole suite reaches them, folder by
    # folder; branches the compiler adds for exceptions are left out.
    mkdir -p build-coverage/report
    gcovr --root . --filter 'src/' --object-directory build-coverage --exclude-throw-branches \
      --exclude-unreachable-branches --html-details build-coverage/report/index.html \
      --json-summary build-coverage/report/summary.json > /dev/null
    python3 - build-coverage/report/summary.json << 'EOF'
import json, sys
from collections import defaultdict
folders = defaultdict(lambda: [0, 0, 0, 0])
for f in json.load(open(sys.argv[1]))["files"]:
    for name in ("src/ in total", "/".join(f["filename"].split("/")[:2])):
        counts = folders[name]
        counts[0] += f["line_covered"]; counts[1] += f["line_total"]
        counts[2] += f["branch_covered"]; counts[3] += f["branch_total"]
print(f"{'':16} {'lines':>22} {'branches':>22}")
for name in sorted(folders, key=lambda name: (name.endswith("total"), name)):
    l, lt, b, bt = folders[name]
    print(f"{name:16} {100 * l / max(lt, 1):6.1f}% ({l:5} of {lt:5}) {100 * b / max(bt, 1):6.1f}% ({b:5} of {bt:5})")
EOF
    echo "The report: build-coverage/report/index.html"
    ;;
  mutations)
    need_packages "${build_packages[@]}" python3
    build release
    python3 tests/mutations.py
    ;;
  fuzz)
    need_packages "${build_packages[@]}" "${clang_packages[@]}"
    build fuzz
    # The targets of the sources, not whatever an older build left behind.
    for source in fuzz/*_fuzz.cpp; do
      name=$(basename "$source" _fuzz.cpp)
      target="build-fuzz/fuzz/${name}_fuzz"
      mkdir -p "build-fuzz/corpus/$name"
      "$target" -max_total_time="${2:-60}" -max_len=4096 -print_final_stats=1 \
        "build-fuzz/corpus/$name" "fuzz/corpus/$name"
    done
    ;;
  bench)
    need_packages "${build_packages[@]}" xvfb xauth xdotool procps
    build release
    build/bench/ornix_bench
    xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bench/startup_time.sh build
    ;;
  windows)
    need_packages "${build_packages[@]}" "${windows_packages[@]}"
    windows/build.sh
    ;;
  windows-test)
    need_packages "${build_packages[@]}" "${windows_packages[@]}" "${wine_packages[@]}"
    build release  # the Linux program whose saved bytes the Windows program's must equal
    windows/build.sh
    windows/test.sh
    ;;
  *)
    sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
