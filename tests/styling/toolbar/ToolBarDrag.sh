#!/usr/bin/env bash
# A tool bar dragged by a real mouse on a virtual display: off its panel it
# floats in a window of its own, dragged back by its caption it docks again.
# The drag must hold the mouse while the bar changes windows.
#   ToolBarDrag.sh TOOLBAR_DRAG_DEMO
set -euo pipefail
demo="$1"
source "$(dirname "$0")/../../support/VirtualDisplay.sh"

"$demo" >"$work/out.log" 2>"$work/err.log" &
pids+=($!)

read -r _ _ _ _ _ _ gx gy <<<"$(line '^FxToolBar2 docked TopPanel row 0 grip [0-9]+ [0-9]+$')"
mark
# Pulled 150 pixels down: it floats.
drag "$gx" "$gy" 0 150
read -r _ _ _ cx cy <<<"$(line '^FxToolBar2 floating caption [0-9]+ [0-9]+$')"
mark
# Its caption dragged back up over the panel's row: it docks there again.
drag "$cx" "$cy" 60 $((gy - cy))
line '^FxToolBar2 docked TopPanel row 0 grip [0-9]+ [0-9]+$' >/dev/null
echo "dragged off and docked again"
