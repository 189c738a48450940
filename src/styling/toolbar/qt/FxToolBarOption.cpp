#include "styling/toolbar/qt/FxToolBarOption.h"

#include <QApplication>
#include <QChildEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "platform/paint/Canvas.h"
#include "platform/paint/DesktopMetrics.h"
#include "styling/menus/FxMenuAppearance.h"
#include "styling/menus/FxMenuDraw.h"
#include "styling/menus/qt/FxMenuStyle.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/CompactPopupLayout.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/OptionPanelLayout.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"

namespace vx {

namespace {

CanvasFont EntryFont() {
    CanvasFont font;
    font.name = "Tahoma";
    font.size = 8;
    return font;
}

TRect ScreenRect(const QWidget* widget, const TRect& r) {
    const QPoint p = widget->mapToGlobal(QPoint(r.left, r.top));
    return Bounds(p.x(), p.y(), r.Width(), r.Height());
}

}  // namespace

int OptionsMenuWidth(QMenu& menu, const QFontMetrics& captions) {
    const QAction* widest = nullptr;
    int best = -1;
    for (const QAction* action : menu.actions()) {
        const int w = captions.horizontalAdvance(action->isSeparator() ? QStringLiteral("-")
                                                                       : action->text());
        if (w > best) {
            best = w;
            widest = action;
        }
    }
    if (widest == nullptr) return 0;
    auto* styled = qobject_cast<TFxPopupMenu*>(&menu);
    const TCustomFxMenuStyler* styler = styled != nullptr ? styled->GetCurrentStyler() : nullptr;
    if (styler == nullptr || !styled->OwnerDraw()) return menu.sizeHint().width();
    const TMenuItemInfo info = MenuItemInfoOf(widest, &menu, 1, *styled);
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    Canvas canvas(painter);
    int width = 10;
    int height = 10;
    MeasureMenuItem(*styler, info, canvas, width, height, SideBarShown(*styler, info));
    return width;
}

// ---------------------------------------------------------------- panels

TOptionSelectorPanel::TOptionSelectorPanel(QWidget* parent) : TCustomControl(parent) {
    SetParentColor(false);
    SetColor(0xF7F8F9);
}

void TOptionSelectorPanel::Paint(Canvas& canvas) {
    PaintPanelBody(canvas, ClientRect(), Color(), colorTo_, direction_, borderColor_);
}

TControlSelectorPanel::TControlSelectorPanel(QWidget* parent) : TOptionSelectorPanel(parent) {
    setObjectName("OptionsPanel");
    setMouseTracking(true);
    watch_.setInterval(1);
    connect(&watch_, &QTimer::timeout, this, &TControlSelectorPanel::WatchOptionsMenu);
    autoItem_.caption = QStringLiteral("Add or Remove Buttons");
    optionsItem_.caption = QStringLiteral("Options");
    MeasureEntries();
}

TControlSelectorPanel::~TControlSelectorPanel() {
    CloseOptionsMenu();
    GiveBack();
    if (customizeWindow_ != nullptr) {
        customizeWindow_->disconnect(this);
        delete customizeWindow_.data();
    }
}

void TControlSelectorPanel::SetCustomizer(IToolBarCustomizer* customizer) {
    if (customizer == customizer_) return;
    HideCustomizeWindow();
    customizer_ = customizer;
    MeasureEntries();
}

void TControlSelectorPanel::SetAutoEntry(bool v) {
    if (v == autoEntry_) return;
    autoEntry_ = v;
    MeasureEntries();
}

void TControlSelectorPanel::SetTextAutoOptionMenu(const QString& v) {
    if (v == autoItem_.caption) return;
    autoItem_.caption = v;
    MeasureEntries();
}

void TControlSelectorPanel::SetTextOptionMenu(const QString& v) {
    if (v == optionsItem_.caption) return;
    optionsItem_.caption = v;
    MeasureEntries();
}

void TControlSelectorPanel::MeasureEntries() {
    const QFontMetrics fm(ToQFont(EntryFont()));
    const int w = OptionEntryWidth(fm.horizontalAdvance(autoItem_.caption), autoEntry_,
                                   fm.horizontalAdvance(optionsItem_.caption), HasOptions());
    autoItem_.width = w;
    optionsItem_.width = w;
}

int TControlSelectorPanel::AddItem(QWidget* control) {
    if (control == nullptr) return -1;
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == control) return static_cast<int>(i);
    if (control->parentWidget() != this) {
        TFxCustomToolBar* bar = FxToolBar();
        if (bar != nullptr && control->parentWidget() == bar)
            bar->LendControl(control, this);
        else
            control->setParent(this);
    }
    items_.emplace_back(control);
    control->installEventFilter(this);
    return static_cast<int>(items_.size()) - 1;
}

