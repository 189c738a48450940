#include "editor/qt/UiTextAccess.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QWidgetAction>

#include "platform/qt/CustomControl.h"
#include "platform/qt/ProgramText.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "widgets/WgGroupItem.h"
#include "widgets/WgGroupItems.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgTabSheet.h"
#include "widgets/qt/WgTabs.h"

namespace vx {
namespace {

bool Is(std::string_view property, const char* name) {
    return property == name;
}

// A name of ours: not empty and not one of Qt's internal parts.
bool HasOwnName(const QObject* object) {
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

bool IsQtPart(const QObject* object) {
    return object->objectName().startsWith(QLatin1String("qt_"));
}

// Item views other than a plain list box, and status bars: the program's
// data. Qt's own dialogs (colour, file, font, print) speak Qt's language.
bool IsDataView(const QObject* object) {
    if (qobject_cast<const QStatusBar*>(object) != nullptr) return true;
    if (qobject_cast<const QDialog*>(object) != nullptr && !IsForm(object)) return true;
    return qobject_cast<const QAbstractItemView*>(object) != nullptr &&
           qobject_cast<const QListWidget*>(object) == nullptr;
}

// Whether the object's text is the program's or Qt's, never a language text.
bool IsDataPlace(const QObject* object) {
    if (IsQtPart(object) || object->property(kProgramTextProperty).toBool()) return true;
    for (const QObject* up = object->parent(); up != nullptr && !IsForm(up); up = up->parent()) {
        if (IsDataView(up) || up->property(kProgramTextProperty).toBool()) return true;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(object)) {
        // Standard buttons take Qt's own (translated) texts; a tool button
        // that shows an action mirrors the action.
        if (const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
            box != nullptr && box->standardButton(const_cast<QAbstractButton*>(button)) !=
                                  QDialogButtonBox::NoButton) {
            return true;
        }
        if (const auto* tool = qobject_cast<const QToolButton*>(button);
            tool != nullptr && tool->defaultAction() != nullptr) {
            return true;
        }
    }
    return false;
}

// An action that is a menu item of its own: not a separator, not the title
// of a sub-menu (the menu is the component), not a widget on a tool bar.
bool IsItemAction(const QAction* action) {
    return !action->isSeparator() && action->menu() == nullptr &&
           qobject_cast<const QWidgetAction*>(action) == nullptr;
}

bool IsWritable(const QObject* object) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(object)) return !edit->isReadOnly();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(object)) return !edit->isReadOnly();
    if (const auto* edit = qobject_cast<const QTextEdit*>(object)) return !edit->isReadOnly();
    return false;
}

QStringList TextLines(const QString& text) {
    if (text.isEmpty()) return {};
    return text.split(QLatin1Char('\n'));
}

// A tool bar floating in its own window still belongs to the dock panel it
// was last docked in: its texts keep their place under that panel.
const TFxDockPanel* FloatingFrom(const QObject* object) {
    const auto* bar = qobject_cast<const TFxCustomToolBar*>(object);
    if (bar == nullptr || bar->FloatingWindow() == nullptr) return nullptr;
    return bar->LastDockPanel();
}

void Flatten(const QObject* owner, QList<QObject*>& out) {
    if (qobject_cast<const TFxDockPanel*>(owner) != nullptr) {
        const QWidget* form = static_cast<const QWidget*>(owner)->window();
        for (TFxCustomToolBar* bar : form->findChildren<TFxCustomToolBar*>())
            if (FloatingFrom(bar) == owner) out.push_back(bar);
    }
    for (QObject* child : owner->children()) {
        if (FloatingFrom(child) != nullptr) continue;
        out.push_back(child);
        if (HasOwnName(child) || IsForm(child) || IsDataView(child)) continue;
        if (qobject_cast<const QListWidget*>(child) != nullptr) continue;
        Flatten(child, out);
    }
}

}  // namespace

bool IsForm(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() || !HasOwnName(widget)) return false;
    const Qt::WindowType type = widget->windowType();
    if (type != Qt::Window && type != Qt::Dialog) return false;
    QString className = QString::fromLatin1(widget->metaObject()->className());
    className = className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
    return className.startsWith(QLatin1Char('T'));
}

QList<QObject*> OwnedComponents(const QObject* owner) {
    QList<QObject*> components;
    Flatten(owner, components);
    return components;
}

