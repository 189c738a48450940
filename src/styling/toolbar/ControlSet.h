// A set of a tool bar's controls by address, for the question a bar asks of
// every control at each arrangement (is it in the overflow?): open
// addressing over a table of a power of two, so a question costs a
// multiplication and a probe or two, and nothing while the set is empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vx {

class IBarControl;

class TControlSet {
  public:
    bool Empty() const { return size_ == 0; }
    bool Contains(const IBarControl* c) const {
        if (size_ == 0 || c == nullptr) return false;
        for (std::size_t i = Home(c);; i = (i + 1) & Mask()) {
            if (slots_[i] == c) return true;
            if (slots_[i] == nullptr) return false;
        }
    }
    void Insert(const IBarControl* c);
    void Erase(const IBarControl* c);
    void Clear();

  private:
    std::size_t Mask() const { return slots_.size() - 1; }
    std::size_t Home(const IBarControl* c) const {
        return static_cast<std::size_t>(
            (reinterpret_cast<std::uintptr_t>(c) * 0x9E3779B97F4A7C15ull) >> shift_);
    }
    void Rebuild(std::size_t capacity);

    std::vector<const IBarControl*> slots_;  // null: free
    std::size_t size_ = 0;
    int shift_ = 64;
};

}  // namespace vx
