// Forcing and setting values from the monitored ladder, against the simulated
// controller over Modbus TCP: the monitoring pop-up menu, its questions and
// writes, the ON/OFF panel of a Shift double click, the set-value dialog
// opened on a register, the signed display and a controller that does not
// answer.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "editor/Settings.h"
#include "editor/qt/Main.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/qt/F8setVal.h"
#include "online/qt/LadderPoller.h"
#include "online/qt/MonitorFrm.h"
#include "online/qt/StakeoutOnOff.h"
#include "outside/ModbusLink.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/SimulatedController.h"
#include "support/StartedMainWindow.h"

namespace vx {
namespace {

using plcsim::Area;

// Where the program's elements stand (grid column, row of the main program).
struct Place {
    int column;
    int row;
};
constexpr Place kX0{1, 0}, kY0{12, 0}, kM100{1, 1}, kT5Coil{12, 1}, kY17{12, 2}, kMov{12, 3},
    kMovT{12, 4}, kEmpty{5, 5};

class MainForceTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        test::ResetOnlineRunState();
        ASSERT_TRUE(test::UseSimulatorSettings(sim_.TcpPort()));
    }
    void TearDown() override { std::filesystem::remove(SettingsFilePath()); }

    // A started window with a new project, monitoring:
    //   X0 -| |- (Y0);  M100 -|/|- (T5 K50);  (Y17);  [MOV D100 D200];  [MOV T5 D0]
    std::unique_ptr<TMainFrm> Monitored() {
        auto frm = test::StartedMainWindow([this](TMainFrm& frm) {
            frm.Dialogs().entry = [this](std::int32_t, const std::string& text,
                                         const std::string&) { entries_.push_back(text); };
            frm.resize(1200, 800);
        });
        frm->FileNewItemClick();
        LadderCells& cells = TheProgram().cells;
        auto put = [&](Place p, std::uint8_t kind, const char* text) {
            cells.Kind(p.column, p.row) = kind;
            cells.First(p.column, p.row) = text;
        };
        put(kX0, CellKind::kOpenContact, "X0");
        put(kY0, CellKind::kCoil, "Y0");
        put(kM100, CellKind::kClosedContact, "M100");
        put(kT5Coil, CellKind::kCoil, "T5 K50");
        put(kY17, CellKind::kCoil, "Y17");
        put(kMov, CellKind::kFunctionBox, "MOV D100 D200");
        put(kMovT, CellKind::kFunctionBox, "MOV T5 D0");
        frm->Item("NStakeoutON")->trigger();
        EXPECT_TRUE(frm->Monitoring());
        sim_.ClearLog();
        return frm;
    }

    static void CursorTo(TMainFrm& frm, Place p) { frm.LadderEdit()->SetCursor(p.column, p.row); }

    // The writes the controller has seen since the last call (reads left out).
    std::vector<plcsim::LoggedRequest> Writes() {
        std::vector<plcsim::LoggedRequest> writes;
        for (const plcsim::LoggedRequest& r : sim_.TakeLog()) {
            if (r.function == 5 || r.function == 6 || r.function == 15 || r.function == 16)
                writes.push_back(r);
        }
        return writes;
    }

    // A double click on the cell as the mouse makes it (a click, then the
    // double click), with Shift held as the grid learns it or not.
    static void DoubleClick(TMainFrm& frm, Place p, bool shift) {
        TLadderGrid* grid = frm.LadderEdit();
        grid->SetCursor(p.column, p.row);  // scrolled into view
        const QPoint at = grid->CellRect(p.column, p.row).center();
        const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
        if (shift) QTest::keyPress(grid, Qt::Key_Shift);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, modifiers, at);
        if (shift) QTest::keyRelease(grid, Qt::Key_Shift);
    }
    static void ShiftDoubleClick(TMainFrm& frm, Place p) { DoubleClick(frm, p, true); }

    plcsim::PlcSim sim_{plcsim::SimOptions{1, false, true, 0, {}}};
    test::MessageRecorder messages_;
    std::vector<std::string> entries_;
};

