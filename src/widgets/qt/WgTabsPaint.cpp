// Painting of the tab strip: background, cards, tabs (shape, fill, image,
// text, highlight bar, focus mark) and outlines with the card's shadow.
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "platform/paint/ImageList.h"
#include "widgets/WgCommonColors.h"
#include "widgets/WgTabsContent.h"
#include "widgets/WgTabsShape.h"
#include "widgets/qt/WgActiveTabCloseButton.h"
#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgTabCloseButton.h"
#include "widgets/qt/WgTabMenuButton.h"
#include "widgets/qt/WgTabScroller.h"
#include "widgets/qt/WgTabs.h"

namespace vx {
namespace {

using Orientation = TWgTabOrientation;

// A caption line as drawn: the text before the accelerator, the accelerator
// character (underlined) and the rest; "&&" is one "&" and marks nothing.
struct LinePieces {
    QString before;
    QString key;
    QString after;
};
LinePieces SplitAccelerator(const std::string& line) {
    LinePieces pieces;
    const QString text = QString::fromStdString(line);
    QString* out = &pieces.before;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                *out += u'&';
                ++i;
            } else if (i + 1 < text.size() && out == &pieces.before) {
                pieces.key = text[i + 1];
                out = &pieces.after;
                ++i;
            }
            continue;
        }
        *out += text[i];
    }
    return pieces;
}

// A dotted rectangle inverted onto what is there, as a focus mark.
void DrawFocusMark(QPainter& painter, const TRect& r) {
    if (r.IsEmpty()) return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    for (int x = r.left; x < r.right; ++x) {
        if ((x + r.top) % 2 == 0) painter.drawPoint(x, r.top);
        if ((x + r.bottom - 1) % 2 == 0 && r.bottom - 1 > r.top) painter.drawPoint(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        if ((r.left + y) % 2 == 0) painter.drawPoint(r.left, y);
        if ((r.right - 1 + y) % 2 == 0 && r.right - 1 > r.left) painter.drawPoint(r.right - 1, y);
    }
    painter.restore();
}

}  // namespace

void TWgCustomTabControl::Paint(Canvas& canvas) {
    model_.SetClientSize(width(), height());
    model_.EnsureLayout();
    parentScratch_.reset();
    canvas.brush = {clBlack, BrushStyle::Solid};
    const TRect client = ClientRect();
    if (!PaintBackgroundHook(canvas, client)) {
        if (transparent_) {
            DrawParentImage(this, canvas);
        } else {
            canvas.brush = {backgroundColor_, BrushStyle::Solid};
            canvas.FillRect(client);
        }
    }
    PlaceButtons();
    for (const TWgPaintStep& step : model_.PaintOrder()) {
        if (step.Card)
            PaintCard(canvas, step.Index);
        else
            PaintTab(canvas, step.Index);
    }
    hotRepaint_ = false;
    fullRepaintPending_ = false;
}

const QRegion& TWgCustomTabControl::TabRegion(int index) {
    if (regionGeneration_ != model_.Generation()) {
        regions_.Clear();
        regionGeneration_ = model_.Generation();
    }
    const TRect key = model_.FinalRect(index);
    if (const QRegion* region = regions_.Find(key)) return *region;
    QPolygon polygon;
    for (const TPoint& p :
         TabShape(props(), model_.Geometry(), model_.ScrollOffset(), model_.FinalStripRect(index)))
        polygon << QPoint(p.x, p.y);
    return regions_.Add(key, polygon.size() >= 3 ? QRegion(polygon, Qt::OddEvenFill) : QRegion());
}

