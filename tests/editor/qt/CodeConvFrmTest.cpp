// The number converter as the user drives it: Shift+F3, typed values, the
// bit cells in both readings, set/clear and the shifts, and fields left empty.
#include "editor/qt/CodeConv.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "editor/qt/Main.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"

namespace vx {
namespace {

class CodeConvFrmTest : public testing::Test {
  protected:
    void SetUp() override {
        test::ResetEditorRunState();
        frm_ = test::StartedMainWindow();
        frm_->FileNewItemClick();
        conv_ = frm_->findChild<TCodeConvFrm*>();
        ASSERT_NE(conv_, nullptr);
        frm_->Item("N26")->trigger();
        VX_WAIT_TRUE(QApplication::activeWindow() == conv_, test::kStateWaitMs);
    }
    void TearDown() override {
        conv_->BinCode()->setCurrentIndex(0);
        conv_->close();
    }

    // Types into a field from empty and presses a key.
    static void Type(QLineEdit* edit, const char* text, Qt::Key key = Qt::Key_Return) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromUtf8(text));
        if (key != Qt::Key_unknown) QTest::keyClick(edit, key);
    }
    // The bit cells that read 1, as a number.
    unsigned CellBits() const {
        unsigned bits = 0;
        for (int bit = 0; bit < 16; ++bit) {
            if (conv_->BitCell(bit)->isChecked()) bits |= 1u << bit;
        }
        return bits;
    }
    void Click(int bit) { QTest::mouseClick(conv_->BitCell(bit), Qt::LeftButton); }
    void ExpectShown(const char* decimal, const char* hex, unsigned bits) {
        EXPECT_EQ(conv_->Edit1()->text(), QString(decimal));
        EXPECT_EQ(conv_->Edit2()->text(), QString(hex));
        EXPECT_EQ(CellBits(), bits);
        QString binary;
        for (int bit = 15; bit >= 0; --bit)
            binary += (bits >> bit) & 1u ? '1' : '0';
        EXPECT_EQ(conv_->Edit3()->text(), binary);
    }

    test::MessageRecorder messages_;
    std::unique_ptr<TMainFrm> frm_;
    TCodeConvFrm* conv_ = nullptr;
};

