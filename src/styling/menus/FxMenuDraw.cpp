#include "styling/menus/FxMenuDraw.h"

#include "platform/paint/DesktopMetrics.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <functional>

namespace vx {
namespace {

using menus::TGradientDirection;
namespace DT = DrawTextFlags;

constexpr const char* kWinPrefix = "Win+";

TRect Intersect(const TRect& a, const TRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

void FillSolid(Canvas& canvas, const TRect& r, TColor color) {
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = color;
    canvas.FillRect(r);
}

void Frame(Canvas& canvas, const TRect& r, TColor color) {
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = color;
    canvas.FrameRect(r);
}

void Line(Canvas& canvas, int x0, int y0, int x1, int y1, TColor color) {
    canvas.pen.color = color;
    canvas.pen.width = 1;
    canvas.pen.style = PenStyle::Solid;
    canvas.pen.mode = PenMode::Copy;
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

// One channel a fraction num/den of the way from `from` to `to`, the
// division truncating toward zero.
int Step(int from, int to, int num, int den) {
    return (from + (to - from) * num / den) & 0xFF;
}

TColor Between(TColor from, TColor to, int num, int den) {
    const TRGB a = SplitColor(from);
    const TRGB b = SplitColor(to);
    return RGBColor(Step(a.red, b.red, num, den), Step(a.green, b.green, num, den),
                    Step(a.blue, b.blue, num, den));
}

// A picture ready to be drawn over something: its own alpha kept, else the
// colour of its bottom-left pixel made transparent; a monochrome picture's
// other pixels take the ink colour when one is given.
QImage TransparentImage(const QImage& source, std::optional<TColor> ink) {
    if (source.isNull()) return {};
    if (source.hasAlphaChannel() && !ink) return source;
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = image.pixel(0, image.height() - 1);
    const bool mono = source.depth() == 1;
    const QRgb inkRgb = ink ? ToQColor(*ink).rgb() : 0;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == clear)
                line[x] = 0;
            else if (mono && ink)
                line[x] = inkRgb;
        }
    }
    return image;
}

// Whether the item is drawn greyed: disabled or grayed in its state, or not
// enabled.
bool ItemGreyed(const TMenuItemInfo& item, unsigned state) {
    return (state & (MenuItemState::kDisabled | MenuItemState::kGrayed)) || !item.enabled;
}

CanvasFont ItemFont(const TCustomFxMenuStyler& s, const TMenuItemInfo& item, unsigned state) {
    const bool selected = state & MenuItemState::kSelected;
    CanvasFont font;
    if (item.rootItem) {
        font = s.RootItem().UseSystemFont() ? ScreenMenuFont() : s.RootItem().Font();
        const TColor selectedText = s.RootItem().SelectedTextColor();
        const TColor hoverText = s.RootItem().HoverTextColor();
        if (selected && selectedText != clNone)
            font.color = selectedText;
        else if ((state & MenuItemState::kHotLight) && hoverText != clNone)
            font.color = hoverText;
    } else if (selected) {
        font = s.SelectedItem().UseSystemFont() ? ScreenMenuFont() : s.SelectedItem().Font();
    } else {
        font = s.UseSystemFont() ? ScreenMenuFont() : s.Font();
    }
    return font;
}

// Draws (or with kCalcRect measures) a caption or shortcut text in the
// item's font and state.
void ItemText(const TCustomFxMenuStyler& s, const TMenuItemInfo& item, Canvas& canvas,
              std::string text, TRect& rect, unsigned format, unsigned state) {
    if (item.rightToLeft) format |= DT::kRight | DT::kRtlReading;
    if ((format & DT::kCalcRect) && (text.empty() || text == "&")) text += " ";
    canvas.brush.style = BrushStyle::Clear;
    canvas.font = ItemFont(s, item, state);
    if (item.isDefault) canvas.font.bold = true;
    const bool selected = state & MenuItemState::kSelected;
    const bool disabled = ItemGreyed(item, state);
    if (disabled && !(format & DT::kCalcRect)) {
        if (!selected) {
            const TColor keep = canvas.font.color;
            canvas.font.color = clBtnHighlight;
            TRect moved = rect.Offset(1, 1);
            canvas.DrawText(text, moved, format);
            canvas.font.color = keep;
        }
        canvas.font.color = selected && ColorToRGB(clHighlight) == ColorToRGB(clBtnShadow)
                                ? clBtnHighlight
                                : clBtnShadow;
    }
    canvas.DrawText(text, rect, format);
}

CanvasFont MeasureFont(const TCustomFxMenuStyler& s, const TMenuItemInfo& item) {
    if (item.rootItem) return s.RootItem().UseSystemFont() ? ScreenMenuFont() : s.RootItem().Font();
    if (!s.UseSystemFont()) return s.Font();
    if (!s.SelectedItem().UseSystemFont()) return s.SelectedItem().Font();
    return ScreenMenuFont();
}

void DrawSideBarCaption(const TCustomFxMenuStyler& s, Canvas& canvas, const TRect& area) {
    const TSideBar& bar = s.SideBar();
    if (bar.Caption().empty()) return;
    const bool downToUp = bar.Direction() == TDirection::dDownToUp;
    canvas.font = AngledFont(bar.Font(), downToUp ? 90 : -90);
    CanvasFont upright = bar.Font();
    const QFontMetrics fm(ToQFont(upright));
    const int cx = fm.horizontalAdvance(QString::fromStdString(bar.Caption()));
    const int cy = fm.height();
    const int h = RectHeight(area);
    const int margin = bar.CaptionMargin();
    int x = RoundHalfEven((bar.Size() - cy) / 2.0 - 0.5);
    int y = 0;
    const menus::TAlignment a = bar.Alignment();
    if (a == menus::TAlignment::taCenter) {
        y = RoundHalfEven((h + cx) / 2.0 - 0.5);
    } else if ((a == menus::TAlignment::taRightJustify) == downToUp) {
        y = margin + cx;
    } else {
        y = h - margin;
        const TBackground& picture = bar.Image();
        if (picture.HasImage() && (picture.Position() == TBackgroundPosition::bpBottomLeft ||
                                   picture.Position() == TBackgroundPosition::bpBottomRight))
            y -= picture.Image().height();
    }
    if (!downToUp) {
        y -= cx;
        x += cy + 1;
    }
    x += area.left;
    y += area.top;
    canvas.SaveState();
    canvas.IntersectClipRect({area.left, area.top, area.right, area.bottom + 1});
    canvas.brush.style = BrushStyle::Clear;
    const int d = bar.Depth();
    const TColor ink = canvas.font.color;
    if (bar.HighlightColor() != clNone) {
        canvas.font.color = bar.HighlightColor();
        canvas.TextOut(x - d, y + d, bar.Caption());
    }
    if (bar.ShadowColor() != clNone) {
        canvas.font.color = bar.ShadowColor();
        canvas.TextOut(x + d, y - d, bar.Caption());
    }
    canvas.font.color = ink;
    canvas.TextOut(x, y, bar.Caption());
    canvas.RestoreState();
}

void DrawSideBar(const TCustomFxMenuStyler& s, Canvas& canvas, TRect area) {
    const TSideBar& bar = s.SideBar();
    bar.SetPaintedHeight(RectHeight(area));
    DrawBackgroundObject(canvas, area, bar.Background(), true);
    if (bar.Image().Color() != clNone) DrawBackgroundObject(canvas, area, bar.Image(), true);
    DrawSideBarCaption(s, canvas, area);
    if (bar.BorderColor() != clNone) {
        TRect border = area;
        border.right -= bar.SplitterWidth();
        Frame(canvas, border, bar.BorderColor());
    }
    if (bar.SplitterColor() != clNone) {
        const TRect splitter{area.right - bar.SplitterWidth(), area.top, area.right, area.bottom};
        DrawGradientLine(canvas, splitter, bar.SplitterMargin(), bar.SplitterGradientWidth(),
                         bar.SplitterGradientType(), false, bar.SplitterColor(),
                         bar.SplitterColorTo());
    }
}

// The window's items' area at (0, 0), less the strip at its right.
TRect ItemsWindow(const TMenuWindowInfo& window) {
    TRect w = window.itemsArea;
    w = w.Offset(-w.left, -w.top);
    w.right -= kMenuRightStrip;
    return w;
}

std::size_t BackgroundKey(const TBackground& bg, const TRect& area) {
    std::size_t key = 0;
    const auto mix = [&key](std::size_t v) { key = key * 1000003u ^ v; };
    mix(static_cast<std::size_t>(area.Width()));
    mix(static_cast<std::size_t>(area.Height()));
    mix(static_cast<std::size_t>(bg.Image().cacheKey()));
    mix(static_cast<std::size_t>(ColorToRGB(bg.Color())));
    mix(static_cast<std::size_t>(ColorToRGB(bg.ColorTo())));
    mix(static_cast<std::size_t>(bg.GradientDirection()));
    mix(static_cast<std::size_t>(bg.Position()));
    mix(static_cast<std::size_t>(bg.OffsetX()) << 16 ^ static_cast<std::size_t>(bg.OffsetY()));
    mix(static_cast<std::size_t>(bg.MarginX()) << 16 ^ static_cast<std::size_t>(bg.MarginY()));
    return key;
}

// The icon bar, background and side bar behind a drop-down item.
void DrawDropDownBackground(const TCustomFxMenuStyler& s, const TMenuItemInfo& item, Canvas& canvas,
                            const TRect& r2, bool sideBar, const TMenuWindowInfo& window) {
    const TRect w = ItemsWindow(window);
    if (sideBar && item.firstVisible) DrawDropDownSideBar(s, canvas, window);
    const TIconBar& icon = s.IconBar();
    const TRect i{r2.left, w.top, r2.left + icon.Size(), w.bottom};
    FillGradientPart(canvas, i, icon.GradientDirection(), icon.Color(), icon.ColorTo(), r2);
    if (icon.SeparatorColor() != clNone)
        Line(canvas, i.right - 1, i.top, i.right - 1, i.bottom, icon.SeparatorColor());

    const TBackground& bg = s.Background();
    TRect b = r2;
    b.left = i.right;
    const TRect c{b.left, w.top, b.right, w.bottom};
    if (bg.MarginX() >= 1 || bg.MarginY() >= 1) {
        FillSolid(canvas, b, bg.Color());
        b = b.Inflated(-bg.MarginX(), -bg.MarginY());
    }
    FillGradientPart(canvas, c, bg.GradientDirection(), bg.Color(), bg.ColorTo(), b);
    if (bg.HasImage() && !b.IsEmpty()) {
        QImage& cache = s.CacheBitmap();
        const std::size_t key = BackgroundKey(bg, w);
        if (cache.isNull() || key != s.CacheKey()) {
            cache = QImage(std::max(1, w.Width()), std::max(1, w.Height()),
                           QImage::Format_ARGB32_Premultiplied);
            cache.fill(Qt::transparent);
            QPainter painter(&cache);
            Canvas cacheCanvas(painter);
            DrawBackgroundObject(cacheCanvas, w, bg, false);
            s.CacheKey() = key;
        }
        canvas.Draw(b.left, b.top, cache.copy(b.left, b.top, b.Width(), b.Height()));
    }
}

void DrawSeparatorItem(const TCustomFxMenuStyler& s, Canvas& canvas, const TRect& r) {
    const TSeparator& sep = s.Separator();
    TRect l = r;
    l.left += s.IconBar().Size();
    const int y = RectHeight(l) / 2 + l.top;
    const TRect line{l.left, y - sep.Width() / 2, l.right, y + (sep.Width() + 1) / 2};
    DrawGradientLine(canvas, line, sep.Margin(), sep.GradientWidth(), sep.GradientType(), true,
                     sep.Color(), sep.ColorTo());
}

void DrawCheckGlyph(const TCustomFxMenuStyler& s, const TMenuItemInfo& item, Canvas& canvas,
                    const TRect& itemRect, const TRect& q, const TRect& g, unsigned state) {
    const bool selected = state & MenuItemState::kSelected;
    const bool fill = !ItemGreyed(item, state);
    const TSelectedItem& sel = s.SelectedItem();
    const TIconBar& icon = s.IconBar();
    if (item.radioItem) {
        if (selected)
            DrawGradientBox(canvas, q, fill, sel.RadioBorder(), sel.RadioGradientDirection(),
                            sel.RadioColor(), sel.RadioColorTo());
        else
            DrawGradientBox(canvas, q, fill, icon.RadioBorder(), icon.RadioGradientDirection(),
                            icon.RadioColor(), icon.RadioColorTo());
    } else if (selected) {
        DrawGradientBox(canvas, q, fill, sel.CheckBorder(), sel.CheckGradientDirection(),
                        sel.CheckColor(), sel.CheckColorTo());
    } else {
        DrawGradientBox(canvas, q, fill, icon.CheckBorder(), icon.CheckGradientDirection(),
                        icon.CheckColor(), icon.CheckColorTo());
    }
    if (selected && sel.BorderColor() != clNone) Frame(canvas, itemRect, sel.BorderColor());
    const QImage& glyph = item.radioItem ? s.Glyphs().Radio() : s.Glyphs().Check();
    DrawGlyph(canvas, g.left, g.top, glyph, clBtnText);
}

void DrawSubMenuArrow(const TCustomFxMenuStyler& s, const TMenuItemInfo& item, Canvas& canvas,
                      const TRect& r, int alignment) {
    if (item.rightToLeft) return;
    const int m = (r.top + r.bottom - 5) / 2;
    const TRect a = alignment == 1 ? TRect{r.left + 5, m, r.left + 8, m + 6}
                                   : TRect{r.right - 8, m, r.right - 5, m + 6};
    const QImage& glyph = s.Glyphs().SubMenu();
    if (glyph.isNull()) return;
    const TRect g = CenterInRect(a, glyph.width(), glyph.height());
    DrawGlyph(canvas, g.left, g.top, glyph, clBlack);
}

void DrawItemFace(const TCustomFxMenuStyler& s, const TMenuItemInfo& item, Canvas& canvas, TRect r,
                  unsigned state, const TMenuWindowInfo& window) {
    const bool selected = state & MenuItemState::kSelected;
    const bool hot = state & MenuItemState::kHotLight;
    const TRootItem& root = s.RootItem();
    if (item.rootItem) {
        if (selected || hot) {
            const auto color = [&](int i) {
                return selected ? root.GetSelectedColor(i) : root.GetHoverColor(i);
            };
            const TColor border = selected ? root.SelectedBorderColor() : root.HoverBorderColor();
            const TGradientDirection dir =
                selected ? root.SelectedGradientDirection() : root.HoverGradientDirection();
            if (color(2) == clNone)
                DrawGradientBox(canvas, r, true, border, dir, color(0), color(1));
            else
                DrawMirrorGradientBox(canvas, r, true, border, dir, color(0), color(1), color(2),
                                      color(3));
            if (selected && item.hasSubItems)
                Line(canvas, r.left, r.bottom - 1, r.right - 1, r.bottom - 1,
                     s.Background().Color());
        } else if (root.Color() != clNone) {
            if (!window.menuBar) return;
            TRect m = *window.menuBar;
            m.top = r.top;
            m.bottom = r.bottom;
            TRect clip = r;
            if (window.lastRootItem) {
                clip.right = m.right;
                if (window.mdiChildMaximized) clip.right -= MdiChildButtonsWidth();
            }
            FillGradientPart(canvas, m, root.GradientDirection(), root.Color(), root.ColorTo(),
                             clip);
        }
    } else if (selected) {
        const TSelectedItem& sel = s.SelectedItem();
        DrawMirrorGradientBox(canvas, r, true, sel.BorderColor(), sel.GradientDirection(),
                              sel.Color(), sel.ColorTo(), sel.ColorMirror(), sel.ColorMirrorTo());
    }

    const int alignment = item.rootItem ? 2 : (item.inMainMenu ? 0 : item.popupAlignment);
    static constexpr unsigned kHorizontal[3] = {DT::kLeft, DT::kRight, DT::kCenter};

    TRect q = r;
    q.right = q.left + s.IconBar().Size();
    q.top += 1;
    q.bottom -= 1;
    const int side = std::min(RectWidth(q), RectHeight(q));
    q = CenterInRect(q, side, side);

    const bool fromList = item.hasImageList && item.imageIndex > -1 &&
                          item.imageIndex < item.imageCount && !item.image.isNull();
    const bool bitmapImage = !item.bitmap.isNull() && !fromList;
    const bool checkMark = item.checked && !item.rootItem && !fromList && !bitmapImage;
    TRect g = CenterInRect(q, 16, 16);
    if (fromList) g = CenterInRect(q, item.imageWidth, item.imageHeight);
    if (item.rootItem) g = g.Offset(r.left + 6 - g.left, 0);
    if (fromList || bitmapImage || checkMark) {
        const bool disabled = ItemGreyed(item, state);
        if (item.checked && !checkMark) {
            const TSelectedItem& sel = s.SelectedItem();
            const TIconBar& icon = s.IconBar();
            if (selected)
                DrawGradientBox(canvas, q, !disabled, sel.CheckBorder(),
                                sel.CheckGradientDirection(), sel.CheckColor(), sel.CheckColorTo());
            else
                DrawGradientBox(canvas, q, !disabled, icon.CheckBorder(),
                                icon.CheckGradientDirection(), icon.CheckColor(),
                                icon.CheckColorTo());
        }
        if (fromList)
            canvas.Draw(g.left, g.top, item.image);
        else if (bitmapImage)
            canvas.Draw(g.left, g.top, TransparentImage(item.bitmap, std::nullopt));
        else
            DrawCheckGlyph(s, item, canvas, r, q, g, state);
    }
    if (!item.rootItem && item.hasSubItems) DrawSubMenuArrow(s, item, canvas, r, alignment);

    if (!item.rootItem)
        r.left += s.IconBar().Size() + 8;
    else if (fromList || bitmapImage)
        r.left += RectWidth(g);

    const unsigned format = kHorizontal[alignment] | DT::kSingleLine | DT::kExpandTabs;
    const TRect t = r;
    ItemText(s, item, canvas, item.caption, r, format | DT::kCalcRect, state);
    r = r.Offset(0, (RectHeight(t) - RectHeight(r)) / 2);
    if (alignment != 0) {
        // Centred and right-aligned captions are placed across the whole
        // item, not only across their own width.
        r.left = t.left;
        r.right = t.right;
    }
    ItemText(s, item, canvas, item.caption, r, format, state);

    if (!item.rootItem && !item.shortCutText.empty()) {
        r.left = r.right;
        r.right = t.right - 10;
        const std::string text =
            (item.winKey ? std::string(kWinPrefix) : std::string()) + item.shortCutText;
        ItemText(s, item, canvas, text, r, DT::kRight | DT::kSingleLine | DT::kExpandTabs, state);
    }
}

}  // namespace

