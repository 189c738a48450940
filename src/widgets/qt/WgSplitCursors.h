// The size panel's four cursors, drawn by the family: the bar cursor and the
// hot-spot cursor of a vertical bar (a left or right panel, "WGSPLIT_HORZ"
// and "WGSPLIT_HORZHOTSPOT": arrows left and right) and of a horizontal bar
// (a top or bottom panel, "WGSPLIT_VERT" and "WGSPLIT_VERTHOTSPOT": arrows
// up and down). Black shapes with a white edge, the hot spot at the centre;
// the hot-spot cursors carry the hot spot's dotted box between the bar's
// lines.
#pragma once

#include <QCursor>
#include <QImage>

namespace vx {

enum class TWgSplitCursor { scHorz, scHorzHotSpot, scVert, scVertHotSpot };

// The cursor's picture (32 x 32) and the cursor itself, made once.
QImage WgSplitCursorImage(TWgSplitCursor kind);
const QCursor& WgSplitCursorOf(TWgSplitCursor kind);

}  // namespace vx
