// Drawing shared by the tab strip's small buttons (the scroller, the close
// buttons, the menu button): arrow and close glyphs and the button face.
#pragma once

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/paint/Canvas.h"
#include "widgets/WgCommon.h"

namespace vx {

// Glyph styles: the classic look, or the desktop theme's (XP) look.
inline constexpr int kGlyphClassic = 0;
inline constexpr int kGlyphXP = 1;

enum class TArrowDirection { Up = 0, Down = 1, Left = 2, Right = 3 };

// A filled triangle of rows of 1, 3, 5 and 7 pixels centred in the rect;
// disabled in clBtnShadow, else black (cl3DDkShadow on a brush near black),
// or the theme's arrow colour in the XP style.
void DrawArrowGlyph(Canvas& canvas, const TRect& rect, int style, bool enabled, bool down,
                    TArrowDirection direction);

// The colour of a close glyph: clBtnShadow when disabled, black in the
// classic style, the theme's glyph colour in the XP style.
TColor CloseGlyphColor(int style, bool enabled);
// An "X" of two-pixel strokes centred in the rect: 9 x 9 when the rect is at
// least 9 wide and 11 high, else 7 x 7.
void DrawCloseGlyph(Canvas& canvas, const TRect& rect, TColor color, bool enabled, bool down);

// The face of a tab-strip button: a gradient between the tab colours (darker
// while down, lighter while hot) inside an outline in the frame colour, or
// without gradients an outline filled with the unselected tab colour.
struct TWgButtonFaceColors {
    TColor unselected = clWindow;
    TColor shadow = clBtnFace;
    bool useGradients = true;
};
void DrawTabButtonFace(Canvas& canvas, const TRect& rect, const TWgButtonFaceColors& colors,
                       TColor frameColor, bool hot, bool down);

}  // namespace vx
