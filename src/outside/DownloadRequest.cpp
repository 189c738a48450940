#include "outside/DownloadRequest.h"

#include <cstdio>

#include "platform/FileIo.h"
#include "platform/SerialPortNames.h"

namespace vx {
namespace {

std::string Hex(std::uint32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

// The step as the messages name it.
std::string StepText(const DownloadOutcome& o, bool chinese) {
    const std::string at = Hex(o.address, 8);
    switch (o.step) {
        case BootStep::Sync:
            return chinese ? "连接" : "the connection";
        case BootStep::Get:
            return chinese ? "查询命令（Get）" : "Get";
        case BootStep::GetId:
            return chinese ? "读芯片 ID（Get ID）" : "Get ID";
        case BootStep::ProtectionCheck:
            return chinese ? "读存储器（Read Memory）" : "Read Memory";
        case BootStep::Erase:
            return chinese ? "擦除（Erase）" : "Erase";
        case BootStep::Write:
            return chinese ? "写入 " + at + "（Write Memory）" : "Write Memory at " + at;
        case BootStep::Verify:
            return chinese ? "读回 " + at + "（Read Memory）" : "Read Memory at " + at;
        case BootStep::Go:
            return chinese ? "运行（Go）" : "Go";
        case BootStep::None:
            break;
    }
    return chinese ? "下载" : "the download";
}

std::string PortText(const DownloadOutcome& o) {
    return SerialPortName(o.port) + (o.device.empty() ? "" : " (" + o.device + ")");
}

std::string FailureText(const DownloadOutcome& o, bool chinese, const std::string& imagePath) {
    const std::string step = StepText(o, chinese);
    const std::string port = SerialPortName(o.port);
    switch (o.error) {
        case DownloadError::None:
            break;
        case DownloadError::ImageUnreadable:
            return chinese ? "下载文件读取失败：" + imagePath + " ！"
                           : "Cannot read the download file " + imagePath + "!";
        case DownloadError::ImageEmpty:
            return chinese ? "下载文件为空，不能下载 ！"
                           : "The download file is empty: nothing to download!";
        case DownloadError::ImageTooLarge:
            return chinese
                       ? "下载文件太大（" + std::to_string(o.imageSize) + " 字节），超出可擦除的 " +
                             std::to_string(o.reachable) + " 字节，不能下载 ！"
                       : "The download file is too large (" + std::to_string(o.imageSize) +
                             " bytes): only " + std::to_string(o.reachable) +
                             " bytes of flash can be erased!";
        case DownloadError::PortMissing:
            return chinese ? "串口 " + PortText(o) + " 不存在 ！请检查通信设置。"
                           : "The serial port " + PortText(o) +
                                 " does not exist! Check the communication settings.";
        case DownloadError::PortBusy:
            return chinese ? "串口 " + PortText(o) + " 已经被占用，或无法设置 ！"
                           : "The serial port " + PortText(o) + " is in use or cannot be set up!";
        case DownloadError::LineFailed:
            return chinese ? "串口 " + PortText(o) + " 在" + step + "时读写失败 ！"
                           : "The serial port " + PortText(o) + " failed during " + step + "!";
        case DownloadError::NoAnswer:
            if (o.step == BootStep::Sync) {
                return chinese ? "PLC 无应答 ！请检查 " + port + " 的通信线，并确认 PLC 已上电。"
                               : "The PLC does not answer! Check the cable on " + port +
                                     " and that the PLC is powered.";
            }
            return chinese ? "PLC 在" + step + "时无应答 ！请检查通信线。"
                           : "The PLC stopped answering at " + step + "! Check the cable.";
        case DownloadError::Refused:
            return chinese ? "PLC 拒绝了" + step + "（NACK）！"
                           : "The PLC refused " + step + " (NACK)!";
        case DownloadError::Garbled:
            return chinese ? "PLC 对" + step + "的应答有误 ！"
                           : "The PLC's answer to " + step + " is garbled!";
        case DownloadError::ReadProtected:
            return chinese ? "PLC 芯片处于读保护状态，无法读写，不能下载 ！"
                           : "The PLC's chip is read-protected: it can be neither read nor "
                             "written, so the program cannot be downloaded!";
        case DownloadError::Mismatch:
            return chinese ? "校验失败：地址 " + Hex(o.address, 8) + " 处 PLC 中为 " +
                                 Hex(o.found, 2) + "，应为 " + Hex(o.expected, 2) + " ！"
                           : "Verification failed: at " + Hex(o.address, 8) + " the PLC holds " +
                                 Hex(o.found, 2) + " instead of " + Hex(o.expected, 2) + "!";
        case DownloadError::Cancelled:
            return chinese ? "下载已取消 ！" : "Download cancelled!";
    }
    return {};
}

}  // namespace

DownloadRequest UnpackDownloadWord(std::uint32_t word) {
    DownloadRequest r;
    r.port = static_cast<int>(word & 0xF);
    r.baudCode = static_cast<int>(word >> 4 & 0xF);
    r.frame = static_cast<int>(word >> 8 & 0xF);
    r.series = static_cast<int>(word >> 12 & 0xFF);
    r.station = static_cast<int>(word >> 20 & 0xFF);
    return r;
}

std::optional<std::vector<std::uint8_t>> ReadDownloadImage(const std::string& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return std::vector<std::uint8_t>(bytes->begin(), bytes->end());
}

std::string DownloadMessage(const DownloadOutcome& o, bool chinese, const std::string& imagePath) {
    if (o.Ok()) {
        std::string text = chinese ? "下载完成 ！" : "Download complete!";
        if (!o.started) {
            text += chinese ? "\nPLC 未接受运行命令（Go），请复位 PLC 以运行新程序。"
                            : "\nThe PLC did not take the Go command: reset it to run the new "
                              "program.";
        }
        return text;
    }
    std::string text = FailureText(o, chinese, imagePath);
    if (o.flashTouched) {
        text += chinese ? "\nPLC 中的程序已被擦除，请重新下载。"
                        : "\nThe PLC's program has been erased: download it again.";
    }
    return text;
}

std::string DownloadStageText(DownloadStage stage, int port, int percent, bool chinese) {
    const std::string p = std::to_string(percent) + "%";
    switch (stage) {
        case DownloadStage::Connecting:
            return chinese ? "正在连接 PLC（" + SerialPortName(port) + "）。。。"
                           : "Connecting to the PLC (" + SerialPortName(port) + ")...";
        case DownloadStage::Erasing:
            return chinese ? "正在擦除。。。" : "Erasing...";
        case DownloadStage::Writing:
            return chinese ? "写入：" + p : "Writing: " + p;
        case DownloadStage::Verifying:
            return chinese ? "校验：" + p : "Verifying: " + p;
        case DownloadStage::Starting:
            return chinese ? "正在启动 PLC 程序。。。" : "Starting the PLC's program...";
    }
    return {};
}

}  // namespace vx
