#include "styling/menus/qt/FxMenus.h"

#include <QActionEvent>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionMenuItem>

#include "platform/paint/Canvas.h"
#include "platform/paint/DesktopMetrics.h"
#include "styling/menus/qt/FxMenuStyle.h"
#include "styling/menus/qt/MdiWindowList.h"
#include "styling/menus/qt/MenuAnimation.h"

namespace vx {
namespace {

const char* const kInternalStylerName = "InternalMenuStyler";

TCustomFxMenuStyler* NewInternalStyler(QObject* owner) {
    auto* styler = new TFxMenuStyler(owner);
    styler->setObjectName(QString::fromLatin1(kInternalStylerName));
    return styler;
}

// Calls `visit` with the window, then with every sub-menu below it.
template <typename Visit>
void ForMenuTree(QWidget* widget, const Visit& visit) {
    if (widget == nullptr) return;
    visit(widget);
    const QList<QAction*> actions = widget->actions();
    for (QAction* action : actions) {
        if (QMenu* sub = action->menu(); sub != nullptr && sub != widget) ForMenuTree(sub, visit);
    }
}

// Sends a style change, after which Qt measures every item of the window
// again; sub-menus too.
void Remeasure(QWidget* widget) {
    ForMenuTree(widget, [](QWidget* window) {
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(window, &change);
        window->update();
    });
}

void Repaint(QWidget* widget) {
    ForMenuTree(widget, [](QWidget* window) { window->update(); });
}

// Gives a menu its disabled images: its windows repaint with them, and
// again when the list is destroyed (the pointer then lets go of it).
void LinkDisabledImages(QPointer<TImageList>& field, TImageList* images, QWidget* menu) {
    if (field == images) return;
    if (field) QObject::disconnect(field, &QObject::destroyed, menu, nullptr);
    field = images;
    if (images != nullptr)
        QObject::connect(images, &QObject::destroyed, menu, [menu] { Repaint(menu); });
    Repaint(menu);
}

// Masks the drop-down window to the part it shows.
void ShowOnlyPopupRegion(QWidget& window) {
    const TRect region = PopupRegion(window.width(), window.height());
    window.setMask(QRegion(region.left, region.top, region.Width(), region.Height()));
}

}  // namespace

QImage MenuItemPicture(const QAction& action, const QWidget& window, const IMenuStyleLink& link) {
    const qreal ratio = window.devicePixelRatio();
    const TImageList* disabled = link.DisabledImages();
    bool hasIndex = false;
    const int index = action.property(kMenuItemImageIndex).toInt(&hasIndex);
    if (!action.isEnabled() && disabled != nullptr && hasIndex && index >= 0) {
        QImage picture = disabled->GetBitmap(index, ratio, true);
        if (picture.isNull()) {
            picture = QImage(QSize(disabled->Width(), disabled->Height()) * ratio,
                             QImage::Format_ARGB32_Premultiplied);
            picture.fill(Qt::transparent);
            picture.setDevicePixelRatio(ratio);
        }
        return picture;
    }
    return action.icon()
        .pixmap(QSize(16, 16), ratio, action.isEnabled() ? QIcon::Normal : QIcon::Disabled)
        .toImage();
}

// ---------------------------------------------------------------------------
// Drop-down windows

TFxDropDownMenu::TFxDropDownMenu(QWidget* parent) : QMenu(parent) {
    SwitchMenuAnimationOff();
    setStyle(TFxMenuStyle::Instance());
}

TFxDropDownMenu::TFxDropDownMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {
    SwitchMenuAnimationOff();
    setStyle(TFxMenuStyle::Instance());
}

TFxDropDownMenu* TFxDropDownMenu::addMenu(const QString& title) {
    auto* menu = new TFxDropDownMenu(title, this);
    addAction(menu->menuAction());
    return menu;
}

IMenuStyleLink* TFxDropDownMenu::Link() const {
    for (QWidget* w = const_cast<TFxDropDownMenu*>(this); w != nullptr; w = w->parentWidget()) {
        if (auto* link = dynamic_cast<IMenuStyleLink*>(w)) return link;
        if (qobject_cast<QMenu*>(w) == nullptr && qobject_cast<QMenuBar*>(w) == nullptr)
            return nullptr;
    }
    return nullptr;
}

IMenuStyleLink* TFxDropDownMenu::DrawingLink() const {
    IMenuStyleLink* link = Link();
    return link != nullptr && link->OwnerDraw() ? link : nullptr;
}

int TFxDropDownMenu::Level() const {
    int level = 1;
    for (QWidget* w = parentWidget(); qobject_cast<QMenu*>(w) != nullptr; w = w->parentWidget())
        ++level;
    return level;
}

bool TFxDropDownMenu::RightOfParent() const {
    const auto* parentMenu = qobject_cast<const QMenu*>(parentWidget());
    if (parentMenu == nullptr) return true;
    return geometry().center().x() >= parentMenu->geometry().center().x();
}

void TFxDropDownMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    lastOption_.Filled(*option, action);
}

