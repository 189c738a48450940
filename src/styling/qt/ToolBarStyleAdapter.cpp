#include "styling/qt/ToolBarStyleAdapter.h"

#include <QPalette>
#include <QWidget>

#include "platform/qt/Canvas.h"

namespace vx {

TToolBarStyleAdapter::TToolBarStyleAdapter(QWidget* toolBar, TCustomFxToolBarStyler* styler)
    : QObject(toolBar), toolBar_(toolBar), styler_(styler) {
    if (styler_ == nullptr) return;
    styler_->AddControl(this);
    Recolour();
}

TToolBarStyleAdapter::~TToolBarStyleAdapter() {
    if (styler_) styler_->RemoveControl(this);
}

void TToolBarStyleAdapter::StylerChanged(int) {
    Recolour();
}

// The tool bar's background takes the styler's gradient: its light end for
// the bar and its buttons, its dark end for the shading.
void TToolBarStyleAdapter::Recolour() {
    if (!styler_) return;
    const TGradientBackground& color = styler_->Color();
    QPalette palette = toolBar_->palette();
    palette.setColor(QPalette::Window, ToQColor(color.Color()));
    palette.setColor(QPalette::Button, ToQColor(color.Color()));
    palette.setColor(QPalette::Mid, ToQColor(color.ColorTo()));
    toolBar_->setPalette(palette);
    toolBar_->setAutoFillBackground(true);
    toolBar_->update();
}

}  // namespace vx