TEST_F(MainForceTest, ThePopUpMenuFollowsMonitoring) {
    auto frm = Monitored();
    TFxPopupMenu* menu = frm->GridPopupMenu();
    EXPECT_EQ(menu->objectName(), QString("FxPopupMenu1"));
    QStringList captions;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator()) captions << a->objectName() + "=" + a->text();
    }
    EXPECT_EQ(captions, QStringList({"MenuItem4=强制 ON(&S)", "MenuItem6=强制 OFF(&R)",
                                     "MenuItem8=设置当前值(&V)", "N72=软元件内存(&D)",
                                     "N161=显示16位为有符号数(&N)"}));
    EXPECT_TRUE(frm->Item("N161")->isChecked());

    // The grid's context menu is the one of the state.
    TLadderGrid* grid = frm->LadderEdit();
    emit grid->customContextMenuRequested(grid->CellRect(1, 1).center());
    VX_WAIT_TRUE(menu->isVisible(), test::kStateWaitMs);
    menu->close();

    // N72 opens the device memory monitor as F9 does: the monitor takes the
    // link over from ladder monitoring and hands it back when it closes.
    EXPECT_TRUE(frm->Item("N72")->isEnabled());
    frm->Item("N72")->trigger();
    auto* monitor = frm->findChild<TMonitorFrm*>();
    ASSERT_NE(monitor, nullptr);
    EXPECT_TRUE(monitor->isVisible());
    EXPECT_FALSE(frm->Monitoring());
    monitor->close();
    ASSERT_TRUE(frm->Monitoring());
    frm->Item("N30")->setEnabled(false);
    EXPECT_FALSE(frm->Item("N72")->isEnabled()) << "enabled as its twin";
    frm->Item("N30")->setEnabled(true);

    frm->Item("NStakeoutON")->trigger();
    ASSERT_FALSE(frm->Monitoring());
    EXPECT_EQ(frm->GridPopupMenu()->objectName(), QString("SysTrayPopupMenu"));
    emit grid->customContextMenuRequested(grid->CellRect(1, 1).center());
    VX_WAIT_TRUE(frm->GridPopupMenu()->isVisible(), test::kStateWaitMs);
    EXPECT_FALSE(menu->isVisible());
    frm->GridPopupMenu()->close();
}

TEST_F(MainForceTest, ForceFromTheMenuAsksThenWritesTheDevice) {
    auto frm = Monitored();
    CursorTo(*frm, kM100);
    messages_.Answer(MsgAnswer::Yes);
    frm->Item("MenuItem4")->trigger();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "SET:  M100");
    EXPECT_EQ(messages_.Last().caption, "KZ6-Quillary");
    EXPECT_EQ(messages_.Last().buttons, MsgButtons::YesNo);
    auto writes = Writes();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].function, 5);
    EXPECT_EQ(writes[0].address, 100);
    EXPECT_TRUE(sim_.Bit(Area::M, 100));
    EXPECT_TRUE(frm->Monitoring()) << "the poller runs again after the write";

    // No: nothing is written.
    messages_.Clear();
    messages_.Answer(MsgAnswer::No);
    frm->Item("MenuItem6")->trigger();
    EXPECT_EQ(messages_.Last().text, "RST:  M100");
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(sim_.Bit(Area::M, 100));
    messages_.Answer(MsgAnswer::Yes);
    frm->Item("MenuItem6")->trigger();
    EXPECT_FALSE(sim_.Bit(Area::M, 100));

    // Outputs by their octal label, timer contacts.
    for (Place p : {kY0, kY17, kT5Coil}) {
        CursorTo(*frm, p);
        messages_.Answer(MsgAnswer::Yes);
        frm->Item("MenuItem4")->trigger();
    }
    EXPECT_TRUE(sim_.Bit(Area::Y, 0));
    EXPECT_TRUE(sim_.Bit(Area::Y, 17));
    EXPECT_FALSE(sim_.Bit(Area::Y, 15));
    EXPECT_TRUE(sim_.Bit(Area::T, 5));
    writes = Writes();
    ASSERT_EQ(writes.size(), 4u);  // with the OFF of M100
    EXPECT_EQ(writes[1].address, 11000);
    EXPECT_EQ(writes[2].address, 11017);
    EXPECT_EQ(writes[3].address, 10405);

    // An input, an empty cell and a register are not forced, and nothing is asked.
    messages_.Clear();
    for (Place p : {kX0, kEmpty, kMov}) {
        CursorTo(*frm, p);
        frm->Item("MenuItem4")->trigger();
        frm->Item("MenuItem6")->trigger();
    }
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_TRUE(Writes().empty());
}

