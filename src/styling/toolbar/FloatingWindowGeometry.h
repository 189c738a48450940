// The floating window's edges without a window: which edge band a point is
// in, the cursor shown there, and the steps by which dragging an edge
// re-flows the floating tool bar into more or fewer rows.
#pragma once

#include <functional>
#include <optional>

namespace vx {

// The bands are 5 pixels wide, inner border included.
enum class TFloatingEdge { feNone = -1, feLeft = 0, feTop = 1, feRight = 2, feBottom = 3 };
enum class TFloatingCursor { fcNormal, fcSizeWE, fcSizeNS };

// The edge a left-button press at (x, y) in window coordinates begins to
// drag: right, bottom, left, top, in that order.
TFloatingEdge FloatingEdgeAt(int x, int y, int width, int height);
// The cursor over (x, y): left and right bands before top and bottom.
TFloatingCursor FloatingCursorAt(int x, int y, int width, int height);

// One edge drag. mode: 0 no step yet, 1 the last step took rows away,
// 2 the last step added rows. reference: x of a left or right edge, y of a
// top or bottom edge, where the edge stood after the last step.
struct TFloatingDrag {
    TFloatingEdge edge = TFloatingEdge::feNone;
    int reference = 0;
    int mode = 0;
};

// The reference an edge drag starts with (and returns to after each step):
// the window's width or height for the right and bottom edges, 0 for the
// left and top edges.
int FloatingEdgeReference(TFloatingEdge edge, int width, int height);

struct TFloatingWindowSize {
    int width;
    int height;
};
// The size the bar would have with a row count, or nothing when the count
// is not possible.
using TRowsSize = std::function<std::optional<TFloatingWindowSize>(int rows)>;

// The change of the row count (-1, 0 or +1) that the pointer at (x, y)
// asks for while `drag` runs on a window of width x height with border b and
// `rows` rows; the drag's mode follows. The caller applies the change and,
// when it made one, sets the reference again (FloatingEdgeReference) and
// keeps the right or bottom edge of a left or top drag in place.
int FloatingEdgeStep(TFloatingDrag& drag, int x, int y, int width, int height, int border, int rows,
                     const TRowsSize& sizeFor);

}  // namespace vx
