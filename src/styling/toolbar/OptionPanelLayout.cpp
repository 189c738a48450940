#include "styling/toolbar/OptionPanelLayout.h"

#include <algorithm>

namespace vx {

namespace {
// The rules' sums run in 64 bits and what they give is held within int: no
// size, place or work area a caller passes overflows them.
using Wide = long long;
}  // namespace

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
    Wide w = kOptionEntryMinWidth;
    if (autoShown) w = std::max(w, autoCaptionWidth + Wide{15});
    if (optionsShown) w = std::max(w, optionsCaptionWidth + Wide{15});
    return SaturateInt(w);
}

TOptionPanelLayout ArrangeOptionPanel(const std::vector<TRect>& sizes, int entryWidth,
                                      bool autoEntry, bool hasOptions) {
    TOptionPanelLayout l;
    Wide w = entryWidth;
    for (const TRect& s : sizes)
        w = std::max<Wide>(w, s.Width());
    Wide x = kOptionMargin, y = kOptionMargin, row = 0;
    for (const TRect& s : sizes) {
        if (s.Width() > w - x) {
            x = kOptionMargin;
            y += row;
            row = 0;
        }
        l.places.push_back({SaturateInt(x), SaturateInt(y)});
        x += s.Width();
        row = std::max<Wide>(row, s.Height());
    }
    Wide h = y + row;
    if (autoEntry) h += kOptionEntryHeight;
    if (hasOptions) h += kOptionEntryHeight;
    if (!sizes.empty() && (autoEntry || hasOptions)) h += kOptionGap;
    l.width = SaturateInt(2 * kOptionMargin + w);
    l.height = SaturateInt(kOptionMargin + h);
    Wide bottom = Wide{l.height} - kOptionMargin;
    auto entry = [&](Wide entryBottom) {
        return TRect{kOptionMargin, SaturateInt(entryBottom - kOptionEntryHeight),
                     SaturateInt(Wide{l.width} - kOptionMargin), SaturateInt(entryBottom)};
    };
    if (autoEntry) {
        l.autoEntry = entry(bottom);
        bottom = l.autoEntry.top;
    }
    if (hasOptions) l.optionsEntry = entry(bottom);
    return l;
}

TPoint DockedOptionAnchor(const TRect& barBounds) {
    return {SaturateInt(barBounds.right - Wide{12}), SaturateInt(barBounds.bottom + Wide{1})};
}

TPoint FloatingOptionAnchor(const TRect& barBounds, int captionHeight, bool showClose) {
    return {SaturateInt(barBounds.right - (showClose ? Wide{40} : Wide{20})),
            SaturateInt(Wide{barBounds.top} + captionHeight - 2)};
}

TPoint OptionWindowOrigin(TPoint anchor, int width, int height, const TRect& workArea,
                          bool dockedRight, int barLeftOnScreen) {
    Wide x = anchor.x;
    // Lifted to end 2 above the bottom.
    const Wide y = std::min<Wide>(anchor.y, workArea.bottom - Wide{2} - height);
    if (x + width > workArea.right) {
        if (dockedRight)
            x = Wide{barLeftOnScreen} - width;
        else
            x = Wide{workArea.right} - width;
    }
    return {SaturateInt(x), SaturateInt(y)};
}

TPoint AddRemovePopupOrigin(const TRect& entryOnScreen, int width, int height,
                            const TRect& workArea) {
    Wide x = entryOnScreen.right;
    // Lifted to end 2 above the bottom.
    const Wide y = std::min<Wide>(entryOnScreen.top, workArea.bottom - Wide{2} - height);
    if (x + width > workArea.right) x = Wide{entryOnScreen.left} - width;
    return {SaturateInt(x), SaturateInt(y)};
}

TPoint OptionsEntryWindowOrigin(const TRect& entryOnScreen, int width, const TRect& workArea) {
    if (Wide{entryOnScreen.right} + width > workArea.right)
        return {SaturateInt(Wide{entryOnScreen.left} - width), entryOnScreen.top};
    return {entryOnScreen.right, entryOnScreen.top};
}

}  // namespace vx
