// The updater's window over its logic.
#include "updater/qt/MainForm.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "platform/Registry.h"
#include "support/MessageRecorder.h"

namespace vx {
namespace {

TEST(UpdaterWindow, FileModeWindowAndItsControls) {
    test::MessageRecorder messages;
    TMainForm window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("下载"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    auto* ports = window.findChild<QComboBox*>(QStringLiteral("Serial_Port"));
    ASSERT_NE(ports, nullptr);
    EXPECT_EQ(ports->count(), 8);
    EXPECT_EQ(ports->itemText(7), QStringLiteral("COM8"));
    EXPECT_EQ(ports->currentIndex(), 0);
    auto* models = window.findChild<QComboBox*>(QStringLiteral("PLC_Type"));
    ASSERT_NE(models, nullptr);
    EXPECT_EQ(models->count(), 5);
    EXPECT_FALSE(models->isEnabled());
    EXPECT_EQ(models->currentIndex(), -1);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Panel1"))->text(),
              QStringLiteral("就绪..."));
    EXPECT_EQ(
        window.findChild<QLabel*>(QStringLiteral("Shape1"))->property("lampColour").toString(),
        QStringLiteral("#808000"));
    EXPECT_FALSE(window.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->isTextVisible());

    auto* button = window.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("下载"));
    button->click();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "下载文件不存在！");
}

TEST(UpdaterWindow, ResourceModeOffersTheModelsAndShipsNoImages) {
    Registry tool(RootKey::LocalMachine);
    ASSERT_EQ(tool.OpenKey("Software\\vxTorvin", true), RegOutcome::Ok);
    ASSERT_TRUE(tool.WriteInteger("Flag", 1));
    TMainForm window;
    window.show();
    EXPECT_EQ(window.windowTitle().toStdString(), CaptionFor(UpdateMode::Resource));
    auto* models = window.findChild<QComboBox*>(QStringLiteral("PLC_Type"));
    EXPECT_TRUE(models->isEnabled());
    EXPECT_EQ(models->currentIndex(), 1);
    for (const char* n : {"1", "2", "3"})
        EXPECT_FALSE(ReadBuiltInImage(std::string("FILE") + n, std::string("SRC") + n));
}

}  // namespace
}  // namespace vx
