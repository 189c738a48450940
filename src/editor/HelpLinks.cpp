#include "editor/HelpLinks.h"

#include "platform/SystemFolders.h"

#ifndef VX_SUPPORT_MAIL
#define VX_SUPPORT_MAIL ""
#endif

namespace vx {
namespace {

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string UserGuidePage(const std::string& programFolder, bool chinese) {
    return JoinPath(programFolder, chinese ? "Help/zh/index.html" : "Help/en/index.html");
}

std::string UserGuideHome(const std::string& programFolder) {
    return JoinPath(programFolder, "Help/index.html");
}

std::string ModelManualPage(const std::string& programFolder, const ModelManual& manual) {
    return JoinPath(programFolder, manual.file);
}

std::string SupportMailAddress() {
    return VX_SUPPORT_MAIL;
}

std::string MailLinkText(std::string_view address) {
    return kMailPrefix + std::string(address);
}

std::string WebLinkText(const std::string& programFolder) {
    return kWebPrefix + PercentEncoded(UserGuideHome(programFolder));
}

std::string MailLinkTarget(std::string_view mailLink, std::string_view productTitle) {
    return std::string(mailLink) + "?" + "&cc=" + "&bcc=" + "&subject=" +
           PercentEncoded("欢迎使用 " + std::string(productTitle)) +
           "&body=" + PercentEncoded("您的意见:") + "%0d";
}

std::string PercentEncoded(std::string_view text) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c) || c == '/') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

}  // namespace vx
