#!/usr/bin/env bash
# Drives the real program as a user would, under a private X server: the menus by keyboard,
# the buttons and fields by mouse and keyboard through xdotool, the real file dialogs and
# message boxes. Then compares every file the program wrote with the bytes each operation
# must give (every entry followed by CR LF).
#
# Usage: run-e2e.sh QUILLMERE_BINARY [FOLDER_FOR_SCREENSHOTS]
# Exit status: 0 passed, 77 skipped (no X server could be started), anything else failed.
set -euo pipefail

program=$(realpath -- "$1")
readonly program
shot_dir=$(realpath -m -- "${2:-$PWD}")
readonly shot_dir
readonly overall_limit=170 # seconds for the whole run
readonly step_limit=30     # seconds for one window, popup or file to appear or go
readonly sort_size='^45[0-9]x(19|20)[0-9]$'

work=$(mktemp -d)
xvfb_pid=
app_pid=
display=
watchdog_pid=

cleanup() {
    if [[ -n $watchdog_pid ]]; then kill "$watchdog_pid" 2>/dev/null || true; fi
    if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; fi
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: stopped by a signal" >&2; exit 1' TERM INT

# Whatever hangs, the run ends within its time limit and leaves nothing running.
# Its sleep is ended with it, so that nothing keeps the run's output open.
(
    sleep $((overall_limit + 5)) &
    sleep_pid=$!
    trap 'kill "$sleep_pid"; exit 0' TERM
    wait "$sleep_pid"
    echo "FAIL: the run took longer than $overall_limit s" >&2
    kill -TERM $$
) &
watchdog_pid=$!

screenshot() {
    if [[ -n $display ]]; then
        /usr/bin/import -display ":$display" -window root "$shot_dir/$1" 2>/dev/null || true
    fi
}

fail() {
    echo "FAIL: $*" >&2
    screenshot e2e-failure.png
    local id
    for id in $([[ -n $display ]] && xdotool search --onlyvisible --class quillmere); do
        echo "  window $id '$(xdotool getwindowname "$id" 2>/dev/null)'" \
            "$(xwininfo -id "$id" | grep -E 'geometry|Override' | tr -s ' \n' ' ')" >&2
    done
    if [[ -s $work/program.log ]]; then sed 's/^/  program: /' "$work/program.log" >&2; fi
    exit 1
}

if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed"
    exit 77
fi
for tool in xdotool xwininfo xprop /usr/bin/import; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
[[ -x $program ]] || fail "no program at '$program'"

# Xvfb picks a free display itself, so parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    display=$(tr -dc '0-9' <"$work/display")
    [[ -n $display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ -z $display ]]; then
    echo "SKIP: Xvfb did not start:"
    cat "$work/xvfb.log"
    exit 77
fi
export DISPLAY=":$display"

readonly deadline=$((SECONDS + overall_limit))

# A hung request to the X server must not outlast the run.
xdo() {
    timeout 10 xdotool "$@" || fail "xdotool $* did not succeed"
}

program_alive() {
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended unexpectedly"
}

# Waits for a condition (a command) to hold; fails naming what did not happen.
wait_for() {
    local what=$1
    shift
    local until=$((SECONDS + step_limit))
    ((until > deadline)) && until=$deadline
    until "$@"; do
        program_alive
        ((SECONDS < until)) || fail "timed out waiting for $what"
        sleep 0.1
    done
}

is_popup() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: yes'
}

visible_windows() {
    xdotool search --onlyvisible --class quillmere 2>/dev/null || true
}

# The visible top-level window (not a menu or completion popup) whose caption matches $1
# and whose size (WxH) matches $2 and not $3.
window_named() {
    local name=$1 size=${2:-.} not_size=${3:-^$} id info extent
    for id in $(visible_windows); do
        [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ $name ]] || continue
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        [[ $info == *'Override Redirect State: no'* ]] || continue
        [[ $info =~ -geometry\ ([0-9]+x[0-9]+) ]] || continue
        extent=${BASH_REMATCH[1]}
        if [[ $extent =~ $size && ! $extent =~ $not_size ]]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