void TControlSelectorPanel::AddSeparatorCopy(TFxToolBarSeparator* separator) {
    if (separator == nullptr) return;
    auto* copy = new TFxToolBarSeparator(this);
    copy->SetLender(separator->FxToolBar());
    copy->Assign(*separator);
    copy->resize(separator->size());
    copy->show();
    copies_.emplace_back(copy);
    AddItem(copy);
}

void TControlSelectorPanel::GiveBack() {
    std::vector<QPointer<QWidget>> lent;
    lent.swap(items_);
    for (const QPointer<QWidget>& control : lent) {
        if (control != nullptr) control->removeEventFilter(this);
        if (control == nullptr || control->parentWidget() != this) continue;
        auto* c = qobject_cast<TFxCustomToolBarControl*>(control.data());
        TFxCustomToolBar* bar = c != nullptr ? c->FxToolBar() : FxToolBar();
        bool copy = false;
        for (const auto& s : copies_)
            copy = copy || s == control;
        if (bar != nullptr && !copy) bar->TakeBackControl(control);
    }
}

void TControlSelectorPanel::ForgetItems() {
    for (const QPointer<QWidget>& control : items_)
        if (control != nullptr) control->removeEventFilter(this);
    items_.clear();
}

void TControlSelectorPanel::ArrangeItems() {
    // Children that are not listed (copies given back, the cascade is a
    // window of its own) stand above the panel.
    for (QObject* child : children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w == nullptr || w->isWindow()) continue;
        bool listed = false;
        for (const auto& item : items_)
            listed = listed || item == w;
        if (!listed) w->move(w->x(), -height() - 2);
    }
    std::vector<QWidget*> shown;
    std::vector<TRect> sizes;
    for (const auto& item : items_) {
        if (item == nullptr || item->isHidden()) continue;
        shown.push_back(item.data());
        sizes.push_back(Bounds(0, 0, item->width(), item->height()));
    }
    const TOptionPanelLayout l =
        ArrangeOptionPanel(sizes, autoItem_.width, autoEntry_, HasOptions());
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i]->move(l.places[i].x, l.places[i].y);
    resize(l.width, l.height);
    autoItem_.rect = l.autoEntry;
    optionsItem_.rect = l.optionsEntry;
    Invalidate();
}

void TControlSelectorPanel::WindowHidden() {
    for (const auto& copy : copies_)
        delete copy.data();
    copies_.clear();
}

bool TControlSelectorPanel::event(QEvent* event) {
    // A lent control taken back by its bar, or destroyed, leaves the list.
    if (event->type() == QEvent::ChildRemoved) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        for (auto it = items_.begin(); it != items_.end();) {
            if (*it == nullptr || it->data() == child)
                it = items_.erase(it);
            else
                ++it;
        }
    }
    return TOptionSelectorPanel::event(event);
}

bool TControlSelectorPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShowToParent || type == QEvent::HideToParent) &&
        watched->parent() == this) {
        ArrangeItems();
        if (auto* w = qobject_cast<TOptionSelectorWindow*>(parentWidget()))
            w->resize(width(), height());
    }
    return TOptionSelectorPanel::eventFilter(watched, event);
}

// ---- painting

void TControlSelectorPanel::Paint(Canvas& canvas) {
    TOptionSelectorPanel::Paint(canvas);
    const TSelectorItem* upper = nullptr;
    if (autoEntry_) upper = &autoItem_;
    if (HasOptions()) upper = &optionsItem_;
    if (upper == nullptr) return;
    canvas.pen.color = 0x808080;
    canvas.MoveTo(0, upper->rect.top - 4);
    canvas.LineTo(width(), upper->rect.top - 4);
    if (autoEntry_) PaintEntry(canvas, autoItem_, autoHot_, autoDown_, true);
    if (HasOptions()) PaintEntry(canvas, optionsItem_, optionsHot_, optionsDown_, false);
}

