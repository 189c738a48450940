#include "styling/menus/FxMdiWindowList.h"

#include <algorithm>
#include <cctype>

namespace vx {
namespace {

bool CaptionLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

}  // namespace

std::vector<WindowListItem> WindowListItems(const std::vector<MdiChildEntry>& children) {
    std::vector<MdiChildEntry> sorted = children;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const MdiChildEntry& a, const MdiChildEntry& b) {
                         return CaptionLess(a.caption, b.caption);
                     });
    std::vector<WindowListItem> items;
    items.reserve(sorted.size());
    int number = 1;
    for (const MdiChildEntry& child : sorted) {
        items.push_back(
            {std::to_string(number++) + " " + child.caption, child.handle, child.active});
    }
    return items;
}

}  // namespace vx
