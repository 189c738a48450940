// The tool bar's live side: the settings it refuses while docked or
// floating, its image lists and hot button for the buttons, the control
// list's operations, Alt+letter mnemonics and focus tracking.
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>

#include "platform/paint/ImageList.h"
#include "styling/glow/qt/FxGlowButton.h"
#include "styling/toolbar/ToolBarPriority.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarTabList.h"

namespace vx {

// ---------------------------------------------------------------- settings

void TFxCustomToolBar::SetAllowFloating(bool v) {
    if (State() == TToolBarState::tsFloating) v = true;
    allowFloating_ = v;
}

void TFxCustomToolBar::SetLocked(bool v) {
    if (State() == TToolBarState::tsFloating) v = false;
    locked_ = v;
}

void TFxCustomToolBar::SetAutoArrangeButtons(bool v) {
    if (v == autoArrangeButtons_) return;
    autoArrangeButtons_ = v;
    if (!v && !IsLoading()) ResetPriority(*this);
}

void TFxCustomToolBar::SetAutoPositionControls(bool v) {
    if (v == AutoPositionControlsOn()) return;
    if (!v && State() != TToolBarState::tsFree) return;
    StoreAutoPositionControls(v);
    if (v) {
        if (!IsLoading()) Arrange(true);
    } else {
        SetAutoSize(false);
    }
}

// ---------------------------------------------------------------- buttons

void TFxCustomToolBar::SetImages(TImageList* images) {
    if (images == images_) return;
    TImageList* old = images_.data();
    if (old) disconnect(old, nullptr, this, nullptr);
    images_ = images;
    if (old && !IsLoading()) {
        // The bar's length follows the pictures' size along it (a bar that
        // sizes itself measures again below).
        const int delta = Horizontal() ? (images ? images->Width() : 0) - old->Width()
                                       : (images ? images->Height() : 0) - old->Height();
        if (delta != 0)
            ResizeBar(width() + (Horizontal() ? delta : 0), height() + (Horizontal() ? 0 : delta));
    }
    if (images) {
        connect(images, &TImageList::Changed, this, [this] { ResizeButtons(); });
        // Buttons forget their pictures with the list.
        connect(images, &QObject::destroyed, this, [this] {
            for (QObject* child : children())
                if (auto* button = qobject_cast<TFxCustomToolBarButton*>(child))
                    button->SetImageIndex(-1);
        });
    }
    ResizeButtons();
}

void TFxCustomToolBar::SetDisabledImages(TImageList* images) {
    if (images == disabledImages_) return;
    disabledImages_ = images;
    ResizeButtons();
}

void TFxCustomToolBar::HotButtonChanged(TFxCustomToolBarButton* button, bool hot) {
    if (hot) {
        if (hotButton_ == button) return;
        TFxCustomToolBarButton* previous = hotButton_.data();
        hotButton_ = button;
        if (previous) previous->SetHot(false);
    } else if (hotButton_ == button) {
        hotButton_ = nullptr;
    }
}

void TFxCustomToolBar::ButtonClicked(TFxCustomToolBarButton* button) {
    // Clicked in the option window: the button is wanted on the bar.
    QPointer<TFxCustomToolBarButton> clicked(button);
    OverflowControlUsed(button);
    if (clicked) emit ButtonClick(clicked.data());
}

void TFxCustomToolBar::OverflowControlUsed(QWidget* control) {
    if (IsLoading() || !control) return;
    const auto it = controlOf_.find(control);
    if (it == controlOf_.end() || !InOverflow(it->second)) return;
    HideOptionWindow();
    TakeBackUsedControl(*this, it->second, autoArrangeButtons_);
    Invalidate();
}

void TFxCustomToolBar::ResizeButtons(bool menuButtonsOnly) {
    // On the bar, or lent to its option window.
    QObjectList controls = children();
    for (const auto& entry : controlOf_)
        if (!controls.contains(entry.first)) controls.append(entry.first);
    for (QObject* object : controls) {
        auto* control = qobject_cast<TFxCustomToolBarControl*>(object);
        auto* button = qobject_cast<TFxCustomToolBarButton*>(control);
        if (!control || (menuButtonsOnly && !(button && button->IsMenuButton()))) continue;
        if (button) button->RebuildShadow();
        control->AdjustSize();
        control->Invalidate();
    }
    if (!IsLoading()) Arrange(true);
    Invalidate();
}

void TFxCustomToolBar::ControlResized(QWidget* control) {
    if (Arranging() || IsLoading() || !controlOf_.count(control)) return;
    Arrange(true);
}

// ---------------------------------------------------------------- control list

QWidget* TFxCustomToolBar::WidgetOf(const IBarControl* control) const {
    for (const auto& [object, c] : controlOf_)
        if (c == control) return qobject_cast<QWidget*>(object);
    return nullptr;
}

int TFxCustomToolBar::GetFTBControlCount() const {
    return Items().Count();
}

QWidget* TFxCustomToolBar::GetFTBControl(int index) const {
    if (index < 0 || index >= Items().Count()) return nullptr;
    return WidgetOf(Items()[index]);
}

int TFxCustomToolBar::IndexOfFTBControl(QWidget* control) const {
    for (int i = 0; i < Items().Count(); ++i)
        if (WidgetOf(Items()[i]) == control) return i;
    return -1;
}

void TFxCustomToolBar::MoveFTBControl(int fromIndex, int toIndex) {
    const int count = Items().Count();
    if (fromIndex < 0 || fromIndex >= count || toIndex < 0 || toIndex >= count ||
        fromIndex == toIndex)
        return;
    MoveItem(fromIndex, toIndex);
    Arrange(true);
    Fit();
}

int TFxCustomToolBar::ToolBarFullLength() const {
    int length = GripDrawn() ? kGripWidth + 2 : 2;
    for (int i = 0; i < Items().Count(); ++i) {
        const IBarControl* c = Items()[i];
        if (!c->ControlVisible()) continue;
        const TRect b = c->ControlBounds();
        length += Horizontal() ? b.Width() : b.Height();
    }
    if (ShowRightHandleOn()) length += RightHandleWidth();
    const int minimum = Horizontal() ? constraints_.minWidth : constraints_.minHeight;
    return std::max(length, minimum);
}

// ---------------------------------------------------------------- keys

bool TFxCustomToolBar::DialogChar(QChar key) {
    if (!Enabled() || !isVisible()) return false;
    const QKeySequence wanted(key.toUpper());
    for (int i = 0; i < Items().Count(); ++i) {
        auto* button = qobject_cast<TFxCustomToolBarButton*>(WidgetOf(Items()[i]));
        if (!button || button->isHidden() || !button->Enabled()) continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->Caption());
        if (mnemonic.isEmpty() ||
            (mnemonic[0].key() & ~Qt::KeyboardModifierMask) != wanted[0].key())
            continue;
        // A menu button's click opens its menu (its own or its item's).
        button->Click();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- focus

void TFxCustomToolBar::FocusChanged(QWidget* now) {
    const bool previous = focusWithin_;
    focusWithin_ = now && now != this && isAncestorOf(now);
    if (focusWithin_ != previous) Invalidate();
}

bool TFxCustomToolBar::LiveEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!(key->modifiers() & Qt::AltModifier) || key->text().isEmpty()) return false;
            return DialogChar(key->text().at(0));
        }
        case QEvent::FocusIn: {
            // The bar itself passes the focus on to its first control that
            // takes it (a tool bar inside it is no such control).
            if (hasFocus())
                for (QWidget* widget : FocusableControls())
                    if (!qobject_cast<TFxCustomToolBar*>(widget)) {
                        widget->setFocus();
                        break;
                    }
            return false;
        }
        default:
            return false;
    }
}

std::vector<QWidget*> TFxCustomToolBar::FocusableControls() const {
    std::vector<QWidget*> list;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus)) list.push_back(w);
    FilterTabList(&list);
    return list;
}

bool TFxCustomToolBar::GlowButtonKey(QObject* watched, QEvent* event) {
    if (!qobject_cast<TFxCustomGlowButton*>(watched) || !controlOf_.count(watched)) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
    const std::vector<QWidget*> list = FocusableControls();
    const auto at = std::find(list.begin(), list.end(), watched);
    if (at == list.end()) return false;
    if (key == Qt::Key_Left && at != list.begin()) (*(at - 1))->setFocus(Qt::BacktabFocusReason);
    if (key == Qt::Key_Right && at + 1 != list.end()) (*(at + 1))->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace vx