void TFxDropDownMenu::showEvent(QShowEvent* event) {
    QMenu::showEvent(event);
    if (DrawingLink() == nullptr) {
        clearMask();
        return;
    }
    const TPoint moved = PopupWindowMove(ToTRect(geometry()), Level(), RightOfParent());
    move(moved.x, moved.y);
    ShowOnlyPopupRegion(*this);
}

void TFxDropDownMenu::resizeEvent(QResizeEvent* event) {
    QMenu::resizeEvent(event);
    if (DrawingLink() == nullptr) {
        clearMask();
        return;
    }
    ShowOnlyPopupRegion(*this);
}

void TFxDropDownMenu::actionEvent(QActionEvent* event) {
    columns_.ItemsChanged(event->type() == QEvent::ActionRemoved ? event->action() : nullptr);
    QMenu::actionEvent(event);
}

bool TFxDropDownMenu::InLaterColumn(const QAction* action) const {
    const QScreen* on = screen();
    if (action == nullptr || on == nullptr ||
        style()->styleHint(QStyle::SH_Menu_Scrollable, nullptr, this))
        return false;
    // A column runs from inside the window's border at the top to inside it
    // at the bottom of the screen.
    const QMargins margins = contentsMargins();
    const int room =
        on->availableGeometry().height() - 2 * kMenuBorderWidth - margins.top() - margins.bottom();
    return columns_.InLaterColumn(
        action, actions(), room, separatorsCollapsible(),
        [this](const QAction& item) { return MeasuredItemHeight(item, *this); });
}

void TFxDropDownMenu::paintEvent(QPaintEvent* event) {
    IMenuStyleLink* link = DrawingLink();
    if (link == nullptr || link->GetCurrentStyler() == nullptr) {
        QMenu::paintEvent(event);
        return;
    }
    PaintDropDown(*this, *link, Level(), event->rect());
}

// ---------------------------------------------------------------------------
// The styler a menu draws with

void TMenuStylerSlot::UseInternal() {
    if (current_ != nullptr && current_ != internal_) current_->DetachMenu(menu_);
    linked_ = nullptr;
    if (internal_ == nullptr) internal_ = NewInternalStyler(owner_);
    current_ = internal_;
    current_->AttachMenu(menu_);
}

void TMenuStylerSlot::DropInternal() {
    if (internal_ == nullptr) return;
    internal_->DetachMenu(menu_);
    delete internal_;
    internal_ = nullptr;
}

void TMenuStylerSlot::Link(TCustomFxMenuStyler* styler, bool loading) {
    if (styler == linked_) return;
    if (linked_ != nullptr && linked_ != internal_) linked_->DetachMenu(menu_);
    if (styler == nullptr) {
        UseInternal();
        return;
    }
    if (!loading) DropInternal();
    linked_ = styler;
    current_ = styler;
    current_->AttachMenu(menu_);  // which repaints the menu
}

