// The user guide and the two links the about box and the start page show.
//
// The guide is a set of HTML pages in the program folder's "Help" folder:
// "index.html" names both languages, "zh/index.html" and "en/index.html" hold
// the guide itself. The web link opens the guide's first page; the mail link
// carries the support address the build was configured with
// (VX_SUPPORT_MAIL), and no address when none was. Three hidden items of the
// help menu open the manuals of the controller families, files of the same
// "Help" folder.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vx {

// The version the about box shows beside the product title.
inline constexpr const char* kProductVersion = "V6.25";

// The link labels' design texts, to which the addresses are appended.
inline constexpr const char* kMailPrefix = "mailto:";
inline constexpr const char* kWebPrefix = "file://";

// The user guide in the chosen language, and its first page.
std::string UserGuidePage(const std::string& programFolder, bool chinese);
std::string UserGuideHome(const std::string& programFolder);

// A hidden item of the help menu and the manual it opens: the item's name and
// caption, and the manual's file in the program folder.
struct ModelManual {
    const char* item;
    const char* caption;
    const char* file;
};
inline constexpr std::array<ModelManual, 3> kModelManuals = {{
    {"ManualItem1", "KZ6 标准型手册(&1)", "Help/KZ6-Standard.pdf"},
    {"ManualItem2", "KZ6 大容量型手册(&2)", "Help/KZ6-Large.pdf"},
    {"ManualItem3", "KZ6-PG16 手册(&3)", "Help/KZ6-PG16.pdf"},
}};
std::string ModelManualPage(const std::string& programFolder, const ModelManual& manual);

// The support mail address the build was configured with; empty when none.
std::string SupportMailAddress();

// The two link texts: the mail prefix and the support address, and the web
// prefix and the guide's first page (percent-encoded).
std::string MailLinkText(std::string_view address);
std::string WebLinkText(const std::string& programFolder);

// What a click on the mail link opens: the link with an empty copy list, the
// subject "欢迎使用 " + product title and the body "您的意见:" and a line break,
// the texts percent-encoded.
std::string MailLinkTarget(std::string_view mailLink, std::string_view productTitle);

// Percent-encodes everything but the unreserved characters of a URI and "/".
std::string PercentEncoded(std::string_view text);

}  // namespace vx