bool SideBarShown(const TCustomFxMenuStyler& styler, const TMenuItemInfo& item) {
    const TSideBar& bar = styler.SideBar();
    if (!bar.Visible()) return false;
    switch (bar.VisibleIn()) {
        case TSideBarVisibleIn::viFirstVisible:
            return item.inMainMenu && item.parentIsFirstVisibleRoot;
        case TSideBarVisibleIn::viFirstLevel:
            return item.inMainMenu ? item.level == 1 : item.level == 0;
        case TSideBarVisibleIn::viAnyLevel:
            return !item.rootItem;
    }
    return false;
}

int SideBarWidth(const TCustomFxMenuStyler& styler) {
    return styler.SideBar().Size() + styler.SideBar().SplitterWidth();
}

TMenuBarMetrics ScreenMenuBarMetrics() {
    TMenuBarMetrics metrics;
    metrics.height = TheDesktopMetrics().menuBarHeight;
    return metrics;
}

void DrawDropDownSideBar(const TCustomFxMenuStyler& styler, Canvas& canvas,
                         const TMenuWindowInfo& window) {
    TRect area = ItemsWindow(window);
    area.right = area.left + SideBarWidth(styler);
    DrawSideBar(styler, canvas, area);
}

int MdiChildButtonsWidth() {
    return 3 * ScreenMenuBarMetrics().width;
}

