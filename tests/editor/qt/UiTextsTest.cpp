#include "editor/qt/UiTexts.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <memory>

#include "editor/qt/UiLanguage.h"
#include "platform/LoadingScope.h"
#include "platform/Text.h"
#include "platform/qt/ProgramText.h"
#include "support/LanguageEntryPrinter.h"
#include "support/TempFolder.h"
#include "widgets/WgGroupItem.h"
#include "widgets/WgGroupItems.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"
#include "widgets/qt/WgPageControl.h"
#include "widgets/qt/WgTabSheet.h"

namespace vx {
namespace {

using test::TempFolder;
using test::WriteTestFile;

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// A form with one of each kind of text the engine knows, and the texts it
// must leave alone.
class TTestFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TTestFrm(QWidget* parent = nullptr) : QDialog(parent) {
        setObjectName(QStringLiteral("TestFrm"));
        setWindowTitle(Q("测试"));
        label1 = Named(new QLabel(Q("标签"), this), "Label1");                 // 0
        Named(new QLabel(this), "Label2");                                     // 1: no caption
        memo1 = Named(new QPlainTextEdit(Q("first\nsecond"), this), "Memo1");  // 2
        memo1->setReadOnly(true);
        combo = Named(new QComboBox(this), "ComboBox1");  // 3
        combo->addItems({Q("一"), Q("二")});
        edit = Named(new QLineEdit(Q("用户写的"), this), "Edit1");  // 4: the user's
        edit->setToolTip(Q("输入"));
        auto* box = Named(new QGroupBox(Q("组"), this), "GroupBox1");  // 5
        radio = Named(new QRadioButton(Q("甲"), box), "RadioButton1");
        unnamed = new QLabel(Q("无名"), this);                           // 6
        value = Named(new QLabel(QStringLiteral("0"), this), "Label3");  // 7
        MarkProgramText(value);
        auto* bar = Named(new QMenuBar(this), "MenuBar1");  // 8
        menu = bar->addMenu(Q("菜单"));
        menu->setObjectName(QStringLiteral("Menu1"));
        menu->addAction(Q("无名项"));
        menu->addSeparator();
        item1 = Named(new QAction(Q("有名项"), this), "Item1");  // 9
        menu->addAction(item1);
        list = Named(new QListWidget(this), "ListBox1");  // 10
        list->addItems({Q("甲"), Q("乙")});
        tabs = Named(new QTabWidget(this), "Tabs1");  // 11
        tabs->addTab(new QWidget, Q("页一"));
        tabs->addTab(new QWidget, Q("页二"));
        auto* status = Named(new QStatusBar(this), "StatusBar1");  // 12
        status->addWidget(new QLabel(Q("就绪")));
    }

    template <typename W>
    W* Named(W* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    }

