#!/usr/bin/env bash
# Installs the built tree into a scratch root, builds the Debian package with
# CPack, and checks what both hold: the program, its menu entry, its icon, and
# the package's dependencies on the Qt 5 widgets runtime and the fonts.
# Usage: package_deb.sh BUILD_DIR PROGRAM
set -uo pipefail

build="${1:?usage: package_deb.sh BUILD_DIR PROGRAM}"
program="${2:?usage: package_deb.sh BUILD_DIR PROGRAM}"

if ! command -v dpkg-deb >/dev/null 2>&1 || ! command -v cpack >/dev/null 2>&1; then
    echo "SKIP: needs dpkg-deb and cpack"
    exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
check() {   # check DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@"; then
        echo "ok:   $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

bin=usr/bin/fle-test8
desktop=usr/share/applications/fle-test8.desktop
icon=usr/share/icons/hicolor/scalable/apps/fle-test8.svg

# 1. cmake --install
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; exit 1; }
check "install: $bin is the built program" cmp -s "$work/root/$bin" "$program"
check "install: $bin is executable" test -x "$work/root/$bin"
check "install: $desktop" test -f "$work/root/$desktop"
check "install: $icon" test -f "$work/root/$icon"
if command -v desktop-file-validate >/dev/null 2>&1; then
    check "install: the menu entry validates" desktop-file-validate "$work/root/$desktop"
fi
entry() { grep -qx -- "$1" "$work/root/$desktop"; }
for line in "Exec=fle-test8" "Icon=fle-test8" "Terminal=false" "Categories=Education;" "Type=Application"; do
    check "menu entry: $line" entry "$line"
done
for key in "Name=" "Comment=" "Comment\[fr\]=" "Comment\[uk\]="; do
    check "menu entry: ${key//\\/} set" grep -q "^$key." "$work/root/$desktop"
done
check "icon: an SVG image" grep -q "<svg" "$work/root/$icon"

# 2. cpack -G DEB
(cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/package/*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: no .deb built"; exit 1; }
echo "package: $(basename "$deb")"
dpkg-deb -c "$deb" >"$work/contents"
has() { grep -qE "$1" "$work/contents"; }
check "package holds /$bin, executable" has "^-rwxr-xr-x root/root .* \./$bin\$"
check "package holds /$desktop" has " \./$desktop\$"
check "package holds /$icon" has " \./$icon\$"
check "package holds no tests or benchmarks" bash -c "! grep -qE 'tst_|fle-bench|render-pages' '$work/contents'"

field() { dpkg-deb -f "$deb" "$1"; }
depends="$(field Depends)"
echo "Depends: $depends"
for package in libqt5widgets5 libqt5gui5 libqt5core5a fonts-crosextra-carlito fonts-liberation2; do
    check "Depends names $package" grep -qE "(^|, )$package( |,|\$)" <<<"$depends"
done
check "Package is fle-test8" test "$(field Package)" = fle-test8
check "Maintainer set" test -n "$(field Maintainer)"
check "Description set" test -n "$(field Description)"
check "Section is education" test "$(field Section)" = education

# Every library the packaged program needs is found on this machine.
dpkg-deb -x "$deb" "$work/unpacked"
check "packaged program finds all its libraries" bash -c "ldd '$work/unpacked/$bin' | grep -q libQt5Widgets && ! ldd '$work/unpacked/$bin' | grep -q 'not found'"

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
