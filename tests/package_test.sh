#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

# Checks the Debian packages for real: the program's, tavro-cli's and the language packages. Their
# metadata validates, lintian finds no error and no warning; tavro-cli's package, installed alone,
# reports a dump without the window's package; and, installed with apt-get (the program with
# the Italian and the German package), the program opens its window in each user's language:
# Italian, German and English by LANG; tavro-cli's text report and messages follow. Given a
# dump's path, or opened with gio as a file manager opens a .eep dump, the program loads it. With
# the German package removed, a German user gets English; removing everything leaves nothing
# behind. Installing changes the system, so that part runs only as root with CI=true or
# TAVRO_INSTALL_TEST=1; otherwise it checks the packages without installing them.
# Usage: TAVRO_VERSION=1.2 TAVRO_BUILD=150 TAVRO_PACKAGE_VERSION=1.2.150+1 \
#            package_test.sh tavro-tool_VERSION_ARCH.deb tavro-cli_VERSION_ARCH.deb \
#            tavro-tool-l10n-XX_VERSION_all.deb...
# with the version and build number that the build was configured with (script/package does so).
set -u
: "${TAVRO_VERSION:?the version of the program}" "${TAVRO_BUILD:?its build number}" \
    "${TAVRO_PACKAGE_VERSION:?and the version the packages must carry}"
if [ $# -lt 3 ]; then
    echo "usage: $0 tavro-tool_VERSION_ARCH.deb tavro-cli_VERSION_ARCH.deb tavro-tool-l10n-XX_VERSION_all.deb..." >&2
    exit 2
fi
deb=$(realpath "$1")
cli_deb=$(realpath "$2")
shift 2
l10n_debs=()
for file in "$@"; do l10n_debs+=("$(realpath "$file")"); done

. "$(dirname "$0")/xsession.sh"

app_id=example.wendrix.TavroTool
version=$TAVRO_PACKAGE_VERSION
programdir=/usr/libexec/tavro-tool
translations=/usr/share/tavro-tool/translations
languages="de es fr it pl ru tr"
unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"
dpkg-deb -x "$cli_deb" "$unpacked"
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
# The licence a software centre shows must be the one the package and the sources grant.
licences=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' "$metainfo"
    sed -n '/^Files: \*$/,/^$/s/^License: //p' "$unpacked/usr/share/doc/tavro-tool/copyright"
    sed -n '1s/ License$//p' "$(dirname "$0")/../LICENSE")
check "one licence in the AppStream metadata, the copyright and LICENSE: $(paste -sd ' ' <<<"$licences")" \
    test "$(wc -l <<<"$licences") $(sort -u <<<"$licences" | wc -l)" = "3 1"
desktop_entry=$unpacked/usr/share/applications/$app_id.desktop
for language in $languages; do
    check "desktop entry in '$language': Name, GenericName, Comment and Keywords" bash -c \
        'for key in Name GenericName Comment Keywords; do grep -q "^$key\[$1\]=." "$2" || exit 1; done' \
        _ "$language" "$desktop_entry"
    check "AppStream metadata names the '$language' catalogue, its summary and description translated" \
        bash -c 'grep -q "<lang percentage=\"100\">$1</lang>" "$2" &&
                 grep -q "<summary xml:lang=\"$1\">" "$2" && grep -q "<p xml:lang=\"$1\">" "$2"' \
        _ "$language" "$metainfo"
done
lintian_out=$(lintian --display-info "$deb" "$cli_deb" "${l10n_debs[@]}" 2>&1 | grep -v 'running with root privileges')
[ -n "$lintian_out" ] && echo "$lintian_out" | sed 's/^/  lintian: /'
check "lintian reports no error and no warning" bash -c '! grep -q "^[EW]:" <<<"$1"' _ "$lintian_out"
check "file name" test "$(basename "$deb")" = "tavro-tool_${version}_$(dpkg --print-architecture).deb"
check "the program cannot stay with an older German package, which put lang.qm beside it" \
    test "$(dpkg-deb -f "$deb" Breaks)" = "tavro-tool-l10n-de (<< $version)"
check "program in its own folder, stripped" \
    bash -c 'file "$1" | grep -q ", stripped"' _ "$unpacked$programdir/tavro-tool"
check "/usr/bin/tavro-tool a relative link to it" \
    test "$(readlink "$unpacked/usr/bin/tavro-tool")" = ../libexec/tavro-tool/tavro-tool
