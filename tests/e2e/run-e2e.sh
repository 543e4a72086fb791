#!/usr/bin/env bash
# Drives the real program under a private X server as a user would: menus by keyboard, fields
# and buttons by mouse and keyboard, the real file dialogs and message boxes. Then compares
# every file written with data/expected, byte for byte.
# Usage: run-e2e.sh QUILLMERE_BINARY [FOLDER_FOR_A_FAILURE_SCREENSHOT]
# Exit status: 0 passed, 77 skipped (no X server could be started), anything else failed.
set -euo pipefail
# Whatever hangs, the run ends within its time limit: a watchdog runs it, and its TERM cleans up.
[[ -n ${E2E_WATCHED:-} ]] || E2E_WATCHED=1 exec timeout 170 bash "$0" "$@"
program=$(realpath -- "$1")
shot_dir=$(realpath -m -- "${2:-$PWD}")
data=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/data
readonly step_limit=30 # seconds for one window, popup or file to come or go
work=$(mktemp -d)
in=$data/in out=$work/out
xvfb_pid= app_pid= display=

cleanup() { kill $app_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
trap 'echo "FAIL: stopped by a signal, or past the time limit" >&2; exit 1' TERM INT

fail() {
    echo "FAIL: $*" >&2
    [[ -n $display ]] && /usr/bin/import -display ":$display" -window root "$shot_dir/e2e-failure.png"
    [[ -s $work/program.log ]] && sed 's/^/  program: /' "$work/program.log" >&2
    exit 1
}

# Xvfb picks a free display itself, so parallel runs never meet; where none starts, skip.
: >"$work/display" # there before Xvfb's own start opens it
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    display=$(tr -dc '0-9' <"$work/display")
    [[ -n $display ]] || ! kill -0 "$xvfb_pid" 2>/dev/null && break
    sleep 0.1
done
if [[ -z $display ]]; then
    echo "SKIP: Xvfb did not start: $(cat "$work/xvfb.log")"
    exit 77
fi
export DISPLAY=":$display"
for tool in xdotool xwininfo xprop /usr/bin/import; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

xdo() { timeout 10 xdotool "$@" || fail "xdotool $* did not succeed"; }
not() { ! "$@"; }

# Waits for a condition (a command) to hold; fails naming what did not happen.
wait_for() {
    local what=$1 until=$((SECONDS + step_limit))
    shift
    until "$@"; do
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended unexpectedly"
        ((SECONDS < until)) || fail "timed out waiting for $what"
        sleep 0.1
    done
}

# The visible window whose caption matches $1; for "popup", any menu or completion list.
window_named() {
    local id info
    for id in $(xdotool search --onlyvisible --class quillmere 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        if [[ $1 == popup ]]; then
            [[ $info == *'Override Redirect State: yes'* ]] && return 0
        elif [[ $info == *'Override Redirect State: no'* && $(xdotool getwindowname "$id") =~ $1 ]]; then
            echo "$id" && return 0
        fi
    done
    return 1
}
wait_window() { wait_for "a window captioned '$1'" window_named "$1"; }
# The program takes in a focus change before keys arrive.
focus() { xdo windowfocus --sync "$1" && sleep 0.2; }
click() {
    wait_for "no popup left open" not window_named popup
    xdo windowraise "$1"
    xdo mousemove --sync --window "$1" "$2" "$3"
    sleep 0.1
    xdo click 1
}
type_text() { xdo type --delay 15 -- "$1"; }

# Menus have no mnemonics: Alt alone enters the menu bar, arrows walk it, Return picks.
menu_item() {
    wait_for "no popup left open" not window_named popup
    focus "$main"
    xdo key alt
    for _ in $(seq "$1"); do xdo key Right; done
    xdo key Down
    wait_for "the menu to open" window_named popup
    for _ in $(seq "$2"); do xdo key Down; done
    xdo key Return
    wait_for "the menu to close" not window_named popup
}

# Types a path into a file dialog and confirms it with Return, or cancels with Escape. The
# completion list the name field shows must close with the dialog, not hold the mouse after.
answer_dialog() {
    focus "$(wait_window "$1")"
    if [[ $2 == cancel ]]; then xdo key Escape; else
        xdo key ctrl+a
        type_text "$2"
        xdo key Return
    fi
    wait_for "the dialog '$1' to close" not window_named "$1"
    wait_for "the completion list to close with the dialog '$1'" not window_named popup
    [[ $1 != '^Save As$' ]] || wait_for "the file $2" test -f "$2"
}

mkdir -p "$shot_dir" "$out" "$work/home" "$work/cwd"
mkdir -m 700 "$work/runtime"
# Under LeakSanitizer, what the display, font and bus libraries keep for the process's life
# is not the program's leak.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$data/../../../scripts/lsan.supp:print_suppressions=0}
(cd "$work/cwd" && exec env QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_RUNTIME_DIR="$work/runtime" "$program") >"$work/program.log" 2>&1 &
app_pid=$!
main=$(wait_window '^Quillmere 1\.0$')

# Seed with the open dialog cancelled first, so Create asks for a list with its notice.
menu_item 1 1
seed=$(wait_window '^Seed your email in a email list to test deliverability$')
click "$seed" 56 20 # Open file
answer_dialog '^Open$' cancel
click "$seed" 220 54 # Your email
type_text me@my.test
click "$seed" 288 86 # Output file
type_text "$out/seeded.txt"
click "$seed" 180 122 # Include my email every
xdo key ctrl+a
type_text 3
click "$seed" 432 154 # Create
focus "$(wait_window '^Quillmere$')" # the notice, captioned with the application's name
xdo key Return
answer_dialog '^Open$' "$in/seedme.txt"
wait_for "the seeded list" test -f "$out/seeded.txt"

# File > Save output file stores the seed's result again.
menu_item 0 1
answer_dialog '^Save As$' "$out/saved-again.txt"

# The sort, domain filter and statistics windows show no title, not even the program's name.
untitled() { for id in $(xdotool search --onlyvisible --class quillmere); do [[ -z $(xdotool getwindowname "$id") ]] &&
    xwininfo -id "$id" | grep -q 'Override Redirect State: no' && echo "$id"; done; }
menu_item 1 4 # Edit List > Sort list
menu_item 1 2 # Edit List > Filter by domains
menu_item 2 0 # Window > Show statistics of domains
wait_for "three windows without a caption" eval '(($(untitled | wc -l) == 3))'
titles=$(for id in $(untitled); do xprop -id "$id" _NET_WM_NAME WM_NAME; done)
! grep -v ' = $' <<<"$titles" || fail "a window without a caption has a title: $titles"

# File > Exit ends the program.
menu_item 0 2
timeout "$step_limit" tail --pid="$app_pid" -f /dev/null || fail "the program did not end after Exit"
status=0
wait "$app_pid" || status=$?
app_pid=
((status == 0)) || fail "the program exited with status $status"

# Every file written as expected, and nothing else.
diff -r --text "$data/expected" "$out" >&2 || fail "the files written differ from those expected"
echo "e2e: every file written as expected"
