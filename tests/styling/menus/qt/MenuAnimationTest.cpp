#include "styling/menus/qt/MenuAnimation.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace vx {
namespace {

TEST(MenuAnimationTest, OffWhileTheProgramRunsAndPutBackAfterwards) {
    SwitchMenuAnimationOff();
    EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
    EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_FadeMenu));

    RestoreMenuAnimation();
    QApplication::setEffectEnabled(Qt::UI_General, true);
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu, true);
    QApplication::setEffectEnabled(Qt::UI_FadeMenu, false);
    SwitchMenuAnimationOff();
    SwitchMenuAnimationOff();  // keeps the first reading
    EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
    RestoreMenuAnimation();
    EXPECT_TRUE(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
    EXPECT_FALSE(QApplication::isEffectEnabled(Qt::UI_FadeMenu));
    RestoreMenuAnimation();  // nothing saved: nothing changes
    EXPECT_TRUE(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
    SwitchMenuAnimationOff();
}

}  // namespace
}  // namespace vx