void MeasureMenuItem(const TCustomFxMenuStyler& s, const TMenuItemInfo& item, Canvas& canvas,
                     int& width, int& height, bool sideBar) {
    if (item.rootItem) {
        const TMenuBarMetrics bar = ScreenMenuBarMetrics();
        width = bar.width;
        height = bar.height;
    }
    if (item.caption == "-") {
        height = s.Separator().Width() + 2;
        width = -2;
        return;
    }
    if (!item.rootItem) {
        width = s.IconBar().Size();
        if (item.hasImageList)
            height = std::max(height, item.imageHeight);
        else if (!item.bitmap.isNull())
            height = std::max(height, 16);
        else
            height -= 3;
        width += 15;
        height += 5;
    } else if (item.hasImageList && item.imageIndex > -1) {
        width = item.imageWidth;
    } else {
        width = item.bitmap.isNull() ? -7 : 16;
    }
    canvas.font = MeasureFont(s, item);
    std::string measured = item.caption + item.shortCutText;
    if (measured.empty() || measured == "&") measured += " ";
    TRect text{0, 0, 0, 0};
    canvas.DrawText(measured, text, DT::kSingleLine | DT::kCalcRect | DT::kExpandTabs);
    width += RectWidth(text) + 7;
    if (!s.UseSystemFont()) height = RectHeight(text) + 6;
    if (!item.rootItem) {
        if (item.winKey) width += canvas.TextWidth(kWinPrefix);
        if (sideBar && !item.columnBroken) width += SideBarWidth(s);
        height = ((height + 1) / 2) * 2;
        width += kMenuRightStrip;
    }
}

