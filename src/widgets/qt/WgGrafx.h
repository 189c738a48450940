// The widget family's drawing routines on a Canvas: frames and borders by
// frame style and sides, two-colour gradients in ten directions, themed
// bands, bitmap tiling, replication, mirroring, flipping and transparent
// stretching, the parent's image under a transparent control, rotated fonts,
// and the window helpers (repainting, transparent children); the
// desktop's monitors come from platform/paint/Monitors.h.
//
// The rules of frames and gradients live in WgGrafxFrames and
// WgGrafxGradient; these routines carry them out on the canvas. Rectangles
// are the canvas's (right and bottom exclusive); frame routines return the
// rectangle left inside what they drew.
#pragma once

#include <QImage>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/paint/Canvas.h"
#include "platform/paint/Monitors.h"
#include "widgets/WgCommon.h"
#include "widgets/WgCommonColors.h"
#include "widgets/WgGrafxFrames.h"
#include "widgets/WgGrafxGradient.h"
#include "widgets/WgPanelLayout.h"

class QWidget;

namespace vx {

TRect DrawSides(Canvas& c, const TRect& r, TColor ul, TColor lr, TSides sides);
TRect DrawBevel(Canvas& c, const TRect& r, TColor ul, TColor lr, int width, TSides sides);
TRect FrameChosenSides(Canvas& c, const TRect& r, TFrameStyle style, TSides sides);
TRect FrameAllSides(Canvas& c, const TRect& r, TFrameStyle style);
TRect OutlineRect(Canvas& c, const TRect& r, TColor color);
TRect RoundedFlatSides(Canvas& c, const TRect& r, TColor color, TSides sides);
TRect PaintFrameStyle(Canvas& c, const TRect& r, const TFrameStyleParams& p);

// Fills r from the start colour to the stop colour; painted whole on an
// off-screen bitmap that is then drawn at r's top-left corner. Nothing when
// r has no width or height.
void PaintTwoColorGradient(Canvas& c, const TRect& r, TGradientDirection direction,
                           int smoothFactor, TColor start, TColor stop);

// vsWinXP with visual styles on: the theme's band (the stand-in theme gives
// its scheme's band colours); another style but vsClassic, on a display of
// more than 256 colours: a gdHorizontalEnd gradient between the two given
// colours (gcsCustom) or the caption colours, swapped when reversed;
// otherwise nothing.
void PaintThemedBand(Canvas& c, const TRect& r, TWgVisualStyle visualStyle,
                     TWgGradientColorStyle colorStyle, bool reversed, TColor first, TColor second,
                     const TWgColorContext& ctx = CurrentColorContext());

// The bitmap repeated from r's top-left corner, the last column and row cut.
void TileBitmap(Canvas& c, const QImage& bitmap, const TRect& r);
// The strip already painted at origin copied next to itself, doubling the
// covered length with every copy, first across the total width, then down
// the total height.
void ReplicateStrip(Canvas& c, TPoint origin, CopyMode mode, int stripWidth, int stripHeight,
                    int totalWidth, int totalHeight);
// The painted top-left quarter mirrored downwards into the bottom-left one,
// then the left half mirrored into the right half. With an odd width or
// height the middle column or row belongs to the painted quarter.
void MirrorQuadrant(Canvas& c, TPoint origin, CopyMode mode, int width, int height);
// Row y becomes row height - 1 - y.
void FlipBitmapVertically(QImage& bitmap);
// The source part stretched into dest; pixels of the transparent colour show
// what is there. A dest of negative extent mirrors, as CopyRect does.
void StretchTransparentBitmap(Canvas& c, const TRect& dest, const QImage& bitmap,
                              const TRect& source, TColor transparent);
// The parent's painting under the control, drawn at the canvas's (0, 0) and
// clipped to the parent; nothing without a parent.
void DrawParentImage(const QWidget* control, Canvas& c);

// DrawText over the whole text.
int DrawTextInRect(Canvas& c, std::string_view text, TRect& r, unsigned flags);
// The DrawText flag of a horizontal alignment.
unsigned AlignmentFlag(TAlignment a);
// The font turned by angle degrees counter-clockwise.
CanvasFont CreateRotatedFont(const CanvasFont& font, int angle);
// Whether the face drawn for the font is an outline (TrueType) face, which
// can be turned.
bool IsTrueTypeFont(const CanvasFont& font);

// Repaints r of the window, unless nothing of it is visible.
void RedrawWindowFrameRect(QWidget* window, const TRect& r);
// Repaints every child whose property "Transparent" is true.
void InvalidateTransparentChildren(QWidget* control);

}  // namespace vx
