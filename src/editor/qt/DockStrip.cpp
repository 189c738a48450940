#include "editor/qt/DockStrip.h"

#include <QEvent>

#include "platform/qt/AlignHost.h"
#include "styling/toolbar/qt/FxDockPanel.h"

namespace vx {

TDockStrip::TDockStrip(QWidget* parent) : QWidget(parent) {
    TAlignHost::Attach(this);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TDockStrip::Hold(TFxDockPanel* panel) {
    panel_ = panel;
    panel->installEventFilter(this);
    FollowPanel();
}

bool TDockStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_) {
        switch (event->type()) {
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::HideToParent:
            case QEvent::ShowToParent:
                FollowPanel();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TDockStrip::FollowPanel() {
    const int height = panel_ && !panel_->isHidden() ? panel_->height() : 0;
    if (height != this->height() || minimumHeight() != height) setFixedHeight(height);
}

}  // namespace vx
