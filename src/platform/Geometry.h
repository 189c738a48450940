// Rectangles and points the way the drawing code counts them: a rectangle's
// right and bottom edges lie outside it (Left..Right-1, Top..Bottom-1).
#pragma once

namespace vx {

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

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(TPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    TRect Inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    TRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const TRect&) const = default;
};

inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

}  // namespace vx
