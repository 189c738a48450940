#!/usr/bin/env bash
# A tool bar dragged by a real mouse on a virtual display: off its panel it
# floats in a window of its own, dragged back by its caption it docks again.
# The drag must hold the mouse while the bar changes windows.
#   ToolBarDrag.sh TOOLBAR_DRAG_DEMO
set -euo pipefail
demo="$1"
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
for i in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

"$demo" >"$work/out.log" 2>"$work/err.log" &
pids+=($!)

# Waits (up to a minute) for a line of the demo's report written after the
# first `seen` lines; prints it.
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

read -r _ _ _ _ _ _ gx gy <<<"$(line '^FxToolBar2 docked TopPanel row 0 grip [0-9]+ [0-9]+$')"
seen=$(wc -l <"$work/out.log")
# Pulled 150 pixels down: it floats.
drag "$gx" "$gy" 0 150
read -r _ _ _ cx cy <<<"$(line '^FxToolBar2 floating caption [0-9]+ [0-9]+$')"
seen=$(wc -l <"$work/out.log")
# Its caption dragged back up over the panel's row: it docks there again.
drag "$cx" "$cy" 60 $((gy - cy))
line '^FxToolBar2 docked TopPanel row 0 grip [0-9]+ [0-9]+$' >/dev/null
echo "dragged off and docked again"
