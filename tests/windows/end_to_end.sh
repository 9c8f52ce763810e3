# Sourced by run_wine_tests.sh: corvane.exe under Wine driving the simulated converter through
# the test driver (tests/windows/driver), in the scenarios that tests/windows/end_to_end holds
# as corvane-sim scripts. Each scenario starts Wine afresh (so the driver starts with a freshly
# powered converter and an empty log) with no settings stored, acts as the script does, ends
# with Exit, and compares the driver's traffic log with corvane-sim's wire trace of the same
# script. The converter's status register is polled once a second, so how many polls fall into
# a run depends on its timing: the reads of the status register (C0 11 95 00 62 01) are left
# out of both before comparing. Balloons are read from Wine's tooltip trace (the tray shows
# them as tooltips) and compared with corvane-sim's in order.

scenarios=tests/windows/end_to_end
status_poll='C0 11 95 00 62 01'
sim_program=$PWD/build/sim/app/corvane-sim

convctl() { (cd "$work" && $wine convctl.exe "$@" | tr -d '\r'); }
applied() { convctl log | grep -v "$status_poll" | tail -n 1 | grep -q '| 6A '; }
# The balloons Wine's tray showed, one a line, the tray icon's own tip left out.
wine_balloons() {
    sed -n 's/.*TOOLTIPS_AddToolT add text L"\(.*\)"$/\1/p' "$results/e2e-$1.log" | grep -vx Corvane |
        sed 's/\\r\\n$//' # the system's text keeps its line end
}
sim_balloons() { sed -n 's/^balloon [a-z]*: //p' "$results/e2e-$1.sim.out"; }

# The driver installed into a fresh prefix; the interface is there when it has started.
install_test_driver() {
    cp "$build/tests/windows/corvane_converter.sys" "$WINEPREFIX/drive_c/windows/system32/drivers/"
    (cd "$work" && $wine install-driver.exe "$($wine winepath -w "$work/corvane_converter.inf" |
        tr -d '\r')" | tr -d '\r') >>"$results/log.txt" 2>&1
}

# Wine afresh with the converter plugged in, no settings stored, and the program started: its
# tray icon shown and the whole apply on the wire. Sets launch_ms.
e2e_start() { # NAME
    $wine reg delete 'HKCU\Software\Velmora\Corvane' /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1
    wineserver -w
    local started=${EPOCHREALTIME/./}
    (cd "$work" && WINEDEBUG=-all,+tooltips $wine corvane.exe >"$results/e2e-$1.log" 2>&1 &)
    within 30 grep -q 'add text L"Corvane"' "$results/e2e-$1.log" || return 1
    launch_ms=$(((${EPOCHREALTIME/./} - started) / 1000))
    within 10 applied
}

e2e_exit() {
    wintool post-exit
    within 30 program_gone
}

# The script's wire lines from corvane-sim against the driver's log, status polls left out.
same_wire() { # NAME
    grep '^wire:' "$results/e2e-$1.sim.out" | grep -v "$status_poll" >"$results/e2e-$1.sim.txt"
    grep -v "$status_poll" "$results/e2e-$1.wine-raw.txt" >"$results/e2e-$1.wine.txt"
    diff "$results/e2e-$1.sim.txt" "$results/e2e-$1.wine.txt" >"$results/e2e-$1.diff"
}
same_balloons() { diff <(sim_balloons "$1") <(wine_balloons "$1") >>"$results/e2e-$1.diff"; }

# corvane-sim on a scenario's script, with the Windows run's values put in where it has them.
run_sim_script() { # NAME [SED-EXPRESSION [RUN]]
    local run=${3:-$1}
    sed "${2:-}" "$scenarios/$1.script" >"$results/e2e-$run.script"
    "$sim_program" --fresh --wire --bare-desktop "$results/e2e-$run.script" \
        >"$results/e2e-$run.sim.out" 2>&1
}

left_menu() {
    xdotool mousemove 1014 757 click 1 2>/dev/null
    within 5 menu_open
}
right_menu() {
    xdotool mousemove 1014 757 click 3 2>/dev/null
    within 5 menu_open
}
menu_key() { desktop_keys $(wintool menu-point 1 1) "$@"; } # a key to the open menu
# Mouse Trace Mode 1 from the menu Ctrl+Alt+L opened, by the mouse: the keyboard reaches a
# menu opened by a shortcut only while its program has the foreground, which Wine does not
# always give it. Change Display Area... (the first of the menu's eight rows) opens its
# submenu, and the pointer goes to Mouse Trace Mode 1, the first of its five, and clicks
# there. Sets trace_end, the point clicked.
menus_open() { [ "$(wintool menus)" -ge "$1" ]; }
trace_mode_1_by_mouse() {
    click $(wintool menu-point 1 8) && within 5 menus_open 2 || return 1
    trace_end=$(wintool menu-point 1 5)
    with_traffic_or_none xdotool mousemove $trace_end || return 1
    xdotool click 1 && within 5 menu_closed && settled
}

