// The device memory monitor against the simulated controller over Modbus TCP
// on the loopback address: the reads each tab sends (as the simulator logs
// them), the M and D windows following the grid, what the grids show, the
// set/reset and register write dialogs with their refusals and failures, a
// link that cannot open, the jump bar and go-to dialog, and the close that
// hands the link back.
#include "online/qt/MonitorFrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "editor/ProjectFile.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/LinkSettings.h"
#include "online/qt/MonitorDf.h"
#include "online/qt/MonitorGotoFrm.h"
#include "online/qt/MonitorGrid.h"
#include "online/qt/MonitorRSf.h"
#include "outside/ModbusLink.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/SimulatedController.h"
#include "widgets/WgGroupItem.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

using plcsim::Area;

// A read as the simulator logs it: Modbus function, address, count.
struct Req {
    int function, address, count;
    bool operator==(const Req&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Req& r) {
    return out << "{fn " << r.function << ", " << r.address << ", " << r.count << "}";
}

std::vector<Req> Coils(int base, std::initializer_list<int> starts, int count) {
    std::vector<Req> reqs;
    for (int s : starts)
        reqs.push_back({1, base + s, count});
    return reqs;
}
std::vector<Req> Registers(int base, std::initializer_list<int> starts, int count) {
    std::vector<Req> reqs;
    for (int s : starts)
        reqs.push_back({3, base + s, count});
    return reqs;
}

using Triple = std::array<int, 3>;  // value, number, area code

class MonitorFrmTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        TheProgram().Clear();
        test::UseSimulatorLink(sim_.TcpPort());

        frm_ = std::make_unique<TMonitorFrm>();
        TMonitorFrm::Hooks& hooks = frm_->Seams();
        hooks.writeBit = [this](int value, int number, int code) {
            bitWrites_.push_back({value, number, code});
            return Modbus_Write_B_relay(value, number, code);
        };
        hooks.writeWords = [this](const std::uint16_t* words, int number, int count, int code) {
            wordWrites_.push_back({words[0], number, code});
            if (count == 2) wordWrites_.push_back({words[1], number + 1, code});
            return Modbus_Write_W_register(words, number, count, code);
        };
        hooks.monitorButtonUp = [this] { events_.push_back("button up"); };
        hooks.restartLadderMonitoring = [this] {
            events_.push_back(TheModbusLink().IsOpen() ? "restart, link open"
                                                       : "restart, link closed");
        };
    }
    void TearDown() override {
        if (frm_ && frm_->isVisible()) frm_->close();
        frm_.reset();
        TheLinkSettings() = LinkSettings{};
    }

    std::vector<Req> Reads() const {
        std::vector<Req> reads;
        for (const plcsim::LoggedRequest& r : sim_.Log()) {
            if (r.function >= 1 && r.function <= 3)
                reads.push_back({r.function, r.address, r.count});
        }
        return reads;
    }
    static bool HasRun(const std::vector<Req>& reads, const std::vector<Req>& run) {
        return std::search(reads.begin(), reads.end(), run.begin(), run.end()) != reads.end();
    }

    // Chooses a tab and waits until the poller has read its whole sweep in
    // order; from the first read of the new tab on, nothing else is read.
    void ExpectSweep(int tab, const std::vector<Req>& sweep) {
        frm_->PageControl1()->SetActivePageIndex(tab);
        auto inSweep = [&](const Req& r) {
            return std::find(sweep.begin(), sweep.end(), r) != sweep.end();
        };
        VX_WAIT_TRUE(std::ranges::any_of(Reads(), inSweep), test::kStateWaitMs);
        sim_.ClearLog();
        VX_WAIT_TRUE(HasRun(Reads(), sweep), test::kStateWaitMs);
        for (const Req& r : Reads())
            EXPECT_TRUE(inSweep(r)) << "tab " << tab << " read " << r;
    }

    TMonitorGrid* Grid(MonitorTab tab) const { return frm_->Grid(tab); }
    QString CellText(MonitorTab tab, int column, int row) const {
        TMonitorGridModel* model = Grid(tab)->Model();
        return model->data(model->index(row - 1, column - 1), Qt::DisplayRole).toString();
    }
    // Runs `action` once a modal dialog is up.
    void WhenShown(std::function<void()> action) {
        auto* poll = new QTimer(frm_.get());
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, frm_.get(), [poll, action = std::move(action)] {
            if (QApplication::activeModalWidget() == nullptr) return;
            poll->stop();
            poll->deleteLater();
            action();
        });
        poll->start();
    }
    // Double-clicks a cell of the grid shown; `inDialog` runs once its dialog is up.
    void DoubleClick(MonitorTab tab, int column, int row, std::function<void()> inDialog) {
        TMonitorGrid* grid = Grid(tab);
        grid->SelectCell(column, row);
        const QPoint at = grid->visualRect(grid->currentIndex()).center();
        WhenShown(std::move(inDialog));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    }
    // Writes a value through the register write dialog.
    void WriteRegister(const QString& reg, const QString& value, bool closeAfter = true) {
        TMonitorDf* df = frm_->MonitorDf();
        WhenShown([=] {
            df->Edit2()->setText(reg);
            df->Edit1()->setText(value);
            df->CheckBox1()->setChecked(closeAfter);
            df->BitBtn1()->click();
            if (df->isVisible()) df->reject();
        });
        df->exec();
    }

    plcsim::PlcSim sim_{plcsim::SimOptions{1, false, true, 0, {}}};
    test::MessageRecorder messages_;
    std::unique_ptr<TMonitorFrm> frm_;
    std::vector<Triple> bitWrites_;
    std::vector<Triple> wordWrites_;
    std::vector<std::string> events_;
};

