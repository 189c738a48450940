#include "styling/menus/qt/FxMenuStyle.h"

#include <QActionGroup>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionMenuItem>

#include "platform/paint/Canvas.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/menus/qt/MenuItemHandlers.h"

namespace vx {
namespace {

// The styled menu whose items the window draws, or null when the window
// looks like any menu's.
IMenuStyleLink* LinkOfWindow(const QWidget* widget) {
    if (const auto* bar = qobject_cast<const TFxMainMenu*>(widget))
        return bar->OwnerDraw() ? const_cast<TFxMainMenu*>(bar) : nullptr;
    if (const auto* menu = qobject_cast<const TFxDropDownMenu*>(widget)) return menu->DrawingLink();
    return nullptr;
}

const QAction* FirstVisible(const QWidget* window) {
    for (const QAction* action : window->actions()) {
        if (action->isVisible()) return action;
    }
    return nullptr;
}

// The action a size is asked for: the one the window filled the option
// from (MenuItemOption.h). An option the window did not fill (a caller
// that made its own) is matched by its caption, the first item of that
// caption answering.
const QAction* ActionByCaption(const QWidget* window, const QStyleOptionMenuItem& option) {
    const bool separator = option.menuItemType == QStyleOptionMenuItem::Separator;
    for (const QAction* action : window->actions()) {
        if (!action->isVisible()) continue;
        if (separator) {
            if (action->isSeparator()) return action;
            continue;
        }
        if (action->isSeparator()) continue;
        QString text = action->text();
        if (!action->shortcut().isEmpty())
            text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
        if (text == option.text || action->text() == option.text) return action;
    }
    return nullptr;
}

const QAction* ActionOfOption(const QWidget* window, const QStyleOptionMenuItem& option) {
    const QAction* action = nullptr;
    if (const auto* menu = qobject_cast<const TFxDropDownMenu*>(window))
        action = menu->ActionOfOption(option);
    else if (const auto* bar = qobject_cast<const TFxMainMenu*>(window))
        action = bar->ActionOfOption(option);
    return action ? action : ActionByCaption(window, option);
}

// A canvas to measure texts with.
struct MeasureCanvas {
    QImage image{1, 1, QImage::Format_ARGB32_Premultiplied};
    QPainter painter{&image};
    Canvas canvas{painter};
};

// What the desktop adds to the measured width of a menu-bar item.
constexpr int kMenuBarItemSpace = 12;

int ItemLevel(const IMenuStyleLink& link, int windowLevel) {
    return link.IsMainMenu() ? windowLevel : windowLevel - 1;
}

// The item as the drawing sees it, but for the column it stands in.
TMenuItemInfo DescribeItem(const QAction* action, const QWidget* window, int level,
                           const IMenuStyleLink& link) {
    TMenuItemInfo info;
    info.inMainMenu = link.IsMainMenu();
    info.rootItem = level == 0;
    info.level = info.rootItem ? 0 : ItemLevel(link, level);
    if (action == nullptr) return info;
    // Where the item stands decides whether it carries the side bar, a
    // separator as much as any other item.
    info.firstVisible = FirstVisible(window) == action;
    if (level == 1 && link.IsMainMenu()) {
        const auto* menu = qobject_cast<const QMenu*>(window);
        const QWidget* bar = menu != nullptr ? menu->parentWidget() : nullptr;
        info.parentIsFirstVisibleRoot =
            bar != nullptr && menu != nullptr && FirstVisible(bar) == menu->menuAction();
    }
    if (action->isSeparator()) {
        info.caption = "-";
        return info;
    }
    info.caption = action->text().toStdString();
    info.rightToLeft = window->isRightToLeft();
    if (!action->shortcut().isEmpty() && !info.rootItem) {
        QKeySequence keys = action->shortcut();
        // A shortcut held with the Windows key shows "Win+" before the
        // rest of its text, which names the other keys.
        if (keys.count() == 1 && keys[0].keyboardModifiers().testFlag(Qt::MetaModifier)) {
            info.winKey = true;
            keys = QKeySequence(
                QKeyCombination(keys[0].keyboardModifiers() & ~Qt::MetaModifier, keys[0].key()));
        }
        info.shortCutText = keys.toString(QKeySequence::NativeText).toStdString();
    }
    info.hasSubItems = action->menu() != nullptr && !action->menu()->actions().isEmpty();
    info.checked = action->isCheckable() && action->isChecked();
    info.radioItem = action->actionGroup() != nullptr && action->actionGroup()->isExclusive();
    info.enabled = action->isEnabled();
    if (const auto* menu = qobject_cast<const QMenu*>(window))
        info.isDefault = menu->defaultAction() == action;
    if (const auto* popup = dynamic_cast<const TFxPopupMenu*>(&link))
        info.popupAlignment = static_cast<int>(popup->Alignment());
    if (!action->icon().isNull()) {
        info.hasImageList = true;
        info.imageCount = 1;
        info.imageIndex = 0;
        info.image = MenuItemPicture(*action, *window, link);
    }
    return info;
}

// An item's width as measured and its height as its window lays it out:
// measured by the item's own handler when it has one, else by the styler.
struct TItemSize {
    int width = 0;
    int height = 0;
};

TItemSize MeasureItem(const QAction* action, const TMenuItemInfo& info,
                      const TCustomFxMenuStyler& styler) {
    MeasureCanvas measure;
    TItemSize size;
    size.height = ScreenMenuBarMetrics().height;
    const TMenuItemHandlers* own = action != nullptr ? MenuItemHandlersOf(*action) : nullptr;
    if (own != nullptr && own->OnMeasureItem) {
        measure.canvas.font = ScreenMenuFont();
        own->OnMeasureItem(*action, measure.canvas, size.width, size.height);
    } else {
        MeasureMenuItem(styler, info, measure.canvas, size.width, size.height,
                        SideBarShown(styler, info));
    }
    if (info.caption != "-") size.height = std::max(size.height, 1);
    return size;
}

// The item's handlers when it draws itself, else null.
const TMenuItemHandlers* OwnDrawing(const QAction& action) {
    const TMenuItemHandlers* own = MenuItemHandlersOf(action);
    return own != nullptr && (own->OnAdvancedDrawItem || own->OnDrawItem) ? own : nullptr;
}

// An item with drawing of its own draws itself in its whole rectangle.
void DrawItself(const TMenuItemHandlers& own, const QAction& action, Canvas& canvas,
                const TRect& rect, unsigned state) {
    canvas.SaveState();
    canvas.font = ScreenMenuFont();
    if (own.OnAdvancedDrawItem)
        own.OnAdvancedDrawItem(action, canvas, rect, state);
    else
        own.OnDrawItem(action, canvas, rect, (state & MenuItemState::kSelected) != 0);
    canvas.RestoreState();
}

}  // namespace

TMenuItemInfo MenuItemInfoOf(const QAction* action, const QWidget* window, int level,
                             const IMenuStyleLink& link) {
    TMenuItemInfo info = DescribeItem(action, window, level, link);
    if (const auto* menu = qobject_cast<const TFxDropDownMenu*>(window))
        info.columnBroken = menu->InLaterColumn(action);
    return info;
}

int MeasuredItemHeight(const QAction& action, const TFxDropDownMenu& menu) {
    const IMenuStyleLink* link = menu.DrawingLink();
    if (link == nullptr || link->GetCurrentStyler() == nullptr) return 0;
    const TMenuItemInfo info = DescribeItem(&action, &menu, menu.Level(), *link);
    return MeasureItem(&action, info, *link->GetCurrentStyler()).height;
}

TFxMenuStyle::TFxMenuStyle() = default;

TFxMenuStyle* TFxMenuStyle::Instance() {
    static QPointer<TFxMenuStyle> style;
    if (!style) {
        style = new TFxMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

QSize TFxMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    IMenuStyleLink* link = LinkOfWindow(widget);
    if (item == nullptr || link == nullptr || link->GetCurrentStyler() == nullptr ||
        (type != CT_MenuItem && type != CT_MenuBarItem))
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const TCustomFxMenuStyler& styler = *link->GetCurrentStyler();
    const auto* menu = qobject_cast<const TFxDropDownMenu*>(widget);
    const QAction* action = ActionOfOption(widget, *item);
    TMenuItemInfo info = DescribeItem(action, widget, menu != nullptr ? menu->Level() : 0, *link);
    TItemSize measured = MeasureItem(action, info, styler);
    if (menu != nullptr && action != nullptr) {
        // Where the item stands follows from the heights of those before it
        // and its own; an item of a later column carries no side bar.
        menu->NoteItemHeight(action, measured.height);
        info.columnBroken = menu->InLaterColumn(action);
        if (info.columnBroken) measured = MeasureItem(action, info, styler);
    }
    if (info.caption == "-") return {1, measured.height};
    int width = measured.width;
    // The desktop spaces the items of a menu bar beyond their measure.
    if (type == CT_MenuBarItem) width += kMenuBarItemSpace;
    // Qt adds the widest shortcut text once more after asking every item.
    if (type == CT_MenuItem) width -= item->reservedShortcutWidth;
    return {std::max(width, 1), measured.height};
}

int TFxMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    if (LinkOfWindow(widget) != nullptr) {
        switch (metric) {
            case PM_MenuPanelWidth:
                return kMenuBorderWidth;
            case PM_MenuHMargin:
            case PM_MenuVMargin:
            case PM_MenuBarPanelWidth:
            case PM_MenuBarItemSpacing:
            case PM_MenuBarHMargin:
            case PM_MenuBarVMargin:
            case PM_SubMenuOverlap:
            case PM_MenuDesktopFrameWidth:
            case PM_MenuTearoffHeight:
                return 0;
            default:
                break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void PaintMenuBar(QMenuBar& bar, const IMenuStyleLink& link) {
    const TCustomFxMenuStyler* styler = link.GetCurrentStyler();
    if (styler == nullptr) return;
    QPainter painter(&bar);
    Canvas canvas(painter);
    const TRect client{0, 0, bar.width(), bar.height()};
    const auto* mainMenu = qobject_cast<const TFxMainMenu*>(&bar);
    const bool mdiChildMaximized = mainMenu != nullptr && mainMenu->MdiChildMaximized();
    TRect barPart = client;
    if (mdiChildMaximized) barPart.right -= MdiChildButtonsWidth();
    const TRootItem& root = styler->RootItem();
    if (root.Color() != clNone)
        FillGradientPart(canvas, client, root.GradientDirection(), root.Color(), root.ColorTo(),
                         barPart);
    const QAction* last = nullptr;
    for (const QAction* action : bar.actions()) {
        if (action->isVisible() && bar.actionGeometry(const_cast<QAction*>(action)).isValid())
            last = action;
    }
    for (QAction* action : bar.actions()) {
        const QRect r = bar.actionGeometry(action);
        if (!action->isVisible() || !r.isValid()) continue;
        const TMenuItemInfo info = MenuItemInfoOf(action, &bar, 0, link);
        unsigned state = 0;
        if (bar.activeAction() == action) {
            const bool open = action->menu() != nullptr && action->menu()->isVisible();
            state |= open ? MenuItemState::kSelected : MenuItemState::kHotLight;
        }
        if (!action->isEnabled()) state |= MenuItemState::kDisabled | MenuItemState::kGrayed;
        TMenuWindowInfo window;
        window.menuBar = client;
        window.lastRootItem = action == last;
        window.mdiChildMaximized = mdiChildMaximized;
        if (const TMenuItemHandlers* own = OwnDrawing(*action)) {
            DrawItself(*own, *action, canvas, ToTRect(r), state);
            continue;
        }
        DrawMenuItem(*styler, info, canvas, ToTRect(r), SideBarShown(*styler, info), state, window);
    }
}

void PaintDropDown(QMenu& menu, const IMenuStyleLink& link, int level, const QRect& dirty) {
    const TCustomFxMenuStyler* styler = link.GetCurrentStyler();
    if (styler == nullptr) return;
    QPainter painter(&menu);
    Canvas canvas(painter);
    // The inside of the border stands in for the window's client area.
    QRect items;
    for (QAction* action : menu.actions()) {
        const QRect r = menu.actionGeometry(action);
        if (action->isVisible() && r.isValid()) items |= r;
    }
    canvas.brush.color = styler->Background().Color();
    canvas.FillRect({0, 0, menu.width(), menu.height()});
    canvas.MoveOrigin(kMenuBorderWidth, kMenuBorderWidth);
    TMenuWindowInfo window;
    window.itemsArea = {0, 0, items.width(), items.height()};
    // The first visible item draws the side bar down the whole window: it
    // is drawn whenever the window is painted again, for the side bar is
    // filled over as well wherever the part to paint meets it.
    const QAction* sideBarItem = styler->SideBar().Visible() ? FirstVisible(&menu) : nullptr;
    for (QAction* action : menu.actions()) {
        QRect r = menu.actionGeometry(action);
        // Items scrolled out of the window, or outside the part to paint
        // again, would only be clipped away.
        if (!action->isVisible() || !r.isValid()) continue;
        if (!r.intersects(dirty) && action != sideBarItem) continue;
        r.translate(-kMenuBorderWidth, -kMenuBorderWidth);
        const TMenuItemInfo info = MenuItemInfoOf(action, &menu, level, link);
        unsigned state = 0;
        if (menu.activeAction() == action && !action->isSeparator())
            state |= MenuItemState::kSelected;
        if (!action->isEnabled()) state |= MenuItemState::kDisabled | MenuItemState::kGrayed;
        if (info.checked) state |= MenuItemState::kChecked;
        if (info.isDefault) state |= MenuItemState::kDefault;
        TRect rect = ToTRect(r);
        const bool sideBar = SideBarShown(*styler, info);
        if (const TMenuItemHandlers* own = OwnDrawing(*action)) {
            // The window keeps its side bar when the item it starts at
            // draws itself.
            if (sideBar && info.firstVisible) DrawDropDownSideBar(*styler, canvas, window);
            DrawItself(*own, *action, canvas, rect, state);
            continue;
        }
        rect.right -= kMenuRightStrip;
        DrawMenuItem(*styler, info, canvas, rect, sideBar, state, window);
    }
    canvas.MoveOrigin(-kMenuBorderWidth, -kMenuBorderWidth);
    std::optional<TRect> parentItem;
    if (auto* bar = qobject_cast<QMenuBar*>(menu.parentWidget()); bar != nullptr && level == 1) {
        const QRect item = bar->actionGeometry(menu.menuAction());
        if (item.isValid()) {
            const QPoint at = bar->mapToGlobal(item.topLeft()) - menu.pos();
            parentItem = TRect{at.x(), at.y(), at.x() + item.width(), at.y() + item.height()};
        }
    }
    // Every window here hides exactly one strip at its right, sub-menus too,
    // so every frame runs along the edge of the shown part (a sub-menu's
    // frame drawn a second strip further in would leave its items' right
    // ends outside it).
    PaintPopupFrame(*styler, canvas, menu.width(), menu.height(), 1, true, parentItem);
}

}  // namespace vx
