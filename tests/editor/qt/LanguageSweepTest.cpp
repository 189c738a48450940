// One language at a time: with every form of the tool built and the main
// window started, no window shows a Chinese text in English, and none shows
// an English phrase of the tool's own in Chinese.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <filesystem>
#include <functional>
#include <memory>

#include "FormCatalogue.h"
#include "ShownTexts.h"
#include "build/qt/ProgressFrm.h"
#include "editor/LanguageFile.h"
#include "editor/ProgramBlocks.h"
#include "editor/ProjectFile.h"
#include "editor/Settings.h"
#include "editor/qt/CodeConv.h"
#include "editor/qt/Main.h"
#include "editor/qt/OrganCheck.h"
#include "editor/qt/OrganUse.h"
#include "editor/qt/UiTextAccess.h"
#include "editor/qt/UiTexts.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "model/qt/EntryHost.h"
#include "platform/FileIo.h"
#include "platform/SystemFolders.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::ShownText;

// Every form built, the main window started in the language and a new
// project open.
std::unique_ptr<TMainFrm> StartAllForms(bool chinese) {
    test::ResetEditorRunState();
    Settings settings;
    settings.chinese = chinese;
    EXPECT_TRUE(SaveSettings(SettingsFilePath(), settings, "Torvin0"));
    std::unique_ptr<TMainFrm> frm = BuildAllForms();
    frm->Dialogs().startPage = [] {};
    // The new project takes the default parameters; later the dialog is the real one.
    const auto parameters = frm->Dialogs().systemParameters;
    frm->Dialogs().systemParameters = [](LadderProgram&) { return true; };
    EXPECT_TRUE(test::ShowAndStart(*frm));
    frm->FileNewItemClick();
    frm->Dialogs().systemParameters = parameters;
    QCoreApplication::processEvents();  // Qt's own texts follow the language change
    return frm;
}

// Texts a window shows that are no words of the tool's in a language: the
// project's data. A path matches by regular expression.
struct Exempt {
    const char* path;
    const char* why;
};

const Exempt kProjectData[] = {
    {R"(/PageControl3/.*/StringGrid\d+:item\[\d+,2\]$)",
     "device comments, the system devices' default comments among them, are the project's"},
};

// In Chinese, English that has no Chinese form: the texts the tool gives
// only in English.
const Exempt kEnglishOnly[] = {
    {R"(/StatusBar1/(QWidget/)?QLabel:text$)", "the cursor panel: \" row n , Col n\""},
    {R"(/ForHelp/Memo1:text$)", "the resource page's address tables"},
    {R"(/SystemSetFrm/.*(ComboBox4:item|LabelCOM3Model:(text|hint)|QGroupBox/QLabel:text))",
     "the COM modes \"Modbus Master\" and \"Modbus Slave\" and the COM3 hint"},
    {R"(/ProRange:item\[\d+\]$)", "the scope list \"Main -> Sub<n>\""},
};

// Texts a window writes in the interface language when it opens (the online
// windows and the instruction catalogue; their own tests open them in both
// languages): until then they hold what they were built with.
const Exempt kWrittenOnOpening[] = {
    {R"(^MainFrm/MonitorFrm/.*/FixedCell:text$)", "the monitor grids' corner"},
    {R"(^MainFrm/PLCInfoFrm/Label[1-3]:text$)", "the information window's labels"},
    {R"(^MainFrm/PG_TestFrm/GroupBox\d/Label\d:text$)", "the pulse test's outputs"},
    {R"(/OUTF/Explain:item\[\d+\]$)", "the instruction catalogue's descriptions"},
};

template <std::size_t N>
bool Exempted(const QString& path, const Exempt (&list)[N]) {
    for (const Exempt& e : list) {
        if (QRegularExpression(QString::fromUtf8(e.path)).match(path).hasMatch()) return true;
    }
    return false;
}

// The texts of every window, with the windows that write their texts when
// they open (the converter, the duplicate-output check, the usage window)
// opened as the user opens them.
std::vector<ShownText> AllShownTexts(TMainFrm& frm) {
    for (const char* item : {"N26", "N43", "N23"})
        frm.Item(item)->trigger();
    // The check and the usage scan write their texts from timers started
    // as they open: wait for both to have run.
    auto* check = frm.findChild<TOrganCheckFrm*>();
    auto* usage = frm.findChild<TOrganUseFrm*>();
    EXPECT_TRUE(check != nullptr && usage != nullptr);
    if (check != nullptr && usage != nullptr) {
        QSignalSpy refreshed(usage, &TOrganUseFrm::Refreshed);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !check->Timer1().isActive() && !refreshed.isEmpty(); },
                            test::kStateWaitMs));
    }
    std::vector<ShownText> texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() != nullptr) continue;
        std::vector<ShownText> some = test::ShownTexts(window);
        texts.insert(texts.end(), some.begin(), some.end());
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &frm && window->isVisible()) window->close();
    }
    return texts;
}

