// The main window with its parameter dialog and its device usage window: a
// new project through the dialog, the model in the status bar and on the
// project tab, the menu items, buttons and tree nodes that open them, and
// comment edits that make the project unsaved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "build/SysParams.h"
#include "build/qt/TxRxSet.h"
#include "editor/ClipCells.h"
#include "editor/DeviceComments.h"
#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/UndoHistory.h"
#include "editor/qt/Main.h"
#include "editor/qt/OrganUse.h"
#include "model/LadderProgram.h"
#include "platform/SystemFolders.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/ObjectPath.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"
#include "support/ToolButtonClick.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

using test::MessageRecorder;
using test::TempFolder;

constexpr const char* kNewSys = "0200000000136429200005000100640640650660670C80C9000";

class MainParametersTest : public testing::Test {
  protected:
    void SetUp() override {
        test::ResetEditorRunState();
        frm_ = std::make_unique<TMainFrm>();
        frm_->Dialogs().startPage = [] {};
        EXPECT_TRUE(test::ShowAndStart(*frm_));
    }
    void TearDown() override {
        messages_.Answer(MsgAnswer::No);  // do not save
        frm_.reset();
    }

    // Works the parameter dialog once it is shown modally, then presses a button.
    void AnswerParameters(const std::function<void(TSystemSetFrm&)>& work, const char* button) {
        QTimer::singleShot(0, frm_.get(), [work, button] {
            auto* dialog = qobject_cast<TSystemSetFrm*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "the parameter dialog is shown";
            if (work) work(*dialog);
            qobject_cast<QPushButton*>(dialog->Control(button))->click();
        });
    }

    // A new project, the dialog confirmed unchanged.
    void NewProject() {
        AnswerParameters(nullptr, "BitBtn1");
        frm_->FileNewItemClick();
        ASSERT_FALSE(frm_->CoverShown());
    }

    TOrganUseFrm* UsageWindow() const { return frm_->findChild<TOrganUseFrm*>(); }

    // The project tab over the tree.
    QString Tab() const {
        auto* tab =
            test::FindByPath<TWgTabSheet>(frm_.get(), "WgSizePanel2.WgPageControl1.TabSheet1");
        return tab ? tab->Caption() : QString("(no project tab)");
    }

    MessageRecorder messages_;
    TempFolder dir_;
    std::unique_ptr<TMainFrm> frm_;
};

TEST_F(MainParametersTest, NewProjectTakesTheDialogsStrings) {
    EXPECT_FALSE(frm_->Button("SystemToolButton")->isEnabled()) << "no project, no parameters";
    AnswerParameters(
        [](TSystemSetFrm& dialog) {
            EXPECT_EQ(dialog.SysParamText(), kNewSys) << "a new project starts from the defaults";
            qobject_cast<QComboBox*>(dialog.Control("PlcSeries"))->setCurrentIndex(5);
            qobject_cast<QSpinBox*>(dialog.Control("SpinEdit1"))->setValue(7);
            qobject_cast<QSpinBox*>(dialog.Control("SpinEdit5"))->setValue(700);
        },
        "BitBtn1");
    frm_->FileNewItemClick();
    ASSERT_FALSE(frm_->CoverShown());
    const std::string& sys = TheProgram().sysParamString;
    EXPECT_EQ(sys.substr(0, 2), "05");
    EXPECT_EQ(sys.substr(9, 2), "07");
    EXPECT_EQ(TheProgram().holdParamString.substr(7, 4), "02BC");
    const std::string model = PlcSeriesNames()[5] + "/V1.0";
    EXPECT_EQ(frm_->StatusPanel(3)->text().toStdString(), " " + model);
    EXPECT_EQ(Tab().toStdString(), model);
    EXPECT_FALSE(frm_->Item("FileSaveItem")->isEnabled()) << "a new project has nothing unsaved";
    EXPECT_TRUE(frm_->Button("SystemToolButton")->isEnabled());
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::M, 2000), "RUN常闭");
}

TEST_F(MainParametersTest, NewProjectCancelledInTheDialogMakesNoProject) {
    AnswerParameters(nullptr, "BitBtn2");
    frm_->FileNewItemClick();
    EXPECT_TRUE(frm_->CoverShown());
}

TEST_F(MainParametersTest, ParameterCommandMarksTheProjectChanged) {
    NewProject();
    AnswerParameters(
        [](TSystemSetFrm& dialog) {
            qobject_cast<QComboBox*>(dialog.Control("PlcSeries"))->setCurrentIndex(9);
            qobject_cast<QComboBox*>(dialog.Control("PlcVersion"))->setCurrentIndex(2);
        },
        "BitBtn1");
    frm_->Item("PLC2")->trigger();
    EXPECT_TRUE(frm_->Item("FileSaveItem")->isEnabled());
    EXPECT_TRUE(frm_->Button("SaveToolButton")->isEnabled());
    const std::string model = PlcSeriesNames()[9] + "/V3.0";
    EXPECT_EQ(frm_->StatusPanel(3)->text().toStdString(), " " + model);
    EXPECT_EQ(Tab().toStdString(), model);
    EXPECT_EQ(frm_->Item("PLC2")->shortcut(), QKeySequence(Qt::Key_F10));
}