TEST_F(CodeConvFrmTest, ShiftF3ShowsItBesideTheEditor) {
    QAction* item = frm_->Item("N26");
    EXPECT_EQ(item->text(), QString("码制转换器(&S)"));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
    EXPECT_TRUE(conv_->isVisible());
    EXPECT_FALSE(conv_->isModal());
    EXPECT_TRUE(conv_->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(conv_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(conv_->windowTitle(), QString("码制转换器"));
    EXPECT_EQ(conv_->size(), QSize(392, 186));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(conv_->x() + conv_->width() / 2.0, screen.x() + screen.width() / 2.0, 1);
    EXPECT_NEAR(conv_->y() + conv_->height() / 2.0, screen.y() + screen.height() / 2.0 - 100, 1)
        << "100 pixels above the middle";
    VX_WAIT_EQ(conv_->focusWidget(), static_cast<QWidget*>(conv_->Edit1()), test::kStateWaitMs);
    ExpectShown("0", "0", 0);
    EXPECT_TRUE(conv_->Edit3()->isReadOnly());
    EXPECT_EQ(conv_->BitCell(15)->objectName(), QString("X00_0F"));
    EXPECT_EQ(conv_->BitCell(15)->toolTip(), QString("单击变换"));
    EXPECT_EQ(conv_->BitBtn1()->text(), QString("置位(S)"));
    conv_->BitBtn3()->click();
    EXPECT_FALSE(conv_->isVisible());
}

TEST_F(CodeConvFrmTest, TypedDecimalAndHexadecimalValues) {
    Type(conv_->Edit1(), "255");
    ExpectShown("255", "00FF", 0x00FF);
    EXPECT_EQ(conv_->BitBtn1()->text(), QString("清零(R)"));
    // Leaving the field instead of Enter: the shortest hexadecimal form.
    Type(conv_->Edit1(), "255", Qt::Key_Tab);
    ExpectShown("255", "FF", 0x00FF);
    // Only digits reach the decimal field, at most five of them.
    Type(conv_->Edit1(), "1a2-3", Qt::Key_unknown);
    EXPECT_EQ(conv_->Edit1()->text(), QString("123"));
    Type(conv_->Edit1(), "99999");
    ExpectShown("99999", "1869F", 99999u & 0xFFFFu);
    Type(conv_->Edit1(), "123456", Qt::Key_unknown);
    EXPECT_EQ(conv_->Edit1()->text(), QString("12345"));
    // The hexadecimal field takes its digits in either case.
    Type(conv_->Edit2(), "8g0z0x0");
    ExpectShown("32768", "8000", 0x8000);
    Type(conv_->Edit2(), "ff", Qt::Key_Tab);
    ExpectShown("255", "ff", 0x00FF);
}

TEST_F(CodeConvFrmTest, BitCellsReadPlainOrGray) {
    Click(15);
    ExpectShown("32768", "8000", 0x8000);
    const QImage red = conv_->BitCell(15)->grab().toImage();
    EXPECT_EQ(red.pixelColor(3, 3), QColor(255, 0, 0)) << "a set bit is red";
    const QImage navy = conv_->BitCell(14)->grab().toImage();
    EXPECT_EQ(navy.pixelColor(3, 3), QColor(0, 0, 128)) << "a clear bit is navy";
    Click(15);
    ExpectShown("0", "0000", 0);

    conv_->BinCode()->setCurrentIndex(1);
    EXPECT_EQ(conv_->BinCode()->currentText(), QString("格雷码"));
    Click(15);
    ExpectShown("65535", "FFFF", 0x8000);
    // Typed values light their plain bits, Gray mode or not.
    Type(conv_->Edit1(), "2");
    ExpectShown("2", "0002", 0b10);
}

TEST_F(CodeConvFrmTest, SetClearAndShifts) {
    EXPECT_EQ(conv_->BitBtn1()->text(), QString("置位(S)"));
    conv_->BitBtn1()->click();
    ExpectShown("65535", "FFFF", 0xFFFF);
    EXPECT_EQ(conv_->BitBtn1()->text(), QString("清零(R)"));
    conv_->BitBtn1()->click();
    ExpectShown("0", "0", 0);

    Type(conv_->Edit1(), "32768");
    conv_->BitBtn2()->click();
    ExpectShown("0", "0000", 0);
    Type(conv_->Edit1(), "1");
    conv_->BitBtn4()->click();
    ExpectShown("0", "0000", 0);
    Type(conv_->Edit1(), "5");
    conv_->BitBtn2()->click();
    ExpectShown("10", "000A", 0b1010);
    conv_->BitBtn4()->click();
    conv_->BitBtn4()->click();
    ExpectShown("2", "0002", 0b10);
}

TEST_F(CodeConvFrmTest, EmptyFieldsReadAsZeroWithoutAnError) {
    Type(conv_->Edit1(), "255");
    Type(conv_->Edit1(), "");
    EXPECT_EQ(messages_.Count(), 0u);
    ExpectShown("0", "0000", 0);
    EXPECT_EQ(conv_->BitBtn1()->text(), QString("置位(S)"));

    Type(conv_->Edit1(), "77");
    Type(conv_->Edit1(), "", Qt::Key_Tab);
    ExpectShown("0", "0", 0);
    Type(conv_->Edit2(), "7F");
    Type(conv_->Edit2(), "");
    ExpectShown("0", "0", 0);
    Type(conv_->Edit1(), "9");
    Type(conv_->Edit1(), "", Qt::Key_unknown);
    conv_->BitBtn2()->click();
    ExpectShown("0", "0000", 0);
    EXPECT_EQ(messages_.Count(), 0u);

    // Enter in the binary digits runs the decimal field's step.
    Type(conv_->Edit1(), "3", Qt::Key_unknown);
    conv_->Edit3()->setFocus();
    QTest::keyClick(conv_->Edit3(), Qt::Key_Return);
    ExpectShown("3", "0003", 0b11);
}

}  // namespace
}  // namespace vx