TEST_F(MonitorFrmTest, EachTabReadsOnlyItsOwnAreas) {
    // A read left outstanding by ladder monitoring is not this window's.
    ThePollState().answerReady = false;
    ThePollState().retryCount = 40;
    ThePollState().pollStep = 7;
    frm_->show();
    ASSERT_TRUE(frm_->LinkOpen());
    EXPECT_TRUE(ThePollState().answerReady);
    EXPECT_EQ(ThePollState().retryCount, 0);
    EXPECT_TRUE(frm_->Timer2().isActive());
    EXPECT_TRUE(frm_->Timer3().isActive());
    EXPECT_EQ(frm_->Timer1().interval(), 200);
    EXPECT_EQ(frm_->Timer2().interval(), 10);
    EXPECT_EQ(frm_->Timer3().interval(), 2000);
    EXPECT_EQ(frm_->PageControl1()->ActivePageIndex(), 0) << "X first";

    ExpectSweep(0, {{2, 0, 378}});
    VX_WAIT_TRUE(frm_->windowTitle().startsWith("软元件内存 "), test::kStateWaitMs);
    ExpectSweep(1, {{1, 11000, 378}});
    ExpectSweep(2, Coils(0, {0, 112, 224, 336}, 112));  // M, offset 0
    ExpectSweep(3, {{1, 10000, 200}});
    ExpectSweep(5, {{1, 10800, 200}, {3, 21500, 100}, {3, 21600, 100}});
    ExpectSweep(6, Registers(0, {0, 100, 200, 300}, 100));
    ExpectSweep(7, Registers(10000, {0, 100, 200, 300, 400, 500}, 100));
    std::vector<Req> t{{1, 10400, 400}};
    for (Req r : Registers(21000, {0, 100, 200, 300}, 100))
        t.push_back(r);
    ExpectSweep(4, t);
    // From T to X: only X is read.
    ExpectSweep(0, {{2, 0, 378}});
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MonitorFrmTest, ClickingATabOfThePageControlShowsItsGridAndPollsItsArea) {
    frm_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frm_.get()));
    TWgPageControl* pages = frm_->PageControl1();
    ASSERT_EQ(pages->PageCount(), 9);
    EXPECT_EQ(pages->Pages(6)->objectName(), QString("TabSheet_D"));
    EXPECT_EQ(pages->Pages(8)->Caption(), QString(" 关 闭 "));
    const TRect d = pages->TabRect(6);
    QTest::mouseClick(pages, Qt::LeftButton, {}, QPoint((d.left + d.right) / 2, d.top + 4));
    EXPECT_EQ(pages->ActivePageIndex(), 6);
    EXPECT_TRUE(frm_->Flags().d);
    EXPECT_FALSE(frm_->Flags().x);
    EXPECT_TRUE(frm_->DShow_Format()->isVisible());
    EXPECT_TRUE(Grid(MonitorTab::D)->isVisible());
    EXPECT_FALSE(Grid(MonitorTab::X)->isVisible());
    // The format choice lies in the strip, clear of the tabs.
    EXPECT_GE(frm_->DShow_Format()->x(), pages->TabRect(8).right);
    const TRect close = pages->TabRect(8);
    QTest::mouseClick(pages, Qt::LeftButton, {},
                      QPoint((close.left + close.right) / 2, close.top + 4));
    EXPECT_FALSE(frm_->isVisible()) << "the last tab closes the window";
}