void DrawMenuItem(const TCustomFxMenuStyler& s, const TMenuItemInfo& item, Canvas& canvas,
                  TRect rect, bool sideBar, unsigned state, const TMenuWindowInfo& window) {
    canvas.SaveState();
    TRect r2 = rect;
    if (sideBar && !item.columnBroken) r2.left += SideBarWidth(s);
    if (!item.rootItem) DrawDropDownBackground(s, item, canvas, r2, sideBar, window);
    // The item's face starts right of the side bar, so a selected item
    // leaves the side bar as it is.
    if (item.caption == "-")
        DrawSeparatorItem(s, canvas, r2);
    else
        DrawItemFace(s, item, canvas, item.rootItem ? rect : r2, state, window);
    canvas.RestoreState();
}

void PaintPopupFrame(const TCustomFxMenuStyler& s, Canvas& canvas, int width, int height, int level,
                     bool rightOfParent, std::optional<TRect> parentItem) {
    TRect f = TRect{0, 0, width, height}.Inflated(-1, -1);
    if (level < 2)
        f.right -= kMenuRightStrip;
    else if (rightOfParent)
        f.right -= 2 * kMenuRightStrip;
    Frame(canvas, f, s.MenuBorderColor());
    if (level == 1 && parentItem)
        Line(canvas, parentItem->left + 1, 1, parentItem->right - 1, 1, s.Background().Color());
    Frame(canvas, f.Inflated(-1, -1), s.Background().Color());
}

