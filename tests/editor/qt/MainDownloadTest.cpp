// The download command (F6) on the real main window, compiling with the real
// tool chain and writing into the simulated boot loader on a pseudo-terminal
// (COM1): the controller's flash ends up holding "Torvin.pin"; a stale image
// is compiled again first; a failed compile downloads nothing; what the
// controller or the port refuses is told; and the whole road from a drawn
// ladder to an emulated controller running it under F8.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "bootsim/PtyChip.h"
#include "build/CompileState.h"
#include "build/qt/Translate.h"
#include "editor/CBlockFile.h"
#include "editor/qt/Main.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "online/DeviceImage.h"
#include "online/EvaluateCell.h"
#include "online/LinkSettings.h"
#include "online/qt/AD_EN_Show.h"
#include "online/qt/MonitorFrm.h"
#include "outside/qt/Downloads.h"
#include "platform/FileIo.h"
#include "platform/Launcher.h"
#include "platform/SystemFolders.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QemuBoard.h"
#include "support/QtWait.h"
#include "support/ScopedEnv.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"
#include "support/ToolButtonClick.h"
#include "updater/PosixSerialLink.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using bootsim::BootChip;
using bootsim::ChipMode;
using bootsim::ChipProfile;
using bootsim::PtyChip;
using test::ScopedEnv;

using Bytes = std::vector<std::uint8_t>;

// A simulated controller on COM1.
struct Com1Chip {
    explicit Com1Chip(ChipProfile profile = ChipProfile::F10x())
        : chip(std::move(profile)), env("VXTORVIN_COM1", chip.DevicePath().c_str()) {}
    Bytes Flash(std::size_t n) {
        return chip.With(
            [n](BootChip& c) { return Bytes(c.Flash().begin(), c.Flash().begin() + n); });
    }
    PtyChip chip;
    ScopedEnv env;
};

// Counts the compiles that run, by the compile window's appearances.
class CompileCounter {
  public:
    explicit CompileCounter(TMainFrm& frm) {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this, &frm] {
            const bool open = frm.findChild<TTranslateFrm*>() != nullptr;
            if (open && !open_) ++count;
            open_ = open;
        });
        timer_.start();
    }
    int count = 0;

  private:
    QTimer timer_;
    bool open_ = false;
};

class MainDownloadTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!fs::exists(VX_RUNTIME_KIT_DIR "/ST.ld") || FindExecutable("arm-none-eabi-gcc").empty())
            GTEST_SKIP() << "the GNU ARM tool chain or the run-time kit is not there";
        test::ResetEditorRunState();
        CBlockBuffer() = kCBlockTemplate;
        TheCompileState() = CompileState();
        TheLinkSettings() = LinkSettings();
        std::error_code ec;
        fs::create_directory_symlink(VX_RUNTIME_KIT_DIR, JoinPath(ProgramFolder(), "Runtime"), ec);
        fs::remove(TargetFile(), ec);
    }

    std::unique_ptr<TMainFrm> SavedProject(const std::string& name) {
        auto frm = test::StartedMainWindow();
        frm->FileNewItemClick();
        const std::string path = dir_ / name;
        frm->Dialogs().saveFile = [path](const std::string&) {
            return std::optional<std::string>(path);
        };
        frm->FileSaveItemClick();
        EXPECT_EQ(frm->ProjectFile(), path + ".PSP");
        return frm;
    }

    static std::string TargetFile() { return JoinPath(WindowsDirectory(), "Torvin.pin"); }
    static Bytes Image() {
        const std::string bytes = ReadWholeFile(TargetFile()).value_or("");
        return Bytes(bytes.begin(), bytes.end());
    }
    // Draws "M0 -| |- (Y0)" and "M1 -|/|- (Y1)" and marks the project changed.
    static void DrawTwoRungs(TMainFrm& frm) {
        LadderCells& cells = TheProgram().cells;
        auto put = [&](int column, int row, std::uint8_t kind, const char* text) {
            cells.Kind(column, row) = kind;
            cells.First(column, row) = text;
        };
        put(1, 0, CellKind::kOpenContact, "M0");
        put(1, 1, CellKind::kClosedContact, "M1");
        for (int row = 0; row < 2; ++row) {
            for (int c = 2; c <= kLastConditionColumn; ++c)
                put(c, row, CellKind::kLine, "");
        }
        put(12, 0, CellKind::kCoil, "Y0");
        put(12, 1, CellKind::kCoil, "Y1");
        frm.EditFileBackup();
    }

    test::MessageRecorder messages_;
    test::TempFolder dir_;
};