void TMenuStylerSlot::StylerDestroyed(TCustomFxMenuStyler* styler) {
    if (styler == internal_) internal_ = nullptr;
    if (styler == linked_) linked_ = nullptr;
    if (styler != current_) return;
    current_ = nullptr;
    if (!releasing_) UseInternal();
}

void TMenuStylerSlot::Loaded() {
    if (linked_ != nullptr) DropInternal();
}

void TMenuStylerSlot::Release() {
    releasing_ = true;
    if (current_ != nullptr) current_->DetachMenu(menu_);
    linked_ = nullptr;
    delete internal_;
    internal_ = nullptr;
    current_ = nullptr;
}

// ---------------------------------------------------------------------------
// Main menu

TFxMainMenu::TFxMainMenu(QWidget* parent) : QMenuBar(parent) {
    SwitchMenuAnimationOff();
    setStyle(TFxMenuStyle::Instance());
    styler_.UseInternal();
}

TFxMainMenu::~TFxMainMenu() {
    destroying_ = true;
    styler_.Release();
}

TFxDropDownMenu* TFxMainMenu::addMenu(const QString& title) {
    auto* menu = new TFxDropDownMenu(title, this);
    addAction(menu->menuAction());
    return menu;
}

void TFxMainMenu::SetMenuStyler(TCustomFxMenuStyler* styler) {
    styler_.Link(styler, IsLoading());
}

void TFxMainMenu::SetDisabledImages(TImageList* images) {
    LinkDisabledImages(disabledImages_, images, this);
}

void TFxMainMenu::StylerDestroyed(TCustomFxMenuStyler* styler) {
    styler_.StylerDestroyed(styler);
}

void TFxMainMenu::SetOwnerDraw(bool value) {
    if (value == ownerDraw_) return;
    ownerDraw_ = value;
    if (!IsLoading()) UpdateItems();
}

void TFxMainMenu::Loaded() {
    ownerDraw_ = true;
    styler_.Loaded();
    UpdateItems();
    MenuStyleChanged(false);
}

void TFxMainMenu::UpdateItems() {
    Remeasure(this);
}

void TFxMainMenu::MenuStyleChanged(bool rebuild) {
    if (rebuild)
        UpdateItems();
    else
        Repaint(this);
    HookMdiClient();
}

void TFxMainMenu::DrawMenuBar() {
    update();
}

void TFxMainMenu::SetWindowMenu(QMenu* menu) {
    if (menu == windowMenu_) return;
    windowMenu_ = menu;
    delete windowList_;
    windowList_ = nullptr;
    HookMdiClient();
}

QMdiArea* TFxMainMenu::MdiClient() const {
    auto* form = qobject_cast<QMainWindow*>(window());
    return form != nullptr ? qobject_cast<QMdiArea*>(form->centralWidget()) : nullptr;
}

bool TFxMainMenu::MdiChildMaximized() const {
    const QMdiArea* client = MdiClient();
    const QMdiSubWindow* child = client != nullptr ? client->currentSubWindow() : nullptr;
    return child != nullptr && child->isMaximized();
}

void TFxMainMenu::HookMdiClient() {
    if (destroying_) return;
    QMdiArea* client = MdiClient();
    if (client == nullptr) return;
    if (client != hookedClient_) {
        if (hookedClient_) disconnect(hookedClient_, nullptr, this, nullptr);
        hookedClient_ = client;
        connect(client, &QMdiArea::subWindowActivated, this, &TFxMainMenu::WatchMdiChild);
        WatchMdiChild(client->currentSubWindow());
    }
    if (!windowMenu_) return;
    if (windowList_ != nullptr && windowList_->Client() == client &&
        windowList_->WindowMenu() == windowMenu_)
        return;
    delete windowList_;
    windowList_ = new TMdiWindowList(client, windowMenu_, this);
}