void FillGradient(Canvas& canvas, const TRect& r, TGradientDirection direction, TColor color,
                  TColor colorTo) {
    if (colorTo == clNone) colorTo = color;
    if (color == colorTo) {
        FillSolid(canvas, r, color);
        return;
    }
    if (RectHeight(r) < 1 || RectWidth(r) < 1) return;
    canvas.brush.style = BrushStyle::Solid;
    if (direction == TGradientDirection::gdVertical) {
        for (int y = r.top; y < r.bottom; ++y) {
            canvas.brush.color = Between(color, colorTo, y - r.top, RectHeight(r));
            canvas.FillRect({r.left, y, r.right, y + 1});
        }
    } else {
        for (int x = r.left; x < r.right; ++x) {
            canvas.brush.color = Between(color, colorTo, x - r.left, RectWidth(r));
            canvas.FillRect({x, r.top, x + 1, r.bottom});
        }
    }
}

void FillGradientPart(Canvas& canvas, const TRect& full, TGradientDirection direction, TColor color,
                      TColor colorTo, const TRect& clip) {
    const TRect i = Intersect(full, clip);
    if (i.IsEmpty()) return;
    if (colorTo == clNone) colorTo = color;
    TColor first = color;
    TColor last = colorTo;
    if (direction == TGradientDirection::gdVertical) {
        first = Between(color, colorTo, i.top - full.top, RectHeight(full));
        last = Between(color, colorTo, i.bottom - full.top, RectHeight(full));
    } else {
        first = Between(color, colorTo, i.left - full.left, RectWidth(full));
        last = Between(color, colorTo, i.right - full.left, RectWidth(full));
    }
    if (color == colorTo) first = last = color;
    FillGradient(canvas, i, direction, first, last);
}