// After a cancelled dialog the status bar shows what the project holds, not
// what the lists were turned to.
TEST_F(MainParametersTest, CancelledParametersLeaveTheModelShown) {
    NewProject();
    const QString shown = frm_->StatusPanel(3)->text();
    AnswerParameters(
        [](TSystemSetFrm& dialog) {
            qobject_cast<QComboBox*>(dialog.Control("PlcSeries"))->setCurrentIndex(0);
        },
        "BitBtn2");
    test::ClickToolButton(frm_->Button("SystemToolButton"));
    EXPECT_EQ(TheProgram().sysParamString, kNewSys);
    EXPECT_EQ(frm_->StatusPanel(3)->text(), shown);
    EXPECT_FALSE(frm_->Item("FileSaveItem")->isEnabled());
}

TEST_F(MainParametersTest, OpenShowsTheProjectsModel) {
    NewProject();
    TheProgram().sysParamString.replace(0, 4, "0301");
    frm_->Dialogs().saveFile = [&](const std::string&) {
        return std::optional<std::string>(dir_ / "station");
    };
    frm_->Item("FileSaveItem")->setEnabled(true);
    frm_->FileSaveItemClick();
    frm_.reset();

    TheProgram().Clear();
    frm_ = std::make_unique<TMainFrm>();
    frm_->Dialogs().startPage = [] {};
    ASSERT_TRUE(test::ShowAndStart(*frm_));
    frm_->Dialogs().openFile = [&](const std::string&, const std::string&) {
        return std::optional<std::string>(dir_ / "station.PSP");
    };
    frm_->FileOpenItemClick();
    ASSERT_FALSE(frm_->CoverShown());
    EXPECT_EQ(frm_->StatusPanel(3)->text().toStdString(), " " + PlcSeriesNames()[3] + "/V2.0");
}

TEST_F(MainParametersTest, F4OpensTheUsagePageAndTheCommentItemItsPage) {
    NewProject();
    TOrganUseFrm* usage = UsageWindow();
    ASSERT_NE(usage, nullptr);
    EXPECT_FALSE(usage->isVisible());
    frm_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm_.get(), test::kStateWaitMs));
    // The application follows the window system's activation a little later.
    VX_WAIT_TRUE(QApplication::activeWindow() == frm_.get(), test::kStateWaitMs);
    QSignalSpy refreshed(usage, &TOrganUseFrm::Refreshed);
    QTest::keyClick(frm_->windowHandle(), Qt::Key_F4);  // through the shortcut map
    EXPECT_TRUE(usage->isVisible());
    EXPECT_EQ(usage->PageControl()->ActivePageIndex(), TOrganUseFrm::kUsagePage);
    EXPECT_TRUE(refreshed.count() > 0 || refreshed.wait(test::kStateWaitMs))
        << "showing runs the scan";
    usage->close();

    frm_->Item("N24")->trigger();
    EXPECT_TRUE(usage->isVisible());
    EXPECT_EQ(usage->PageControl()->ActivePageIndex(), TOrganUseFrm::kCommentPage);
    usage->close();
    test::ClickToolButton(frm_->Button("UsageToolButton"));
    EXPECT_EQ(usage->PageControl()->ActivePageIndex(), TOrganUseFrm::kUsagePage);
    usage->close();
}

TEST_F(MainParametersTest, TreeNodesOpenTheirWindows) {
    NewProject();
    auto doubleClick = [this](int node) {
        QTreeWidgetItemIterator it(frm_->TreeView1());
        for (; *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toInt() == node) break;
        }
        ASSERT_NE(*it, nullptr);
        frm_->TreeView1()->setCurrentItem(*it);
        emit frm_->TreeView1()->itemDoubleClicked(*it, 0);
    };
    TOrganUseFrm* usage = UsageWindow();
    doubleClick(5);  // 软元件注释
    EXPECT_TRUE(usage->isVisible());
    EXPECT_EQ(usage->PageControl()->ActivePageIndex(), TOrganUseFrm::kCommentPage);
    doubleClick(7);  // 元件使用情况
    EXPECT_EQ(usage->PageControl()->ActivePageIndex(), TOrganUseFrm::kUsagePage);
    usage->close();

    bool shown = false;
    AnswerParameters([&](TSystemSetFrm&) { shown = true; }, "BitBtn2");
    doubleClick(6);  // 系统设置
    EXPECT_TRUE(shown);
}

TEST_F(MainParametersTest, CommentEditsAndClosingMakeTheProjectUnsaved) {
    NewProject();
    frm_->Item("N24")->trigger();
    TOrganUseFrm* usage = UsageWindow();
    QAbstractItemModel* model = usage->CommentGrid(2)->model();  // M
    ASSERT_TRUE(model->setData(model->index(12, 2), QString("阀门"), Qt::EditRole));
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::M, 12), "阀门");
    EXPECT_EQ(frm_->LadderEdit()->DrawContext().comment(MakeDeviceCode(DeviceKind::M, 12)), "阀门")
        << "the grid draws it under the contact";
    EXPECT_TRUE(frm_->Item("FileSaveItem")->isEnabled());

    frm_->Dialogs().saveFile = [&](const std::string&) {
        return std::optional<std::string>(dir_ / "valves");
    };
    frm_->FileSaveItemClick();
    ASSERT_FALSE(frm_->Item("FileSaveItem")->isEnabled());
    usage->close();
    EXPECT_TRUE(frm_->Item("FileSaveItem")->isEnabled()) << "closing may have changed comments";
}

}  // namespace
}  // namespace vx
