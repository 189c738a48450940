// The window list of a styled main menu on a form with MDI child windows:
// one radio item per child, numbered from 1 in the order of their captions
// (equal captions each keep their own item), the active child's checked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vx {

struct MdiChildEntry {
    std::string caption;
    std::uintptr_t handle = 0;  // the child's window
    bool active = false;
};

struct WindowListItem {
    std::string caption;  // number, a blank, the child's caption
    std::uintptr_t tag = 0;
    bool checked = false;
    bool operator==(const WindowListItem&) const = default;
};

// The items for the children as the client window lists them: sorted by
// caption without regard to case, children of equal captions in their
// given order.
std::vector<WindowListItem> WindowListItems(const std::vector<MdiChildEntry>& children);

}  // namespace vx