void TControlSelectorPanel::PaintEntry(Canvas& canvas, const TSelectorItem& item, bool hot,
                                       bool down, bool autoMark) {
    const TRect& r = item.rect;
    TColor from = clNone, to = clNone, text = textColor_;
    if (down) {
        from = colorDown_;
        to = colorDownTo_;
        text = textColorDown_;
    } else if (hot) {
        from = colorHot_;
        to = colorHotTo_;
        text = textColorHot_;
    }
    canvas.pen.color = clBlack;
    if (from != clNone && to != clNone) {
        DrawGradient(canvas, from, to, 40, r, false);
        canvas.brush.style = BrushStyle::Clear;
        canvas.Rectangle(r);
    } else if (from != clNone) {
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = from;
        canvas.Rectangle(r);
    }
    canvas.font = EntryFont();
    canvas.font.color = text;
    canvas.brush.style = BrushStyle::Clear;
    TRect area{r.left, r.top, r.right - 8, r.bottom};
    canvas.DrawText(item.caption.toStdString(), area,
                    DrawTextFlags::kSingleLine | DrawTextFlags::kVCenter | DrawTextFlags::kCenter |
                        DrawTextFlags::kNoPrefix);
    canvas.pen.color = text;
    if (autoMark) {
        canvas.MoveTo(r.right - 9, r.bottom - 10);
        canvas.LineTo(r.right - 4, r.bottom - 10);
        canvas.MoveTo(r.right - 8, r.bottom - 9);
        canvas.LineTo(r.right - 5, r.bottom - 9);
        canvas.SetPixel(r.right - 7, r.bottom - 8, text);
    } else {
        canvas.MoveTo(r.right - 8, r.top + 7);
        canvas.LineTo(r.right - 8, r.top + 12);
        canvas.MoveTo(r.right - 7, r.top + 8);
        canvas.LineTo(r.right - 7, r.top + 11);
        canvas.SetPixel(r.right - 6, r.top + 9, text);
    }
}

// ---- tracking

void TControlSelectorPanel::mouseMoveEvent(QMouseEvent* event) {
    TOptionSelectorPanel::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    const bool inside = autoEntry_ && autoItem_.rect.Contains({p.x(), p.y()});
    if (!inside) {
        if (autoHot_) {
            autoHot_ = false;
            autoDown_ = false;
            Invalidate();
        }
    } else if (!(event->buttons() & Qt::LeftButton) && !autoHot_) {
        autoHot_ = true;
        autoDown_ = true;
        Invalidate();
        HideCustomizeWindow();
        OpenAddRemovePopup();
    }
    if (!HasOptions()) return;
    if (optionsItem_.rect.Contains({p.x(), p.y()})) {
        if (!(event->buttons() & Qt::LeftButton) && !optionsHot_) {
            optionsHot_ = true;
            optionsDown_ = true;
            Invalidate();
            OpenOptions();
        }
    } else if (optionsHot_) {
        optionsHot_ = false;
        optionsDown_ = false;
        Invalidate();
        if (p.y() < optionsItem_.rect.top - 4) HideCustomizeWindow();
    }
}

void TControlSelectorPanel::mousePressEvent(QMouseEvent* event) {
    if (SizeByCorner(this, event)) return;
    TOptionSelectorPanel::mousePressEvent(event);
}

void TControlSelectorPanel::MouseLeave() {
    TOptionSelectorPanel::MouseLeave();
    if (autoHot_ || autoDown_) {
        autoHot_ = false;
        autoDown_ = popup_ != nullptr && popup_->isVisible();
        Invalidate();
    }
    // The options menu's own window took the mouse: the entry stays down.
    if ((optionsHot_ || optionsDown_) && !optionsMenuOpen_) {
        optionsHot_ = false;
        optionsDown_ = false;
        Invalidate();
    }
}

void TControlSelectorPanel::HideCustomizeWindow() {
    if (customizeWindow_ == nullptr || !customizeWindow_->isVisible()) return;
    hiding_ = true;
    customizeWindow_->hide();
    hiding_ = false;
}