void TWgCustomTabControl::PaintCard(Canvas& canvas, int row) {
    if (!ShowCard()) return;
    const TRect card = model_.CardRect(row);
    TRect fill = card;
    if (!card.IsEmpty()) {
        fill.right += 1;
        fill.bottom += 1;
    }
    if (!PaintCardBackground(canvas, row, fill)) {
        TColor color = Color();
        if (useColoredTabs_ && TabIndex() >= 0) color = Tabs().Items(TabIndex()).Color;
        canvas.brush = {color, BrushStyle::Solid};
        canvas.FillRect(fill);
    }
    if (!ShowCardFrame()) return;
    const int selected = TabIndex();
    std::optional<TWgCardGap> gap;
    if (row == 0 && selected >= 0 && Tabs().Items(selected).Row == 0 &&
        selected >= model_.FirstShown() && model_.InView(selected))
        gap = CardGapFor(props(), model_.Geometry(), model_.ScrollOffset(),
                         model_.FinalStripRect(selected));
    DrawOutline(canvas, CardOutline(props(), row, card, gap ? &*gap : nullptr, !hotRepaint_));
}

void TWgCustomTabControl::PaintTab(Canvas& canvas, int index) {
    const TRect r = model_.FinalRect(index);
    const TRect client = ClientRect();
    if (r.right <= client.left || r.left >= client.right || r.bottom <= client.top ||
        r.top >= client.bottom)
        return;
    const QRegion& region = TabRegion(index);
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setClipRegion(region);
    PaintTabFill(canvas, index, r);
    PaintTabContent(canvas, index);
    painter.restore();
    DrawOutline(canvas, TabOutline(props(), index,
                                   TabShape(props(), model_.Geometry(), model_.ScrollOffset(),
                                            model_.FinalStripRect(index))));
}

void TWgCustomTabControl::PaintTabFill(Canvas& canvas, int index, const TRect& rect) {
    if (PaintTabBackground(canvas, index, rect)) return;
    const TWgTabData& tab = Tabs().Items(index);
    TColor start = tabColors_.Unselected();
    TColor stop = tabColors_.Shadow();
    TColor selected = Color();
    if (useColoredTabs_) {
        start = IncreaseLightness(tab.Color, 20);
        stop = ColorsSimilar(start, clWhite) ? clBtnFace : ReduceLightness(tab.Color, 40);
        selected = tab.Color;
    }
    if (index == hotTab_ && hotTrack_ && hotTrackStyle_ == TWgTabHotTrackStyle::htsTab) {
        if (hotTrackColorSource_ == TWgTabHotTrackColorSource::htcsTabColor) {
            stop = ReduceLightness(stop, 30);
        } else if (hotTrackColorType_ == TWgHotTrackColorType::htctActual) {
            start = IncreaseLightness(hotTrackColor_, 60);
            stop = hotTrackColor_;
        } else {
            stop = ContrastHue(hotTrackColor_, 140);
            start = IncreaseLightness(stop, 60);
        }
    }
    if (index == TabIndex()) {
        canvas.brush = {selected, BrushStyle::Solid};
        canvas.FillRect(rect);
        return;
    }
    if (!useGradients_ || !HighColorDisplay()) {
        canvas.brush = {start, BrushStyle::Solid};
        canvas.FillRect(rect);
        return;
    }
    switch (TabOrientation()) {
        case Orientation::toTop:
            PaintTwoColorGradient(canvas, rect, TGradientDirection::gdHorizontalEnd, 1, start,
                                  stop);
            break;
        case Orientation::toLeft:
            PaintTwoColorGradient(canvas, rect, TGradientDirection::gdVerticalEnd, 1, start, stop);
            break;
        case Orientation::toBottom:
            PaintTwoColorGradient(canvas, rect, TGradientDirection::gdHorizontalEnd, 1, stop,
                                  start);
            break;
        case Orientation::toRight:
            PaintTwoColorGradient(canvas, rect, TGradientDirection::gdVerticalEnd, 1, stop, start);
            break;
    }
}