    QLabel* label1;
    QPlainTextEdit* memo1;
    QComboBox* combo;
    QLineEdit* edit;
    QRadioButton* radio;
    QLabel* unnamed;
    QLabel* value;
    QMenu* menu;
    QAction* item1;
    QListWidget* list;
    QTabWidget* tabs;
};

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

std::string WriteFile(const TempFolder& dir, const std::vector<LanguageEntry>& entries) {
    const std::string path = dir / "kzeng.ini";
    WriteTestFile(path, FormatLanguageText(entries));
    return path;
}

const std::vector<LanguageEntry> kChinese = {
    {"TestFrm.Caption", "测试"},
    {"TestFrm.Label1.Caption", "标签"},
    {"TestFrm.Memo1.Lines.Text", "first\\nsecond\\n"},
    {"TestFrm.ComboBox1.Items.Text", "一\\n二\\n"},
    {"TestFrm.Edit1.Hint", "输入"},
    {"TestFrm.GroupBox1.Caption", "组"},
    {"TestFrm.GroupBox1.RadioButton1.Caption", "甲"},
    {"TestFrm.QLabel(6).Caption", "无名"},
    {"TestFrm.MenuBar1.Menu1.Caption", "菜单"},
    {"TestFrm.MenuBar1.Menu1.Items[0].Caption", "无名项"},
    {"TestFrm.Item1.Caption", "有名项"},
    {"TestFrm.ListBox1.Items.Text", "甲\\n乙\\n"},
    {"TestFrm.Tabs1.Pages.Text", "页一\\n页二\\n"},
};

const std::vector<LanguageEntry> kEnglish = {
    {"TestFrm.Caption", "Test"},
    {"TestFrm.Label1.Caption", "Label"},
    {"TestFrm.Memo1.Lines.Text", "one\\ntwo\\n"},
    {"TestFrm.ComboBox1.Items.Text", "One\\nTwo\\n"},
    {"TestFrm.Edit1.Hint", "Type here"},
    {"TestFrm.GroupBox1.Caption", "Group"},
    {"TestFrm.GroupBox1.RadioButton1.Caption", "A"},
    {"TestFrm.QLabel(6).Caption", "Unnamed"},
    {"TestFrm.MenuBar1.Menu1.Caption", "Menu"},
    {"TestFrm.MenuBar1.Menu1.Items[0].Caption", "Unnamed item"},
    {"TestFrm.Item1.Caption", "Named item"},
    {"TestFrm.ListBox1.Items.Text", "A\\nB\\n"},
    {"TestFrm.Tabs1.Pages.Text", "Page one\\nPage two\\n"},
};

// A form built from the painted widgets: a group bar whose group has items
// (one a divider, one the program's), and a page control with two pages.
class TPaintedFrm : public QDialog {
    Q_OBJECT
  public:
    TPaintedFrm() {
        setObjectName(QStringLiteral("PaintedFrm"));
        setWindowTitle(Q("画"));
        TLoadingScope loading;
        auto* bar = new TWgGroupBar(this);
        bar->setObjectName(QStringLiteral("WgGroupBar1"));
        group = new TWgGroup(bar);
        group->setObjectName(QStringLiteral("WgGroup1"));
        group->SetCaption(Q("组"));
        group->setToolTip(Q("组提示"));
        TWgGroupItem& first = group->Items().Add();
        first.SetCaption("甲");
        first.SetHint("甲提示");
        group->Items().Add().SetCaption("-");
        group->Items().Add().SetCaption("乙");
        pages = new TWgPageControl(this);
        pages->setObjectName(QStringLiteral("PageControl1"));
        pages->SetHint(Q("页"));
        page1 = new TWgTabSheet(pages);
        page1->setObjectName(QStringLiteral("TabSheet1"));
        page1->SetCaption(Q("页一"));
        page1->SetHint(Q("第一页"));
        auto* page2 = new TWgTabSheet(pages);
        page2->setObjectName(QStringLiteral("TabSheet2"));
        page2->SetCaption(Q("页二"));
    }
    TWgGroupItem& item(int i) const { return group->Items().Items(i); }

