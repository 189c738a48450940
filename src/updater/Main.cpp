#include "updater/Main.h"

#include <filesystem>

#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

constexpr const char* kKey = "Software\\vxTorvin";

}  // namespace

const std::vector<std::string>& ModelNames() {
    static const std::vector<std::string> names{"KZ6 标准型 (256K)", "KZ6 大容量型 (512K)",
                                                "KZ6-PG16 V1.0/V2.0", "预留型号 4", "预留型号 5"};
    return names;
}

std::vector<std::string> PortNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= 8; ++n)
        names.push_back("COM" + std::to_string(n));
    return names;
}

std::string CaptionFor(UpdateMode mode) {
    return mode == UpdateMode::Resource ? "KZ6 系列 PLC 固件升级  B1001" : "下载";
}

UpdaterMain::UpdaterMain(UpdaterView& view, SerialLink& link, TimerSet& timers,
                         ResourceReader resources, std::string packageFolder)
    : view_(view),
      resources_(std::move(resources)),
      packageFolder_(std::move(packageFolder)),
      stm_(link, timers, *this) {}

void UpdaterMain::FormShow() {
    mode_ = UpdateMode::File;
    Registry registry(RootKey::LocalMachine);
    if (registry.KeyExists(kKey)) {
        // A missing or unreadable value leaves file mode, and the value as it is.
        if (registry.OpenKey(kKey, false) == RegOutcome::Ok) {
            if (std::optional<std::int32_t> flag = registry.ReadInteger("Flag")) {
                mode_ = *flag == 1 ? UpdateMode::Resource : UpdateMode::File;
                registry.WriteInteger("Flag", 0);
            }
            registry.CloseKey();
        }
    } else if (registry.CreateKey(kKey) != RegOutcome::Ok) {
        ShowMessage({"Torvin", "For unknown reasons, failed to create login information!",
                     MsgIcon::Exclamation, MsgButtons::Ok, true});
        return;
    }

    view_.SetCaption(CaptionFor(mode_));
    if (mode_ == UpdateMode::Resource) {
        view_.SetModelList(true, 1);
    } else {
        view_.SetModelList(false, -1);
    }
    packageImagePath_ =
        JoinPath(packageFolder_.empty() ? ProgramFolder() : packageFolder_, "Update.Da2");
}

void UpdaterMain::BitBtn2Click() {
    if (mode_ == UpdateMode::Resource ||
        (!packageImagePath_.empty() && FileExists(packageImagePath_))) {
        stm_.AttemptCount = 0;
        stm_.STM_ISP();
        return;
    }
    ShowMessage({"错误", "下载文件不存在！", MsgIcon::Information, MsgButtons::Ok});
}

bool UpdaterMain::CloseQuery() {
    if (!stm_.Writing()) return true;
    // The transfer goes on while the question is open and may end meanwhile.
    const MsgAnswer answer = ShowMessage(
        {"警告", "正在写入固件，现在关闭将使 PLC 中的固件不完整，PLC 不能运行！\r确定要关闭吗？",
         MsgIcon::Exclamation, MsgButtons::YesNo});
    if (answer != MsgAnswer::Yes) return false;
    if (stm_.Busy()) stm_.Stop();
    return true;
}

ImageLoad UpdaterMain::RenewedlyLoadFile(std::vector<std::uint8_t>& imageBuffer) {
    imageBuffer.clear();
    std::optional<std::string> bytes;
    if (mode_ == UpdateMode::Resource) {
        const int index = view_.ModelIndex();
        const std::string number = std::to_string(index + 1);
        if (index >= 0 && resources_) bytes = resources_("FILE" + number, "SRC" + number);
        if (!bytes) {
            const std::string model = index >= 0 && index < static_cast<int>(ModelNames().size())
                                          ? ModelNames()[index]
                                          : "所选机型";
            return {false, "本程序没有内置 " + model + " 的固件（SRC" + number + "），不能下载！"};
        }
    } else {
        // A file larger than the image buffer is refused by its size: read
        // whole, a file of gigabytes would stall the window or exhaust memory.
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(packageImagePath_, error);
        if (!error && size > kImageBufferSize) return {false, ImageTooLargeText(size)};
        bytes = ReadWholeFile(packageImagePath_);
        if (!bytes) return {false, "下载文件读取失败！\r" + packageImagePath_};
    }
    imageBuffer.assign(bytes->begin(), bytes->end());
    return {true, {}};
}

}  // namespace vx
