# Drives the real program on a private X server as a user would, with xdotool: the menus by
# keyboard, fields and buttons by mouse and keyboard, the real file dialogs. Sourced by the
# end-to-end test and by the manual's picture script; they set `program_pid` once the program
# runs, and may define `fail` (what to do when a step does not happen; by default it says so
# and ends the script).
# Needs Xvfb, xdotool, xwininfo (x11-utils) and ImageMagick's import.

declare -F fail >/dev/null || fail() {
    echo "FAIL: $*" >&2
    exit 1
}
readonly step_limit=30 # seconds for one window, popup or file to come or go
display= xvfb_pid= program_pid=

# Starts Xvfb on a display it picks itself, so parallel runs never meet; `display` is its number.
# Answers false when none starts.
start_display() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        display=$(tr -dc '0-9' <"$number_file")
        [[ -n $display ]] || ! kill -0 "$xvfb_pid" 2>/dev/null && break
        sleep 0.1
    done
    rm -f "$number_file"
    [[ -n $display ]] && export DISPLAY=":$display"
}

xdo() { timeout 10 xdotool "$@" || fail "xdotool $* did not succeed"; }
not() { ! "$@"; }

# Waits for a condition (a command) to hold; fails naming what did not happen.
wait_for() {
    local what=$1 until=$((SECONDS + step_limit))
    shift
    until "$@"; do
        [[ -z $program_pid ]] || kill -0 "$program_pid" 2>/dev/null || fail "the program ended unexpectedly"
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
click() { # window, x, y in the window
    wait_for "no popup left open" not window_named popup
    xdo windowraise "$1"
    xdo mousemove --sync --window "$1" "$2" "$3"
    sleep 0.1
    xdo click 1
}
type_text() { xdo type --delay 15 -- "$1"; }

# Menus have no mnemonics: Alt alone enters the menu bar, arrows walk it, Return picks. The
# menu's place from the left (0 is "File") and the item's from the top (0 is the first).
menu_item() {
    local main
    wait_for "no popup left open" not window_named popup
    main=$(wait_window '^Quillmere 1\.0$')
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
    [[ $1 != '^Save As$' || $2 == cancel ]] || wait_for "the file $2" test -f "$2"
}
