// The tabs of a tab control, owned in order.
#pragma once

#include <memory>
#include <vector>

#include "widgets/WgTabData.h"

namespace vx {

class TWgTabDataList {
  public:
    TWgTabDataList() = default;
    TWgTabDataList(const TWgTabDataList&) = delete;
    TWgTabDataList& operator=(const TWgTabDataList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    TWgTabData& Items(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TWgTabData& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    // Stores a new record in place of the old one, which is freed.
    void SetItem(int index, std::unique_ptr<TWgTabData> item);
    TWgTabData& Add();
    void Clear() { items_.clear(); }
    // Clears, then copies every record of the source in order.
    void Assign(const TWgTabDataList& source);

  private:
    std::vector<std::unique_ptr<TWgTabData>> items_;
};

}  // namespace vx