std::string Report(const std::vector<ShownText>& texts) {
    std::string out;
    for (const ShownText& t : texts)
        out += "  " + t.path.toStdString() + " = \"" + t.text.toStdString() + "\"\n";
    return out;
}

TEST(LanguageSweep, InEnglishNoWindowShowsChinese) {
    test::MessageRecorder messages;
    auto frm = StartAllForms(false);
    std::vector<ShownText> chinese;
    for (const ShownText& t : AllShownTexts(*frm)) {
        if (test::HasChinese(t.text) && !Exempted(t.path, kProjectData) &&
            !Exempted(t.path, kWrittenOnOpening)) {
            chinese.push_back(t);
        }
    }
    EXPECT_TRUE(chinese.empty()) << chinese.size() << " texts in Chinese:\n" << Report(chinese);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST(LanguageSweep, InChineseNoWindowShowsAnEnglishPhraseOfItsOwn) {
    test::MessageRecorder messages;
    auto frm = StartAllForms(true);
    std::vector<ShownText> english;
    for (const ShownText& t : AllShownTexts(*frm)) {
        if (test::IsEnglishPhrase(t.text) && !Exempted(t.path, kProjectData) &&
            !Exempted(t.path, kEnglishOnly)) {
            english.push_back(t);
        }
    }
    EXPECT_TRUE(english.empty()) << english.size() << " texts in English:\n" << Report(english);
}

// Runs `open` and returns what the modal window or pop-up menu it shows
// says (its title, and a file dialog's filters or a menu's items), closing it.
QStringList WhatOpens(TMainFrm& frm, const std::function<void()>& open) {
    QStringList said;
    auto* poll = new QTimer(&frm);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, &frm, [&said, poll] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                said << action->text();
            menu->close();
        } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                   dialog != nullptr && dialog->isVisible()) {
            said << dialog->windowTitle();
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) said << files->nameFilters();
            dialog->reject();
        } else {
            return;
        }
        poll->stop();
        poll->deleteLater();
    });
    poll->start();
    open();
    return said;
}

// The texts the main window writes when a command runs: the file dialogs,
// the package dialog, the go-to-row and rename captions, the project tree's
// pop-up menus.
TEST(LanguageSweep, WhatTheCommandsOpenIsInTheLanguage) {
    for (const bool chinese : {false, true}) {
        SCOPED_TRACE(chinese ? "Chinese" : "English");
        test::MessageRecorder messages;
        auto frm = StartAllForms(chinese);
        TMainFrm::Windows& w = frm->Dialogs();
        const QTreeWidget* tree = frm->TreeView1();
        const auto popup = [&frm, tree](int node) {
            frm->ShowTreeNode(node);
            emit frm->TreeView1()->customContextMenuRequested(
                tree->visualItemRect(tree->currentItem()).center());
        };
        const std::vector<std::pair<const char*, std::function<void()>>> commands = {
            {"open", [&w] { w.openFile("/", ""); }},
            {"save as", [&w] { w.saveFile("a.PSP"); }},
            {"package", [&w] { w.packageFolder("a"); }},
            {"go to row", [&frm] { frm->Item("MenuItem3")->trigger(); }},
            {"rename",
             [&frm] {
                 frm->ShowTreeNode(NodeOfBlock(3));
                 frm->Item("MenuItem2")->trigger();
             }},
            {"main's menu", [&popup] { popup(kMainNode); }},
            {"subroutine's menu", [&popup] { popup(NodeOfBlock(3)); }},
        };
        for (const auto& [name, open] : commands) {
            const QStringList said = WhatOpens(*frm, open);
            EXPECT_FALSE(said.isEmpty()) << name;
            for (const QString& text : said) {
                if (chinese) {
                    // "All Files" is the save dialogs' filter in both languages.
                    EXPECT_TRUE(!test::IsEnglishPhrase(text) || text.startsWith("All Files"))
                        << name << ": " << text.toStdString();
                } else {
                    EXPECT_FALSE(test::HasChinese(text)) << name << ": " << text.toStdString();
                }
            }
        }
    }
}

