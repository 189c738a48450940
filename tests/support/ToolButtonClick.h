// A click on a tool button as the user makes it: the left button pressed
// and released over its middle. A disabled button takes no mouse input, so
// it fires nothing.
#pragma once

#include <QTest>
#include <QWidget>

namespace vx::test {

inline void ClickToolButton(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

}  // namespace vx::test
