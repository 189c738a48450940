// The main window's language refresh: at the first show, from the language
// menu, for the dialogs built later, for Qt's own texts; and a language file
// that is missing or cannot be read.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "build/qt/PasswordIN.h"
#include "editor/LanguageFile.h"
#include "editor/Settings.h"
#include "editor/qt/CodeConv.h"
#include "editor/qt/Lookup.h"
#include "editor/qt/Main.h"
#include "editor/qt/OrganUse.h"
#include "editor/qt/UiTexts.h"
#include "model/LadderProgram.h"
#include "platform/Language.h"
#include "platform/SystemFolders.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"
#include "support/ObjectPath.h"
#include "support/SimulatedController.h"
#include "support/StartedMainWindow.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

QString YesButtonText() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

class MainLanguageTest : public testing::Test {
  protected:
    void SetUp() override { test::ResetEditorRunState(); }
    void TearDown() override {
        fs::remove(SettingsFilePath());
        // The program folder's language files as the test program found them.
        for (const char* file : {kChineseLanguageFile, kEnglishLanguageFile}) {
            const std::string path = JoinPath(ProgramFolder(), file);
            fs::remove_all(path);
            fs::copy_file(fs::path(VX_DATA_DIR) / file, path);
        }
    }

    static std::string LanguageFile(const char* file) { return JoinPath(ProgramFolder(), file); }

    static void StartInEnglish() {
        Settings s;
        s.chinese = false;
        ASSERT_TRUE(SaveSettings(SettingsFilePath(), s, "Torvin0"));
    }

    test::MessageRecorder messages_;
};

TEST_F(MainLanguageTest, TheLanguageItemsSwitchEveryFormAndQtsOwnTexts) {
    auto frm = test::StartedMainWindow();
    auto* lookup = frm->findChild<TForLookup*>();
    ASSERT_NE(lookup, nullptr);
    EXPECT_EQ(frm->Item("FileNewItem")->text(), QString("新建(&N)..."));
    EXPECT_EQ(YesButtonText(), QString("是(&Y)")) << "Qt's catalogue qtbase_zh_CN.qm (Debian "
                                                     "package qt6-translations-l10n) is needed";

    frm->Item("English1")->trigger();
    EXPECT_TRUE(frm->Item("English1")->isChecked());
    EXPECT_FALSE(frm->Item("Chinese1")->isChecked());
    EXPECT_EQ(frm->Item("FileNewItem")->text(), QString("&New..."));
    EXPECT_EQ(frm->Button("NewToolButton")->Hint(), QString("New"));
    EXPECT_EQ(lookup->windowTitle(), QString("Find Device"));
    EXPECT_EQ(YesButtonText(), QString("&Yes"));
    EXPECT_FALSE(frm->CurrentSettings().chinese) << "the settings file keeps the choice";

    frm->Item("Chinese1")->trigger();
    EXPECT_EQ(frm->Item("FileNewItem")->text(), QString("新建(&N)..."));
    EXPECT_EQ(frm->Button("NewToolButton")->Hint(), QString("新建"));
    EXPECT_EQ(lookup->windowTitle(), QString("元件名查找"));
    EXPECT_EQ(YesButtonText(), QString("是(&Y)"));
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MainLanguageTest, AFloatingToolBarKeepsItsPlaceUnderItsDockPanel) {
    auto frm = test::StartedMainWindow();
    auto* bar = frm->findChild<TFxToolBar*>("FxToolBar2");
    ASSERT_NE(bar, nullptr);
    bar->MakeFloating(frm->mapToGlobal(QPoint(200, 300)));
    ASSERT_NE(bar->FloatingWindow(), nullptr);

    const auto texts = CollectUiTexts({frm.get()});
    const auto has = [&](const char* key) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const LanguageEntry& e) { return e.name == key; });
    };
    EXPECT_TRUE(has("MainFrm.FxDockPanel1.FxToolBar2.Caption"));
    EXPECT_FALSE(has("MainFrm.FxToolBar2.Caption"));

    frm->Item("English1")->trigger();
    EXPECT_EQ(bar->Caption(), QString("Function Toolbar"));
    frm->Item("Chinese1")->trigger();
    EXPECT_EQ(bar->Caption(), QString("功能工具栏"));
}

TEST_F(MainLanguageTest, TheOptionWindowsAddOrRemoveEntryFollowsTheLanguage) {
    auto frm = test::StartedMainWindow();
    frm->Item("English1")->trigger();
    for (const char* name : {"FxToolBar1", "FxToolBar2"}) {
        auto* bar = frm->findChild<TFxToolBar*>(name);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->TextAutoOptionMenu(), QString("Add or Remove Buttons")) << name;
        frm->Item("Chinese1")->trigger();
        EXPECT_EQ(bar->TextAutoOptionMenu(), QString("添加或移动按钮")) << name;
        frm->Item("English1")->trigger();
    }
}

