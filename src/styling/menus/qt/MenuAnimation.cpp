#include "styling/menus/qt/MenuAnimation.h"

#include <QApplication>

namespace vx {
namespace {

struct SavedEffects {
    bool saved = false;
    bool animate = false;
    bool fade = false;
};

SavedEffects& Saved() {
    static SavedEffects saved;
    return saved;
}

}  // namespace

void SwitchMenuAnimationOff() {
    SavedEffects& saved = Saved();
    static const bool once = [] {
        qAddPostRoutine(RestoreMenuAnimation);
        return true;
    }();
    (void)once;
    if (!saved.saved) {
        saved.animate = QApplication::isEffectEnabled(Qt::UI_AnimateMenu);
        saved.fade = QApplication::isEffectEnabled(Qt::UI_FadeMenu);
        saved.saved = true;
    }
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu, false);
    QApplication::setEffectEnabled(Qt::UI_FadeMenu, false);
}

void RestoreMenuAnimation() {
    SavedEffects& saved = Saved();
    if (!saved.saved) return;
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu, saved.animate);
    QApplication::setEffectEnabled(Qt::UI_FadeMenu, saved.fade);
    saved.saved = false;
}

}  // namespace vx
