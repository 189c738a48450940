#include "platform/ControlAlign.h"

#include <algorithm>

namespace vx {
namespace {

// The place by which items of one alignment are ordered; smaller goes first.
int PlaceKey(const AlignItem& item, TAlign align) {
    const TRect& at = item.rankAt ? *item.rankAt : item.bounds;
    switch (align) {
        case TAlign::alTop:
            return at.top;
        case TAlign::alBottom:
            return -at.bottom;
        case TAlign::alLeft:
            return at.left;
        case TAlign::alRight:
            return -at.right;
        default:
            return 0;  // client and custom: list order alone
    }
}

int Limit(int value, int low, int high) {
    return std::max(low, std::min(value, std::max(low, high)));
}

}  // namespace

std::vector<std::size_t> AlignOrder(const std::vector<AlignItem>& items, TAlign align) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].visible && items[i].align == align) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int ka = PlaceKey(items[a], align), kb = PlaceKey(items[b], align);
        if (ka != kb) return ka < kb;
        return items[a].justMoved && !items[b].justMoved;
    });
    return order;
}

std::vector<TRect> ArrangeAligned(TRect client, const std::vector<AlignItem>& items) {
    std::vector<TRect> result;
    result.reserve(items.size());
    for (const AlignItem& item : items)
        result.push_back(item.bounds);

    TRect room = client;
    for (TAlign align :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (std::size_t i : AlignOrder(items, align)) {
            const AlignItem& item = items[i];
            const int roomWidth = std::max(0, room.Width());
            const int roomHeight = std::max(0, room.Height());
            const int ownWidth = Limit(item.bounds.Width(), item.minWidth, item.maxWidth);
            const int ownHeight = Limit(item.bounds.Height(), item.minHeight, item.maxHeight);
            const int fullWidth = Limit(roomWidth, item.minWidth, item.maxWidth);
            const int fullHeight = Limit(roomHeight, item.minHeight, item.maxHeight);
            TRect& r = result[i];
            switch (align) {
                case TAlign::alTop:
                    r = Bounds(room.left, room.top, fullWidth, ownHeight);
                    room.top += ownHeight;
                    break;
                case TAlign::alBottom:
                    r = Bounds(room.left, room.bottom - ownHeight, fullWidth, ownHeight);
                    room.bottom -= ownHeight;
                    break;
                case TAlign::alLeft:
                    r = Bounds(room.left, room.top, ownWidth, fullHeight);
                    room.left += ownWidth;
                    break;
                case TAlign::alRight:
                    r = Bounds(room.right - ownWidth, room.top, ownWidth, fullHeight);
                    room.right -= ownWidth;
                    break;
                default:
                    r = Bounds(room.left, room.top, fullWidth, fullHeight);
                    break;
            }
        }
    }
    return result;
}

}  // namespace vx