TEST_F(MainLanguageTest, TextsTheWindowsWriteThemselvesFollowTheLanguage) {
    StartInEnglish();
    auto frm = test::StartedMainWindow();
    EXPECT_EQ(frm->StatusPanel(0)->text(), " Ladder");
    auto* conv = frm->findChild<TCodeConvFrm*>();
    auto* usage = frm->findChild<TOrganUseFrm*>();
    ASSERT_NE(conv, nullptr);
    ASSERT_NE(usage, nullptr);
    frm->Item("N26")->trigger();
    EXPECT_EQ(conv->BitBtn1()->text(), "Set(S)");
    conv->BitBtn1()->click();
    EXPECT_EQ(conv->BitBtn1()->text(), "Clear(R)");
    EXPECT_EQ(conv->Edit1()->text(), "65535");
    frm->Item("N23")->trigger();
    usage->BitBtn2Click();  // refresh
    ASSERT_GE(usage->MemoLines().size(), 2u);
    EXPECT_EQ(usage->MemoLines()[1], "X device usage" + std::string(30, '='));
    usage->close();

    frm->Item("Chinese1")->trigger();
    frm->Item("N26")->trigger();
    EXPECT_EQ(conv->BitBtn1()->text(), QString("清零(R)")) << "the state stays, its text changes";
    conv->BitBtn1()->click();
    EXPECT_EQ(conv->Edit1()->text(), "0");
    EXPECT_EQ(conv->BitBtn1()->text(), QString("置位(S)"));
    conv->close();
    frm->Item("N23")->trigger();
    usage->BitBtn2Click();
    EXPECT_EQ(usage->MemoLines()[1], "X 接点使用情况" + std::string(30, '='));
    usage->close();
}

TEST_F(MainLanguageTest, PageTabsFollowTheLanguage) {
    auto frm = test::StartedMainWindow();
    struct Tab {
        const char* path;  // from the main window
        const char* chinese;
        const char* english;
    };
    const Tab table[] = {
        {"OrganUseFrm.PageControl1.TabSheet1", " 元件使用情况表 ", " Device Usage "},
        {"OrganUseFrm.PageControl1.TabSheet2", " 软元件注释 ", " Device Comments "},
        {"OrganUseFrm.PageControl1.TabSheet3", " 关 闭 ", " Close "},
        {"SystemSetFrm.WgPageControl1.TabSheet1", " 通讯口 ", " Serial ports "},
        {"SystemSetFrm.WgPageControl1.TabSheet2", " CAN ", " CAN "},
        {"SystemSetFrm.WgPageControl1.TabSheet3", " 程序/模拟量 ", " Program / analog "},
        {"SystemSetFrm.WgPageControl1.TabSheet4", " 中断 ", " Interrupts "},
        {"SystemSetFrm.WgPageControl1.TabSheet5", " 停电保持 ", " Retentive areas "},
    };
    auto captions = [&](bool chinese) {
        for (const Tab& tab : table) {
            auto* sheet = test::FindByPath<TWgTabSheet>(frm.get(), tab.path);
            ASSERT_NE(sheet, nullptr) << tab.path;
            EXPECT_EQ(sheet->Caption(), QString::fromUtf8(chinese ? tab.chinese : tab.english))
                << tab.path;
            // The tab shows its page's caption.
            const TWgTabDataList& tabs = sheet->PageControl()->Tabs();
            EXPECT_EQ(QString::fromStdString(tabs.Items(sheet->TabIndex()).Caption),
                      sheet->Caption());
        }
    };
    captions(true);
    frm->Item("English1")->trigger();
    captions(false);
    frm->Item("Chinese1")->trigger();
    captions(true);
}

TEST_F(MainLanguageTest, TheFirstShowAppliesTheLanguageOfTheSettingsFile) {
    StartInEnglish();
    auto frm = test::StartedMainWindow();
    EXPECT_TRUE(frm->Item("English1")->isChecked());
    EXPECT_EQ(frm->Item("FileNewItem")->text(), QString("&New..."));
    EXPECT_EQ(frm->findChild<TForLookup*>()->windowTitle(), QString("Find Device"));
    EXPECT_EQ(YesButtonText(), QString("&Yes"));
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MainLanguageTest, ADialogBuiltAfterASwitchOpensInTheChosenLanguage) {
    auto frm = test::StartedMainWindow();
    frm->Item("English1")->trigger();
    TPasswordFrm password(frm.get());
    password.show();
    EXPECT_EQ(password.windowTitle(), QString("Password"));
    EXPECT_EQ(password.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->text(),
              QString("&Cancel"));
    password.hide();
}