TEST_F(MonitorFrmTest, TheMAndDWindowsFollowTheRowsInView) {
    frm_->show();
    ASSERT_TRUE(frm_->LinkOpen());
    // M5000-M5299 in view: M5000-M5447 in four reads of 112 bits.
    frm_->PageControl1()->SetActivePageIndex(2);
    Grid(MonitorTab::M)->verticalScrollBar()->setValue(500);
    EXPECT_EQ(Grid(MonitorTab::M)->TopRow(), 501);
    VX_WAIT_TRUE(HasRun(Reads(), Coils(0, {5000, 5112, 5224, 5336}, 112)), test::kStateWaitMs);
    EXPECT_EQ(frm_->Windows().mOffset, 5000);

    // A D window from 9950 reads D9900-D9999 for every step.
    frm_->PageControl1()->SetActivePageIndex(6);
    EXPECT_EQ(frm_->Windows().dOffset, 0);
    frm_->Timer3().stop();
    frm_->Windows().dOffset = 9950;
    sim_.ClearLog();
    VX_WAIT_TRUE(HasRun(Reads(), Registers(9900, {0, 0, 0, 0}, 100)), test::kStateWaitMs);
    // The last rows in view.
    frm_->Timer3().start();
    Grid(MonitorTab::D)->scrollToBottom();
    VX_WAIT_TRUE(HasRun(Reads(), Registers(9700, {0, 100, 200, 200}, 100)), test::kStateWaitMs);

    // In the 32-bit view the window starts at the first row in view too,
    // though the last column shows the next row's first pair.
    frm_->DShow_Format()->setCurrentIndex(static_cast<int>(DFormat::S32));
    frm_->Timer3().stop();
    Grid(MonitorTab::D)->verticalScrollBar()->setValue(100);
    frm_->Timer3Timer();  // what was drawn before is forgotten
    Grid(MonitorTab::D)->repaint();
    frm_->Timer3Timer();
    EXPECT_EQ(frm_->Windows().dOffset, 1000);
    VX_WAIT_TRUE(HasRun(Reads(), Registers(1000, {0, 100, 200, 300}, 100)), test::kStateWaitMs);
}

TEST_F(MonitorFrmTest, TheGridsShowTheController) {
    sim_.SetBit(Area::X, 17, true);
    sim_.SetBit(Area::Y, 377, true);
    sim_.SetBit(Area::T, 235, true);
    sim_.SetWord(Area::TValue, 235, 77);
    sim_.SetWord(Area::D, 104, 2);
    sim_.SetWord(Area::D, 105, 1);
    sim_.SetWord(Area::D, 10060, 40000);
    frm_->show();

    // X: eight columns of octal numbers.
    TMonitorGridModel* x = Grid(MonitorTab::X)->Model();
    ASSERT_EQ(x->columnCount(), 8);
    ASSERT_EQ(x->rowCount(), 32);
    const char* labels[] = {"X0", "X10", "X20", "X30", "X40", "X50", "X60", "X70", "X100"};
    for (int row = 0; row < 9; ++row)
        EXPECT_EQ(x->headerData(row, Qt::Vertical, Qt::DisplayRole).toString(), labels[row]);
    EXPECT_EQ(x->headerData(31, Qt::Vertical, Qt::DisplayRole).toString(), "X370");
    EXPECT_EQ(x->headerData(7, Qt::Horizontal, Qt::DisplayRole).toString(), " + 7");
    VX_WAIT_EQ(CellText(MonitorTab::X, 8, 2), QString("■X17"), test::kStateWaitMs);
    EXPECT_EQ(CellText(MonitorTab::X, 1, 3), QString("□X20"));

    frm_->PageControl1()->SetActivePageIndex(1);
    VX_WAIT_EQ(CellText(MonitorTab::Y, 8, 32), QString("■Y377"), test::kStateWaitMs);
    frm_->PageControl1()->SetActivePageIndex(4);
    VX_WAIT_EQ(CellText(MonitorTab::T, 6, 24), QString("■T235 77"), test::kStateWaitMs);

    // D in the 32-bit view: column 3 of the row labelled D100 shows D104/D105.
    frm_->PageControl1()->SetActivePageIndex(6);
    EXPECT_TRUE(frm_->DShow_Format()->isVisible());
    frm_->DShow_Format()->setCurrentIndex(static_cast<int>(DFormat::S32));
    TMonitorGridModel* d = Grid(MonitorTab::D)->Model();
    ASSERT_EQ(d->columnCount(), 6);
    EXPECT_EQ(d->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), " + 10");
    EXPECT_EQ(d->headerData(10, Qt::Vertical, Qt::DisplayRole).toString(), "D100");
    VX_WAIT_EQ(CellText(MonitorTab::D, 3, 11), QString("D104 65538"), test::kStateWaitMs);
    frm_->DShow_Format()->setCurrentIndex(static_cast<int>(DFormat::H16));
    EXPECT_EQ(d->columnCount(), 10);
    EXPECT_EQ(CellText(MonitorTab::D, 5, 11), QString("D104 0002"));

    frm_->PageControl1()->SetActivePageIndex(7);
    EXPECT_FALSE(frm_->DShow_Format()->isVisible());
    VX_WAIT_EQ(CellText(MonitorTab::SD, 1, 7), QString("D10060 40000"), test::kStateWaitMs);
}

