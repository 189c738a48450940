// Numbers from the edges of int into the placement of the styled menus'
// windows: nothing overflows (the sanitizer build aborts on it), and a pop-up
// still opens on its work area.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "styling/menus/FxMenuPlacement.h"
#include "support/FuzzInputs.h"

namespace vx {
namespace {

// 50,000 rounds of the four rules. Well under 1 s in the sanitizer build.
TEST(FxMenuPlacementFuzz, AnyNumbersKeepThePopupOnItsWorkArea) {
    std::mt19937 random(1998);
    auto n = [&random] { return test::ExtremeInt(random); };
    for (int i = 0; i < 50000; ++i) {
        const TRect work{n(), n(), n(), n()};
        const auto alignment = static_cast<TPopupAlignment>(random() % 3);
        const TPoint at{n(), n()};
        const TPoint point = PopupPoint(at, alignment, n(), work);
        ASSERT_GE(point.x, work.left);
        ASSERT_LE(point.x, std::max<long long>(work.left, work.right - 1LL));
        ASSERT_GE(point.y, work.top);
        ASSERT_LE(point.y, std::max<long long>(work.top, work.bottom - 1LL));
        const TPoint origin = PopupWindowOrigin(at, alignment, TPoint{n(), n()}, work);
        ASSERT_GE(origin.x, work.left);
        ASSERT_GE(origin.y, work.top);
        (void)PopupRegion(n(), n());
        (void)PopupWindowMove(TRect{n(), n(), n(), n()}, n(), random() % 2 == 0);
    }
}

}  // namespace
}  // namespace vx
