// The updater's main window logic: the registry hand-off, the two modes, the
// download button and the loading of the image.
#include "updater/Main.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

#include "FakeLink.h"
#include "platform/Registry.h"
#include "platform/SerialPortNames.h"
#include "platform/SystemFolders.h"
#include "support/MessageRecorder.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using bootsim::BootChip;
using bootsim::ChipProfile;

class FakeView final : public UpdaterView {
  public:
    void SetCaption(const std::string& text) override { caption = text; }
    void SetModelList(bool on, int index) override {
        modelEnabled = on;
        model = index;
    }
    int ModelIndex() const override { return model; }
    int PortIndex() const override { return port; }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowProgress(int) override {}
    void ShowProgressHint(const std::string&) override {}
    void ShowLamp(bool) override {}
    void CloseWindow() override { ++closed; }

    std::string caption = "unset";
    bool modelEnabled = true;
    int model = 1;
    int port = 0;
    std::vector<std::string> statuses;
    int closed = 0;
};

// Every case has its own Windows directory and program folder.
struct MainRig {
    MainRig()
        : windir("VXTORVIN_WINDIR", windows.Path().c_str()),
          progdir("VXTORVIN_PROGDIR", program.Path().c_str()),
          chip(ChipProfile::F10x()) {
        chip.StartProgram();
        link.Attach(&chip, true);
    }
    void SetFlag(std::int32_t value) {
        Registry tool(RootKey::LocalMachine);
        ASSERT_EQ(tool.OpenKey("Software\\vxTorvin", true), RegOutcome::Ok);
        ASSERT_TRUE(tool.WriteInteger("Flag", value));
        ASSERT_TRUE(tool.WriteBool("Chinese", true));
    }
    std::optional<std::int32_t> Flag() {
        Registry reg(RootKey::LocalMachine);
        if (reg.OpenKey("Software\\vxTorvin", false) != RegOutcome::Ok) return std::nullopt;
        return reg.ReadInteger("Flag");
    }
    bool RunSession() {
        return timers.RunUntil([this] { return !main->Session().Busy(); }, Millis(120000));
    }

    test::TempFolder windows;
    test::TempFolder program;
    test::ScopedEnv windir;
    test::ScopedEnv progdir;
    test::ManualClock clock;
    TimerSet timers{clock};
    BootChip chip;
    test::FakeLink link{clock};
    FakeView view;
    std::map<std::string, std::string> resources;
    std::unique_ptr<UpdaterMain> main = std::make_unique<UpdaterMain>(
        view, link, timers, [this](const std::string& type, const std::string& name) {
            auto found = resources.find(type + "/" + name);
            return found == resources.end() ? std::nullopt
                                            : std::optional<std::string>(found->second);
        });
    test::MessageRecorder messages;
};

TEST(UpdaterMode, StartedByTheToolSendsABuiltInImageOnce) {
    MainRig rig;
    rig.SetFlag(1);
    rig.main->FormShow();
    EXPECT_EQ(rig.main->Mode(), UpdateMode::Resource);
    EXPECT_EQ(rig.view.caption, CaptionFor(UpdateMode::Resource));
    EXPECT_TRUE(rig.view.modelEnabled);
    EXPECT_EQ(rig.view.model, 1);
    EXPECT_EQ(rig.Flag(), 0) << "the flag is taken";

    // Started again without a new command: file mode.
    FakeView second;
    UpdaterMain again(second, rig.link, rig.timers, {});
    again.FormShow();
    EXPECT_EQ(again.Mode(), UpdateMode::File);
    EXPECT_EQ(second.caption, "下载");
    EXPECT_FALSE(second.modelEnabled);
    EXPECT_EQ(second.model, -1);
}

TEST(UpdaterMode, WithoutTheKeyItIsCreatedAndFileModeUsed) {
    MainRig rig;
    rig.main->FormShow();
    EXPECT_EQ(rig.main->Mode(), UpdateMode::File);
    EXPECT_TRUE(Registry(RootKey::LocalMachine).KeyExists("Software\\vxTorvin"));
    EXPECT_EQ(rig.Flag(), std::nullopt) << "no value is written";
    EXPECT_EQ(rig.main->PackageImagePath(), JoinPath(ProgramFolder(), "Update.Da2"));
    EXPECT_TRUE(rig.messages.Messages().empty());
}

TEST(UpdaterMode, OtherFlagValuesMeanFileMode) {
    MainRig rig;
    rig.SetFlag(2);
    rig.main->FormShow();
    EXPECT_EQ(rig.main->Mode(), UpdateMode::File);
    EXPECT_EQ(rig.Flag(), 0);
}

