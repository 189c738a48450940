#include "online/LinkSettings.h"

#include "model/MyPublic.h"

namespace vx {

int BaudCodeAt(int index) {
    if (index < 0 || index >= static_cast<int>(BaudCodeTable.size())) return 0;
    return BaudCodeTable[static_cast<std::size_t>(index)];
}

LinkSettings& TheLinkSettings() {
    static LinkSettings settings;
    return settings;
}

LinkParameters LinkParametersFor(const LinkSettings& s, std::string_view sysParamString) {
    LinkParameters p;
    // Ethernet always takes the project's baud field, which the TCP link ignores.
    const bool fromProject = s.fromProject || s.Ethernet();
    p.baudCode = BaudCodeAt(fromProject ? HexFieldToInt(sysParamString, 12, 1) : s.baudIndex);
    p.port = s.Ethernet() ? kTcpPort : s.comPortIndex;
    p.frame = HexFieldToInt(sysParamString, 15, 1);
    p.station = HexFieldToInt(sysParamString, 10, 2);
    p.tcpAddress = s.tcpAddress;
    p.tcpPort = s.tcpPortText;
    return p;
}

std::string PortPanelText(const LinkSettings& s, std::string_view spinner) {
    std::string text =
        s.Ethernet() ? s.tcpAddress : " COM" + std::to_string(static_cast<int>(s.comPortIndex) + 1);
    text += spinner;
    return text;
}

}  // namespace vx