void TFxMainMenu::WatchMdiChild(QMdiSubWindow* child) {
    if (child != nullptr)
        connect(child, &QMdiSubWindow::windowStateChanged, this, &TFxMainMenu::DrawMenuBar,
                Qt::UniqueConnection);
    DrawMenuBar();
}

void TFxMainMenu::BeginUpdate() {
    updating_ = true;
    ++updateCount_;
}

void TFxMainMenu::EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
    if (updateCount_ > 0) return;
    updating_ = false;
    DrawMenuBar();
}

void TFxMainMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenuBar::initStyleOption(option, action);
    lastOption_.Filled(*option, action);
}

void TFxMainMenu::actionEvent(QActionEvent* event) {
    QMenuBar::actionEvent(event);
    // A change of the menu's items is a look change (Qt repaints the bar by
    // itself): the menu takes up the MDI client its form may have by now.
    if (!updating_) HookMdiClient();
}

void TFxMainMenu::paintEvent(QPaintEvent* event) {
    if (!ownerDraw_) {
        QMenuBar::paintEvent(event);
        return;
    }
    PaintMenuBar(*this, *this);
}

// ---------------------------------------------------------------------------
// Pop-up menu

TFxPopupMenu::TFxPopupMenu(QWidget* parent) : TFxDropDownMenu(parent) {
    styler_.UseInternal();
}

TFxPopupMenu::~TFxPopupMenu() {
    styler_.Release();
}

void TFxPopupMenu::SetMenuStyler(TCustomFxMenuStyler* styler) {
    styler_.Link(styler, IsLoading());
}

void TFxPopupMenu::SetDisabledImages(TImageList* images) {
    LinkDisabledImages(disabledImages_, images, this);
}

void TFxPopupMenu::StylerDestroyed(TCustomFxMenuStyler* styler) {
    styler_.StylerDestroyed(styler);
}

void TFxPopupMenu::SetOwnerDraw(bool value) {
    if (value == ownerDraw_) return;
    ownerDraw_ = value;
    if (!IsLoading()) UpdateItems();
}

void TFxPopupMenu::Loaded() {
    const bool wasOwnerDraw = ownerDraw_;
    ownerDraw_ = true;
    styler_.Loaded();
    if (!wasOwnerDraw) UpdateItems();
}

void TFxPopupMenu::UpdateItems() {
    Remeasure(this);
}

void TFxPopupMenu::MenuStyleChanged(bool rebuild) {
    if (rebuild)
        UpdateItems();
    else
        Repaint(this);
}

QPoint TFxPopupMenu::PlaceFor(const QPoint& point) {
    ensurePolished();
    TRect area = WorkAreaAt(TPoint{point.x(), point.y()});
    if (area.IsEmpty()) area = {0, 0, 1 << 16, 1 << 16};  // no screen known
    int firstWidth = 0;
    if (!actions().isEmpty()) {
        QStyleOptionMenuItem option;
        initStyleOption(&option, actions().first());
        firstWidth = style()
                         ->sizeFromContents(QStyle::CT_MenuItem, &option,
                                            QSize(option.fontMetrics.horizontalAdvance(option.text),
                                                  option.fontMetrics.height()),
                                            this)
                         .width();
    }
    const TPoint at = PopupPoint({point.x(), point.y()}, alignment_, firstWidth, area);
    const QSize size = sizeHint();
    const TPoint origin = PopupWindowOrigin(at, alignment_, {size.width(), size.height()}, area);
    return {origin.x, origin.y};
}

void TFxPopupMenu::Popup(int x, int y) {
    if (actions().isEmpty()) return;
    exec(PlaceFor({x, y}));
}

void TFxPopupMenu::OpenAt(const QPoint& point) {
    if (actions().isEmpty()) return;
    popup(PlaceFor(point));
}

}  // namespace vx