TEST_F(MainDownloadTest, F6WritesTheCompiledImageIntoTheController) {
    Com1Chip com1;
    ASSERT_TRUE(com1.chip.Ok());
    auto frm = SavedProject("download");
    DrawTwoRungs(*frm);
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile()));
    const Bytes image = Image();

    // Monitoring holds COM1; the download stops it and takes the port.
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    CompileCounter compiles(*frm);
    ASSERT_TRUE(frm->Item("N12")->isEnabled());
    frm->Item("N12")->trigger();
    EXPECT_FALSE(frm->Monitoring());
    EXPECT_FALSE(frm->Button("StakeoutON")->Down());
    EXPECT_EQ(compiles.count, 0) << "the image was the project's";

    ASSERT_EQ(messages_.Count(), 1u) << messages_.Last().text;
    EXPECT_EQ(messages_.Last().text, "下载完成 ！");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Information);
    EXPECT_EQ(com1.Flash(image.size()), image) << "byte for byte";
    com1.chip.With([](BootChip& c) {
        EXPECT_EQ(c.Mode(), ChipMode::Running);
        EXPECT_EQ(c.LastGoAddress(), 0x08000000u);
    });

    // The tool button does the same.
    com1.chip.With([](BootChip& c) { c.EraseAll(); });
    messages_.Clear();
    test::ClickToolButton(frm->Button("DownloadToolButton"));
    EXPECT_EQ(messages_.Last().text, "下载完成 ！");
    EXPECT_EQ(com1.Flash(image.size()), image);
    EXPECT_EQ(compiles.count, 0);
}

// The device memory monitor holds the port and polls it while it is shown:
// F6 closes it first, and nothing of its traffic reaches the boot loader's
// session.
TEST_F(MainDownloadTest, F6ClosesTheMemoryMonitorFirst) {
    Com1Chip com1;
    ASSERT_TRUE(com1.chip.Ok());
    auto frm = SavedProject("monitored");
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile()));
    const Bytes image = Image();

    frm->Item("N30")->trigger();
    ASSERT_TRUE(frm->MonitorFrm()->isVisible());
    VX_WAIT_TRUE(com1.chip.Received().size() > 16, test::kStateWaitMs) << "the monitor polls";
    frm->Item("N12")->trigger();
    EXPECT_FALSE(frm->MonitorFrm()->isVisible());
    EXPECT_FALSE(frm->Monitoring()) << "not handed to ladder monitoring";
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "下载完成 ！");
    EXPECT_EQ(com1.Flash(image.size()), image);

    // A polling utility dialog likewise.
    com1.chip.With([](BootChip& c) { c.EraseAll(); });
    frm->Item("N31")->trigger();
    auto* analog = frm->findChild<TAD_EN_Frm*>();
    ASSERT_TRUE(analog && analog->isVisible());
    com1.chip.ClearReceived();
    VX_WAIT_TRUE(com1.chip.Received().size() > 16, test::kStateWaitMs) << "the dialog polls";
    frm->Item("N12")->trigger();
    EXPECT_FALSE(analog->isVisible());
    EXPECT_EQ(messages_.Last().text, "下载完成 ！");
    EXPECT_EQ(com1.Flash(image.size()), image);
}

TEST_F(MainDownloadTest, AStaleImageOrUnsavedEditsAreCompiledFirst) {
    Com1Chip com1;
    ASSERT_TRUE(com1.chip.Ok());
    auto frm = SavedProject("stale");
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile()));

    // The image touched behind the tool's back: compiled again, then sent.
    const std::string touched = TargetFile();
    fs::last_write_time(touched, fs::last_write_time(touched) + std::chrono::seconds(5));
    CompileCounter compiles(*frm);
    frm->Item("N12")->trigger();
    EXPECT_EQ(compiles.count, 1);
    EXPECT_EQ(FileStampText(TargetFile()), TheCompileState().targetStampAtCompile);
    EXPECT_EQ(messages_.Last().text, "下载完成 ！");
    Bytes image = Image();
    EXPECT_EQ(com1.Flash(image.size()), image);

    // An edit not saved yet: saved, compiled and sent with the new rungs.
    DrawTwoRungs(*frm);
    ASSERT_TRUE(frm->Item("FileSaveItem")->isEnabled());
    frm->Item("N12")->trigger();
    EXPECT_EQ(compiles.count, 2);
    EXPECT_FALSE(frm->Item("FileSaveItem")->isEnabled());
    const Bytes larger = Image();
    EXPECT_GT(larger.size(), image.size());
    EXPECT_EQ(com1.Flash(larger.size()), larger);
}

