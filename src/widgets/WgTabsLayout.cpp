#include "widgets/WgTabsLayout.h"

#include <algorithm>
#include <cstdlib>

namespace vx {
namespace {

using Orientation = TWgTabOrientation;
using Style = TWgTabStyle;

TSize Larger(TSize a, TSize b) {
    return {std::max(a.cx, b.cx), std::max(a.cy, b.cy)};
}

// Rows of the greedy placement: each visible tab's row and start (from 0).
struct RowPass {
    bool fits = true;
    int rows = 1;
    std::vector<int> row;
    std::vector<int> start;
};

// Places the tabs of the given lengths in rows of rowLength, at most
// maxRows of them. A tab fits when its start + length is less than the row
// length; a tab that does not fit even at the start of a row takes that row
// alone (the last tab stays where it starts).
RowPass PassRows(const std::vector<int>& lengths, int rowLength, int overlap, int maxRows) {
    RowPass pass;
    const int n = static_cast<int>(lengths.size());
    pass.row.assign(lengths.size(), 0);
    pass.start.assign(lengths.size(), 0);
    bool rowHasTab = false;
    bool rowClosed = false;
    int prevStart = 0;
    int prevLength = 0;
    for (int k = 0; k < n; ++k) {
        const int length = lengths[static_cast<std::size_t>(k)];
        const bool last = k == n - 1;
        auto place = [&](int start) {
            pass.row[static_cast<std::size_t>(k)] = pass.rows - 1;
            pass.start[static_cast<std::size_t>(k)] = start;
            prevStart = start;
            prevLength = length;
            rowHasTab = true;
        };
        if (rowHasTab) {
            const int start = prevStart + prevLength - overlap + 1;
            if (!rowClosed && start + length < rowLength) {
                place(start);
                continue;
            }
            if (pass.rows >= maxRows) {
                pass.fits = false;
                return pass;
            }
            ++pass.rows;
            rowHasTab = false;
            rowClosed = false;
        }
        if (length < rowLength || last) {
            place(0);
            continue;
        }
        // Too long even for a row of its own.
        if (pass.rows < maxRows) {
            place(0);
            rowClosed = true;
            continue;
        }
        pass.fits = false;
        return pass;
    }
    return pass;
}

bool ConditionForFixedArrows(const TWgTabLayoutProps& p) {
    return (p.HorizontalTabs() && !p.VerticalText() && p.TabHeight > 0) ||
           (!p.HorizontalTabs() && p.VerticalText() && p.TabWidth > 0);
}

}  // namespace

std::vector<std::string> CaptionLines(std::string_view caption) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = caption.find("\r\n", from);
        if (at == std::string_view::npos) {
            lines.emplace_back(caption.substr(from));
            return lines;
        }
        lines.emplace_back(caption.substr(from, at - from));
        from = at + 2;
    }
}

int TabOverlapFor(const TWgTabLayoutProps& props, int thickness) {
    switch (props.TabStyle) {
        case Style::tsSingleSlant:
        case Style::tsBackSlant:
            return thickness / 2;
        case Style::tsDoubleSlant:
            return thickness;
        case Style::tsCutCorner:
        case Style::tsRoundCorners:
            return props.TabOverlap;
        case Style::tsSquareCorners:
            return props.TabOverlap + 1;
    }
    return 0;
}

TSize TabTextSize(const TWgTabLayoutProps& props, std::string_view caption, bool bold,
                  const TWgTabMetrics& metrics) {
    TSize size;
    for (const std::string& line : CaptionLines(caption)) {
        TSize extent = metrics.TextExtent(StripAccelerators(line), bold);
        if (extent.cx < 0 || extent.cy < 0) extent = {};
        if (props.VerticalText()) {
            size.cx += extent.cy;
            size.cy = std::max(size.cy, extent.cx);
        } else {
            size.cx = std::max(size.cx, extent.cx);
            size.cy += extent.cy;
        }
    }
    return size;
}

