#!/usr/bin/env bash
# Runs the Windows build under Wine on Xvfb, in English and in Japanese, each in a fresh
# prefix: the conformance tests, the hook library's contract and its keys under load (sent with
# SendInput while the entries' thread is blocked), the scaler arithmetic against the
# simulated build's, and the program itself: it stays resident with its tray icon and balloon,
# its About box closes by a click on OK, by Esc and by its close box, its Option sheet (the
# Shortcut Key page alone, with no converter) takes a new key by clicks and OK, Ctrl+Alt+L
# opens the left-button menu and Escape closes it, Exit ends it and its settings, the new key
# among them, are in the registry. Then the program drives a simulated converter through a
# test driver, scenario by scenario, and each scenario's traffic is compared with corvane-sim's
# (end_to_end.sh).
# Screenshots and logs go to build/wine-results.
#
# Corvane ships as a 32-bit program and is tested as one where this machine can run 32-bit
# code. Where it cannot (some virtual machines have no 32-bit support), the same sources are
# tested as a 64-bit build under 64-bit Wine, and the stage says so.
set -uo pipefail
cd "$(dirname "$0")/../.."

results=$PWD/build/wine-results
rm -rf "$results"
mkdir -p "$results"
passed=0
failed=0

check() { # NAME COMMAND...
    local name=$1
    shift
    if "$@" >>"$results/log.txt" 2>&1; then
        passed=$((passed + 1))
        echo "ok: $name"
    else
        failed=$((failed + 1))
        echo "FAILED: $name"
    fi
}

