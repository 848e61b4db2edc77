#!/usr/bin/env bash
# Builds the Debian package with CPack and checks what it holds: the program, its menu entry, its
# icon, its dependencies on the widgets runtime of the Qt it was built with (and not the other's)
# and on the fonts; then Debian's own checker, the software-centre entry and the manual page.
set -uo pipefail
usage="usage: package_deb.sh BUILD_DIR PROGRAM"
build="${1:?$usage}" program="${2:?$usage}"
for tool in dpkg-deb cpack lintian appstreamcli man desktop-file-validate; do
    command -v $tool >/dev/null || { echo "SKIP: needs $tool (./test.sh installs it)"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
check() {   # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok:   $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
quiet() {   # quiet COMMAND...: succeeds and writes no warning (its output is dropped)
    "$@" >/dev/null 2>"$work/stderr" && [ ! -s "$work/stderr" ] || { cat "$work/stderr"; false; }
}

# appstream_valid ROOT: the AppStream validator finds no error and no warning in the tree. The
# program has no web site, and AppStream 1.0 warns on the missing homepage: that one warning is
# made an info, as the package's lintian overrides say; a validator that does not know the tag
# (AppStream 0.16) cannot raise it and refuses the override.
appstream_valid() {
    local validate=(appstreamcli validate-tree --no-net --explain) status=0
    "${validate[@]}" --override=url-homepage-missing=info "$1" >"$work/appstream" 2>&1 || status=$?
    if grep -q "'url-homepage-missing' is not recognized" "$work/appstream"; then
        status=0
        "${validate[@]}" "$1" >"$work/appstream" 2>&1 || status=$?
    fi
    if [ "$status" -ne 0 ] || grep -qE '^ *[EW]: ' "$work/appstream"; then
        cat "$work/appstream"
        return 1
    fi
}

(cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/package/*.deb | head -n 1)"
[ -f "$deb" ] || { cat "$work/cpack.log"; echo "FAIL: no .deb built"; exit 1; }
dpkg-deb -c "$deb" >"$work/contents" && dpkg-deb -x "$deb" "$work/root" || exit 1
bin=usr/bin/fle-test8 desktop=usr/share/applications/fle-test8.desktop
icon=usr/share/icons/hicolor/scalable/apps/fle-test8.svg man_page=usr/share/man/man1/fle-test8.1.gz
check "/$bin, executable by all" grep -qE "^-rwxr-xr-x root/root .* \./$bin\$" "$work/contents"
check "/$bin is the built program, stripped" \
    bash -c "strip -o '$work/built' '$program' && cmp -s '$work/built' '$work/root/$bin'"
check "it finds all its libraries" \
    bash -c "ldd '$work/root/$bin' >'$work/ldd' && ! grep -q 'not found' '$work/ldd'"
check "the menu entry validates" desktop-file-validate "$work/root/$desktop"
for line in "Exec=fle-test8" "Icon=fle-test8" "Terminal=false" "Categories=Education;" \
    "Type=Application"; do
    check "menu entry: $line" grep -qx -- "$line" "$work/root/$desktop"
done
check "/$icon, an SVG image" grep -q "<svg" "$work/root/$icon"
check "no tests or benchmarks" bash -c "! grep -qE 'tst_|fle-bench|render-pages' '$work/contents'"
check "Package fle-test8, Section education" test "$(dpkg-deb -f "$deb" Package Section)" = \
    $'Package: fle-test8\nSection: education'
depends="$(dpkg-deb -f "$deb" Depends)"
qt="$(sed -n 's/^FLE_QT_MAJOR:STRING=//p' "$build/CMakeCache.txt")"
[ "$qt" = 6 ] && other=5 || other=6
for package in "libqt${qt}widgets${qt}" "libqt${qt}gui${qt}" "libqt${qt}core"; do
    check "Depends names $package" grep -qE "(^|, )$package[a-z0-9]*( |,|\$)" <<<"$depends"
done
check "Depends names no Qt $other library" bash -c "! grep -q 'libqt$other' <<<'$depends'"
# A pin to one build of the toolkit, as its private parts need, would keep it off newer releases.
check "Depends names no qtbase-abi or qt6-base-abi" \
    bash -c "! grep -qE 'qtbase-abi|qt6-base-abi' <<<'$depends'"
check "Depends names no font package: the program carries its faces" \
    bash -c "! grep -q 'fonts-' <<<'$depends'"
check "lintian: no errors, no warnings" lintian --fail-on error,warning --tag-display-limit 0 "$deb"
check "the software-centre entry validates, with its menu entry: no errors, no warnings" \
    appstream_valid "$work/root"
version="$(dpkg-deb -f "$deb" Version)"
check "changelog.gz begins with release $version" grep -qF "fle-test8 ($version) " \
    <<<"$(zcat "$work/root/usr/share/doc/fle-test8/changelog.gz" | head -n 1)"
check "the software-centre entry's latest release is $version" grep -qF "version=\"$version\"" \
    <<<"$(grep -m 1 '<release ' "$work/root"/usr/share/metainfo/*.xml)"
check "man renders the manual page without warnings" \
    quiet env LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$work/root/$man_page"
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