# Every wait is for what the action must bring about, within a limit generous for a slow
# machine: a menu or a window on screen, or the converter's traffic the action causes, come and
# then settled (nothing new for a moment; the status polls do not count).
wire_count() { convctl log | grep -vc "$status_poll"; }
wire_grew() { [ "$(wire_count)" -gt "$1" ]; }
wire_quiet() { # SECONDS
    local before
    before=$(wire_count)
    sleep "$1"
    [ "$(wire_count)" = "$before" ]
}
settled() { within 20 wire_quiet "${1:-0.5}"; }
# Runs an action, and waits until whatever traffic it caused has ended (a pointer move while no
# trace runs causes none).
with_traffic_or_none() { settled && "$@" && settled 1; }
# Runs an action that must reach the converter, and waits until its traffic has come and ended.
with_traffic() { # COMMAND...
    local before
    settled || return 1
    before=$(wire_count)
    "$@" || return 1
    within 10 wire_grew "$before" && settled
}
# The overlay's window mapped on the X screen, where xdotool's clicks go.
overlay_mapped() { wintool windows | grep -q '|Corvane$' && xdotool search --onlyvisible --name '^Corvane$' >/dev/null; }

act_start_and_exit() { :; }
act_full_screen_shortcut() { with_traffic desktop_keys 600 500 ctrl+alt+f; }
act_external_input_menu() { left_menu && with_traffic menu_key e; }
overlay_shown() { wintool windows | grep -q '|Corvane$'; }
act_select_area_clicks() {
    left_menu && menu_key s && within 5 overlay_mapped || return 1
    xdotool mousemove 100 100 click 1 && settled || return 1
    with_traffic xdotool mousemove 500 200 || return 1
    screenshot e2e-overlay
    with_traffic xdotool click 1
}
quarter_screen_by_keys() { # then Right first when given
    left_menu && menu_key q && within 5 overlay_mapped || return 1
    [ -z "${1:-}" ] || with_traffic desktop_keys 300 300 "$1" || return 1
    with_traffic desktop_keys 300 300 Return
}
act_quarter_screen_keys() { quarter_screen_by_keys Right; }
act_trace_mode_1() {
    quarter_screen_by_keys || return 1
    desktop_keys 300 300 ctrl+alt+l && within 5 menu_open && trace_mode_1_by_mouse || return 1
    with_traffic xdotool mousemove 700 300 || return 1
    with_traffic xdotool mousemove 800 500 || return 1
    # Ended from the menu where the pointer is; the trace follows the pointer into it, and
    # corvane-sim's script moves to the point clicked.
    desktop_keys 800 500 ctrl+alt+l && within 5 menu_open && trace_mode_1_by_mouse
}
# Follow Focus, the submenu's fourth item, chosen by the mouse as Mouse Trace Mode 1 is.
follow_focus_by_mouse() {
    click $(wintool menu-point 1 8) && within 5 menus_open 2 || return 1
    click $(wintool menu-point 4 5) && within 5 menu_closed && settled
}
editor_shown() { wintool windows | grep -q '|editor$'; }
# Follow Focus after Quarter Screen: another program's edit control, below the area, clicked
# (its caret appears there, and the area goes down to it), then typed into by SendInput until
# the caret has walked past the area's right side (the area follows), and the mode chosen
# again stores where it got to. Wine's edit control sets its text in its own font, so the
# caret's places are its own: the area stored is checked, not compared with corvane-sim's.
act_follow_focus() {
    quarter_screen_by_keys || return 1
    (cd "$work" && $wine wintool.exe edit-window 100 450 1000 500 >/dev/null 2>&1 &)
    within 10 editor_shown || return 1
    desktop_keys 300 300 ctrl+alt+l && within 5 menu_open && follow_focus_by_mouse || return 1
    with_traffic click 110 475 || return 1
    with_traffic wintool send-text "$(printf 'x%.0s' $(seq 100))" || return 1
    desktop_keys 800 300 ctrl+alt+l && within 5 menu_open && follow_focus_by_mouse
}
# The area stored moved down to the edit control and right with its caret.
followed_the_caret() { # AREA-LINE: "area: L T R B"
    local left top
    read -r _ left top _ <<<"$1"
    [ "$left" -gt 0 ] && [ "$top" -gt 0 ] || { echo "stored $1"; return 1; }
}
# Follow Window, the submenu's fifth item: Select Window's overlay comes up to pick the window.
follow_window_by_mouse() {
    click $(wintool menu-point 1 8) && within 5 menus_open 2 || return 1
    click $(wintool menu-point 5 5) && within 5 overlay_mapped
}
# Follow Window after Quarter Screen: another program's white window picked, then moved and
# then resized by its program (SetWindowPos from outside; the scaler follows each change),
# then closed, which ends the mode and stores the area it last showed.
act_follow_window() {
    quarter_screen_by_keys || return 1
    (cd "$work" && $wine wintool.exe white-window 100 100 500 400 >/dev/null 2>&1 &)
    within 10 white_window_shown || return 1
    desktop_keys 800 600 ctrl+alt+l && within 5 menu_open && follow_window_by_mouse || return 1
    with_traffic xdotool mousemove 300 250 || return 1
    xdotool click 1 && within 5 overlay_gone && settled || return 1
    with_traffic wintool place-window white 200 150 600 450 || return 1
    with_traffic wintool place-window white 200 150 700 400 || return 1
    with_traffic wintool close-window white
}
act_option_contrast_ok() {
    open_option_sheet || return 1
    stable_screenshot e2e-en-normal-page
    wintool page-fits || return 1
    local x y
    read -r x y <<<"$(wintool dialog-point 1007)"
    with_traffic xdotool mousemove "$x" "$y" mousedown 1 mousemove $((x + 30)) "$y" mouseup 1 ||
        return 1
    click $(wintool dialog-point ok)
    within 5 dialog_closed
}
open_option_sheet() { right_menu && menu_key o && within 10 dialog_open; }
# The first tab clicked takes the focus; Right brings the Extension page.
extension_page() {
    click $(wintool dialog-point tab) && within 5 focus_on SysTabControl32 &&
        desktop_keys $(wintool dialog-point tab) Right && within 5 wintool dialog-point 1015
}
focus_on() { [ "$(wintool focus-class)" = "$1" ]; }
cancel_sheet() { click $(wintool dialog-point 2) && within 5 dialog_closed; }
act_option_pal_cancel() {
    open_option_sheet && extension_page || return 1
    with_traffic click $(wintool dialog-point 1015) || return 1
    stable_screenshot e2e-en-extension-page
    wintool page-fits || return 1
    # Leaving the page and coming back must not make PAL what Cancel puts back.
    extension_page && with_traffic cancel_sheet
}
# The Normal and Extension pages with a converter, in Japanese, for the screenshots.
# Each page shows every control whole: none lies outside the sheet.
pages_in_japanese() {
    LANG=ja_JP.UTF-8 e2e_start pages-ja && open_option_sheet || return 1
    stable_screenshot e2e-ja-normal-page
    wintool page-fits || return 1
    extension_page || return 1
    stable_screenshot e2e-ja-extension-page
    wintool page-fits || return 1
    cancel_sheet && e2e_exit
}
balloon_says() { wine_balloons "$1" | grep -qxF "$2"; }
unplugged_icon_shown() { screenshot e2e-unplugged && tray_icon_shown "$results/e2e-unplugged.png"; }
act_unplug_and_plug() {
    convctl unplug && within 10 balloon_says unplug_and_plug "$(wintool strings corvane.exe 61209)" ||
        return 1
    within 10 unplugged_icon_shown || return 1
    convctl plug && within 10 balloon_says unplug_and_plug "$(wintool strings corvane.exe 61208)" &&
        within 10 applied
}
# The program learns of the power cycle from its once-a-second status poll: two polls after it,
# it has had its chance to act.
poll_count() { convctl log | grep -c "$status_poll"; }
polls_since() { [ "$(poll_count)" -ge $(($1 + 2)) ]; }
act_power_cycle() {
    local polls
    polls=$(poll_count)
    convctl power-cycle && within 10 polls_since "$polls" && settled
}
act_fault_on_open() { # RUN ERROR
    convctl unplug && within 10 balloon_says "$1" "$(wintool strings corvane.exe 61209)" &&
        convctl fail 5 "$2" && with_traffic convctl plug && settled 1.5
}

