#!/usr/bin/env bash
# corvane-sim at a terminal (a pseudo-terminal from script(1)), typed at as a person types:
# Tab completes a menu item typed in full-width katakana as an input method gives it, Ctrl+C
# clears a half-typed line without a word and at an empty prompt says how to leave, and what
# was typed is kept in the history for the next session.
#   terminal_test.sh CORVANE_SIM WORK_FOLDER
set -euo pipefail
sim=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
export XDG_STATE_HOME=$work/state LANG=C.UTF-8 TERM=dumb

fifo=$work/keys
log=$work/terminal.log
mkfifo "$fifo"
script -qfec "$sim --fresh --lang ja" "$log" <"$fifo" >/dev/null 2>&1 &
pid=$!
exec 3>"$fifo"

seen() { grep -aqF -- "$1" "$log" 2>/dev/null; }
wait_for() { # TEXT: up to 20 s for it to appear
    for _ in $(seq 200); do seen "$1" && return 0; sleep 0.1; done
    echo "never appeared: $1"
    cat -v "$log"
    exit 1
}
type_keys() { printf '%b' "$1" >&3; }
prompts() { grep -ao 'corvane> ' "$log" | wc -l; }
wait_for_prompt() { # N: up to 20 s for the nth prompt at the command line
    for _ in $(seq 200); do [ "$(prompts)" -ge "$1" ] && return 0; sleep 0.1; done
    echo "prompt $1 never came"
    cat -v "$log"
    exit 1
}

wait_for 'tray: added'
type_keys 'tray right\r'
wait_for 'menu>'
type_keys 'choose オプ\t\r'
wait_for 'dialog: ｵﾌﾟｼｮﾝ'
type_keys 'cancel\r'
wait_for 'dialog: closed'
# Each key waits for the line editor to have taken the last, as a person's typing does: a
# Ctrl+C that came first would throw away what the terminal still held.
wait_for_prompt 2
type_keys 'half typed'
wait_for 'half typed'
type_keys '\003'
wait_for_prompt 3
type_keys '\003'
wait_for 'Ctrl+D leaves'
wait_for_prompt 4
type_keys 'exit\r'
wait_for 'tray: removed'
exec 3>&-
wait "$pid" || true

[ "$(grep -ac 'Ctrl+D leaves' "$log")" -eq 1 ] ||
    { echo "the hint came other than once, at the empty prompt"; cat -v "$log"; exit 1; }
# The line editor keeps a space in its history file as \040.
sed 's/\\040/ /g' "$XDG_STATE_HOME/corvane-sim/history" | grep -qxF 'choose オプション(O)...' ||
    { echo "the completed line is not in the history"; cat "$XDG_STATE_HOME/corvane-sim/history"; exit 1; }
echo "terminal: completion, Ctrl+C and history as a shell has them"
