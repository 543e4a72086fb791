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
work=$(mktemp -d)
in=$data/in out=$work/out wm_pid=
source "$data/../../../scripts/drive-desktop.sh"

cleanup() { kill $program_pid $wm_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
trap 'echo "FAIL: stopped by a signal, or past the time limit" >&2; exit 1' TERM INT

fail() {
    echo "FAIL: $*" >&2
    [[ -n $display ]] && /usr/bin/import -display ":$display" -window root "$shot_dir/e2e-failure.png"
    [[ -s $work/program.log ]] && sed 's/^/  program: /' "$work/program.log" >&2
    exit 1
}

# Where no X server starts, skip.
if ! start_display; then
    echo "SKIP: Xvfb did not start"
    exit 77
fi
for tool in xdotool xwininfo xprop /usr/bin/import openbox; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
# A window manager, which gives the focus to a dialog's parent when the dialog closes.
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
wait_for "the window manager" eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

mkdir -p "$shot_dir" "$out" "$work/home" "$work/cwd"
mkdir -m 700 "$work/runtime"
# Under LeakSanitizer, what the display, font and bus libraries keep for the process's life
# is not the program's leak.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$data/../../../scripts/lsan.supp:print_suppressions=0}
(cd "$work/cwd" && exec env QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_RUNTIME_DIR="$work/runtime" "$program") >"$work/program.log" 2>&1 &
program_pid=$!
wait_window '^Quillmere 1\.0$' >/dev/null

# Seed with the open dialog cancelled first, so Create asks for a list with its notice.
menu_item 1 1
seed=$(wait_window '^Seed your email in a email list to test deliverability$')
click "$seed" 56 20 # Open file
answer_dialog '^Open$' cancel
# The window whose button asked for the dialog has the focus again, not the main window.
wait_for "the seed window to be active again" eval '(($(xdotool getactivewindow) == seed))'
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
timeout "$step_limit" tail --pid="$program_pid" -f /dev/null || fail "the program did not end after Exit"
status=0
wait "$program_pid" || status=$?
program_pid=
((status == 0)) || fail "the program exited with status $status"

# Every file written as expected, and nothing else.
diff -r --text "$data/expected" "$out" >&2 || fail "the files written differ from those expected"
echo "e2e: every file written as expected"