within() { # SECONDS COMMAND...: true as soon as the command is
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# Both builds are tested as installed, each from its own package; the rest of the stage tests
# the 32-bit one where this machine runs 32-bit code.
scripts/configure.sh windows-x64 >/dev/null && cmake --build --preset windows-x64 >/dev/null ||
    { echo "FAILED: the 64-bit build"; exit 1; }
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    arch=32
    build=$PWD/build/windows
    objdump=i686-w64-mingw32-objdump
    wine=wine
    export WINEARCH=win32
else
    arch=64
    echo "wine: this machine cannot run 32-bit code: testing the 64-bit build under 64-bit Wine"
    build=$PWD/build/windows-x64
    objdump=x86_64-w64-mingw32-objdump
    wine=/usr/lib/wine/wine64
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
fi
echo "wine: the $arch-bit build, $build" >"$results/log.txt"

headers=$($objdump -p "$build/app/corvane.exe")
imports_by_ordinal_only() {
    local table
    table=$(sed -n '/DLL Name: PelbrinEx.dll/,/^$/p' <<<"$headers")
    [ "$(grep -cE '^\s+80+[1-4]\s+0*[1-4]\s+<none>' <<<"$table")" -eq 4 ] &&
        ! grep -qE 'StartHook|StopHook|AddShortcut|RemoveShortcut' <<<"$table"
}
# The shipped 32-bit scaler code does its arithmetic in SSE2 double precision: no x87
# arithmetic instruction (loads and the final truncation to an integer are exact).
scaler_has_no_x87_arithmetic() {
    local code
    code=$(i686-w64-mingw32-objdump -d "$PWD/build/windows/model/CMakeFiles/corvane_model.dir/ScalerFormula.cpp.obj")
    grep -q mulsd <<<"$code" && ! grep -qE '\sf(add|sub|subr|mul|div|divr)[sl]?p?\s' <<<"$code"
}
# The About box, the version resource and the manifest give the one version.
one_version() {
    local version texts
    version=$(scripts/version.sh)
    texts=$(strings -e l "$build/app/corvane.exe")
    grep -qx "Corvane Version $version" <<<"$texts" &&
        [ "$(grep -cx "$version" <<<"$texts")" -ge 4 ] && # FileVersion, ProductVersion, twice
        grep -q "name=\"Velmora.Corvane\" version=\"$version.0\"" <<<"$(strings -n 8 "$build/app/corvane.exe")"
}
needs_no_mingw_dlls() { ! grep -iE 'DLL Name: (libgcc|libstdc|libwinpthread)' <<<"$headers"; }
aslr_and_dep() { grep -q DYNAMIC_BASE <<<"$headers" && grep -q NX_COMPAT <<<"$headers"; }
# Per-monitor v2, and system awareness where Windows is older.
dpi_aware_manifest() {
    local manifest
    manifest=$(strings -n 8 "$build/app/corvane.exe" | sed -n '/<assembly/,/<\/assembly>/p')
    grep -q '<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>' <<<"$manifest" &&
        grep -q '<dpiAware[^>]*>true</dpiAware>' <<<"$manifest"
}
check "corvane.exe imports PelbrinEx.dll by ordinals 1 to 4 only" imports_by_ordinal_only
check "corvane.exe needs no MinGW DLLs" needs_no_mingw_dlls
check "corvane.exe has ASLR and DEP" aslr_and_dep
check "corvane.exe declares itself DPI-aware, per monitor" dpi_aware_manifest
check "corvane.exe says one version in its About box, version resource and manifest" one_version
check "the 32-bit scaler arithmetic is SSE2 double, not x87" scaler_has_no_x87_arithmetic

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Xvfb picks a free display and says which.
Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$results/display" >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1; kill $xvfb 2>/dev/null' EXIT
within 10 test -s "$results/display" || { echo "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$results/display")"

wintool() { (cd "$work" && $wine wintool.exe "$@" | tr -d '\r'); }
balloon_shown() { wintool windows | grep -q '^tooltips_class32|'; }
menu_open() { wintool menu-open; }
menu_closed() { ! wintool menu-open; }
program_gone() { ! pgrep -f 'corvane\.exe' >/dev/null; }
# The no-device icon's red cross in the tray corner.
balloon_screenshot_shows_no_device() { screenshot "$lang-balloon" && tray_icon_shown "$results/$lang-balloon.png"; }
tray_icon_shown() {
    [ "$(convert "$1" -crop 24x20+1000+748 +repage txt:- | grep -ci '#E02020')" -ge 10 ]
}
screenshot() { import -window root -crop 1024x768+0+0 +repage "$results/$1.png"; }
# A screenshot once the screen has stopped changing: two shots a moment apart the same.
same_as_last_shot() {
    local previous=$results/$1.previous.png
    [ -f "$results/$1.png" ] && mv "$results/$1.png" "$previous"
    screenshot "$1"
    [ -f "$previous" ] && compare -metric AE "$previous" "$results/$1.png" null: 2>/dev/null
}
stable_screenshot() { within 5 same_as_last_shot "$1"; rm -f "$results/$1.previous.png"; }
desktop_keys() { # X Y KEYS: focus the virtual desktop with the pointer there, press the keys
    xdotool windowfocus "$(xdotool search --name 'Wine desktop' | head -n 1)" 2>/dev/null
    xdotool mousemove "$1" "$2" key "${@:3}" 2>/dev/null
}
stored() { # SECTION VALUE EXPECTED
    $wine reg query "HKCU\\Software\\Velmora\\Corvane\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        grep -qE "$2\s+REG_DWORD\s+$3$"
}
same_text() { [ "$(wintool strings corvane.exe "$1")" = "$2" ]; }
menu_has() { wintool menu corvane.exe 130 | grep -qxF -- "$1"; }
conformance() { (cd "$work" && $wine conformance.exe | tr -d '\r' >"$results/conformance-$1.txt") ||
    { cat "$results/conformance-$1.txt"; return 1; }; }
# The Windows build's scaler values equal the simulated build's for every input of the table.
# The simulated build's table is built here: a stage run on its own has no Linux build yet.
same_scaler_table() {
    scripts/configure.sh sim && cmake --build --preset sim --target scaler-table &&
        (cd "$work" && $wine scaler-table.exe | tr -d '\r') >"$results/scaler-windows.txt" &&
        "$PWD/build/sim/tests/scaler-table" >"$results/scaler-sim.txt" &&
        [ "$(wc -l <"$results/scaler-sim.txt")" -ge 10003 ] &&
        diff -q "$results/scaler-sim.txt" "$results/scaler-windows.txt"
}
# A second start ends by itself, and the first stays the only one.
second_start_ends() {
    (cd "$work" && timeout 30 $wine corvane.exe >/dev/null 2>&1)
    [ $? -ne 124 ] && [ "$(wintool frames)" = 1 ]
}
hook_under_load() { wintool hook-under-load PelbrinEx.dll | tee "$results/hook-under-load.txt"; }
dialog_open() { wintool dialog-point ok; }
dialog_closed() { ! wintool dialog-point ok; }
click() { [ $# -eq 2 ] && xdotool mousemove "$1" "$2" click 1 2>/dev/null; }
# The right-button menu from the tray icon, then a click on About, its second of three items.
open_about_box() {
    xdotool mousemove 1014 757 click 3 2>/dev/null
    within 5 menu_open || return 1
    click $(wintool menu-point 2 3)
    within 10 dialog_open
}
about_box_closes_by() { # ok|escape|close
    open_about_box || return 1
    case $1 in
    ok) click $(wintool dialog-point ok) ;;
    escape) desktop_keys $(wintool dialog-point ok) Escape ;;
    close) click $(wintool dialog-point close) ;;
    esac
    within 5 dialog_closed && wintool wait-frame 1
}