TEST_F(MainForceTest, ShiftDoubleClickOnABitDeviceShowsTheOnOffPanel) {
    auto frm = Monitored();
    TStakeoutOnOff* panel = frm->StakeoutOnOff();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->objectName(), QString("Stakeout_ON_OFF"));
    EXPECT_FALSE(panel->isVisible());

    ShiftDoubleClick(*frm, kM100);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->Label1()->text(), QString("M100"));
    EXPECT_EQ(panel->Tag(), MakeDeviceCode(DeviceKind::M, 100));
    EXPECT_EQ(panel->size(), QSize(192, 66));
    const QRect cell = frm->LadderEdit()->CellRect(kM100.column, kM100.row);
    EXPECT_TRUE(panel->geometry().contains(cell.center())) << "at the mouse";
    EXPECT_EQ(panel->Panel2()->text(), QString("ON"));
    EXPECT_EQ(panel->Panel2()->property("Tag").toInt(), 255);
    EXPECT_EQ(panel->Panel6()->text(), QString("OFF"));
    EXPECT_EQ(panel->Panel6()->property("Tag").toInt(), 0);
    EXPECT_TRUE(entries_.empty()) << "no entry dialog";

    QTest::mouseClick(panel->Panel2(), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(sim_.Bit(Area::M, 100));
    auto writes = Writes();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].address, 100);
    EXPECT_TRUE(messages_.Messages().empty()) << "the panel asks nothing";

    // A timer coil is a bit device: the panel, for its contact, not the
    // set-value dialog (which would be closed again here).
    int dialogs = 0;
    QTimer guard;
    guard.setInterval(5);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (!frm->F8setValFrm()->isVisible()) return;
        ++dialogs;
        frm->F8setValFrm()->reject();
    });
    guard.start();
    ShiftDoubleClick(*frm, kT5Coil);
    EXPECT_EQ(dialogs, 0);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->Label1()->text(), QString("T5"));
    QTest::mouseClick(panel->Panel2(), Qt::LeftButton);
    EXPECT_TRUE(sim_.Bit(Area::T, 5));
    ShiftDoubleClick(*frm, kT5Coil);
    QTest::mouseClick(panel->Panel6(), Qt::LeftButton);
    EXPECT_FALSE(sim_.Bit(Area::T, 5));

    // The panel near the right edge stays whole in the grid.
    ShiftDoubleClick(*frm, kY17);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->Label1()->text(), QString("Y17"));
    EXPECT_TRUE(panel->parentWidget()->rect().contains(panel->geometry()));
    // Another cell, or the end of monitoring, puts it away.
    CursorTo(*frm, kY0);
    EXPECT_FALSE(panel->isVisible());
    ShiftDoubleClick(*frm, kY17);
    ASSERT_TRUE(panel->isVisible());
    frm->Item("NStakeoutON")->trigger();
    EXPECT_FALSE(panel->isVisible());
    frm->Item("NStakeoutON")->trigger();

    // An input: nothing. Without Shift the element entry dialog opens.
    sim_.TakeLog();
    ShiftDoubleClick(*frm, kX0);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(entries_.empty());
    DoubleClick(*frm, kM100, false);
    EXPECT_EQ(entries_, std::vector<std::string>{"M100"});
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(Writes().empty());
}

