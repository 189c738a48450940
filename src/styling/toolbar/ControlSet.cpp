#include "styling/toolbar/ControlSet.h"

namespace vx {

void TControlSet::Rebuild(std::size_t capacity) {
    std::vector<const IBarControl*> old;
    old.swap(slots_);
    slots_.assign(capacity, nullptr);
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c >>= 1)
        --shift_;
    size_ = 0;
    for (const IBarControl* c : old)
        if (c) Insert(c);
}

void TControlSet::Insert(const IBarControl* c) {
    if (c == nullptr || Contains(c)) return;
    // At most half full, so that every search ends soon at a free slot.
    if ((size_ + 1) * 2 > slots_.size()) Rebuild(slots_.empty() ? 16 : slots_.size() * 2);
    std::size_t i = Home(c);
    while (slots_[i] != nullptr)
        i = (i + 1) & Mask();
    slots_[i] = c;
    ++size_;
}

void TControlSet::Erase(const IBarControl* c) {
    if (!Contains(c)) return;
    std::size_t i = Home(c);
    while (slots_[i] != c)
        i = (i + 1) & Mask();
    // The entries after the freed slot whose search passes it move into it,
    // so no search stops short of its entry.
    for (std::size_t j = (i + 1) & Mask(); slots_[j] != nullptr; j = (j + 1) & Mask()) {
        const std::size_t home = Home(slots_[j]);
        const bool passesFreed = ((j - home) & Mask()) >= ((j - i) & Mask());
        if (passesFreed) {
            slots_[i] = slots_[j];
            i = j;
        }
    }
    slots_[i] = nullptr;
    --size_;
}

void TControlSet::Clear() {
    if (size_ == 0) return;
    slots_.assign(slots_.size(), nullptr);
    size_ = 0;
}

}  // namespace vx