# The right-button menu's Option, its first item: with no converter, the Shortcut Key page.
open_option_sheet() {
    xdotool mousemove 1014 757 click 3 2>/dev/null
    within 5 menu_open || return 1
    click $(wintool menu-point 1 3)
    within 10 dialog_open
}
checked() { wintool dialog-checked "$1"; }
# The installed program's trace of its power requests (RelayInclude keeps it to those).
power_request() { grep -qiE "SetThreadExecutionState\(0*$1\)" "$results/installed.log"; }
list_closed() { ! wintool list-item-point 1005 2>/dev/null; }
# Shift added to the Left Button Menu's Ctrl+Alt+L, its key changed to K (typed in the opened
# Key list, which brings K into view, then clicked), and OK: all by the user's own clicks and
# keys.
shortcut_changed_by_clicks() {
    click $(wintool dialog-point 1002)
    within 3 checked 1002 || return 1
    # The one wait for a time: Wine's drop-down list cannot be watched from another process
    # while it opens and takes a key (asked too soon, it stays unreadable), so it is given
    # half a second for each.
    click $(wintool dialog-point 1005)
    sleep 0.5
    desktop_keys $(wintool dialog-point 1005) k
    sleep 0.5
    click $(wintool list-item-point 1005)
    within 5 list_closed || return 1
    stable_screenshot "$lang-option-changed"
    click $(wintool dialog-point ok)
    within 5 dialog_closed
}

# A fresh prefix in $WINEPREFIX: one 1024x768 virtual desktop for every program, Japanese
# fonts, and Arial as Windows has it: without it the pages' text is set wider than the sheet
# measured them.
new_prefix() {
    $wine wineboot -i >/dev/null 2>&1
    wineserver -w
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' '"MS UI Gothic"="IPAGothic"' \
        '"MS Gothic"="IPAGothic"' '"MS PGothic"="IPAPGothic"' '"ＭＳ Ｐゴシック"="IPAPGothic"' \
        '"Arial"="Liberation Sans"' |
        iconv -f UTF-8 -t UTF-16 >"$WINEPREFIX/../setup.reg"
    $wine regedit /S "$($wine winepath -w "$WINEPREFIX/../setup.reg" | tr -d "\r")" >/dev/null 2>&1
    wineserver -w
}

run_language() { # en|ja LANG NO-DEVICE-TEXT MENU-ITEM
    local lang=$1
    work=$(mktemp -d)
    export WINEPREFIX=$work/prefix LANG=$2
    cp "$build/app/corvane.exe" "$build/hook/PelbrinEx.dll" "$build/tests/windows/"*.exe "$work/"
    new_prefix

    check "$lang: the conformance tests pass" conformance "$lang"
    check "$lang: the hook library keeps its contract" wintool hook-selftest PelbrinEx.dll
    [ "$lang" = en ] && check "the scaler table equals the simulated build's" same_scaler_table
    [ "$lang" = en ] && check "the hook keeps its keys with the window's thread blocked, by SendInput" \
        hook_under_load
    (cd "$work" && $wine corvane.exe >"$results/corvane-$lang.log" 2>&1 &)
    check "$lang: the program is resident" within 30 wintool wait-frame 1
    check "$lang: the no-device balloon shows" within 10 balloon_shown
    check "$lang: the tray icon shows no device" within 10 balloon_screenshot_shows_no_device
    stable_screenshot "$lang-balloon"
    check "$lang: the balloon's text" same_text 61204 "$3"
    check "$lang: the menu's texts" menu_has "$4"
    check "$lang: a second start ends and leaves the first alone" second_start_ends

    check "$lang: the About box closes by a click on OK" about_box_closes_by ok
    open_about_box && stable_screenshot "$lang-about" && click $(wintool dialog-point ok)
    within 5 dialog_closed
    check "$lang: the About box closes by Esc" about_box_closes_by escape
    check "$lang: the About box closes by its close box" about_box_closes_by close

    check "$lang: the Option sheet opens from the tray" open_option_sheet
    stable_screenshot "$lang-option"
    check "$lang: a shortcut key changed by clicks and OK" shortcut_changed_by_clicks

    # The menu opens above the pointer; Escape goes to it with the pointer inside it.
    desktop_keys 600 500 ctrl+alt+shift+k
    check "$lang: the new Ctrl+Alt+Shift+K opens the left-button menu" within 5 menu_open
    stable_screenshot "$lang-menu"
    desktop_keys 650 440 Escape
    within 2 menu_closed || desktop_keys 650 440 Escape
    check "$lang: Escape closes it" within 5 menu_closed

    # Exit as the user chooses it: the last of the right-button menu's three items.
    xdotool mousemove 1014 757 click 3 2>/dev/null
    within 5 menu_open && click $(wintool menu-point 3 3)
    check "$lang: Exit ends the program" within 30 program_gone
    check "$lang: General\\Version" stored General Version 0x1000a
    check "$lang: the new shortcut key" stored ShortcutKeys Key_1 0x4b
    check "$lang: its new modifiers" stored ShortcutKeys Flags_1 0x7
    check "$lang: the other shortcut as it was" stored ShortcutKeys Flags_2 0x6
    check "$lang: the display area" stored Selection HorizontalResolution 0x400
    check "$lang: the picture settings" stored Device Contrast 0x20
    wineserver -k >/dev/null 2>&1
    wineserver -w
    rm -rf "$work"
}

