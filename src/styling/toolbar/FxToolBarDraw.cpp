#include "styling/toolbar/FxToolBarDraw.h"

#include <QString>
#include <algorithm>
#include <memory>

#include "platform/paint/ImageList.h"
#include "styling/gdiplus/FxGDIP.h"
#include "styling/gdiplus/GDIPicture.h"

namespace vx {

namespace {

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

std::u16string Utf16(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
}

// The length in bytes of the UTF-8 character that starts at text[i].
std::size_t CharLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(n, text.size() - i);
}

// A GDI+ colour where a TColor may be clNone: `fallback` stands in for it
// (a gradient end of clNone is a plain fill of its other colour).
ARGB GradientEnd(TColor color, TColor fallback) {
    return ColorToARGB(color == clNone ? fallback : color);
}

void FillPlain(Canvas& canvas, const TRect& r, TColor color) {
    if (color == clNone) return;
    canvas.brush.color = color;
    canvas.brush.style = BrushStyle::Solid;
    canvas.FillRect(r);
}

}  // namespace

void DrawGradient(Canvas& canvas, TColor from, TColor to, int steps, TRect r, bool horizontal) {
    if (horizontal)
        --r.right;
    else
        --r.bottom;
    if (steps <= 0) steps = 1;
    const TColor c1 = ColorToRGB(from);
    const TColor c2 = ColorToRGB(to);
    const double stepR = double(RedOf(c2) - RedOf(c1)) / steps;
    const double stepG = double(GreenOf(c2) - GreenOf(c1)) / steps;
    const double stepB = double(BlueOf(c2) - BlueOf(c1)) / steps;
    const double band = double(horizontal ? r.Width() : r.Height()) / steps;
    const int w = RoundHalfEven(band);
    for (int i = 0; i < steps; ++i) {
        const int red = RoundHalfEven(i * stepR) + RedOf(c1);
        const int green = RoundHalfEven(i * stepG) + GreenOf(c1);
        const int blue = RoundHalfEven(i * stepB) + BlueOf(c1);
        const TColor color = red + green * 256 + blue * 65536;
        canvas.pen.color = color;
        canvas.brush.color = color;
        canvas.brush.style = BrushStyle::Solid;  // a colour given to a clear brush makes it solid
        const int pos = RoundHalfEven(i * band) % 65536;
        if (horizontal)
            canvas.Rectangle(r.left + pos, r.top, r.left + pos + w + 1, r.bottom);
        else
            canvas.Rectangle(r.left, r.top + pos, r.right, r.top + pos + w + 1);
    }
}

TColor BlendColor(TColor color1, TColor color2, int percent) {
    if (percent >= 100) return color1;
    if (percent <= 0) return color2;
    const TColor c1 = ColorToRGB(color1);
    const TColor c2 = ColorToRGB(color2);
    const double p = percent / 100.0;
    auto mix = [p](int a, int b) { return RoundHalfEven(p * a + (1 - p) * b); };
    return RGBColor(mix(RedOf(c1), RedOf(c2)), mix(GreenOf(c1), GreenOf(c2)),
                    mix(BlueOf(c1), BlueOf(c2)));
}

void Draw3DLinePair(Canvas& canvas, TPoint p1, TPoint p2, bool lightFirst, bool alongY) {
    const TColor first = lightFirst ? clWhite : clBtnShadow;
    const TColor second = lightFirst ? clBtnShadow : clWhite;
    canvas.pen.color = first;
    if (alongY) {
        canvas.MoveTo(p1.x - 1, p1.y - 1);
        canvas.LineTo(p2.x - 1, p2.y);
        canvas.LineTo(p2.x + 1, p2.y);
        canvas.pen.color = second;
        canvas.MoveTo(p2.x + 1, p2.y);
        canvas.LineTo(p2.x + 1, p1.y);
        canvas.LineTo(p2.x - 1, p1.y);
    } else {
        canvas.MoveTo(p1.x - 1, p1.y + 1);
        canvas.LineTo(p1.x - 1, p1.y - 1);
        canvas.LineTo(p2.x + 1, p2.y - 1);
        canvas.pen.color = second;
        canvas.MoveTo(p2.x + 1, p2.y - 1);
        canvas.LineTo(p2.x + 1, p2.y + 1);
        canvas.LineTo(p1.x, p1.y + 1);
    }
}

