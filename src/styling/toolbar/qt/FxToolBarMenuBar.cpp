#include "styling/toolbar/qt/FxToolBarMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/paint/DesktopMetrics.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/menus/qt/MdiWindowList.h"
#include "styling/toolbar/MenuBarRules.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarMenuButton.h"

namespace vx {

namespace {

// Only one menu runs at a time: the bar whose drop-down is open, and the bar
// whose keyboard menu mode is on.
TFxToolBarMenuBar* g_running = nullptr;
TFxToolBarMenuBar* g_loopOwner = nullptr;

QAction* FirstSelectable(QMenu* menu) {
    for (QAction* action : menu->actions())
        if (!action->isSeparator() && action->isVisible() && action->isEnabled()) return action;
    return nullptr;
}

TMenuArrow ArrowOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return TMenuArrow::maLeft;
        case Qt::Key_Right:
            return TMenuArrow::maRight;
        case Qt::Key_Up:
            return TMenuArrow::maUp;
        case Qt::Key_Down:
            return TMenuArrow::maDown;
        default:
            return TMenuArrow::maOther;
    }
}

}  // namespace

TFxToolBarMenuBar::TFxToolBarMenuBar(TFxCustomToolBar* bar) : QObject(bar), bar_(bar) {}

TFxToolBarMenuBar::~TFxToolBarMenuBar() {
    // The lent items go home before the bar and its pop-up go.
    QPointer<TFxPopupMenu> popup = popup_;
    PutBack();
    delete popup.data();
    if (g_running == this) g_running = nullptr;
    if (g_loopOwner == this) g_loopOwner = nullptr;
    qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------- the menu

void TFxToolBarMenuBar::FreeButtons() {
    EndMenuMode();
    CloseMenus();
    PutBack();
    if (merged_) disconnect(mergedGone_);
    merged_ = nullptr;
    rebound_.clear();
    for (const QPointer<TFxToolBarMenuButton>& button : mergedButtons_)
        delete button.data();
    mergedButtons_.clear();
    for (const QPointer<TFxToolBarMenuButton>& button : buttons_)
        delete button.data();
    buttons_.clear();
}

void TFxToolBarMenuBar::SetMenu(TFxMainMenu* menu) {
    if (menu == menu_ && (menu || buttons_.isEmpty())) return;
    FreeButtons();
    if (menu_) disconnect(menuGone_);
    menu_ = menu;
    if (!menu) {
        qApp->removeEventFilter(this);
        return;
    }
    // A menu that goes away takes its buttons with it. It is half destroyed
    // by then: it is forgotten before anything would look at it.
    menuGone_ = connect(menu, &QObject::destroyed, this, [this] {
        disconnect(menuGone_);
        menu_ = nullptr;
        SetMenu(nullptr);
    });
    int n = 0;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator()) continue;
        auto* button = new TFxToolBarMenuButton(bar_);
        button->setObjectName(QStringLiteral("FxToolBarMenuButton%1").arg(++n));
        button->SetShowCaption(true);
        button->SetAutoSize(true);
        button->SetMenuItem(item);
        button->show();
        buttons_.append(button);
    }
    // Once the bar has listed the new buttons (it does so from the event
    // loop), they are bound again in the bar's order to the items in the
    // menu's order.
    QTimer::singleShot(0, this, [this] {
        if (!menu_) return;
        QList<QAction*> items;
        for (QAction* item : menu_->actions())
            if (!item->isSeparator()) items.append(item);
        const QList<TFxToolBarMenuButton*> list = MenuButtons();
        for (qsizetype i = 0; i < list.size() && i < items.size(); ++i)
            list[i]->SetMenuItem(items[i]);
    });
    qApp->installEventFilter(this);
}

QList<TFxToolBarMenuButton*> TFxToolBarMenuBar::MenuButtons() const {
    QList<TFxToolBarMenuButton*> list;
    for (int i = 0; i < bar_->GetFTBControlCount(); ++i)
        if (auto* button = qobject_cast<TFxToolBarMenuButton*>(bar_->GetFTBControl(i)))
            list.append(button);
    // Buttons the bar has not listed yet follow in the order they were made.
    for (const QPointer<TFxToolBarMenuButton>& button : buttons_)
        if (button && !list.contains(button.data())) list.append(button.data());
    return list;
}

// ---------------------------------------------------------------- merging

namespace {

int ItemGroupIndex(const QAction* item) {
    return item ? item->property(kMenuItemGroupIndex).toInt() : 0;
}

}  // namespace

