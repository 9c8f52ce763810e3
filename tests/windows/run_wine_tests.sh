#!/usr/bin/env bash
# Runs the Windows build under Wine on Xvfb, in English and in Japanese, each in a fresh
# prefix: the conformance tests, the hook library's contract and its keys under load (sent with
# SendInput while the entries' thread is blocked), the scaler arithmetic against the
# simulated build's, and the program itself: it stays resident with its tray icon and balloon,
# its About box closes by a click on OK, by Esc and by its close box, its Option sheet (the
# Shortcut Key page alone, with no converter) takes a new key by clicks and OK, Ctrl+Alt+L
# opens the left-button menu and Escape closes it, Exit ends it and its settings, the new key
# among them, are in the registry.
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

if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    arch=32
    build=$PWD/build/windows
    objdump=i686-w64-mingw32-objdump
    wine=wine
    export WINEARCH=win32
else
    arch=64
    echo "wine: this machine cannot run 32-bit code: testing the 64-bit build under 64-bit Wine"
    cmake --preset windows-x64 >/dev/null && cmake --build --preset windows-x64 >/dev/null ||
        { echo "FAILED: the 64-bit build"; exit 1; }
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
needs_no_mingw_dlls() { ! grep -iE 'DLL Name: (libgcc|libstdc|libwinpthread)' <<<"$headers"; }
aslr_and_dep() { grep -q DYNAMIC_BASE <<<"$headers" && grep -q NX_COMPAT <<<"$headers"; }
check "corvane.exe imports PelbrinEx.dll by ordinals 1 to 4 only" imports_by_ordinal_only
check "corvane.exe needs no MinGW DLLs" needs_no_mingw_dlls
check "corvane.exe has ASLR and DEP" aslr_and_dep
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
tray_icon_shown() {
    [ "$(convert "$1" -crop 24x20+1000+748 +repage txt:- | grep -ci '#E02020')" -ge 10 ]
}
screenshot() { import -window root -crop 1024x768+0+0 +repage "$results/$1.png"; }
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
same_scaler_table() {
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
# Shift added to the Left Button Menu's Ctrl+Alt+L, its key changed to K (typed in the opened
# Key list, which brings K into view, then clicked), and OK: all by the user's own clicks and
# keys.
shortcut_changed_by_clicks() {
    click $(wintool dialog-point 1002)
    within 3 checked 1002 || return 1
    click $(wintool dialog-point 1005)
    sleep 0.5
    desktop_keys $(wintool dialog-point 1005) k
    sleep 0.5
    click $(wintool list-item-point 1005)
    sleep 0.5
    screenshot "$lang-option-changed"
    click $(wintool dialog-point ok)
    within 5 dialog_closed
}

run_language() { # en|ja LANG NO-DEVICE-TEXT MENU-ITEM
    local lang=$1
    work=$(mktemp -d)
    export WINEPREFIX=$work/prefix LANG=$2
    cp "$build/app/corvane.exe" "$build/hook/PelbrinEx.dll" "$build/tests/windows/"*.exe "$work/"
    $wine wineboot -i >/dev/null 2>&1
    wineserver -w
    # One 1024x768 virtual desktop for every program, Japanese fonts, and Arial as Windows
    # has it: without it the pages' text is set wider than the sheet measured them.
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' '"MS UI Gothic"="IPAGothic"' \
        '"MS Gothic"="IPAGothic"' '"MS PGothic"="IPAPGothic"' '"ＭＳ Ｐゴシック"="IPAPGothic"' \
        '"Arial"="Liberation Sans"' |
        iconv -f UTF-8 -t UTF-16 >"$work/setup.reg"
    $wine regedit /S "$($wine winepath -w "$work/setup.reg" | tr -d "\r")" >/dev/null 2>&1
    wineserver -w

    check "$lang: the conformance tests pass" conformance "$lang"
    check "$lang: the hook library keeps its contract" wintool hook-selftest PelbrinEx.dll
    [ "$lang" = en ] && check "the scaler table equals the simulated build's" same_scaler_table
    [ "$lang" = en ] && check "the hook keeps its keys with the window's thread blocked, by SendInput" \
        hook_under_load
    (cd "$work" && $wine corvane.exe >"$results/corvane-$lang.log" 2>&1 &)
    check "$lang: the program is resident" within 30 wintool wait-frame 1
    check "$lang: the no-device balloon shows" within 10 balloon_shown
    sleep 0.5
    screenshot "$lang-balloon"
    check "$lang: the tray icon shows no device" tray_icon_shown "$results/$lang-balloon.png"
    check "$lang: the balloon's text" same_text 61204 "$3"
    check "$lang: the menu's texts" menu_has "$4"
    check "$lang: a second start ends and leaves the first alone" second_start_ends

    check "$lang: the About box closes by a click on OK" about_box_closes_by ok
    open_about_box && screenshot "$lang-about" && click $(wintool dialog-point ok)
    within 5 dialog_closed
    check "$lang: the About box closes by Esc" about_box_closes_by escape
    check "$lang: the About box closes by its close box" about_box_closes_by close

    check "$lang: the Option sheet opens from the tray" open_option_sheet
    sleep 0.5
    screenshot "$lang-option"
    check "$lang: a shortcut key changed by clicks and OK" shortcut_changed_by_clicks

    # The menu opens above the pointer; Escape goes to it with the pointer inside it.
    desktop_keys 600 500 ctrl+alt+shift+k
    check "$lang: the new Ctrl+Alt+Shift+K opens the left-button menu" within 5 menu_open
    screenshot "$lang-menu"
    desktop_keys 650 440 Escape
    within 2 menu_closed || desktop_keys 650 440 Escape
    check "$lang: Escape closes it" within 5 menu_closed

    wintool post-exit
    check "$lang: Exit ends the program" within 10 program_gone
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

run_language en en_US.UTF-8 "No devices are connected or working properly." "  &Change Display Area..."
run_language ja ja_JP.UTF-8 "デバイスが接続されていないか、または、正常に動作していません。" "  表示領域の切り替え(&C)..."

echo "wine ($arch-bit build): $passed passed, $failed failed"
grep -h 'passed,' "$results"/conformance-*.txt 2>/dev/null | sed 's/^/conformance.exe: /' 
[ "$failed" -eq 0 ]
