// The customer update package and the firmware-update launch: what lands in
// the package folder, what is kept and what is asked; the registry hand-off
// and which updater is started.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "build/FirmwareLaunch.h"
#include "build/UpdatePackage.h"
#include "platform/Registry.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::ReadTestFile;
using test::ScopedEnv;
using test::TempFolder;
using test::WriteTestFile;

// Every byte value, so a copy that is not byte for byte shows.
std::string ImageBytes(int salt) {
    std::string bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += static_cast<char>((i * 7 + salt) & 0xFF);
    return bytes;
}

bool Executable(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

struct PackageRig {
    PackageRig() {
        WriteTestFile(target, ImageBytes(1));
        WriteTestFile(updater, "#!/bin/sh\necho updater\n");
        chmod(updater.c_str(), 0755);
    }
    PackageResult Make(bool answer) {
        return MakeUpdatePackage({target, program.Path(), folder}, [this, answer] {
            ++questions;
            return answer;
        });
    }

    TempFolder windows;
    TempFolder program;
    TempFolder parent;
    std::string target = windows / "Torvin.pin";
    std::string updater = program / "Update";
    std::string folder = parent / "客户 A/包";
    int questions = 0;
};

TEST(UpdatePackage, NewFolderGetsTheUpdaterAndAByteCopyOfTheImage) {
    PackageRig rig;
    const PackageResult made = rig.Make(false);
    EXPECT_EQ(made.outcome, PackageOutcome::Made) << made.detail;
    EXPECT_FALSE(made.updaterKept);
    EXPECT_FALSE(made.imageReplaced);
    EXPECT_EQ(rig.questions, 0);
    EXPECT_TRUE(ReadTestFile(rig.folder + "/Update.Da2") == ImageBytes(1));
    EXPECT_EQ(ReadTestFile(rig.folder + "/Update.exe"), ReadTestFile(rig.updater));
    EXPECT_TRUE(Executable(rig.folder + "/Update.exe")) << "the copy still runs";
    EXPECT_EQ(std::distance(fs::directory_iterator(rig.folder), fs::directory_iterator()), 2)
        << "no temporary file is left";
}

TEST(UpdatePackage, UpdaterInTheFolderIsKeptAndAMissingImageStillCopied) {
    PackageRig rig;
    fs::create_directories(rig.folder);
    WriteTestFile(rig.folder + "/Update.exe", "older updater");
    const PackageResult made = rig.Make(false);
    EXPECT_EQ(made.outcome, PackageOutcome::Made);
    EXPECT_TRUE(made.updaterKept);
    EXPECT_EQ(ReadTestFile(rig.folder + "/Update.exe"), "older updater");
    EXPECT_TRUE(ReadTestFile(rig.folder + "/Update.Da2") == ImageBytes(1));
}

// An old image in the folder was kept silently and the package reported as
// made: the customer would have flashed the old program.
TEST(UpdatePackage, ImageInTheFolderIsReplacedOnlyWhenTheAnswerIsYes) {
    PackageRig rig;
    fs::create_directories(rig.folder);
    WriteTestFile(rig.folder + "/Update.Da2", ImageBytes(9));

    PackageResult kept = rig.Make(false);
    EXPECT_EQ(rig.questions, 1);
    EXPECT_EQ(kept.outcome, PackageOutcome::ImageKept);
    EXPECT_TRUE(ReadTestFile(rig.folder + "/Update.Da2") == ImageBytes(9));

    PackageResult replaced = rig.Make(true);
    EXPECT_EQ(rig.questions, 2);
    EXPECT_EQ(replaced.outcome, PackageOutcome::Made);
    EXPECT_TRUE(replaced.imageReplaced);
    EXPECT_TRUE(replaced.updaterKept) << "the first run copied it";
    EXPECT_TRUE(ReadTestFile(rig.folder + "/Update.Da2") == ImageBytes(1));
}

TEST(UpdatePackage, FailuresMakeNothingTheyCannotFinish) {
    {
        PackageRig rig;
        fs::remove(rig.target);
        EXPECT_EQ(rig.Make(true).outcome, PackageOutcome::NoImage);
        EXPECT_FALSE(fs::exists(rig.folder)) << "no folder for a missing image";
    }
    {
        PackageRig rig;
        fs::remove(rig.updater);
        const PackageResult made = rig.Make(true);
        EXPECT_EQ(made.outcome, PackageOutcome::NoUpdater);
        EXPECT_EQ(made.detail, rig.updater);
        EXPECT_FALSE(fs::exists(rig.folder + "/Update.Da2"));
    }
    {
        PackageRig rig;
        fs::create_directories(rig.parent / "客户 A");
        WriteTestFile(rig.folder, "a file where the folder should go");
        EXPECT_EQ(rig.Make(true).outcome, PackageOutcome::FolderFailed);
        EXPECT_EQ(ReadTestFile(rig.folder), "a file where the folder should go");
    }
}

// The updater as a shell script that notes, when it starts, its folder and
// the registry store as the tool left it.
struct LaunchRig {
    LaunchRig() {
        WriteUpdater(program / "Update", "beside the tool");
        WriteUpdater(elsewhere / "Update", "from the current folder");
    }
    void WriteUpdater(const std::string& path, const std::string& which) {
        WriteTestFile(path, "#!/bin/sh\ncp \"" + windows / "registry.ini" + "\" \"" + record +
                                ".ini\"\necho '" + which + "' > \"" + record + ".tmp\" && mv \"" +
                                record + ".tmp\" \"" + record + "\"\n");
        chmod(path.c_str(), 0755);
    }
    bool WaitForStart() const {
        for (int i = 0; i < 3000 && !fs::exists(record); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return fs::exists(record);
    }
    static std::optional<std::int32_t> Flag(const std::string& store) {
        Registry registry(RootKey::LocalMachine, store);
        if (registry.OpenKey(kUpdaterKey, false) != RegOutcome::Ok) return std::nullopt;
        return registry.ReadInteger("Flag");
    }
    static std::optional<bool> ChineseValue(const std::string& store) {
        Registry registry(RootKey::LocalMachine, store);
        if (registry.OpenKey(kUpdaterKey, false) != RegOutcome::Ok) return std::nullopt;
        return registry.ReadBool("Chinese");
    }

    TempFolder windows;
    TempFolder program;
    TempFolder elsewhere;
    ScopedEnv windir{"VXTORVIN_WINDIR", windows.Path().c_str()};
    ScopedEnv progdir{"VXTORVIN_PROGDIR", program.Path().c_str()};
    ScopedEnv configured{"VXTORVIN_LAUNCH_UPDATE", nullptr};
    std::string record = elsewhere / "started";
};

TEST(FirmwareLaunch, FirstClickOnAFreshMachineCreatesTheKeyAndStartsTheUpdater) {
    LaunchRig rig;
    ASSERT_FALSE(Registry(RootKey::LocalMachine).KeyExists(kUpdaterKey));
    const FirmwareLaunchResult launched = LaunchFirmwareUpdate(false);
    EXPECT_EQ(launched.outcome, FirmwareLaunchOutcome::Started) << launched.problem;
    ASSERT_TRUE(rig.WaitForStart());
    EXPECT_EQ(ReadTestFile(rig.record), "beside the tool\n");
    const std::string atStart = rig.record + ".ini";
    EXPECT_EQ(LaunchRig::Flag(atStart), 1) << "written before the updater starts";
    EXPECT_EQ(LaunchRig::ChineseValue(atStart), false);
}

TEST(FirmwareLaunch, UpdaterBesideTheToolIsStartedNotOneInTheCurrentFolder) {
    LaunchRig rig;
    const fs::path before = fs::current_path();
    fs::current_path(rig.elsewhere.Path());
    const FirmwareLaunchResult launched = LaunchFirmwareUpdate(true);
    fs::current_path(before);
    EXPECT_EQ(launched.outcome, FirmwareLaunchOutcome::Started);
    ASSERT_TRUE(rig.WaitForStart());
    EXPECT_EQ(ReadTestFile(rig.record), "beside the tool\n");
    EXPECT_EQ(LaunchRig::ChineseValue(rig.record + ".ini"), true);
}

TEST(FirmwareLaunch, WithoutAnUpdaterBesideTheToolItIsSaidAndTheFlagTakenBack) {
    LaunchRig rig;
    fs::remove(rig.program / "Update");
    TempFolder emptyPath;
    ScopedEnv path("PATH", emptyPath.Path().c_str());
    const fs::path before = fs::current_path();
    fs::current_path(rig.elsewhere.Path());  // holds an "Update", which is not the tool's
    const FirmwareLaunchResult launched = LaunchFirmwareUpdate(true);
    fs::current_path(before);
    EXPECT_EQ(launched.outcome, FirmwareLaunchOutcome::NotStarted);
    EXPECT_NE(launched.problem.find("Update.exe"), std::string::npos) << launched.problem;
    EXPECT_EQ(LaunchRig::Flag(rig.windows / "registry.ini"), 0)
        << "a later start by hand is not taken for the tool's";
}

TEST(FirmwareLaunch, RegistryThatCannotBeWrittenIsAFailure) {
    LaunchRig rig;
    fs::create_directory(rig.windows / "registry.ini");  // the store is a folder
    EXPECT_EQ(LaunchFirmwareUpdate(true).outcome, FirmwareLaunchOutcome::RegistryFailed);
}

}  // namespace
}  // namespace vx
