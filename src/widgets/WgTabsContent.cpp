#include "widgets/WgTabsContent.h"

#include <algorithm>

namespace vx {
namespace {

using Orientation = TWgTabOrientation;
using HA = TWgHorizontalAlignment;
using VA = TWgVerticalAlignment;

int AlignIn(int from, int to, int size, bool start, bool centre) {
    if (start) return from;
    if (centre) return from + (to - from - size) / 2;
    return to - size;
}

}  // namespace

TWgTabContentPlaces PlaceTabContent(const TWgTabLayoutProps& props, const TRect& content,
                                    TSize imageSize, bool hasImage, bool selected) {
    TWgTabContentPlaces places;
    TRect text = content;
    const TSize image = hasImage ? imageSize : TSize{};
    const int margin = props.ImageMargin;
    if (hasImage) {
        switch (props.ImagePosition) {
            case TWgImagePosition::ipLeft:
                text.left += image.cx + margin;
                break;
            case TWgImagePosition::ipTop:
                text.top += image.cy + margin;
                break;
            case TWgImagePosition::ipRight:
                text.right -= image.cx + margin;
                break;
            case TWgImagePosition::ipBottom:
                text.bottom -= image.cy + margin;
                break;
            case TWgImagePosition::ipBack:
            case TWgImagePosition::ipStretch:
                break;
        }
    }

    // The close button's room at the text's end: which side of the content.
    enum class Side { None, Left, Top, Right, Bottom } side = Side::None;
    const bool rev = props.Reverse();
    if (selected && props.ShowCloseButtonOnActiveTab) {
        if (props.HorizontalTabs() && !props.VerticalText())
            side = rev ? Side::Left : Side::Right;
        else if (!props.HorizontalTabs() && props.VerticalText())
            side = props.TabOrientation == Orientation::toLeft ? (rev ? Side::Bottom : Side::Top)
                                                               : (rev ? Side::Top : Side::Bottom);
    }
    TRect room;
    switch (side) {
        case Side::None:
            break;
        case Side::Left:
            room = {content.left, content.top, content.left + 20, content.bottom};
            text.left += 20;
            break;
        case Side::Right:
            room = {content.right - 20, content.top, content.right, content.bottom};
            text.right -= 20;
            break;
        case Side::Top:
            room = {content.left, content.top, content.right, content.top + 20};
            text.top += 20;
            break;
        case Side::Bottom:
            room = {content.left, content.bottom - 20, content.right, content.bottom};
            text.bottom -= 20;
            break;
    }
    if (side != Side::None) {
        const int thickness = props.HorizontalTabs() ? content.Height() : content.Width();
        TSize button = thickness < 13 ? TSize{10, 9} : TSize{15, 13};
        if (!props.HorizontalTabs()) std::swap(button.cx, button.cy);
        places.CloseButton =
            Bounds(room.left + (room.Width() - button.cx) / 2,
                   room.top + (room.Height() - button.cy) / 2, button.cx, button.cy);
    }
    places.Text = text;

    // The image's strip on its side, moved off the close button's room.
    TRect area = content;
    switch (props.ImagePosition) {
        case TWgImagePosition::ipLeft:
            area.right = area.left + image.cx;
            if (side == Side::Left) area = area.Offset(20, 0);
            break;
        case TWgImagePosition::ipRight:
            area.left = area.right - image.cx;
            if (side == Side::Right) area = area.Offset(-20, 0);
            break;
        case TWgImagePosition::ipTop:
            area.bottom = area.top + image.cy;
            if (side == Side::Top) area = area.Offset(0, 20);
            break;
        case TWgImagePosition::ipBottom:
            area.top = area.bottom - image.cy;
            if (side == Side::Bottom) area = area.Offset(0, -20);
            break;
        case TWgImagePosition::ipBack:
        case TWgImagePosition::ipStretch:
            break;
    }
    if (props.ImagePosition == TWgImagePosition::ipStretch) {
        places.Image = {area.left, area.top};
    } else {
        places.Image = {
            AlignIn(area.left, area.right, image.cx, props.ImageAlignment == HA::haLeft,
                    props.ImageAlignment == HA::haCenter),
            AlignIn(area.top, area.bottom, image.cy, props.ImageAlignmentVertical == VA::vaTop,
                    props.ImageAlignmentVertical == VA::vaCenter)};
    }
    return places;
}

TWgTextTurn TabTextTurn(const TWgTabLayoutProps& props) {
    if (!props.VerticalText()) return TWgTextTurn::None;
    return props.TabOrientation == Orientation::toRight ? TWgTextTurn::Right : TWgTextTurn::Left;
}

std::vector<TPoint> PlaceTabLines(const TWgTabLayoutProps& props, const TRect& r,
                                  const std::vector<TSize>& lines) {
    std::vector<TPoint> origins;
    int sum = 0;
    for (const TSize& line : lines)
        sum += line.cy;
    const bool hStart = props.TextAlignment == HA::haLeft;
    const bool hCentre = props.TextAlignment == HA::haCenter;
    const bool vTop = props.TextAlignmentVertical == VA::vaTop;
    const bool vCentre = props.TextAlignmentVertical == VA::vaCenter;
    switch (TabTextTurn(props)) {
        case TWgTextTurn::None: {
            int y = AlignIn(r.top, r.bottom, sum, vTop, vCentre);
            for (const TSize& line : lines) {
                origins.push_back({AlignIn(r.left, r.right, line.cx, hStart, hCentre), y});
                y += line.cy;
            }
            break;
        }
        case TWgTextTurn::Left: {
            // Text runs upwards from its origin; lines follow rightwards;
            // vaTop is the bottom end, where the text begins.
            int x = AlignIn(r.left, r.right, sum, hStart, hCentre);
            for (const TSize& line : lines) {
                const int top = AlignIn(r.top, r.bottom, line.cx, !vTop && !vCentre, vCentre);
                origins.push_back({x, top + line.cx});
                x += line.cy;
            }
            break;
        }
        case TWgTextTurn::Right: {
            // Text runs downwards from its origin; lines follow leftwards.
            int x = AlignIn(r.left, r.right, sum, hStart, hCentre) + sum;
            for (const TSize& line : lines) {
                origins.push_back({x, AlignIn(r.top, r.bottom, line.cx, vTop, vCentre)});
                x -= line.cy;
            }
            break;
        }
    }
    return origins;
}

}  // namespace vx
