#include "styling/menus/FxMdiWindowList.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(FxMdiWindowListTest, ItemsSortedByCaptionNumberedFromOne) {
    EXPECT_TRUE(WindowListItems({}).empty());
    const std::vector<WindowListItem> items = WindowListItems({
        {"B", 11, false},
        {"a", 12, true},
        {"C", 13, false},
        {"b", 14, false},  // equal captions without regard to case: both stay
        {"B", 15, false},
    });
    const std::vector<WindowListItem> expected = {
        {"1 a", 12, true},  {"2 B", 11, false}, {"3 b", 14, false},
        {"4 B", 15, false}, {"5 C", 13, false},
    };
    EXPECT_EQ(items, expected);
}

}  // namespace
}  // namespace vx