TSize TabContentSize(const TWgTabLayoutProps& props, const TWgTabData& tab, TSize imageSize,
                     const TWgTabMetrics& metrics) {
    const TSize image = tab.ImageIndex != -1 ? imageSize : TSize{};
    const TSize text = TabTextSize(props, tab.Caption, props.BoldCurrentTab, metrics);
    const int margin = props.ImageMargin;
    switch (props.ImagePosition) {
        case TWgImagePosition::ipLeft:
        case TWgImagePosition::ipRight:
            return {margin + image.cx + text.cx, std::max(image.cy, text.cy)};
        case TWgImagePosition::ipTop:
        case TWgImagePosition::ipBottom:
            return {std::max(image.cx, text.cx), margin + image.cy + text.cy};
        case TWgImagePosition::ipBack:
            return Larger(image, text);
        case TWgImagePosition::ipStretch:
            return text;
    }
    return text;
}

TSize TabMinimumSize(const TWgTabLayoutProps& props, TSize content, const TWgTabMetrics& metrics) {
    const TSize extent = metrics.TextExtent(props.Boxed() ? "AAA" : "A", props.BoldCurrentTab);
    const int fontHeight = std::abs(metrics.FontHeight());
    const TSize reference =
        props.VerticalText() ? TSize{fontHeight, extent.cy} : TSize{extent.cx, fontHeight};
    if (props.TabWidth == 0) content.cx = std::max(content.cx, reference.cx);
    if (props.TabHeight == 0) content.cy = std::max(content.cy, reference.cy);
    if (props.ShowCloseButtonOnActiveTab) {
        if (props.HorizontalTabs() && !props.VerticalText()) content.cx += 20;
        if (!props.HorizontalTabs() && props.VerticalText()) content.cy += 20;
    }
    return content;
}

TSize TabOuterSize(const TWgTabLayoutProps& props, TSize content) {
    const int w = content.cx;
    const int h = content.cy;
    const bool across = props.HorizontalTabs();
    switch (props.TabStyle) {
        case Style::tsSingleSlant:
        case Style::tsBackSlant:
            if (across)
                return {2 * TabOverlapFor(props, h + 6) + (w + 2) + 4 + props.TabHeight / 2, h + 6};
            return {w + 6, 2 * TabOverlapFor(props, w + 6) + (h + 2) + 4 + props.TabHeight / 2};
        case Style::tsDoubleSlant:
            if (across)
                return {2 * TabOverlapFor(props, h + 2) + (w + 2) + 4 + props.TabHeight, h + 6};
            return {w + 6, 2 * TabOverlapFor(props, w + 2) + (h + 2) + 4 + props.TabHeight};
        case Style::tsCutCorner: {
            const int c = props.CutCornerSize;
            if (across)
                return props.VerticalText() ? TSize{w + 10, (h + 2) + c + 5}
                                            : TSize{2 * c + (w + 2) + 6, h + 7};
            return props.VerticalText() ? TSize{w + 7, 2 * c + (h + 2) + 6}
                                        : TSize{(w + 2) + c + 5, h + 10};
        }
        case Style::tsRoundCorners:
        case Style::tsSquareCorners:
            return {w + 6, h + 6};
    }
    return {w, h};
}