QString ComponentPart(const QObject* component, int index) {
    if (HasOwnName(component)) return component->objectName();
    QString className = QString::fromLatin1(component->metaObject()->className());
    className = className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
    return className + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

bool WalkedAsComponent(const QObject* component) {
    if (IsForm(component) || IsDataView(component)) return false;
    if (!HasOwnName(component)) {
        if (qobject_cast<const QAction*>(component) != nullptr) return false;
        if (qobject_cast<const QToolBar*>(component) != nullptr &&
            qobject_cast<const QMainWindow*>(component->parent()) != nullptr) {
            return false;
        }
    }
    return true;
}

std::optional<QString> ReadText(const QObject* component, std::string_view property) {
    if (IsDataPlace(component)) return std::nullopt;
    if (Is(property, "Caption")) {
        if (IsForm(component) || qobject_cast<const QToolBar*>(component) != nullptr ||
            qobject_cast<const QDockWidget*>(component) != nullptr) {
            return static_cast<const QWidget*>(component)->windowTitle();
        }
        if (const auto* menu = qobject_cast<const QMenu*>(component)) return menu->title();
        if (const auto* label = qobject_cast<const QLabel*>(component)) return label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(component))
            return button->text();
        if (const auto* box = qobject_cast<const QGroupBox*>(component)) return box->title();
        if (const auto* control = qobject_cast<const TCustomControl*>(component))
            return control->Caption();
        if (const auto* action = qobject_cast<const QAction*>(component);
            action != nullptr && IsItemAction(action)) {
            return action->text();
        }
        return std::nullopt;
    }
    if (Is(property, "Hint")) {
        if (const auto* button = qobject_cast<const TFxToolBarButton*>(component))
            return button->Hint();
        // A page's hint is its tab's; a tab control shows its own hint while
        // no tab is under the pointer (its tool tip changes with the tab).
        if (const auto* page = qobject_cast<const TWgTabSheet*>(component)) return page->Hint();
        if (const auto* tabs = qobject_cast<const TWgCustomTabControl*>(component))
            return tabs->Hint();
        if (const auto* widget = qobject_cast<const QWidget*>(component)) return widget->toolTip();
        return std::nullopt;
    }
    if (Is(property, "Text")) {
        if (const auto* edit = qobject_cast<const QLineEdit*>(component);
            edit != nullptr && edit->isReadOnly()) {
            return edit->text();
        }
    }
    return std::nullopt;
}

bool WriteText(QObject* component, std::string_view property, const QString& value) {
    if (!ReadText(component, property)) return false;
    if (Is(property, "Caption")) {
        if (auto* menu = qobject_cast<QMenu*>(component)) {
            menu->setTitle(value);
        } else if (auto* label = qobject_cast<QLabel*>(component)) {
            label->setText(value);
        } else if (auto* button = qobject_cast<QAbstractButton*>(component)) {
            button->setText(value);
        } else if (auto* box = qobject_cast<QGroupBox*>(component)) {
            box->setTitle(value);
        } else if (auto* control = qobject_cast<TCustomControl*>(component)) {
            control->SetCaption(value);
        } else if (auto* action = qobject_cast<QAction*>(component)) {
            action->setText(value);
        } else {
            static_cast<QWidget*>(component)->setWindowTitle(value);  // form, tool bar
        }
        return true;
    }
    if (Is(property, "Hint")) {
        if (auto* button = qobject_cast<TFxToolBarButton*>(component)) {
            button->SetHint(value);
        } else if (auto* page = qobject_cast<TWgTabSheet*>(component)) {
            page->SetHint(value);
        } else if (auto* tabs = qobject_cast<TWgCustomTabControl*>(component)) {
            tabs->SetHint(value);
        } else {
            static_cast<QWidget*>(component)->setToolTip(value);
        }
        return true;
    }
    static_cast<QLineEdit*>(component)->setText(value);  // "Text"
    return true;
}