void TControlSelectorPanel::OpenOptions() {
    if (autoEntry_ && popup_ != nullptr && popup_->isVisible()) popup_->hide();
    auto* owner = qobject_cast<TOptionSelectorWindow*>(window());
    if (optionsMenu_ != nullptr && owner != nullptr) {
        OpenOptionsMenu(*owner);
        return;
    }
    TFxCustomToolBar* bar = FxToolBar();
    // The bar's own, which it forgets when the customizer goes.
    IToolBarCustomizer* customizer = bar != nullptr ? bar->Customizer() : nullptr;
    if (customizer == nullptr || owner == nullptr) return;
    if (customizeWindow_ == nullptr) {
        // A small option window of its own, which goes with this one; its
        // hiding closes this one too, unless the panel hid it.
        customizeWindow_ = new TOptionSelectorWindow(bar);
        customizeWindow_->setParent(owner, customizeWindow_->windowFlags());
        customizeWindow_->setObjectName("CustomizeWindow");
        customizeWindow_->OptionsPanel()->hide();
        customizeWindow_->resize(100, 40);
        connect(customizeWindow_, &TOptionSelectorWindow::Hidden, this, [this] {
            auto* w = qobject_cast<TOptionSelectorWindow*>(window());
            if (w == nullptr) return;
            w->SetHideOnDeActivate(true);
            if (!hiding_) w->hide();
        });
    }
    TOptionSelectorPanel* entry = customizer->CustomizeEntry(customizeWindow_);
    if (entry == nullptr) return;
    entry->move(0, 0);
    customizeWindow_->resize(entry->size());
    owner->SetHideOnDeActivate(false);
    const TRect at = ScreenRect(this, optionsItem_.rect);
    const TPoint p = OptionsEntryWindowOrigin(at, customizeWindow_->width(),
                                              WorkAreaAt(TPoint{at.right, at.top}));
    customizeWindow_->move(p.x, p.y);
    customizeWindow_->show();
    customizeWindow_->activateWindow();
}

void TControlSelectorPanel::SetOptionsMenu(QMenu* menu) {
    if (menu == optionsMenu_) return;
    CloseOptionsMenu();
    optionsMenu_ = menu;
    MeasureEntries();
}

bool TControlSelectorPanel::CursorOnAddRemoveEntry() const {
    const QPoint p = mapFromGlobal(QCursor::pos());
    return autoEntry_ && autoItem_.rect.Contains({p.x(), p.y()});
}

void TControlSelectorPanel::OpenOptionsMenu(TOptionSelectorWindow& owner) {
    QMenu* menu = optionsMenu_.data();
    const int width = OptionsMenuWidth(*menu, QFontMetrics(font()));
    const TRect entry = ScreenRect(this, optionsItem_.rect);
    const TPoint at =
        OptionsEntryWindowOrigin(entry, width, WorkAreaAt(TPoint{entry.right, entry.top}));
    owner.SetHideOnDeActivate(false);
    const int generation = ++menuGeneration_;
    optionsMenuOpen_ = true;
    // The rest follows once the menu has closed (and a chosen item has run).
    menuHidden_ = connect(menu, &QMenu::aboutToHide, this, [this, generation] {
        QMetaObject::invokeMethod(
            this, [this, generation] { OptionsMenuClosed(generation); }, Qt::QueuedConnection);
    });
    // Destroyed while open (it is a widget no more): forgotten first.
    menuGone_ = connect(menu, &QObject::destroyed, this, [this, generation] {
        optionsMenu_ = nullptr;
        OptionsMenuClosed(generation);
    });
    if (autoEntry_) watch_.start();
    if (auto* styled = qobject_cast<TFxPopupMenu*>(menu))
        styled->OpenAt(QPoint(at.x, at.y));
    else if (!menu->actions().isEmpty())
        menu->popup(QPoint(at.x, at.y));
    // A menu without items opens nothing and is over at once.
    if (!menu->isVisible()) OptionsMenuClosed(generation);
}

void TControlSelectorPanel::OptionsMenuClosed(int generation) {
    if (generation != menuGeneration_ || !optionsMenuOpen_) return;
    optionsMenuOpen_ = false;
    disconnect(menuHidden_);
    disconnect(menuGone_);
    watch_.stop();
    optionsHot_ = false;
    optionsDown_ = false;
    // Left for the add-or-remove entry the window stays; otherwise the
    // menu's end is the window's.
    if (auto* owner = qobject_cast<TOptionSelectorWindow*>(window())) {
        if (!CursorOnAddRemoveEntry()) owner->hide();
        owner->SetHideOnDeActivate(true);
    }
    Invalidate();
}

void TControlSelectorPanel::WatchOptionsMenu() {
    if (!optionsMenuOpen_) {
        watch_.stop();
        return;
    }
    if (!CursorOnAddRemoveEntry()) return;
    watch_.stop();
    CloseOptionsMenu();
}

