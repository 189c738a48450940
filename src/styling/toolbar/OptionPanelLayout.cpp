#include "styling/toolbar/OptionPanelLayout.h"

#include <algorithm>

namespace vx {

std::vector<TOptionPanelItem> OptionPanelContents(const std::vector<TOptionCandidate>& controls) {
    const int count = static_cast<int>(controls.size());
    auto separator = [&](int i) { return controls[i].kind == TBarControlKind::bcSeparator; };
    // Whether a lendable control other than a separator follows index i.
    std::vector<bool> followed(static_cast<std::size_t>(count) + 1, false);
    for (int i = count - 2; i >= 0; --i)
        followed[i] = followed[i + 1] || (controls[i + 1].lendable && !separator(i + 1));
    std::vector<TOptionPanelItem> items;
    int pending = -1;
    for (int i = 0; i < count; ++i) {
        if (separator(i)) pending = i;
        if (!controls[i].lendable) continue;
        if (separator(i)) {
            // Not first and not last: a separator leads to a control.
            if (items.empty() || !followed[i]) continue;
        } else if (pending >= 0) {
            if (!items.empty()) items.push_back({pending, true});
            pending = -1;
        }
        items.push_back({i, false});
        if (separator(i)) pending = -1;
    }
    return items;
}

int OptionEntryWidth(int autoCaptionWidth, bool autoShown, int optionsCaptionWidth,
                     bool optionsShown) {
    int w = kOptionEntryMinWidth;
    if (autoShown) w = std::max(w, autoCaptionWidth + 15);
    if (optionsShown) w = std::max(w, optionsCaptionWidth + 15);
    return w;
}

TOptionPanelLayout ArrangeOptionPanel(const std::vector<TRect>& sizes, int entryWidth,
                                      bool autoEntry, bool hasOptions) {
    TOptionPanelLayout l;
    int w = entryWidth;
    for (const TRect& s : sizes)
        w = std::max(w, s.Width());
    int x = kOptionMargin, y = kOptionMargin, row = 0;
    for (const TRect& s : sizes) {
        if (s.Width() > w - x) {
            x = kOptionMargin;
            y += row;
            row = 0;
        }
        l.places.push_back({x, y});
        x += s.Width();
        row = std::max(row, s.Height());
    }
    int h = y + row;
    if (autoEntry) h += kOptionEntryHeight;
    if (hasOptions) h += kOptionEntryHeight;
    if (!sizes.empty() && (autoEntry || hasOptions)) h += kOptionGap;
    l.width = 2 * kOptionMargin + w;
    l.height = kOptionMargin + h;
    int bottom = l.height - kOptionMargin;
    if (autoEntry) {
        l.autoEntry = {kOptionMargin, bottom - kOptionEntryHeight, l.width - kOptionMargin, bottom};
        bottom = l.autoEntry.top;
    }
    if (hasOptions)
        l.optionsEntry = {kOptionMargin, bottom - kOptionEntryHeight, l.width - kOptionMargin,
                          bottom};
    return l;
}

TPoint DockedOptionAnchor(const TRect& barBounds) {
    return {barBounds.right - 12, barBounds.bottom + 1};
}

TPoint FloatingOptionAnchor(const TRect& barBounds, int captionHeight, bool showClose) {
    return {barBounds.right - (showClose ? 40 : 20), barBounds.top + captionHeight - 2};
}

TPoint OptionWindowOrigin(TPoint anchor, int width, int height, const TRect& workArea,
                          bool dockedRight, int barLeftOnScreen) {
    TPoint p = anchor;
    p.y = std::min(p.y, workArea.bottom - height - 2);  // lifted to end 2 above the bottom
    if (p.x + width > workArea.right) {
        if (dockedRight)
            p.x = barLeftOnScreen - width;
        else
            p.x = workArea.right - width;
    }
    return p;
}

TPoint AddRemovePopupOrigin(const TRect& entryOnScreen, int width, int height,
                            const TRect& workArea) {
    TPoint p{entryOnScreen.right, entryOnScreen.top};
    p.y = std::min(p.y, workArea.bottom - height - 2);  // lifted to end 2 above the bottom
    if (p.x + width > workArea.right) p.x = entryOnScreen.left - width;
    return p;
}

TPoint OptionsEntryWindowOrigin(const TRect& entryOnScreen, int width, const TRect& workArea) {
    if (entryOnScreen.right + width > workArea.right)
        return {entryOnScreen.left - width, entryOnScreen.top};
    return {entryOnScreen.right, entryOnScreen.top};
}

}  // namespace vx