TEST_F(MainDownloadTest, AFailedCompileDownloadsNothing) {
    Com1Chip com1;
    ASSERT_TRUE(com1.chip.Ok());
    auto frm = SavedProject("broken");
    // A contact that leads to no output: the converter refuses the project.
    TheProgram().cells.Kind(1, 4) = CellKind::kOpenContact;
    TheProgram().cells.First(1, 4) = "X1";
    frm->EditFileBackup();
    bool called = false;
    DownloadsPresenter before =
        SetDownloadsPresenter([&](QWidget*, const std::string&, std::uint32_t) {
            called = true;
            return 0;
        });
    frm->Item("N12")->trigger();
    SetDownloadsPresenter(before);
    EXPECT_FALSE(FileExists(TargetFile()));
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "Compilation fails!");
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
    EXPECT_FALSE(called);
    EXPECT_EQ(com1.chip.HostOpens(), 0);
}

// The word handed to the downloader carries the project's series, frame and
// station and the chosen port and baud rate; Ethernet is downloaded over
// COM1, and the user is told so.
TEST_F(MainDownloadTest, TheDownloadWordAndEthernet) {
    auto frm = SavedProject("word");
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile()));
    std::vector<std::pair<std::string, std::uint32_t>> calls;
    DownloadsPresenter before =
        SetDownloadsPresenter([&](QWidget* owner, const std::string& path, std::uint32_t word) {
            EXPECT_EQ(owner, frm.get());
            calls.emplace_back(path, word);
            return 0;
        });
    // A new project: series 2, frame 2 (E 8 1), station 1. COM2 at 57600.
    TheLinkSettings().comPortIndex = 1;
    TheLinkSettings().baudIndex = 3;
    TheLinkSettings().fromProject = false;
    frm->Item("N12")->trigger();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, TargetFile());
    EXPECT_EQ(calls[0].second, 1u + 11 * 16 + 2 * 256 + 2 * 4096 + 1 * 1048576);
    EXPECT_TRUE(messages_.Messages().empty());

    TheLinkSettings().comPortIndex = kEthernetPortIndex;
    frm->Item("N12")->trigger();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].second & 0xF, 0u) << "COM1";
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "以太网不能下载程序：程序将通过 COM1 串口的引导程序下载 ！");
    frm->Item("English1")->trigger();
    frm->Item("N12")->trigger();
    EXPECT_EQ(messages_.Last().text,
              "Programs cannot be downloaded over Ethernet: the download goes over the serial boot "
              "loader on COM1!");
    SetDownloadsPresenter(before);
}

TEST_F(MainDownloadTest, WhatTheControllerOrThePortRefusesIsTold) {
    auto frm = SavedProject("refusals");
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile()));
    const Bytes image = Image();

    {  // A weak cell: the flash read back differs from the image.
        Com1Chip com1;
        com1.chip.With([](BootChip& c) { c.AddWeakCell(0x100); });
        frm->Item("N12")->trigger();
        const std::string& text = messages_.Last().text;
        EXPECT_EQ(text.rfind("校验失败：地址 0x08000100 处 PLC 中为 0x", 0), 0u) << text;
        EXPECT_NE(text.find("PLC 中的程序已被擦除，请重新下载。"), std::string::npos) << text;
        EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);
    }
    {  // Nothing answers.
        Com1Chip com1;
        com1.chip.With([](BootChip& c) { c.SetSilent(true); });
        frm->Item("N12")->trigger();
        EXPECT_EQ(messages_.Last().text, "PLC 无应答 ！请检查 COM1 的通信线，并确认 PLC 已上电。");
    }
    {  // Read protection.
        Com1Chip com1;
        com1.chip.With([](BootChip& c) { c.SetReadProtection(true); });
        frm->Item("N12")->trigger();
        EXPECT_EQ(messages_.Last().text, "PLC 芯片处于读保护状态，无法读写，不能下载 ！");
        com1.chip.With([](BootChip& c) { EXPECT_EQ(c.UnitsErased(), 0); });
    }
    {  // Another program holds the port; in English.
        Com1Chip com1;
        PosixSerialLink holder;
        ASSERT_TRUE(holder.Open(com1.chip.DevicePath()));
        frm->Item("English1")->trigger();
        frm->Item("N12")->trigger();
        EXPECT_EQ(messages_.Last().text, "The serial port COM1 (" + com1.chip.DevicePath() +
                                             ") is in use or cannot be set up!");
        frm->Item("Chinese1")->trigger();
    }
    EXPECT_EQ(messages_.Count(), 4u);
}

