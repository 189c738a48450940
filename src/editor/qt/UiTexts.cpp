#include "editor/qt/UiTexts.h"

#include <QApplication>
#include <QMainWindow>
#include <algorithm>
#include <functional>

#include "editor/qt/UiLanguage.h"
#include "editor/qt/UiTextAccess.h"

namespace vx {
namespace {

constexpr const char* kTextProperties[] = {"Caption", "Text", "Hint"};
constexpr const char* kListProperties[] = {"Lines", "Items", "Pages"};
constexpr const char* kCollections[] = {"ActionBars", "Items"};

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// A plain text with line breaks keeps them as "\n", so that its entry stays
// one line of the file.
std::string PlainValue(const QString& text) {
    QString value = text;
    value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    value.replace(QLatin1Char('\n'), QString::fromLatin1(kLineBreakMark.data(), 2));
    return Utf8(value);
}

QString PlainText(const QString& value) {
    QString text = value;
    return text.replace(QString::fromLatin1(kLineBreakMark.data(), 2), QLatin1String("\n"));
}

QStringList ListPieces(const QString& value) {
    QStringList pieces;
    for (const std::string& piece : SplitListValue(value.toStdString()))
        pieces << QString::fromStdString(piece);
    return pieces;
}

void ExportTexts(const std::string& path, const QObject* component,
                 std::vector<LanguageEntry>& out) {
    for (const char* property : kTextProperties) {
        const std::optional<QString> text = ReadText(component, property);
        if (text && !text->isEmpty()) out.push_back({path + "." + property, PlainValue(*text)});
    }
    for (const char* property : kListProperties) {
        const std::optional<QStringList> lines = ReadList(component, property);
        if (!lines || lines->join(QLatin1Char('\n')).trimmed().isEmpty()) continue;
        std::vector<std::string> utf8;
        for (const QString& line : *lines)
            utf8.push_back(Utf8(line));
        out.push_back({path + "." + property + ".Text", JoinListLines(utf8)});
    }
    for (const char* property : kCollections) {
        if (const auto items = GroupItems(component, property)) {
            for (qsizetype i = 0; i < items->size(); ++i) {
                const std::string item = path + "." + property + "[" + std::to_string(i) + "]";
                for (const char* text : kTextProperties) {
                    const std::optional<QString> value = ReadItemText(*(*items)[i], text);
                    if (value && !value->isEmpty())
                        out.push_back({item + "." + text, PlainValue(*value)});
                }
            }
            continue;
        }
        const std::optional<QList<QObject*>> items = CollectionItems(component, property);
        if (!items) continue;
        for (qsizetype i = 0; i < items->size(); ++i) {
            if (!ExportedThroughCollection((*items)[i])) continue;
            ExportTexts(path + "." + property + "[" + std::to_string(i) + "]", (*items)[i], out);
        }
    }
}

// A component's texts, then those of the components it owns (an unnamed
// component owns nothing: what lies inside it belongs to its owner).
void Walk(const std::string& path, const QObject* component, bool isOwner,
          std::vector<LanguageEntry>& out) {
    ExportTexts(path, component, out);
    if (!isOwner) return;
    const QList<QObject*> owned = OwnedComponents(component);
    for (qsizetype i = 0; i < owned.size(); ++i) {
        const QObject* child = owned[i];
        if (!WalkedAsComponent(child)) continue;
        const QString part = ComponentPart(child, static_cast<int>(i));
        Walk(path + "." + Utf8(part), child, part == child->objectName(), out);
    }
}

// The owned component a part names, or nothing.
QObject* OwnedComponent(const QObject* owner, const NamePart& part) {
    const QList<QObject*> owned = OwnedComponents(owner);
    if (part.kind == NamePart::Kind::Owned) {
        if (part.index >= owned.size()) return nullptr;
        QObject* found = owned[part.index];
        const QString wanted = QString::fromStdString(part.name);
        // The class must be the one named, so that a stale line writes nowhere.
        if (!WalkedAsComponent(found) ||
            ComponentPart(found, part.index) != wanted + "(" + QString::number(part.index) + ")")
            return nullptr;
        return found;
    }
    if (part.kind != NamePart::Kind::Name) return nullptr;
    const QString wanted = QString::fromStdString(part.name);
    for (qsizetype i = 0; i < owned.size(); ++i) {
        if (WalkedAsComponent(owned[i]) && ComponentPart(owned[i], static_cast<int>(i)) == wanted)
            return owned[i];
    }
    return nullptr;
}

// One entry on one form; true when it reached a text.
bool ApplyEntry(QWidget* form, const UiTextTable::Entry& entry) {
    const std::vector<NamePart>& parts = entry.parts;
    if (parts.empty()) return false;
    QObject* current = form;
    std::size_t k = 0;
    // The components, as far as the parts name owned ones (never the last part).
    for (; k + 1 < parts.size(); ++k) {
        QObject* next = OwnedComponent(current, parts[k]);
        if (next == nullptr) break;
        current = next;
    }
    // The properties: collection items, a string list, then the text.
    std::string list;
    for (; k < parts.size(); ++k) {
        const NamePart& part = parts[k];
        const bool last = k + 1 == parts.size();
        if (!list.empty()) {
            // Only the list's text follows a string list.
            return last && ReplaceListLines(current, list, ListPieces(entry.value));
        }
        if (part.kind == NamePart::Kind::Item) {
            // A group's item holds only texts: the next part is the last.
            if (const auto items = GroupItems(current, part.name)) {
                if (k + 2 != parts.size() || part.index >= items->size() ||
                    parts[k + 1].kind != NamePart::Kind::Name) {
                    return false;
                }
                return WriteItemText(*(*items)[part.index], parts[k + 1].name,
                                     PlainText(entry.value));
            }
            const std::optional<QList<QObject*>> items = CollectionItems(current, part.name);
            if (last || !items || part.index >= items->size()) return false;
            current = (*items)[part.index];
            continue;
        }
        if (part.kind != NamePart::Kind::Name) return false;
        if (!last) {
            if (!ReadList(current, part.name)) return false;
            list = part.name;
            continue;
        }
        return WriteText(current, part.name, PlainText(entry.value));
    }
    return false;
}

}  // namespace

UiTextTable MakeUiTextTable(const std::vector<LanguageEntry>& entries) {
    UiTextTable table;
    for (const LanguageEntry& e : entries) {
        std::vector<NamePart> parts = SplitEntryName(e.name);
        if (parts.size() < 2 || parts.front().kind != NamePart::Kind::Name) continue;
        const QString form = QString::fromStdString(parts.front().name);
        parts.erase(parts.begin());
        table.byForm[form].push_back({std::move(parts), QString::fromStdString(e.value)});
    }
    return table;
}

QList<QWidget*> ApplicationForms() {
    QList<QWidget*> roots;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->parentWidget() == nullptr) roots << w;
    }
    std::stable_sort(roots.begin(), roots.end(), [](const QWidget* a, const QWidget* b) {
        const bool aMain = qobject_cast<const QMainWindow*>(a) != nullptr;
        const bool bMain = qobject_cast<const QMainWindow*>(b) != nullptr;
        if (aMain != bMain) return aMain;
        return a->objectName() < b->objectName();
    });
    QList<QWidget*> forms;
    std::function<void(QObject*)> visit = [&](QObject* object) {
        if (IsForm(object)) forms << static_cast<QWidget*>(object);
        for (QObject* child : object->children()) {
            if (child->isWidgetType()) visit(child);
        }
    };
    for (QWidget* root : roots)
        visit(root);
    return forms;
}