void DrawGradientBox(Canvas& canvas, const TRect& r, bool fill, TColor border,
                     TGradientDirection direction, TColor color, TColor colorTo) {
    if (fill && color != clNone) FillGradient(canvas, r, direction, color, colorTo);
    if (border != clNone) Frame(canvas, r, border);
}

void DrawMirrorGradientBox(Canvas& canvas, const TRect& r, bool fill, TColor border,
                           TGradientDirection direction, TColor color, TColor colorTo,
                           TColor mirror, TColor mirrorTo) {
    if (fill && color != clNone) {
        if (mirror != clNone) {
            const int middle = r.top + RectHeight(r) / 2;
            FillGradient(canvas, {r.left, r.top, r.right, middle}, direction, color, colorTo);
            FillGradient(canvas, {r.left, middle, r.right, r.bottom}, direction, mirror, mirrorTo);
        } else {
            FillGradient(canvas, r, direction, color, colorTo);
        }
    }
    if (border != clNone) Frame(canvas, r, border);
}

void DrawGradientLine(Canvas& canvas, const TRect& rect, int margin, int gw, TGradientType type,
                      bool horizontal, TColor color, TColor colorTo) {
    const TColor c2 = colorTo == clNone ? color : colorTo;
    TRect r = rect;
    const auto gradient =
        horizontal ? TGradientDirection::gdHorizontal : TGradientDirection::gdVertical;
    if (horizontal) {
        r.left += margin;
        r.right -= margin;
        if (gw < RectWidth(r)) {
            if (type == TGradientType::gtLeft)
                FillSolid(canvas, {r.left + gw, r.top, r.right, r.bottom}, c2);
            else if (type == TGradientType::gtRight)
                FillSolid(canvas, {r.left, r.top, r.right - gw, r.bottom}, c2);
            else
                FillSolid(canvas, {r.left + gw / 2, r.top, r.right - gw / 2, r.bottom}, color);
        } else {
            gw = RectWidth(r);
        }
        if (gw > 0) {
            if (type == TGradientType::gtLeft) {
                FillGradient(canvas, {r.left, r.top, r.left + gw, r.bottom}, gradient, color, c2);
            } else if (type == TGradientType::gtRight) {
                FillGradient(canvas, {r.right - gw, r.top, r.right, r.bottom}, gradient, c2, color);
            } else {
                FillGradient(canvas, {r.left, r.top, r.left + gw / 2, r.bottom}, gradient, c2,
                             color);
                FillGradient(canvas, {r.right - gw / 2, r.top, r.right, r.bottom}, gradient, color,
                             c2);
            }
        }
        return;
    }
    r.top += margin;
    r.bottom -= margin;
    if (type == TGradientType::gtBoth) gw *= 2;
    if (gw < RectHeight(r)) {
        if (type == TGradientType::gtLeft)
            FillSolid(canvas, {r.left, r.top, r.right, r.bottom - gw}, c2);
        else if (type == TGradientType::gtRight)
            FillSolid(canvas, {r.left, r.top + gw, r.right, r.bottom}, c2);
        else
            FillSolid(canvas, {r.left, r.top + gw / 2, r.right, r.bottom - gw / 2}, color);
    } else {
        gw = RectHeight(r);
    }
    if (gw > 0) {
        if (type == TGradientType::gtLeft) {
            FillGradient(canvas, {r.left, r.bottom - gw, r.right, r.bottom}, gradient, c2, color);
        } else if (type == TGradientType::gtRight) {
            FillGradient(canvas, {r.left, r.top, r.right, r.top + gw}, gradient, color, c2);
        } else {
            FillGradient(canvas, {r.left, r.top, r.right, r.top + gw / 2}, gradient, c2, color);
            FillGradient(canvas, {r.left, r.bottom - gw / 2, r.right, r.bottom}, gradient, color,
                         c2);
        }
    }
}

