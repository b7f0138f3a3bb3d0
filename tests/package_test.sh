#!/usr/bin/env bash
# Checks the two Debian packages for real: the program's and the German catalogue's. Their
# metadata validates, lintian finds no error and no warning, and, installed together with
# apt-get, the program opens its window in German; with the catalogue's package removed it opens
# in English again, and removing both leaves nothing behind. Installing changes the system, so
# that part runs only as root with CI=true or TAVRO_INSTALL_TEST=1; otherwise it checks the
# packages without installing them.
# Usage: TAVRO_VERSION=1.2 TAVRO_BUILD=150 package_test.sh tavro-tool_VERSION_ARCH.deb \
#            tavro-tool-l10n-de_VERSION_all.deb
# with the version and build number that the build was configured with (script/package does so).
set -u
: "${TAVRO_VERSION:?the version the packages must carry}" "${TAVRO_BUILD:?and the build number}"
if [ $# != 2 ]; then
    echo "usage: $0 tavro-tool_VERSION_ARCH.deb tavro-tool-l10n-de_VERSION_all.deb" >&2
    exit 2
fi
deb=$(realpath "$1")
l10n_deb=$(realpath "$2")

. "$(dirname "$0")/xsession.sh"

app_id=example.wendrix.TavroTool
version=$TAVRO_VERSION.$TAVRO_BUILD
programdir=/usr/libexec/tavro-tool
unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"
metainfo=$unpacked/usr/share/metainfo/$app_id.metainfo.xml
check "desktop entry validates" desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop"
check "AppStream metadata validates" appstreamcli validate --no-net "$metainfo"
check "AppStream metadata names the German translation" \
    grep -q '<lang percentage="100">de</lang>' "$metainfo"
check "AppStream release $TAVRO_VERSION" grep -q "<release version=\"$TAVRO_VERSION\"" "$metainfo"
check "changelog's entry for $version" bash -c 'zcat "$1" | head -n 1 | grep -qF "tavro-tool ($2) "' \
    _ "$unpacked/usr/share/doc/tavro-tool/changelog.gz" "$version"
check "man pages of Tavro Tool $TAVRO_VERSION" bash -c \
    'for page in tavro-tool tavro-cli; do
         zcat "$1/$page.1.gz" | head -n 1 | grep -qF "\"Tavro Tool $2\"" || exit 1
     done' _ "$unpacked/usr/share/man/man1" "$TAVRO_VERSION"
lintian_out=$(lintian --display-info "$deb" "$l10n_deb" 2>&1 | grep -v 'running with root privileges')
[ -n "$lintian_out" ] && echo "$lintian_out" | sed 's/^/  lintian: /'
check "lintian reports no error and no warning" bash -c '! grep -q "^[EW]:" <<<"$1"' _ "$lintian_out"
check "file name" test "$(basename "$deb")" = "tavro-tool_${version}_$(dpkg --print-architecture).deb"
check "file name of the German package" \
    test "$(basename "$l10n_deb")" = "tavro-tool-l10n-de_${version}_all.deb"
check "program in its own folder, stripped" \
    bash -c 'file "$1" | grep -q ", stripped"' _ "$unpacked$programdir/tavro-tool"
check "/usr/bin/tavro-tool a relative link to it" \
    test "$(readlink "$unpacked/usr/bin/tavro-tool")" = ../libexec/tavro-tool/tavro-tool
check "tavro-cli in /usr/bin, stripped, without GUI libraries" bash -c \
    'file "$1" | grep -q ", stripped" && ! objdump -p "$1" | grep -Eq "NEEDED.*(Gui|Widgets)"' \
    _ "$unpacked/usr/bin/tavro-cli"
depends=$(dpkg-deb -f "$deb" Depends)
echo "  Depends: $depends"
check "dependencies computed" grep -Eq 'libqt(6widgets6|5widgets5) ' <<<"$depends"
for size in 32 48 64 128 256; do
    check "icon ${size}x$size" bash -c \
        'file "$1" | grep -q "$2 x $2"' _ "$unpacked/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" "$size"
done
check "no catalogue in the program's package" bash -c '! dpkg-deb -c "$1" | grep -q "\.qm$"' _ "$deb"
l10n_files=$(dpkg-deb -c "$l10n_deb" | awk '$1 !~ /^d/ {print $6}' | sort | paste -sd ' ')
echo "  German package: $l10n_files"
l10n_doc=./usr/share/doc/tavro-tool-l10n-de
check "German package: catalogue beside the program, copyright, changelog" test "$l10n_files" = \
    ".$programdir/lang.qm $l10n_doc/changelog.gz $l10n_doc/copyright"
check "German package needs this very version of the program" \
    test "$(dpkg-deb -f "$l10n_deb" Depends)" = "tavro-tool (= $version)"

if [ "$(id -u)" != 0 ] || { [ "${CI:-}" != true ] && [ "${TAVRO_INSTALL_TEST:-}" != 1 ]; }; then
    echo "not installing (needs root and CI=true or TAVRO_INSTALL_TEST=1)"
    finish
    exit
fi
for package in tavro-tool tavro-tool-l10n-de; do
    if dpkg -s "$package" >/dev/null 2>&1; then
        echo "FAIL: $package is installed already; not touching it"
        exit 1
    fi
done

apt_get() {
    DEBIAN_FRONTEND=noninteractive apt-get -y -q --no-install-recommends "$@" >>"$work/apt.log" 2>&1
}
# Whatever happens below, nothing of ours stays installed.
trap 'dpkg --purge tavro-tool-l10n-de tavro-tool >>"$work/apt.log" 2>&1; cleanup' EXIT
# What the packages bring that is not on the system yet must be gone again at the end.
new_paths=$(for file in "$deb" "$l10n_deb"; do dpkg-deb --fsys-tarfile "$file" | tar -t; done |
    sed 's|^\./|/|; s|/$||' | sort -u | while read -r path; do
        [ -n "$path" ] && [ ! -e "$path" ] && [ ! -L "$path" ] && echo "$path"
    done)

check "both install with apt-get install ./tavro-tool… ./tavro-tool-l10n-de…" \
    apt_get install "$deb" "$l10n_deb"
check "program on the PATH" test "$(command -v tavro-tool)" = /usr/bin/tavro-tool
check "the link leads to $programdir/tavro-tool" \
    test "$(readlink -f /usr/bin/tavro-tool)" = "$programdir/tavro-tool"
check "German catalogue beside the program" test -f "$programdir/lang.qm"
check "man page" test -f /usr/share/man/man1/tavro-tool.1.gz
check "tavro-cli on the PATH, with its man page and bash completion" bash -c \
    'test "$(command -v tavro-cli)" = /usr/bin/tavro-cli && test -f /usr/share/man/man1/tavro-cli.1.gz &&
     test -f /usr/share/bash-completion/completions/tavro-cli'
check "installed tavro-cli tells its version" \
    test "$(tavro-cli --version)" = "tavro-cli $TAVRO_VERSION (build $TAVRO_BUILD)"
cp "$(dirname "$0")/../docs/sample-dump.bin" "$work/board.bin"
check "installed tavro-cli reports a dump" bash -c \
    'tavro-cli report --format csv "$1" | grep -q "^$1,512,true,,"' _ "$work/board.bin"
check "installed tavro-cli writes a cleaned copy" bash -c \
    'tavro-cli clear "$1" -o "$1.clean" && tavro-cli compare "$1" "$1.clean" | grep -q "^variable data block"' \
    _ "$work/board.bin"
entry=/usr/share/applications/$app_id.desktop
check "found among the applications as 'Tavro Tool'" grep -qx 'Name=Tavro Tool' "$entry"
icon=$(sed -n 's/^Icon=//p' "$entry")
check "its icon is in the theme" test -f "/usr/share/icons/hicolor/48x48/apps/$icon.png"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")

check "accessibility bus started" start_accessibility
mkdir -p "$work/home"

# start_installed SCREENSHOT: starts the installed program as its desktop entry does, looks at its
# window and closes it; sets buttons to what its buttons read.
start_installed() {
    buttons=
    start_program "$exec_line" "$work/home"
    check "installed program opens its window" test -n "$id"
    [ -n "$id" ] || { cat "$work/out.log"; return; }
    check_title_and_icon
    check "window class '$wm_class', as the desktop entry expects" \
        bash -c 'xprop -id "$1" WM_CLASS | grep -q "= \"$2\", "' _ "$id" "$wm_class"
    buttons=$(window_texts | sed -n 's/^push button: //p' | paste -sd '|')
    echo "  buttons: $buttons"
    import -window "$id" "$work/$1" 2>/dev/null
    close_program
    check "closes with exit code 0 (got $code)" test "$code" = 0
}

start_installed german.png
check "German: no 'err load lang file'" bash -c '! grep -q "err load lang file" "$1"' _ "$work/out.log"
check "German: the buttons read 'Laden...' and 'Bereinigen...'" \
    test "$buttons" = "Laden...|Bereinigen..."

check "German package removes with apt-get remove" apt_get remove tavro-tool-l10n-de
check "catalogue gone" test ! -e "$programdir/lang.qm"
check "program still installed" test -x "$programdir/tavro-tool"
start_installed english.png
check "English: 'err load lang file' again" grep -qx 'err load lang file' "$work/out.log"
check "English: the buttons read 'Load...' and 'Clear and save...'" \
    test "$buttons" = "Load...|Clear and save..."
differing=$(compare -metric AE "$work/english.png" "$work/german.png" /dev/null 2>&1)
echo "  pixels that differ between the German and the English window: $differing"
check "the window looks different in English" test "${differing%% *}" -gt 100

check "program purges with apt-get purge" apt_get purge tavro-tool
for package in tavro-tool tavro-tool-l10n-de; do
    check "$package purged" bash -c '! dpkg -s "$1" >/dev/null 2>&1' _ "$package"
done
check "nothing left behind" bash -c \
    'for f in $1; do [ -e "$f" ] || [ -L "$f" ] && { echo "left: $f"; exit 1; }; done; exit 0' _ "$new_paths"
[ "$failed" = 0 ] || tail -n 30 "$work/apt.log"
finish
