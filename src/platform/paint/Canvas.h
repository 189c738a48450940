// A drawing surface with the rules of the Windows canvas the tool's windows
// were drawn with, over QPainter.
//
// The drawing code of the ladder grid and the widget family places every
// line and text by pixel, and those places are only right with the old
// rules: a one-pixel line stops one pixel short of its end point, a
// rectangle's right and bottom edges are exclusive, text is anchored at its
// top-left corner, and colours are TColor values. Drawing is never
// anti-aliased.
//
// The widget family also needs the rest of that canvas: pen modes that
// invert, the halftone brush, a saved and restored drawing state with its
// origin and clip region, bitmaps copied in the raster modes (stretched or
// mirrored), tiling, rotated text, text with "&" prefixes, and the classic
// edges, scroll arrows and push buttons of the desktop.
#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Colors.h"
#include "platform/Geometry.h"

class QFont;

namespace vx {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };
// Copy draws in the pen colour, Not inverts what is under the pen, Xor
// combines the pen colour with it bit by bit (drawing twice restores it).
enum class PenMode { Copy, Not, Xor };
// Halftone: every other pixel, in a checkerboard, white on black.
enum class BrushStyle { Solid, Clear, Halftone };
// Horizontal anchor of TextOut's x.
enum class TextAlign { Left, Center, Right };

// How copied pixels (or the brush, for the Pat modes) meet what is there.
enum class CopyMode {
    SrcCopy,
    SrcInvert,   // source XOR destination
    SrcAnd,      // source AND destination
    SrcPaint,    // source OR destination
    NotSrcCopy,  // the inverted source
    DstInvert,   // the destination inverted, no source
    PatCopy,     // the brush
    PatInvert,   // the brush XOR destination
};

struct CanvasPen {
    TColor color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};

struct CanvasBrush {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Solid;
};

struct CanvasFont {
    std::string name = "宋体";
    int size = 9;  // points, at 96 pixels per inch
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    TColor color = clWindowText;
    // Angle of the text line in tenths of a degree, counter-clockwise: 900
    // runs the text upwards from its anchor, 2700 downwards.
    int escapement = 0;
    // The old fonts' height in pixels, which wins over size when it is not
    // 0: negative, the height of the characters (the em); positive, the
    // whole cell (ascent and descent).
    int height = 0;
    // Width of the characters in percent of the face's own (below 100
    // narrower), at the same height.
    int stretch = 100;
    bool operator==(const CanvasFont&) const = default;
};

// Flags of DrawText.
namespace DrawTextFlags {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kCenter = 0x1;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kVCenter = 0x4;
inline constexpr unsigned kBottom = 0x8;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kSingleLine = 0x20;
inline constexpr unsigned kExpandTabs = 0x40;
inline constexpr unsigned kCalcRect = 0x400;
inline constexpr unsigned kNoPrefix = 0x800;
inline constexpr unsigned kEndEllipsis = 0x8000;
inline constexpr unsigned kRtlReading = 0x20000;
}  // namespace DrawTextFlags

// Edges of DrawEdge: an outer and an inner line, each raised or sunken.
namespace EdgeFlags {
inline constexpr unsigned kRaisedOuter = 0x1;
inline constexpr unsigned kSunkenOuter = 0x2;
inline constexpr unsigned kRaisedInner = 0x4;
inline constexpr unsigned kSunkenInner = 0x8;
inline constexpr unsigned kRaised = kRaisedOuter | kRaisedInner;
inline constexpr unsigned kSunken = kSunkenOuter | kSunkenInner;
inline constexpr unsigned kEtched = kSunkenOuter | kRaisedInner;
inline constexpr unsigned kBump = kRaisedOuter | kSunkenInner;
}  // namespace EdgeFlags

// Sides and options of DrawEdge.
namespace BorderFlags {
inline constexpr unsigned kLeft = 0x1;
inline constexpr unsigned kTop = 0x2;
inline constexpr unsigned kRight = 0x4;
inline constexpr unsigned kBottom = 0x8;
inline constexpr unsigned kRect = 0xF;
inline constexpr unsigned kMiddle = 0x800;   // fill the inside with the button face
inline constexpr unsigned kAdjust = 0x2000;  // leave the inside in the rectangle
inline constexpr unsigned kFlat = 0x4000;    // one flat line in the button shadow
}  // namespace BorderFlags

