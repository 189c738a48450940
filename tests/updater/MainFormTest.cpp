// The updater's window over its logic: its controls, the built-in images
// and whole updates into the simulated boot loader on a pseudo-terminal.
#include "updater/qt/MainForm.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <filesystem>

#include "FakeLink.h"
#include "bootsim/PtyChip.h"
#include "platform/Registry.h"
#include "platform/SystemFolders.h"
#include "platform/qt/QtMessagePresenter.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"
#include "widgets/qt/WgPrgres.h"

namespace vx {
namespace {

TEST(UpdaterWindow, FileModeWindowAndItsControls) {
    test::MessageRecorder messages;
    TMainForm window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("下载"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.frameGeometry().top(),
              QGuiApplication::primaryScreen()->availableGeometry().top() + 180);
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
    auto* bar = window.findChild<TWgProgressBar*>(QStringLiteral("ProgressBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->BarStyle(), TBarStyle::bsGradient);
    EXPECT_FALSE(bar->ShowPercent());
    EXPECT_EQ(bar->Orientation(), TOrientation::orHorizontal);

    auto* button = window.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("下载"));
    button->click();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "下载文件不存在！");
}

void SetToolFlag() {
    Registry tool(RootKey::LocalMachine);
    ASSERT_EQ(tool.OpenKey("Software\\vxTorvin", true), RegOutcome::Ok);
    ASSERT_TRUE(tool.WriteInteger("Flag", 1));
}

std::optional<std::int32_t> ToolFlag() {
    Registry reg(RootKey::LocalMachine);
    if (reg.OpenKey("Software\\vxTorvin", false) != RegOutcome::Ok) return std::nullopt;
    return reg.ReadInteger("Flag");
}

// The image the build made for a slot of the model list.
std::string BuiltImage(int slot) {
    return test::ReadTestFile(std::string(VX_FIRMWARE_DIR) + "/SRC" + std::to_string(slot));
}

TEST(UpdaterWindow, ResourceModeOffersTheFamiliesOfTheBuiltInImages) {
    SetToolFlag();
    TMainForm window;
    window.show();
    EXPECT_EQ(window.windowTitle().toStdString(), CaptionFor(UpdateMode::Resource));
    auto* models = window.findChild<QComboBox*>(QStringLiteral("PLC_Type"));
    EXPECT_TRUE(models->isEnabled());
    EXPECT_EQ(models->currentIndex(), 1);
    ASSERT_EQ(models->count(), 5);
    EXPECT_EQ(models->itemText(0), QStringLiteral("KZ6 标准型 (256K)"));
    EXPECT_EQ(models->itemText(1), QStringLiteral("KZ6 大容量型 (512K)"));
    EXPECT_EQ(models->itemText(2), QStringLiteral("KZ6-PG16 V1.0/V2.0"));
#if VX_HAVE_FIRMWARE
    for (int slot = 1; slot <= 3; ++slot) {
        const std::string n = std::to_string(slot);
        const std::optional<std::string> image = ReadBuiltInImage("FILE" + n, "SRC" + n);
        ASSERT_TRUE(image) << "slot " << slot;
        EXPECT_GT(image->size(), 1024u);
        EXPECT_TRUE(*image == BuiltImage(slot)) << "slot " << slot;
    }
    // The larger memory map's stack starts at the top of its 64 KB of RAM.
    EXPECT_EQ(ReadBuiltInImage("FILE1", "SRC1")->substr(0, 4), std::string("\x00\xC0\x00\x20", 4));
    EXPECT_EQ(ReadBuiltInImage("FILE2", "SRC2")->substr(0, 4), std::string("\x00\x00\x01\x20", 4));
#endif
    EXPECT_FALSE(ReadBuiltInImage("FILE4", "SRC4"));
    EXPECT_FALSE(ReadBuiltInImage("FILE5", "SRC5"));
}

// The boot loader on a pseudo-terminal as COM1; each open of the port starts
// it afresh, as a board whose adapter resets it on open.
struct PtyBoard {
    PtyBoard() : chip(bootsim::ChipProfile::F10x()) {
        chip.With([](bootsim::BootChip& c) { c.StartProgram(); });
    }
    std::string Flash(std::size_t n) {
        return chip.With([n](bootsim::BootChip& c) {
            return std::string(c.Flash().begin(), c.Flash().begin() + static_cast<long>(n));
        });
    }