TWgTabGeometry LayoutTabs(const TWgTabLayoutProps& props, TWgTabDataList& tabs, TSize imageSize,
                          const TWgTabMetrics& metrics, int clientWidth, int clientHeight,
                          int previousFixedDimension) {
    TWgTabGeometry g;
    g.ClientWidth = clientWidth;
    g.ClientHeight = clientHeight;
    const bool across = props.HorizontalTabs();
    const int W = clientWidth - 1;
    const int H = clientHeight - 1;

    std::vector<int> visible;
    for (int i = 0; i < tabs.Count(); ++i)
        if (tabs.Items(i).Visible) visible.push_back(i);

    // The common thickness: the largest content and the largest outer size.
    TSize maxContent;
    TSize maxOuter;
    std::vector<TSize> contents;
    for (int i : visible) {
        const TSize content = TabContentSize(props, tabs.Items(i), imageSize, metrics);
        contents.push_back(content);
        maxContent = Larger(maxContent, content);
        maxOuter = Larger(maxOuter, TabOuterSize(props, TabMinimumSize(props, content, metrics)));
    }
    if (props.TabWidth > 0) maxOuter.cx = props.TabWidth;
    if (props.TabHeight > 0) maxOuter.cy = props.TabHeight;
    g.FixedDimension = visible.empty() ? previousFixedDimension
                       : across        ? maxOuter.cy
                                       : maxOuter.cx;
    const int fd = g.FixedDimension;

    // The scroller's arrows.
    const int aHeight = metrics.TextExtent("A", false).cy;
    g.ArrowLength = aHeight + (props.VerticalText() ? 2 : 4);
    const bool fixedArrows = ConditionForFixedArrows(props);
    if (fixedArrows) g.ArrowLength = std::max(g.ArrowLength, fd - 2);
    g.ArrowThickness = std::min(g.ArrowLength, fd - 2);
    if (fixedArrows && g.ArrowLength <= (across ? props.TabHeight : props.TabWidth))
        g.ArrowThickness = std::max(g.ArrowThickness, fd - 2);

    const bool shadowCut =
        props.TabOrientation == Orientation::toTop && props.ShowShadow && !props.Reverse();
    g.StripLength = across ? W - (shadowCut ? 2 : 0) : H;
    const int L = g.StripLength - 2 * props.Margin;
    const int overlap = TabOverlapFor(props, fd);
    const int boxedCut = props.Boxed() ? 4 : 0;

    // The length of each visible tab before it is cut to the room.
    std::vector<int> lengths;
    for (std::size_t k = 0; k < visible.size(); ++k) {
        TSize content = contents[k];
        if (across)
            content.cy = std::max(content.cy, maxContent.cy);
        else
            content.cx = std::max(content.cx, maxContent.cx);
        TSize outer = TabOuterSize(props, content);
        if (props.TabWidth > 0) outer.cx = props.TabWidth;
        if (props.TabHeight > 0) outer.cy = props.TabHeight;
        lengths.push_back(across ? outer.cx : outer.cy);
    }
    auto cutTo = [&](int room) {
        std::vector<int> cut = lengths;
        for (int& length : cut)
            length = std::min(length, room - boxedCut);
        return cut;
    };

    RowPass pass;
    std::vector<int> placed;
    if (props.MultiLine) {
        const int most = std::max<int>(1, static_cast<int>(visible.size()));
        for (int n = 1;; ++n) {
            const int rowLength = L - (n - 1) * props.RowIndent;
            placed = cutTo(rowLength);
            pass = PassRows(placed, rowLength, overlap, n);
            if (pass.fits || n >= most) break;
        }
        g.Rows = pass.rows;
        g.Room = L - (g.Rows - 1) * props.RowIndent;
    } else {
        g.Rows = 1;
        g.Room = L - (props.ShowCloseButton ? g.ArrowLength + 2 : 0) -
                 (props.ShowMenuButton ? g.ArrowLength + 2 : 0) - (2 * g.ArrowLength + 2);
        placed = cutTo(g.Room);
        pass.row.assign(placed.size(), 0);
        pass.start.assign(placed.size(), 0);
        for (std::size_t k = 1; k < placed.size(); ++k)
            pass.start[k] = pass.start[k - 1] + placed[k - 1] - overlap + 1;
    }

    // The strip.
    g.Depth = props.ShowCard ? (props.Boxed() ? 3 : 0) + (fd - props.RowOverlap) * (g.Rows - 1) + fd
              : across       ? clientHeight - 1
                             : clientWidth - 1;
    switch (props.TabOrientation) {
        case Orientation::toTop:
            g.Strip = {0, 0, W - (shadowCut ? 2 : 0), g.Depth};
            break;
        case Orientation::toBottom:
            g.Strip = {0, H - g.Depth, W, H};
            break;
        case Orientation::toLeft:
            g.Strip = {0, 0, g.Depth, H};
            break;
        case Orientation::toRight:
            g.Strip = {W - g.Depth, 0, W, H};
            break;
    }

    if (!visible.empty() && !props.MultiLine)
        g.ScrollerNeeded = pass.start.back() + placed.back() > g.Room;

    // Placement.
    for (int i = 0; i < tabs.Count(); ++i) {
        tabs.Items(i).Rect = {};
        tabs.Items(i).Row = 0;
    }
    int finalX = -props.Margin;
    for (std::size_t k = 0; k < visible.size(); ++k) {
        TWgTabData& tab = tabs.Items(visible[k]);
        const int row = pass.row[k];
        const int y = RowTop(props, g, row);
        const int start = pass.start[k];
        const int length = placed[k];
        tab.Row = row;
        if (!props.Reverse()) {
            tab.Rect = {props.Margin + start, y, props.Margin + start + length, y + fd};
        } else {
            tab.Rect = {-props.Margin - start - length, y, -props.Margin - start, y + fd};
            finalX = tab.Rect.left + overlap - 1;
        }
    }
    if (props.Reverse()) {
        const int shift = props.MultiLine ? clientWidth : std::abs(finalX);
        for (int i : visible)
            tabs.Items(i).Rect = tabs.Items(i).Rect.Offset(shift, 0);
    }

    // Justified rows.
    const bool automaticLength = across ? props.TabWidth == 0 : props.TabHeight == 0;
    if (props.MultiLine && props.AlignTabs && automaticLength) {
        const int room = g.StripLength - 2 * props.Margin - g.Rows * props.RowIndent;
        std::size_t first = 0;
        while (first < visible.size()) {
            std::size_t end = first;
            while (end < visible.size() && pass.row[end] == pass.row[first])
                ++end;
            int low = tabs.Items(visible[first]).Rect.left;
            int high = tabs.Items(visible[first]).Rect.right;
            for (std::size_t k = first; k < end; ++k) {
                low = std::min(low, tabs.Items(visible[k]).Rect.left);
                high = std::max(high, tabs.Items(visible[k]).Rect.right);
            }
            const int span = high - low + boxedCut;
            const int spare = room - span;
            const int n = static_cast<int>(end - first);
            if (spare > 0) {
                const int q = spare / n;
                const int m = spare % n;
                int total = 0;
                for (std::size_t k = first; k < end; ++k) {
                    const int grow = q + (static_cast<int>(k - first) < m ? 1 : 0);
                    TRect& r = tabs.Items(visible[k]).Rect;
                    if (!props.Reverse()) {
                        r.left += total;
                        r.right += total + grow;
                    } else {
                        r.right -= total;
                        r.left -= total + grow;
                    }
                    total += grow;
                }
            }
            first = end;
        }
    }
    return g;
}