// English captions show whole: the quick-entry hint wraps no line and the
// project tree cuts no node name.
TEST(LanguageSweep, EnglishTextsShowWhole) {
    test::MessageRecorder messages;
    auto frm = StartAllForms(false);
    auto* hint = frm->findChild<QPlainTextEdit*>(QStringLiteral("LDhelp"));
    ASSERT_NE(hint, nullptr);
    QStringList cut;
    bool seen = false;
    const ModalRunner previous = SetModalRunner([&cut, &seen, hint](QDialog& box) {
        box.show();
        seen = hint->isVisible();
        const QFontMetrics metrics(hint->font());
        for (const QString& line : hint->toPlainText().split('\n')) {
            if (metrics.horizontalAdvance(line) > hint->viewport()->width()) cut << line;
        }
        box.reject();
    });
    frm->Item("N16")->setChecked(true);             // the hint is wanted
    QTest::keyClick(frm->LadderEdit(), Qt::Key_L);  // the quick entry box and its hint
    SetModalRunner(previous);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(cut.isEmpty()) << cut.join(" | ").toStdString();

    QTreeWidget* tree = frm->TreeView1();
    tree->parentWidget()->resize(60, 300);  // a narrow pane
    frm->ProManageRefresh();
    const QFontMetrics treeMetrics(tree->font());
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QRect shown = tree->visualItemRect(*it);
        const int needed = treeMetrics.horizontalAdvance((*it)->text(0));
        EXPECT_GE(tree->columnWidth(0) - shown.left(), needed) << (*it)->text(0).toStdString();
    }
    EXPECT_EQ(tree->textElideMode(), Qt::ElideNone);
}

// The status panels' texts but the clock's, joined by "|".
std::string StatusTexts(const TMainFrm& frm) {
    QStringList texts;
    for (int i = 0; i < 7; ++i) {
        if (i != TMainFrm::kClockPanel) texts << frm.StatusPanel(i)->text();
    }
    return texts.join("|").toStdString();
}

// A switch of language while the tool runs: then every window shows the
// new language, the status panels and the recent-file item included, and
// texts written before the switch too (a tool button's hint, a link that
// failed, the block shown); switching back shows the panels as before.
TEST(LanguageSweep, ASwitchWhileTheToolRunsLeavesNoTextInTheOtherLanguage) {
    test::MessageRecorder messages;
    test::ScopedEnv port("VXTORVIN_COM1", "/nonexistent/ttyPLC");
    auto frm = StartAllForms(true);
    emit frm->Button("NewToolButton")->MouseEntered();
    frm->Item("NStakeoutON")->trigger();  // no controller on the port
    frm->ShowTreeNode(NodeOfBlock(3));
    const std::string model = frm->StatusPanel(3)->text().toStdString();
    const std::string chinese = StatusTexts(*frm);
    ASSERT_EQ(chinese, " 新建| 就绪| COM1 通信失败 ！|" + model + "| row 1 , Col 1| 子程序.3");

    frm->Item("English1")->trigger();
    EXPECT_EQ(StatusTexts(*frm),
              " New| Ready| COM1 Communication failed!|" + model + "| row 1 , Col 1| Sub.3");
    std::vector<ShownText> left;
    for (const ShownText& t : AllShownTexts(*frm)) {
        if (test::HasChinese(t.text) && !Exempted(t.path, kProjectData) &&
            !Exempted(t.path, kWrittenOnOpening)) {
            left.push_back(t);
        }
    }
    EXPECT_TRUE(left.empty()) << left.size() << " texts in Chinese:\n" << Report(left);

    frm->Item("Chinese1")->trigger();
    EXPECT_EQ(StatusTexts(*frm), chinese);
    EXPECT_EQ(frm->Item("LastFileOpenItem")->text(), QString("最近文件"));
    EXPECT_TRUE(messages.Messages().empty());
}

