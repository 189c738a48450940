// How a group panel paints itself in each look of its bar, and its items.
#include <algorithm>

#include "platform/DesktopTheme.h"
#include "platform/paint/ImageList.h"
#include "widgets/WgCommon.h"
#include "widgets/WgGroupItem.h"
#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"
#include "widgets/qt/WgGroupDraw.h"

namespace vx {
namespace {

constexpr int kButtonSize = 15;

// The colours a caption painter works with.
struct CaptionColors {
    TColor fillStart, fillStop, text, hotText, buttonFill, buttonRing, divider, body, border;
};

TColor PressedColor(TColor normal) {
    return MixColors(clBlack, normal, 50);
}

TColor ByState(TWgMouseState state, TColor normal, TColor hot) {
    switch (state) {
        case TWgMouseState::msHot:
            return hot;
        case TWgMouseState::msPressed:
            return PressedColor(normal);
        default:
            return normal;
    }
}

void Line(Canvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
    canvas.pen.color = color;
    canvas.pen.width = 1;
    canvas.pen.style = PenStyle::Solid;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Fill(Canvas& canvas, const TRect& r, TColor color) {
    canvas.brush.color = color;
    canvas.brush.style = BrushStyle::Solid;
    canvas.FillRect(r);
}

// A selection box: a one-pixel frame and a gradient inside it.
void SelectionBox(Canvas& canvas, const TRect& box, TColor frame, TColor top, TColor bottom) {
    canvas.pen.color = frame;
    canvas.pen.style = PenStyle::Solid;
    canvas.pen.width = 1;
    canvas.MoveTo(box.left, box.top);
    canvas.LineTo(box.right - 1, box.top);
    canvas.LineTo(box.right - 1, box.bottom - 1);
    canvas.LineTo(box.left, box.bottom - 1);
    canvas.LineTo(box.left, box.top);
    PaintTwoColorGradient(canvas, box.Inflated(-1, -1), TGradientDirection::gdHorizontalEnd, 1, top,
                          bottom);
}

}  // namespace

void TWgGroup::Paint(Canvas& canvas) {
    TCustomControl::Paint(canvas);
    const TWgGroupBar* bar = GroupBar();
    switch (BarStyle()) {
        case TWgGroupBarStyle::gbsCategoryView:
            PaintCategoryCaption(canvas, bar && bar->VisualStyle() == TWgVisualStyle::vsWinXP &&
                                             VisualStylesActive());
            break;
        case TWgGroupBarStyle::gbsTaskList:
            PaintTaskListCaption(canvas);
            break;
        case TWgGroupBarStyle::gbsOutlook:
            PaintOutlookCaption(canvas);
            break;
    }
}

int TWgGroup::CaptionTextStart() const {
    const TImageList* images = CaptionImageList();
    if (images && CaptionImageIndex() >= 0) return images->Width() + 12;
    return 8;
}

void TWgGroup::CaptionImage(Canvas& canvas, int overhang) {
    const TImageList* images = CaptionImageList();
    if (!images || CaptionImageIndex() < 0) return;
    const int x = RightToLeft() ? width() - 8 - images->Width() : 8;
    const int y = (overhang + CaptionHeight() - images->Height()) / 2 - overhang;
    images->Draw(canvas.Painter(), x, y, CaptionImageIndex(), isEnabled());
}

void TWgGroup::DrawCaptionText(Canvas& canvas, TColor color, int right) {
    const std::string text = Caption().toStdString();
    canvas.font = captionFont_;
    canvas.font.color = color;
    canvas.brush.style = BrushStyle::Clear;
    const int start = CaptionTextStart();
    if (!RightToLeft()) {
        const TRect clip{start, 0, right, CaptionHeight()};
        canvas.SetClipRect(clip);
        canvas.TextOut(start, (CaptionHeight() - canvas.TextHeight(text)) / 2, text);
        canvas.ClearClip();
    } else {
        TRect box{width() - right, 0, width() - start, CaptionHeight()};
        canvas.DrawText(text, box,
                        DrawTextFlags::kRight | DrawTextFlags::kSingleLine |
                            DrawTextFlags::kVCenter | DrawTextFlags::kRtlReading);
    }
    canvas.brush.style = BrushStyle::Solid;
}

void TWgGroup::PaintCategoryCaption(Canvas& canvas, bool themed) {
    const TWgGroupBar* bar = GroupBar();
    const TWgGradientColorStyle colorStyle =
        bar ? bar->GradientColorStyle() : TWgGradientColorStyle::gcsSystem;
    const bool gradients =
        themed || (bar && bar->VisualStyle() != TWgVisualStyle::vsClassic && HighColorDisplay());
    const int w = width(), h = height(), ch = CaptionHeight();

    CaptionColors c{};
    if (colorStyle == TWgGradientColorStyle::gcsCustom && !themed) {
        const TColor fontColor = captionFont_.color;
        if (!Special()) {
            c.fillStart = CaptionColorStart();
            c.fillStop = CaptionColorStop();
            c.text = fontColor;
            c.buttonFill = CaptionColor();
        } else {
            c.fillStart = fontColor;
            c.fillStop = IncreaseLightness(fontColor, 30);
            c.text = CaptionColor();
            c.buttonFill = fontColor;
        }
        c.hotText = CaptionHotColor();
        c.buttonRing = ReduceLightness(c.buttonFill, 30);
        c.divider = DividerColor();
        c.body = Color();
        c.border = BorderColor();
    } else {
        // The desktop theme's explorer bar shows its scheme's colours.
        TWgColorContext context = CurrentColorContext();
        const TWgGradientColorStyle style =
            themed ? TWgGradientColorStyle::gcsMSOffice : colorStyle;
        if (themed) context.visualStyles = true;
        const TGroupColors g = SelectGroupSchemeColors(context, style, Special());
        c = {g.fillStart,  g.fillStop, g.text, g.hotText, g.buttonFill,
             g.buttonRing, g.divider,  g.body, g.border};
        if (themed) c.text = ThemePartColor(CurrentColorContext(), Special() ? 2 : 1);
    }
    const TColor text = ByState(CaptionState(), c.text, c.hotText);

    // The caption's background, the gradient on its far half.
    const TRect caption{0, 0, w, ch};
    Fill(canvas, caption, c.fillStart);
    if (gradients) {
        if (!RightToLeft())
            PaintTwoColorGradient(canvas, {w / 2, 0, w, ch}, TGradientDirection::gdVerticalEnd, 1,
                                  c.fillStart, c.fillStop);
        else
            PaintTwoColorGradient(canvas, {0, 0, w / 2, ch}, TGradientDirection::gdVerticalEnd, 1,
                                  c.fillStop, c.fillStart);
    }
    CaptionImage(canvas, CaptionImageOverhang());
    DrawCaptionText(canvas, text, w - 24);

    // The corners take what the bar shows beside the group.
    const TColor corner = bar ? bar->BackgroundAt(GroupBounds().top) : Color();
    if (CanClose()) {
        DrawCircleButton(canvas, RightToLeft() ? 4 : w - 20, (ch - kButtonSize) / 2, c.buttonRing,
                         c.buttonFill, text, Opened());
    }
    if (CanClose() || themed) {
        for (const TPoint p : {TPoint{0, 0}, TPoint{1, 0}, TPoint{0, 1}, TPoint{w - 1, 0},
                               TPoint{w - 2, 0}, TPoint{w - 1, 1}}) {
            const TColor color = CanClose() ? corner : canvas.Pixel(p.x, p.y + 2);
            canvas.SetPixel(p.x, p.y, color);
        }
    }
    if (DividerVisible() && Opened()) {
        if (gradients)
            PaintTwoColorGradient(canvas, {0, ch - 1, w, ch}, TGradientDirection::gdVerticalEnd, 1,
                                  RightToLeft() ? c.body : c.divider,
                                  RightToLeft() ? c.divider : c.body);
        else
            Line(canvas, 0, ch - 1, w, ch - 1, c.divider);
    }
    if (Opened()) {
        canvas.pen.color = c.border;
        canvas.MoveTo(0, ch);
        canvas.LineTo(0, h - 1);
        canvas.LineTo(w - 1, h - 1);
        canvas.LineTo(w - 1, ch - 1);
        Fill(canvas, {1, ch, w - 1, h - 1}, c.body);
    }
    DrawItems(canvas);
}

void TWgGroup::PaintOutlookCaption(Canvas& canvas) {
    const TWgGroupBar* bar = GroupBar();
    const TWgGradientColorStyle colorStyle =
        bar ? bar->GradientColorStyle() : TWgGradientColorStyle::gcsSystem;
    const bool gradients =
        bar && bar->VisualStyle() != TWgVisualStyle::vsClassic && HighColorDisplay();
    const int w = width(), ch = CaptionHeight();
    TColor fillStart, fillStop, textColor, hotText, bodyTop, bodyBottom;
    if (colorStyle == TWgGradientColorStyle::gcsCustom) {
        fillStart = CaptionColorStart();
        fillStop = CaptionColorStop();
        textColor = captionFont_.color;
        hotText = CaptionHotColor();
        bodyTop = IncreaseLightness(Color(), 20);
        bodyBottom = Color();
    } else {
        const TCaptionSchemeColors s = SelectCaptionSchemeColors(CurrentColorContext(), colorStyle);
        fillStart = s.bandStart;
        fillStop = s.bandStop;
        textColor = s.text;
        hotText = s.hotText;
        bodyTop = s.bandStart;
        bodyBottom = s.bandStop;
    }
    const TColor text = ByState(CaptionState(), textColor, hotText);

    TFrameStyle frame = TFrameStyle::fsPopup;
    if (CaptionState() == TWgMouseState::msHot) frame = TFrameStyle::fsButtonUp;
    if (CaptionState() == TWgMouseState::msPressed) frame = TFrameStyle::fsStatus;
    const TRect inside = FrameAllSides(canvas, {0, 0, w, ch}, frame);
    if (gradients)
        PaintTwoColorGradient(canvas, inside, TGradientDirection::gdHorizontalEnd, 1, fillStart,
                              fillStop);
    else
        Fill(canvas, inside, CaptionColor());

    const std::string caption = Caption().toStdString();
    canvas.font = captionFont_;
    canvas.font.color = text;
    int x = std::max((w - canvas.TextWidth(caption)) / 2, 0);
    if (const TImageList* images = CaptionImageList(); images && CaptionImageIndex() >= 0) {
        const int imageX = std::max(x - (images->Width() + 4) / 2, 0);
        images->Draw(canvas.Painter(), imageX, (ch - images->Height()) / 2, CaptionImageIndex(),
                     isEnabled());
        x = imageX + images->Width() + 4;
    }
    canvas.brush.style = BrushStyle::Clear;
    canvas.SetClipRect({x, 2, w - 2, ch - 2});
    canvas.TextOut(x, 2 + (ch - 4 - canvas.TextHeight(caption)) / 2, caption);
    canvas.ClearClip();
    canvas.brush.style = BrushStyle::Solid;
    if (gradients)
        PaintTwoColorGradient(canvas, {0, ch, w, height()}, TGradientDirection::gdHorizontalEnd, 1,
                              bodyTop, bodyBottom);
    DrawItems(canvas);
}

void TWgGroup::PaintTaskListCaption(Canvas& canvas) {
    const TWgGroupBar* bar = GroupBar();
    const bool gradients =
        bar && bar->VisualStyle() != TWgVisualStyle::vsClassic && HighColorDisplay();
    const int w = width(), ch = CaptionHeight();
    Fill(canvas, {0, 0, w, ch}, Color());
    CaptionImage(canvas, CaptionImageOverhang());
    DrawCaptionText(canvas, ByState(CaptionState(), captionFont_.color, CaptionHotColor()), w);
    if (DividerVisible()) {
        if (gradients)
            PaintTwoColorGradient(canvas, {0, ch - 1, w, ch}, TGradientDirection::gdVerticalEnd, 1,
                                  DividerColor(), Color());
        else
            Line(canvas, 0, ch - 1, w, ch - 1, DividerColor());
    }
    DrawItems(canvas);
}

void TWgGroup::DrawItems(Canvas& canvas) {
    places_ = LayoutItems();
    const TWgGroupBar* bar = GroupBar();
    const TWgGradientColorStyle colorStyle =
        bar ? bar->GradientColorStyle() : TWgGradientColorStyle::gcsSystem;
    const bool gradients =
        bar && bar->VisualStyle() != TWgVisualStyle::vsClassic && HighColorDisplay();
    const TWgColorContext context = CurrentColorContext();

    // Item colours by look.
    TColor normal = Font().color, hot = ItemHotColor();
    if (BarStyle() == TWgGroupBarStyle::gbsCategoryView) {
        if (bar && bar->VisualStyle() == TWgVisualStyle::vsWinXP && VisualStylesActive()) {
            normal = ThemePartColor(CurrentColorContext(), Special() ? 2 : 1);
            hot = MixColors(clWhite, normal, 50);
        } else if (colorStyle != TWgGradientColorStyle::gcsCustom) {
            const TTextColorPair pair = SelectFrameSchemeColors(context, colorStyle);
            normal = pair.normal;
            hot = pair.hot;
        }
    }
    TColor selFrame = SelectionFrameColor(), selFill = SelectionColor(),
           selShadow = SelectionShadowColor(), selFont = SelectionFontColor();
    if (colorStyle != TWgGradientColorStyle::gcsCustom) {
        const TSchemeColors s = SelectSchemeColors(context, colorStyle);
        selFrame = s.frame;
        selFill = s.start;
        selShadow = s.stop;
        selFont = normal;
    }

    const TWgItemLayoutParams params = LayoutParams();
    const bool small = ItemStyle() == TWgGroupItemStyle::isSmall;
    const TImageList* smallList = EffectiveSmall();
    const TImageList* largeList = EffectiveLarge();
    const int w = width();
    for (const TWgItemPlace& place : places_) {
        const TWgGroupItem& item = Items().Items(place.index);
        if (place.divider) {
            const TRect& line = place.dividerLine;
            if (gradients)
                PaintTwoColorGradient(canvas, line, TGradientDirection::gdVerticalCenter, 1,
                                      Color(), DividerColor());
            else
                Line(canvas, line.left, line.top, line.right, line.top, DividerColor());
            continue;
        }
        // The font and colour of the item's state.
        CanvasFont font = ItemFont(item);
        const TWgMouseState state = item.MouseState();
        if (!item.Enabled()) {
            font.color = Color() == clBtnShadow ? clBtnFace : clBtnShadow;
        } else {
            if (!(state == TWgMouseState::msNormal && !item.Clickable())) font.color = normal;
            if (item.FontColor() != clNone) font.color = item.FontColor();
            if (state == TWgMouseState::msHot) font.color = hot;
            if (state == TWgMouseState::msPressed) font.color = PressedColor(normal);
            if (state != TWgMouseState::msNormal && small) font.underline = true;
        }
        const bool selected = ShowItemSelection() && item.Selected();
        const bool pressed = state == TWgMouseState::msPressed;
        const TColor boxTop = pressed ? selShadow : selFill;
        const TColor boxBottom = pressed ? selFill : selShadow;
        if (small) {
            const bool imageStyle = ItemSelectionStyle() == TWgItemSelectionStyle::issImage;
            if (selected && ItemSelectionStyle() == TWgItemSelectionStyle::issImageAndCaption) {
                SelectionBox(canvas, ImageAndCaptionSelectionBox(place, params, w), selFrame,
                             boxTop, boxBottom);
                font.color = selFont;
            } else if (selected && (ItemSelectionStyle() == TWgItemSelectionStyle::issCaption ||
                                    (imageStyle && !place.image))) {
                SelectionBox(canvas, CaptionSelectionBox(place), selFrame, boxTop, boxBottom);
            }
            if (place.image && imageStyle && ShowItemSelection() &&
                (state != TWgMouseState::msNormal || item.Selected()))
                SelectionBox(canvas, ImageSelectionBox(place, params), selFrame, boxTop, boxBottom);
        } else if (place.image && (state != TWgMouseState::msNormal || selected)) {
            SelectionBox(canvas, LargeImageBox(place, params), selFrame, boxTop, boxBottom);
        }

        canvas.font = font;
        const std::string text =
            HideAccelerators() ? StripAccelerators(item.Caption()) : item.Caption();
        unsigned flags =
            DrawTextFlags::kWordBreak | DrawTextFlags::kNoPrefix | DrawTextFlags::kExpandTabs;
        if (!small) flags |= DrawTextFlags::kCenter;
        if (RightToLeft()) flags |= DrawTextFlags::kRight | DrawTextFlags::kRtlReading;
        TRect area = place.textArea;
        canvas.DrawText(text, area, flags);

        if (place.image) {
            const TImageList* list = small ? smallList : largeList;
            if (!list) continue;
            int index = item.ImageIndex();
            bool enabled = item.Enabled();
            if (!item.Enabled() && item.DisabledIndex() != -1) {
                index = item.DisabledIndex();
                enabled = true;
            } else if (item.Enabled() && item.DisabledIndex() != -1) {
                enabled = true;
            }
            list->Draw(canvas.Painter(), place.imageAt.x, place.imageAt.y, index, enabled);
        }
    }
}

}  // namespace vx
