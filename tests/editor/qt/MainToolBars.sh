#!/usr/bin/env bash
# The main window's tool bars driven by a real mouse on a virtual display:
# the function bar dragged off its panel floats in a window of its own (its
# View check stays on) and, dragged back by its caption, docks in its row;
# the window narrowed, the standard bar's right handle opens the option
# window with the buttons that no longer fit, and one of them clicked there
# runs its command. At the end every button is on exactly one bar.
#   MainToolBars.sh MAIN_TOOLBARS_DEMO DATA_DIR [english]
# With VX_SHOTS_DIR set, pictures of the floating bar, the option window and
# its add-or-remove cascade are kept there.
set -euo pipefail
demo="$1"
data="$2"
language="${3:-chinese}"
shots="${VX_SHOTS_DIR:-}"
if [ -n "$shots" ]; then
    command -v import >/dev/null && command -v convert >/dev/null || { echo "ImageMagick missing"; exit 77; }
    mkdir -p "$shots"
fi

source "$(dirname "$0")/../../support/VirtualDisplay.sh"
cp "$data"/kz*.ini "$VXTORVIN_PROGDIR"/

[ "$language" = english ] && export VX_DEMO_ENGLISH=1
"$demo" >"$work/out.log" 2>"$work/err.log" &
pids+=($!)

# Waits (up to a minute) until the latest report that starts with the first
# word is the given line, whenever it was written.
state() {
    for i in $(seq 1 600); do
        [ "$(grep -aE "^$1 " "$work/out.log" | tail -1 || true)" = "$2" ] && return 0
        sleep 0.1
    done
    echo "not reported: $2" >&2
    cat "$work/out.log" "$work/err.log" >&2
    return 1
}
# The number after a word in a report line.
after() { sed -E "s/.* $1 (-?[0-9]+).*/\1/" <<<"$2"; }
pair() { sed -E "s/.* $1 (-?[0-9]+ -?[0-9]+).*/\1/" <<<"$2"; }
click() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool click 1
}
# The screen cut to the rectangle (x y w h, grown by a margin) into a file.
shot() {
    [ -n "$shots" ] || return 0
    local name=$1 x=$2 y=$3 w=$4 h=$5 m=12
    sleep 0.5
    x=$((x > m ? x - m : 0)); y=$((y > m ? y - m : 0))
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "$((w + 2 * m))x$((h + 2 * m))+$x+$y" +repage \
        "$shots/$name-$language.png"
}

main=$(line '^main window [0-9]+ at ')
id=$(awk '{print $3}' <<<"$main")
read -r mx my mw mh <<<"$(sed -E 's/.* at //' <<<"$main")"
state view 'view N19 on N20 on N21 on'
start=$(line '^buttons [0-9]+ [0-9]+ [0-9]+ misplaced 0$')

# The function bar pulled 150 pixels down by its grip: it floats, still checked.
bar2=$(line '^FxToolBar2 docked FxDockPanel1 row 0 grip .*[0-9]$')
read -r gx gy <<<"$(pair grip "$bar2")"
mark
drag "$gx" "$gy" 0 150
floating=$(line '^FxToolBar2 floating caption .*[0-9]$')
read -r cx cy <<<"$(pair caption "$floating")"
state view 'view N19 on N20 on N21 on'
echo "FxToolBar2 floats in its own window"
read -r fx fy fw fh <<<"$(sed -E 's/.* window ([0-9 -]+) close.*/\1/' <<<"$floating")"
shot floating "$mx" "$my" "$mw" $((fy + fh - my))

# Its caption dragged back over the panel's row: it docks there again.
mark
drag "$cx" "$cy" 60 $((gy - cy))
line '^FxToolBar2 docked FxDockPanel1 row 0 grip .*[0-9]$' >/dev/null
state view 'view N19 on N20 on N21 on'
echo "FxToolBar2 docked again in its row"

# Floated again and closed by its caption's close button: it hides and its
# View check goes off; the View menu's item shows it again where it floated.
bar2=$(line '^FxToolBar2 docked FxDockPanel1 row 0 grip .*[0-9]$')
read -r gx gy <<<"$(pair grip "$bar2")"
mark
drag "$gx" "$gy" 0 150
floating=$(line '^FxToolBar2 floating caption .*[0-9]$')
mark
click $(pair close "$floating")
line '^FxToolBar2 hidden$' >/dev/null
state view 'view N19 on N20 off N21 on'
mark
xdotool windowfocus --sync "$id"
sleep 0.3
xdotool key alt+v
line '^menu View1 open$' >/dev/null
xdotool key f
floating=$(line '^FxToolBar2 floating caption .*[0-9]$')
state view 'view N19 on N20 on N21 on'
echo "FxToolBar2 closed while floating and shown again by the View menu"
read -r cx cy <<<"$(pair caption "$floating")"
mark
drag "$cx" "$cy" 60 $((gy - cy))
line '^FxToolBar2 docked FxDockPanel1 row 0 grip .*[0-9]$' >/dev/null

# The window narrowed until the standard bar has buttons in its overflow.
mark
xdotool windowsize "$id" 260 "$mh"
pattern='^FxToolBar1 docked FxDockPanel1 row [0-9]+ grip .* overflow [1-9][0-9]*$'
line "$pattern" >/dev/null
sleep 0.5  # the latest place once the narrowed window has settled
bar1=$(line "$pattern")
read -r hx hy <<<"$(pair handle "$bar1")"
echo "FxToolBar1 narrowed: $(after overflow "$bar1") buttons in its overflow"
shot narrowed "$mx" "$my" 260 120

# Its right handle opens the option window with the lent buttons.
mark
click "$hx" "$hy"
option=$(line '^FxToolBar1 option open .* lent .*TopToolButton -?[0-9]+ -?[0-9]+')
read -r tx ty <<<"$(pair TopToolButton "$option")"
read -r ox oy ow oh <<<"$(sed -E 's/.* window ([0-9 -]+) entry.*/\1/' <<<"$option")"
echo "the option window lends:$(sed -E 's/.* lent//; s/ -?[0-9]+//g' <<<"$option")"
shot option "$((hx - 40))" "$((hy - 20))" $((ox + ow - hx + 40)) $((oy + oh - hy + 20))

if [ -n "$shots" ]; then
    # The add-or-remove entry's cascade: the bar's row, then its buttons.
    read -r ex ey <<<"$(pair entry "$option")"
    mark
    xdotool mousemove "$ex" "$ey"
    cascade=$(line '^FxToolBar1 cascade window ')
    read -r rx ry <<<"$(pair row "$cascade")"
    mark
    xdotool mousemove "$((ex + 20))" "$ey" mousemove "$rx" "$ry"
    cascade=$(line '^FxToolBar1 cascade window .* sub ')
    read -r sx sy sw sh <<<"$(sed -E 's/.* sub //' <<<"$cascade")"
    shot cascade "$ox" "$oy" $((sx + sw - ox)) $((sy + sh > oy + oh ? sy + sh - oy : oh))
    # Back on the lent button: the cascade closes when the pointer leaves it.
    mark
    xdotool mousemove "$tx" "$ty"
    sleep 0.5
fi

# A lent button clicked: its command runs and the window closes.
mark
click "$tx" "$ty"
line '^click TopToolButton$' >/dev/null
line '^command N2$' >/dev/null
line '^FxToolBar1 option closed$' >/dev/null
echo "TopToolButton clicked in the option window ran its command"

# Every button back on exactly one bar, as many on each as at the start.
state buttons "$start"
state view 'view N19 on N20 on N21 on'
echo "every button on exactly one bar: $start"
