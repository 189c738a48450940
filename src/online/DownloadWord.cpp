#include "online/DownloadWord.h"

#include "model/MyPublic.h"

namespace vx {

int DownloadBaudCode(const LinkSettings& settings, std::string_view sysParamString) {
    // Choosing Ethernet chooses "PLC工程文件" as well, as for the link.
    const bool fromProject = settings.fromProject || settings.Ethernet();
    return BaudCodeAt(fromProject ? HexFieldToInt(sysParamString, 12, 1) : settings.baudIndex);
}

std::uint32_t MakeDownloadWord(const LinkSettings& settings, std::string_view sysParamString) {
    // Every field read from the string fits its bits: a field that is no
    // hex number reads as 0.
    const auto port = static_cast<std::uint32_t>(settings.comPortIndex & 7);
    const auto baud = static_cast<std::uint32_t>(DownloadBaudCode(settings, sysParamString));
    const auto frame = static_cast<std::uint32_t>(HexFieldToInt(sysParamString, 15, 1));
    const auto series = static_cast<std::uint32_t>(HexFieldToInt(sysParamString, 1, 2));
    const auto station = static_cast<std::uint32_t>(HexFieldToInt(sysParamString, 10, 2));
    return port + baud * 16 + frame * 256 + series * 4096 + station * 1048576;
}

}  // namespace vx