int RowTop(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int row) {
    return geometry.Depth - geometry.FixedDimension -
           row * (geometry.FixedDimension - props.RowOverlap);
}

int ScrollRoom(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry) {
    return geometry.StripLength - 2 * geometry.ArrowLength - 2 * props.Margin -
           (props.ShowCloseButton ? geometry.ArrowLength + 2 : 0) -
           (props.ShowMenuButton ? geometry.ArrowLength + 2 : 0);
}

TPoint StripToControl(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int offset,
                      TPoint point) {
    const TRect& s = geometry.Strip;
    const int x = point.x;
    const int y = point.y;
    if (!props.Reverse()) {
        switch (props.TabOrientation) {
            case Orientation::toTop:
                return {s.left + x - offset, s.top + y};
            case Orientation::toBottom:
                return {s.left + x - offset, s.bottom - y};
            case Orientation::toLeft:
                return {s.left + y, s.bottom - (x - offset)};
            case Orientation::toRight:
                return {s.right - y, s.top + (x - offset)};
        }
    }
    switch (props.TabOrientation) {
        case Orientation::toTop:
            return {s.right - (offset - x), s.top + y};
        case Orientation::toBottom:
            return {s.right - (offset - x), s.bottom - y};
        case Orientation::toLeft:
            return {s.left + y, s.top + (offset - x)};
        case Orientation::toRight:
            return {s.right - y, s.bottom - (offset - x)};
    }
    return point;
}