void TFxToolBarMenuBar::MergeMenu(TFxMainMenu* menu) {
    if (!menu || !menu_) {
        UnmergeMenu();
        return;
    }
    if (menu == merged_) return;
    UnmergeMenu();
    merged_ = menu;
    mergedGone_ = connect(menu, &QObject::destroyed, this, [this] {
        disconnect(mergedGone_);
        merged_ = nullptr;
        UnmergeMenu();
    });
    const QList<TFxToolBarMenuButton*> own = MenuButtons();
    QList<TFxToolBarMenuButton*> taken;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator()) continue;
        TFxToolBarMenuButton* button = nullptr;
        if (const int group = ItemGroupIndex(item); group != 0)
            for (TFxToolBarMenuButton* b : own)
                if (!taken.contains(b) && ItemGroupIndex(b->MenuItem()) == group) {
                    button = b;
                    break;
                }
        if (button) {
            rebound_.append({button, button->MenuItem()});
        } else {
            button = new TFxToolBarMenuButton(bar_);
            button->setObjectName(
                QStringLiteral("FxToolBarMergedButton%1").arg(mergedButtons_.size() + 1));
            button->SetShowCaption(true);
            button->SetAutoSize(true);
            button->show();
            mergedButtons_.append(button);
        }
        taken.append(button);
        button->SetMenuItem(item);
    }
}

void TFxToolBarMenuBar::UnmergeMenu() {
    if (merged_) disconnect(mergedGone_);
    merged_ = nullptr;
    if (mergedButtons_.isEmpty() && rebound_.isEmpty()) return;
    EndMenuMode();
    CloseMenus();
    PutBack();
    for (qsizetype i = mergedButtons_.size() - 1; i >= 0; --i)
        delete mergedButtons_[i].data();
    mergedButtons_.clear();
    RebindMenuButtons();
}

void TFxToolBarMenuBar::RebindMenuButtons() {
    const auto rebound = rebound_;
    rebound_.clear();
    for (const auto& [button, item] : rebound)
        if (button && item) button->SetMenuItem(item);
    if (!menu_) return;
    const QList<TFxToolBarMenuButton*> buttons = MenuButtons();
    for (QAction* item : menu_->actions()) {
        if (item->isSeparator()) continue;
        const bool held = std::any_of(buttons.begin(), buttons.end(),
                                      [item](auto* b) { return b->MenuItem() == item; });
        if (!held) {
            QPointer<TFxMainMenu> menu = menu_;
            SetMenu(nullptr);
            SetMenu(menu);
            return;
        }
    }
}

bool TFxToolBarMenuBar::HasSubItems(TFxToolBarMenuButton* button) const {
    if (QMenu* own = button->DropDownMenu()) return !own->actions().isEmpty();
    QAction* item = button->MenuItem();
    if (!item || !item->menu()) return false;
    if (item == lentItem_ && popup_) return !popup_->actions().isEmpty();
    return !item->menu()->actions().isEmpty();
}

// ---------------------------------------------------------------- drop down

