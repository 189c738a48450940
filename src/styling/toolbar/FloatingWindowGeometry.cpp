#include "styling/toolbar/FloatingWindowGeometry.h"

#include "platform/Geometry.h"

namespace vx {

// The edges' arithmetic runs in 64 bits: no size or place a caller passes
// can overflow it.
namespace {
constexpr long long kBand = 5;
bool InRightBand(int x, int width) {
    return width - kBand <= x && x <= width;
}
bool InBottomBand(int y, int height) {
    return height - kBand <= y && y <= height;
}
bool InLeftBand(int x) {
    return 0 <= x && x <= kBand;
}
bool InTopBand(int y) {
    return 0 <= y && y <= kBand;
}
}  // namespace

TFloatingEdge FloatingEdgeAt(int x, int y, int width, int height) {
    if (InRightBand(x, width)) return TFloatingEdge::feRight;
    if (InBottomBand(y, height)) return TFloatingEdge::feBottom;
    if (InLeftBand(x)) return TFloatingEdge::feLeft;
    if (InTopBand(y)) return TFloatingEdge::feTop;
    return TFloatingEdge::feNone;
}

TFloatingCursor FloatingCursorAt(int x, int y, int width, int height) {
    if (InRightBand(x, width) || InLeftBand(x)) return TFloatingCursor::fcSizeWE;
    if (InBottomBand(y, height) || InTopBand(y)) return TFloatingCursor::fcSizeNS;
    return TFloatingCursor::fcNormal;
}

int FloatingEdgeReference(TFloatingEdge edge, int width, int height) {
    switch (edge) {
        case TFloatingEdge::feRight:
            return width;
        case TFloatingEdge::feBottom:
            return height;
        default:
            return 0;
    }
}

int FloatingEdgeStep(TFloatingDrag& drag, int x, int y, int width, int height, int b, int rows,
                     const TRowsSize& sizeFor) {
    const bool across = drag.edge == TFloatingEdge::feLeft || drag.edge == TFloatingEdge::feRight;
    const long long d = static_cast<long long>(across ? x : y) - drag.reference;
    // The first step needs more than 5 pixels, further steps the same way 3,
    // and a step back waits until the pointer is where the other row count
    // would put the edge.
    auto step = [&](bool outward, int outDelta, auto backWhenOut, auto backWhenIn) {
        if ((outward && d > 5 && drag.mode == 0) || (outward && d >= 3 && drag.mode == 1) ||
            (!outward && d < -5 && drag.mode == 0) || (!outward && d < -2 && drag.mode == 1)) {
            drag.mode = 1;
            return outDelta;
        }
        if ((outward && d < -5 && drag.mode == 0) || (outward && d < -2 && drag.mode == 2) ||
            (!outward && d > 5 && drag.mode == 0) || (!outward && d >= 3 && drag.mode == 2)) {
            drag.mode = 2;
            return -outDelta;
        }
        if (drag.mode == 1) {
            const int other = SaturateInt(static_cast<long long>(rows) - outDelta);
            if (const auto s = sizeFor(other); s && backWhenOut(*s)) return -outDelta;
        } else if (drag.mode == 2) {
            const int other = SaturateInt(static_cast<long long>(rows) + outDelta);
            if (const auto s = sizeFor(other); s && backWhenIn(*s)) return outDelta;
        }
        return 0;
    };
    // Both borders, and both with a pixel more.
    const long long frame = 2LL * b;
    const long long framePlus = 2 * (b + 1LL);
    switch (drag.edge) {
        case TFloatingEdge::feRight:
            // Outward (wider) takes a row away.
            return step(
                true, -1, [&](TFloatingWindowSize s) { return x <= frame + s.width; },
                [&](TFloatingWindowSize s) { return x >= frame + s.width; });
        case TFloatingEdge::feLeft:
            return step(
                false, -1, [&](TFloatingWindowSize s) { return x >= width - (frame + s.width); },
                [&](TFloatingWindowSize s) { return x <= width - (frame + s.width); });
        case TFloatingEdge::feBottom:
            // Outward (taller) adds a row.
            return step(
                true, +1, [&](TFloatingWindowSize s) { return y <= framePlus + s.height; },
                [&](TFloatingWindowSize s) { return y >= frame + s.height; });
        case TFloatingEdge::feTop:
            return step(
                false, +1,
                [&](TFloatingWindowSize s) { return y >= height - (framePlus + s.height); },
                [&](TFloatingWindowSize s) { return y <= height - (frame + s.height); });
        default:
            return 0;
    }
}

}  // namespace vx