# The installer in a fresh prefix: a silent install (files, Start menu shortcut, start at
# logon, one entry among the installed programs), the program started from where it went, a
# newer build installed over it, and an uninstall that leaves nothing behind but the user's
# own settings. Wine's msiexec has no Restart Manager, so the test closes the running program
# as the Restart Manager does on Windows before an uninstall replaces files in use.

# Windows Installer runs one installation at a time (a second one fails with "another
# installation is in progress"), and Wine's msiexec can still be ending the last one, its
# custom actions' server included: each waits for the one before to be gone. Its own log
# goes to the results, for the day one fails.
installer_idle() { ! pgrep -f 'msiexec' >/dev/null; }
msi() { # FILE /i|/x [PROPERTY=VALUE...]: msiexec on the package, silently
    within 60 installer_idle || return 1
    local log
    log="$results/msiexec-$(basename "$1" .msi)-${2#/}-$SECONDS.log"
    $wine msiexec "$2" "$($wine winepath -w "$1" | tr -d '\r')" "${@:3}" /qn \
        /l*v "$($wine winepath -w "$log" | tr -d '\r')"
}
installed_file() { [ -f "$WINEPREFIX/drive_c/Program Files/Corvane/$1" ]; }
start_menu_shortcut() { find "$WINEPREFIX/drive_c" -iname 'Corvane.lnk' | grep -q .; }
run_value() { $wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Corvane 2>/dev/null |
    tr -d '\r' | grep -qF "Program Files\Corvane\corvane.exe"; }