bool TFxToolBarMenuBar::DropDown(TFxToolBarMenuButton* button) {
    if (!button) return false;
    QMenu* menu = button->DropDownMenu();
    if (!menu) {
        if (QAction* item = button->MenuItem()) {
            QMenu* sub = item->menu();
            // What a menu does before it shows: its items are prepared (the
            // window menu lists the children); an item without sub-items
            // is a command and runs.
            if (sub)
                emit sub->aboutToShow();
            else
                item->trigger();
            PutBack();
            // A window of its own, not a child of the bar (whose children
            // are the controls it lays out); the bar's menu side owns it.
            popup_ = new TFxPopupMenu();
            popup_->setObjectName(QStringLiteral("FxToolBarMenuPopup"));
            if (menu_) popup_->setLayoutDirection(menu_->layoutDirection());
            lentItem_ = item;
            // A chosen item is reported by its own menu and the main menu,
            // as if the item had been chosen there.
            connect(popup_, &QMenu::triggered, this,
                    [this, sub = QPointer<QMenu>(sub)](QAction* action) {
                        if (sub) emit sub->triggered(action);
                        if (menu_) emit menu_->triggered(action);
                    });
            if (sub) {
                for (QAction* action : sub->actions()) {
                    sub->removeAction(action);
                    popup_->addAction(action);
                }
            }
            menu = popup_;
        }
    }
    if (!menu || menu->actions().isEmpty()) {
        // Nothing to show; the lent items (if any) still go home.
        const int generation = ++generation_;
        openButton_ = button;
        QMetaObject::invokeMethod(
            this, [this, generation] { Closed(generation, false); }, Qt::QueuedConnection);
        return false;
    }
    const int generation = ++generation_;
    g_running = this;
    running_ = true;
    openButton_ = button;
    openMenu_ = menu;
    enterPressed_ = false;
    lastMouse_ = QCursor::pos();
    if (TFxCustomToolBarButton* hot = bar_->HotButton()) hot->SetHot(false);

    const TDockAlign align = bar_->BarAlign();
    const QPoint origin = button->mapToGlobal(QPoint(0, 0));
    TMenuDropInput in;
    in.button = Bounds(origin.x(), origin.y(), button->width(), button->height());
    in.align = align;
    in.rightToLeft = menu->isRightToLeft();
    in.itemCount = static_cast<int>(menu->actions().size());
    in.menuLine = TheDesktopMetrics().menuBarHeight;
    in.menuWidth =
        menu->sizeHint().width() - (qobject_cast<TFxDropDownMenu*>(menu) ? kMenuStripWidth : 0);
    in.workArea = WorkAreaAt(TPoint{in.button.left, in.button.bottom});
    if (in.workArea.IsEmpty()) in.workArea = {0, 0, 1 << 16, 1 << 16};  // no screen known
    const TPoint at = MenuDropPoint(in);
    menuOpen_ = true;

    if (auto* fx = qobject_cast<TFxPopupMenu*>(menu))
        if (bar_->CurrentStyler()) fx->SetMenuStyler(bar_->CurrentStyler()->CurrentMenuStyler());
    disconnect(hideConnection_);
    hideConnection_ = connect(menu, &QMenu::aboutToHide, this, [this, generation] {
        disconnect(hideConnection_);
        QMetaObject::invokeMethod(
            this, [this, generation] { Closed(generation, true); }, Qt::QueuedConnection);
    });
    menu->popup(QPoint(at.x, at.y));
    // The first item is selected, as when a menu bar's menu opens.
    if (QAction* first = FirstSelectable(menu)) menu->setActiveAction(first);
    return true;
}

void TFxToolBarMenuBar::Closed(int generation, bool shown) {
    if (generation != generation_) return;
    if (g_running == this) g_running = nullptr;
    running_ = false;
    TFxToolBarMenuButton* button = openButton_.data();
    openButton_ = nullptr;
    openMenu_ = nullptr;
    if (button) {
        button->ShowDropped(false);
        if (escape_ && hotTracking_) {
            button->SetHot(true);
            selected_ = button;
        }
    }
    // A menu dropped from the option window: its button is wanted on the bar.
    if (button && shown) bar_->OverflowControlUsed(button);
    PutBack();
    menuOpen_ = false;
    dropped_ = button;
    // A menu left by a choice (or a click elsewhere) ends the menu mode;
    // one left by Escape or for another button keeps it.
    if (shown && !escape_) EndMenuMode();
    escape_ = false;
    emit MenuClosed();
}

void TFxToolBarMenuBar::PutBack() {
    if (!popup_) {
        lentItem_ = nullptr;
        return;
    }
    QMenu* sub = lentItem_ ? lentItem_->menu() : nullptr;
    // The lent items go back in front of anything the menu was given while
    // they were away (the window list refreshes itself when a child is
    // activated from the drop-down); the window list is then made anew.
    QAction* before = sub && !sub->actions().isEmpty() ? sub->actions().first() : nullptr;
    for (QAction* action : popup_->actions()) {
        popup_->removeAction(action);
        if (sub) sub->insertAction(before, action);
    }
    if (sub && menu_ && sub == menu_->WindowMenu() && menu_->WindowList())
        menu_->WindowList()->Refresh();
    popup_->hide();
    popup_->deleteLater();
    popup_ = nullptr;
    lentItem_ = nullptr;
    dropped_ = nullptr;
}

void TFxToolBarMenuBar::CloseMenus() {
    if (!running_) return;
    // Sub-menus first: each is a pop-up of its own.
    for (int guard = 0; guard < 16; ++guard) {
        auto* top = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!top) break;
        top->close();
    }
    if (openMenu_ && openMenu_->isVisible()) openMenu_->close();
}

// ---------------------------------------------------------------- walking

TFxToolBarMenuButton* TFxToolBarMenuBar::NextButton(bool forward) const {
    const QList<TFxToolBarMenuButton*> list = MenuButtons();
    std::vector<bool> selectable;
    int from = -1;
    for (int i = 0; i < list.size(); ++i) {
        selectable.push_back(!list[i]->isHidden() && list[i]->Enabled());
        if (list[i] == openButton_) from = i;
    }
    const int next = NextSelectable(selectable, from, forward);
    return next < 0 ? nullptr : list[next];
}