check "tavro-cli in /usr/bin, stripped, without GUI libraries" bash -c \
    'file "$1" | grep -q ", stripped" && ! objdump -p "$1" | grep -Eq "NEEDED.*(Gui|Widgets)"' \
    _ "$unpacked/usr/bin/tavro-cli"
cli_depends=$(dpkg-deb -f "$cli_deb" Depends)
echo "  tavro-cli Depends: $cli_depends"
check "tavro-cli's package: its file name, QtCore and no GUI library among its dependencies" bash -c \
    'test "$(basename "$1")" = "tavro-cli_${2}_$(dpkg --print-architecture).deb" &&
     grep -Eq "libqt(6core6|5core5a)" <<<"$3" && ! grep -Eqi "gui|widgets|libx|libgl" <<<"$3"' \
    _ "$cli_deb" "$version" "$cli_depends"
check "tavro-cli's package holds tavro-cli, its man page and completion; tavro-tool's none of them" bash -c \
    'test "$(dpkg-deb -c "$1" | grep -c "tavro-cli\(\.1\.gz\)\?$")" = 3 && ! dpkg-deb -c "$2" | grep -q "/tavro-cli"' \
    _ "$cli_deb" "$deb"
check "tavro-cli breaks and replaces the tavro-tool that held it; tavro-tool recommends it" bash -c \
    'test "$(dpkg-deb -f "$1" Breaks)" = "tavro-tool (<< $3)" && test "$(dpkg-deb -f "$1" Replaces)" = "tavro-tool (<< $3)" &&
     test "$(dpkg-deb -f "$2" Recommends)" = tavro-cli' _ "$cli_deb" "$deb" "$version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "  Depends: $depends"
check "dependencies computed" grep -Eq 'libqt(6widgets6|5widgets5) ' <<<"$depends"
for size in 32 48 64 128 256; do
    check "icon ${size}x$size" bash -c \
        'file "$1" | grep -q "$2 x $2"' _ "$unpacked/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" "$size"