TEST(UpdaterMode, RegistryThatCannotBeWrittenStopsTheShowHandler) {
    MainRig rig;
    std::filesystem::create_directory(rig.windows / "registry.ini");  // the store is a folder
    rig.main->FormShow();
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(rig.messages.Last().caption, "Torvin");
    EXPECT_EQ(rig.messages.Last().text, "For unknown reasons, failed to create login information!");
    EXPECT_EQ(rig.messages.Last().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(rig.messages.Last().topmost);
    EXPECT_EQ(rig.view.caption, "unset");
    EXPECT_TRUE(rig.main->PackageImagePath().empty());
    rig.main->BitBtn2Click();
    EXPECT_EQ(rig.messages.Last().text, "下载文件不存在！");
}

TEST(UpdaterDownload, MissingPackageFileIsReportedAndNothingStarts) {
    MainRig rig;
    rig.main->FormShow();
    rig.main->BitBtn2Click();
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(rig.messages.Last().caption, "错误");
    EXPECT_EQ(rig.messages.Last().text, "下载文件不存在！");
    EXPECT_EQ(rig.messages.Last().icon, MsgIcon::Information);
    EXPECT_TRUE(rig.link.opened.empty());
}

TEST(UpdaterDownload, PackageFileIsReadWhenTheAttemptStarts) {
    MainRig rig;
    rig.main->FormShow();
    const std::vector<std::uint8_t> early = test::TestImage(800, 1);
    const std::vector<std::uint8_t> late = test::TestImage(900, 2);
    test::WriteTestFile(rig.main->PackageImagePath(), std::string(early.begin(), early.end()));
    rig.main->BitBtn2Click();
    ASSERT_EQ(rig.link.opened.size(), 1u);
    // Replaced while the controller is being reset: the file as it was
    // checked is the one sent.
    test::WriteTestFile(rig.main->PackageImagePath(), std::string(late.begin(), late.end()));
    ASSERT_TRUE(rig.RunSession());
    EXPECT_TRUE(std::equal(early.begin(), early.end(), rig.chip.Flash().begin()));
    EXPECT_EQ(rig.chip.Flash()[800], 0xFF);
    EXPECT_EQ(rig.view.statuses.back(), "上载完成！");
    EXPECT_EQ(rig.view.closed, 1);
}

// "下载目标代码" comes only once a chip has been identified: the image is
// loaded when the attempt starts, but nothing is sent before a chip answers.
TEST(UpdaterDownload, TargetCodeStatusOnlyOnceAChipIsIdentified) {
    enum class Line { Silent, Busy, Chip };
    const Line lines[] = {Line::Silent, Line::Busy, Line::Chip};
    for (const Line line : lines) {
        SCOPED_TRACE(static_cast<int>(line));
        MainRig rig;
        if (line == Line::Silent) rig.link.Attach(nullptr, false);
        rig.link.refuseOpen = line == Line::Busy;
        rig.main->FormShow();
        test::WriteTestFile(rig.main->PackageImagePath(), "image");
        rig.main->BitBtn2Click();
        ASSERT_TRUE(rig.RunSession());
        const std::vector<std::string>& statuses = rig.view.statuses;
        auto place = [&](const char* text) {  // -1: never shown
            const auto at = std::find(statuses.begin(), statuses.end(), text);
            return at == statuses.end() ? -1 : static_cast<int>(at - statuses.begin());
        };
        if (line != Line::Chip) {
            EXPECT_EQ(place("下载目标代码"), -1);
            continue;
        }
        EXPECT_GE(place("F10x"), 0);
        EXPECT_GT(place("下载目标代码"), place("F10x"));
        EXPECT_EQ(statuses.back(), "上载完成！");
    }
}

// An empty package is refused before the controller is even reset: refused
// later, after the erase command, it left the chip waiting for its page list.
// A package of a terabyte (a disk image by mistake) is refused by its size:
// read into memory first, it could not even be held.
TEST(UpdaterDownload, EmptyOrHugePackageFileIsRefusedBeforeAnythingReachesTheChip) {
    const struct {
        std::uintmax_t size;
        const char* text;
    } rows[] = {
        {0, "下载文件为空，不能下载！"},
        {std::uintmax_t{1} << 40, "下载文件太大（1099511627776 字节），超过 1 MB，不能下载！"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        MainRig rig;
        rig.main->FormShow();
        test::WriteTestFile(rig.main->PackageImagePath(), "");
        std::filesystem::resize_file(rig.main->PackageImagePath(), row.size);  // sparse
        rig.main->BitBtn2Click();
        ASSERT_TRUE(rig.RunSession());
        ASSERT_EQ(rig.messages.Count(), 1u);
        EXPECT_EQ(rig.messages.Last().text, row.text);
        EXPECT_EQ(rig.view.statuses.back(), row.text);
        EXPECT_TRUE(rig.link.Written().empty());
        EXPECT_TRUE(rig.link.opened.empty());
        EXPECT_EQ(rig.chip.Mode(), bootsim::ChipMode::Running) << "not reset into the boot loader";
    }
}

TEST(UpdaterDownload, PackageFileGoneBeforeARetryEndsWithTheLoadMessage) {
    MainRig rig;
    rig.link.Attach(nullptr, false);  // no answer: attempts fail and are retried
    rig.main->FormShow();
    test::WriteTestFile(rig.main->PackageImagePath(), "image");
    rig.main->BitBtn2Click();
    auto failures = [&] {
        return std::count(rig.view.statuses.begin(), rig.view.statuses.end(),
                          "连机失败！请检查通信线。");
    };
    // The second attempt has loaded the file when the first one's failure shows.
    ASSERT_TRUE(rig.timers.RunUntil([&] { return failures() == 1; }, Millis(20000)));
    std::filesystem::remove(rig.main->PackageImagePath());
    ASSERT_TRUE(rig.RunSession());
    EXPECT_EQ(failures(), 2);
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(rig.messages.Last().text, "下载文件读取失败！\r" + rig.main->PackageImagePath());
    EXPECT_EQ(rig.link.opened.size(), 2u) << "the third attempt stops before the port";
}

// A second press while the flash is written starts afresh on the port chosen
// since: the open port was kept, and the attempt went on where it was.
TEST(UpdaterDownload, PressDuringATransferStartsAfreshOnTheChosenPort) {
    MainRig rig;
    rig.main->FormShow();
    const std::vector<std::uint8_t> image = test::TestImage(3000, 6);
    test::WriteTestFile(rig.main->PackageImagePath(), std::string(image.begin(), image.end()));
    rig.main->BitBtn2Click();
    ASSERT_TRUE(rig.timers.RunUntil([&] { return rig.main->Session().Writing(); }, Millis(20000)));
    rig.view.port = 2;
    rig.main->BitBtn2Click();
    ASSERT_TRUE(rig.RunSession());
    ASSERT_EQ(rig.link.opened.size(), 2u);
    EXPECT_EQ(rig.link.opened[1], SerialPortPath(2));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), rig.chip.Flash().begin()));
    EXPECT_EQ(rig.view.statuses.back(), "上载完成！");
}