TFxToolBarMenuButton* TFxToolBarMenuBar::ButtonAt(const QPoint& global) const {
    for (TFxToolBarMenuButton* button : MenuButtons())
        if (button->isVisible() && button->rect().contains(button->mapFromGlobal(global)))
            return button;
    return nullptr;
}

void TFxToolBarMenuBar::SwitchToButton(TFxToolBarMenuButton* button) {
    QPointer<TFxToolBarMenuButton> target(button);
    const bool opens = HasSubItems(button);
    CloseMenus();
    // After the closed menu has given its items back.
    QMetaObject::invokeMethod(
        this,
        [this, target, opens] {
            if (!target) return;
            if (opens) {
                OpenButton(target);
            } else {
                // A button without a menu is not run by walking onto it:
                // it is only made hot.
                EndMenuMode();
                target->SetHot(true);
            }
        },
        Qt::QueuedConnection);
}

void TFxToolBarMenuBar::OpenButton(TFxToolBarMenuButton* button) {
    if (!button || !button->Enabled()) return;
    if (keyboardMode_) Select(button);
    if (DropDown(button)) button->ShowDropped(true);
}

void TFxToolBarMenuBar::EndMenuMode() {
    if (keyboardMode_) {
        keyboardMode_ = false;
        hotTracking_ = false;
        if (g_loopOwner == this) g_loopOwner = nullptr;
        emit ExitMenu();
    }
    selected_ = nullptr;
    if (TFxCustomToolBarButton* hot = bar_->HotButton()) hot->SetHot(false);
}

// ---------------------------------------------------------------- keyboard loop

QList<TFxToolBarMenuButton*> TFxToolBarMenuBar::Selectable() const {
    // Buttons in the overflow count only where there is no overflow panel:
    // on a floating bar, or one standing in a plain control.
    const bool overflowCounts = bar_->State() == TToolBarState::tsDocked;
    QList<TFxToolBarMenuButton*> list;
    for (TFxToolBarMenuButton* button : MenuButtons()) {
        if (button->isHidden() || !button->Enabled()) continue;
        if (overflowCounts && bar_->InOverflow(button)) continue;
        list.append(button);
    }
    return list;
}

bool TFxToolBarMenuBar::SelectMenuButton(int index) {
    if (index < 0) {
        Select(nullptr);
        return true;
    }
    const QList<TFxToolBarMenuButton*> list = Selectable();
    if (index >= list.size()) return false;
    Select(list[index]);
    return true;
}

void TFxToolBarMenuBar::Select(TFxToolBarMenuButton* button) {
    if (selected_ && selected_ != button) selected_->SetHot(false);
    selected_ = button;
    if (button) button->SetHot(true);
}

void TFxToolBarMenuBar::SelectStep(bool forward) {
    // Walks over the selectable buttons only, so a disabled or hidden
    // button never holds the walk up.
    const QList<TFxToolBarMenuButton*> list = Selectable();
    TFxToolBarMenuButton* current = selected_.data();
    if (auto* hot = qobject_cast<TFxToolBarMenuButton*>(bar_->HotButton())) current = hot;
    const int from = static_cast<int>(list.indexOf(current));
    const int next = NextSelectable(std::vector<bool>(list.size(), true), from, forward);
    if (next >= 0) Select(list[next]);
}

bool TFxToolBarMenuBar::TrackMenu(TFxToolBarMenuButton* button) {
    if (keyboardMode_) {
        if (button) Select(button);
        return true;
    }
    if (!menu_) return false;
    if (g_loopOwner && g_loopOwner != this) g_loopOwner->EndMenuMode();
    g_loopOwner = this;
    keyboardMode_ = true;
    hotTracking_ = true;
    if (button) {
        Select(button);
        OpenButton(button);
    } else {
        SelectMenuButton(0);
    }
    return true;
}

void TFxToolBarMenuBar::OpenByKey(TFxToolBarMenuButton* button) {
    if (!keyboardMode_)
        TrackMenu(button);
    else
        OpenButton(button);
}

bool TFxToolBarMenuBar::SysKeyMenu(QChar key) {
    if (!bar_->Enabled() || !bar_->isVisible() || !menu_ || keyboardMode_ || running_ ||
        QWidget::mouseGrabber() || QApplication::activePopupWidget())
        return false;
    if (key == QLatin1Char(' ') || key == QLatin1Char('-')) return false;
    if (key.isNull()) return TrackMenu(nullptr);
    return bar_->DialogChar(key);
}

// ---------------------------------------------------------------- events

