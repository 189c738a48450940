// The user guide's place, the two links of the about box, and the shipped
// guide itself: every page it names exists, in both languages, and every
// caption it names is one the tool shows in that language.
#include "editor/HelpLinks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "editor/LanguageFile.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

TEST(HelpLinksTest, TheGuideLiesInTheProgramFolderInBothLanguages) {
    EXPECT_EQ(UserGuidePage("/opt/vx", true), "/opt/vx/Help/zh/index.html");
    EXPECT_EQ(UserGuidePage("/opt/vx", false), "/opt/vx/Help/en/index.html");
    EXPECT_EQ(UserGuideHome("/opt/vx"), "/opt/vx/Help/index.html");
    EXPECT_EQ(WebLinkText("/opt/my tools/程序"),
              "file:///opt/my%20tools/%E7%A8%8B%E5%BA%8F/Help/index.html");
}

TEST(HelpLinksTest, TheMailLinkCarriesOnlyAConfiguredAddress) {
    EXPECT_EQ(MailLinkText(""), "mailto:");
    EXPECT_EQ(MailLinkText("service@plc.test"), "mailto:service@plc.test");
    EXPECT_EQ(MailLinkText(SupportMailAddress()), "mailto:" + SupportMailAddress());
    EXPECT_EQ(MailLinkTarget("mailto:a@b.test", "KZ6-Quillary"),
              "mailto:a@b.test?&cc=&bcc=&subject=%E6%AC%A2%E8%BF%8E%E4%BD%BF%E7%94%A8%20"
              "KZ6-Quillary&body=%E6%82%A8%E7%9A%84%E6%84%8F%E8%A7%81%3A%0d");
    EXPECT_EQ(PercentEncoded("a-Z_0.~/ &?%"), "a-Z_0.~/%20%26%3F%25");
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every local link of every shipped page leads to a page that exists, and an
// anchor to an id on it; both languages hold the same topics.
TEST(HelpLinksTest, EveryLinkOfTheShippedGuideLeadsSomewhere) {
    const fs::path help = fs::path(VX_DATA_DIR) / "Help";
    ASSERT_TRUE(fs::exists(help / "index.html"));
    ASSERT_TRUE(fs::exists(help / "zh" / "index.html"));
    ASSERT_TRUE(fs::exists(help / "en" / "index.html"));
    const std::regex href(R"re(href="([^"#:]*)(#([^"]*))?")re");
    const std::regex id(R"re(id="([^"]+)")re");
    std::map<std::string, std::set<std::string>> ids;  // page -> its ids, per language
    for (const auto& entry : fs::recursive_directory_iterator(help)) {
        if (entry.path().extension() != ".html") continue;
        const std::string page = ReadAll(entry.path());
        EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos) << entry.path();
        for (auto m = std::sregex_iterator(page.begin(), page.end(), href);
             m != std::sregex_iterator(); ++m) {
            const std::string file = (*m)[1];
            const fs::path target = file.empty() ? entry.path() : entry.path().parent_path() / file;
            ASSERT_TRUE(fs::exists(target)) << entry.path() << " links to " << file;
            if ((*m)[3].matched) {
                const std::string anchor = (*m)[3];
                const std::string targetText = ReadAll(target);
                EXPECT_NE(targetText.find("id=\"" + anchor + "\""), std::string::npos)
                    << entry.path() << " links to " << file << "#" << anchor;
            }
        }
        if (entry.path().parent_path() != help) {
            auto& mine = ids[entry.path().parent_path().filename().string() + "/" +
                             entry.path().filename().string()];
            for (auto m = std::sregex_iterator(page.begin(), page.end(), id);
                 m != std::sregex_iterator(); ++m)
                mine.insert((*m)[1]);
        }
    }
    // The two languages cover the same topics under the same anchors.
    for (const auto& [page, anchors] : ids) {
        if (page.rfind("zh/", 0) != 0) continue;
        const std::string english = "en/" + page.substr(3);
        ASSERT_TRUE(ids.count(english)) << english;
        EXPECT_EQ(anchors, ids[english]) << page;
    }
    for (const char* topic :
         {"ladder", "instructions", "compile", "download", "monitor", "updater"})
        EXPECT_TRUE(ids["zh/index.html"].count(topic)) << topic;
}

// What the tool shows of a caption, hint or list line: accelerators gone
// ("编译(&T)..." and "Compi&le..." read "编译..." and "Compile..."), and a
// tool button's hint up to its double blank ("YL  (with Shift ...)" reads "YL").
std::set<std::string> ShownTexts(const std::string& languageFile) {
    const LanguageFileRead read = ReadLanguageFile(languageFile);
    EXPECT_EQ(read.status, LanguageFileStatus::Ok) << languageFile;
    const std::regex chineseKey(R"(\(&.\))");
    std::set<std::string> shown;
    auto add = [&](std::string text) {
        text = std::regex_replace(text, chineseKey, "");
        text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
        const std::size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos) return;
        text = text.substr(first, text.find_last_not_of(' ') - first + 1);
        shown.insert(text);
        if (const std::size_t blanks = text.find("  "); blanks != std::string::npos)
            shown.insert(text.substr(0, blanks));
    };
    for (const LanguageEntry& entry : read.entries) {
        if (entry.name.ends_with(".Text")) {
            for (const std::string& line : SplitListValue(entry.value))
                add(line);
        } else if (entry.name.ends_with(".Caption") || entry.name.ends_with(".Hint")) {
            add(entry.value);
        }
    }
    return shown;
}

// The guide names the tool's captions as <span class="ui">, a menu's items
// after its caption and " > "; each is a caption the interface shows in the
// guide's language (or the language the span names).
TEST(HelpLinksTest, EveryCaptionTheGuideNamesIsTheTools) {
    const fs::path data(VX_DATA_DIR);
    const std::map<std::string, std::set<std::string>> shown = {
        {"zh-CN", ShownTexts((data / kChineseLanguageFile).string())},
        {"en", ShownTexts((data / kEnglishLanguageFile).string())}};
    const std::regex ui(R"re(<span class="ui"( lang="([^"]+)")?>([^<]*)</span>)re");
    for (const char* guide : {"zh", "en"}) {
        const std::string page = ReadAll(data / "Help" / guide / "index.html");
        int named = 0;
        for (auto m = std::sregex_iterator(page.begin(), page.end(), ui);
             m != std::sregex_iterator(); ++m) {
            const std::string language = (*m)[1].matched              ? (*m)[2].str()
                                         : guide == std::string("zh") ? "zh-CN"
                                                                      : "en";
            std::string path = std::regex_replace((*m)[3].str(), std::regex(R"(\s+)"), " ");
            path = std::regex_replace(path, std::regex("&gt;"), ">");
            std::size_t from = 0;
            for (std::size_t to; from != std::string::npos; from = to) {
                to = path.find(" > ", from);
                const std::string caption =
                    path.substr(from, to == std::string::npos ? to : to - from);
                if (to != std::string::npos) to += 3;
                ++named;
                EXPECT_TRUE(shown.at(language).count(caption))
                    << guide << " guide names \"" << caption << "\"";
            }
        }
        EXPECT_GT(named, 30) << guide;
    }
}

}  // namespace
}  // namespace vx