done
check "no catalogue in the program's package" bash -c '! dpkg-deb -c "$1" | grep -q "\.qm$"' _ "$deb"
found_languages=
for file in "${l10n_debs[@]}"; do
    package=$(dpkg-deb -f "$file" Package)
    language=${package#tavro-tool-l10n-}
    found_languages="$found_languages $language"
    files=$(dpkg-deb -c "$file" | awk '$1 !~ /^d/ {print $6}' | sort | paste -sd ' ')
    echo "  $package: $files"
    doc=./usr/share/doc/$package
    man=./usr/share/man/$language/man1
    check "file name of $package" test "$(basename "$file")" = "${package}_${version}_all.deb"
    check "$package: its catalogue in the translations folder, man pages, copyright, changelog" \
        test "$files" = "$doc/changelog.gz $doc/copyright $man/tavro-cli.1.gz $man/tavro-tool.1.gz .$translations/tavro_$language.qm"
    dpkg-deb -x "$file" "$work/$package"
    button=$(grep -A1 '<source>Clear and save...</source>' "$(dirname "$0")/../translations/tavro_$language.ts" |
        sed -n 's|.*<translation>\(.*\)</translation>|\1|p')
    check "$package: man pages of Tavro Tool $TAVRO_VERSION that name '$button' as the window does" \
        bash -c 'for page in tavro-tool tavro-cli; do
                     zcat "$1/$page.1.gz" | grep -m 1 "^\.TH" | grep -qF "\"Tavro Tool $2\"" &&
                         zcat "$1/$page.1.gz" | grep -qF "$3" || exit 1
                 done' _ "$work/$package/$man" "$TAVRO_VERSION" "$button"
    check "$package needs this very version of the window or of tavro-cli" \
        test "$(dpkg-deb -f "$file" Depends)" = "tavro-tool (= $version) | tavro-cli (= $version)"
done
check "a package for each language:$found_languages" test "${found_languages# }" = "$languages"
if [ "$(id -u)" != 0 ] || { [ "${CI:-}" != true ] && [ "${TAVRO_INSTALL_TEST:-}" != 1 ]; }; then
    echo "not installing (needs root and CI=true or TAVRO_INSTALL_TEST=1)"
    finish
    exit
fi
packages="tavro-tool tavro-cli"
for language in $languages; do packages="$packages tavro-tool-l10n-$language"; done
for package in $packages; do
    if dpkg -s "$package" >/dev/null 2>&1; then
        echo "FAIL: $package is installed already; not touching it"
        exit 1
    fi
done
# l10n_deb LANGUAGE: the file of that language's package.
l10n_deb() {
    for file in "${l10n_debs[@]}"; do
        [ "$(dpkg-deb -f "$file" Package)" = "tavro-tool-l10n-$1" ] && echo "$file"
    done
}
it_deb=$(l10n_deb it)
de_deb=$(l10n_deb de)
ru_deb=$(l10n_deb ru)
tr_deb=$(l10n_deb tr)

apt_get() {
    DEBIAN_FRONTEND=noninteractive apt-get -y -q --no-install-recommends "$@" >>"$work/apt.log" 2>&1
}
# Whatever happens below, nothing of ours stays installed.
trap 'dpkg --purge $packages >>"$work/apt.log" 2>&1; cleanup' EXIT
# What the packages bring that is not on the system yet must be gone again at the end.
new_paths=$(for file in "$deb" "$cli_deb" "$it_deb" "$de_deb" "$ru_deb" "$tr_deb"; do dpkg-deb --fsys-tarfile "$file" | tar -t; done |
    sed 's|^\./|/|; s|/$||' | sort -u | while read -r path; do
        [ -n "$path" ] && [ ! -e "$path" ] && [ ! -L "$path" ] && echo "$path"
    done)

# A server without the window: tavro-cli's package alone reports a dump.
cp "$(dirname "$0")/../docs/sample-dump.bin" "$work/board.bin"
check "tavro-cli installs alone with apt-get install ./tavro-cli…" apt_get install "$cli_deb"
check "tavro-cli alone, without the window's package, reports a dump" bash -c \
    '! dpkg -s tavro-tool >/dev/null 2>&1 && tavro-cli report --format csv "$1" | grep -q "^$1,512,true,,"' \
    _ "$work/board.bin"
check "the Italian package installs beside tavro-cli alone" apt_get install "$it_deb"
check "tavro-cli alone reports in Italian for an Italian user" bash -c \
    '! dpkg -s tavro-tool >/dev/null 2>&1 &&
     LANG=it_IT.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= tavro-cli report "$1" | grep -qx "Dimensione file: 512 byte"' \
    _ "$work/board.bin"
check "the Russian and Turkish packages install beside tavro-cli alone" apt_get install "$ru_deb" "$tr_deb"
check "tavro-cli alone reports in Russian and in Turkish, a missing file's reason too" bash -c \
    'LANG=ru_RU.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= tavro-cli report "$1" | grep -qx "Размер файла: 512 байт" &&
     LANG=tr_TR.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= tavro-cli report "$1" | grep -qx "Dosya boyutu: 512 bayt" &&
     { LANG=tr_TR.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= tavro-cli report "$1.missing" 2>&1 >/dev/null || true; } |
         grep -qxF "tavro-cli: $1.missing: Böyle bir dosya ya da klasör yok"' \
    _ "$work/board.bin"
check "installs with apt-get install ./tavro-tool… ./tavro-tool-l10n-it… ./tavro-tool-l10n-de…" \
    apt_get install "$deb" "$it_deb" "$de_deb"
check "program on the PATH" test "$(command -v tavro-tool)" = /usr/bin/tavro-tool
check "the link leads to $programdir/tavro-tool" \
    test "$(readlink -f /usr/bin/tavro-tool)" = "$programdir/tavro-tool"
check "Italian and German catalogues in $translations" \
    test -f "$translations/tavro_it.qm" -a -f "$translations/tavro_de.qm"
check "no catalogue beside the program, where it would be every user's" \
    test ! -e "$programdir/lang.qm"
check "man page" test -f /usr/share/man/man1/tavro-tool.1.gz
check "tavro-cli on the PATH, with its man page and bash completion" bash -c \
    'test "$(command -v tavro-cli)" = /usr/bin/tavro-cli && test -f /usr/share/man/man1/tavro-cli.1.gz &&
     test -f /usr/share/bash-completion/completions/tavro-cli'
check "man -L de tavro-cli shows the German page" \
    bash -c 'man -L de tavro-cli 2>&1 | grep -qx "BESCHREIBUNG"'
check "installed tavro-cli tells its version" \
    test "$(tavro-cli --version)" = "tavro-cli $TAVRO_VERSION (build $TAVRO_BUILD)"
# From here on each program started gets its user's language from LANG alone.
unset LANGUAGE LC_ALL LC_MESSAGES
check "installed tavro-cli reports a dump" bash -c \
    'tavro-cli report --format csv "$1" | grep -q "^$1,512,true,,"' _ "$work/board.bin"
check "installed tavro-cli writes a cleaned copy" bash -c \
    'tavro-cli clear "$1" -o "$1.clean" && LANG=C.UTF-8 tavro-cli compare "$1" "$1.clean" | grep -q "^variable data block"' \
    _ "$work/board.bin"
check "tavro-cli's text report in Italian for an Italian user" bash -c \
    'LANG=it_IT.UTF-8 tavro-cli report "$1" | grep -qx "Dimensione file: 512 byte"' _ "$work/board.bin"
check "tavro-cli's messages on standard error in German for a German user" bash -c \
    'LANG=de_DE.UTF-8 tavro-cli clear "$1" -o "$1" 2>&1 >/dev/null |
     grep -qxF "tavro-cli: $1: ist die Eingabedatei selbst; --force überschreibt sie mit der neuen Kopie"' \
    _ "$work/board.bin"
check "tavro-cli's text report in English for an English user" bash -c \
    'LANG=en_GB.UTF-8 tavro-cli report "$1" | grep -qx "File size : 512 bytes"' _ "$work/board.bin"
check "tavro-cli's JSON stays English for an Italian user" bash -c \
    'LANG=it_IT.UTF-8 tavro-cli report --format json "$1" | grep -q "\"name\":\"No drain\""' \
    _ "$work/board.bin"
entry=/usr/share/applications/$app_id.desktop
check "found among the applications as 'Tavro Tool'" grep -qx 'Name=Tavro Tool' "$entry"
icon=$(sed -n 's/^Icon=//p' "$entry")
check "its icon is in the theme" test -f "/usr/share/icons/hicolor/48x48/apps/$icon.png"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
program=${exec_line%% *}
check "the desktop entry hands the program a file: Exec=$program %f" test "$exec_line" = "$program %f"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")

check "accessibility bus started" start_accessibility
mkdir -p "$work/home"

# start_installed LANG SCREENSHOT: starts the installed program as its desktop entry does for a
# user with that LANG, looks at its window and closes it; sets buttons to what its buttons read.
start_installed() {
    buttons=
    LANG=$1 start_program "$program" "$work/home"
    check "installed program opens its window (LANG=$1)" test -n "$id"
    [ -n "$id" ] || { cat "$work/out.log"; return; }
    check_title_and_icon
    check "window class '$wm_class', as the desktop entry expects" \
        bash -c 'xprop -id "$1" WM_CLASS | grep -q "= \"$2\", "' _ "$id" "$wm_class"
    buttons=$(window_texts | sed -n 's/^push button: //p' | sed 's/ (disabled)$//' | paste -sd '|')
    echo "  buttons: $buttons"
    import -window "$id" "$work/$2" 2>/dev/null
    close_program
    check "closes with exit code 0 (got $code)" test "$code" = 0
}

start_installed it_IT.UTF-8 italian.png
check "Italian: no 'err load lang file'" bash -c '! grep -q "err load lang file" "$1"' _ "$work/out.log"
check "Italian: the buttons read 'Carica...' and 'Azzera e salva...'" \
    test "$buttons" = "Carica...|Azzera e salva..."

start_installed de_DE.UTF-8 german.png
check "German: no 'err load lang file'" bash -c '! grep -q "err load lang file" "$1"' _ "$work/out.log"
check "German: the buttons read 'Laden...' and 'Fehler löschen...'" \
    test "$buttons" = "Laden...|Fehler löschen..."

start_installed en_GB.UTF-8 english.png
check "English: 'err load lang file' again" grep -qx 'err load lang file' "$work/out.log"
check "English: the buttons read 'Load...' and 'Clear and save...'" \
    test "$buttons" = "Load...|Clear and save..."
differing=$(compare -metric AE "$work/english.png" "$work/german.png" /dev/null 2>&1)
echo "  pixels that differ between the German and the English window: $differing"
check "the window looks different in English" test "${differing%% *}" -gt 100

# A dump given on the command line, as a file manager gives it, after one of Qt's own options: it
# is loaded once the window is shown, in the user's language, and not remembered for the dialog.
LANG=it_IT.UTF-8 start_program "$program" "$work/home" -name tavro-opened "$work/board.bin"
check "started with a dump's path, the program opens its window" test -n "$id"
if [ -n "$id" ]; then
    texts=$(window_texts)
    grep -E '^(status bar|push button|text):' <<<"$texts" | cut -c1-100 | sed 's/^/  /'
    check "Qt's own option -name went to Qt" \
        bash -c 'xprop -id "$1" WM_CLASS | grep -q "= \"tavro-opened\", "' _ "$id"
    check "the status bar reads 'File caricato: ' and the path" \
        grep -qx "status bar: File caricato: $work/board.bin" <<<"$texts"
    check "the dump's report, in Italian" \
        grep -q "^text: .* = Dimensione file: 512 byte Codice prodotto: 54310720 " <<<"$texts"
    check "'Azzera e salva...' enabled" grep -qx "push button: Azzera e salva..." <<<"$texts"
    close_program
    check "the path is not remembered for the open dialog" \
        bash -c '! grep -qs last_open_path "$1"' _ "$XDG_CONFIG_HOME/Wendrix/Tavro Tool.conf"
fi
# After "--", the usual end of options, the next argument is the path.
LANG=en_GB.UTF-8 start_program "$program" "$work/home" -- "$work/missing.bin"
check "started with a path that cannot be loaded, the program opens its window" test -n "$id"
if [ -n "$id" ]; then
    texts=$(window_texts)
    check "the path after -- is the one loaded" \
        grep -qx "status bar: Loaded file: $work/missing.bin" <<<"$texts"
    check "the report reads 'Err open file'" grep -q "^text: .* = Err open file$" <<<"$texts"
    check "'Clear and save...' disabled" grep -qx "push button: Clear and save... (disabled)" <<<"$texts"
    check "no dialog box" bash -c '! grep -Eq "^(dialog|alert|file chooser):" <<<"$1"' _ "$texts"
    close_program
fi

# As a file manager opens a dump: by its type, with the application that the desktop entries
# name for it. .eep dumps are ours; a .eep that holds text is not, and .bin files are nobody's.
export XDG_DATA_HOME=$work/data
cp "$work/board.bin" "$work/board.eep"
printf ':10000000010203040506070809101112131415163E\n:00000001FF\n' >"$work/avr.eep"
content_type() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
check "a .eep dump is a 'Tavro EEPROM dump'" \
    test "$(content_type "$work/board.eep")" = application/x-tavro-dump
check "a .eep holding text (Intel HEX) stays text" test "$(content_type "$work/avr.eep")" = text/plain
check "a .bin dump stays a plain binary file" \
    test "$(content_type "$work/board.bin")" = application/octet-stream
check "Tavro Tool is the application for 'Tavro EEPROM dump'" bash -c \
    'gio mime application/x-tavro-dump | grep -q "^Default application.*: $1.desktop$"' _ "$app_id"
check "Tavro Tool is no application for every binary file" \
    bash -c '! gio mime application/octet-stream | grep -q "$1"' _ "$app_id"
LANG=en_GB.UTF-8 gio open "$work/board.eep" >>"$work/gio.log" 2>&1
id=
for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name '^Tavro Tool' 2>/dev/null | head -n 1)
    [ -n "$id" ] && break
    sleep 0.1