// The classic controls of DrawFrameControl.
enum class FrameControl { kScroll, kButton };
namespace FrameControlState {
inline constexpr unsigned kScrollUp = 0x0;
inline constexpr unsigned kScrollDown = 0x1;
inline constexpr unsigned kScrollLeft = 0x2;
inline constexpr unsigned kScrollRight = 0x3;
inline constexpr unsigned kButtonPush = 0x10;
inline constexpr unsigned kInactive = 0x100;
inline constexpr unsigned kPushed = 0x200;
inline constexpr unsigned kFlat = 0x4000;
}  // namespace FrameControlState

// The installed families that stand for a font name of the windows, in the
// order they are tried: "宋体" becomes the CJK font the set-up installs; the
// desktop's Latin faces ("Tahoma", "MS Sans Serif", "Arial", ...) stay
// themselves where installed, else become DejaVu Sans (the set-up installs
// it), else the CJK font; other names stay as they are.
QStringList MapFontFamilies(std::string_view name);
// The first of them.
QString MapFontFamily(std::string_view name);
// How far each row of a width x height rounded rectangle starts in from its
// left side (and ends before its right side) when its corners are quarters of
// an ellipse ellipseWidth x ellipseHeight (clamped to the rectangle; the
// whole size gives an ellipse, 0 a plain rectangle). A row holds the pixels
// whose centres lie in the shape, at least its middle one or two, and so do
// the columns: every side of the rectangle is touched.
std::vector<int> RoundRectInsets(int width, int height, int ellipseWidth, int ellipseHeight);
// The Qt font of a canvas font.
QFont ToQFont(const CanvasFont& font);
// The Qt colour of a TColor (system colours resolved).
QColor ToQColor(TColor color);
// The TColor of a Qt colour: its red, green and blue (alpha is dropped).
TColor ToTColor(const QColor& color);
// The TRect of a Qt rectangle: right and bottom one past its last pixel.
TRect ToTRect(const QRect& r);
// The Qt rectangle of a TRect.
QRect ToQRect(const TRect& r);

class Canvas {
  public:
    explicit Canvas(QPainter& painter);