# One scenario under Wine; RUN names its results when a scenario runs more than once.
e2e() { # NAME [RUN [ARGUMENT]]
    local name=$1 run=${2:-$1}
    e2e_start "$run" && "act_$name" "$run" "${@:3}" && e2e_exit &&
        convctl log >"$results/e2e-$run.wine-raw.txt"
}

# Another program's white window on the desktop, and the screen read under each overlay as
# before it: on today's Windows, and under Wine, a window that paints nothing shows black, so
# the overlay paints the desktop as it found it.
# The points: on the window, on the bare desktop, and where the menu that starts the mode opens.
screen_points() { echo "$(wintool pixel 300 250) $(wintool pixel 700 600) $(wintool pixel 950 690)"; }
screen_reads() { [ "$(screen_points)" = "$1" ]; }
white_window_shown() { [ "$(wintool pixel 300 250)" = ffffff ]; }
overlay_gone() { ! overlay_shown; }
desktop_with_a_window() {
    e2e_start overlay-desktop || return 1
    (cd "$work" && $wine wintool.exe white-window 100 100 500 400 >/dev/null 2>&1 &)
    within 10 white_window_shown && settled
}
# Select Area's frame and indicator over the window, for the README's picture.
area_over_a_window() {
    xdotool mousemove 150 150 click 1 && settled || return 1
    with_traffic xdotool mousemove 450 300 && stable_screenshot e2e-overlay-over-a-window
}
desktop_under_overlay() { # MENU-KEY
    local before shown
    before=$(screen_points)
    left_menu && menu_key "$1" && within 5 overlay_mapped && settled || return 1
    within 5 screen_reads "$before"
    shown=$?
    [ $shown -eq 0 ] || echo "under the overlay: $(screen_points), before: $before"
    [ "$1" != s ] || area_over_a_window || return 1
    desktop_keys 300 300 Escape && within 5 overlay_gone && settled && return $shown
}

