#include "widgets/WgTabDataList.h"

#include <utility>

namespace vx {

void TWgTabDataList::SetItem(int index, std::unique_ptr<TWgTabData> item) {
    if (!item) item = std::make_unique<TWgTabData>();
    items_.at(static_cast<std::size_t>(index)) = std::move(item);
}

TWgTabData& TWgTabDataList::Add() {
    items_.push_back(std::make_unique<TWgTabData>());
    return *items_.back();
}

void TWgTabDataList::Assign(const TWgTabDataList& source) {
    if (&source == this) return;
    Clear();
    for (const auto& item : source.items_)
        Add().Assign(*item);
}

}  // namespace vx