has_window() { window_named "$@" >/dev/null; }
has_no_window() { ! window_named "$@" >/dev/null; }

has_popup() {
    local id
    for id in $(visible_windows); do
        is_popup "$id" && return 0
    done
    return 1
}
has_no_popup() { ! has_popup; }

wait_window() {
    wait_for "a window captioned '$1'" has_window "$@"
    window_named "$@"
}

focus() {
    xdo windowfocus --sync "$1"
    # Let the program take in the focus change before keys arrive.
    sleep 0.2
}

click() {
    wait_for "no popup left open" has_no_popup
    xdo windowraise "$1"
    xdo mousemove --sync --window "$1" "$2" "$3"
    sleep 0.1
    xdo click 1
}

type_text() {
    xdo type --delay 15 -- "$1"
}

# Menus have no mnemonics: Alt alone enters the menu bar, arrows walk it, Return picks.
menu_item() {
    local window=$1 menus_right=$2 items_down=$3
    wait_for "no popup left open" has_no_popup
    focus "$window"
    xdo key alt
    for _ in $(seq "$menus_right"); do xdo key Right; done
    xdo key Down
    wait_for "the menu to open" has_popup
    for _ in $(seq "$items_down"); do xdo key Down; done
    xdo key Return
    wait_for "the menu to close" has_no_popup
}

# Types a full path into the file-name field of a file dialog and confirms it with Return.
# For a name that exists the field shows a completion list; it must close with the dialog,
# not stay on screen holding the mouse and keyboard.
answer_file_dialog() {
    local caption=$1 path=$2 dialog
    dialog=$(wait_window "$caption")
    focus "$dialog"
    xdo key ctrl+a
    type_text "$path"
    xdo key Return
    wait_for "the dialog '$caption' to close" has_no_window "$caption"
    wait_for "the completion list to close with the dialog '$caption'" has_no_popup
}

open_file() { answer_file_dialog '^Open$' "$1"; }

save_file() {
    answer_file_dialog '^Save As$' "$1"
    wait_for "the file $1" test -f "$1"
}

cancel_open_dialog() {
    local dialog
    dialog=$(wait_window '^Open$')
    focus "$dialog"
    wait_for "no popup over the open dialog" has_no_popup
    xdo key Escape
    wait_for "the open dialog to close" has_no_window '^Open$'
}

answer_notice() {
    local box
    box=$(wait_window '^Quillmere$' . "$sort_size")
    focus "$box"
    xdo key Return
    wait_for "the notice to close" has_no_window '^Quillmere$' . "$sort_size"
}

# Writes each argument as one entry followed by CR LF.
crlf_lines() {
    printf '%s\r\n' "$@"
}

failures=0
expect_file() {
    local actual=$1
    shift
    local expected=$work/expected
    crlf_lines "$@" >"$expected"
    if [[ ! -f $actual ]]; then
        echo "MISSING: $actual" >&2
        failures=$((failures + 1))
    elif ! cmp -s "$expected" "$actual"; then
        echo "DIFFERS: $actual" >&2
        echo "  expected:" >&2
        od -c "$expected" | sed 's/^/    /' >&2
        echo "  written:" >&2
        od -c "$actual" | sed 's/^/    /' >&2
        failures=$((failures + 1))
    fi
}

# Input lists, with every kind of line break, a last line without one, blank lines and
# bytes above 127.
in=$work/in
out=$work/out
mkdir -p "$shot_dir" "$in" "$out" "$out/parts.txt.d" "$work/home" "$work/cwd"
mkdir -m 700 "$work/runtime"
long45=$(printf 'a%.0s' $(seq 35))@long.test
long46=$(printf 'b%.0s' $(seq 36))@long.test

printf 'Ann Lee ann@b.test\r\nbob@c.test\ncarol@d.test\rDave <dave@e.test>\r\nann@b.test\r\nzo\xe9@\xe9t\xe9.test' \
    >"$in/first.txt"
