// Drawing routines the dock panel, the tool bars, their pop-up panels and
// their buttons share: the stepped gradient of almost every surface, colour
// blends, 3-D line pairs, captions with an underlined accelerator, rounded
// and plain outlines through the GDI+ layer, the small drop-down arrow, the
// glass button face and the caption-button glyphs. (The filter of a
// tab-order list, which needs widgets, is in qt/FxToolBarTabList.h.)
//
// None keeps state; each draws on the canvas it is given with that canvas's
// pen and brush and leaves them changed.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/paint/Canvas.h"

namespace vx {

class TGPGraphics;
class TGPPen;
struct TGPPoint;
struct TGPRectF;
class TGDIPPicture;
class TImageList;

enum class TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };
enum class TAntiAlias { aaNone, aaClearType, aaAntiAlias };
// Where a glass button's image stands beside its caption.
enum class TGlyphPosition { gpLeft, gpTop, gpRight, gpBottom };

// Fills r with `steps` bands from one colour to the other, left to right
// when horizontal, else top to bottom; each band overlaps the next by one
// pixel, so there are no gaps. Steps 0 is taken as 1.
void DrawGradient(Canvas& canvas, TColor from, TColor to, int steps, TRect r, bool horizontal);

// percent of colour 1 and the rest of colour 2; 100 or more gives colour 1
// unchanged, 0 or less colour 2 unchanged.
TColor BlendColor(TColor color1, TColor color2, int percent);

// A groove or ridge along y (vertical) or x: white and the button shadow,
// white first when lightFirst.
void Draw3DLinePair(Canvas& canvas, TPoint p1, TPoint p2, bool lightFirst, bool alongY);

// Text with "&" marking its accelerator, for captions written in a font
// turned by -90 degrees (running downward): the text without its marks at
// the point and a line beside the accelerator. "&&" stands for one "&".
void DrawAccelText(Canvas& canvas, std::string_view text, TPoint point);

// Makes r a width x height rectangle centred in the old one.
void CenterRect(TRect& r, int width, int height);

// The opaque GDI+ colour of a TColor.
std::uint32_t ColorToARGB(TColor color);

// Outlines through the GDI+ layer, on whole-number pixel centres.
void DrawRoundRectPath(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int width,
                       int height, int radius);
void DrawRectPath(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int width, int height);

// The drop-down arrow, 5 pixels wide and 3 high, with its top-left at p.
void DrawSmallArrow(Canvas& canvas, TPoint p, TColor color);

struct TGlassButton {
    TColor color = clNone;
    TColor colorTo = clNone;
    TColor colorMirror = clNone;
    TColor colorMirrorTo = clNone;
    TColor borderColor = clNone;
    TGDIPGradient gradient = TGDIPGradient::ggVertical;        // upper half
    TGDIPGradient gradientMirror = TGDIPGradient::ggVertical;  // lower half
    std::string_view caption;
    CanvasFont font;
    const TImageList* images = nullptr;
    int imageIndex = -1;
    bool imageEnabled = true;
    TGlyphPosition glyphPosition = TGlyphPosition::gpLeft;
    bool dropDownButton = false;
    bool dropDownSplit = false;
    bool enabled = true;
    bool focused = false;
    bool dropDownPos = false;         // the drop-down part at the bottom rather than the right
    TGDIPPicture* picture = nullptr;  // drawn rather than the image list when not empty
    TAntiAlias antiAlias = TAntiAlias::aaClearType;
    bool rounded = false;
};

// One half of a glass face: its gradient painted over `fill`. A linear
// gradient runs from `from` to `to` across `box`; a radial one has `to` at
// `centre` and `from` on the ellipse `box`. An end of clNone takes the
// other end's colour. The glass faces of the tool bars and of the glow
// button are painted with it.
void FillGlassHalf(TGPGraphics& graphics, TGDIPGradient gradient, TColor from, TColor to,
                   const TGPRectF& box, const TGPPoint& centre, const TGPRectF& fill);

// A two-part glass face in r: a lower and an upper half, each a plain fill
// under a gradient, a border, the focus frames, the caption and image and
// the drop-down part, as the button describes.
void DrawGlassButton(Canvas& canvas, const TRect& r, const TGlassButton& button);
// The face alone: no image, no drop-down part.
void DrawGlassButtonFace(Canvas& canvas, const TRect& r, TColor color, TColor colorTo,
                         TColor colorMirror, TColor colorMirrorTo, TColor borderColor,
                         TGDIPGradient gradient, TGDIPGradient gradientMirror,
                         std::string_view caption, const CanvasFont& font, bool enabled,
                         bool focused, TAntiAlias antiAlias, bool rounded);

// Caption-button glyphs in 2-pixel strokes.
void DrawCloseGlyph(Canvas& canvas, const TRect& r, TColor color, int size);
void DrawRestoreGlyph(Canvas& canvas, const TRect& r, TColor color, bool flag);
void DrawMaximizeGlyph(Canvas& canvas, const TRect& r, TColor color, bool flag);
void DrawMinimizeGlyph(Canvas& canvas, const TRect& r, TColor color, bool flag);

}  // namespace vx
