#!/usr/bin/env bash
# Builds Ornix for 64-bit Windows on this Debian machine and packs it:
#
#   windows/build.sh            (run by ./dev.sh windows)
#   windows/build.sh --qt-cached   exits 0 when the cross-built Qt is already here
#
# Qt (qtbase only) and GoogleTest are built for Windows from Debian's own
# source packages of the versions the Linux build uses, so that Debian's host
# tools (moc, rcc, uic) serve the cross build. Qt is cached outside the
# checkout, in $ORNIX_CACHE (~/.cache/ornix), and built once per machine.
# The product lands in build-windows/: the program with what it loads in
# build-windows/ornix/, Ornix-<version>-win64.zip and Ornix-<version>-win64.exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${ORNIX_CACHE:-$HOME/.cache/ornix}
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_prefix="$cache/qt-${qt_version%%+*}-mingw64"
build="$root/build-windows"

# with_source_entries COMMAND...: runs COMMAND with deb-src entries made from
# the machine's own apt sources, so that no archive is named here. Each entry
# is written once, from the machine's files alone, and taken away again
# afterwards: apt's setup is left as it was found.
with_source_entries() {
  if grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    "$@"
    return
  fi
  local added=/etc/apt/sources.list.d/ornix-deb-src entries status=0
  entries=$(mktemp)
  for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] && sed 's/^Types: deb$/Types: deb-src/' "$list" && echo
  done > "$entries"
  mv "$entries" "$added.sources"
  chmod 644 "$added.sources"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > "$added.list"
  fi
  apt-get update -qq
  "$@" || status=$?
  rm -f "$added.sources" "$added.list"
  apt-get update -qq
  return "$status"
}

# source PACKAGE VERSION FOLDER: the package's unpacked upstream source in FOLDER.
source_of() {
  local package=$1 version=$2 folder=$3
  mkdir -p "$folder"
  if ! ls "$folder"/*.orig.tar.* > /dev/null 2>&1; then
    (cd "$folder" && with_source_entries apt-get source -qq --download-only "$package=$version")
  fi
  local top
  top=$(tar -tf "$folder"/*.orig.tar.* | head -1 | cut -d/ -f1)
  [ -d "$folder/$top" ] || tar -C "$folder" -xf "$folder"/*.orig.tar.*
  echo "$folder/$top"
}

# Only what Ornix uses: Core, Gui, Widgets and Test, the Windows, offscreen
# and minimal platforms, the GIF, JPEG and ICO formats. Debian's tarball
# lacks the tablet header the Windows platform includes: tablet events off.
build_qt() {
  [ -f "$qt_prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] && return 0
  local source started
  source=$(source_of qt6-base "$qt_version" "$cache/qtbase-work")
  # Qt 6.4.2's Windows platform asks the dynamic OpenGL loader whether GL is
  # software even when OpenGL is left out: that one question is guarded.
  sed -i '/static inline bool isSoftwareGl()/,/#endif/ s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$source/src/plugins/platforms/windows/qwindowswindow.cpp"
  started=$(date +%s)
  cmake -S "$source" -B "$cache/qtbase-work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/windows/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_sql_sqlite=OFF -DFEATURE_androiddeployqt=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF > /dev/null
  cmake --build "$cache/qtbase-work/build" --parallel 2
  cmake --install "$cache/qtbase-work/build" > /dev/null
  echo "Qt for Windows built in $(($(date +%s) - started)) s into $qt_prefix"
}

if [ "${1:-}" == "--qt-cached" ]; then
  [ -f "$qt_prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]
  exit
fi
build_qt
googletest=$(source_of googletest "$(dpkg-query -W -f='${Version}' libgtest-dev)" "$cache/googletest")
# The host's own renderer draws the artwork for the Windows build.
cmake --preset release > /dev/null
cmake --build --preset release --target render_art > /dev/null
started=$(date +%s)
# Qt's own toolchain file loads the MinGW one and lets packages be found in Qt's prefix.
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/windows/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DORNIX_HOST_ART_RENDERER="$root/build/resources/render_art" -DORNIX_GOOGLETEST_SOURCE="$googletest" \
  -DORNIX_BENCH=OFF -DORNIX_WERROR=ON > /dev/null
cmake --build "$build" --parallel 2
rm -rf "$build/ornix"
cmake --install "$build" --prefix "$build/ornix" > /dev/null
(cd "$build" && cpack > /dev/null)
echo "Ornix for Windows built in $(($(date +%s) - started)) s:"
ls -l "$build"/Ornix-*-win64.zip "$build"/Ornix-*-win64.exe
