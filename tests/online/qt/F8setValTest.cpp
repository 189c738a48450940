// The set-value dialog against the simulated controller over Modbus TCP:
// the words each width writes, where they go, the log line, the refusals, the
// bit labels, and a controller that does not answer.
#include "online/qt/F8setVal.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "online/qt/LadderPoller.h"
#include "outside/ModbusLink.h"
#include "plcsim/PlcSim.h"
#include "support/MessageRecorder.h"

namespace vx {
namespace {

using plcsim::Area;

class F8setValTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ok());
        ASSERT_TRUE(
            Modbus_Link_Open(11, kTcpPort, 2, 1, "127.0.0.1", std::to_string(sim_.TcpPort())));
        dialog_.show();
        sim_.ClearLog();
    }
    void TearDown() override { Modbus_LinkClose(); }

    // Types the text and presses OK; returns the writes the controller saw.
    std::vector<plcsim::LoggedRequest> Send(const char* text) {
        dialog_.Edit1()->setText(QString::fromUtf8(text));
        dialog_.BitBtn1()->click();
        return sim_.TakeLog();
    }
    QString LastLogLine() const {
        const QStringList lines = dialog_.Memo1()->toPlainText().split('\n');
        return lines.last();
    }
    QColor LabelColor(int bit) const {
        return dialog_.BitLabel(bit)->palette().color(QPalette::WindowText);
    }

    plcsim::PlcSim sim_{plcsim::SimOptions{1, false, true, 0, {}}};
    test::MessageRecorder messages_;
    TF8setValFrm dialog_;
};

TEST_F(F8setValTest, ControlsAsDesigned) {
    EXPECT_EQ(dialog_.windowTitle(), QString("设置当前值"));
    EXPECT_EQ(dialog_.DTC()->count(), 3);
    EXPECT_EQ(dialog_.DTC()->currentText(), QString("D"));
    EXPECT_EQ(dialog_.SpinEdit1()->maximum(), 9999);
    EXPECT_EQ(dialog_.SpinEdit1()->toolTip(), QString("0~9999"));
    EXPECT_EQ(dialog_.Edit1()->text(), QString("K1000"));
    EXPECT_EQ(dialog_.Edit1()->maxLength(), 33);
    EXPECT_TRUE(dialog_.RadioButton1()->isChecked());
    EXPECT_EQ(dialog_.BitBtn1()->text(), QString("确认(&Y)"));
    EXPECT_EQ(dialog_.BitBtn3()->text(), QString("取消(&N)"));
    for (int bit = 0; bit < 32; ++bit) {
        const QString name = QStringLiteral("X00_%1").arg(bit, 2, 16, QChar('0')).toUpper();
        auto* label = dialog_.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name.toStdString();
        EXPECT_EQ(label->text(), QString::number(bit));
        const char* panel = bit < 8    ? "Panel3"
                            : bit < 16 ? "Panel24"
                            : bit < 24 ? "Panel5"
                                       : "Panel4";
        EXPECT_EQ(label->parentWidget()->objectName(), QString(panel));
    }
    auto* bits16 = dialog_.findChild<QPlainTextEdit*>("bits16");
    auto* bits32 = dialog_.findChild<QPlainTextEdit*>("bits32");
    auto* bits32F = dialog_.findChild<QPlainTextEdit*>("bits32F");
    ASSERT_TRUE(bits16 && bits32 && bits32F);
    EXPECT_EQ(bits16->toPlainText(),
              QString("K-32768  ~ K32767\nH0 ~ HFFFF\nB0 ~ B1111111111111111"));
    EXPECT_TRUE(bits32F->toPlainText().contains(QString("-3.4E38～3.4E38 (有效数位:7)")));
    EXPECT_TRUE(bits16->isVisible());
    EXPECT_FALSE(bits32->isVisible());

    // The family sets the number's maximum and lowers a larger number.
    dialog_.SpinEdit1()->setValue(5000);
    dialog_.DTC()->setCurrentIndex(2);
    EXPECT_EQ(dialog_.SpinEdit1()->maximum(), 199);
    EXPECT_EQ(dialog_.SpinEdit1()->value(), 199);
    EXPECT_EQ(dialog_.SpinEdit1()->toolTip(), QString("0~199"));
    dialog_.SetDevice(ValueFamily::T, 350);
    EXPECT_EQ(dialog_.SpinEdit1()->maximum(), 399);
    EXPECT_EQ(dialog_.SpinEdit1()->value(), 350);

    // Each showing starts in 16 bits.
    dialog_.RadioButton3()->click();
    EXPECT_TRUE(bits32F->isVisible());
    dialog_.hide();
    dialog_.show();
    EXPECT_TRUE(dialog_.RadioButton1()->isChecked());
    EXPECT_TRUE(bits16->isVisible());
    EXPECT_FALSE(bits32F->isVisible());
}

