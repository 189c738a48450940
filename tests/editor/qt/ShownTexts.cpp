#include "ShownTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTextEdit>

#include "platform/qt/CustomControl.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "widgets/WgGroupItem.h"
#include "widgets/WgGroupItems.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgTabSheet.h"
#include "widgets/qt/WgTabs.h"

namespace vx::test {
namespace {

QString Part(const QObject* object) {
    if (!object->objectName().isEmpty()) return object->objectName();
    QString name = QString::fromLatin1(object->metaObject()->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

class Collector {
  public:
    explicit Collector(std::vector<ShownText>& out) : out_(out) {}

    void Walk(const QObject* object, const QString& path) {
        Texts(object, path);
        // A combo box's pop-up list shows the box's own items.
        if (qobject_cast<const QComboBox*>(object) != nullptr) return;
        for (const QObject* child : object->children())
            Walk(child, path + QLatin1Char('/') + Part(child));
    }

  private:
    void Add(const QString& path, const char* what, const QString& text) {
        if (!text.trimmed().isEmpty()) out_.push_back({path + QLatin1Char(':') + what, text});
    }
    void Add(const QString& path, const char* what, int i, const QString& text) {
        if (!text.trimmed().isEmpty())
            out_.push_back({path + QLatin1Char(':') + what + QLatin1Char('[') + QString::number(i) +
                                QLatin1Char(']'),
                            text});
    }

    void Model(const QAbstractItemModel* model, const QModelIndex& parent, const QString& path) {
        if (model == nullptr) return;
        const int rows = model->rowCount(parent);
        const int columns = model->columnCount(parent);
        if (!parent.isValid()) {
            for (int c = 0; c < columns; ++c) {
                Add(path, "header", c, model->headerData(c, Qt::Horizontal).toString());
                Add(path, "header hint", c,
                    model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString());
            }
            for (int r = 0; r < std::min(rows, 300); ++r)
                Add(path, "row header", r, model->headerData(r, Qt::Vertical).toString());
        }
        // The first rows of a long grid stand for the rest.
        for (int r = 0; r < std::min(rows, 300); ++r) {
            for (int c = 0; c < columns; ++c) {
                const QModelIndex index = model->index(r, c, parent);
                const QString at = QStringLiteral("[%1,%2]").arg(r).arg(c);
                for (const auto& [role, what] : {std::pair{Qt::DisplayRole, ":item"},
                                                 std::pair{Qt::ToolTipRole, ":item hint"}}) {
                    const QString text = index.data(role).toString();
                    if (!text.trimmed().isEmpty()) out_.push_back({path + what + at, text});
                }
                if (model->hasChildren(index)) Model(model, index, path);
            }
        }
    }

    void Texts(const QObject* object, const QString& path) {
        if (const auto* action = qobject_cast<const QAction*>(object)) {
            if (action->isSeparator()) return;
            Add(path, "text", action->text());
            if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
                Add(path, "hint", action->toolTip());
            Add(path, "status tip", action->statusTip());
            return;
        }
        const auto* widget = qobject_cast<const QWidget*>(object);
        if (widget == nullptr) return;
        if (widget->isWindow()) Add(path, "title", widget->windowTitle());
        Add(path, "hint", widget->toolTip());
        Add(path, "status tip", widget->statusTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            Add(path, "text", label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            Add(path, "text", button->text());
        if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            Add(path, "title", box->title());
        if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            Add(path, "title", menu->title());
            const QList<QAction*> actions = menu->actions();
            for (int i = 0; i < actions.size(); ++i) {
                // Items of the menu that live elsewhere are walked there.
                if (actions[i]->parent() == menu || actions[i]->isSeparator()) continue;
                Add(path, "item", i, actions[i]->text());
            }
        }
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                Add(path, "tab", i, tabs->tabText(i));
                Add(path, "tab hint", i, tabs->tabToolTip(i));
            }
        }
        if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                Add(path, "item", i, combo->itemText(i));
        }
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            Add(path, "text", edit->text());
            Add(path, "placeholder", edit->placeholderText());
        }
        if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget))
            Add(path, "special value", spin->specialValueText());
        if (const auto* spin = qobject_cast<const QSpinBox*>(widget)) {
            Add(path, "prefix", spin->prefix());
            Add(path, "suffix", spin->suffix());
        }
        if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) {
            Add(path, "text", edit->toPlainText());
            Add(path, "placeholder", edit->placeholderText());
        }
        if (const auto* edit = qobject_cast<const QTextEdit*>(widget)) {
            Add(path, "text", edit->toPlainText());
            Add(path, "placeholder", edit->placeholderText());
        }
        if (const auto* bar = qobject_cast<const QProgressBar*>(widget);
            bar && bar->isTextVisible())
            Add(path, "text", bar->text());
        if (const auto* view = qobject_cast<const QAbstractItemView*>(widget);
            view != nullptr && qobject_cast<const QHeaderView*>(widget) == nullptr) {
            Model(view->model(), {}, path);
        }
        if (const auto* control = qobject_cast<const TCustomControl*>(widget))
            Add(path, "caption", control->Caption());
        if (const auto* page = qobject_cast<const TWgTabSheet*>(widget))
            Add(path, "hint", page->Hint());
        if (const auto* tabs = qobject_cast<const TWgCustomTabControl*>(widget)) {
            Add(path, "hint", tabs->Hint());
            for (int i = 0; i < tabs->Tabs().Count(); ++i) {
                Add(path, "tab", i, Q(tabs->Tabs().Items(i).Caption));
                Add(path, "tab hint", i, Q(tabs->Tabs().Items(i).Hint));
            }
        }
        if (const auto* group = qobject_cast<const TWgGroup*>(widget)) {
            for (int i = 0; i < group->Items().Count(); ++i) {
                const TWgGroupItem& item = group->Items().Items(i);
                if (item.IsDivider()) continue;
                Add(path, "item", i, Q(item.Caption()));
                Add(path, "item hint", i, Q(item.Hint()));
            }
        }
        if (const auto* button = qobject_cast<const TFxToolBarButton*>(widget))
            Add(path, "hint", button->Hint());
    }

    std::vector<ShownText>& out_;
};

}  // namespace

std::vector<ShownText> ShownTexts(const QWidget* window) {
    std::vector<ShownText> out;
    Collector(out).Walk(window, Part(window));
    return out;
}

bool HasChinese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
            (u >= 0xFF00 && u <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

bool IsEnglishPhrase(const QString& text) {
    if (HasChinese(text)) return false;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]*[a-z][A-Za-z]*[a-z][A-Za-z]*"));
    int words = 0;
    for (auto it = word.globalMatch(text); it.hasNext(); ++words)
        it.next();
    return words >= 2;
}

}  // namespace vx::test