void DrawAccelText(Canvas& canvas, std::string_view text, TPoint point) {
    std::string shown;
    std::size_t accelAt = std::string::npos;  // in `shown`
    std::size_t accelLength = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '&' && i + 1 < text.size()) {
            if (text[i + 1] == '&') {
                shown += '&';
                i += 2;
                continue;
            }
            ++i;
            accelAt = shown.size();
            accelLength = CharLength(text, i);
        }
        const std::size_t n = CharLength(text, i);
        shown.append(text.substr(i, n));
        i += n;
    }
    canvas.TextOut(point.x, point.y, shown);
    if (accelAt == std::string::npos) return;
    const std::string_view view = shown;
    const int x = point.x - canvas.TextHeight(text) + 1;
    const int y1 = point.y + canvas.TextWidth(view.substr(0, accelAt));
    const int y2 = y1 + canvas.TextWidth(view.substr(accelAt, accelLength));
    canvas.pen.color = canvas.font.color;
    Line(canvas, x, y1, x, y2);
}

void CenterRect(TRect& r, int width, int height) {
    r.right = (r.left + r.right + width) / 2;
    r.bottom = (r.top + r.bottom + height) / 2;
    r.left = r.right - width;
    r.top = r.bottom - height;
}

std::uint32_t ColorToARGB(TColor color) {
    const TColor c = ColorToRGB(color);
    return 0xFF000000u | (std::uint32_t(RedOf(c)) << 16) | (std::uint32_t(GreenOf(c)) << 8) |
           std::uint32_t(BlueOf(c));
}

void DrawRoundRectPath(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int width,
                       int height, int radius) {
    const float fx = x, fy = y, w = width, h = height, r = radius, d = 2.0f * radius;
    TGPGraphicsPath path(FillModeAlternate);
    path.AddLine(fx + r, fy, fx + w - d, fy);
    path.AddArc(fx + w - d, fy, d, d, 270, 90);
    path.AddLine(fx + w, fy + r, fx + w, fy + h - d);
    path.AddArc(fx + w - d, fy + h - d, d, d, 0, 90);
    path.AddLine(fx + w - d, fy + h, fx + r, fy + h);
    path.AddArc(fx, fy + h - d, d, d, 90, 90);
    path.AddLine(fx, fy + h - d, fx, fy + r);
    path.AddArc(fx, fy, d, d, 180, 90);
    path.CloseFigure();
    graphics.DrawPath(&pen, &path);
}

void DrawRectPath(TGPGraphics& graphics, const TGPPen& pen, int x, int y, int width, int height) {
    const float fx = x, fy = y, w = width, h = height;
    TGPGraphicsPath path;
    path.AddLine(fx, fy, fx + w, fy);
    path.AddLine(fx + w, fy, fx + w, fy + h);
    path.AddLine(fx + w, fy + h, fx, fy + h);
    path.AddLine(fx, fy + h, fx, fy);
    path.CloseFigure();
    graphics.DrawPath(&pen, &path);
}

void DrawSmallArrow(Canvas& canvas, TPoint p, TColor color) {
    canvas.pen.color = color;
    Line(canvas, p.x, p.y, p.x + 5, p.y);
    Line(canvas, p.x + 1, p.y + 1, p.x + 4, p.y + 1);
    canvas.SetPixel(p.x + 2, p.y + 2, color);
}

void FillGlassHalf(TGPGraphics& graphics, TGDIPGradient gradient, TColor from, TColor to,
                   const TGPRectF& box, const TGPPoint& centre, const TGPRectF& fill) {
    std::unique_ptr<TGPBrush> brush;
    std::unique_ptr<TGPGraphicsPath> path;
    if (gradient == TGDIPGradient::ggRadial) {
        path = std::make_unique<TGPGraphicsPath>();
        path->AddEllipse(box.X, box.Y, box.Width, box.Height);
        auto radial = std::make_unique<TGPPathGradientBrush>(path.get());
        radial->SetCenterPoint(centre);
        radial->SetCenterColor(GradientEnd(to, from));
        ARGB surround = GradientEnd(from, to);
        int count = 1;
        radial->SetSurroundColors(&surround, &count);
        brush = std::move(radial);
    } else {
        const int mode = gradient == TGDIPGradient::ggVertical ? LinearGradientModeVertical
                         : gradient == TGDIPGradient::ggDiagonalForward
                             ? LinearGradientModeForwardDiagonal
                             : LinearGradientModeBackwardDiagonal;
        brush = std::make_unique<TGPLinearGradientBrush>(box, GradientEnd(from, to),
                                                         GradientEnd(to, from), mode);
    }
    graphics.FillRectangle(brush.get(), fill.X, fill.Y, fill.Width, fill.Height);
}

