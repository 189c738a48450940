#include "styling/qt/FxToolBar.h"

#include <QEnterEvent>
#include <QEvent>

namespace vx {

TFxToolBarButton::TFxToolBarButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFocusPolicy(Qt::NoFocus);
}

TFxToolBar* TFxToolBarButton::OwnerBar() const {
    for (QObject* p = parent(); p != nullptr; p = p->parent()) {
        if (auto* bar = qobject_cast<TFxToolBar*>(p)) return bar;
    }
    return nullptr;
}

void TFxToolBarButton::ApplyDown(bool down) {
    down_ = down;
    setChecked(down);
    update();
}

void TFxToolBarButton::SetDown(bool down) {
    if (style_ == TFxToolButtonStyle::tasCheck) {
        ApplyDown(down);
        return;
    }
    if (groupIndex_ == 0) down = false;  // a plain push button never stays down
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;  // released only by pressing another member
    ApplyDown(down);
    if (!down) return;
    // The other members of the group go up.
    if (QWidget* owner = parentWidget()) {
        for (auto* other : owner->findChildren<TFxToolBarButton*>(Qt::FindDirectChildrenOnly)) {
            if (other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->ApplyDown(false);
                other->allowAllUp_ = allowAllUp_;
            }
        }
    }
}

void TFxToolBarButton::SetStyle(TFxToolButtonStyle style) {
    style_ = style;
    setCheckable(style == TFxToolButtonStyle::tasCheck || groupIndex_ != 0);
}

void TFxToolBarButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    setCheckable(style_ == TFxToolButtonStyle::tasCheck || groupIndex_ != 0);
}

void TFxToolBarButton::nextCheckState() {
    // A click toggles a check button and presses a group member; the rules
    // of SetDown decide what sticks.
    SetDown(!down_);
    setChecked(down_);
}

void TFxToolBarButton::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    RefreshImage();
}

void TFxToolBarButton::RefreshImage() {
    TFxToolBar* bar = OwnerBar();
    if (bar != nullptr && imageIndex_ >= 0 && imageIndex_ < bar->Images().size()) {
        setIcon(bar->Images()[imageIndex_]);
    } else if (!glyph_.isNull()) {
        setIcon(QIcon(glyph_));
    } else {
        setIcon(QIcon());
    }
    update();
}

void TFxToolBarButton::SetHint(const QString& hint) {
    hint_ = hint;
    setToolTip(hint);
}

void TFxToolBarButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    if (!glyph.isNull()) setIconSize(glyph.deviceIndependentSize().toSize());
    RefreshImage();
}

void TFxToolBarButton::enterEvent(QEnterEvent* event) {
    QToolButton::enterEvent(event);
    if (QWidget* top = window(); top != watchedWindow_) {
        if (watchedWindow_) watchedWindow_->removeEventFilter(this);
        watchedWindow_ = top;
        top->installEventFilter(this);
    }
    emit MouseEntered(hint_);
}

void TFxToolBarButton::hideEvent(QHideEvent* event) {
    QToolButton::hideEvent(event);
    DropHot();
}

bool TFxToolBarButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_) {
        switch (event->type()) {
            case QEvent::WindowBlocked:
            case QEvent::WindowDeactivate:
            case QEvent::Hide:
                DropHot();
                break;
            default:
                break;
        }
    }
    return QToolButton::eventFilter(watched, event);
}

void TFxToolBarButton::DropHot() {
    if (!testAttribute(Qt::WA_UnderMouse)) return;
    setAttribute(Qt::WA_UnderMouse, false);
    update();
}

TFxToolBar::TFxToolBar(const QString& title, QWidget* parent) : QToolBar(title, parent) {
    setIconSize(QSize(16, 16));
}

void TFxToolBar::SetImages(const QList<QIcon>& images) {
    images_ = images;
    for (TFxToolBarButton* button : Buttons())
        button->RefreshImage();
}

TFxToolBarButton* TFxToolBar::AddButton(const QString& hint, int imageIndex) {
    auto* button = new TFxToolBarButton(this);
    button->SetHint(hint);
    addWidget(button);
    button->SetImageIndex(imageIndex);
    return button;
}

QList<TFxToolBarButton*> TFxToolBar::Buttons() const {
    return findChildren<TFxToolBarButton*>(Qt::FindDirectChildrenOnly);
}

}  // namespace vx