# A double-click on Select Area's first corner sets it once: the overlay stays, and the pointer
# then moving previews the area from that corner.
double_click_sets_the_first_corner() {
    left_menu && menu_key s && within 5 overlay_mapped && settled || return 1
    xdotool mousemove 100 100 click --repeat 2 --delay 100 1 && settled || return 1
    overlay_shown && with_traffic xdotool mousemove 500 200 || return 1
    desktop_keys 300 300 Escape && within 5 overlay_gone && settled
}

stored_area() { # the area Exit stored, as corvane-sim's "show area" prints it
    local values=()
    for v in Left Top Right Bottom; do
        values+=("$(($($wine reg query 'HKCU\Software\Velmora\Corvane\Selection' /v $v 2>/dev/null |
            tr -d '\r' | sed -n "s/.*REG_DWORD\s*//p")))")
    done
    echo "area: ${values[*]}"
}

# What the program costs when idle with a converter attached, against a program that only runs
# a message loop, started the same way and measured over the same 30 seconds.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
measure_idle() {
    e2e_start idle || return 1
    (cd "$work" && $wine wintool.exe message-loop >/dev/null 2>&1 &)
    within 30 pgrep -f 'wintool\.exe message-loop' || return 1
    local program loop p0 l0 p1 l1
    program=$(pgrep -f 'corvane\.exe' | head -n 1)
    loop=$(pgrep -f 'wintool\.exe message-loop' | head -n 1)
    [ -n "$program" ] && [ -n "$loop" ] || return 1
    p0=$(ticks "$program") l0=$(ticks "$loop")
    sleep 30
    p1=$(ticks "$program") l1=$(ticks "$loop")
    idle_program=$((p1 - p0)) idle_loop=$((l1 - l0))
    peak_kb=$(sed -n 's/^VmHWM:\s*\([0-9]*\) kB/\1/p' "/proc/$program/status")
    pkill -f 'wintool\.exe message-loop'
    e2e_exit
}