void DrawBackgroundObject(Canvas& canvas, TRect r, const TBackground& bg, bool fill) {
    r = r.Inflated(-bg.MarginX(), -bg.MarginY());
    if (r.IsEmpty()) return;
    QImage& bitmap = bg.Bitmap();
    if (bitmap.size() != QSize(r.Width(), r.Height()))
        bitmap = QImage(r.Width(), r.Height(), QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::transparent);
    {
        QPainter painter(&bitmap);
        Canvas bc(painter);
        const int w = r.Width();
        const int h = r.Height();
        if (fill) FillGradient(bc, {0, 0, w, h}, bg.GradientDirection(), bg.Color(), bg.ColorTo());
        if (bg.HasImage()) {
            const QImage picture = TransparentImage(bg.Image(), std::nullopt);
            const int pw = picture.width();
            const int ph = picture.height();
            switch (bg.Position()) {
                case TBackgroundPosition::bpTiled:
                    if (pw > 0 && ph > 0) {
                        for (int y = 0; y < h; y += ph)
                            for (int x = 0; x < w; x += pw)
                                bc.Draw(x, y, picture);
                    }
                    break;
                case TBackgroundPosition::bpStretched:
                    bc.StretchDraw({0, 0, w, h}, picture);
                    break;
                case TBackgroundPosition::bpXY:
                    bc.Draw(bg.OffsetX(), bg.OffsetY(), picture);
                    break;
                default: {
                    const TBackgroundPosition p = bg.Position();
                    int x = bg.OffsetX();
                    int y = bg.OffsetY();
                    if (p == TBackgroundPosition::bpTopRight ||
                        p == TBackgroundPosition::bpBottomRight)
                        x += w - pw;
                    else if (p == TBackgroundPosition::bpTopCenter ||
                             p == TBackgroundPosition::bpBottomCenter ||
                             p == TBackgroundPosition::bpCenter)
                        x += (w - pw) / 2;
                    if (p == TBackgroundPosition::bpBottomLeft ||
                        p == TBackgroundPosition::bpBottomRight ||
                        p == TBackgroundPosition::bpBottomCenter)
                        y += h - ph;
                    else if (p == TBackgroundPosition::bpCenter)
                        y += (h - ph) / 2;
                    bc.Draw(x, y, picture);
                    break;
                }
            }
        }
    }
    canvas.Draw(r.left, r.top, bitmap);
}

void DrawGlyph(Canvas& canvas, int x, int y, const QImage& glyph, TColor ink) {
    if (glyph.isNull()) return;
    canvas.Draw(x, y, TransparentImage(glyph, ink));
}

}  // namespace vx
