#!/usr/bin/env bash
# Two real vxTorvin processes on a virtual display, driven by keys as a user
# drives them: a copy in one is pasted in the other, and Open in an instance
# that holds a project starts a third instance that opens the file.
#   TwoInstances.sh VXTORVIN PROJECT_TOOL
set -euo pipefail
vxtorvin="$1"
tool="$2"
source "$(dirname "$0")/../../support/VirtualDisplay.sh"
# The language files an installed tool has beside it.
cp "$(dirname "$vxtorvin")"/kz*.ini "$VXTORVIN_PROGDIR"/

# Waits (up to a minute: a busy machine starts programs slowly) for a window
# whose title holds the text; prints its id.
window() {
    for i in $(seq 1 600); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named $1" >&2
    return 1
}
keys() {
    local id="$1"
    shift
    xdotool windowfocus --sync "$id"
    sleep 0.3
    xdotool key --clearmodifiers "$@"
    sleep 0.3
}

"$tool" write "$work/A.PSP" 1,0,5 2,0,3
"$tool" write "$work/B.PSP"

# A title that names the project means the instance has started and opened it.
"$vxtorvin" "$work/A.PSP" >"$work/a.log" 2>&1 &
pids+=($!)
a=$(window "A.PSP") || { cat "$work/a.log"; exit 1; }
"$vxtorvin" "$work/B.PSP" >"$work/b.log" 2>&1 &
pids+=($!)
b=$(window "B.PSP") || { cat "$work/b.log"; exit 1; }
keys "$a" shift+Right ctrl+c      # select (1,0)-(2,0) and copy
# B's clipboard watch looks once a second; until it has seen the copy, its
# paste does nothing, so paste and save until the file holds the cells.
got=""
for i in $(seq 1 60); do
    keys "$b" ctrl+v ctrl+s
    got=$("$tool" dump "$work/B.PSP" 1,0 2,0 | tr '\n' ' ')
    [ "$got" = "5 3 " ] && break
    sleep 0.5
done
[ "$got" = "5 3 " ] || { echo "paste in B gave: $got"; cat "$work/b.log"; exit 1; }
echo "copy in A pasted in B"

# Open while B holds its project: a new instance opens A.PSP, B keeps B.PSP.
kill "${pids[1]}"; wait "${pids[1]}" 2>/dev/null || true
keys "$b" ctrl+o
o=$(window "^(Open|打开)$")  # Qt's own title, in the chosen language
xdotool windowfocus --sync "$o"
sleep 0.3
xdotool type --delay 20 "$work/A.PSP"
xdotool key Return
c=$(window "A.PSP")
[ -n "$(xdotool search --name "B.PSP" 2>/dev/null || true)" ] || { echo "B lost its project"; exit 1; }
echo "open in B started a new instance with A.PSP"