bool TFxToolBarMenuBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationDeactivate) {
        if (keyboardMode_) EndMenuMode();
        return false;
    }
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (running_ && g_running == this) {
        // The open menu takes the mouse: its moves and presses come to the
        // menu, or (sent by the program) to the widget under the mouse.
        auto* menu = qobject_cast<QMenu*>(widget);
        const QEvent::Type type = event->type();
        if (!menu && (type == QEvent::MouseMove || type == QEvent::MouseButtonPress))
            menu = openMenu_.data();
        return menu ? MenuEvent(menu, event) : false;
    }
    if (keyboardMode_) return LoopEvent(widget, event);
    return EntryEvent(widget, event);
}

bool TFxToolBarMenuBar::MenuEvent(QMenu* menu, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
                case Qt::Key_Alt:
                    // Alt leaves the menus and the menu mode at once.
                    EndMenuMode();
                    CloseMenus();
                    return true;
                case Qt::Key_Return:
                case Qt::Key_Enter:
                    enterPressed_ = true;
                    return false;
                case Qt::Key_Escape:
                    if (menu == openMenu_) escape_ = true;
                    return false;
                default:
                    break;
            }
            const TMenuArrow arrow = MenuArrowFor(ArrowOf(key->key()), menu->isRightToLeft());
            TFxToolBarMenuButton* target = nullptr;
            QAction* active = menu->activeAction();
            if (arrow == TMenuArrow::maRight &&
                (!active || !active->menu() || active->menu()->actions().isEmpty()))
                target = NextButton(true);
            else if (arrow == TMenuArrow::maLeft && menu == openMenu_)
                target = NextButton(false);
            if (!target) return false;
            escape_ = true;
            SwitchToButton(target);
            return true;
        }
        case QEvent::MouseMove: {
            const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            if (global == lastMouse_) return false;
            lastMouse_ = global;
            TFxToolBarMenuButton* target = ButtonAt(global);
            if (!target || !target->Enabled() || target == openButton_ || !bar_->isVisible())
                return false;
            escape_ = true;
            SwitchToButton(target);
            return false;
        }
        case QEvent::MouseButtonPress: {
            const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            TFxToolBarMenuButton* target = ButtonAt(global);
            if (!target) return false;
            if (target == openButton_ || !target->Enabled()) {
                // A press on the open menu's own button only closes it.
                CloseMenus();
                return true;
            }
            escape_ = true;
            SwitchToButton(target);
            return true;
        }
        default:
            return false;
    }
}

bool TFxToolBarMenuBar::LoopEvent(QWidget* widget, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            // Every key of the application belongs to the tool bar now.
            auto* key = static_cast<QKeyEvent*>(event);
            TFxToolBarMenuButton* selected = selected_.data();
            if (auto* hot = qobject_cast<TFxToolBarMenuButton*>(bar_->HotButton())) selected = hot;
            switch (key->key()) {
                case Qt::Key_Left:
                case Qt::Key_Right:
                    if (selected) SelectStep(key->key() == Qt::Key_Right);
                    return true;
                case Qt::Key_Down:
                case Qt::Key_Return:
                case Qt::Key_Enter:
                    if (selected) OpenButton(selected);
                    return true;
                case Qt::Key_Escape:
                case Qt::Key_Alt:
                case Qt::Key_F10:
                    EndMenuMode();
                    return true;
                default:
                    break;
            }
            if (!key->text().isEmpty() && key->text().at(0).isLetterOrNumber())
                bar_->DialogChar(key->text().at(0));
            return true;
        }
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // A click outside the bar ends the mode; on a menu button it
            // opens that button's menu.
            if (widget != bar_ && !bar_->isAncestorOf(widget)) EndMenuMode();
            return false;
        default:
            return false;
    }
}

bool TFxToolBarMenuBar::EntryEvent(QWidget* widget, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            if (widget->window() != bar_->window()) return false;
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Alt) {
                altAlone_ = !key->isAutoRepeat() || altAlone_;
                return false;
            }
            altAlone_ = false;
            if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier)
                return SysKeyMenu(QChar());
            return false;
        }
        case QEvent::ShortcutOverride:
            if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt) altAlone_ = false;
            return false;
        case QEvent::KeyRelease: {
            if (widget->window() != bar_->window()) return false;
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() != Qt::Key_Alt || key->isAutoRepeat()) return false;
            const bool alone = altAlone_;
            altAlone_ = false;
            if (alone) SysKeyMenu(QChar());
            return false;
        }
        case QEvent::MouseButtonPress:
            altAlone_ = false;
            return false;
        default:
            return false;
    }
}

}  // namespace vx
