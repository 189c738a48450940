// The language engine: the texts of all forms written to a language file,
// and a language file applied to the forms.
//
// A name's first part is the form's name; then the components by name (or by
// class and index), then the property (UiTextAccess.h says which texts are
// language texts). Applying a file walks each name as far as it leads: a
// line that names a form, a component or a property that does not exist is
// skipped from that point on.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "editor/LanguageFile.h"

namespace vx {

// A language file's entries, parsed and grouped by form.
struct UiTextTable {
    struct Entry {
        std::vector<NamePart> parts;  // after the form's name
        QString value;
    };
    std::map<QString, std::vector<Entry>> byForm;
};

UiTextTable MakeUiTextTable(const std::vector<LanguageEntry>& entries);

// The live forms: the main window first, then every window in the order of
// the object tree (a window built later by another comes after it).
QList<QWidget*> ApplicationForms();

// The texts of the forms, in order, as entries of a language file.
std::vector<LanguageEntry> CollectUiTexts(const QList<QWidget*>& forms);
std::vector<LanguageEntry> CollectUiTexts();

// Applies the table's entries for this form; returns how many reached a text.
int ApplyUiTexts(QWidget* form, const UiTextTable& table);

// Writes the texts of all forms to the file (GBK, atomically); an empty list
// writes no file.
IoResult ExportUiTexts(const std::string& fileName);

// Applies the file to all forms, and, when a language is in force
// (TUiLanguage), to every form built later. A missing or unreadable file
// changes nothing.
LanguageFileStatus ImportUiTexts(const std::string& fileName);

}  // namespace vx
