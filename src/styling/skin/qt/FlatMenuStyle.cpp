#include "styling/skin/qt/FlatMenuStyle.h"

#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidget>
#include <algorithm>

#include "platform/paint/Canvas.h"
#include "styling/skin/SkinLayout.h"
#include "styling/skin/SkinSets.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

const int kIconSize = 16;
// The border of a flat pop-up window: its outline, two pixels of bands
// inside it, or of shadow on the bottom and right.
const int kFlatMenuBorder = 3;

// The size an item's icon is drawn at: its own (the smallest it holds), or
// the small icon size for an icon that holds no size of its own.
QSize IconExtent(const QIcon& icon) {
    QSize extent;
    for (const QSize& size : icon.availableSizes()) {
        if (!extent.isValid() || size.width() * size.height() < extent.width() * extent.height())
            extent = size;
    }
    return extent.isValid() ? extent : QSize(kIconSize, kIconSize);
}

// Caption and shortcut of an item's text ("caption\tshortcut").
void SplitItemText(const QString& text, QString& caption, QString& shortcut) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    caption = tab < 0 ? text : text.left(tab);
    shortcut = tab < 0 ? QString() : text.mid(tab + 1);
}

void FillRect(QPainter& p, const QRect& r, TColor color) {
    p.fillRect(r, ToQColor(color));
}

void Outline(QPainter& p, const QRect& r, TColor color) {
    p.setPen(ToQColor(color));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void LineTo(QPainter& p, TColor color, QPoint from, QPoint to) {
    // The end point is left out, as the desktop's lines leave it.
    QPoint end = to;
    if (from.x() == to.x())
        end.ry() += to.y() > from.y() ? -1 : 1;
    else if (from.y() == to.y())
        end.rx() += to.x() > from.x() ? -1 : 1;
    p.setPen(ToQColor(color));
    p.drawLine(from, end);
}

// The action an item's option stands for: by its place while the menu paints
// it, else (while the menu measures it, when no place is known yet) by its
// caption.
const QAction* ItemAction(const QStyleOptionMenuItem& item, const QWidget* widget, bool painting) {
    const auto* menu = qobject_cast<const QMenu*>(widget);
    const auto* bar = qobject_cast<const QMenuBar*>(widget);
    if (menu == nullptr && bar == nullptr) return nullptr;
    const QList<QAction*> actions = widget->actions();
    if (painting) {
        for (QAction* a : actions) {
            const QRect place = menu != nullptr ? menu->actionGeometry(a) : bar->actionGeometry(a);
            if (!place.isEmpty() && place == item.rect) return a;
        }
    }
    for (const QAction* a : actions) {
        // The text a menu gives its item: the caption, and the shortcut
        // after a tab unless the caption carries one.
        QString text = a->text();
        if (menu != nullptr && !text.contains(QLatin1Char('\t')) && !a->shortcut().isEmpty())
            text += QLatin1Char('\t') + a->shortcut().toString(QKeySequence::NativeText);
        if (!a->isSeparator() && text == item.text) return a;
    }
    return nullptr;
}

// An item tagged out of the skin keeps the desktop's own measuring and drawing.
bool TaggedOut(const QStyleOption* option, const QWidget* widget, bool painting) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr) return false;
    const QAction* action = ItemAction(*item, widget, painting);
    return action != nullptr && ControlTag(action) == kSkinOptOutTag;
}

}  // namespace

TFlatMenuStyle::TFlatMenuStyle(TFlatSkin& skin) : skin_(skin) {}

int TFlatMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    if (metric == PM_MenuPanelWidth && skin_.FlatMenu()) return kFlatMenuBorder;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize TFlatMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr || !skin_.Active() || (type != CT_MenuItem && type != CT_MenuBarItem) ||
        TaggedOut(option, widget, false))
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const bool topLevel = type == CT_MenuBarItem;
    const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    QString caption;
    QString shortcut;
    SplitItemText(item->text, caption, shortcut);
    QString text = separator ? QString() : caption;
    if (!shortcut.trimmed().isEmpty()) text = caption + shortcut + QStringLiteral("WWW");
    const QFontMetrics metrics(skin_.Font());
    int width = metrics.horizontalAdvance(text) + 5;
    if (text.contains(QLatin1Char('&'))) width -= metrics.horizontalAdvance(QLatin1Char('&'));
    const QSize iconSize = item->icon.isNull() ? QSize(0, 0) : IconExtent(item->icon);
    int imageWidth = iconSize.width();
    const int imageHeight = iconSize.height();
    if (!topLevel) imageWidth = std::max(imageWidth, skin_.IconWidth());
    if (imageWidth > 0) width += imageWidth;
    if (topLevel) width += 8;
    const int height = MenuItemHeight(metrics.height(), imageHeight, separator);
    if (separator) return QSize(std::max(size.width(), width), height);
    return QSize(std::max(size.width(), width), std::max(size.height(), height));
}

void TFlatMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (!skin_.Active()) return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const TSkinWorkingColors& wc = skin_.SetGlobalColor(widget != nullptr ? widget->depth() : 32);
    switch (element) {
        case PE_PanelMenu: {
            // Once per paint of a pop-up, before its items: its sub-menus
            // added since the walk get the flat items too.
            skin_.HookSubMenus(const_cast<QWidget*>(widget));
            FillRect(*painter, option->rect, wc.menu);
            // The icon column runs on into the window's border.
            const int border = pixelMetric(PM_MenuPanelWidth, option, widget);
            QRect icons = option->rect;
            if (option->direction == Qt::RightToLeft)
                icons.setLeft(icons.right() + 1 - skin_.IconWidth() - border);
            else
                icons.setWidth(skin_.IconWidth() + border);
            FillRect(*painter, icons, wc.iconBar);
            return;
        }
        case PE_FrameMenu:
            if (skin_.FlatMenu()) {
                DrawWindowBorder(*painter, option->rect, option->direction == Qt::RightToLeft);
                return;
            }
            break;
        case PE_PanelMenuBar:
            FillRect(*painter, option->rect, wc.menuBar);
            return;
        default:
            break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TFlatMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const bool item = element == CE_MenuItem || element == CE_MenuBarItem;
    if (skin_.Active() && !(item && TaggedOut(option, widget, true))) {
        switch (element) {
            case CE_MenuItem:
                DrawMenuItem(option, painter, widget, false);
                return;
            case CE_MenuBarItem:
                DrawMenuItem(option, painter, widget, true);
                return;
            case CE_MenuBarEmptyArea:
            case CE_MenuEmptyArea:
                skin_.SetGlobalColor(widget != nullptr ? widget->depth() : 32);
                FillRect(*painter, option->rect,
                         element == CE_MenuBarEmptyArea ? skin_.Working().menuBar
                                                        : skin_.Working().menu);
                return;
            default:
                break;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TFlatMenuStyle::DrawMenuItem(const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget, bool topLevel) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr) return;
    const TSkinWorkingColors& wc = skin_.SetGlobalColor(widget != nullptr ? widget->depth() : 32);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QRect r = item->rect;
    const bool rtl = item->direction == Qt::RightToLeft;
    const bool enabled = (item->state & State_Enabled) != 0;
    const bool selected = (item->state & State_Selected) != 0;
    const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    const int iconWidth = skin_.IconWidth();
    QImage icon;
    if (!item->icon.isNull()) icon = item->icon.pixmap(IconExtent(item->icon)).toImage();
    const bool hasIcon = !icon.isNull();

    QRect ic = r;
    if (rtl)
        ic.setLeft(r.right() + 1 - iconWidth);
    else
        ic.setWidth(iconWidth);
    QRect cr;
    if (hasIcon) {
        cr = QRect(QPoint(ic.left() + 1, ic.top() + 2), QPoint(ic.right() - 3, ic.bottom() - 2));
    } else {
        cr = QRect(ic.left() + (ic.width() - 10) / 2, ic.top() + (ic.height() - 10) / 2, 10, 10);
    }
    if (hasIcon && icon.width() > iconWidth) {
        if (rtl)
            cr.setLeft(cr.right() + 1 - icon.width());
        else
            cr.setWidth(icon.width());
    }
    if (topLevel) cr.translate(0, -1);

    QRect tr = r;
    if (topLevel && !hasIcon) {
        tr = r;
    } else if (rtl) {
        int right = r.right() + 1 - iconWidth - (topLevel ? 4 : 0);
        if (hasIcon) right = std::min(right, r.right() + 1 - icon.width() - 8);
        tr.setRight(right - 1);
        if (topLevel) tr.translate(-5, 0);
    } else {
        int left = r.left() + iconWidth + (topLevel ? 4 : 0);
        if (hasIcon) left = std::max(left, r.left() + icon.width() + 4);
        tr.setLeft(left);
        if (topLevel) tr.translate(5, 0);
    }

    if (topLevel) {
        FillRect(*painter, r, wc.menuBar);
    } else if (wc.highColor && skin_.Gradient()) {
        DrawGradient(*painter, r.adjusted(-1, 0, 1, 0), rtl);
    } else {
        FillRect(*painter, r, wc.menu);
        FillRect(*painter, ic, wc.iconBar);
    }
    TColor fontColor = enabled ? skin_.FontColor() : skin_.DisabledColor();
    if (selected && skin_.DrawSelect()) {
        if (topLevel) {
            DrawTopMenuItem(*painter, r);
        } else if (enabled) {
            QRect s = r.adjusted(0, 1, skin_.FlatMenu() ? -1 : 0, -1);
            FillRect(*painter, s, wc.select);
            Outline(*painter, s, wc.selectBorder);
        }
    }
    const bool checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    if (checked)
        DrawCheckedItem(*painter, cr, selected, hasIcon, enabled,
                        item->checkType == QStyleOptionMenuItem::Exclusive);
    if (hasIcon)
        skin_.DrawItemIcon(*painter, icon, ic, rtl, topLevel, true, checked, enabled, false,
                           selected);
    if (separator) {
        const int y = tr.top() + RoundHalfEven((tr.height()) / 2.0);
        if (rtl)
            LineTo(*painter, wc.separator, QPoint(tr.left(), y), QPoint(tr.right() + 1 - 7, y));
        else
            LineTo(*painter, wc.separator, QPoint(tr.left() + 7, y), QPoint(tr.right() + 1, y));
    } else {
        QString caption;
        QString shortcut;
        SplitItemText(item->text, caption, shortcut);
        if (rtl)
            tr.setRight(tr.right() - 3);
        else
            tr.setLeft(tr.left() + 3);
        const TColor under = selected && enabled ? wc.select : (topLevel ? wc.menuBar : wc.menu);
        skin_.DrawItemText(*painter, QLatin1Char(' ') + caption,
                           rtl ? DrawTextFlags::kRight | DrawTextFlags::kRtlReading : 0u,
                           skin_.Font(), fontColor, rtl, topLevel,
                           item->menuItemType == QStyleOptionMenuItem::DefaultItem, enabled,
                           selected && enabled, tr, under, shortcut);
    }
    painter->restore();
}

void TFlatMenuStyle::DrawGradient(QPainter& p, const QRect& area, bool rightToLeft) const {
    const TColor iconBar = skin_.Working().iconBar;
    int percent = 0;
    for (int i = 0; i < area.width(); ++i) {
        const int x = rightToLeft ? area.right() - i : area.left() + i;
        FillRect(p, QRect(x, area.top(), 1, area.height()), NewColor(iconBar, percent));
        percent = std::min(96, percent + (i < skin_.IconWidth() + 5 ? 3 : 1));
    }
}

void TFlatMenuStyle::DrawWindowBorder(QPainter& p, const QRect& window, bool rightToLeft) const {
    const TSkinWorkingColors& wc = skin_.Working();
    const int l = window.left();
    const int t = window.top();
    const int r = window.right() + 1;
    const int b = window.bottom() + 1;
    const int iconWidth = skin_.IconWidth();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    Outline(p, QRect(QPoint(l, t), QPoint(r - 3, b - 3)), wc.menuBorder);
    const QRect topBand(QPoint(l + 1, t + 1), QPoint(r - 2, t + 2));
    if (!rightToLeft) {
        if (wc.highColor && skin_.Gradient()) {
            DrawGradient(p, topBand, false);
        } else {
            FillRect(p, topBand, wc.menu);
            LineTo(p, wc.iconBar, {l + 1, t + 2}, {l + 3 + iconWidth, t + 2});
        }
        FillRect(p, QRect(QPoint(l + 1, t + 2), QPoint(l + 2, b - 2)), wc.iconBar);
    } else {
        if (wc.highColor && skin_.Gradient())
            DrawGradient(p, topBand, true);
        else
            FillRect(p, topBand, wc.menu);
        LineTo(p, wc.menu, {l + 2, t + 2}, {l + 2, b - 1});
        LineTo(p, wc.iconBar, {r - 2, t + 2}, {r - 2, b - 1});
        LineTo(p, wc.iconBar, {r - 2, t + 2}, {r - 1 - iconWidth, t + 2});
    }
    // The shadow, with the two outer corners in the face colour behind it.
    FillRect(p, QRect(QPoint(l + 2, b - 2), QPoint(r - 1, b - 1)), wc.menuShadow);
    FillRect(p, QRect(QPoint(r - 2, t + 2), QPoint(r - 1, b - 1)), wc.menuShadow);
    FillRect(p, QRect(l, b - 2, 2, 2), clBtnFace);
    FillRect(p, QRect(r - 2, t, 2, 2), clBtnFace);
    p.restore();
}

void TFlatMenuStyle::DrawCheckedItem(QPainter& p, const QRect& cr, bool selected, bool hasIcon,
                                     bool enabled, bool radio) const {
    const TSkinWorkingColors& wc = skin_.Working();
    const TColor brush = selected ? wc.checkedAreaSelected : wc.checkedArea;
    TColor pen = enabled ? wc.selectBorder : wc.disabled;
    p.setBrush(ToQColor(brush));
    const QRect box = cr.adjusted(0, 0, -1, -1);
    if (radio) {
        p.setPen(ToQColor(pen));
        if (hasIcon)
            p.drawRoundedRect(box, 3, 3);
        else
            p.drawEllipse(box);
        return;
    }
    if (hasIcon) {
        p.setPen(ToQColor(pen));
        p.drawRect(box);
        return;
    }
    pen = enabled ? wc.checked : wc.disabled;
    p.setPen(ToQColor(pen));
    p.drawRect(box);
    const TColor tick = enabled ? clBlack : wc.disabled;
    const int l = cr.left();
    const int t = cr.top();
    const int rr = cr.right() + 1;
    const int b = cr.bottom() + 1;
    LineTo(p, tick, {l + 1, t + 5}, {l + 4, b - 2});
    LineTo(p, tick, {l + 2, t + 5}, {l + 4, b - 3});
    LineTo(p, tick, {l + 2, t + 4}, {l + 5, b - 3});
    LineTo(p, tick, {l + 4, b - 3}, {rr + 2, t - 1});
    LineTo(p, tick, {l + 4, b - 2}, {rr - 2, t + 3});
}

void TFlatMenuStyle::DrawTopMenuItem(QPainter& p, const QRect& rect) const {
    const TSkinWorkingColors& wc = skin_.Working();
    const TColor c = wc.menuBar;
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right() + 1;
    const int b = rect.bottom() + 1;
    FillRect(p, rect, wc.select);
    if (wc.highColor) {
        LineTo(p, wc.selectBorder, {l, b - 1}, {l, t});
        LineTo(p, wc.selectBorder, {l, t}, {r - 8, t});
        LineTo(p, wc.selectBorder, {r - 8, t}, {r - 8, b});
        FillRect(p, QRect(QPoint(r - 7, t), QPoint(r - 1, b - 1)), NewColorDark(c, 10));
        FillRect(p, QRect(QPoint(r - 7, t + 3), QPoint(r - 3, b - 1)), NewColorDark(c, 30));
        FillRect(p, QRect(QPoint(r - 7, t + 5), QPoint(r - 4, b - 1)), NewColorDark(c, 60));
        FillRect(p, QRect(QPoint(r - 7, t + 6), QPoint(r - 6, b - 1)), NewColorDark(c, 100));
        // The shadow's rounded top corner.
        LineTo(p, c, {r - 7, t}, {r, t});
        LineTo(p, NewColorDark(c, 10), {r - 7, t + 1}, {r - 2, t + 1});
        LineTo(p, NewColorDark(c, 30), {r - 7, t + 2}, {r - 3, t + 2});
        LineTo(p, NewColorDark(c, 40), {r - 7, t + 3}, {r - 4, t + 3});
        return;
    }
    const TColor fill = NewColorDark(skin_.MenuBarColor(), 70);
    LineTo(p, wc.selectBorder, {l, b - 1}, {l, t});
    LineTo(p, wc.selectBorder, {l, t}, {r - 3, t});
    LineTo(p, wc.selectBorder, {r - 3, t}, {r - 3, b});
    FillRect(p, QRect(QPoint(r - 2, t + 2), QPoint(r - 1, b - 1)), fill);
    FillRect(p, QRect(QPoint(r - 2, t), QPoint(r - 1, t + 1)), ColorToRGB(skin_.MenuBarColor()));
}

}  // namespace vx
