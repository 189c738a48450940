// Rectangles and points the way the drawing code counts them: a rectangle's
// right and bottom edges lie outside it (Left..Right-1, Top..Bottom-1).
#pragma once

#include <algorithm>
#include <climits>

namespace vx {

// A sum or difference worked out in 64 bits, held within int: a rectangle or
// a layout rule given a place past any screen answers the nearest int
// instead of wrapping round.
constexpr int SaturateInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// What a real screen layout never exceeds: places within +-32767 (the X
// protocol's own coordinates are 16-bit) and sizes of 0 to 32767. Places and
// sizes read back from a store (a dock layout, a floating bar's place) are
// held to these before any layout rule sees them, so sums of a few of them
// stay far within int.
inline constexpr int kMaxLayoutCoordinate = 32767;
inline constexpr int kMaxLayoutExtent = 32767;
// How many entries (tool bars, rows, items of a customised bar) a stored
// layout is read with: 256 bars or buttons already reach past any screen. A
// larger count is damage and is cut to this, which also bounds the time a
// damaged store takes to read (each stored row is made and arranged).
inline constexpr int kMaxStoredEntries = 256;

constexpr int LayoutCoordinate(int value) {
    return std::clamp(value, -kMaxLayoutCoordinate, kMaxLayoutCoordinate);
}
constexpr int LayoutExtent(int value) {
    return std::clamp(value, 0, kMaxLayoutExtent);
}

struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return SaturateInt(static_cast<long long>(right) - left); }
    int Height() const { return SaturateInt(static_cast<long long>(bottom) - top); }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(TPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    TRect Inflated(int dx, int dy) const {
        return {SaturateInt(static_cast<long long>(left) - dx),
                SaturateInt(static_cast<long long>(top) - dy),
                SaturateInt(static_cast<long long>(right) + dx),
                SaturateInt(static_cast<long long>(bottom) + dy)};
    }
    TRect Offset(int dx, int dy) const {
        return {SaturateInt(static_cast<long long>(left) + dx),
                SaturateInt(static_cast<long long>(top) + dy),
                SaturateInt(static_cast<long long>(right) + dx),
                SaturateInt(static_cast<long long>(bottom) + dy)};
    }
    bool operator==(const TRect&) const = default;
};

inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, SaturateInt(static_cast<long long>(left) + width),
            SaturateInt(static_cast<long long>(top) + height)};
}

}  // namespace vx