    TWgGroup* group;
    TWgPageControl* pages;
    TWgTabSheet* page1;
};

const std::vector<LanguageEntry> kPaintedChinese = {
    {"PaintedFrm.Caption", "画"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Caption", "组"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Hint", "组提示"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Items[0].Caption", "甲"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Items[0].Hint", "甲提示"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Items[2].Caption", "乙"},
    {"PaintedFrm.PageControl1.Hint", "页"},
    {"PaintedFrm.PageControl1.TabSheet1.Caption", "页一"},
    {"PaintedFrm.PageControl1.TabSheet1.Hint", "第一页"},
    {"PaintedFrm.PageControl1.TabSheet2.Caption", "页二"},
};

const std::vector<LanguageEntry> kPaintedEnglish = {
    {"PaintedFrm.Caption", "Painted"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Caption", "Group"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Hint", "Group hint"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Items[0].Caption", "First"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Items[0].Hint", "First hint"},
    {"PaintedFrm.WgGroupBar1.WgGroup1.Items[2].Caption", "Second"},
    {"PaintedFrm.PageControl1.Hint", "Pages"},
    {"PaintedFrm.PageControl1.TabSheet1.Caption", "Page one"},
    {"PaintedFrm.PageControl1.TabSheet1.Hint", "The first page"},
    {"PaintedFrm.PageControl1.TabSheet2.Caption", "Page two"},
};

TEST(UiTexts, APaintedFormsGroupsItemsAndPagesGoToEnglishAndBack) {
    TempFolder dir;
    TPaintedFrm frm;
    EXPECT_EQ(CollectUiTexts({&frm}), kPaintedChinese)
        << "no line for the divider; the pages are components, the items a collection";

    ASSERT_EQ(ImportUiTexts(WriteFile(dir, kPaintedEnglish)), LanguageFileStatus::Ok);
    EXPECT_EQ(frm.item(0).Caption(), "First") << "an item's caption comes from the file";
    EXPECT_EQ(frm.item(0).Hint(), "First hint");
    EXPECT_EQ(frm.item(1).Caption(), "-");
    EXPECT_EQ(frm.group->Caption(), "Group");
    EXPECT_EQ(frm.page1->Caption(), "Page one");
    EXPECT_EQ(frm.pages->Tabs().Items(0).Caption, "Page one") << "the tab shows the page's caption";
    EXPECT_EQ(frm.pages->toolTip(), "Pages");
    EXPECT_EQ(CollectUiTexts({&frm}), kPaintedEnglish);

    WriteTestFile(dir / "kzchs.ini", FormatLanguageText(kPaintedChinese));
    ASSERT_EQ(ImportUiTexts(dir / "kzchs.ini"), LanguageFileStatus::Ok);
    EXPECT_EQ(CollectUiTexts({&frm}), kPaintedChinese);
}

TEST(UiTexts, AGroupItemTakesOnlyItsOwnTexts) {
    TPaintedFrm frm;
    MarkProgramText(frm.pages);  // the program writes the page control's hint
    const UiTextTable table = MakeUiTextTable({
        {"PaintedFrm.WgGroupBar1.WgGroup1.Items[9].Caption", "x"},
        {"PaintedFrm.WgGroupBar1.WgGroup1.Items[1].Caption", "x"},  // the divider
        {"PaintedFrm.WgGroupBar1.WgGroup1.Items[2].Caption", "-"},  // would make one
        {"PaintedFrm.WgGroupBar1.WgGroup1.Items[2].Caption.More", "x"},
        {"PaintedFrm.WgGroupBar1.WgGroup1.Items[2].Colour", "x"},
        {"PaintedFrm.PageControl1.Hint", "x"},
        {"PaintedFrm.WgGroupBar1.WgGroup1.Items[2].Hint", "Second hint"},
    });
    EXPECT_EQ(ApplyUiTexts(&frm, table), 1);
    EXPECT_EQ(frm.item(1).Caption(), "-");
    EXPECT_EQ(frm.item(2).Caption(), "乙");
    EXPECT_EQ(frm.item(2).Hint(), "Second hint");
    EXPECT_EQ(frm.pages->Hint(), Q("页"));
}

TEST(UiTexts, ExportWritesTheDesignedTextsInTheFormsOrder) {
    TTestFrm frm;
    // No line for an empty caption, the user's text, the program's value, a
    // separator, a sub-menu's own item or a status bar.
    EXPECT_EQ(CollectUiTexts({&frm}), kChinese);
}

TEST(UiTexts, ImportSetsEveryTextAndExportThenGivesTheFileBack) {
    TempFolder dir;
    TTestFrm frm;
    ASSERT_EQ(ImportUiTexts(WriteFile(dir, kEnglish)), LanguageFileStatus::Ok);
    EXPECT_EQ(frm.windowTitle(), "Test");
    EXPECT_EQ(frm.memo1->toPlainText(), "one\ntwo") << "a memo's two lines are written back";
    EXPECT_EQ(frm.menu->actions()[0]->text(), "Unnamed item");
    EXPECT_EQ(frm.edit->text(), Q("用户写的")) << "the user's text stays";
    EXPECT_EQ(frm.value->text(), "0");
    EXPECT_EQ(CollectUiTexts({&frm}), kEnglish);

    WriteTestFile(dir / "kzchs.ini", FormatLanguageText(kChinese));
    ASSERT_EQ(ImportUiTexts(dir / "kzchs.ini"), LanguageFileStatus::Ok);
    EXPECT_EQ(CollectUiTexts({&frm}), kChinese);
}

TEST(UiTexts, ALineThatNamesNothingIsSkippedAndTheNextOneStillApplies) {
    TTestFrm frm;
    const UiTextTable table = MakeUiTextTable({
        {"NoSuchFrm.Caption", "x"},
        {"TestFrm.NoSuchLabel.Caption", "x"},
        {"TestFrm.QPushButton(6).Caption", "x"},  // index 6 is a label
        {"TestFrm.QLabel(99).Caption", "x"},
        {"TestFrm.Label1.Colour", "x"},
        {"TestFrm.Label1.Caption.More", "x"},
        {"TestFrm.Edit1.Text", "x"},      // the user's
        {"TestFrm.Label3.Caption", "x"},  // the program's
        {"TestFrm.StatusBar1.QLabel(0).Caption", "x"},
        {"TestFrm.MenuBar1.Menu1.Items[9].Caption", "x"},
        {"TestFrm.MenuBar1.Menu1.Items[1].Caption", "x"},  // a separator
        {"TestFrm", "x"},
        {"TestFrm.Label1.Caption", "Label"},
    });
    EXPECT_EQ(ApplyUiTexts(&frm, table), 1);
    EXPECT_EQ(frm.label1->text(), "Label");
    EXPECT_EQ(frm.unnamed->text(), Q("无名"));
    EXPECT_EQ(frm.edit->text(), Q("用户写的"));
    EXPECT_EQ(frm.value->text(), "0");
    EXPECT_EQ(CollectUiTexts({&frm})[0].value, "测试");
}

TEST(UiTexts, AListIsReplacedLineByLineAndNeverGrows) {
    TTestFrm frm;
    const UiTextTable longer = MakeUiTextTable({
        {"TestFrm.Memo1.Lines.Text", "a\\nb\\nc\\nd\\n"},
        {"TestFrm.ComboBox1.Items.Text", "a\\nb\\nc\\n"},
        {"TestFrm.ListBox1.Items.Text", "a\\nb\\nc\\n"},
        {"TestFrm.Tabs1.Pages.Text", "a\\nb\\nc\\n"},
    });
    EXPECT_EQ(ApplyUiTexts(&frm, longer), 4);
    EXPECT_EQ(frm.memo1->toPlainText(), "a\nb");
    EXPECT_EQ(Items(frm.combo), QStringList({"a", "b"}));
    EXPECT_EQ(Items(frm.list), QStringList({"a", "b"}));
    EXPECT_EQ(frm.tabs->count(), 2);
    EXPECT_EQ(frm.tabs->tabText(1), "b");

    const UiTextTable shorter = MakeUiTextTable({
        {"TestFrm.Memo1.Lines.Text", "x\\n"},
        {"TestFrm.ListBox1.Items.Text", "x\\n"},
    });
    ApplyUiTexts(&frm, shorter);
    EXPECT_EQ(frm.memo1->toPlainText(), "x\nb") << "the lines after the value's stay";
    EXPECT_EQ(Items(frm.list), QStringList({"x", "b"}));
}

TEST(UiTexts, APlainTextKeepsItsLineBreaksInOneLineOfTheFile) {
    TempFolder dir;
    TTestFrm frm;
    frm.label1->setText(Q("第一行\n第二行"));
    const std::vector<LanguageEntry> entries = CollectUiTexts({&frm});
    EXPECT_EQ(entries[1], (LanguageEntry{"TestFrm.Label1.Caption", "第一行\\n第二行"}));
    WriteTestFile(dir / "kzchs.ini", FormatLanguageText(entries));
    frm.label1->clear();
    ASSERT_EQ(ImportUiTexts(dir / "kzchs.ini"), LanguageFileStatus::Ok);
    EXPECT_EQ(frm.label1->text(), Q("第一行\n第二行"));
}

TEST(UiTexts, FormsAreTheToolsWindowsEachWalkedOnItsOwn) {
    TTestFrm main;
    auto* inner = new TTestFrm(&main);  // a dialog of the form: a form of its own
    inner->setObjectName(QStringLiteral("InnerFrm"));
    QMessageBox box(&main);  // Qt's own
    box.setObjectName(QStringLiteral("Box"));
    QDialog plain(&main);
    plain.setObjectName(QStringLiteral("PlainDialog"));
    const QList<QWidget*> forms = ApplicationForms();
    EXPECT_TRUE(forms.contains(&main));
    EXPECT_TRUE(forms.contains(inner));
    EXPECT_GT(forms.indexOf(inner), forms.indexOf(&main));
    EXPECT_FALSE(forms.contains(&box));
    EXPECT_FALSE(forms.contains(&plain));
    for (const LanguageEntry& e : CollectUiTexts({&main}))
        EXPECT_EQ(e.name.rfind("TestFrm.", 0), 0u) << e.name << " belongs to the inner form";
}

TEST(UiTexts, WhileALanguageIsInForceAFormBuiltLaterOpensInIt) {
    TempFolder dir;
    const std::string path = WriteFile(dir, kEnglish);
    TTestFrm before;
    auto language = std::make_unique<TUiLanguage>();
    ASSERT_EQ(ImportUiTexts(path), LanguageFileStatus::Ok);
    EXPECT_EQ(before.windowTitle(), "Test") << "a form that lives gets it at once";

    TTestFrm later;
    EXPECT_EQ(later.windowTitle(), Q("测试"));
    later.show();
    EXPECT_EQ(later.windowTitle(), "Test") << "before it is first shown";
    EXPECT_EQ(later.memo1->toPlainText(), "one\ntwo");
    later.label1->setText(QStringLiteral("set by the program"));
    later.hide();
    later.show();
    EXPECT_EQ(later.label1->text(), "set by the program") << "applied once, not at every show";

    language.reset();
    TTestFrm afterwards;
    afterwards.show();
    EXPECT_EQ(afterwards.windowTitle(), Q("测试")) << "no language in force";
}

}  // namespace
}  // namespace vx

#include "UiTextsTest.moc"
