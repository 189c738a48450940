#include "platform/qt/ControlHint.h"

#include <QWidget>
#include <algorithm>

#include "platform/qt/CustomControl.h"

namespace vx {
namespace {

int hintPause = 500;
int hintShortPause = 0;

}  // namespace

TControlHint WidgetHintAt(const QWidget* widget, QPoint pos) {
    if (!widget) return {};
    if (const auto* control = qobject_cast<const TCustomControl*>(widget))
        return control->ShownHintAt(pos);
    return {widget->toolTip(), widget->rect()};
}

int ApplicationHintPause() {
    return hintPause;
}

void SetApplicationHintPause(int ms) {
    hintPause = std::max(ms, 0);
}

int ApplicationHintShortPause() {
    return hintShortPause;
}

void SetApplicationHintShortPause(int ms) {
    hintShortPause = std::max(ms, 0);
}

}  // namespace vx