done
check "gio open on a .eep dump starts Tavro Tool" test -n "$id"
if [ -n "$id" ]; then
    started_pid=$(xdotool getwindowpid "$id")
    check "and it loads the dump" \
        bash -c 'grep -qx "status bar: Loaded file: $2" <<<"$1"' _ "$(window_texts)" "$work/board.eep"
    wmctrl -i -c "$id"
    for _ in $(seq 100); do kill -0 "$started_pid" 2>/dev/null || break; sleep 0.1; done
    check "and closes" bash -c '! kill -0 "$1" 2>/dev/null' _ "$started_pid"
fi

check "German package removes with apt-get remove" apt_get remove tavro-tool-l10n-de
check "German catalogue gone, the Italian one still there" \
    test ! -e "$translations/tavro_de.qm" -a -f "$translations/tavro_it.qm"
check "program still installed" test -x "$programdir/tavro-tool"
start_installed de_DE.UTF-8 german-removed.png
check "German user without the German package: the buttons read 'Load...' and 'Clear and save...'" \
    test "$buttons" = "Load...|Clear and save..."

check "program purges with apt-get purge" apt_get purge tavro-tool
check "tavro-cli purges with apt-get purge" apt_get purge tavro-cli
for package in $packages; do
    check "$package purged" bash -c '! dpkg -s "$1" >/dev/null 2>&1' _ "$package"
done
check "nothing left behind" bash -c \
    'for f in $1; do [ -e "$f" ] || [ -L "$f" ] && { echo "left: $f"; exit 1; }; done; exit 0' _ "$new_paths"
[ "$failed" = 0 ] || tail -n 30 "$work/apt.log"
finish