std::vector<LanguageEntry> CollectUiTexts(const QList<QWidget*>& forms) {
    std::vector<LanguageEntry> entries;
    for (const QWidget* form : forms)
        Walk(Utf8(form->objectName()), form, true, entries);
    return entries;
}

std::vector<LanguageEntry> CollectUiTexts() {
    return CollectUiTexts(ApplicationForms());
}

int ApplyUiTexts(QWidget* form, const UiTextTable& table) {
    const auto found = table.byForm.find(form->objectName());
    if (found == table.byForm.end()) return 0;
    int reached = 0;
    for (const UiTextTable::Entry& entry : found->second) {
        if (ApplyEntry(form, entry)) ++reached;
    }
    return reached;
}

IoResult ExportUiTexts(const std::string& fileName) {
    return WriteLanguageFile(fileName, CollectUiTexts());
}

LanguageFileStatus ImportUiTexts(const std::string& fileName) {
    LanguageFileRead read = ReadLanguageFile(fileName);
    if (read.status != LanguageFileStatus::Ok) return read.status;
    UiTextTable table = MakeUiTextTable(read.entries);
    if (TUiLanguage* language = TUiLanguage::Active()) {
        language->Use(std::move(table));
    } else {
        for (QWidget* form : ApplicationForms())
            ApplyUiTexts(form, table);
    }
    return LanguageFileStatus::Ok;
}

}  // namespace vx
