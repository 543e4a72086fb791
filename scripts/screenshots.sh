#!/usr/bin/env bash
# Regenerates the manual's pictures, doc/images/<window>.png, from the real program: it runs
# it under Xvfb, opens a sample list in every window through the real file dialogs, drives
# the windows with xdotool and crops each window out of a screenshot of the screen.
# Usage: scripts/screenshots.sh BUILD_FOLDER [DISPLAY_NUMBER]
# Needs Xvfb, xdotool, xwininfo and ImageMagick (scripts/install-deps.sh installs them).
set -euo pipefail

build=$(cd "${1:?usage: screenshots.sh BUILD_FOLDER [DISPLAY_NUMBER]}" && pwd)
export DISPLAY=:${2:-99}
root=$(cd "$(dirname "$0")/.." && pwd)
images=$root/doc/images
program=$build/quillmere
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }

# A folder of a plain name, since its path shows in the pictures; an old one is not reused.
work=${TMPDIR:-/tmp}/quillmere-sample
mkdir "$work" || { echo "$work exists: remove it first" >&2; exit 1; }
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# Two small lists: names before some addresses, a repeated address, a blank line, letter
# case that differs, and enough domains for a chart.
write_list() { # file, lines
    local file=$1
    shift
    printf '%s\r\n' "$@" >"$file"
}
write_sample_lists() {
    local list=(
        "Ann Lee ann@mail.test" "bob@example.org" "carla@post.test" "dan@mail.test"
        "Eve Stone, eve@kiosk.test" "frank@example.org" "gina@mail.test" "hal@Mail.test"
        "" "ivy@post.test" "jon@mail.test" "ann@mail.test" "kim@example.org" "1lou@kiosk.test"
        "max@mail.test" "nina@example.org" "oscar@post.test" "pia@mail.test" "quinn@dune.test"
        "rae@example.org" "sam@mail.test" "tess@kiosk.test" "ulf@mail.test" "vic@post.test"
        "walt@example.org" "xena@mail.test" "yuri@dune.test" "zoe@mail.test" "ada@reef.test"
        "ben@example.org" "cid@mail.test" "dora@post.test" "noaddress" "egon@mail.test"
    )
    write_list "$work/list.txt" "${list[@]}"
    write_list "$work/more.txt" "Zed Park zed@reef.test" "ann@mail.test" "bob@example.org" \
        "lena@kiosk.test" "mo@dune.test"
}

x() { xdotool "$@"; }

# The visible program window of the given name, or of the given size for the windows
# without caption; waits until it is there.
window_named() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1 | grep . ||
        { echo "no window named $1" >&2; exit 1; }
}
window_sized() {
    local want=$1
    for _ in $(seq 50); do
        for id in $(x search --onlyvisible --class quillmere); do
            eval "$(x getwindowgeometry --shell "$id")"
            if [ "${WIDTH}x${HEIGHT}" = "$want" ]; then
                echo "$id"
                return
            fi
        done
        sleep 0.2
    done
    echo "no window of size $want" >&2
    exit 1
}

click() { # window, x, y in the window
    x mousemove --window "$1" "$2" "$3"
    sleep 0.2
    x click 1
    sleep 0.4
}

# Runs a menu item of the main window: the menu's place from the left (0 is "File") and
# the item's place from the top (1 is the first).
menu() {
    local main
    main=$(window_named "Quillmere 1.0")
    x windowfocus --sync "$main"
    x key alt
    sleep 0.3
    local i
    for ((i = 0; i < $1; i++)); do x key Right; done
    for ((i = 0; i < $2; i++)); do x key Down; done
    x key Return
    sleep 0.8
}

# Answers the file dialog that is open (its title is given) with a typed path.
answer_dialog() {
    local dialog
    dialog=$(window_named "$1")
    x windowfocus --sync "$dialog"
    x key ctrl+a
    x type --delay 15 "$2"
    # The name field's completion list pops up after a moment; it would take the Return,
    # and it may stay on the screen, holding the mouse, after the dialog has closed.
    for _ in $(seq 10); do
        completion_list_shown && break
        sleep 0.2
    done
    close_completion_list
    x key Return
    while x search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do sleep 0.2; done
    sleep 0.4
    close_completion_list
}
# The list is the one pop-up window (it bypasses window management) that may be shown then.
completion_list_shown() {
    local id
    for id in $(x search --onlyvisible --class quillmere); do
        xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
close_completion_list() {
    if completion_list_shown; then
        x key Escape
        sleep 0.3
    fi
}

shot() { # picture name, window
    x windowraise "$2"
    sleep 0.6
    eval "$(x getwindowgeometry --shell "$2")"
    /usr/bin/import -window root "$work/screen.png"
    /usr/bin/convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip \
        -define png:compression-level=9 "$images/$1.png"
    echo "$images/$1.png: ${WIDTH}x${HEIGHT}"
}

write_sample_lists
mkdir -p "$images"

# Never drive a display that another program uses.
if [ -e "/tmp/.X${DISPLAY#:}-lock" ]; then
    echo "display $DISPLAY is in use: give another number" >&2
    exit 1
fi
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    x getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
# The temporary folder is the program's current and home folder, so the dialogs and the
# files it writes stay there.
(cd "$work" && HOME=$work exec "$program") >"$work/program.log" 2>&1 &
program_pid=$!
main=$(window_named "Quillmere 1.0")
sleep 1

# Main window: a union of the two lists, saved.
click "$main" 56 66
answer_dialog Open "$work/list.txt"
click "$main" 284 66
answer_dialog Open "$work/more.txt"
click "$main" 450 62
answer_dialog "Save As" "$work/union.txt"

# Clean window: the list opened from its own button, some tests ticked.
menu 1 4
clean=$(window_named "Remove invalid and duplicated address")
click "$clean" 50 20
answer_dialog Open "$work/list.txt"
click "$clean" 27 88
click "$clean" 27 114
click "$clean" 27 140
click "$clean" 346 126
shot clean "$clean"

# Sort window: by domain.
menu 1 5
sort=$(window_sized 455x199)
click "$sort" 178 142
click "$sort" 76 96
shot sort "$sort"

# Domain filter: the list's domains, two of them chosen and their lines extracted.
menu 1 3
filter=$(window_sized 573x514)
click "$filter" 98 24
answer_dialog Open "$work/list.txt"
click "$filter" 60 92
x keydown ctrl
click "$filter" 60 110
x keyup ctrl
click "$filter" 286 148
click "$filter" 276 478
shot filter "$filter"

# Split window: ten addresses a file.
menu 1 1
split=$(window_named "Split a email list")
click "$split" 176 98
x type --delay 15 "10"
sleep 0.4
shot split "$split"

# Seed window: an address seeded every ten lines.
menu 1 2
seed=$(window_named "Seed your email in a email list to test deliverability")
click "$seed" 196 54
x type --delay 15 "me@my.test"
click "$seed" 180 122
x key ctrl+a
x type --delay 15 "10"
click "$seed" 432 154
shot seed "$seed"

# Statistics window: the list loaded and its chart drawn.
menu 2 1
statistics=$(window_sized 706x487)
click "$statistics" 108 20
answer_dialog Open "$work/list.txt"
click "$statistics" 301 20
shot statistics "$statistics"

# About window.
menu 3 2
about=$(window_named About)
shot about "$about"

# Main window last: its log holds the lines of every window above.
shot main "$main"