void TControlSelectorPanel::CloseOptionsMenu() {
    if (!optionsMenuOpen_) return;
    QMenu* menu = optionsMenu_.data();
    if (menu == nullptr || !menu->isVisible()) return;
    // Its open sub-menus first: each is a pop-up of its own.
    for (int guard = 0; guard < 16; ++guard) {
        auto* top = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (top == nullptr || top == menu) break;
        top->close();
    }
    menu->close();
}

void TControlSelectorPanel::OpenAddRemovePopup() {
    if (!autoEntry_ || (popup_ != nullptr && popup_->isVisible())) return;
    auto* owner = qobject_cast<TOptionSelectorWindow*>(window());
    TFxCustomToolBar* bar = FxToolBar();
    if (owner == nullptr || bar == nullptr) return;
    if (popup_ == nullptr) {
        popup_ = new TFTBPopupWindow(owner);
        popup_->setObjectName("AddRemovePopup");
        popup_->resize(10, 10);
        connect(popup_, &TFTBPopupWindow::Hidden, this, [this] {
            if (auto* w = qobject_cast<TOptionSelectorWindow*>(window()))
                w->SetHideOnDeActivate(true);
            autoDown_ = false;
            Invalidate();
        });
        connect(popup_, &TFTBPopupWindow::DeActivateHide, this, [this] {
            window()->hide();
            autoHot_ = false;
            autoDown_ = false;
        });
    }
    popup_->SetFxToolBar(bar);
    // One row with the bar's caption; its level lists the bar's controls.
    TFTBPopupPanel* panel = popup_->PopupPanel();
    panel->SetRootItem(nullptr);
    root_.Clear();
    TFTBMenuItem* caption = root_.Add(bar->Caption().toStdString());
    for (int i = 0; i < bar->GetFTBControlCount(); ++i) {
        QWidget* control = bar->GetFTBControl(i);
        if (control == nullptr || qobject_cast<TFxToolBarSeparator*>(control)) continue;
        const auto* button = qobject_cast<TFxCustomToolBarButton*>(control);
        TFTBMenuItem* item = caption->Add(
            (button != nullptr ? button->Caption() : control->objectName()).toStdString());
        item->checkItem = true;
        item->checked = !control->isHidden();
        item->control = control;
    }
    panel->SetShowIconBar(true);
    panel->SetMenuStyler(bar->CurrentStyler()->CurrentMenuStyler());
    panel->SetRootItem(&root_);
    popup_->FitPanel();
    owner->SetHideOnDeActivate(false);
    const TRect entry = ScreenRect(this, autoItem_.rect);
    const TPoint at = AddRemovePopupOrigin(entry, popup_->width(), popup_->height(),
                                           WorkAreaAt(TPoint{entry.right, entry.top}));
    popup_->move(at.x, at.y);
    popup_->show();
    popup_->activateWindow();
}

// ---------------------------------------------------------------- window

TOptionSelectorWindow::TOptionSelectorWindow(TFxCustomToolBar* bar)
    : QWidget(bar != nullptr ? bar->window() : nullptr,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      toolBar_(bar),
      panel_(new TControlSelectorPanel(this)) {
    setObjectName("OptionSelectorWindow");
    resize(10, 10);
    panel_->SetFxToolBar(bar);
    hideTimer_.setInterval(1);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, [this] { hide(); });
}

TOptionSelectorWindow::~TOptionSelectorWindow() {
    panel_->GiveBack();
}

bool TOptionSelectorWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        panel_->setFocus();
    } else if (e->type() == QEvent::WindowDeactivate) {
        if (hideOnDeactivate_ && isVisible()) hideTimer_.start();
    }
    return QWidget::event(e);
}