TEST_F(MainForceTest, RegistersOpenTheSetValueDialogPresetToTheirDevice) {
    auto frm = Monitored();
    TF8setValFrm* dialog = frm->F8setValFrm();
    ASSERT_NE(dialog, nullptr);
    // What the dialog showed each time it opened, and the value it then sent.
    std::vector<std::pair<QString, int>> shown;
    QTimer watch;
    watch.setInterval(5);
    const char* answer = nullptr;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!dialog->isVisible()) return;
        watch.stop();
        shown.emplace_back(dialog->DTC()->currentText(), dialog->SpinEdit1()->value());
        if (answer != nullptr) {
            dialog->Edit1()->setText(QString::fromUtf8(answer));
            dialog->BitBtn1()->click();
        }
        dialog->BitBtn3()->click();
    });
    auto sendOnShow = [&](const char* text) {
        answer = text;
        watch.start();
    };

    sendOnShow("H10");
    ShiftDoubleClick(*frm, kMov);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], std::make_pair(QString("D"), 100));
    EXPECT_EQ(sim_.Word(Area::D, 100), 16);
    EXPECT_TRUE(dialog->Memo1()->toPlainText().endsWith("D100  --> H10 [ K16 ]"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(frm->StakeoutOnOff()->isVisible());

    // A timer's current value, from the menu.
    CursorTo(*frm, kMovT);
    sendOnShow("K42");
    frm->Item("MenuItem8")->trigger();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], std::make_pair(QString("T"), 5));
    EXPECT_EQ(sim_.Word(Area::TValue, 5), 42);
    auto writes = Writes();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[1].function, 16);
    EXPECT_EQ(writes[1].address, 21005);

    // On a cell without a register the dialog keeps the device it had.
    CursorTo(*frm, kM100);
    sendOnShow(nullptr);
    frm->Item("MenuItem8")->trigger();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2], std::make_pair(QString("T"), 5));
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_TRUE(frm->Monitoring());
}

TEST_F(MainForceTest, TheSignedDisplayFollowsN161) {
    auto frm = Monitored();
    sim_.SetWord(Area::D, 100, 65535);
    auto line1 = [&] {
        CellLiveState live;
        frm->LadderEdit()->DrawContext().evaluate(kMov.column, kMov.row, live);
        return live.line1;
    };
    VX_WAIT_TRUE(TheDeviceImage().Word(DeviceKind::D, 100).value() == 65535, test::kStateWaitMs);
    EXPECT_EQ(line1().substr(0, 4), "-1  ");
    frm->Item("N161")->trigger();
    EXPECT_FALSE(frm->Item("N161")->isChecked());
    EXPECT_EQ(line1().substr(0, 5), "65535");
    frm->Item("N161")->trigger();
    EXPECT_EQ(line1().substr(0, 4), "-1  ");
}

TEST_F(MainForceTest, AWriteTheControllerDoesNotConfirmIsReported) {
    auto frm = Monitored();
    // Let the poller's reads run dry, then silence the next request: the write.
    frm->LadderPoller()->SetScheme({});
    VX_WAIT_TRUE(ThePollState().answerReady, test::kStateWaitMs);
    CursorTo(*frm, kM100);
    sim_.PushFault(plcsim::Fault::Silence());
    messages_.Answer(MsgAnswer::Yes);
    frm->Item("MenuItem4")->trigger();
    ASSERT_EQ(messages_.Count(), 2u);
    EXPECT_EQ(messages_.Last().text, "通信失败 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_EQ(messages_.Last().caption, "KZ6-Quillary");
    EXPECT_FALSE(sim_.Bit(Area::M, 100));

    // From the ON/OFF panel too.
    messages_.Clear();
    sim_.PushFault(plcsim::Fault::Silence());
    ShiftDoubleClick(*frm, kM100);
    QTest::mouseClick(frm->StakeoutOnOff()->Panel2(), Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "通信失败 ！");
    EXPECT_TRUE(frm->Monitoring());
}

}  // namespace
}  // namespace vx