TEST_F(MainDownloadTest, CancelEndsTheTransferAndSaysSo) {
    // A line paced at 115200 baud: the transfer takes long enough to cancel.
    PtyChip chip(ChipProfile::F10x(), bootsim::PtyOptions{bootsim::ByteTime8E1(115200)});
    ASSERT_TRUE(chip.Ok());
    ScopedEnv env("VXTORVIN_COM1", chip.DevicePath().c_str());
    auto frm = SavedProject("cancel");
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile()));

    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TDownloadsFrm*>(QApplication::activeModalWidget());
        if (!dialog || dialog->ProgressBar1()->value() < 5) return;
        EXPECT_EQ(dialog->parentWidget(), frm.get()) << "owned by the main window";
        // The bar and the line above it measure the same thing.
        EXPECT_EQ(dialog->Label1()->text(),
                  QStringLiteral("写入：%1%").arg(dialog->ProgressBar1()->value()));
        dialog->CancelButton()->click();
        watch.stop();
    });
    watch.start();
    frm->Item("N12")->trigger();
    EXPECT_EQ(messages_.Last().text, "下载已取消 ！\nPLC 中的程序已被擦除，请重新下载。");
    const auto blocks = static_cast<int>((Image().size() + 255) / 256);
    chip.With([&](BootChip& c) {
        EXPECT_GE(c.BlocksWritten(), 1);
        EXPECT_LT(c.BlocksWritten(), blocks) << "stopped on the way";
        EXPECT_EQ(c.LastGoAddress(), 0u);
    });
}

// The whole road: a ladder drawn in the main window, F5, F6 into the
// simulated boot loader, the simulated flash run on the emulated controller,
// and F8 showing the outputs the ladder drives.
TEST_F(MainDownloadTest, DrawnCompiledDownloadedRunAndMonitored) {
    if (!test::QemuBoard::Available()) GTEST_SKIP() << "no qemu-system-arm";
    auto frm = SavedProject("road");
    DrawTwoRungs(*frm);
    const std::string elf = dir_ / "plc.elf";
    QTimer keep;
    keep.setInterval(5);
    QObject::connect(&keep, &QTimer::timeout, [&] {
        if (auto* stage = frm->findChild<TTranslateFrm*>()) {
            stage->Stage().beforeCleanUp = [&](const std::string& scratch) {
                fs::copy_file(JoinPath(scratch, "plc.elf"), elf,
                              fs::copy_options::overwrite_existing);
            };
            keep.stop();
        }
    });
    keep.start();
    frm->Item("c1")->trigger();
    ASSERT_TRUE(FileExists(TargetFile()));
    ASSERT_TRUE(FileExists(elf));

    Bytes flash;
    {
        Com1Chip com1(ChipProfile::F20x());  // the emulated board is an STM32F205
        frm->Item("N12")->trigger();
        ASSERT_EQ(messages_.Last().text, "下载完成 ！");
        flash = com1.chip.With([](BootChip& c) { return c.Flash(); });
    }
    const std::string flashFile = dir_ / "flash.bin";
    test::WriteTestFile(flashFile, std::string(flash.begin(), flash.end()));

    test::QemuBoard board;
    test::QemuBoard::Options options;
    options.serialPty = true;
    options.elfPath = elf;
    ASSERT_TRUE(board.Start(flashFile, options)) << board.Error();
    ASSERT_TRUE(board.Continue());
    ScopedEnv com1("VXTORVIN_COM1", board.SerialDevice().c_str());

    auto energised = [](int column, int row) {
        return EvaluateCell(TheProgram().cells, column, row, TheDeviceImage(), WordDisplay::kSigned)
                   .state != 0;
    };
    frm->Item("NStakeoutON")->trigger();
    ASSERT_TRUE(frm->Monitoring());
    VX_WAIT_TRUE(energised(12, 1), test::kStateWaitMs);
    EXPECT_FALSE(energised(12, 0));
    // M0 set in the running controller: its rung drives Y0.
    ASSERT_TRUE(board.SetByte("M", 0, 1));
    VX_WAIT_TRUE(energised(12, 0), test::kStateWaitMs);
    EXPECT_EQ(board.Byte("Y", 0).value_or(0), 1);
    frm->Item("NStakeoutON")->trigger();
}

}  // namespace
}  // namespace vx
