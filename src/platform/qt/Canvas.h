// A drawing surface with the rules of the Windows canvas the tool's windows
// were drawn with, over QPainter.
//
// The drawing code of the ladder grid and the widget family places every
// line and text by pixel, and those places are only right with the old
// rules: a one-pixel line stops one pixel short of its end point, a
// rectangle's right and bottom edges are exclusive, text is anchored at its
// top-left corner, and colours are TColor values. Drawing is never
// anti-aliased.
#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Colors.h"
#include "platform/Geometry.h"

class QFont;

namespace vx {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };
enum class BrushStyle { Solid, Clear };

struct CanvasPen {
    TColor color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
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
inline constexpr unsigned kCalcRect = 0x400;
inline constexpr unsigned kNoPrefix = 0x800;
inline constexpr unsigned kEndEllipsis = 0x8000;
inline constexpr unsigned kRtlReading = 0x20000;
}  // namespace DrawTextFlags

// The installed family that stands for a font name of the windows ("宋体"
// becomes the CJK font the set-up installs).
QString MapFontFamily(std::string_view name);
// The Qt font of a canvas font.
QFont ToQFont(const CanvasFont& font);
// The Qt colour of a TColor (system colours resolved).
QColor ToQColor(TColor color);

class Canvas {
  public:
    explicit Canvas(QPainter& painter);

    CanvasPen pen;
    CanvasBrush brush;
    CanvasFont font;

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
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    void SetPixel(int x, int y, TColor color);

    // Text with its top-left corner at (x, y), in the font; the background is
    // filled with the brush unless the brush is clear.
    void TextOut(int x, int y, std::string_view text);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    // Text laid out in the rectangle by the flags, without a background.
    // Returns the height of the text; with kCalcRect nothing is drawn and the
    // rectangle is set to what the text needs.
    int DrawText(std::string_view text, TRect& rect, unsigned flags);

    void SetClipRect(const TRect& r);
    void ClearClip();

    QPainter& Painter() { return painter_; }

  private:
    void PlotLine(TPoint from, TPoint to);
    // Puts the font on the painter, re-using the last one while it is unchanged
    // (looking a font up costs far more than drawing a cell's text).
    const QFontMetrics& ApplyFont();

    QPainter& painter_;
    TPoint penPos_;
    std::optional<CanvasFont> appliedFont_;
    std::optional<QFontMetrics> metrics_;
};

}  // namespace vx
