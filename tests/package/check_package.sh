#!/usr/bin/env bash
# Builds the .deb from the build tree (as `make package` does, into a folder
# of its own) and checks what it installs and what it depends on.
#   check_package.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "check_package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
shopt -s nullglob
debs=("$work"/answerbook_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} answerbook packages, not one"
deb=${debs[0]}

# The files, with their modes: the program, its desktop entry and its icon,
# and nothing else but their folders.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $6 }' | sort >"$work/files"
cat >"$work/expected" <<'LIST'
-rw-r--r-- ./usr/share/applications/answerbook.desktop
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/answerbook.svg
-rwxr-xr-x ./usr/bin/answerbook
LIST
sort -o "$work/expected" "$work/expected"
diff -u "$work/expected" "$work/files" || fail "the package's files differ from the list above"

# What it needs to run, named for apt.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation fonts-dejavu-core; do
  [[ ",$depends," =~ [,\ ]$needed[\ ,\(] ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = answerbook ] || fail "the package is not called answerbook"

# The installed files themselves: a program for this machine, stripped, and
# a desktop entry that desktops accept and that starts it.
dpkg-deb -x "$deb" "$work/root"
case "$(file -b "$work/root/usr/bin/answerbook")" in
  *"not stripped"*) fail "usr/bin/answerbook is not stripped" ;;
  ELF\ 64-bit*executable*) ;;
  *) fail "usr/bin/answerbook is no program for this machine" ;;
esac
desktop-file-validate "$work/root/usr/share/applications/answerbook.desktop" || fail "the desktop entry is not valid"
grep -qx 'Exec=answerbook' "$work/root/usr/share/applications/answerbook.desktop" || fail "the desktop entry does not start answerbook"
grep -qx 'Icon=answerbook' "$work/root/usr/share/applications/answerbook.desktop" || fail "the desktop entry names another icon"
grep -q '<svg' "$work/root/usr/share/icons/hicolor/scalable/apps/answerbook.svg" || fail "the icon is no SVG"
echo "check_package: $(basename "$deb") holds the program, its desktop entry and icon; Depends: $depends"