void DrawGlassButton(Canvas& canvas, const TRect& area, const TGlassButton& b) {
    // The face, and the drop-down part beside or below it.
    TRect r = area;
    TRect drop;
    if (b.dropDownButton) {
        drop = r;
        if (b.dropDownPos) {
            drop.top = r.bottom - 13;
            r.bottom = drop.top;
        } else {
            drop.left = r.right - 13;
            r.right = drop.left;
        }
    }
    int w = r.Width();
    int h = r.Height();
    int hh = h / 2;
    const int mw = w / 2;
    const float left = r.left, top = r.top;

    // Nothing of the face is painted outside its rectangle (the gradient
    // fills reach a row past it).
    canvas.SaveState();
    canvas.IntersectClipRect(area);
    {
        TGPGraphics graphics(&canvas.Painter());

        FillPlain(canvas, {r.left, r.top + hh, r.right, r.bottom}, b.colorMirror);
        if (b.colorMirror != clNone) {
            const bool radial = b.gradientMirror == TGDIPGradient::ggRadial;
            FillGlassHalf(graphics, b.gradientMirror, b.colorMirror, b.colorMirrorTo,
                          radial ? MakeRect(left, top + hh, w, h) : MakeRect(left, top + hh, w, hh),
                          MakePoint(r.left + mw, r.bottom),
                          radial ? MakeRect(left + 1, top + hh, w - 1, hh + 1)
                                 : MakeRect(left + 1, top + hh + 1, w - 1, hh + 1));
        }

        if (h % 2 != 0) ++hh;
        FillPlain(canvas, {r.left, r.top, r.right, r.top + hh}, b.color);
        if (b.color != clNone) {
            const bool radial = b.gradient == TGDIPGradient::ggRadial;
            const TGPRectF box = radial ? MakeRect(left, top - hh, w, h)
                                 : b.gradient == TGDIPGradient::ggVertical
                                     ? MakeRect(left, top, w, hh)
                                     : MakeRect(left, top, w, h);
            FillGlassHalf(graphics, b.gradient, b.color, b.colorTo, box,
                          MakePoint(r.left + mw, r.top),
                          MakeRect(left + 1, top + 1, w - 1, h - hh - 1));
        }

        if (b.borderColor != clNone) {
            TGPPen pen(ColorToARGB(b.borderColor), 1);
            graphics.SetSmoothingMode(SmoothingModeAntiAlias);
            if (b.rounded)
                DrawRoundRectPath(graphics, pen, r.left, r.top, w - 1, h - 1, 3);
            else
                DrawRectPath(graphics, pen, r.left, r.top, w - 1, h - 1);
        }

        if (b.focused) {
            graphics.SetSmoothingMode(SmoothingModeAntiAlias);
            TGPPen frame(ColorToARGB(0xE4AD89), 1);
            DrawRoundRectPath(graphics, frame, r.left + 1, r.top + 1, w - 3, h - 3, 3);
            TGPPen dots(ColorToARGB(0x808080), 1);
            dots.SetDashStyle(DashStyleDot);
            DrawRoundRectPath(graphics, dots, r.left + 2, r.top + 2, w - 5, h - 5, 3);
        }

        // The caption, and where the image goes beside it.
        const bool hasPicture = b.picture != nullptr && !b.picture->Empty();
        const bool hasImages = b.images != nullptr && b.imageIndex != -1;
        int iw = 0, ih = 0;
        if (hasPicture) {
            b.picture->ReadImageSize();
            iw = b.picture->Width();
            ih = b.picture->Height();
        } else if (hasImages) {
            iw = b.images->Width();
            ih = b.images->Height();
        }
        int ix = 0, iy = 0;
        if (!b.caption.empty()) {
            const std::u16string caption = Utf16(b.caption);
            TGPFontFamily family(Utf16(b.font.name));
            const int style = (b.font.bold ? FontStyleBold : 0) |
                              (b.font.italic ? FontStyleItalic : 0) |
                              (b.font.underline ? FontStyleUnderline : 0);
            TGPFont font(&family, static_cast<float>(b.font.size), style, UnitPoint);
            const TColor textColor = b.enabled ? b.font.color : TColor(0x808080);
            TGPSolidBrush textBrush(ColorToARGB(textColor));
            TGPStringFormat format;
            format.SetAlignment(StringAlignmentCenter);
            format.SetLineAlignment(StringAlignmentCenter);
            format.SetHotkeyPrefix(HotkeyPrefixShow);
            if (b.antiAlias == TAntiAlias::aaClearType)
                graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
            else if (b.antiAlias == TAntiAlias::aaAntiAlias)
                graphics.SetTextRenderingHint(TextRenderingHintAntiAlias);

            TGPRectF layout = MakeRect(left, top, w, h);
            TGPRectF box;
            if (b.antiAlias != TAntiAlias::aaNone) {
                graphics.MeasureString(caption, -1, &font, layout, &format, &box, nullptr, nullptr);
            } else {
                canvas.font = b.font;
                TRect calc = r;
                canvas.DrawText(b.caption, calc,
                                DrawTextFlags::kCalcRect | DrawTextFlags::kWordBreak);
                box = MakeRect(calc.left, calc.top, calc.Width(), calc.Height());
            }
            if (iw > 0) {
                switch (b.glyphPosition) {
                    case TGlyphPosition::gpLeft:
                        layout.X = left + 2 + iw;
                        layout.Width = w - 2 - iw;
                        ix = std::max(RoundHalfEven(box.X - iw / 2), r.left + 2);
                        iy = std::max(0, (h - ih) / 2) + r.top;
                        break;
                    case TGlyphPosition::gpTop:
                        layout.Y = top + ih;
                        layout.Height = h - 2 - ih;
                        ix = std::max(0, (w - iw) / 2) + r.left;
                        iy = std::max(0, RoundHalfEven(layout.Height - box.Height) / 2) +
                             RoundHalfEven(layout.Y) - ih;
                        iy = std::max(iy, r.top + 2);
                        break;
                    case TGlyphPosition::gpRight:
                        layout.X = left + 2;
                        layout.Width = w - 4 - iw;
                        ix = std::max(0, RoundHalfEven(layout.Width - box.Width) / 2) +
                             RoundHalfEven(box.Width) + 4;
                        if (w - iw < ix) ix = w - iw - 2;
                        ix += r.left;
                        iy = std::max(0, (h - ih) / 2) + r.top;
                        break;
                    case TGlyphPosition::gpBottom:
                        layout.Y = top + 2;
                        layout.Height = h - 2 - ih;
                        ix = std::max(0, (w - iw) / 2) + r.left;
                        iy = std::max(0, RoundHalfEven(layout.Height - box.Height) / 2) +
                             RoundHalfEven(box.Height + 2);
                        if (h - ih < iy) iy = h - ih - 2;
                        iy += r.top;
                        break;
                }
            }
            if (b.antiAlias != TAntiAlias::aaNone) {
                graphics.DrawString(caption, -1, &font, layout, &format, &textBrush);
            } else {
                canvas.font = b.font;
                canvas.font.color = textColor;
                canvas.brush.style = BrushStyle::Clear;
                TRect whole{int(layout.X), int(layout.Y), int(layout.X + layout.Width),
                            int(layout.Y + layout.Height)};
                canvas.DrawText(
                    b.caption, whole,
                    DrawTextFlags::kCenter | DrawTextFlags::kVCenter | DrawTextFlags::kSingleLine);
            }
        }

        // The image, beside the caption or centred.
        if (b.dropDownButton) {
            if (b.dropDownPos)
                h -= 8;
            else
                w -= 8;
        }
        auto centred = [&](int pw, int ph) {
            return TPoint{std::max(0, (w - pw) / 2) + r.left, std::max(0, (h - ph) / 2) + r.top};
        };
        if (hasPicture) {
            const int pw = b.picture->Width(), ph = b.picture->Height();
            const TPoint at = b.caption.empty() ? centred(pw, ph) : TPoint{ix, iy};
            b.picture->Draw(canvas.Painter(), {at.x, at.y, at.x + pw, at.y + ph});
        } else if (hasImages) {
            const TPoint at = b.caption.empty() ? centred(iw, ih) : TPoint{ix, iy};
            b.images->Draw(canvas, at.x, at.y, b.imageIndex, b.imageEnabled);
        }
    }
    canvas.RestoreState();

    if (b.dropDownButton) {
        if (b.dropDownSplit) {
            canvas.pen.color = b.borderColor;
            if (b.dropDownPos)
                Line(canvas, drop.left, drop.top, drop.right, drop.top);
            else
                Line(canvas, drop.left, drop.top, drop.left, drop.bottom);
        }
        DrawSmallArrow(canvas,
                       {drop.left + (drop.Width() - 5) / 2, drop.top + (drop.Height() - 3) / 2 + 1},
                       b.enabled ? clBlack : TColor(0x808080));
    }
}

