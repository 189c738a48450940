#include "styling/toolbar/ToolBarButtonRules.h"

#include <algorithm>

namespace vx {

namespace DT = DrawTextFlags;

namespace {

// Image and caption along one axis: both with the spacing between them, or
// whichever there is.
int Along(int glyph, int text) {
    if (glyph >= 1 && text >= 1) return glyph + kButtonSpacing + text;
    return glyph > 0 ? glyph : text;
}

TColor ColorOf(QRgb rgb) {
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QRgb RgbOf(TColor c) {
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

}  // namespace

TButtonParts SplitButtonParts(const TRect& r, bool horizontal, bool dropDown) {
    TButtonParts parts{r, horizontal ? TRect{r.right - kDropDownWidth, r.top, r.right, r.bottom}
                                     : TRect{r.left, r.bottom - kDropDownWidth, r.right, r.bottom}};
    if (dropDown)
        (horizontal ? parts.face.right : parts.face.bottom) =
            horizontal ? parts.dropDown.left : parts.dropDown.top;
    return parts;
}

TButtonSize ButtonAutoSize(const TButtonMeasure& m) {
    const int extra = m.dropDown ? kDropDownWidth : 0;
    const bool sideBySide =
        m.glyphPosition == TGlyphPosition::gpLeft || m.glyphPosition == TGlyphPosition::gpRight;
    const int margins = 2 * kButtonMargin;
    TButtonSize size;
    if (m.horizontal) {
        if (sideBySide) {
            size.width = Along(m.gw, m.tw) + margins;
            size.height = std::max(m.gh, m.th) + margins;
        } else {
            size.width = std::max(m.gw, m.tw) + margins;
            size.height = m.th + m.gh + kButtonSpacing + margins;
        }
        size.width = std::max(size.width, 15) + extra;
    } else {
        if (sideBySide) {
            size.height = Along(m.gh, m.tw) + margins;
            size.width = std::max(m.gw, m.th) + margins;
        } else {
            size.height = std::max(m.gh, m.tw) + margins;
            size.width = m.th + m.gw + kButtonSpacing + margins;
        }
        size.height = std::max(size.height, 15) + extra;
    }
    return size;
}

TButtonFace ButtonFaceLayout(TGlyphPosition position, bool horizontal, const TRect& f,
                             int buttonHeight, int iw, int ih, int tw, int th, bool autoSize) {
    const int sp = (tw >= 1 && th >= 1) ? kButtonSpacing : 0;
    const int w = f.Width();
    const int h = f.Height();
    const int bh = buttonHeight;
    TButtonFace face;
    face.textRect = f;
    face.textFlags = DT::kCenter | DT::kVCenter | DT::kSingleLine;
    face.textPoint = horizontal ? TPoint{f.left, f.top}
                                : TPoint{f.right + 1 - (w - th) / 2, f.top + (h - tw) / 2};
    if (horizontal) {
        switch (position) {
            case TGlyphPosition::gpLeft:
                face.gx = (w - (tw + iw + sp)) / 2;
                face.gy = (bh - ih) / 2;
                face.textRect = {iw + face.gx + sp, f.top, f.right, f.bottom};
                face.textFlags = DT::kVCenter | DT::kSingleLine;
                break;
            case TGlyphPosition::gpTop:
                face.gx = (w - iw) / 2;
                face.gy = (bh - (th + ih + sp)) / 2;
                face.textRect = {f.left, ih + face.gy + sp, f.right, f.bottom};
                face.textFlags = DT::kCenter | DT::kSingleLine;
                break;
            case TGlyphPosition::gpRight:
                face.gx = w - (w - (iw + sp + tw)) / 2 - iw;
                face.gy = (bh - ih) / 2;
                face.textRect = {(w - (iw + sp + tw)) / 2, f.top, face.gx - sp, f.bottom};
                face.textFlags = DT::kRight | DT::kVCenter | DT::kSingleLine;
                break;
            case TGlyphPosition::gpBottom:
                face.gx = (w - iw) / 2;
                face.gy = bh - (bh - (ih + sp + th)) / 2 - ih;
                face.textRect = {f.left, face.gy - sp - th, f.right, face.gy};
                face.textFlags = DT::kCenter | DT::kVCenter | DT::kSingleLine;
                break;
        }
        if (!autoSize && face.gx < 0) {
            const int shift = 1 - face.gx;
            face.gx = 1;
            face.textRect = face.textRect.Offset(shift, 0);
            face.textFlags |= DT::kEndEllipsis;
        }
    } else {
        switch (position) {
            case TGlyphPosition::gpLeft:
                face.gx = (w - iw) / 2;
                face.gy = (h - (tw + ih + sp)) / 2;
                face.textRect = {f.right - (w - th) / 2, ih + face.gy + sp, f.right, f.bottom};
                face.textFlags = DT::kCenter | DT::kSingleLine;
                face.textPoint = {f.left, f.top};
                break;
            case TGlyphPosition::gpTop:
                face.gx = w - (w - (iw + sp + th)) / 2 - iw;
                face.gy = (h - ih) / 2;
                face.textRect = {f.left, f.top + (h - tw) / 2, face.gx - sp, f.bottom};
                face.textFlags = DT::kCenter | DT::kVCenter | DT::kSingleLine;
                face.textPoint.x = f.right - (w - th) / 2;
                break;
            case TGlyphPosition::gpRight:
                face.gx = (w - iw) / 2;
                face.gy = h - (h - (ih + sp + tw)) / 2 - ih;
                face.textRect = {f.right - (w - th) / 2, f.top + (h - (ih + sp + tw)) / 2, f.right,
                                 face.gy - sp};
                face.textFlags = DT::kCenter | DT::kBottom | DT::kSingleLine;
                face.textPoint = {f.left, f.top};
                break;
            case TGlyphPosition::gpBottom:
                face.gx = (w - (iw + sp + th)) / 2;
                face.gy = (h - ih) / 2;
                face.textRect = {face.gx + sp + iw, f.top, f.right, f.bottom};
                face.textFlags = DT::kCenter | DT::kVCenter | DT::kSingleLine;
                face.textPoint = {f.right - (w - th) / 2, f.top + (h - tw) / 2};
                break;
        }
        if (!autoSize && face.gy < 0) {
            const int shift = 1 - face.gy;
            face.gy = 1;
            face.textRect = face.textRect.Offset(0, shift);
            face.textPoint.y += shift;
            face.textFlags |= DT::kEndEllipsis;
        }
    }
    return face;
}

TColor DisabledGlyphGrey(TColor color) {
    const int g = ((RedOf(color) + GreenOf(color) + BlueOf(color)) / 3) / 2 + 96;
    return RGBColor(g, g, g);
}

QImage DisabledGlyph(const QImage& glyph) {
    if (glyph.isNull()) return {};
    QImage grey = glyph.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x)
            line[x] = RgbOf(DisabledGlyphGrey(ColorOf(line[x])));
    }
    return grey;
}

QImage ShadowGlyph(const QImage& glyph) {
    if (glyph.isNull()) return {};
    QImage shadow = glyph.convertToFormat(QImage::Format_RGB32);
    const QRgb bg = shadow.pixel(0, shadow.height() - 1) | 0xFF000000u;
    const QRgb black = qRgb(0, 0, 0);
    const QRgb grey = qRgb(0x80, 0x80, 0x80);
    // The figure turns black against the background and the black turns
    // grey; a black background therefore turns grey with it.
    const QRgb background = bg == black ? grey : bg;
    for (int y = 0; y < shadow.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < shadow.width(); ++x)
            line[x] = (line[x] | 0xFF000000u) == bg ? background : grey;
    }
    return shadow;
}

}  // namespace vx
