#!/usr/bin/env bash
# Regenerates the manual's pictures, doc/images/<window>.png, from the real program: it runs
# it under Xvfb, opens a sample list in every window through the real file dialogs, drives
# the windows with xdotool and crops each window out of a screenshot of the screen.
# Usage: scripts/screenshots.sh BUILD_FOLDER
# Needs Xvfb, xdotool, xwininfo and ImageMagick (scripts/install-deps.sh installs them).
set -euo pipefail

build=$(cd "${1:?usage: screenshots.sh BUILD_FOLDER}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
images=$root/doc/images
program=$build/quillmere
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }
source "$root/scripts/drive-desktop.sh"

# A folder of a plain name, since its path shows in the pictures; an old one is not reused.
work=${TMPDIR:-/tmp}/quillmere-sample
mkdir "$work" || { echo "$work exists: remove it first" >&2; exit 1; }
cleanup() {
    kill $program_pid $xvfb_pid 2>/dev/null || true
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

# The visible program window of the given size, for the windows without caption.
window_of_size() {
    local id
    for id in $(xdotool search --onlyvisible --class quillmere); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "${WIDTH}x${HEIGHT}" = "$1" ] && echo "$id" && return 0
    done
    return 1
}
window_sized() { wait_for "a window of size $1" window_of_size "$1"; }

shot() { # picture name, window
    xdo windowraise "$2"
    sleep 0.6
    eval "$(xdotool getwindowgeometry --shell "$2")"
    /usr/bin/import -window root "$work/screen.png"
    /usr/bin/convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip \
        -define png:compression-level=9 "$images/$1.png"
    echo "$images/$1.png: ${WIDTH}x${HEIGHT}"
}

write_sample_lists
mkdir -p "$images"

start_display || { echo "Xvfb did not start" >&2; exit 1; }
# The temporary folder is the program's current and home folder, so the dialogs and the
# files it writes stay there.
(cd "$work" && HOME=$work exec "$program") >"$work/program.log" 2>&1 &
program_pid=$!
main=$(wait_window '^Quillmere 1\.0$')

# Main window: a union of the two lists, saved.
click "$main" 56 66
answer_dialog '^Open$' "$work/list.txt"
click "$main" 284 66
answer_dialog '^Open$' "$work/more.txt"
click "$main" 450 62
answer_dialog '^Save As$' "$work/union.txt"

# Clean window: the list opened from its own button, some tests ticked.
menu_item 1 3
clean=$(wait_window '^Remove invalid and duplicated address$')
click "$clean" 50 20
answer_dialog '^Open$' "$work/list.txt"
click "$clean" 27 88
click "$clean" 27 114
click "$clean" 27 140
click "$clean" 346 126
shot clean "$clean"

# Sort window: by domain.
menu_item 1 4
sort=$(window_sized 455x199)
click "$sort" 178 142
click "$sort" 76 96
shot sort "$sort"

# Domain filter: the list's domains, two of them chosen and their lines extracted.
menu_item 1 2
filter=$(window_sized 573x514)
click "$filter" 98 24
answer_dialog '^Open$' "$work/list.txt"
click "$filter" 60 92
xdo keydown ctrl
click "$filter" 60 110
xdo keyup ctrl
click "$filter" 286 148
click "$filter" 276 478
shot filter "$filter"

# Split window: ten addresses a file.
menu_item 1 0
split=$(wait_window '^Split a email list$')
click "$split" 176 98
type_text 10
sleep 0.4
shot split "$split"

# Seed window: an address seeded every ten lines.
menu_item 1 1
seed=$(wait_window '^Seed your email in a email list to test deliverability$')
click "$seed" 196 54
type_text me@my.test
click "$seed" 180 122
xdo key ctrl+a
type_text 10
click "$seed" 432 154
shot seed "$seed"

# Statistics window: the list loaded and its chart drawn.
menu_item 2 0
statistics=$(window_sized 706x487)
click "$statistics" 108 20
answer_dialog '^Open$' "$work/list.txt"
click "$statistics" 301 20
shot statistics "$statistics"

# About window.
menu_item 3 1
about=$(wait_window '^About$')
shot about "$about"

# Main window last: its log holds the lines of every window above.
shot main "$main"