// A switch while the number converter and the usage window stay open: the
// texts they write themselves (the set/clear button, the binary field's
// hint, the usage cells, counts and report) follow it at once.
TEST(LanguageSweep, ASwitchReachesTheWindowsLeftOpen) {
    for (const bool chinese : {true, false}) {  // the language before the switch
        SCOPED_TRACE(chinese ? "Chinese to English" : "English to Chinese");
        test::MessageRecorder messages;
        auto frm = StartAllForms(chinese);
        TheProgram().cells.Kind(1, 0) = CellKind::kOpenContact;
        TheProgram().cells.First(1, 0) = "X0";
        auto* conv = frm->findChild<TCodeConvFrm*>();
        auto* usage = frm->findChild<TOrganUseFrm*>();
        ASSERT_TRUE(conv != nullptr && usage != nullptr);
        frm->Item("N26")->trigger();
        conv->Edit1()->setText("255");
        QTest::keyClick(conv->Edit1(), Qt::Key_Return);
        QSignalSpy refreshed(usage, &TOrganUseFrm::Refreshed);
        frm->Item("N23")->trigger();
        VX_WAIT_TRUE(!refreshed.isEmpty(), test::kStateWaitMs);
        const int scans = static_cast<int>(refreshed.size());

        frm->Item(chinese ? "English1" : "Chinese1")->trigger();
        std::vector<ShownText> left;
        for (const QWidget* window : {static_cast<QWidget*>(conv), static_cast<QWidget*>(usage)}) {
            EXPECT_TRUE(window->isVisible()) << window->objectName().toStdString();
            for (const ShownText& t : test::ShownTexts(window)) {
                const bool other =
                    chinese ? test::HasChinese(t.text)
                            : test::IsEnglishPhrase(t.text) && !Exempted(t.path, kEnglishOnly);
                if (other && !Exempted(t.path, kProjectData)) left.push_back(t);
            }
        }
        EXPECT_TRUE(left.empty()) << left.size() << " texts of the other language:\n"
                                  << Report(left);
        EXPECT_EQ(conv->BitBtn1()->text(), QString(chinese ? "Clear(R)" : "清零(R)"));
        EXPECT_EQ(usage->UsageGrid(0)->model()->index(0, 1).data().toString(),
                  QString(chinese ? "Used" : "已使用"));
        EXPECT_EQ(refreshed.size(), scans) << "the words change, not the scan";
        conv->close();
        usage->close();
        TheProgram().Clear();
    }
}

// Room for a title in the title bar as the desktop draws it: the window's
// width less the icon and the buttons (close, and minimise and maximise
// when the window has either), the title in the desktop's bold face.
constexpr int kTitleIconRoom = 32;
constexpr int kTitleButtonWidth = 46;
// The least room between a label's text and a field beside it.
constexpr int kLabelGap = 3;

bool IsField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w);
}

const QWidget* FormOf(const QWidget* widget) {
    while (widget != nullptr && !IsForm(widget))
        widget = widget->parentWidget();
    return widget;
}

// What the form cuts short: its title in the title bar, a label's text at
// the label's edge or at the field beside it.
QStringList CutTexts(const QWidget* form) {
    QStringList cut;
    const auto say = [&cut, form](const QWidget* w, const QString& text, const QString& why) {
        cut << form->objectName() + "/" + w->objectName() + " \"" + text + "\": " + why;
    };
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int buttons =
        form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint) ? 3 : 1;
    const int room = form->width() - kTitleIconRoom - buttons * kTitleButtonWidth;
    const int title = QFontMetrics(titleFont).horizontalAdvance(form->windowTitle());
    if (title > 0 && title > room && !(form->windowFlags() & Qt::FramelessWindowHint))
        say(form, form->windowTitle(), QString("title %1 > %2").arg(title).arg(room));

    for (const QLabel* label : form->findChildren<QLabel*>()) {
        // Qt's own dialogs inside a form lay out their own texts.
        if (FormOf(label) != form || label->window() != form || label->isHidden() ||
            label->wordWrap() || label->text().contains('\n') ||
            qobject_cast<QAbstractScrollArea*>(label->parent()))
            continue;
        const QString text = label->text().remove('&');
        if (text.trimmed().isEmpty()) continue;
        const QRect inside = label->contentsRect();
        const int width = label->fontMetrics().horizontalAdvance(text);
        if (width > inside.width())
            say(label, text, QString("%1 > %2").arg(width).arg(inside.width()));
        int left = label->x() + inside.left();
        if (label->alignment() & Qt::AlignRight) left += inside.width() - width;
        if (label->alignment() & Qt::AlignHCenter) left += (inside.width() - width) / 2;
        const int right = left + width;
        for (const QObject* o : label->parentWidget()->children()) {
            const auto* field = qobject_cast<const QWidget*>(o);
            if (field == nullptr || !IsField(field) || field->isHidden()) continue;
            const QRect g = field->geometry();
            if (g.bottom() < label->y() || g.top() > label->geometry().bottom()) continue;
            if (g.left() < right + kLabelGap && g.right() + kLabelGap >= left)
                say(label, text, "touches " + field->objectName());
        }
    }
    return cut;
}