void DrawGlassButtonFace(Canvas& canvas, const TRect& r, TColor color, TColor colorTo,
                         TColor colorMirror, TColor colorMirrorTo, TColor borderColor,
                         TGDIPGradient gradient, TGDIPGradient gradientMirror,
                         std::string_view caption, const CanvasFont& font, bool enabled,
                         bool focused, TAntiAlias antiAlias, bool rounded) {
    TGlassButton b;
    b.color = color;
    b.colorTo = colorTo;
    b.colorMirror = colorMirror;
    b.colorMirrorTo = colorMirrorTo;
    b.borderColor = borderColor;
    b.gradient = gradient;
    b.gradientMirror = gradientMirror;
    b.caption = caption;
    b.font = font;
    b.enabled = enabled;
    b.focused = focused;
    b.antiAlias = antiAlias;
    b.rounded = rounded;
    DrawGlassButton(canvas, r, b);
}

void DrawCloseGlyph(Canvas& canvas, const TRect& r, TColor color, int size) {
    canvas.pen.color = color;
    const int s = size;
    const int dx = (r.Width() - s) / 3, dy = (r.Height() - s) / 3;
    const int l = r.left + dx, t = r.top + dy;
    Line(canvas, l, t + s, l + s + 1, t);
    Line(canvas, l + 1, t + s, l + s, t);
    Line(canvas, l, t + 1, l + s + 1, t + 1 + s);
    Line(canvas, l + 1, t + 1, l + s, t + 1 + s);
}