std::optional<QStringList> ReadList(const QObject* component, std::string_view property) {
    if (IsDataPlace(component)) return std::nullopt;
    if (Is(property, "Lines")) {
        if (IsWritable(component) || qobject_cast<const QTextBrowser*>(component) != nullptr)
            return std::nullopt;
        if (const auto* edit = qobject_cast<const QPlainTextEdit*>(component))
            return TextLines(edit->toPlainText());
        if (const auto* edit = qobject_cast<const QTextEdit*>(component))
            return TextLines(edit->toPlainText());
        return std::nullopt;
    }
    QStringList lines;
    if (Is(property, "Items")) {
        if (const auto* combo = qobject_cast<const QComboBox*>(component)) {
            if (combo->isEditable()) return std::nullopt;
            for (int i = 0; i < combo->count(); ++i)
                lines << combo->itemText(i);
            return lines;
        }
        if (const auto* list = qobject_cast<const QListWidget*>(component)) {
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
            return lines;
        }
        return std::nullopt;
    }
    if (Is(property, "Pages")) {
        if (const auto* tabs = qobject_cast<const QTabWidget*>(component)) {
            for (int i = 0; i < tabs->count(); ++i)
                lines << tabs->tabText(i);
            return lines;
        }
        if (const auto* box = qobject_cast<const QToolBox*>(component)) {
            for (int i = 0; i < box->count(); ++i)
                lines << box->itemText(i);
            return lines;
        }
    }
    return std::nullopt;
}

bool ReplaceListLines(QObject* component, std::string_view property, const QStringList& pieces) {
    const std::optional<QStringList> current = ReadList(component, property);
    if (!current) return false;
    const int n = static_cast<int>(std::min(current->size(), pieces.size()));
    if (Is(property, "Lines")) {
        QStringList lines = *current;
        for (int i = 0; i < n; ++i)
            lines[i] = pieces[i];
        if (auto* edit = qobject_cast<QPlainTextEdit*>(component)) {
            edit->setPlainText(lines.join(QLatin1Char('\n')));
        } else {
            static_cast<QTextEdit*>(component)->setPlainText(lines.join(QLatin1Char('\n')));
        }
        return true;
    }
    for (int i = 0; i < n; ++i) {
        if (auto* combo = qobject_cast<QComboBox*>(component)) {
            combo->setItemText(i, pieces[i]);
        } else if (auto* list = qobject_cast<QListWidget*>(component)) {
            list->item(i)->setText(pieces[i]);
        } else if (auto* tabs = qobject_cast<QTabWidget*>(component)) {
            tabs->setTabText(i, pieces[i]);
        } else if (auto* box = qobject_cast<QToolBox*>(component)) {
            box->setItemText(i, pieces[i]);
        }
    }
    return true;
}

std::optional<QList<QObject*>> CollectionItems(const QObject* component,
                                               std::string_view property) {
    QList<QObject*> items;
    if (Is(property, "ActionBars")) {
        const auto* window = qobject_cast<const QMainWindow*>(component);
        if (window == nullptr) return std::nullopt;
        for (QToolBar* bar : window->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
            items << bar;
        return items;
    }
    if (Is(property, "Items")) {
        const auto* widget = qobject_cast<const QWidget*>(component);
        if (qobject_cast<const QMenuBar*>(component) == nullptr &&
            qobject_cast<const QMenu*>(component) == nullptr &&
            qobject_cast<const QToolBar*>(component) == nullptr) {
            return std::nullopt;
        }
        for (QAction* action : widget->actions())
            items << action;
        return items;
    }
    return std::nullopt;
}

std::optional<QList<TWgGroupItem*>> GroupItems(const QObject* component,
                                               std::string_view property) {
    const auto* group = qobject_cast<const TWgGroup*>(component);
    if (group == nullptr || !Is(property, "Items") || IsDataPlace(component)) return std::nullopt;
    QList<TWgGroupItem*> items;
    const TWgGroupItems& list = group->Items();
    for (int i = 0; i < list.Count(); ++i)
        items << &list.Items(i);
    return items;
}

std::optional<QString> ReadItemText(const TWgGroupItem& item, std::string_view property) {
    if (item.Action() != nullptr) return std::nullopt;
    if (Is(property, "Caption")) {
        if (item.IsDivider()) return std::nullopt;
        return QString::fromStdString(item.Caption());
    }
    if (Is(property, "Hint")) return QString::fromStdString(item.Hint());
    return std::nullopt;
}

bool WriteItemText(TWgGroupItem& item, std::string_view property, const QString& value) {
    if (!ReadItemText(item, property)) return false;
    if (Is(property, "Caption")) {
        // A value of "-" would turn the item into a divider.
        if (value == QLatin1String("-")) return false;
        item.SetCaption(value.toStdString());
    } else {
        item.SetHint(value.toStdString());
    }
    return true;
}

bool ExportedThroughCollection(const QObject* item) {
    return !HasOwnName(item);
}

}  // namespace vx