build_reference_sim() { scripts/configure.sh sim && cmake --build --preset sim --target corvane-sim; }
run_end_to_end() {
    check "end to end: corvane-sim, which the runs compare with, builds" build_reference_sim ||
        return 0
    work=$(mktemp -d)
    export WINEPREFIX=$work/prefix LANG=en_US.UTF-8
    cp "$build/app/corvane.exe" "$build/hook/PelbrinEx.dll" "$build/tests/windows/"*.exe \
        "$build/tests/windows/corvane_converter.inf" "$work/"
    new_prefix
    wineserver -k >/dev/null 2>&1
    wineserver -w
    check "end to end: the test driver installs and its converter's interface is listed" \
        install_test_driver

    for name in start_and_exit full_screen_shortcut external_input_menu select_area_clicks \
        quarter_screen_keys option_pal_cancel unplug_and_plug power_cycle; do
        check "end to end: $name runs under Wine" e2e "$name"
        if [ "$name" = start_and_exit ]; then
            echo "end to end: launch to tray icon with a converter: $launch_ms ms"
            check "end to end: start_and_exit: the settings Exit stored" stored Device Contrast 0x20
            check "end to end: start_and_exit: the screen size with them" \
                stored Selection HorizontalResolution 0x400
        fi
        run_sim_script "$name"
        check "end to end: $name: the wire equals corvane-sim's" same_wire "$name"
        check "end to end: $name: the balloons equal corvane-sim's" same_balloons "$name"
    done

    # A failing transfer in an open. Error 1167's text is the same in Wine as in Windows, so
    # its balloon compares as it is; Wine's text for error 31 is its own ("General failure."
    # where Windows says "A device attached to the system is not functioning."), so there the
    # balloon must be the system's own text for the error.
    check "end to end: fault_on_open (error 1167) runs under Wine" e2e fault_on_open fault_1167 1167
    run_sim_script fault_on_open s/ERROR/1167/ fault_1167
    check "end to end: fault_on_open (error 1167): the wire equals corvane-sim's" same_wire fault_1167
    check "end to end: fault_on_open (error 1167): the balloons equal corvane-sim's" \
        same_balloons fault_1167
    check "end to end: fault_on_open (error 31) runs under Wine" e2e fault_on_open fault_31 31
    check "end to end: fault_on_open (error 31): the balloon is the system's text for error 31" \
        balloon_says fault_31 "$(wintool message 31 | sed 's/\\r\\n$//')"

    # The slider goes where the drag takes it; corvane-sim drags to the same value.
    check "end to end: option_contrast_ok runs under Wine" e2e option_contrast_ok
    local contrast
    contrast=$(($($wine reg query 'HKCU\Software\Velmora\Corvane\Device' /v Contrast 2>/dev/null |
        tr -d '\r' | sed -n 's/.*REG_DWORD\s*//p')))
    echo "end to end: the contrast slider was dragged from 32 to $contrast"
    run_sim_script option_contrast_ok "s/CONTRAST/$contrast/"
    check "end to end: option_contrast_ok: the contrast changed" [ "$contrast" -ne 32 ]
    check "end to end: option_contrast_ok: the wire equals corvane-sim's" same_wire option_contrast_ok

    trace_end=""
    check "end to end: trace_mode_1 runs under Wine" e2e trace_mode_1
    stored_area >"$results/e2e-trace_mode_1.wine-area.txt"
    run_sim_script trace_mode_1 "s/MENU_X MENU_Y/$trace_end/"
    check "end to end: trace_mode_1: the stored area equals corvane-sim's" \
        diff <(grep '^area:' "$results/e2e-trace_mode_1.sim.out") "$results/e2e-trace_mode_1.wine-area.txt"

    check "end to end: follow_focus runs under Wine, the scaler following the caret" e2e follow_focus
    check "end to end: follow_focus: the area stored followed the caret down and right" \
        followed_the_caret "$(stored_area)"

    check "end to end: follow_window runs under Wine, the scaler following the window" \
        e2e follow_window
    pkill -f 'wintool\.exe white-window'
    stored_area >"$results/e2e-follow_window.wine-area.txt"
    run_sim_script follow_window
    check "end to end: follow_window: the wire equals corvane-sim's" same_wire follow_window
    check "end to end: follow_window: the stored area equals corvane-sim's" \
        diff <(grep '^area:' "$results/e2e-follow_window.sim.out") "$results/e2e-follow_window.wine-area.txt"

    check "end to end: the Option sheet's pages with a converter, in Japanese, each whole" \
        pages_in_japanese

    if check "end to end: another program's window on the desktop" desktop_with_a_window; then
        check "end to end: under Select Area the screen shows the desktop as before" \
            desktop_under_overlay s
        check "end to end: under Select Window too" desktop_under_overlay w
        check "end to end: under Quarter Screen too" desktop_under_overlay q
        check "end to end: a double-click on Select Area's first corner sets it once" \
            double_click_sets_the_first_corner
    fi
    pkill -f 'wintool\.exe white-window'
    e2e_exit

    if check "end to end: idle for 30 s with a converter attached" measure_idle; then
        echo "end to end: idle CPU over 30 s: corvane.exe $idle_program ticks, a bare message loop $idle_loop ticks (ratio $(awk "BEGIN { printf \"%.1f\", $idle_program / ($idle_loop > 0 ? $idle_loop : 1) }"))"
        echo "end to end: corvane.exe's peak memory: $peak_kb kB"
    fi
    wineserver -k >/dev/null 2>&1
    wineserver -w
    rm -rf "$work"
}