void TWgCustomTabControl::PaintTabContent(Canvas& canvas, int index) {
    const TWgTabData& tab = Tabs().Items(index);
    const bool selected = index == TabIndex();
    const bool hot = index == hotTab_;
    const TRect final = model_.FinalRect(index);
    QPainter& painter = canvas.Painter();

    // The highlight bar along the outer edge, under the image and text.
    if (hotTrack_ && hotTrackStyle_ == TWgTabHotTrackStyle::htsTabBar && (selected || hot)) {
        const TRect g = final.Inflated(1, 1);
        TRect bar = g;
        switch (TabOrientation()) {
            case Orientation::toTop:
                bar.bottom = g.top + 6;
                break;
            case Orientation::toLeft:
                bar.right = g.left + 6;
                break;
            case Orientation::toBottom:
                bar.top = g.bottom - 4;
                break;
            case Orientation::toRight:
                bar.left = g.right - 4;
                break;
        }
        TColor color = tabColors_.HighlightBar();
        if (!selected) {
            if (hotTrackColorSource_ == TWgTabHotTrackColorSource::htcsTabColor)
                color = ReduceLightness(tab.Color, 40);
            else if (hotTrackColorType_ == TWgHotTrackColorType::htctActual)
                color = hotTrackColor_;
            else
                color = ContrastHue(hotTrackColor_, 140);
        }
        const TColor saved = canvas.brush.color;
        canvas.brush = {color, BrushStyle::Solid};
        canvas.FillRect(bar);
        canvas.brush.color = saved;
    }

    const TRect content = TabContentRect(props(), model_.Geometry(), model_.ScrollOffset(),
                                         model_.FinalStripRect(index));
    const bool hasImage = images_ && tab.ImageIndex != -1;
    const TSize imageSize = images_ ? TSize{images_->Width(), images_->Height()} : TSize{};
    const TWgTabContentPlaces places =
        PlaceTabContent(props(), content, imageSize, hasImage, selected);
    if (hasImage) {
        const bool ownDisabledImage = tab.DisabledIndex != -1;
        const int image = !tab.Enabled && ownDisabledImage ? tab.DisabledIndex : tab.ImageIndex;
        images_->Draw(painter, places.Image.x, places.Image.y, image,
                      tab.Enabled || ownDisabledImage);
    }

    // The text colour.
    TWgTextStyle style = TWgTextStyle::tsUnselected;
    TColor color = textColors_.Unselected();
    if (!tab.Enabled) {
        style = TWgTextStyle::tsDisabled;
        color = textColors_.Disabled();
    } else if (hot && hotTrack_ && hotTrackStyle_ == TWgTabHotTrackStyle::htsText) {
        style = TWgTextStyle::tsHotTrack;
        color = hotTrackColorType_ == TWgHotTrackColorType::htctActual
                    ? hotTrackColor_
                    : ContrastHue(hotTrackColor_, 140);
    } else if (selected) {
        style = TWgTextStyle::tsSelected;
        color = textColors_.Selected();
    }
    color = GetTextColor(index, style, color);

    const bool bold = BoldCurrentTab() && selected;
    const QFont font = ToQFont(TabFont(bold));
    const QFontMetrics metrics(font);
    std::vector<TSize> extents;
    std::vector<LinePieces> lines;
    for (const std::string& line : CaptionLines(tab.Caption)) {
        lines.push_back(SplitAccelerator(line));
        const LinePieces& l = lines.back();
        extents.push_back(
            {metrics.horizontalAdvance(l.before + l.key + l.after), metrics.height()});
    }
    const std::vector<TPoint> origins = PlaceTabLines(props(), places.Text, extents);
    const TWgTextTurn turn = TabTextTurn(props());
    painter.save();
    painter.setPen(ToQColor(color));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        painter.save();
        painter.translate(origins[k].x, origins[k].y);
        if (turn == TWgTextTurn::Left) painter.rotate(-90);
        if (turn == TWgTextTurn::Right) painter.rotate(90);
        int x = 0;
        const int baseline = metrics.ascent();
        painter.setFont(font);
        painter.drawText(x, baseline, lines[k].before);
        x += metrics.horizontalAdvance(lines[k].before);
        if (!lines[k].key.isEmpty()) {
            QFont underlined = font;
            underlined.setUnderline(true);
            painter.setFont(underlined);
            painter.drawText(x, baseline, lines[k].key);
            x += metrics.horizontalAdvance(lines[k].key);
            painter.setFont(font);
        }
        painter.drawText(x, baseline, lines[k].after);
        painter.restore();
    }
    painter.restore();

    // The focus mark around the selected tab's content.
    if (selected && hasFocus() && ShowFocusRect()) {
        TRect mark = content;
        if (props().HorizontalTabs()) {
            mark.left -= 1;
            mark.right += 1;
            mark.bottom += 1;
        } else {
            mark.top -= 1;
            mark.bottom += 1;
        }
        if (props().Boxed()) {
            switch (TabOrientation()) {
                case Orientation::toTop:
                    mark.top += 1;
                    break;
                case Orientation::toLeft:
                    mark.left += 2;
                    break;
                case Orientation::toBottom:
                    mark.bottom -= 1;
                    break;
                case Orientation::toRight:
                    mark.right -= 2;
                    break;
            }
        }
        DrawFocusMark(painter, mark);
    }
}