TEST_F(MainLanguageTest, AMissingLanguageFileIsReportedAndTheTextsStay) {
    auto frm = test::StartedMainWindow();
    fs::remove(LanguageFile(kEnglishLanguageFile));
    frm->Item("English1")->trigger();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text,
              "Language file not found: " + LanguageFile(kEnglishLanguageFile) + "!");
    EXPECT_EQ(messages_.Last().caption, kProductTitle);
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(frm->Item("FileNewItem")->text(), QString("新建(&N)..."));
}

// A refused switch changes nothing: what the windows show, and what they
// write later (the usage grid's corner, messages, the project tree), stays
// in the language in force; the settings file keeps it.
TEST_F(MainLanguageTest, ARefusedSwitchLeavesEveryTextInTheLanguageInForce) {
    auto frm = test::StartedMainWindow();
    frm->FileNewItemClick();
    auto* usage = frm->findChild<TOrganUseFrm*>();
    ASSERT_NE(usage, nullptr);
    frm->Item("N23")->trigger();  // F4, shown while the switch is refused
    const auto corner = [usage] {
        return usage->UsageGrid(0)->model()->headerData(0, Qt::Horizontal).toString();
    };
    const auto state = [&] {
        return QStringList{
            frm->Item("Chinese1")->isChecked() ? "Chinese1" : "English1",
            frm->CurrentSettings().chinese ? "Chinese" : "English",
            YesButtonText(),
            QString::fromUtf8(InterfaceText("中", "en")),
            corner(),
            frm->TreeView1()->topLevelItem(0)->text(0),
            frm->StatusPanel(0)->text(),
            frm->StatusPanel(1)->text(),
            frm->StatusPanel(6)->text(),
            frm->Item("LastFileOpenItem")->text(),
            frm->windowTitle(),
        }
            .join(" | ")
            .toStdString();
    };
    const std::string before = state();
    EXPECT_NE(before.find(" | 元 件 | "), std::string::npos)
        << "the usage grid's corner: " << before;

    fs::remove(LanguageFile(kEnglishLanguageFile));
    frm->Item("English1")->trigger();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text,
              "Language file not found: " + LanguageFile(kEnglishLanguageFile) + "!")
        << "told in the language asked for";
    EXPECT_EQ(state(), before);
    usage->close();
}

TEST_F(MainLanguageTest, AMissingChineseFileIsReportedInChineseAtTheFirstShow) {
    fs::remove(LanguageFile(kChineseLanguageFile));
    auto frm = test::StartedMainWindow();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text,
              "找不到语言文件 " + LanguageFile(kChineseLanguageFile) + " ！");
    EXPECT_EQ(frm->Item("FileNewItem")->text(), QString("新建(&N)..."));
}

TEST_F(MainLanguageTest, AnUnreadableLanguageFileIsReportedAndTheTextsStay) {
    auto frm = test::StartedMainWindow();
    frm->Item("English1")->trigger();
    messages_.Clear();
    fs::remove(LanguageFile(kChineseLanguageFile));
    fs::create_directory(LanguageFile(kChineseLanguageFile));
    frm->Item("Chinese1")->trigger();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text,
              "无法读取语言文件 " + LanguageFile(kChineseLanguageFile) + " ！");
    EXPECT_EQ(frm->Item("FileNewItem")->text(), QString("&New..."));
}

TEST_F(MainLanguageTest, WhileMonitoringTheMonitorCommandStillSaysStop) {
    plcsim::PlcSim sim{plcsim::SimOptions{1, false, true, 0, {}}};
    ASSERT_TRUE(sim.Ok());
    test::ResetOnlineRunState();
    ASSERT_TRUE(test::UseSimulatorSettings(sim.TcpPort()));
    auto frm = test::StartedMainWindow();
    frm->FileNewItemClick();
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    frm->Item("English1")->trigger();
    EXPECT_EQ(frm->Item("NStakeoutON")->text(), QString("Stop monitor(&T) "));
    EXPECT_EQ(frm->Button("StakeoutON")->Hint(), QString("Stop monitor F8"));
    frm->Item("NStakeoutON")->trigger();
    EXPECT_EQ(frm->Button("StakeoutON")->Hint(), QString("Start monitoring F8"));
}

}  // namespace
}  // namespace vx
