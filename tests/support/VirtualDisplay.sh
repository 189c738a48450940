# Sourced by the tests that drive real programs on a virtual display with
# xdotool. Leaves: $work, a folder removed at exit; $pids, processes killed at
# exit (append to it); the tool's folders and HOME inside $work; DISPLAY on a
# display of our own. Exits with 77 (skipped) without Xvfb or xdotool.
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
export VXTORVIN_WINDIR="$work/win" VXTORVIN_PROGDIR="$work/prog" HOME="$work/home"
mkdir -p "$VXTORVIN_WINDIR" "$VXTORVIN_PROGDIR" "$HOME"
unset QT_QPA_PLATFORM

for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
# Up to a minute for the server to take connections: a busy machine starts it
# slowly, and a program started before it is there dies at once.
for i in $(seq 1 600); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "the virtual display $display never came up"; exit 1; }

# A peer program's report: lines on "$work/out.log" (errors on err.log).
# `line` waits (up to a minute: a busy machine is slow) for a line matching
# the pattern written after the first `seen` lines and prints the last such
# line; `mark` skips what was written so far.
seen=0
line() {
    for i in $(seq 1 600); do
        found=$(tail -n +$((seen + 1)) "$work/out.log" | grep -aE "$1" | tail -1 || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    echo "no report: $1" >&2
    cat "$work/out.log" "$work/err.log" >&2
    return 1
}
mark() { seen=$(wc -l <"$work/out.log"); }

# Drags with the left button from (x, y) by (dx, dy) in ten steps.
drag() {
    local x=$1 y=$2 dx=$3 dy=$4
    xdotool mousemove "$x" "$y"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    for s in $(seq 1 10); do
        xdotool mousemove $((x + dx * s / 10)) $((y + dy * s / 10))
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.3
}