void TOptionSelectorWindow::keyPressEvent(QKeyEvent* e) {
    // Escape closes the window like a second press on the handle.
    if (e->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TOptionSelectorWindow::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    hideTimer_.stop();
    if (TFTBPopupWindow* popup = panel_->AddRemovePopup(); popup != nullptr && popup->isVisible())
        popup->hide();
    panel_->HideCustomizeWindow();
    panel_->CloseOptionsMenu();
    panel_->GiveBack();
    if (toolBar_ != nullptr && toolBar_->OptionWindow() == this) toolBar_->OptionWindowHidden();
    panel_->WindowHidden();
    emit Hidden();
}

// ---------------------------------------------------------------- tool bar

void TFxCustomToolBar::LendControl(QWidget* control, QWidget* to) {
    if (control == nullptr || control->parentWidget() != this) return;
    const bool hidden = control->isHidden();
    lending_ = true;
    if (auto* c = qobject_cast<TFxCustomToolBarControl*>(control)) c->SetLender(this);
    control->setParent(to);
    control->setVisible(!hidden);
    lending_ = false;
    // Destroyed while on loan: out of the bar's lists all the same.
    connect(control, &QObject::destroyed, this, [this](QObject* gone) { ChildLeft(gone); });
}

void TFxCustomToolBar::TakeBackControl(QWidget* control) {
    if (control == nullptr || control->parentWidget() == this) return;
    disconnect(control, &QObject::destroyed, this, nullptr);
    const bool hidden = control->isHidden();
    lending_ = true;
    control->setParent(this);
    if (auto* c = qobject_cast<TFxCustomToolBarControl*>(control)) c->SetLender(nullptr);
    control->setVisible(!hidden);
    lending_ = false;
}

TOptionSelectorWindow* TFxCustomToolBar::OptionWindow() const {
    return optionWindow_.data();
}

bool TFxCustomToolBar::OptionWindowShowing() const {
    return optionWindow_ != nullptr && optionWindow_->isVisible();
}

void TFxCustomToolBar::HideOptionWindow() {
    if (OptionWindowShowing()) optionWindow_->hide();
}

void TFxCustomToolBar::DestroyOptionWindow() {
    if (optionWindow_ == nullptr) return;
    // The bar goes, perhaps with its whole window, which takes nothing in
    // any more: what it lent goes with the option window.
    TControlSelectorPanel* panel = optionWindow_->OptionsPanel();
    for (int i = 0; i < panel->ItemCount(); ++i)
        if (QWidget* control = panel->Item(i))
            disconnect(control, &QObject::destroyed, this, nullptr);
    panel->ForgetItems();
    delete optionWindow_.data();
}

void TFxCustomToolBar::OptionWindowHidden() {
    if (!IsLoading()) Arrange(true);
    // The window may have stood over the handle, or the pointer left for
    // it: the handle looks hot only with the pointer on it now.
    SetRightHandleDown(false);
    SetRightHandleHot(OverRightHandle(QCursor::pos()));
    Invalidate();
}

void TFxCustomToolBar::PrepareOptionWindow() {
    if (optionWindow_ == nullptr) {
        optionWindow_ = new TOptionSelectorWindow(this);
    } else if (optionWindow_->parentWidget() != window() && optionWindow_ != window()) {
        // The bar moved to another window (floating or docked again).
        optionWindow_->setParent(window(), optionWindow_->windowFlags());
    }
    TControlSelectorPanel* panel = optionWindow_->OptionsPanel();
    panel->GiveBack();
    panel->WindowHidden();
    panel->SetAutoEntry(autoOptionMenu_);
    panel->SetTextAutoOptionMenu(textAutoOptionMenu_);
    panel->SetTextOptionMenu(textOptionMenu_);
    panel->SetFxToolBar(this);
    panel->SetCustomizer(customizer_);
    // A styled options menu draws with the bar's menu styler.
    if (auto* styled = qobject_cast<TFxPopupMenu*>(optionMenu_.data()))
        styled->SetMenuStyler(CurrentStyler()->CurrentMenuStyler());
    panel->SetOptionsMenu(optionMenu_.data());
    TCustomFxMenuStyler* menuStyler = CurrentStyler()->CurrentMenuStyler();
    if (Menu() != nullptr && menuStyler != nullptr) {
        // A menu bar's entries look like its menu buttons.
        const TRootItem& root = menuStyler->RootItem();
        panel->SetColorHot(root.HoverColor());
        panel->SetColorHotTo(root.HoverColorTo());
        panel->SetColorDown(root.SelectedColor());
        panel->SetColorDownTo(root.SelectedColorTo());
        panel->SetCaptionTextColor(root.Font().color);
        panel->SetCaptionTextColorHot(root.HoverTextColor());
        panel->SetCaptionTextColorDown(root.SelectedTextColor());
    } else {
        const TButtonAppearance& look = CurrentStyler()->ButtonAppearance();
        panel->SetColorHot(look.ColorHot());
        panel->SetColorHotTo(look.ColorHotTo());
        panel->SetColorDown(look.ColorDown());
        panel->SetColorDownTo(look.ColorDownTo());
        panel->SetCaptionTextColor(look.CaptionTextColor());
        panel->SetCaptionTextColorHot(look.CaptionTextColorHot());
        panel->SetCaptionTextColorDown(look.CaptionTextColorDown());
    }

    std::vector<TOptionCandidate> candidates;
    std::vector<QWidget*> widgets;
    for (int i = 0; i < Items().Count(); ++i) {
        IBarControl* c = Items()[i];
        candidates.push_back({c->ControlKind(), InOverflow(c) && c->ControlVisible()});
        widgets.push_back(WidgetOf(c));
    }
    for (const TOptionPanelItem& item : OptionPanelContents(candidates)) {
        QWidget* control = widgets[static_cast<std::size_t>(item.control)];
        if (item.copy)
            panel->AddSeparatorCopy(qobject_cast<TFxToolBarSeparator*>(control));
        else
            panel->AddItem(control);
    }
    panel->ArrangeItems();
    panel->move(0, 0);
    optionWindow_->resize(panel->size());
}

void TFxCustomToolBar::ShowOptionWindow(int x, int y, bool usePoint) {
    PrepareOptionWindow();
    TPoint p{x, y};
    if (!usePoint) {
        const QSize size = optionWindow_->size();
        QPoint anchor;
        if (State() == TToolBarState::tsFloating) {
            const TPoint a = FloatingOptionAnchor(Bounds(0, 0, width(), height()), CaptionHeight(),
                                                  ShowCloseOn());
            anchor = mapToGlobal(QPoint(a.x, a.y));
        } else {
            const TPoint a = DockedOptionAnchor(DockBounds());
            anchor = parentWidget() != nullptr ? parentWidget()->mapToGlobal(QPoint(a.x, a.y))
                                               : QPoint(a.x, a.y);
        }
        const TPoint at{anchor.x(), anchor.y()};
        const bool right = State() == TToolBarState::tsDocked && BarAlign() == TDockAlign::daRight;
        p = OptionWindowOrigin(at, size.width(), size.height(), WorkAreaAt(at), right,
                               mapToGlobal(QPoint(0, 0)).x());
    }
    if (optionWindow_->OptionsPanel()->IsEmpty()) return;
    optionWindow_->move(p.x, p.y);
    optionWindow_->show();
    optionWindow_->activateWindow();
    Invalidate();
}

void TFxCustomToolBar::Customize() {
    if (customizer_ != nullptr) customizer_->OpenCustomizeDialog();
}

void TFxCustomToolBar::OptionClick() {
    if (parentWidget() == nullptr) return;
    const bool floating = State() == TToolBarState::tsFloating;
    TPoint a = floating ? FloatingOptionAnchor(Bounds(0, 0, width(), height()), CaptionHeight(),
                                               ShowCloseOn())
                        : DockedOptionAnchor(DockBounds());
    const QPoint client(a.x, a.y);
    const QPoint screen = floating ? mapToGlobal(client) : parentWidget()->mapToGlobal(client);
    emit OptionClicked(this, client, screen);
    ShowOptionWindow(0, 0, false);
    SetRightHandleHot(false);
    SetRightHandleDown(false);
    if (floating) SetOptionButtonState(false, false);
}

bool TFxCustomToolBar::OptionMouseEvent(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    const TPoint p{pos.x(), pos.y()};
    const bool floating = State() == TToolBarState::tsFloating;
    if (event->type() == QEvent::MouseButtonRelease) {
        SetRightHandleDown(false);
        return false;
    }
    if (floating) {
        if (!ShowOptionIndicatorOn() || !OptionButtonRect().Contains(p)) return false;
    } else if (!ShowRightHandleOn() || !RightHandleHitRect().Contains(p)) {
        if (!CaptionOptionButtonRect().Contains(p)) return false;
        // The caption option button only tells the bar's owner, with the
        // point under the bar's end; it opens no window of its own.
        const TPoint a = DockedOptionAnchor(DockBounds());
        const QPoint client(a.x, a.y);
        emit OptionClicked(
            this, client, parentWidget() != nullptr ? parentWidget()->mapToGlobal(client) : client);
        return true;
    }
    if (OptionWindowShowing()) {  // a second press closes it
        HideOptionWindow();
        return true;
    }
    if (!floating) SetRightHandleDown(true);
    OptionClick();
    return true;
}

}  // namespace vx
