#include "online/LinkSettings.h"

#include <cctype>
#include <charconv>

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

std::string TcpSettingsProblem(std::string_view address, std::string_view portText, bool chinese) {
    bool addressOk = !address.empty();
    for (unsigned char c : address) {
        if (c <= 0x20 || c == 0x7F) addressOk = false;
    }
    if (!addressOk) {
        return chinese ? "IP 地址不能为空, 也不能有空格 ！"
                       : "The IP address must not be empty or hold blanks!";
    }
    // Decimal digits only: no sign, blank or base prefix.
    int port = 0;
    const char* end = portText.data() + portText.size();
    const auto [stop, error] = std::from_chars(portText.data(), end, port);
    const bool portOk = !portText.empty() &&
                        std::isdigit(static_cast<unsigned char>(portText[0])) &&
                        error == std::errc() && stop == end;
    if (!portOk || port < 1 || port > 65535) {
        return chinese ? "端口号为 1 ~ 65535 ！" : "The port is a number from 1 to 65535!";
    }
    return {};
}

std::string StationProblem(const LinkParameters& p, bool chinese) {
    if (LinkReachesStation(p.port, p.station)) return {};
    if (p.station == 0) {
        return chinese ? "站号 0 是广播地址, 控制器不应答 ！请在系统参数中把站号设为 1 ~ 255。"
                       : "Station 0 is the broadcast address, which the controller does not "
                         "answer! Set the station to 1 ~ 255 in the system parameters.";
    }
    const std::string station = std::to_string(p.station);
    return chinese ? "站号 " + station + " 无效 ！请在系统参数中把站号设为 1 ~ 255。"
                   : "Station " + station +
                         " is not valid! Set the station to 1 ~ 255 in the system parameters.";
}

std::string PortPanelText(const LinkSettings& s, std::string_view spinner) {
    std::string text =
        s.Ethernet() ? s.tcpAddress : " COM" + std::to_string(static_cast<int>(s.comPortIndex) + 1);
    text += spinner;
    return text;
}

}  // namespace vx