TEST_F(F8setValTest, WritesOneOrTwoWordsToTheChosenDevice) {
    dialog_.SetDevice(ValueFamily::D, 100);
    auto log = Send("h10");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].function, 16);
    EXPECT_EQ(log[0].address, 100);
    EXPECT_EQ(log[0].count, 1);
    EXPECT_EQ(sim_.Word(Area::D, 100), 16);
    EXPECT_EQ(dialog_.Edit1()->text(), QString("H10")) << "upper-cased and written back";
    EXPECT_EQ(LastLogLine(), QString("D100  --> H10 [ K16 ]"));
    EXPECT_TRUE(dialog_.isVisible()) << "the dialog stays open";

    // The 16-bit patterns the hints advertise: the words of K-32768 and K-1.
    Send("H8000");
    EXPECT_EQ(sim_.Word(Area::D, 100), 0x8000);
    EXPECT_EQ(LastLogLine(), QString("D100  --> H8000 [ K-32768 ]"));
    Send("B1111111111111111");
    EXPECT_EQ(sim_.Word(Area::D, 100), 0xFFFF);
    Send("B101");
    EXPECT_EQ(sim_.Word(Area::D, 100), 5);

    // Two words, the low word first.
    dialog_.RadioButton2()->click();
    log = Send("K100000");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].count, 2);
    EXPECT_EQ(sim_.Word(Area::D, 100), 0x86A0);
    EXPECT_EQ(sim_.Word(Area::D, 101), 1);
    EXPECT_EQ(LastLogLine(), QString("D100  --> K100000 [ K100000 ]"));
    Send("E1.5");
    EXPECT_EQ(sim_.Word(Area::D, 100), 0);
    EXPECT_EQ(sim_.Word(Area::D, 101), 0x3FC0);
    dialog_.RadioButton3()->click();
    sim_.SetWord(Area::D, 101, 0);
    Send("E1.5");
    EXPECT_EQ(sim_.Word(Area::D, 101), 0x3FC0);
    EXPECT_EQ(LastLogLine(), QString("D100  --> E1.5")) << "no decimal value for a float";

    // Timer and counter current values.
    dialog_.RadioButton1()->click();
    dialog_.SetDevice(ValueFamily::T, 5);
    log = Send("K50");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(sim_.Word(Area::TValue, 5), 50);
    dialog_.SetDevice(ValueFamily::C, 3);
    Send("HFFFF");
    EXPECT_EQ(sim_.Word(Area::CValue, 3), 0xFFFF);
    EXPECT_EQ(LastLogLine(), QString("C3  --> HFFFF [ K-1 ]"));
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(F8setValTest, RefusesWhatCannotBeWritten) {
    dialog_.SetDevice(ValueFamily::D, 7);
    const int lines = dialog_.Memo1()->blockCount();
    struct Refusal {
        const char* text;
        int widthButton;
        const char* message;
    };
    for (const Refusal& r :
         {Refusal{"", 1, "输入错误 ！"}, Refusal{"K32768", 1, "数值超过范围 ！"},
          Refusal{"H10000", 1, "数值超过范围 ！"}, Refusal{"E1.5", 1, "数值超过范围 ！"},
          Refusal{"B102", 1, "输入错误 ！"}, Refusal{"B11111111111111111", 1, "输入错误 ！"},
          Refusal{"K12A", 1, "输入错误 ！"}, Refusal{"HXY", 1, "输入错误 ！"},
          Refusal{"Z5", 1, "输入错误 ！"}, Refusal{"K-2147483648", 2, "数值超过范围 ！"},
          Refusal{"E1E39", 3, "数值超过范围 ！"}}) {
        (r.widthButton == 1   ? dialog_.RadioButton1()
         : r.widthButton == 2 ? dialog_.RadioButton2()
                              : dialog_.RadioButton3())
            ->click();
        messages_.Clear();
        EXPECT_TRUE(Send(r.text).empty()) << r.text;
        ASSERT_EQ(messages_.Count(), 1u) << r.text;
        EXPECT_EQ(messages_.Last().text, r.message) << r.text;
        EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(messages_.Last().caption, "KZ6-Quillary");
    }
    EXPECT_EQ(dialog_.Memo1()->blockCount(), lines) << "nothing logged";
    EXPECT_EQ(sim_.Word(Area::D, 7), 0);

    // K32768 fits two words.
    dialog_.RadioButton2()->click();
    messages_.Clear();
    EXPECT_EQ(Send("K32768").size(), 1u);
    EXPECT_EQ(sim_.Word(Area::D, 7), 0x8000);
    EXPECT_TRUE(messages_.Messages().empty());

    dialog_.SetChinese(false);
    Send("K1.5");
    EXPECT_EQ(messages_.Last().text, "Input error!");
    Send("K3000000000");
    EXPECT_EQ(messages_.Last().text, "Value out of range!");
}

