// The most recently used tab-shape regions, by tab rectangle, so that a tab's
// shape is not built again on every paint and hit test.
//
// Region is the drawing layer's region type; the cache owns its regions, so a
// region it drops or replaces is freed with it, and one rectangle never has
// two entries.
#pragma once

#include <list>
#include <utility>

#include "platform/Geometry.h"
#include "widgets/WgTabsTypes.h"

namespace vx {

template <typename Region>
class TWgTabRegionCache {
  public:
    // -1 keeps every region.
    static constexpr int kUnlimited = -1;

    struct TWgTabRegionCacheItem {
        TRect Rect{-1, -1, -1, -1};
        Region Rgn{};
    };

    explicit TWgTabRegionCache(int capacity = 1) { SetCapacity(capacity); }

    int Capacity() const { return capacity_; }
    int Count() const { return static_cast<int>(items_.size()); }

    // Refuses 0 and values below -1 and keeps the capacity it had; a smaller
    // capacity drops the least recently used regions.
    void SetCapacity(int value) {
        if (value < kUnlimited || value == 0)
            throw EWgTabControlError("Capacity must be -1 (to cache all regions) or > 0");
        if (value == capacity_) return;
        capacity_ = value;
        Trim();
    }

    // The region held for the rectangle, or none.
    const Region* Find(const TRect& rect) const {
        for (const auto& item : items_)
            if (item.Rect == rect) return &item.Rgn;
        return nullptr;
    }

    // Stores the region for the rectangle as the most recently used one; an
    // entry the rectangle already has takes the new region (its old one is
    // freed) and moves to the front.
    const Region& Add(const TRect& rect, Region region) {
        for (auto it = items_.begin(); it != items_.end(); ++it) {
            if (it->Rect == rect) {
                it->Rgn = std::move(region);
                items_.splice(items_.begin(), items_, it);
                return items_.front().Rgn;
            }
        }
        items_.push_front(TWgTabRegionCacheItem{rect, std::move(region)});
        Trim();
        return items_.front().Rgn;
    }

    void Clear() { items_.clear(); }

  private:
    void Trim() {
        if (capacity_ == kUnlimited) return;
        while (Count() > capacity_)
            items_.pop_back();
    }

    int capacity_ = 0;
    std::list<TWgTabRegionCacheItem> items_;
};

}  // namespace vx
