// The tool bar's painting, in this order: caption band, body, background
// picture, edge lines, drag grip, right handle, corner pixels, border.
#include <QPainter>

#include "styling/glow/GlowButtonRules.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"

namespace vx {

namespace {

constexpr TColor kFlatDotsColor = 0xA5A5A5;

void Segment(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Square(Canvas& canvas, int x, int y, TColor color) {
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = color;
    canvas.FillRect(Bounds(x, y, 2, 2));
}

// A gradient, or a plain fill of the first colour when either is none.
void Fill(Canvas& canvas, TColor from, TColor to, int steps, const TRect& r, bool horizontal) {
    if (from == clNone) return;
    if (to == clNone) {
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = from;
        canvas.FillRect(r);
        return;
    }
    DrawGradient(canvas, from, to, steps, r, horizontal);
}

// The caption band, docked or floating: its gradient and its border.
void CaptionBand(Canvas& canvas, const TCaptionAppearance& look, const TRect& band) {
    Fill(canvas, look.CaptionColor(), look.CaptionColorTo(), 80, band, false);
    if (look.CaptionBorderColor() != clNone) {
        canvas.pen.color = look.CaptionBorderColor();
        canvas.brush.style = BrushStyle::Clear;
        canvas.Rectangle(band);
    }
}

}  // namespace

TColor TFxCustomToolBar::PanelColorAt(int px, int py) {
    if (!panel_) return Color();
    const QImage& image = panel_->BackgroundBitmap();
    const int x = this->x() + px;
    const int y = this->y() + py;
    if (!image.rect().contains(x, y)) return panel_->Color();
    const QRgb rgb = image.pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TFxCustomToolBar::Paint(Canvas& canvas) {
    const TCustomFxToolBarStyler& styler = *CurrentStyler();
    PaintCaption(canvas, styler);
    PaintBody(canvas, styler);
    PaintBackGround(canvas, styler);
    PaintEdgeLines(canvas, styler);
    PaintMdiButtons(canvas, styler);
    PaintGrip(canvas, styler);
    PaintRightHandle(canvas, styler);
    PaintCaptionOptionButton(canvas, styler);
    PaintCorners(canvas, styler);
    PaintBorder(canvas, styler);
}

void TFxCustomToolBar::PaintCaption(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    if (State() == TToolBarState::tsFloating) {
        PaintFloatingCaption(canvas, styler);
        return;
    }
    const TRect band = CaptionRect();
    if (band.IsEmpty()) return;
    const TCaptionAppearance& look = styler.CaptionAppearance();
    CaptionBand(canvas, look, band);
    const QString caption = Caption();
    if (caption.isEmpty()) return;
    const int nearEnd = GripDrawn() ? kGripWidth + 3 : 3;
    const int farEnd = RightHandlePaintRect(true).IsEmpty() ? 0 : RightHandleWidth() + 2;
    TRect text = band;
    canvas.font = parentStyler_ ? styler.CaptionFont() : captionFont_;
    canvas.font.color = look.CaptionTextColor();
    canvas.brush.style = BrushStyle::Clear;
    const std::string utf8 = caption.toStdString();
    if (!Horizontal()) {
        // A vertical bar turns its caption: down on a right dock, up on a
        // left one.
        text.top += nearEnd;
        text.bottom -= farEnd;
        const bool right = BarAlign() == TDockAlign::daRight;
        canvas.font.escapement = right ? 2700 : 900;
        const int w = canvas.TextWidth(utf8);
        int y = 0;
        switch (captionAlignment_) {
            case menus::TAlignment::taLeftJustify:
                y = right ? text.top : text.bottom - 2;
                break;
            case menus::TAlignment::taRightJustify:
                y = right ? text.bottom - w - 5 : text.top + w + 2;
                break;
            case menus::TAlignment::taCenter:
                y = right ? text.top + (text.Height() - w) / 2
                          : text.bottom - (text.Height() - w) / 2;
                break;
        }
        canvas.TextOut(right ? text.right : text.left, y, utf8);
        return;
    }
    text.left += nearEnd;
    text.right -= farEnd;
    const TRect option = CaptionOptionButtonRect();
    if (!option.IsEmpty()) text.right = std::min(text.right, option.left);
    unsigned flags = DrawTextFlags::kSingleLine | DrawTextFlags::kVCenter |
                     DrawTextFlags::kEndEllipsis | DrawTextFlags::kNoPrefix;
    if (captionAlignment_ == menus::TAlignment::taCenter) flags |= DrawTextFlags::kCenter;
    if (captionAlignment_ == menus::TAlignment::taRightJustify) flags |= DrawTextFlags::kRight;
    canvas.DrawText(utf8, text, flags);
}

// A glass face in the styler's glow-button colours, blended while a fade
// runs, with the option picture centred on it.
void TFxCustomToolBar::PaintCaptionOptionButton(Canvas& canvas,
                                                const TCustomFxToolBarStyler& styler) {
    const TRect r = CaptionOptionButtonRect();
    if (r.IsEmpty()) return;
    TGlowPaintInput in;
    in.state = captionOptionDown_ ? TGlowState::Down : TGlowState::Up;
    in.enabled = isEnabled();
    in.hot = captionOptionHot_;
    in.fading = captionFadeTimer_.isActive();
    in.pressing = captionOptionDown_;
    in.hotStep = captionHotLevel_;
    in.downStep = captionDownLevel_;
    const TGlowColors c = SelectGlowColors(styler.GlowButtonAppearance(), in);
    DrawGlassButtonFace(canvas, r, c.color, c.colorTo, c.mirror, c.mirrorTo, c.border, c.gradient,
                        c.gradientMirror, {}, canvas.font, isEnabled(), false, antiAlias_, false);
    TGDIPPicture& picture =
        !isEnabled() && !optionDisabledPicture_.Empty() ? optionDisabledPicture_ : optionPicture_;
    if (!picture.ReadImageSize()) return;
    const int x = r.left + (r.Width() - picture.Width()) / 2;
    const int y = r.top + (r.Height() - picture.Height()) / 2;
    picture.Draw(canvas.Painter(), {x, y, x + picture.Width(), y + picture.Height()});
}

void TFxCustomToolBar::PaintFloatingCaption(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    const TRect band = CaptionRect();
    const TCaptionAppearance& look = styler.CaptionAppearance();
    CaptionBand(canvas, look, band);
    if (!Caption().isEmpty()) {
        TRect text{band.left + 3, band.top, FloatingDragRect().right, band.bottom};
        canvas.font = parentStyler_ ? styler.CaptionFont() : captionFont_;
        canvas.font.color = look.CaptionTextColor();
        canvas.brush.style = BrushStyle::Clear;
        canvas.DrawText(
            Caption().toStdString(), text,
            DrawTextFlags::kSingleLine | DrawTextFlags::kVCenter | DrawTextFlags::kNoPrefix);
    }
    const TRect option = OptionButtonRect();
    if (!option.IsEmpty())
        PaintFloatingButton(canvas, styler, option, optionHot_, optionDown_, false);
    const TRect close = CloseButtonRect();
    if (!close.IsEmpty()) PaintFloatingButton(canvas, styler, close, closeHot_, closeDown_, true);
}

void TFxCustomToolBar::PaintFloatingButton(Canvas& canvas, const TCustomFxToolBarStyler& styler,
                                           const TRect& r, bool hot, bool down, bool close) {
    const TRootItem& root = styler.CurrentMenuStyler()->RootItem();
    TColor glyph = clWhite;
    canvas.brush.style = BrushStyle::Solid;
    if (down) {
        canvas.pen.color = clBlack;
        canvas.brush.color = root.Color();
    } else if (hot) {
        canvas.pen.color = clBlack;
        canvas.brush.color = root.HoverColor();
        glyph = clBlack;
    } else {
        canvas.pen.color = styler.CaptionAppearance().CaptionColor();
        canvas.brush.color = styler.CaptionAppearance().CaptionColor();
    }
    canvas.Rectangle(r);
    canvas.pen.color = glyph;
    if (close) {
        const int x = r.left + 4, y = r.top + 4;
        Segment(canvas, x, y + 7, x + 8, y);
        Segment(canvas, x + 1, y + 7, x + 7, y);
        Segment(canvas, x, y + 1, x + 8, y + 8);
        Segment(canvas, x + 1, y + 1, x + 7, y + 8);
    } else {
        const int x = r.left, y = r.bottom;
        Segment(canvas, x + 5, y - 10, x + 12, y - 10);
        Segment(canvas, x + 6, y - 9, x + 11, y - 9);
        Segment(canvas, x + 7, y - 8, x + 10, y - 8);
        Segment(canvas, x + 8, y - 7, x + 9, y - 7);
    }
}

void TFxCustomToolBar::PaintBody(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    TRect body = BodyRect();
    body.right += 1;
    body.bottom += 1;
    bool horizontal = IsHorizontal(styler.Color().Direction());
    if (!Horizontal() && !parentStyler_) horizontal = !horizontal;
    if (FullSizeOn()) {
        const TGradientBackground& dock = styler.DockColor();
        const bool floating = State() == TToolBarState::tsFloating;
        Fill(canvas, dock.Color(), floating ? dock.Color() : dock.ColorTo(), 256, body,
             !horizontal);
        return;
    }
    const TGradientBackground& color = styler.Color();
    if (State() == TToolBarState::tsFloating && FloatingRows() > 1) {
        // Band by band, each one row high and with the whole gradient.
        const int thickness = DockedThickness(true);
        for (int top = body.top; top < body.bottom; top += thickness)
            Fill(canvas, color.Color(), color.ColorTo(), color.Steps(),
                 {body.left, top, body.right, std::min(top + thickness, body.bottom)}, horizontal);
        return;
    }
    Fill(canvas, color.Color(), color.ColorTo(), color.Steps(), body, horizontal);
}

void TFxCustomToolBar::PaintBackGround(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    DrawBackGroundPicture(canvas, styler, width(), height(), BodyRect().Inflated(-2, -2));
}

void TFxCustomToolBar::PaintEdgeLines(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    if (!styler.ShowToolBarBevel() || State() == TToolBarState::tsFloating) return;
    const int w = width();
    const int h = height();
    const int kind = styler.ToolBarBevel();
    if (kind == 1) {
        canvas.pen.color = clBtnShadow;
        canvas.Polyline({{1, h}, {1, 1}, {w, 1}});
        canvas.pen.color = clWhite;
        canvas.Polyline({{w - 1, 1}, {w - 1, h - 1}, {1, h - 1}});
    } else if (kind >= 2) {
        canvas.pen.color = clWhite;
        canvas.Polyline({{0, h}, {0, 0}, {w, 0}});
        canvas.pen.color = clBtnShadow;
        canvas.Polyline({{w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    }
}

void TFxCustomToolBar::PaintGrip(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    const TRect g = GripPaintRect();
    if (g.IsEmpty()) return;
    if (!styler.DragGripImage().isNull()) {
        canvas.StretchDraw(g, styler.DragGripImage());
        return;
    }
    const bool horizontal = Horizontal();
    switch (styler.DragGripStyle()) {
        case TDragGripStyle::dsDots: {
            const int n = ((horizontal ? g.bottom : g.right) - 8) / 4;
            for (int k = 0; k < n; ++k) {
                if (horizontal) {
                    const int y = g.top + 4 + 4 * k;
                    Square(canvas, g.left + 4, y + 1, clWhite);
                    Square(canvas, g.left + 3, y, clBtnShadow);
                } else {
                    const int x = g.left + 4 + 4 * k;
                    Square(canvas, x + 1, g.top + 4, clWhite);
                    Square(canvas, x, g.top + 3, clBtnShadow);
                }
            }
            break;
        }
        case TDragGripStyle::dsSingleLine:
            if (horizontal)
                Draw3DLinePair(canvas, {g.left + 4, g.top + 3}, {g.left + 4, g.bottom - 4}, true,
                               true);
            else
                Draw3DLinePair(canvas, {g.right - 5, g.top + 4}, {g.left + 3, g.top + 4}, true,
                               false);
            break;
        case TDragGripStyle::dsDoubleLine:
            for (int at : {2, 5}) {
                if (horizontal)
                    Draw3DLinePair(canvas, {g.left + at, g.top + 3}, {g.left + at, g.bottom - 4},
                                   true, true);
                else
                    Draw3DLinePair(canvas, {g.right - 5, g.top + at}, {g.left + 3, g.top + at},
                                   true, false);
            }
            break;
        case TDragGripStyle::dsFlatDots: {
            const int n = ((horizontal ? g.bottom : g.right) - 8) / 2;
            canvas.pen.color = kFlatDotsColor;
            for (int k = 0; k < n; ++k) {
                if (horizontal) {
                    const int y = g.top + 3 + 2 * k;
                    Segment(canvas, g.left + 2, y + 1, g.left + 5, y + 1);
                } else {
                    const int x = g.left + 3 + 2 * k;
                    Segment(canvas, x + 1, g.top + 2, x + 1, g.top + 5);
                }
            }
            break;
        }
        case TDragGripStyle::dsNone:
            break;
    }
}

void TFxCustomToolBar::PaintRightHandle(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    const bool rounded = styler.RoundedEdges();
    const TRect h = RightHandlePaintRect(rounded);
    if (h.IsEmpty()) return;
    TColor c1 = styler.RightHandleColor();
    TColor c2 = styler.RightHandleColorTo();
    TColor frame = styler.ButtonAppearance().BorderColor();
    if (rightHandleDown_ || OptionWindowShowing()) {
        c1 = styler.RightHandleColorDown();
        c2 = styler.RightHandleColorDownTo();
        frame = styler.ButtonAppearance().BorderDownColor();
    } else if (rightHandleHot_) {
        c1 = styler.RightHandleColorHot();
        c2 = styler.RightHandleColorHotTo();
        frame = styler.ButtonAppearance().BorderHotColor();
    }
    if (!styler.RightHandleImage().isNull()) {
        canvas.StretchDraw(h, styler.RightHandleImage());
        return;
    }
    const bool horizontal = Horizontal();
    const TRect fill = horizontal ? TRect{h.left + 3, h.top, h.right, h.bottom}
                                  : TRect{h.left, h.top + 3, h.right, h.bottom};
    Fill(canvas, c1, c2 == clNone ? c1 : c2, 16, fill, !horizontal);
    const bool overflow = HiddenLength() >= 1;
    // The glyphs are given as on a horizontal handle; a vertical handle
    // takes them with x and y exchanged.
    const int l = h.left, t = h.top;
    const int r = l + (horizontal ? h.Width() : h.Height());
    const int b = t + (horizontal ? h.Height() : h.Width());
    auto at = [&](int x, int y) {
        return horizontal ? TPoint{x, y} : TPoint{l + (y - t), t + (x - l)};
    };
    auto segment = [&](int x1, int y1, int x2, int y2) {
        const TPoint p1 = at(x1, y1), p2 = at(x2, y2);
        Segment(canvas, p1.x, p1.y, p2.x, p2.y);
    };
    auto pixel = [&](int x, int y, TColor color) {
        const TPoint p = at(x, y);
        canvas.SetPixel(p.x, p.y, color);
    };
    if (rounded) {
        const TColor second = c2 == clNone ? c1 : c2;
        const bool inPanel = State() == TToolBarState::tsDocked && panel_;
        const int R = h.right, B = h.bottom, L = h.left, T = h.top;
        auto fromPanel = [&](int x, int y) { canvas.SetPixel(x, y, PanelColorAt(x, y)); };
        if (horizontal) {
            if (inPanel)
                for (auto [x, y] : {std::pair{R - 2, T},
                                    {R - 3, T},
                                    {R - 2, T + 1},
                                    {R - 2, B - 2},
                                    {R - 3, B - 2},
                                    {R - 2, B - 3}})
                    fromPanel(x, y);
            for (auto [x, y] : {std::pair{L + 1, T}, {L + 2, T}, {L + 2, T + 1}})
                canvas.SetPixel(x, y, c1);
            for (auto [x, y] : {std::pair{L + 1, B - 2}, {L + 2, B - 2}, {L + 2, B - 3}})
                canvas.SetPixel(x, y, second);
        } else {
            if (inPanel)
                for (auto [x, y] : {std::pair{L, B - 1},
                                    {L + 1, B - 1},
                                    {L, B - 2},
                                    {R - 1, B - 1},
                                    {R - 2, B - 1},
                                    {R - 1, B - 2}})
                    fromPanel(x, y);
            for (auto [x, y] : {std::pair{L, T + 2}, {L + 1, T + 2}, {L, T + 1}})
                canvas.SetPixel(x, y, c1);
            for (auto [x, y] : {std::pair{R - 1, T + 2}, {R - 2, T + 2}, {R - 1, T + 1}})
                canvas.SetPixel(x, y, second);
        }
        if (overflow) {
            canvas.pen.color = clBlack;
            segment(r - 6, t + 5, r - 6, t + 8);
            segment(r - 6, t + 6, r - 4, t + 6);
            segment(r - 10, t + 5, r - 10, t + 8);
            segment(r - 10, t + 6, r - 8, t + 6);
            canvas.pen.color = clWhite;
            segment(r - 5, t + 7, r - 5, t + 9);
            segment(r - 5, t + 7, r - 3, t + 7);
            segment(r - 9, t + 7, r - 9, t + 9);
            segment(r - 9, t + 7, r - 7, t + 7);
        }
        if (ShowOptionIndicatorOn()) {
            canvas.pen.color = clBlack;
            segment(r - 9, b - 11, r - 4, b - 11);
            segment(r - 9, b - 8, r - 4, b - 8);
            segment(r - 8, b - 7, r - 5, b - 7);
            pixel(r - 7, b - 6, clBlack);
            canvas.pen.color = clWhite;
            segment(r - 8, b - 10, r - 3, b - 10);
            segment(r - 5, b - 7, r - 3, b - 7);
            segment(r - 6, b - 6, r - 4, b - 6);
            pixel(r - 6, b - 5, clWhite);
        }
        return;
    }
    if (frame != clNone) {
        canvas.pen.color = frame;
        canvas.brush.style = BrushStyle::Clear;
        canvas.Rectangle(h);
    }
    canvas.pen.color = clBlack;
    if (overflow) {
        segment(l + 8, t + 3, l + 11, t + 6);
        segment(l + 11, t + 6, l + 7, t + 10);
        segment(l + 6, t + 3, l + 9, t + 6);
        segment(l + 9, t + 6, l + 5, t + 10);
    }
    if (ShowOptionIndicatorOn()) {
        segment(r - 9, b - 9, r - 4, b - 9);
        segment(r - 9, b - 7, r - 4, b - 7);
        segment(r - 8, b - 6, r - 5, b - 6);
        pixel(r - 7, b - 5, clBlack);
    }
}

void TFxCustomToolBar::PaintCorners(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    if (State() != TToolBarState::tsDocked || !panel_ || !styler.RoundedEdges() ||
        styler.ToolBarBevel() != 0 || FullSizeOn())
        return;
    const TRect body = BodyRect();
    const int l = body.left, t = body.top, r = body.right - 1, b = body.bottom - 1;
    auto corner = [&](int x, int y, int dx, int dy) {
        for (auto [px, py] : {std::pair{x, y}, {x + dx, y}, {x, y + dy}})
            canvas.SetPixel(px, py, PanelColorAt(px, py));
    };
    corner(l, t, 1, 1);
    if (Horizontal())
        corner(l, b, 1, -1);
    else
        corner(r, t, -1, 1);
    if (RightHandlePaintRect(true).IsEmpty()) {
        corner(r, b, -1, -1);
        if (Horizontal())
            corner(r, t, -1, 1);
        else
            corner(l, b, 1, -1);
    }
}

void TFxCustomToolBar::PaintBorder(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    if (State() == TToolBarState::tsFloating || styler.BorderColor() == clNone) return;
    canvas.pen.color = styler.BorderColor();
    canvas.brush.style = BrushStyle::Clear;
    const TRect body = BodyRect();
    if (styler.RoundedEdges() && styler.ToolBarBevel() == 0 && !FullSizeOn())
        canvas.RoundRect(body, 6, 6);
    else
        canvas.Rectangle(TRect{body.left, body.top, body.right + 1, body.bottom + 1});
}

}  // namespace vx