TEST_F(MonitorFrmTest, SetAndResetWriteTheBitOfTheCell) {
    frm_->show();
    ASSERT_TRUE(frm_->LinkOpen());
    frm_->PageControl1()->SetActivePageIndex(2);
    QString caption;
    DoubleClick(MonitorTab::M, 1, 11, [&] {
        caption = frm_->MonitorRSf()->windowTitle();
        frm_->MonitorRSf()->BitBtn2()->click();
    });
    EXPECT_EQ(caption, QString("M:100"));
    EXPECT_FALSE(frm_->MonitorRSf()->isVisible());
    EXPECT_TRUE(sim_.Bit(Area::M, 100));

    sim_.SetBit(Area::Y, 17, true);
    frm_->PageControl1()->SetActivePageIndex(1);
    DoubleClick(MonitorTab::Y, 8, 2, [&] {
        caption = frm_->MonitorRSf()->windowTitle();
        frm_->MonitorRSf()->BitBtn4()->click();
    });
    EXPECT_EQ(caption, QString("Y:17"));
    EXPECT_FALSE(sim_.Bit(Area::Y, 17));

    frm_->PageControl1()->SetActivePageIndex(3);
    DoubleClick(MonitorTab::S, 6, 1, [&] { frm_->MonitorRSf()->BitBtn2()->click(); });
    EXPECT_TRUE(sim_.Bit(Area::S, 5));
    // Cancel writes nothing; X cells open nothing.
    DoubleClick(MonitorTab::S, 7, 1, [&] { frm_->MonitorRSf()->BitBtn1()->click(); });
    frm_->PageControl1()->SetActivePageIndex(0);
    Grid(MonitorTab::X)->SelectCell(1, 1);
    frm_->GridDblClick(MonitorTab::X);

    EXPECT_EQ(bitWrites_, (std::vector<Triple>{{1, 100, 5}, {0, 17, 109}, {1, 5, 14}}));
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_TRUE(frm_->Timer2().isActive()) << "polling goes on";
}