printf 'ann@b.test\r\nANN@b.test\neve@f.test\rbob@c.test\r\n' >"$in/second.txt"
printf 'ann@b.test\r\n\r   \nab\rabcdefghi\r\na@b.c\nab@c.test\r1ann@b.test\r\n%s\n%s\r\nAnn Lee ann@b.test\rANN@b.test\ncaf\xe9@b.test\r\n' \
    "$long45" "$long46" >"$in/dirty.txt"
printf 'a@a.example\nb@a.example.net\r\nc@a.example\rd@b.test\r\nZed z@B.test\n\r\nx@\xe9.test' \
    >"$in/domains.txt"
printf 'p%d@s.test\n' 0 1 2 3 4 5 6 7 8 9 >"$in/ten.txt"
printf 's%d@q.test\r' 0 1 2 3 4 5 6 7 8 9 >"$in/seedme.txt"

# Under LeakSanitizer, the allocations that the display, font and message-bus libraries keep
# for the life of the process are not the program's leaks.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$repo/scripts/lsan.supp:print_suppressions=0}

(
    cd "$work/cwd"
    exec env QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        XDG_RUNTIME_DIR="$work/runtime" "$program"
) >"$work/program.log" 2>&1 &
app_pid=$!

main=$(wait_window '^Quillmere 1\.0$')

# The two-list combination: union as the program starts, then the difference.
click "$main" 56 66 # Open file 1
open_file "$in/first.txt"
click "$main" 284 66 # Open File 2
open_file "$in/second.txt"
click "$main" 450 62 # Process and save output
save_file "$out/union.txt"
click "$main" 124 70 # the "-" radio button
click "$main" 450 62
save_file "$out/difference.txt"

# Clean: four validity tests, then the duplicate removal of the same list.
menu_item "$main" 1 3 # Edit List > Clean emails/duplicated
clean=$(wait_window '^Remove invalid and duplicated address$')
click "$clean" 56 20 # Open file
open_file "$in/dirty.txt"
for test_y in 88 114 140 166; do # Empty lines, Without @, Starting with numbers, Longer than
    click "$clean" 28 "$test_y"
done
click "$clean" 164 222 # Clear now and save output
save_file "$out/cleaned.txt"
click "$clean" 436 222 # Remove duplicated and save
save_file "$out/deduplicated.txt"

# Sort by domain, save, and close the window with Escape.
menu_item "$main" 1 4 # Edit List > Sort list
sort_window=$(wait_window '^$' "$sort_size")
click "$sort_window" 80 36 # Open file
open_file "$in/domains.txt"
click "$sort_window" 180 142 # Order by domain
click "$sort_window" 80 96   # Process Selection
click "$sort_window" 80 156  # save output
save_file "$out/by-domain.txt"
click "$sort_window" 80 66 # the window's own background takes the focus
focus "$sort_window"
xdo key Escape
wait_for "the sort window to close on Escape" has_no_window '^$' "$sort_size"

# Split ten lines, three a file, under a folder whose name holds the prefix's extension.
menu_item "$main" 1 0 # Edit List > Split
split=$(wait_window '^Split a email list$')
click "$split" 56 20 # Open file
open_file "$in/ten.txt"
focus "$split"
click "$split" 176 98 # Address per file
type_text 3
click "$split" 280 134 # Prefix of output file(s)
xdo key ctrl+a
type_text "$out/parts.txt.d/list.txt"
click "$split" 480 134 # Split
for part in 1 2 3 4; do
    wait_for "split file $part" test -f "$out/parts.txt.d/list_$part.txt"
done