    bootsim::PtyChip chip;
    test::ScopedEnv com1{"VXTORVIN_COM1", chip.DevicePath().c_str()};
};

#if VX_HAVE_FIRMWARE
TEST(UpdaterWindow, StartedByTheToolItWritesTheChosenFamilysImage) {
    PtyBoard board;
    ASSERT_TRUE(board.chip.Ok());
    test::MessageRecorder messages;
    SetToolFlag();
    TMainForm window;
    window.show();
    EXPECT_EQ(ToolFlag(), 0) << "the hand-off is taken once";
    window.findChild<QComboBox*>(QStringLiteral("PLC_Type"))->setCurrentIndex(0);
    window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    VX_WAIT_TRUE(!window.isVisible(), test::kStateWaitMs);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Panel1"))->text(),
              QStringLiteral("上载完成！"));
    const std::string image = BuiltImage(1);
    EXPECT_TRUE(board.Flash(image.size()) == image)
        << "the flash holds the standard family's image";
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
}
#endif

// "Update.Da2" beside the updater is what a customer update package holds;
// the tool's program folder has nothing to do with it.
TEST(UpdaterWindow, FileModeSendsTheImageBesideTheUpdater) {
    PtyBoard board;
    ASSERT_TRUE(board.chip.Ok());
    test::MessageRecorder messages;
    test::TempFolder package;
    const std::vector<std::uint8_t> bytes = test::TestImage(4000, 3);
    const std::string image(bytes.begin(), bytes.end());
    test::WriteTestFile(package / "Update.Da2", image);
    test::WriteTestFile(JoinPath(ProgramFolder(), "Update.Da2"), "not this one");
    TMainForm window(nullptr, package.Path());
    window.show();
    EXPECT_EQ(window.Logic().PackageImagePath(), package / "Update.Da2");
    window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    // Closing while the flash is written asks first; the answer No keeps the
    // window and the transfer.
    VX_WAIT_TRUE(window.Logic().Session().Writing(), test::kStateWaitMs);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().buttons, MsgButtons::YesNo);
    VX_WAIT_TRUE(!window.isVisible(), test::kStateWaitMs);
    std::filesystem::remove(JoinPath(ProgramFolder(), "Update.Da2"));
    EXPECT_TRUE(board.Flash(image.size()) == image);
    EXPECT_EQ(messages.Count(), 1u) << messages.Last().text;
}

// The boot loader vanishes (the adapter pulled) at points through the
// transfer: the erase, a write, the read-back and its last checkpoint. The
// real message box tells it, the window stays, the port is closed and
// nothing is retried. Once the flash has been read back whole the update has
// succeeded: a hang-up while the finish resets the controller tells nothing,
// and the window closes as after any success.
TEST(UpdaterWindow, AHangUpAnywhereInTheTransferIsToldAndTheWindowStays) {
    test::TempFolder package;
    const std::vector<std::uint8_t> bytes = test::TestImage(1500, 4);
    const std::string image(bytes.begin(), bytes.end());
    test::WriteTestFile(package / "Update.Da2", image);
    const std::size_t whole = test::ExpectedTranscript(bytes, true).size();
    const MessagePresenter before = SetMessagePresenter(PresentWithQMessageBox);
    QStringList shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    answer.start(20);
    const QString done = QStringLiteral("上载完成！");
    const QString broken = QStringLiteral("串口读写失败，通信已中断！请检查通信线和串口。");
    constexpr std::size_t kAfterTheSuccess = 0;  // hangs up once the success is shown
    const struct {
        std::size_t at;
        bool succeeds;
    } rows[] = {
        {19, false},          {19 + 265 + 3, false}, {1000, false},
        {whole - 200, false}, {whole - 1, false},    {kAfterTheSuccess, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at);
        shown.clear();
        PtyBoard board;
        ASSERT_TRUE(board.chip.Ok());
        if (row.at != kAfterTheSuccess) board.chip.HangUpAfter(row.at);
        TMainForm window(nullptr, package.Path());
        window.show();
        auto* status = window.findChild<QLabel*>(QStringLiteral("Panel1"));
        window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        if (row.at == kAfterTheSuccess) {
            VX_WAIT_TRUE(status->text() == done, test::kStateWaitMs);
            board.chip.HangUp();
        }
        VX_WAIT_TRUE(!window.Logic().Session().Busy() && (!shown.isEmpty() || !window.isVisible()),
                     test::kStateWaitMs);
        EXPECT_EQ(shown, row.succeeds ? QStringList{} : QStringList{broken});
        EXPECT_EQ(status->text(), row.succeeds ? done : broken);
        EXPECT_EQ(window.isVisible(), !row.succeeds);
        EXPECT_FALSE(window.Logic().Session().ComDriver.IsPortOpen());
        EXPECT_EQ(window.Logic().Session().AttemptCount, 0);
        if (row.succeeds) EXPECT_TRUE(board.Flash(image.size()) == image);
    }
    SetMessagePresenter(before);
}

}  // namespace
}  // namespace vx