// Closing the window is free until the flash is touched; while it is written
// the user is asked: No lets the transfer finish, Yes stops it and frees the
// port.
TEST(UpdaterDownload, ClosingWhileTheFlashIsWrittenAsksFirst) {
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        SCOPED_TRACE(static_cast<int>(answer));
        MainRig rig;
        rig.main->FormShow();
        EXPECT_TRUE(rig.main->CloseQuery());
        const std::vector<std::uint8_t> image = test::TestImage(3000, 7);
        test::WriteTestFile(rig.main->PackageImagePath(), std::string(image.begin(), image.end()));
        rig.main->BitBtn2Click();
        ASSERT_TRUE(
            rig.timers.RunUntil([&] { return rig.main->Session().Writing(); }, Millis(20000)));
        rig.messages.Answer(answer);
        EXPECT_EQ(rig.main->CloseQuery(), answer == MsgAnswer::Yes);
        ASSERT_EQ(rig.messages.Count(), 1u);
        EXPECT_EQ(rig.messages.Last().buttons, MsgButtons::YesNo);
        if (answer == MsgAnswer::Yes) {
            EXPECT_FALSE(rig.main->Session().Busy());
            EXPECT_FALSE(rig.link.IsOpen());
            continue;
        }
        ASSERT_TRUE(rig.RunSession());
        EXPECT_TRUE(std::equal(image.begin(), image.end(), rig.chip.Flash().begin()));
        EXPECT_EQ(rig.view.closed, 1);
        EXPECT_TRUE(rig.main->CloseQuery()) << "done: no question";
        EXPECT_EQ(rig.messages.Count(), 1u);
    }
}

TEST(UpdaterDownload, BuiltInImageOfTheChosenModelIsSent) {
    MainRig rig;
    rig.SetFlag(1);
    rig.main->FormShow();
    const std::vector<std::uint8_t> image = test::TestImage(1500, 5);
    rig.resources["FILE3/SRC3"] = std::string(image.begin(), image.end());
    rig.view.model = 2;
    rig.main->BitBtn2Click();
    ASSERT_TRUE(rig.RunSession());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), rig.chip.Flash().begin()));
    EXPECT_EQ(rig.view.statuses.back(), "上载完成！");
}

TEST(UpdaterDownload, ModelWithoutABuiltInImageSaysSo) {
    MainRig rig;
    rig.SetFlag(1);
    rig.main->FormShow();
    rig.view.model = 4;
    rig.main->BitBtn2Click();
    ASSERT_TRUE(rig.RunSession());
    ASSERT_EQ(rig.messages.Count(), 1u);
    EXPECT_EQ(rig.messages.Last().text, "本程序没有内置 预留型号 5 的固件（SRC5），不能下载！");
    EXPECT_EQ(rig.chip.UnitsErased(), 0);
    EXPECT_TRUE(rig.link.opened.empty());
}

}  // namespace
}  // namespace vx
