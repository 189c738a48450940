// The hidden window through which a component that has no window of its
// own (an office styler) hears of the desktop's theme changes.
//
// The desktop tells a form's window of a theme change. The notifier is a
// hidden child of the first window among its owner's parents and hears the
// change through that window's form; with no window among them it has no
// parent, and then it hears nothing.
#pragma once

#include <functional>

class QObject;

namespace vx {

// The notifier of `owner`: it calls onThemeChange, with itself as sender, at
// each theme change it hears. The caller deletes it; it goes sooner with its
// parent window, so hold it in a QPointer. Null without a widget
// application (no window can be made).
QObject* NewNotifierWindow(QObject* owner, std::function<void(QObject*)> onThemeChange);

}  // namespace vx
