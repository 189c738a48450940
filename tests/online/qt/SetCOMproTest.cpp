// The communication settings dialog: what it shows for a serial port and for
// Ethernet, and what OK and cancel leave in the link settings.
#include "online/qt/SetCOMpro.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "online/LinkSettings.h"
#include "support/QtWait.h"
#include "widgets/qt/WgGroupBox.h"

namespace vx {
namespace {

class SetCOMproTest : public testing::Test {
  protected:
    void SetUp() override { TheLinkSettings() = LinkSettings{}; }
    void TearDown() override { TheLinkSettings() = LinkSettings{}; }
};

TEST_F(SetCOMproTest, EthernetShowsTheAddressAndTakesTheProjectsRate) {
    TsetCOMpro dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString("通信设置"));
    EXPECT_EQ(dialog.Compro()->count(), 9);
    EXPECT_EQ(dialog.Compro()->currentText(), QString("COM1"));
    EXPECT_EQ(dialog.Compro()->width(), 82);
    EXPECT_TRUE(dialog.BitBtn2()->isVisible());
    EXPECT_FALSE(dialog.Panel1()->isVisible());
    EXPECT_EQ(dialog.WgGroupBox1()->Caption(), QString("通信参数依据"));
    EXPECT_TRUE(dialog.COM_According()->isChecked());
    EXPECT_FALSE(dialog.WgGroupBox2()->isEnabled());
    EXPECT_EQ(dialog.Edit1()->text(), QString("192.168.1.100"));
    EXPECT_EQ(dialog.Edit1()->maxLength(), 15);
    EXPECT_EQ(dialog.Edit2()->maxLength(), 5);

    dialog.RadioButton2()->click();
    EXPECT_TRUE(dialog.WgGroupBox2()->isEnabled());
    dialog.Compro()->setCurrentIndex(8);
    EXPECT_TRUE(dialog.COM_According()->isChecked()) << "Ethernet forces the project's choice";
    EXPECT_FALSE(dialog.WgGroupBox2()->isEnabled());
    EXPECT_EQ(dialog.WgGroupBox1()->Caption(), QString("Modbus TCP"));
    EXPECT_EQ(dialog.Compro()->width(), 138);
    EXPECT_FALSE(dialog.BitBtn2()->isVisible());
    EXPECT_TRUE(dialog.Panel1()->isVisible());

    dialog.Edit1()->setText("127.0.0.1");
    dialog.Edit2()->setText("1502");
    dialog.BitBtn1()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const LinkSettings& s = TheLinkSettings();
    EXPECT_EQ(s.comPortIndex, 8);
    EXPECT_EQ(s.tcpAddress, "127.0.0.1");
    EXPECT_EQ(s.tcpPortText, "1502");
    EXPECT_TRUE(s.fromProject);
    EXPECT_EQ(PortPanelText(s), "127.0.0.1");
}

TEST_F(SetCOMproTest, OkKeepsPortAndRateAndCancelKeepsNothing) {
    TsetCOMpro dialog;
    dialog.show();
    dialog.Compro()->setCurrentIndex(2);
    dialog.RadioButton2()->click();
    dialog.Baud_rateSET()->setCurrentIndex(4);
    dialog.BitBtn1()->click();
    LinkSettings& s = TheLinkSettings();
    EXPECT_EQ(s.comPortIndex, 2);
    EXPECT_EQ(s.baudIndex, 4);
    EXPECT_FALSE(s.fromProject);
    EXPECT_EQ(PortPanelText(s), " COM3");

    // A cancelled change is gone the next time the dialog is shown.
    dialog.show();
    EXPECT_EQ(dialog.Compro()->currentIndex(), 2);
    EXPECT_TRUE(dialog.RadioButton2()->isChecked());
    EXPECT_TRUE(dialog.WgGroupBox2()->isEnabled());
    dialog.Compro()->setCurrentIndex(5);
    dialog.COM_According()->click();
    dialog.BitBtn3()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(s.comPortIndex, 2);
    EXPECT_FALSE(s.fromProject);
    dialog.show();
    EXPECT_EQ(dialog.Compro()->currentIndex(), 2);
    EXPECT_TRUE(dialog.RadioButton2()->isChecked());
    dialog.BitBtn3()->click();

    // A baud index the settings file should not hold shows the usual rate.
    s.baudIndex = 9;
    s.comPortIndex = 44;
    dialog.show();
    EXPECT_EQ(dialog.Baud_rateSET()->currentIndex(), 3);
    EXPECT_EQ(dialog.Compro()->currentIndex(), 8) << "above 7 is Ethernet";
    dialog.BitBtn3()->click();
}

// Pixels of the port box's text field darker than its white background.
int TextPixels(QComboBox* box) {
    const QImage image = box->grab().toImage();
    int dark = 0;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() / 2; ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return dark;
}

TEST_F(SetCOMproTest, ThePortBoxShowsTheChosenPortWhileItHasTheFocus) {
    // The box has the focus when the dialog opens; in the classic style a
    // focused box draws its text in the selection colour.
    for (const char* styleName : {"Windows", "Fusion"}) {
        std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
        ASSERT_NE(style, nullptr) << styleName;
        for (std::uint8_t port : {0, 2, 8}) {
            TheLinkSettings().comPortIndex = port;
            TsetCOMpro dialog;
            dialog.setStyle(style.get());
            for (QWidget* child : dialog.findChildren<QWidget*>())
                child->setStyle(style.get());
            dialog.show();
            dialog.activateWindow();
            dialog.Compro()->setFocus();
            VX_WAIT_TRUE(dialog.Compro()->hasFocus(), test::kStateWaitMs);
            EXPECT_GT(TextPixels(dialog.Compro()), 20)
                << styleName << ": " << dialog.Compro()->currentText().toStdString();
            dialog.BitBtn3()->click();
        }
    }
}

}  // namespace
}  // namespace vx
