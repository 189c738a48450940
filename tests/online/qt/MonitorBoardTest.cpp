// End to end: a compiled project runs on the emulated board and the device
// memory monitor watches it over COM1 (the board's serial port on a
// pseudo-terminal). M0 set through the set/reset dialog makes the ladder set
// M100 and move K1234 into D10, and the M and D grids show it; a register
// written through the write dialog lands in the controller.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "editor/ProjectFile.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"
#include "online/LinkSettings.h"
#include "online/qt/MonitorDf.h"
#include "online/qt/MonitorFrm.h"
#include "online/qt/MonitorGrid.h"
#include "online/qt/MonitorRSf.h"
#include "outside/ModbusLink.h"
#include "support/ImageBuild.h"
#include "support/MessageRecorder.h"
#include "support/QemuBoard.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

using test::QemuBoard;

// Runs `action` once a modal dialog is up.
void WhenShown(QObject* owner, std::function<void()> action) {
    auto* poll = new QTimer(owner);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, action = std::move(action)] {
        if (QApplication::activeModalWidget() == nullptr) return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start();
}

QString CellText(TMonitorFrm& frm, MonitorTab tab, int column, int row) {
    TMonitorGridModel* model = frm.Grid(tab)->Model();
    return model->data(model->index(row - 1, column - 1), Qt::DisplayRole).toString();
}

TEST(MonitorBoardTest, TheMonitorShowsTheLaddersValuesAndWritesTheController) {
    if (!QemuBoard::Available()) GTEST_SKIP() << "qemu-system-arm is not installed";
    if (!test::CanBuildImages())
        GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is not there";
    test::MessageRecorder messages;
    test::TempFolder dir;

    // M0 -| |- (MOV K1234 D10) and M0 -| |- (M100).
    LadderProgram project;
    SetDefaultParameters(project);
    auto put = [&](int column, int row, std::uint8_t kind, const char* text) {
        project.cells.Kind(column, row) = kind;
        project.cells.First(column, row) = text;
    };
    for (int row = 0; row < 2; ++row) {
        put(1, row, CellKind::kOpenContact, "M0");
        for (int c = 2; c <= kLastConditionColumn; ++c)
            put(c, row, CellKind::kLine, "");
    }
    put(12, 0, CellKind::kFunctionBox, "MOV K1234 D10");
    put(12, 1, CellKind::kCoil, "M100");
    const test::BuiltImage built = test::BuildImage(project, dir.Path());
    ASSERT_TRUE(built.ok) << built.messages;

    QemuBoard board;
    QemuBoard::Options options;
    options.serialPty = true;
    options.elfPath = built.elf;
    ASSERT_TRUE(board.Start(built.image, options)) << board.Error();
    ASSERT_TRUE(board.Continue());
    test::ScopedEnv com1("VXTORVIN_COM1", board.SerialDevice().c_str());
    TheLinkSettings() = LinkSettings{};
    TheLinkSettings().comPortIndex = 0;
    TheProgram().Clear();
    TheProgram().sysParamString = project.sysParamString;
    ThePollState().Reset();

    TMonitorFrm frm;
    frm.show();
    ASSERT_TRUE(frm.LinkOpen());
    frm.PageControl1()->SetActivePageIndex(static_cast<int>(MonitorTab::M));
    // qemu takes a moment to see the port opened; the poller asks again (the
    // caption may tell a failed read meanwhile).
    VX_WAIT_EQ(CellText(frm, MonitorTab::M, 1, 11), QString("□M100"), test::kStateWaitMs);
    VX_WAIT_TRUE(
        frm.windowTitle().startsWith("软元件内存 ") && !frm.windowTitle().contains("通信失败"),
        test::kStateWaitMs);

    // Set M0: the ladder sets M100.
    frm.Grid(MonitorTab::M)->SelectCell(1, 1);
    WhenShown(&frm, [&] { frm.MonitorRSf()->BitBtn2()->click(); });
    frm.GridDblClick(MonitorTab::M);
    EXPECT_EQ(board.Byte("M", 0).value_or(0), 1);
    VX_WAIT_EQ(CellText(frm, MonitorTab::M, 1, 11), QString("■M100"), test::kStateWaitMs);
    EXPECT_EQ(CellText(frm, MonitorTab::M, 1, 1), QString("■M0"));

    // ... and moves K1234 into D10.
    frm.PageControl1()->SetActivePageIndex(static_cast<int>(MonitorTab::D));
    VX_WAIT_EQ(CellText(frm, MonitorTab::D, 1, 2), QString("D10 1234"), test::kStateWaitMs);

    // A register written through the dialog lands in the controller.
    frm.Grid(MonitorTab::D)->SelectCell(1, 3);
    WhenShown(&frm, [&] {
        frm.MonitorDf()->Edit1()->setText("-77");
        frm.MonitorDf()->BitBtn1()->click();
    });
    frm.DShow_Format()->setCurrentIndex(static_cast<int>(DFormat::S16));
    frm.GridDblClick(MonitorTab::D);
    EXPECT_EQ(board.Word("D", 20).value_or(0), static_cast<std::uint16_t>(-77));
    VX_WAIT_EQ(CellText(frm, MonitorTab::D, 1, 3), QString("D20 -77"), test::kStateWaitMs);

    // Reset M0: M100 drops, D10 keeps its value.
    frm.PageControl1()->SetActivePageIndex(static_cast<int>(MonitorTab::M));
    frm.Grid(MonitorTab::M)->SelectCell(1, 1);
    WhenShown(&frm, [&] { frm.MonitorRSf()->BitBtn4()->click(); });
    frm.GridDblClick(MonitorTab::M);
    VX_WAIT_EQ(CellText(frm, MonitorTab::M, 1, 11), QString("□M100"), test::kStateWaitMs);
    EXPECT_EQ(board.Word("D", 10).value_or(0), 1234);

    frm.close();
    EXPECT_FALSE(TheModbusLink().IsOpen());
    EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
}  // namespace vx