# Seed: the open dialog cancelled first, so Create asks for a list with its notice.
menu_item "$main" 1 1 # Edit List > Seed with my email
seed=$(wait_window '^Seed your email in a email list to test deliverability$')
click "$seed" 56 20 # Open file
cancel_open_dialog
focus "$seed"
click "$seed" 220 54 # Your email
type_text me@my.test
click "$seed" 288 86 # Output file
type_text "$out/seeded.txt"
click "$seed" 180 122 # Include my email every
xdo key ctrl+a
type_text 3
click "$seed" 432 154 # Create
answer_notice
open_file "$in/seedme.txt"
wait_for "the seeded list" test -f "$out/seeded.txt"

# File > Save output file stores the seed's result again.
menu_item "$main" 0 1
save_file "$out/saved-again.txt"

# The main window on top, its log pane showing every command's lines.
xdo windowraise "$main"
sleep 0.5
screenshot e2e-final.png

union=('Ann Lee ann@b.test' bob@c.test carol@d.test 'Dave <dave@e.test>' ann@b.test
    $'zo\xe9@\xe9t\xe9.test' ANN@b.test eve@f.test)
expect_file "$out/union.txt" "${union[@]}"
expect_file "$out/difference.txt" carol@d.test 'Dave <dave@e.test>' $'zo\xe9@\xe9t\xe9.test'
expect_file "$out/cleaned.txt" ann@b.test abcdefghi ab@c.test "$long45" 'Ann Lee ann@b.test' \
    ANN@b.test $'caf\xe9@b.test'
expect_file "$out/deduplicated.txt" ann@b.test '' ab abcdefghi a@b.c ab@c.test 1ann@b.test \
    "$long45" "$long46" ANN@b.test $'caf\xe9@b.test'
expect_file "$out/by-domain.txt" b@a.example.net a@a.example c@a.example d@b.test \
    'Zed z@B.test' '' $'x@\xe9.test'
expect_file "$out/parts.txt.d/list_1.txt" p0@s.test p1@s.test p2@s.test
expect_file "$out/parts.txt.d/list_2.txt" p3@s.test p4@s.test p5@s.test
expect_file "$out/parts.txt.d/list_3.txt" p6@s.test p7@s.test p8@s.test
expect_file "$out/parts.txt.d/list_4.txt" p9@s.test
seeded=(me@my.test s0@q.test s1@q.test s2@q.test me@my.test s3@q.test s4@q.test s5@q.test
    me@my.test s6@q.test s7@q.test s8@q.test me@my.test s9@q.test)
expect_file "$out/seeded.txt" "${seeded[@]}"
expect_file "$out/saved-again.txt" "${seeded[@]}"

# Nothing beyond the four parts, and nothing outside the folder the prefix names.
unexpected=$(cd "$out" && find . -type f ! -name union.txt ! -name difference.txt \
    ! -name cleaned.txt ! -name deduplicated.txt ! -name by-domain.txt ! -name seeded.txt \
    ! -name saved-again.txt ! -path './parts.txt.d/list_[1-4].txt')
if [[ -n $unexpected ]]; then
    echo "UNEXPECTED FILES: $unexpected" >&2
    failures=$((failures + 1))
fi

# The sort, domain filter and statistics windows show no title, not even the program's name.
menu_item "$main" 1 2 # Edit List > Filter by domains
menu_item "$main" 2 0 # Window > Show statistics of domains
extract=$(wait_window '^$' '^573x514$')
chat=$(wait_window '^$' '^706x487$')
titles=$(for id in "$sort_window" "$extract" "$chat"; do xprop -id "$id" _NET_WM_NAME WM_NAME; done)
! grep -v ' = $' <<<"$titles" || fail "a window without a caption has a title: $titles"

# File > Exit ends the program normally.
menu_item "$main" 0 2
exit_until=$((SECONDS + step_limit))
while kill -0 "$app_pid" 2>/dev/null; do
    ((SECONDS < exit_until)) || fail "the program did not end after Exit"
    sleep 0.1
done
status=0
wait "$app_pid" || status=$?
app_pid=
((status == 0)) || fail "the program exited with status $status"

((failures == 0)) || fail "$failures written file(s) differ from what was expected"
echo "e2e: every file written as expected (screenshot $shot_dir/e2e-final.png)"