TEST_F(F8setValTest, BitLabelsShowAndMakeTheValue) {
    // clRed, clNavy and clGray.
    const QColor red(255, 0, 0), navy(0, 0, 128), gray(128, 128, 128);
    auto* panel5 = dialog_.findChild<QWidget*>("Panel5");
    auto* panel4 = dialog_.findChild<QWidget*>("Panel4");
    EXPECT_FALSE(panel5->isEnabled());
    EXPECT_FALSE(panel4->isEnabled());
    EXPECT_EQ(LabelColor(0), navy);
    EXPECT_EQ(LabelColor(16), gray);

    // OK colours the labels of the value sent, even when it is refused.
    dialog_.SetDevice(ValueFamily::D, 1);
    Send("B101");
    EXPECT_EQ(LabelColor(0), red);
    EXPECT_EQ(LabelColor(1), navy);
    EXPECT_EQ(LabelColor(2), red);
    Send("K32768");
    EXPECT_EQ(LabelColor(15), red);
    EXPECT_EQ(LabelColor(0), navy);
    EXPECT_EQ(messages_.Last().text, "数值超过范围 ！");

    // Clicking the labels makes the value: the signed value of the width.
    Send("K0");
    QTest::mouseClick(dialog_.BitLabel(0), Qt::LeftButton);
    QTest::mouseClick(dialog_.BitLabel(2), Qt::LeftButton);
    EXPECT_EQ(dialog_.Edit1()->text(), QString("K5"));
    EXPECT_EQ(LabelColor(2), red);
    QTest::mouseClick(dialog_.BitLabel(15), Qt::LeftButton);
    EXPECT_EQ(dialog_.Edit1()->text(), QString("K-32763"));
    QTest::mouseClick(dialog_.BitLabel(20), Qt::LeftButton);
    EXPECT_EQ(dialog_.Edit1()->text(), QString("K-32763")) << "bit 20 is off in 16 bits";
    messages_.Clear();
    dialog_.BitBtn1()->click();
    EXPECT_EQ(sim_.Word(Area::D, 1), 0x8005) << "the bits as clicked";
    EXPECT_TRUE(messages_.Messages().empty());
    QTest::mouseClick(dialog_.BitLabel(15), Qt::LeftButton);
    EXPECT_EQ(LabelColor(15), navy);
    EXPECT_EQ(dialog_.Edit1()->text(), QString("K5"));

    // 32 bits: the upper labels come on, clear.
    dialog_.RadioButton2()->click();
    EXPECT_TRUE(panel5->isEnabled());
    EXPECT_TRUE(panel4->isEnabled());
    EXPECT_EQ(LabelColor(31), navy);
    QTest::mouseClick(dialog_.BitLabel(16), Qt::LeftButton);
    EXPECT_EQ(dialog_.Edit1()->text(), QString("K65541"));
    Send("HFFFFFFFF");
    EXPECT_EQ(LabelColor(31), red);
    EXPECT_EQ(sim_.Word(Area::D, 2), 0xFFFF);
    dialog_.RadioButton1()->click();
    EXPECT_EQ(LabelColor(31), gray);
    EXPECT_EQ(LabelColor(0), red) << "the lower labels keep their state";
}

TEST_F(F8setValTest, ASilentControllerIsReported) {
    dialog_.SetDevice(ValueFamily::D, 100);
    sim_.PushFault(plcsim::Fault::Silence());
    Send("K5");
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "通信失败 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_EQ(LastLogLine(), QString("D100  --> K5 [ K5 ]"));
    EXPECT_TRUE(dialog_.isVisible());

    // The link answers again: the next value goes through.
    messages_.Clear();
    Send("K6");
    EXPECT_EQ(sim_.Word(Area::D, 100), 6);
    EXPECT_TRUE(messages_.Messages().empty());

    // Without a link nothing can be written either.
    Modbus_LinkClose();
    Send("K7");
    EXPECT_EQ(messages_.Last().text, "通信失败 ！");
}

// A poller the hold stops and starts again, on calls that always succeed.
class NoCalls final : public ModbusCalls {
  public:
    bool Open(const LinkParameters&) override { return true; }
    void Close() override { ++closes; }
    void ReadBits(int, int, int) override {}
    void ReadWords(int, int, int) override {}
    bool RetakeBits(std::uint8_t*, int) override { return false; }
    bool RetakeWords(std::uint16_t*, int) override { return false; }
    int closes = 0;
};

TEST(LadderPollerHold, StopsTheTimerAndKeepsTheLink) {
    NoCalls calls;
    DeviceImage image;
    PollState state;
    TLadderPoller poller(nullptr, image, calls, state);
    {
        const TLadderPoller::Hold idle(&poller);
        EXPECT_FALSE(poller.Enabled());
    }
    EXPECT_FALSE(poller.Enabled()) << "a stopped poller stays stopped";
    ASSERT_TRUE(poller.Start({}));
    {
        const TLadderPoller::Hold hold(&poller);
        EXPECT_FALSE(poller.Enabled());
        EXPECT_EQ(calls.closes, 0);
    }
    EXPECT_TRUE(poller.Enabled());
    const TLadderPoller::Hold none(nullptr);
}

}  // namespace
}  // namespace vx
