#!/usr/bin/env bash
# Checks the Debian package for real: its metadata validates, lintian finds no error, it installs
# with dpkg, the installed program opens its window with the right title and icon, and it
# removes cleanly. Installing changes the system, so it runs only as root with CI=true or
# TAVRO_INSTALL_TEST=1; otherwise it checks the package without installing it.
# Usage: package_test.sh PACKAGE.deb
set -u
deb=$(realpath "$1")

. "$(dirname "$0")/xsession.sh"

app_id=example.wendrix.TavroTool
unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"
check "desktop entry validates" desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop"
check "AppStream metadata validates" appstreamcli validate --no-net \
    "$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
lintian_out=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges')
[ -n "$lintian_out" ] && echo "$lintian_out" | sed 's/^/  lintian: /'
check "lintian reports no error" bash -c '! grep -q "^E:" <<<"$1"' _ "$lintian_out"
check "file name" test "$(basename "$deb")" = "tavro-tool_1.1.140_$(dpkg --print-architecture).deb"
check "program in its own folder, stripped" \
    bash -c 'file "$1" | grep -q ", stripped"' _ "$unpacked/usr/libexec/tavro-tool/tavro-tool"
check "/usr/bin/tavro-tool a relative link to it" \
    test "$(readlink "$unpacked/usr/bin/tavro-tool")" = ../libexec/tavro-tool/tavro-tool
depends=$(dpkg-deb -f "$deb" Depends)
echo "  Depends: $depends"
check "dependencies computed" grep -Eq 'libqt(6widgets6|5widgets5) ' <<<"$depends"
for size in 32 48 64 128 256; do
    check "icon ${size}x$size" bash -c \
        'file "$1" | grep -q "$2 x $2"' _ "$unpacked/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" "$size"
done

if [ "$(id -u)" != 0 ] || { [ "${CI:-}" != true ] && [ "${TAVRO_INSTALL_TEST:-}" != 1 ]; }; then
    echo "not installing (needs root and CI=true or TAVRO_INSTALL_TEST=1)"
    finish
    exit
fi
if dpkg -s tavro-tool >/dev/null 2>&1; then
    echo "FAIL: tavro-tool is installed already; not touching it"
    exit 1
fi

check "installs with dpkg -i" dpkg -i "$deb" >"$work/dpkg.log"
files=$(dpkg -L tavro-tool | while read -r f; do [ -f "$f" ] && echo "$f"; done)
check "program on the PATH" test "$(command -v tavro-tool)" = /usr/bin/tavro-tool
check "the link leads to /usr/libexec/tavro-tool/tavro-tool" \
    test "$(readlink -f /usr/bin/tavro-tool)" = /usr/libexec/tavro-tool/tavro-tool
entry=/usr/share/applications/$app_id.desktop
check "found among the applications as 'Tavro Tool'" grep -qx 'Name=Tavro Tool' "$entry"
icon=$(sed -n 's/^Icon=//p' "$entry")
check "its icon is in the theme" test -f "/usr/share/icons/hicolor/48x48/apps/$icon.png"
check "no catalogue installed" bash -c '! dpkg -L tavro-tool | grep -q "\.qm$"'

mkdir -p "$work/home"
start_program tavro-tool "$work/home"
check "installed program opens its window" test -n "$id"
if [ -n "$id" ]; then
    check_title_and_icon
    close_program
    check "closes with exit code 0 (got $code)" test "$code" = 0
fi

check "removes with dpkg -r" dpkg -r tavro-tool >>"$work/dpkg.log"
check "no file left behind" bash -c 'for f in $1; do [ -e "$f" ] && { echo "left: $f"; exit 1; }; done; exit 0' _ "$files"
check "package gone" bash -c '! dpkg -s tavro-tool >/dev/null 2>&1 || dpkg -s tavro-tool | grep -q "Status: deinstall ok config-files"'
dpkg --purge tavro-tool >/dev/null 2>&1
check "purged" bash -c '! dpkg -s tavro-tool >/dev/null 2>&1'
finish
