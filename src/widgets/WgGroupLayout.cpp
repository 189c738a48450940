#include "widgets/WgGroupLayout.h"

#include <algorithm>

#include "widgets/WgGroupItem.h"
#include "widgets/WgGroupItems.h"

namespace vx {
namespace {

constexpr TRect kNoRect{-1, -1, -1, -1};
constexpr int kMargin = 8;   // left and right of the item area
constexpr int kRowsTop = 4;  // below the caption

bool HasItemImage(const TWgGroupItem& item, const TWgImageSize& images) {
    return images.present && item.ImageIndex() != -1;
}

// The large style's room for an image above the text.
int LargeImageArea(const TWgItemLayoutParams& params) {
    return params.largeImages.present ? params.largeImages.height + 2 : 34;
}

TRect Mirrored(const TRect& r, int width) {
    return {width - r.right, r.top, width - r.left, r.bottom};
}

// Measures the caption of a small-style item at row y; the rectangle is at
// least one pixel wide.
int MeasureSmall(const TWgGroupItem& item, int x, int y, int width,
                 const TWgItemLayoutParams& params, const TWgMeasureItem& measure, TRect& rect) {
    rect = {x, y, std::max(width - kMargin, x + 1), y + params.itemHeight};
    return measure(item, rect, TWgTextLayout::WrapLeft);
}

}  // namespace

int ItemPad(const TWgItemLayoutParams& params) {
    return (params.itemHeight - params.textHeight) / 2;
}

bool IsHiddenDivider(const TWgGroupItems& items, int index, int topIndex) {
    if (index == topIndex || index == items.Count() - 1) return true;
    bool metVisible = false;
    for (int j = index - 1; j >= topIndex && j >= 0; --j) {
        const TWgGroupItem& before = items.Items(j);
        if (!before.Visible()) continue;
        if (before.IsDivider()) return true;
        metVisible = true;
        break;
    }
    if (!metVisible) return true;
    for (int k = index + 1; k < items.Count(); ++k) {
        const TWgGroupItem& after = items.Items(k);
        if (after.Visible() && !after.IsDivider()) return false;
    }
    return true;
}

int ItemLeftMargin(const TWgGroupItems& items, const TWgImageSize& smallImages) {
    if (!smallImages.present) return kMargin;
    for (int i = 0; i < items.Count(); ++i) {
        if (items.Items(i).ImageIndex() != -1) return smallImages.width + 12;
    }
    return kMargin;
}

int NeededHeight(const TWgGroupItems& items, const TWgItemLayoutParams& params, int width,
                 const TWgMeasureItem& measure) {
    if (items.Count() == 0) return params.captionHeight;
    const int pad = ItemPad(params);
    int y = params.captionHeight + kRowsTop;
    int result = y;
    const int top = std::max(params.topIndex, 0);
    if (params.style == TWgGroupItemStyle::isSmall) {
        const int margin = ItemLeftMargin(items, params.smallImages);
        for (int i = top; i < items.Count(); ++i) {
            const TWgGroupItem& item = items.Items(i);
            if (!item.Visible()) continue;
            if (item.IsDivider() && IsHiddenDivider(items, i, top)) continue;
            const int x = margin + item.IndentLevel() * params.itemIndent;
            TRect rect;
            const int textHeight = MeasureSmall(item, x, y, width, params, measure, rect);
            result = y + 2 * pad + textHeight + 4;
            y += std::max(2 * pad + textHeight, params.itemHeight);
        }
        return result;
    }
    const int imageArea = LargeImageArea(params);
    for (int i = top; i < items.Count(); ++i) {
        const TWgGroupItem& item = items.Items(i);
        if (!item.Visible()) continue;
        if (item.IsDivider()) {
            if (IsHiddenDivider(items, i, top)) continue;
            result = y + 4;
            y += 12;
            continue;
        }
        TRect rect{kMargin, y + imageArea + pad, std::max(width - kMargin, kMargin + 1),
                   y + imageArea + pad + params.itemHeight};
        const int textHeight = measure(item, rect, TWgTextLayout::WrapCentered);
        result = y + 2 * pad + textHeight + imageArea + 4;
        y += std::max(2 * pad + textHeight, params.itemHeight) + imageArea + 8;
    }
    return result;
}

std::vector<TWgItemPlace> PlaceItems(const TWgGroupItems& items, const TWgItemLayoutParams& params,
                                     int clientWidth, const TWgMeasureItem& measure) {
    std::vector<TWgItemPlace> places;
    const int pad = ItemPad(params);
    const int top = std::max(params.topIndex, 0);
    const int width = clientWidth;
    int y = params.captionHeight + kRowsTop;
    const bool small = params.style == TWgGroupItemStyle::isSmall;
    const int margin = ItemLeftMargin(items, params.smallImages);
    const int imageArea = LargeImageArea(params);
    for (int i = top; i < items.Count(); ++i) {
        const TWgGroupItem& item = items.Items(i);
        if (!item.Visible()) continue;
        const bool divider = item.IsDivider();
        if (divider && IsHiddenDivider(items, i, top)) continue;
        TWgItemPlace place;
        place.index = i;
        place.top = y;
        place.imageRect = kNoRect;
        if (small) {
            const int x = margin + item.IndentLevel() * params.itemIndent;
            TRect measured;
            const int textHeight = MeasureSmall(item, x, y, width, params, measure, measured);
            place.x = x;
            place.textHeight = textHeight;
            place.textWidth = measured.Width();
            place.textFits =
                place.textWidth < (width - kMargin) - x || params.itemHeight > textHeight;
            if (divider) {
                const int lineY = y + params.itemHeight / 2;
                place.divider = true;
                place.dividerLine = {kMargin, lineY, width - kMargin, lineY + 1};
                place.textRect = place.dividerLine;
            } else {
                const int textTop = y + pad;
                if (!params.rightToLeft) {
                    place.textArea = {x, textTop, width - kMargin, textTop + textHeight};
                    place.textRect = {x, textTop, std::min(x + place.textWidth, width - kMargin),
                                      textTop + textHeight};
                } else {
                    place.textArea = {kMargin, textTop, width - x, textTop + textHeight};
                    place.textRect = {std::max(width - x - place.textWidth, kMargin), textTop,
                                      width - x, textTop + textHeight};
                }
                if (HasItemImage(item, params.smallImages)) {
                    const TWgImageSize& images = params.smallImages;
                    int imageX = kMargin + item.IndentLevel() * params.itemIndent;
                    if (params.rightToLeft) imageX = width - imageX - images.width;
                    const int imageY = place.textFits ? y + (params.itemHeight - images.height) / 2
                                                      : textTop + pad;
                    place.image = true;
                    place.imageAt = {imageX, imageY};
                    place.imageRect = params.rightToLeft
                                          ? TRect{imageX - 4, imageY, imageX + 16, imageY + 16}
                                          : TRect{imageX, imageY, imageX + 20, imageY + 16};
                }
            }
            y += std::max(2 * pad + textHeight, params.itemHeight);
        } else {
            place.x = kMargin;
            if (divider) {
                place.divider = true;
                place.dividerLine = {kMargin, y + 2, width - kMargin, y + 3};
                place.textRect = place.dividerLine;
                y += 12;
            } else {
                TRect measured{kMargin, y + imageArea, std::max(width - kMargin, kMargin + 1),
                               y + imageArea + params.itemHeight};
                const int textHeight = measure(item, measured, TWgTextLayout::WrapCentered);
                const int textTop = y + imageArea + pad;
                place.textHeight = textHeight;
                place.textWidth = measured.Width();
                place.textFits = true;
                place.textArea = {kMargin, textTop, width - kMargin, textTop + textHeight};
                const int left = kMargin + std::max(0, (width - 2 * kMargin - place.textWidth) / 2);
                place.textRect = {left, textTop, left + place.textWidth, textTop + textHeight};
                if (HasItemImage(item, params.largeImages)) {
                    const TWgImageSize& images = params.largeImages;
                    const int imageX = (clientWidth - images.width) / 2;
                    place.image = true;
                    place.imageAt = {imageX, y + 2};
                    place.imageRect = {imageX, y + 2, imageX + images.width, y + images.height + 6};
                }
                y += std::max(2 * pad + textHeight, params.itemHeight) + imageArea + 8;
            }
        }
        places.push_back(place);
    }
    return places;
}

TRect ImageAndCaptionSelectionBox(const TWgItemPlace& place, const TWgItemLayoutParams& params,
                                  int clientWidth) {
    const TWgImageSize& images = params.smallImages;
    const int imagePart = place.image ? images.width + 4 : 0;
    const int boxHeight =
        place.image ? std::max(place.textHeight, images.height) : place.textHeight;
    const int top = place.textFits && images.present
                        ? place.top + (params.itemHeight - images.height) / 2
                        : place.top + ItemPad(params);
    TRect box{place.x - imagePart, top, clientWidth - kMargin, top + boxHeight};
    if (params.rightToLeft) box = Mirrored(box, clientWidth);
    return box.Inflated(2, 2);
}

TRect CaptionSelectionBox(const TWgItemPlace& place) {
    return place.textArea.Inflated(2, 2);
}

TRect ImageSelectionBox(const TWgItemPlace& place, const TWgItemLayoutParams& params) {
    const TPoint at = place.imageAt;
    return {at.x - 2, at.y - 2, at.x + params.smallImages.width + 2,
            at.y + params.smallImages.height + 2};
}

TRect LargeImageBox(const TWgItemPlace& place, const TWgItemLayoutParams& params) {
    const TPoint at = place.imageAt;
    return {at.x - 2, place.top, at.x + params.largeImages.width + 2,
            place.top + params.largeImages.height + 4};
}

}  // namespace vx
