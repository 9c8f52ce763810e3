#!/usr/bin/env bash
# Runs the Windows build under Wine on Xvfb, in English and in Japanese, each in a fresh
# 32-bit prefix: the program stays resident with its tray icon and balloon, Ctrl+Alt+L
# opens the left-button menu and Escape closes it, Exit ends it and its settings are in
# the registry. Screenshots and logs go to build/wine-results.
set -uo pipefail
cd "$(dirname "$0")/../.."

build=$PWD/build/windows
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

headers=$(i686-w64-mingw32-objdump -p "$build/app/corvane.exe")
imports_by_ordinal_only() {
    local table
    table=$(sed -n '/DLL Name: PelbrinEx.dll/,/^$/p' <<<"$headers")
    [ "$(grep -cE '^\s+8000000[1-4]\s+[1-4]\s+<none>' <<<"$table")" -eq 4 ] &&
        ! grep -qE 'StartHook|StopHook|AddShortcut|RemoveShortcut' <<<"$table"
}
needs_no_mingw_dlls() { ! grep -iE 'DLL Name: (libgcc|libstdc|libwinpthread)' <<<"$headers"; }
aslr_and_dep() { grep -q DYNAMIC_BASE <<<"$headers" && grep -q NX_COMPAT <<<"$headers"; }
check "corvane.exe imports PelbrinEx.dll by ordinals 1 to 4 only" imports_by_ordinal_only
check "corvane.exe needs no MinGW DLLs" needs_no_mingw_dlls
check "corvane.exe has ASLR and DEP" aslr_and_dep

export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Xvfb picks a free display and says which.
Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$results/display" >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1; kill $xvfb 2>/dev/null' EXIT
within 10 test -s "$results/display" || { echo "FAILED: Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$results/display")"

wintool() { (cd "$work" && wine wintool.exe "$@" | tr -d '\r'); }
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
    wine reg query "HKCU\\Software\\Velmora\\Corvane\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        grep -qE "$2\s+REG_DWORD\s+$3$"
}
same_text() { [ "$(wintool strings corvane.exe "$1")" = "$2" ]; }
menu_has() { wintool menu corvane.exe 130 | grep -qxF -- "$1"; }

run_language() { # en|ja LANG NO-DEVICE-TEXT MENU-ITEM
    local lang=$1
    work=$(mktemp -d)
    export WINEPREFIX=$work/prefix LANG=$2
    cp "$build/app/corvane.exe" "$build/hook/PelbrinEx.dll" "$build/tests/windows/wintool.exe" "$work/"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # One 1024x768 virtual desktop for every program, and Japanese fonts.
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' '"MS UI Gothic"="IPAGothic"' \
        '"MS Gothic"="IPAGothic"' '"MS PGothic"="IPAPGothic"' '"ＭＳ Ｐゴシック"="IPAPGothic"' |
        iconv -f UTF-8 -t UTF-16 >"$work/setup.reg"
    wine regedit /S "$(winepath -w "$work/setup.reg")" >/dev/null 2>&1
    wineserver -w

    check "$lang: the hook library keeps its contract" wintool hook-selftest PelbrinEx.dll
    (cd "$work" && wine corvane.exe >"$results/corvane-$lang.log" 2>&1 &)
    check "$lang: the program is resident" within 30 wintool wait-frame 1
    check "$lang: the no-device balloon shows" within 10 balloon_shown
    sleep 0.5
    screenshot "$lang-balloon"
    check "$lang: the tray icon shows no device" tray_icon_shown "$results/$lang-balloon.png"
    check "$lang: the balloon's text" same_text 61204 "$3"
    check "$lang: the menu's texts" menu_has "$4"

    # The menu opens above the pointer; Escape goes to it with the pointer inside it.
    desktop_keys 600 500 ctrl+alt+l
    check "$lang: Ctrl+Alt+L opens the left-button menu" within 5 menu_open
    screenshot "$lang-menu"
    desktop_keys 650 440 Escape
    within 2 menu_closed || desktop_keys 650 440 Escape
    check "$lang: Escape closes it" within 5 menu_closed

    wintool post-exit
    check "$lang: Exit ends the program" within 10 program_gone
    check "$lang: General\\Version" stored General Version 0x1000a
    check "$lang: the shortcut keys" stored ShortcutKeys Key_1 0x4c
    check "$lang: the shortcut flags" stored ShortcutKeys Flags_2 0x6
    check "$lang: the display area" stored Selection HorizontalResolution 0x400
    check "$lang: the picture settings" stored Device Contrast 0x20
    wineserver -k >/dev/null 2>&1
    wineserver -w
    rm -rf "$work"
}

run_language en en_US.UTF-8 "No devices are connected or working properly." "  &Change Display Area..."
run_language ja ja_JP.UTF-8 "デバイスが接続されていないか、または、正常に動作していません。" "  表示領域の切り替え(&C)..."

echo "wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