installed_versions() { $wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -A3 'DisplayName    REG_SZ    Corvane$' | sed -n 's/.*DisplayVersion    REG_SZ    //p'; }
one_installation() { [ "$(installed_versions)" = "$1" ]; }
arp_entry() { $wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -q 'Publisher    REG_SZ    Velmora'; }
start_installed() {
    (cd "$WINEPREFIX/drive_c/Program Files/Corvane" &&
        WINEDEBUG=-all,+relay $wine corvane.exe >>"$results/installed.log" 2>&1 &)
    within 30 wintool wait-frame 1
}
# The close takes Wine about two seconds (its tray waits for the icon's X window to go, and
# with no window manager on Xvfb that wait times out), more on a loaded machine.
closed_as_by_an_installer() { wintool close-app && within 30 program_gone; }
# An installer can ask while the program is still starting (in the middle of creating its
# frame); it ends all the same, with no message.
closed_at_start_by_an_installer() {
    (cd "$WINEPREFIX/drive_c/Program Files/Corvane" && $wine corvane.exe >/dev/null 2>&1 &)
    wintool close-app-at-start && within 30 program_gone
}
nothing_left() {
    ! installed_file corvane.exe && ! installed_file PelbrinEx.dll && ! start_menu_shortcut &&
        ! run_value && [ -z "$(installed_versions)" ]
}
# What installer.sh made: "PATH (N bytes, version V, ARCH)".
package() { scripts/installer.sh "$build" "$@" | sed -n 's/^installer: //p'; }
installs_without_start_at_logon() { msi "$current_msi" /i STARTATLOGON=0 && ! run_value; }
# One package under the Wine of its kind, its checks named LABEL.
run_installer() { # BUILD-DIR WINE WINEARCH LABEL
    local build=$1 wine=$2 label=$4 version made
    local -x WINEARCH=$3
    if [ "$3" = win64 ]; then local -x WINELOADER=$2; fi
    version=$(scripts/version.sh)
    made=$(package)
    current_msi=${made%% *}
    check "$label: the package's version is the program's, $version" \
        grep -q "version $version, " <<<"$made"
    made=$(package "${version%.*}.$((${version##*.} + 1))")
    newer_msi=${made%% *}
    newer_msi_version=$(sed -n 's/.*version \([^,]*\),.*/\1/p' <<<"$made")
    cp "$current_msi" "$results/"
    work=$(mktemp -d)
    export WINEPREFIX=$work/prefix LANG=en_US.UTF-8
    cp "$build/tests/windows/wintool.exe" "$work/"
    $wine wineboot -i >/dev/null 2>&1
    wineserver -w
    check "$label: a silent install" msi "$current_msi" /i
    check "$label: the program in Program Files\\Corvane" installed_file corvane.exe
    check "$label: the hook library beside it" installed_file PelbrinEx.dll
    check "$label: the Start menu shortcut" start_menu_shortcut
    check "$label: the start at logon" run_value
    check "$label: one entry among the installed programs, with its publisher" arp_entry
    check "$label: listed with the program's version" one_installation "$version"
    $wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ \
        /d 'kernel32.SetThreadExecutionState;kernelbase.SetThreadExecutionState' /f >/dev/null 2>&1
    check "$label: Corvane runs from where it was installed" start_installed
    check "$label: it asks for the display while it runs" power_request 80000002
    check "$label: closed as an installer closes it" closed_as_by_an_installer
    check "$label: and gave the display back" power_request 80000000
    check "$label: it saved its settings on the way" stored General Version 0x1000a
    check "$label: a newer build installs over it" msi "$newer_msi" /i
    check "$label: one installation, the newer" one_installation "$newer_msi_version"
    check "$label: closed while it starts, it still ends" closed_at_start_by_an_installer
    # On a display scaled to 150 %, the program sees the screen's own pixels. (Wine 8 does not
    # scale programs that are not DPI-aware, so here this shows the program's view at 144 dpi;
    # the manifest check above is what shows the declaration.)
    $wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
    $wine reg delete 'HKCU\Software\Velmora\Corvane\Selection' /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1
    wineserver -w
    start_installed
    closed_as_by_an_installer
    check "$label: at 144 dpi it sees the whole screen's width" \
        stored Selection HorizontalResolution 0x400
    check "$label: and its height" stored Selection VerticalResolution 0x300
    check "$label: a silent uninstall" msi "$newer_msi" /x
    check "$label: no file, shortcut, start at logon or entry is left" nothing_left
    check "$label: the user's settings stay" stored General Version 0x1000a
    check "$label: STARTATLOGON=0 installs without the start at logon" \
        installs_without_start_at_logon
    msi "$current_msi" /x
    wineserver -k >/dev/null 2>&1
    wineserver -w
    rm -rf "$work"
}

# WINE_STAGES names the parts to run (all of them unless given), for working on one.
stages=" ${WINE_STAGES:-installer en ja end-to-end} "
if [[ $stages == *" installer "* ]]; then
    [ "$arch" = 32 ] && run_installer "$PWD/build/windows" wine win32 installer
    run_installer "$PWD/build/windows-x64" /usr/lib/wine/wine64 win64 "installer (x64)"
fi
[[ $stages == *" en "* ]] &&
    run_language en en_US.UTF-8 "No devices are connected or working properly." "  &Change Display Area..."
[[ $stages == *" ja "* ]] &&
    run_language ja ja_JP.UTF-8 "デバイスが接続されていないか、または、正常に動作していません。" "  表示領域の切り替え(&C)..."

source tests/windows/end_to_end.sh
[[ $stages == *" end-to-end "* ]] && run_end_to_end

# The README's pictures are this run's screenshots of the real program under Wine, so that
# they show what the program now looks like: the left-button menu, the overlay over a
# window, and the Option sheet's three pages. A run that passed puts them in docs/pictures.
readme_pictures() {
    local shot
    mkdir -p docs/pictures
    for shot in en-menu e2e-overlay-over-a-window e2e-en-normal-page e2e-en-extension-page \
        en-option-changed; do
        [ -f "$results/$shot.png" ] && cp "$results/$shot.png" "docs/pictures/$shot.png"
    done
    return 0
}
[ "$failed" -eq 0 ] && readme_pictures

echo "wine ($arch-bit build): $passed passed, $failed failed"
grep -h 'passed,' "$results"/conformance-*.txt 2>/dev/null | sed 's/^/conformance.exe: /' 
[ "$failed" -eq 0 ]
