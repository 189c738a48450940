// The two gradient directions of the family. The menus and the tool bars
// each have their own, and they list the same two directions in opposite
// orders. They are distinct scoped types, so one is never given where the
// other is meant, and code that needs to know which way a gradient runs asks
// IsHorizontal rather than looking at the number.
#pragma once

namespace vx {

namespace menus {
// Vertical changes colour from top to bottom, horizontal from left to right.
enum class TGradientDirection { gdVertical = 0, gdHorizontal = 1 };
}  // namespace menus

namespace toolbar {
// The same two directions in the tool-bar family's order.
enum class TGradientDirection { gdHorizontal = 0, gdVertical = 1 };
}  // namespace toolbar

// Whether the gradient runs from left to right: the drawing routines' flag.
constexpr bool IsHorizontal(menus::TGradientDirection direction) {
    return direction == menus::TGradientDirection::gdHorizontal;
}
constexpr bool IsHorizontal(toolbar::TGradientDirection direction) {
    return direction == toolbar::TGradientDirection::gdHorizontal;
}

}  // namespace vx