// Every window, in each language, shows its title, and every label its
// text, whole: the windows opened as the user opens them (the utility
// windows through their commands, with no controller on the port: their
// titles then tell the failed link), each as it is when shown.
TEST(LanguageSweep, TitlesAndLabelsShowWhole) {
    for (const bool chinese : {false, true}) {
        SCOPED_TRACE(chinese ? "Chinese" : "English");
        test::MessageRecorder messages;
        test::ScopedEnv port("VXTORVIN_COM1", "/nonexistent/ttyPLC");
        auto frm = StartAllForms(chinese);
        for (const char* item : {"N14", "N31", "N32", "CanExyItem"})
            frm->Item(item)->trigger();
        QStringList cut;
        for (QWidget* form : ApplicationForms()) {
            // The progress windows start their job when shown.
            if (qobject_cast<TProgressFrm*>(form) != nullptr) continue;
            const bool shown = form->isVisible();
            if (!shown) form->show();
            QCoreApplication::processEvents();
            cut << CutTexts(form);
            if (!shown) form->hide();
        }
        EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
    }
}

// A language file that gives every text the walk of the forms can name,
// program texts and lists included, the value "HOSTILE".
void HostileEntries(const QObject* owner, const std::string& path,
                    std::vector<LanguageEntry>& out) {
    const QList<QObject*> owned = OwnedComponents(owner);
    std::vector<std::string> pieces(24, "HOSTILE");
    const std::string list = JoinListLines(pieces);
    for (qsizetype i = 0; i < owned.size(); ++i) {
        const QObject* component = owned[i];
        if (IsForm(component)) continue;
        const QString part = ComponentPart(component, static_cast<int>(i));
        const std::string name = path + "." + part.toStdString();
        for (const char* property : {"Caption", "Text", "Hint"})
            out.push_back({name + "." + property, "HOSTILE"});
        for (const char* property : {"Lines", "Items", "Pages"})
            out.push_back({name + "." + property + ".Text", list});
        for (int k = 0; k < 12; ++k) {
            const std::string item = name + ".Items[" + std::to_string(k) + "].";
            out.push_back({item + "Caption", "HOSTILE"});
            out.push_back({item + "Hint", "HOSTILE"});
        }
        if (part == component->objectName()) HostileEntries(component, name, out);
    }
}

// Opens a dialog with a command of the main window and confirms it the way a
// user does: `inside` acts first, then the default button (or OK) is clicked.
void ConfirmDialog(TMainFrm& frm, const char* item, const std::function<void(QDialog&)>& inside) {
    bool seen = false;
    auto* poll = new QTimer(&frm);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, &frm, [&seen, poll, inside] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        seen = true;
        if (inside) inside(*dialog);
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->isDefault() || button->objectName() == "BitBtn1") {
                button->click();
                return;
            }
        }
        dialog->accept();
    });
    poll->start();
    frm.Item(item)->trigger();
    EXPECT_TRUE(seen) << item << " opened no dialog";
}

// What the dialogs that store values store, confirmed as they open, with
// the plug-in list's first entry chosen: the project and the settings.
std::string StoredByTheDialogs(TMainFrm& frm, const test::TempFolder& dir) {
    ConfirmDialog(frm, "N47", [](QDialog& d) {
        auto* list = d.findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        ASSERT_NE(list, nullptr);
        ASSERT_GT(list->count(), 0);
        list->setCurrentRow(0);
        emit list->itemDoubleClicked(list->item(0));
    });
    for (const char* item : {"PLC2", "N13", "N46", "I5"})
        ConfirmDialog(frm, item, {});
    const std::string settings = dir / "settings.ini";
    EXPECT_TRUE(SaveSettings(settings, frm.CurrentSettings(), "Torvin0"));
    return SerialiseProject(TheProgram()) + "\n" + *ReadWholeFile(settings);
}

TEST(LanguageSweep, AHostileLanguageFileChangesNoProjectOrSettingsValue) {
    test::MessageRecorder messages;
    test::TempFolder dir;
    const std::string plugins = JoinPath(ProgramFolder(), "Plugins");
    std::filesystem::create_directories(plugins);
    test::WriteTestFile(JoinPath(plugins, "Alpha.dll"), "");

    std::string stored;
    {
        auto frm = StartAllForms(true);
        stored = StoredByTheDialogs(*frm, dir);
        EXPECT_NE(stored.find("Alpha.dll"), std::string::npos) << "the plug-in was chosen";
    }
    auto frm = StartAllForms(true);
    std::vector<LanguageEntry> hostile;
    for (QWidget* form : ApplicationForms())
        HostileEntries(form, form->objectName().toStdString(), hostile);
    const std::string file = dir / "hostile.ini";
    ASSERT_TRUE(WriteLanguageFile(file, hostile));
    ASSERT_EQ(ImportUiTexts(file), LanguageFileStatus::Ok);
    EXPECT_EQ(StoredByTheDialogs(*frm, dir), stored);
    std::filesystem::remove_all(plugins);
}

}  // namespace
}  // namespace vx