void TWgCustomTabControl::DrawOutline(Canvas& canvas, const TWgOutline& outline) {
    const TColor frame = FrameColor();
    canvas.pen = {frame, 1, PenStyle::Solid};
    for (const TWgOutlineCommand& command : outline) {
        switch (command.Code) {
            case TWgOutlineCode::Start:
            case TWgOutlineCode::Tab:
                canvas.pen.color = frame;
                break;
            case TWgOutlineCode::Card:
                break;
            case TWgOutlineCode::MoveTo:
                canvas.MoveTo(command.A, command.B);
                break;
            case TWgOutlineCode::LineTo:
                canvas.LineTo(command.A, command.B);
                break;
            case TWgOutlineCode::Shadow30:
            case TWgOutlineCode::Shadow15: {
                // Darkens what the parent shows there, pixel by pixel.
                if (!parentScratch_) parentScratch_ = ParentImage();
                const int darkness = command.Code == TWgOutlineCode::Shadow30 ? 30 : 15;
                const TPoint from = canvas.PenPos();
                const TPoint to{command.A, command.B};
                const int dx = (to.x > from.x) - (to.x < from.x);
                const int dy = (to.y > from.y) - (to.y < from.y);
                for (TPoint p = from; p != to; p = {p.x + dx, p.y + dy}) {
                    if (!parentScratch_->rect().contains(p.x, p.y)) continue;
                    const QRgb under = parentScratch_->pixel(p.x, p.y);
                    canvas.SetPixel(
                        p.x, p.y,
                        MixColors(clBlack, RGBColor(qRed(under), qGreen(under), qBlue(under)),
                                  darkness));
                }
                canvas.MoveTo(to.x, to.y);
                break;
            }
        }
    }
}

void TWgCustomTabControl::PlaceButtons() {
    if (IsLoading()) return;
    const TWgTabButtonPlaces places = PlaceTabButtons(props(), model_.Geometry());
    if (model_.Geometry().ScrollerNeeded && !scroller_) {
        scroller_ = new TWgTabScroller(this);
        scroller_->SetFrameColor(FrameColor());
        connect(scroller_, &TWgTabScroller::Scroll, this,
                [this](int half) { ScrollTabs(model_.HalfScrollsForward(half)); });
        scroller_->show();
    }
    if (scroller_) {
        scroller_->SetOrientation(places.Stacked ? TWgTabScrollerState::kStacked
                                                 : TWgTabScrollerState::kSideBySide);
        scroller_->setGeometry(ToQRect(places.Scroller));
        scroller_->update();
    }
    if (closeButton_) {
        closeButton_->setGeometry(ToQRect(places.CloseButton));
        closeButton_->update();
    }
    if (menuButton_) {
        menuButton_->setGeometry(ToQRect(places.MenuButton));
        menuButton_->update();
    }
    if (activeCloseButton_) {
        const int selected = TabIndex();
        const bool shown = ShowCloseButtonOnActiveTab() && selected >= 0 && model_.InView(selected);
        if (shown) {
            const TRect content = TabContentRect(props(), model_.Geometry(), model_.ScrollOffset(),
                                                 model_.FinalStripRect(selected));
            const TWgTabContentPlaces place = PlaceTabContent(props(), content, {}, false, true);
            activeCloseButton_->setGeometry(ToQRect(place.CloseButton));
        }
        ShowActiveCloseButton(shown);
    }
}

}  // namespace vx
