#!/bin/sh
# What a desktop user gets: `cmake --install` puts the program, its desktop
# entry, MIME package and icons in the standard places, the entry is valid,
# and the Debian package holds the same files with the right metadata.
# Usage: check_install.sh BUILD_DIR
set -eu
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$stage/usr" > /dev/null
files="bin/ornix share/applications/ornix.desktop share/mime/packages/ornix.xml
  share/icons/hicolor/scalable/apps/ornix.svg"
for size in 16 24 32 48 64 128 256; do files="$files share/icons/hicolor/${size}x$size/apps/ornix.png"; done
for file in $files; do
  [ -s "$stage/usr/$file" ] || fail "cmake --install left out $file"
done
file "$stage/usr/share/icons/hicolor/48x48/apps/ornix.png" | grep -q "48 x 48" || fail "the 48 pixel icon is not 48 x 48"
desktop-file-validate "$stage/usr/share/applications/ornix.desktop" || fail "desktop-file-validate"

cpack --config "$build/CPackConfig.cmake" -B "$stage/package" > /dev/null
deb=$(ls "$stage"/package/ornix_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = ornix ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libstdc++6 hicolor-icon-theme; do
  echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in $files; do
  echo "$contents" | grep -q "\./usr/$file\$" || fail "the package lacks /usr/$file"
done
echo "installed and packaged: $(basename "$deb"), Depends: $depends"
