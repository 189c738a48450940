// How the language engine reaches the texts of the tool's windows.
//
// A form is a window of one of the tool's own window classes (their class
// names begin with "T", Qt's own begin with "Q") that carries a name: the
// main window and every dialog. Message boxes, file dialogs and menus that
// pop up are not forms; menus and tool bars are components of their form.
//
// Which texts are language texts. Only what the form's designer fixed:
//   "Caption": a form's title, the text of a label, a button (push, check,
//              radio, tool), a group box's title, a menu's title, an action's
//              (menu item's) text, a tool bar's title, the caption of a
//              painted control (TCustomControl: a panel, a group of a group
//              bar, a page of a page control, whose caption is its tab's);
//   "Hint":    a widget's tool tip (a tool bar button's hint, the hint of a
//              page's tab or of a tab control);
//   "Text":    the text of a read-only line edit;
//   "Lines":   the lines of a read-only text box;
//   "Items":   the entries of a fixed choice list (a combo box the user cannot
//              type into, a list box);
//   "Pages":   the titles of the pages of a tab control or of a group bar.
// The pages of a painted page control are components of their own (their
// captions are the tabs), and the items of a group bar's group are its
// collection "Items" ("Items[i].Caption", "Items[i].Hint"). A painted tab
// control's tab list is no language text: the string lists a file reaches
// are "Lines", "Items" and "Pages" only, and its tabs are none of them.
// Never language texts, so that a change of language never replaces data:
// what the user types (writable line edits and text boxes, combo boxes he
// can type into), the item views the program fills (trees, tables, grids),
// everything inside a status bar (its panels show state), the texts Qt makes
// for itself (standard buttons, Qt's own dialogs, the parts of its compound
// widgets, whose names begin with "qt_"), and any widget marked with
// MarkProgramText (a place the program writes that starts with a first text,
// platform/qt/ProgramText.h). The files are made from freshly built forms, so a widget the
// program fills later starts empty and has no entry.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace vx {

class TWgGroupItem;

bool IsForm(const QObject* object);

// The components an owner holds, in order. Named components are the levels
// of a name; an unnamed widget (a layout box, a splitter) and Qt's own parts
// (named "qt_...") are no level: they are listed with their owner's
// components, and so are their children, in the order of the object tree.
// Forms and item views are listed but not entered.
QList<QObject*> OwnedComponents(const QObject* owner);

// A component's part of a name: its object name, or its class name (without
// namespace) and its index among its owner's components, as "QLabel(3)".
QString ComponentPart(const QObject* component, int index);

// Whether the walk visits the component: not a form of its own, not a
// separate item that a collection reaches (an unnamed menu item or tool bar),
// not a place for data (see above).
bool WalkedAsComponent(const QObject* component);

// A plain text property: "Caption", "Text" or "Hint". Nothing when the
// component has no such language text.
std::optional<QString> ReadText(const QObject* component, std::string_view property);
bool WriteText(QObject* component, std::string_view property, const QString& value);

// A string list property: "Lines", "Items" or "Pages".
std::optional<QStringList> ReadList(const QObject* component, std::string_view property);
// Replaces the list's lines 0, 1, ... by the pieces; lines beyond the pieces
// stay, pieces beyond the lines are dropped (a list never grows).
bool ReplaceListLines(QObject* component, std::string_view property, const QStringList& pieces);

// A collection property: "ActionBars" (a main window's tool bars) or "Items"
// (the items of a menu bar, a menu or a tool bar). Nothing when the component
// has no such collection.
std::optional<QList<QObject*>> CollectionItems(const QObject* component, std::string_view property);
// The items of a group bar's group as the collection "Items"; nothing for
// any other component or property. Items are no QObjects: their texts are
// read and written by ReadItemText and WriteItemText.
std::optional<QList<TWgGroupItem*>> GroupItems(const QObject* component, std::string_view property);
// An item's "Caption" or "Hint". A divider ("-") has no caption of its own,
// and an item bound to an action shows the action's texts: neither is a
// language text.
std::optional<QString> ReadItemText(const TWgGroupItem& item, std::string_view property);
bool WriteItemText(TWgGroupItem& item, std::string_view property, const QString& value);
// Whether an item of a collection is exported through the collection: the
// items that have no name of their own (named ones are components).
bool ExportedThroughCollection(const QObject* item);

}  // namespace vx