void DrawRestoreGlyph(Canvas& canvas, const TRect& r, TColor color, bool flag) {
    canvas.pen.color = color;
    if (flag) {
        const int l = r.left + (r.Width() - 8) / 3, t = r.top + (r.Height() - 8) / 3;
        Line(canvas, l + 2, t, l + 8, t);
        Line(canvas, l + 2, t + 1, l + 8, t + 1);
        Line(canvas, l + 8, t, l + 8, t + 6);
        Line(canvas, l, t + 3, l + 7, t + 3);
        Line(canvas, l, t + 4, l + 7, t + 4);
        canvas.Polyline({{l, t + 4}, {l, t + 8}, {l + 6, t + 8}, {l + 6, t + 4}});
    } else {
        const int R = r.right, t = r.top;
        Line(canvas, R - 5, t + 2, R - 5, t + 8);
        Line(canvas, R - 6, t + 2, R - 6, t + 8);
        Line(canvas, R - 5, t + 8, R - 11, t + 8);
        Line(canvas, R - 8, t, R - 8, t + 7);
        Line(canvas, R - 9, t, R - 9, t + 7);
        canvas.Polyline({{R - 9, t}, {R - 13, t}, {R - 13, t + 6}, {R - 9, t + 6}});
    }
}

void DrawMaximizeGlyph(Canvas& canvas, const TRect& r, TColor color, bool flag) {
    canvas.pen.color = color;
    if (flag) {
        const int l = r.left + (r.Width() - 8) / 3, t = r.top + (r.Height() - 8) / 3;
        Line(canvas, l, t + 1, l + 9, t + 1);
        Line(canvas, l, t + 2, l + 9, t + 2);
        canvas.Polyline({{l, t + 2}, {l, t + 8}, {l + 8, t + 8}, {l + 8, t + 2}});
    } else {
        const int R = r.right, t = r.top;
        Line(canvas, R - 8, t, R - 8, t + 7);
        Line(canvas, R - 9, t, R - 9, t + 7);
        canvas.Polyline({{R - 9, t}, {R - 13, t}, {R - 13, t + 6}, {R - 9, t + 6}});
    }
}

void DrawMinimizeGlyph(Canvas& canvas, const TRect& r, TColor color, bool flag) {
    canvas.pen.color = color;
    if (flag) {
        const int l = r.left + (r.Width() - 6) / 3, t = r.top + r.Height() / 2;
        Line(canvas, l, t, l + 6, t);
        Line(canvas, l, t + 1, l + 6, t + 1);
    } else {
        Line(canvas, r.left, r.top, r.left, r.top + 6);
        Line(canvas, r.left + 1, r.top, r.left + 1, r.top + 6);
    }
}

}  // namespace vx