TRect StripToControl(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int offset,
                     const TRect& rect) {
    const TPoint a = StripToControl(props, geometry, offset, TPoint{rect.left, rect.top});
    const TPoint b = StripToControl(props, geometry, offset, TPoint{rect.right, rect.bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

TRect CardRect(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int row,
               int tabCount) {
    TRect r{0, 0, geometry.ClientWidth - 1, geometry.ClientHeight - 1};
    if (tabCount == 0 && props.ShowCard) return r;
    const int d = geometry.Depth;
    const int k = (geometry.FixedDimension - props.RowOverlap) * row;
    int a = row * props.RowIndent;
    int b = (geometry.Rows - row - 1) * props.RowIndent;
    if (props.Reverse()) std::swap(a, b);
    switch (props.TabOrientation) {
        case Orientation::toTop:
            r.top += d - k;
            r.bottom -= k;
            r.left += a;
            r.right -= b;
            break;
        case Orientation::toBottom:
            r.top += k;
            r.bottom += k - d;
            r.left += a;
            r.right -= b;
            break;
        case Orientation::toLeft:
            r.left += d - k;
            r.right -= k;
            r.bottom -= a;  // the strip starts at the bottom
            r.top += b;
            break;
        case Orientation::toRight:
            r.left += k;
            r.right += k - d;
            r.top += a;
            r.bottom -= b;
            break;
    }
    return r;
}

TRect ChildClientRect(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry,
                      int tabCount) {
    if (!props.ShowCard) return {-2, -2, -1, -1};
    TRect r = CardRect(props, geometry, 0, tabCount);
    const Orientation o = props.TabOrientation;
    if (props.ShowCardFrame && props.ShowFullFrame) {
        r.left += 1;
        r.top += 1;
        if (o == Orientation::toTop && !props.Reverse() && props.ShowShadow) {
            r.right -= 2;
            r.bottom -= 2;
        }
    } else if (props.ShowCardFrame) {
        if (o == Orientation::toTop) r.top += 1;
        r.right += 1;
        r.bottom += 1;
    } else {
        if (!props.ShowFullFrame) {
            if (o == Orientation::toLeft) r.left -= 1;
            if (o == Orientation::toBottom) r.bottom += 1;
            if (o == Orientation::toRight) r.right += 1;
        }
        r.right += 1;
        r.bottom += 1;
    }
    return r;
}

TWgTabButtonPlaces PlaceTabButtons(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry) {
    TWgTabButtonPlaces places;
    const TRect& s = geometry.Strip;
    const int len = geometry.ArrowLength;
    const int thick = geometry.ArrowThickness;
    const Orientation o = props.TabOrientation;
    const bool across = props.HorizontalTabs();
    places.Stacked = !across;
    const int scrollerLength = 2 * len - 1;

    // The outer edge of the first item and the way inwards along the
    // control's axis (-1: towards smaller coordinates).
    int edge = 0;
    int step = 0;
    if (!props.Reverse()) {
        const bool lessOne = o == Orientation::toBottom || o == Orientation::toRight ||
                             (o == Orientation::toTop && !props.ShowShadow);
        const bool moreOne = o == Orientation::toTop && props.ShowShadow;
        const int distance = props.Margin - (lessOne ? 1 : 0) + (moreOne ? 1 : 0);
        switch (o) {
            case Orientation::toTop:
            case Orientation::toBottom:
                edge = s.right - distance;
                step = -1;
                break;
            case Orientation::toLeft:
                edge = s.top + distance;
                step = 1;
                break;
            case Orientation::toRight:
                edge = s.bottom - distance;
                step = -1;
                break;
        }
    } else {
        switch (o) {
            case Orientation::toTop:
            case Orientation::toBottom:
                edge = s.left + props.Margin;
                step = 1;
                break;
            case Orientation::toLeft:
                edge = s.bottom - props.Margin;
                step = -1;
                break;
            case Orientation::toRight:
                edge = s.top + props.Margin;
                step = 1;
                break;
        }
    }
    // Across: 2 pixels inside the strip's inner edge.
    int acrossFrom = 0;
    switch (o) {
        case Orientation::toTop:
            acrossFrom = s.bottom - 2 - thick;
            break;
        case Orientation::toBottom:
            acrossFrom = s.top + 2;
            break;
        case Orientation::toLeft:
            acrossFrom = s.right - 2 - thick;
            break;
        case Orientation::toRight:
            acrossFrom = s.left + 2;
            break;
    }
    auto next = [&](int length) {
        const int from = step < 0 ? edge - length : edge;
        edge += step * (length + 2);
        return across ? TRect{from, acrossFrom, from + length, acrossFrom + thick}
                      : TRect{acrossFrom, from, acrossFrom + thick, from + length};
    };
    auto outOfSight = [](const TRect& r) { return TRect{-r.Width(), -r.Height(), 0, 0}; };
    places.CloseButton = next(len);
    if (!props.ShowCloseButton) {
        places.CloseButton = outOfSight(places.CloseButton);
        edge -= step * (len + 2);
    }
    places.MenuButton = next(len);
    if (!props.ShowMenuButton) {
        places.MenuButton = outOfSight(places.MenuButton);
        edge -= step * (len + 2);
    }
    places.Scroller = next(scrollerLength);
    if (!geometry.ScrollerNeeded) places.Scroller = outOfSight(places.Scroller);
    return places;
}

}  // namespace vx
