#include "widgets/WgGroupItems.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "widgets/WgGroupItem.h"
#include "widgets/WgGroupModel.h"

namespace vx {

TWgGroupItems::TWgGroupItems(TWgGroupModel& group) : group_(group) {}

TWgGroupItems::~TWgGroupItems() {
    // The group is going too: nothing is told any more.
    updateCount_ = 1;
    while (!items_.empty())
        items_.pop_back();
}

TWgGroupItem& TWgGroupItems::Items(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return *items_[static_cast<std::size_t>(index)];
}

TWgGroupItem& TWgGroupItems::Add() {
    return Insert(Count());
}

TWgGroupItem& TWgGroupItems::Insert(int index) {
    index = std::clamp(index, 0, Count());
    auto item = std::make_unique<TWgGroupItem>(*this);
    TWgGroupItem& added = *item;
    items_.insert(items_.begin() + index, std::move(item));
    Changed();
    return added;
}

void TWgGroupItems::Delete(int index) {
    Items(index);  // range check
    // The group hears first which index goes (its selection moves).
    group_.ItemRemoved(index);
    const auto at = items_.begin() + index;
    std::unique_ptr<TWgGroupItem> gone = std::move(*at);
    items_.erase(at);
    gone.reset();
    Changed();
}

void TWgGroupItems::Clear() {
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty())
        Delete(Count() - 1);
    EndUpdate();
}

void TWgGroupItems::Move(int from, int to) {
    Items(from);
    to = std::clamp(to, 0, Count() - 1);
    if (from == to) return;
    std::unique_ptr<TWgGroupItem> item = std::move(items_[static_cast<std::size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
    Changed();
}

int TWgGroupItems::IndexOf(const TWgGroupItem* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == item) return static_cast<int>(i);
    }
    return -1;
}

void TWgGroupItems::Assign(const TWgGroupItems& source) {
    if (&source == this) return;
    BeginUpdate();
    Clear();
    for (int i = 0; i < source.Count(); ++i)
        Add().Assign(source.Items(i));
    EndUpdate();
}

void TWgGroupItems::BeginUpdate() {
    ++updateCount_;
}

void TWgGroupItems::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void TWgGroupItems::Changed() {
    if (updateCount_ == 0) Update(nullptr);
}

void TWgGroupItems::Update(TWgGroupItem* item) {
    if (updateCount_ > 0) return;
    group_.ItemsUpdate(item);
}

}  // namespace vx
