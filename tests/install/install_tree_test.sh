#!/usr/bin/env bash
# `cmake --install` with DESTDIR puts every file of the installed program in place, the
# installed tools run, and the desktop recognises a project file by its name and by its
# content once the MIME database of the tree is built.
# Usage: install_tree_test.sh CMAKE BUILD_DIR SOURCE_DIR. Exits 77 (skipped) without
# update-mime-database, xdg-mime or gio.
set -euo pipefail
cmake="$1" build="$2" source="$3"

for tool in update-mime-database xdg-mime gio; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is missing (scripts/setup installs it)"
    exit 77
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dest="$work/root"
DESTDIR="$dest" "$cmake" --install "$build" --prefix /usr >/dev/null
usr="$dest/usr"

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

expected=(
  bin/kontaro bin/kontaro-report
  share/applications/de.kontaro.Kontaro.desktop
  share/icons/hicolor/scalable/apps/kontaro.svg
  share/mime/packages/kontaro.xml
  share/metainfo/de.kontaro.Kontaro.metainfo.xml
  share/man/man1/kontaro.1.gz share/man/man1/kontaro-report.1.gz
  share/kontaro/examples/cafe-sonnenschein.kdt
  share/doc/kontaro/copyright share/doc/kontaro/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/kontaro.png")
done
for file in "${expected[@]}"; do
  [ -f "$usr/$file" ] || fail "usr/$file is not installed"
done
for program in kontaro kontaro-report; do
  [ -x "$usr/bin/$program" ] || fail "usr/bin/$program is not executable"
done
[ "$failed" -eq 0 ] || exit 1

# Each PNG is as large as the folder it lies in says.
for size in 16 24 32 48 64 128 256; do
  png="$usr/share/icons/hicolor/${size}x${size}/apps/kontaro.png"
  actual="$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$png")"
  [ "$actual" = "${size}x${size}" ] || fail "$png is $actual"
done

# The desktop entry opens project files with the program.
desktop="$usr/share/applications/de.kontaro.Kontaro.desktop"
for line in 'Exec=kontaro %f' 'MimeType=application/x-kontaro-project;' 'Categories=Office;Finance;' 'Icon=kontaro'; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks \"$line\""
done

# The installed tools run on the installed sample.
"$usr/bin/kontaro-report" info "$usr/share/kontaro/examples/cafe-sonnenschein.kdt" >"$work/info.txt" ||
  fail "kontaro-report info on the installed sample failed"
cmp -s "$work/info.txt" "$source/tests/data/cafe-sonnenschein.info.txt" ||
  fail "kontaro-report info on the installed sample printed: $(cat "$work/info.txt")"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/kontaro" --version | grep -q '^kontaro [0-9]' ||
  fail "the installed kontaro does not answer --version"

# The manual pages render without a warning.
if command -v man >/dev/null; then
  for page in kontaro kontaro-report; do
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "man $page: $warnings"
  done
fi

# The MIME type, by name and, for a file without the extension, by the root element;
# a plain XML file stays XML. The tree comes first, the system's types after it.
export XDG_DATA_DIRS="$usr/share:/usr/share" XDG_DATA_HOME="$work/home"
update-mime-database "$usr/share/mime"
mkdir -p "$work/home" "$work/files"
cp "$source/examples/cafe-sonnenschein.kdt" "$work/files/laden.kdt"
cp "$source/examples/cafe-sonnenschein.kdt" "$work/files/projekt"
printf '<kontaro>\r\n\t<groups>\r\n' >"$work/files/ohne-kopf"
printf '<?xml version="1.0"?>\n<anderes/>\n' >"$work/files/anderes"
query() {
  XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$work/files/$1"
}
for file in laden.kdt projekt ohne-kopf; do
  type="$(query "$file")"
  [ "$type" = "application/x-kontaro-project" ] || fail "xdg-mime calls $file \"$type\""
done
type="$(query anderes)"
[ "$type" = "application/xml" ] || fail "xdg-mime calls a plain XML file \"$type\""

[ "$failed" -eq 0 ] && echo "install tree complete"
exit "$failed"