TEST_F(MonitorFrmTest, RegisterWritesTakeTheFormatsNotationAndRangeOnly) {
    frm_->show();
    ASSERT_TRUE(frm_->LinkOpen());
    sim_.SetWord(Area::D, 100, 4321);
    frm_->PageControl1()->SetActivePageIndex(6);
    VX_WAIT_EQ(CellText(MonitorTab::D, 1, 11), QString("D100 4321"), test::kStateWaitMs);
    TMonitorDf* df = frm_->MonitorDf();
    QString reg, value, format;
    DoubleClick(MonitorTab::D, 1, 11, [&] {
        reg = df->Edit2()->text();
        value = df->Edit1()->text();
        format = df->DatFormat()->text();
        EXPECT_TRUE(df->CheckBox1()->isChecked());
        df->Edit1()->setText("1234");
        QTest::keyClick(df->Edit1(), Qt::Key_Return);  // Enter writes
    });
    EXPECT_EQ(reg, QString("100"));
    EXPECT_EQ(value, QString("4321"));
    EXPECT_EQ(format, QString("16bit-U"));
    EXPECT_FALSE(df->isVisible()) << "closed after the write";
    EXPECT_EQ(sim_.Word(Area::D, 100), 1234);

    // Out of the format's range, malformed, or outside D0-D20000: refused,
    // nothing written.
    WriteRegister("100", "70000");
    EXPECT_EQ(messages_.Last().text, "数值超过范围 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
    WriteRegister("100", "12A");
    EXPECT_EQ(messages_.Last().text, "输入错误 ！");
    WriteRegister("100", "");
    EXPECT_EQ(messages_.Last().text, "输入错误 ！");
    WriteRegister("20001", "1");
    EXPECT_EQ(messages_.Last().text, "寄存器超过范围 (D0 - D20000) ！");
    EXPECT_EQ(messages_.Count(), 4u);
    EXPECT_EQ(sim_.Word(Area::D, 100), 1234);
    EXPECT_EQ(wordWrites_.size(), 1u);

    // 32-bit formats write the pair, the low word first; the check box
    // cleared keeps the dialog open.
    frm_->DShow_Format()->setCurrentIndex(static_cast<int>(DFormat::S32));
    DoubleClick(MonitorTab::D, 1, 21, [&] {
        format = df->DatFormat()->text();
        df->reject();
    });
    EXPECT_EQ(format, QString("32bit-S"));
    WriteRegister("200", "-2");
    EXPECT_EQ(sim_.Word(Area::D, 200), 0xFFFE);
    EXPECT_EQ(sim_.Word(Area::D, 201), 0xFFFF);
    frm_->DShow_Format()->setCurrentIndex(static_cast<int>(DFormat::F32));
    df->SetFormat(DFormat::F32);
    bool stayed = false;
    WhenShown([&] {
        df->Edit2()->setText("300");
        df->Edit1()->setText("1.5");
        df->CheckBox1()->setChecked(false);
        df->BitBtn1()->click();
        stayed = df->isVisible();
        df->BitBtn3()->click();
    });
    df->exec();
    EXPECT_TRUE(stayed);
    float f = 1.5f;
    std::uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    EXPECT_EQ(sim_.Word(Area::D, 300), bits & 0xFFFF);
    EXPECT_EQ(sim_.Word(Area::D, 301), bits >> 16);
    WriteRegister("20000", "1");
    EXPECT_EQ(messages_.Last().text, "寄存器超过范围 (D0 - D20000) ！") << "a pair needs D20001";

    // A system register is one unsigned word, whatever the D view shows.
    sim_.SetWord(Area::D, 10006, 9);
    frm_->PageControl1()->SetActivePageIndex(7);
    VX_WAIT_EQ(CellText(MonitorTab::SD, 7, 1), QString("D10006 9"), test::kStateWaitMs);
    DoubleClick(MonitorTab::SD, 7, 1, [&] {
        reg = df->Edit2()->text();
        value = df->Edit1()->text();
        format = df->DatFormat()->text();
        df->Edit1()->setText("65535");
        df->BitBtn1()->click();
    });
    EXPECT_EQ(reg, QString("10006"));
    EXPECT_EQ(value, QString("9"));
    EXPECT_EQ(format, QString("16bit-U"));
    EXPECT_EQ(sim_.Word(Area::D, 10006), 65535);
    EXPECT_EQ(sim_.Word(Area::D, 10007), 0);

    EXPECT_EQ(wordWrites_, (std::vector<Triple>{{1234, 100, 16},
                                                {0xFFFE, 200, 16},
                                                {0xFFFF, 201, 16},
                                                {static_cast<int>(bits & 0xFFFF), 300, 16},
                                                {static_cast<int>(bits >> 16), 301, 16},
                                                {65535, 10006, 16}}));
}

TEST_F(MonitorFrmTest, ASilentControllerFailsTheWrites) {
    frm_->show();
    ASSERT_TRUE(frm_->LinkOpen());
    frm_->PageControl1()->SetActivePageIndex(2);
    for (int i = 0; i < 400; ++i)
        sim_.PushFault(plcsim::Fault::Silence());
    DoubleClick(MonitorTab::M, 1, 1, [&] { frm_->MonitorRSf()->BitBtn2()->click(); });
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "通信失败 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_FALSE(frm_->MonitorRSf()->isVisible());

    frm_->MonitorDf()->SetFormat(DFormat::U16);
    WriteRegister("5", "5");
    ASSERT_EQ(messages_.Count(), 2u);
    EXPECT_EQ(messages_.Last().text, "通信失败 ！");
    EXPECT_EQ(bitWrites_.size(), 1u);
    EXPECT_EQ(wordWrites_.size(), 1u);

    // Polling goes on and reads again once the controller answers.
    EXPECT_TRUE(frm_->Timer2().isActive());
    sim_.ClearFaults();
    sim_.SetBit(Area::M, 3, true);
    VX_WAIT_EQ(CellText(MonitorTab::M, 4, 1), QString("■M3"), test::kStateWaitMs);
}

TEST_F(MonitorFrmTest, WithoutALinkNothingRunsAndTheDialogsSaySo) {
    test::ScopedEnv com5("VXTORVIN_COM5", "/nonexistent/ttyPLC");
    TheLinkSettings().comPortIndex = 4;
    TheProgram().sysParamString = kDefaultSysParamString;  // station 1: only the port fails
    TheDeviceImage().SetBit(DeviceKind::M, 1, true);
    frm_->show();
    EXPECT_FALSE(frm_->LinkOpen());
    EXPECT_FALSE(frm_->Timer2().isActive());
    EXPECT_FALSE(frm_->Timer3().isActive());
    EXPECT_FALSE(TheDeviceImage().Bit(DeviceKind::M, 1).value()) << "the image is cleared";
    EXPECT_EQ(frm_->windowTitle(), QString("软元件内存 通信失败 ！"));
    EXPECT_TRUE(messages_.Messages().empty()) << "told in the caption, not in a box";

    frm_->PageControl1()->SetActivePageIndex(2);
    bool stayed = false;
    DoubleClick(MonitorTab::M, 1, 1, [&] {
        frm_->MonitorRSf()->BitBtn2()->click();
        stayed = frm_->MonitorRSf()->isVisible();
        frm_->MonitorRSf()->reject();
    });
    EXPECT_TRUE(stayed);
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "通信端口未打开 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    WriteRegister("5", "5");
    ASSERT_EQ(messages_.Count(), 2u);
    EXPECT_EQ(messages_.Last().text, "通信端口未打开 ！");
    EXPECT_TRUE(bitWrites_.empty());
    EXPECT_TRUE(wordWrites_.empty());

    // Pausing and resuming keeps the poller off.
    frm_->PausePolling();
    frm_->ResumePolling();
    EXPECT_FALSE(frm_->Timer2().isActive());
    frm_->close();
    EXPECT_EQ(events_, (std::vector<std::string>{"button up"}));
}

TEST_F(MonitorFrmTest, WhatWasNotReadIsGreyAndAFailedLinkIsInTheCaption) {
    sim_.SetBit(Area::X, 17, true);
    auto unread = [&](int column, int row) {
        TMonitorGridModel* model = Grid(MonitorTab::X)->Model();
        return !model->Cell(model->index(row - 1, column - 1)).read;
    };
    auto failed = [&] { return frm_->windowTitle() == QString("软元件内存 通信失败 ！"); };
    auto readsOfX = [&] { return std::ranges::count(Reads(), Req{2, 0, 378}); };

    // Modbus TCP refused: nothing is read, every cell grey.
    TheLinkSettings().tcpPortText = std::to_string(test::RefusedTcpPort());
    frm_->show();
    EXPECT_FALSE(frm_->LinkOpen());
    EXPECT_TRUE(failed());
    EXPECT_EQ(CellText(MonitorTab::X, 8, 2), QString("X17"));
    EXPECT_TRUE(unread(8, 2));
    EXPECT_TRUE(unread(1, 1));
    EXPECT_TRUE(sim_.Log().empty());
    frm_->close();
    frm_->Seams().chinese = [] { return false; };
    frm_->show();
    EXPECT_TRUE(frm_->windowTitle().endsWith(" Communication failed!"))
        << frm_->windowTitle().toStdString();
    frm_->close();
    frm_->Seams().chinese = [] { return true; };

    // A silent controller: the reads go out and are given up.
    TheLinkSettings().tcpPortText = std::to_string(sim_.TcpPort());
    for (int i = 0; i < 2000; ++i)
        sim_.PushFault(plcsim::Fault::Silence());
    frm_->show();
    ASSERT_TRUE(frm_->LinkOpen());
    EXPECT_EQ(frm_->windowTitle(), QString("软元件内存"));
    VX_WAIT_TRUE(failed(), test::kStateWaitMs);
    EXPECT_GE(readsOfX(), 1);
    EXPECT_TRUE(unread(8, 2));

    // The controller answers: the cells are live and the spinner is back.
    sim_.ClearFaults();
    VX_WAIT_EQ(CellText(MonitorTab::X, 8, 2), QString("■X17"), test::kStateWaitMs);
    EXPECT_EQ(CellText(MonitorTab::X, 1, 1), QString("□X0"));
    VX_WAIT_TRUE(!failed(), test::kStateWaitMs);
    EXPECT_TRUE(frm_->windowTitle().startsWith("软元件内存 "));

    // It goes away mid-session: the caption tells, the last values turn grey.
    for (int i = 0; i < 2000; ++i)
        sim_.PushFault(plcsim::Fault::Silence());
    VX_WAIT_TRUE(failed() && unread(8, 2), test::kStateWaitMs);
    EXPECT_EQ(CellText(MonitorTab::X, 8, 2), QString("X17"));
    // Reads go on being given up: still no box, whatever the number of ticks.
    const auto given = readsOfX();
    VX_WAIT_TRUE(readsOfX() >= given + 2, test::kStateWaitMs);
    EXPECT_TRUE(messages_.Messages().empty());
    frm_->close();
}

TEST_F(MonitorFrmTest, ClosingHandsTheLinkBackToLadderMonitoring) {
    frm_->show();
    ASSERT_TRUE(frm_->LinkOpen());
    ASSERT_TRUE(TheModbusLink().IsOpen());

    // Another window's write pauses the poller and restores it.
    frm_->PausePolling();
    EXPECT_FALSE(frm_->Timer2().isActive());
    EXPECT_TRUE(frm_->LinkOpen());
    frm_->ResumePolling();
    EXPECT_TRUE(frm_->Timer2().isActive());
    frm_->Timer2().stop();
    frm_->PausePolling();
    frm_->ResumePolling();
    EXPECT_FALSE(frm_->Timer2().isActive()) << "it stays as it was";
    frm_->Timer2().start();

    // Opened from ladder monitoring: the close restarts it, after the link is closed.
    frm_->SetTag(TMonitorFrm::kFromLadderMonitoring);
    frm_->PageControl1()->SetActivePageIndex(6);
    frm_->PageControl1()->SetActivePageIndex(8);  // " 关 闭 "
    EXPECT_FALSE(frm_->isVisible());
    EXPECT_FALSE(frm_->LinkOpen());
    EXPECT_FALSE(TheModbusLink().IsOpen());
    EXPECT_EQ(frm_->Tag(), 0);
    EXPECT_EQ(events_, (std::vector<std::string>{"button up", "restart, link closed"}));
    VX_WAIT_EQ(sim_.TcpConnections(), 0, test::kStateWaitMs);

    // Shown again: the tab last shown, the link open again; a plain close
    // restarts nothing.
    events_.clear();
    frm_->show();
    EXPECT_EQ(frm_->PageControl1()->ActivePageIndex(), 6);
    EXPECT_TRUE(frm_->DShow_Format()->isVisible());
    EXPECT_TRUE(frm_->LinkOpen());
    frm_->close();
    EXPECT_EQ(events_, (std::vector<std::string>{"button up"}));
    EXPECT_FALSE(TheModbusLink().IsOpen());
}

TEST_F(MonitorFrmTest, TheJumpBarAndTheGoToDialogScrollTheGrids) {
    frm_->show();
    TWgGroupBar* bar = frm_->WgGroupBar1();
    ASSERT_EQ(bar->GroupCount(), 5);
    EXPECT_EQ(bar->Group(0)->Caption(), QString("X接点"));
    EXPECT_EQ(bar->Group(4)->Caption(), QString("D寄存器"));
    TWgGroup* m = frm_->WgGroup(MonitorTab::M);
    ASSERT_EQ(m->Items().Count(), 11);
    EXPECT_EQ(m->Items()[1].Caption(), "M0300-M0599");
    EXPECT_EQ(m->Items()[9].Caption(), "M2700-M2999");
    EXPECT_EQ(m->Items()[10].Caption(), "其它定位");

    // An item is clicked where the bar shows it.
    auto click = [bar](TWgGroup* group, int index) {
        const TWgGroupItem& item = group->Items()[index];
        VX_WAIT_TRUE(!item.TextRect().IsEmpty(), test::kStateWaitMs);
        const TRect r = item.TextRect();
        const QPoint at((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ASSERT_TRUE(bar->rect().contains(group->mapTo(bar, at))) << "in view";
        QTest::mouseClick(group, Qt::LeftButton, {}, at);
    };
    // A block item shows its 300 devices.
    click(m, 1);
    EXPECT_EQ(frm_->PageControl1()->ActivePageIndex(), 2);
    EXPECT_EQ(Grid(MonitorTab::M)->TopRow(), 31) << "M300 at the top";
    EXPECT_EQ(Grid(MonitorTab::M)->SelectedDevice(), 590);
    EXPECT_TRUE(m->Items()[1].Selected());
    click(frm_->WgGroup(MonitorTab::X), 1);
    EXPECT_EQ(frm_->PageControl1()->ActivePageIndex(), 0);
    EXPECT_EQ(Grid(MonitorTab::X)->SelectedDevice(), 370);
    EXPECT_FALSE(m->Items()[1].Selected()) << "one item selected across the groups";
    EXPECT_EQ(m->SelectedItem(), nullptr);
    frm_->GroupItemClick(MonitorTab::T, 1);
    EXPECT_EQ(Grid(MonitorTab::T)->SelectedDevice(), 390);

    // "其它定位": the dialog names the grid; OK selects the device.
    TWgGroup* d = frm_->WgGroup(MonitorTab::D);
    TMonitorGotoFrm* go = frm_->MonitorGotoFrm();
    QString label;
    bool spinHasFocus = false;
    WhenShown([&] {
        label = go->Label1()->text();
        // The window's focus field (it has the keyboard once the window
        // system has activated the dialog, which a busy machine does late).
        spinHasFocus = go->focusWidget() == go->SpinEdit1();
        go->SpinEdit1()->setValue(5432);
        go->BitBtn1()->click();
    });
    // The D group starts closed: its caption opens it into view.
    ASSERT_FALSE(d->Opened());
    QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(30, d->CaptionHeight() / 2));
    ASSERT_TRUE(d->Opened());
    click(d, 10);
    EXPECT_EQ(label, QString("定位到D:"));
    EXPECT_TRUE(spinHasFocus);
    EXPECT_EQ(frm_->PageControl1()->ActivePageIndex(), 6);
    EXPECT_EQ(Grid(MonitorTab::D)->SelectedDevice(), 5432);
    EXPECT_FALSE(d->Items()[10].Selected()) << "the item is deselected";
    EXPECT_EQ(d->SelectedItem(), nullptr);

    // In the 32-bit view the pair that holds the register; cancel stays.
    frm_->DShow_Format()->setCurrentIndex(static_cast<int>(DFormat::S32));
    WhenShown([&] {
        label = go->Label1()->text();
        go->SpinEdit1()->setValue(105);
        go->BitBtn1()->click();
    });
    frm_->GroupItemClick(MonitorTab::D, 10);
    EXPECT_EQ(Grid(MonitorTab::D)->SelectedDevice(), 104);
    WhenShown([&] {
        go->SpinEdit1()->setValue(7000);
        QTest::keyClick(go, Qt::Key_Escape);
    });
    frm_->GroupItemClick(MonitorTab::M, 10);
    EXPECT_EQ(label, QString("定位到D:"));
    EXPECT_EQ(go->Label1()->text(), QString("定位到M:"));
    EXPECT_EQ(frm_->PageControl1()->ActivePageIndex(), 2);
    EXPECT_NE(Grid(MonitorTab::M)->SelectedDevice(), 7000);
}

TEST_F(MonitorFrmTest, TheJumpBarShowsItsSettingsAndEveryItemReachesTheMonitor) {
    frm_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frm_.get()));
    TWgGroupBar* bar = frm_->WgGroupBar1();
    EXPECT_EQ(bar->width(), 145);
    EXPECT_EQ(bar->VisualStyle(), TWgVisualStyle::vsWinXP);
    EXPECT_EQ(bar->GradientColorStyle(), TWgGradientColorStyle::gcsCustom);
    EXPECT_EQ(bar->BorderShadow(), clAqua);
    EXPECT_TRUE(bar->UniqueItemSelection());
    EXPECT_FALSE(frm_->WgGroup(MonitorTab::D)->Opened());

    // The background runs from the start colour at the top to the stop colour.
    const QImage image = bar->PaintedImage();
    auto near = [](QRgb rgb, int r, int g, int b) {
        return std::abs(qRed(rgb) - r) <= 4 && std::abs(qGreen(rgb) - g) <= 4 &&
               std::abs(qBlue(rgb) - b) <= 4;
    };
    EXPECT_TRUE(near(image.pixel(2, 0), 230, 210, 140));
    EXPECT_TRUE(near(image.pixel(2, image.height() - 1), 185, 145, 85));

    // Every block item, where the bar shows it, selects its first device.
    frm_->WgGroup(MonitorTab::D)->SetOpened(true);
    struct Block {
        MonitorTab tab;
        int page;
        std::vector<int> devices;
    };
    const std::vector<Block> blocks = {
        {MonitorTab::X, 0, {0, 370}},
        {MonitorTab::Y, 1, {0, 370}},
        {MonitorTab::M, 2, {290, 590, 890, 1190, 1490, 1790, 2090, 2390, 2690, 2990}},
        {MonitorTab::T, 4, {0, 390}},
        {MonitorTab::D, 6, {290, 590, 890, 1190, 1490, 1790, 2090, 2390, 2690, 2990}},
    };
    for (const Block& block : blocks) {
        TWgGroup* group = frm_->WgGroup(block.tab);
        for (int i = 0; i < static_cast<int>(block.devices.size()); ++i) {
            // Scrolled so that the item is in the middle of the bar.
            group->LayoutItems();
            const TRect r = group->Items()[i].TextRect();
            const QPoint at((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            bar->ScrollTo(bar->ScrollPosition() + group->mapTo(bar, at).y() - bar->height() / 2);
            const QPoint shown = group->mapTo(bar, at);
            ASSERT_TRUE(bar->rect().contains(shown)) << group->objectName().toStdString() << i;
            QTest::mouseClick(group, Qt::LeftButton, {}, at);
            EXPECT_EQ(frm_->PageControl1()->ActivePageIndex(), block.page);
            EXPECT_EQ(Grid(block.tab)->SelectedDevice(), block.devices[static_cast<std::size_t>(i)])
                << group->Items()[i].Caption();
            EXPECT_EQ(group->SelectedItem(), &group->Items()[i]);
        }
    }
}

}  // namespace
}  // namespace vx