    CanvasPen pen;
    CanvasBrush brush;
    CanvasFont font;
    TextAlign textAlign = TextAlign::Left;

    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    // A line from the pen position to (x, y); a one-pixel pen leaves out the
    // end point. The pen position moves to (x, y).
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }

    // Outline in the pen, inside filled with the brush; covers
    // left..right-1 x top..bottom-1 (one less each way without a pen).
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    // Fills the rectangle with the brush.
    void FillRect(const TRect& r);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& r);
    // Outline in the pen, inside filled with the brush (a clear brush leaves
    // it), within left..right-1 x top..bottom-1 like Rectangle; the corners
    // are quarters of an ellipse ellipseWidth x ellipseHeight. Never smoothed.
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void RoundRect(const TRect& r, int ellipseWidth, int ellipseHeight) {
        RoundRect(r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
    }
    // The ellipse that fills the rectangle, by the same rules.
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.left, r.top, r.right, r.bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    void SetPixel(int x, int y, TColor color);

    // Text with its top-left corner at (x, y) (its top centre or top right by
    // textAlign), in the font, turned by the font's escapement about that
    // point; the background is filled with the brush unless the brush is
    // clear.
    void TextOut(int x, int y, std::string_view text);
    // TextOut clipped to the rectangle, which is first filled with the brush
    // unless the brush is clear.
    void TextRect(const TRect& r, int x, int y, std::string_view text);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    // Text laid out in the rectangle by the flags, without a background.
    // Returns the height of the text; with kCalcRect nothing is drawn and the
    // rectangle is set to what the text needs. Unless kNoPrefix, "&x" shows
    // x underlined and "&&" one "&". The font's escapement is not applied.
    int DrawText(std::string_view text, TRect& rect, unsigned flags);

    // Clipping, in the coordinates in use when it is set; it stays on the
    // same pixels when the origin moves afterwards.
    void SetClipRect(const TRect& r);
    void ClearClip();
    void SelectClipRegion(const QRegion& region);
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    // The bounds of what may be drawn: the clip, or the whole surface.
    TRect ClipBox() const;
    // The region of a polygon, filled by the alternate (even-odd) rule.
    static QRegion PolygonRegion(const std::vector<TPoint>& points);

    // Where the surface's pixel (0, 0) is drawn from: moving the origin by
    // (dx, dy) makes coordinates (x, y) land on (x + dx, y + dy).
    void MoveOrigin(int dx, int dy);
    TPoint Origin() const { return origin_; }

    // Pen, brush, font, text alignment, pen position, origin and clip,
    // saved on a stack and restored in reverse order. SaveState returns the
    // depth of the stack; RestoreState on an empty stack does nothing.
    int SaveState();
    void RestoreState();

    // Bitmaps. Draw and StretchDraw blend an image that has transparency.
    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const TRect& dest, const QImage& image);
    // The image with every pixel in the colour of its bottom-left pixel left
    // out, as the old bitmaps were drawn transparent.
    void DrawTransparent(int x, int y, const QImage& image);
    // The same with the colour to leave out given; with an ink colour every
    // other pixel is drawn in it (the two layers of a disabled glyph).
    void DrawTransparent(int x, int y, const QImage& image, TColor transparentColor,
                         TColor ink = clNone);
    // The source part of the image into dest, stretched to fit; a dest whose
    // right is left of its left (or bottom above its top) covers
    // [right, left) and is drawn mirrored on that axis.
    void CopyRect(const TRect& dest, const QImage& image, const TRect& source,
                  CopyMode mode = CopyMode::SrcCopy);
    // The same from another canvas on an image, or from this one (the source
    // is read before anything is written).
    void CopyRect(const TRect& dest, const Canvas& from, const TRect& source,
                  CopyMode mode = CopyMode::SrcCopy);
    // The source part of the image into dest, stretched to fit, its pixels of
    // transparentColor replaced by the brush (left as they were under a clear
    // brush).
    void BrushCopy(const TRect& dest, const QImage& image, const TRect& source,
                   TColor transparentColor);
    // The brush (PatCopy, PatInvert) or an inversion (DstInvert) over r.
    void PatBlt(const TRect& r, CopyMode mode);
    // The image repeated from r's top-left corner, the last column and row cut.
    void TileDraw(const TRect& r, const QImage& image);
    // The colour drawn at (x, y), or clNone outside the surface or when the
    // surface is not an image.
    TColor Pixel(int x, int y) const;
    // The surface as a copy of its pixels (empty when it is not an image).
    QImage Snapshot(const TRect& r) const;

    // The desktop's classic edges: lines by EdgeFlags on the BorderFlags'
    // sides. With kAdjust the rectangle becomes what is left inside.
    void DrawEdge(TRect& r, unsigned edges, unsigned flags);
    // A scroll-bar arrow button (kScroll with a kScroll* direction) or a push
    // button (kButton with kButtonPush), by FrameControlState.
    void DrawFrameControl(const TRect& r, FrameControl kind, unsigned state);
    // The dotted focus frame, drawn by inverting, so a second call removes it.
    void DrawFocusRect(const TRect& r);

    QPainter& Painter() { return painter_; }

  private:
    struct SavedState {
        CanvasPen pen;
        CanvasBrush brush;
        CanvasFont font;
        TextAlign textAlign;
        TPoint penPos;
        TPoint origin;
    };

    void FillSolid(const TRect& r, TColor color);
    // RoundRect and Ellipse: outline and inside by rows.
    void RoundShape(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void DrawTextLine(int x, int y, std::string_view text, const QFontMetrics& fm);
    // The surface when it is an image, and where a canvas point lands on it.
    const QImage* DeviceImage() const;
    QPoint ToDevice(int x, int y) const;
    void PlotLine(TPoint from, TPoint to);
    // Puts the font on the painter, re-using the last one while it is unchanged
    // (looking a font up costs far more than drawing a cell's text).
    const QFontMetrics& ApplyFont();

    QPainter& painter_;
    TPoint penPos_;
    TPoint origin_;
    std::vector<SavedState> saved_;
    std::optional<CanvasFont> appliedFont_;
    std::optional<QFontMetrics> metrics_;
};

}  // namespace vx
