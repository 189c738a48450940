// The user guide's place, the two links of the about box, and the shipped
// guide itself: every page it names exists, in both languages.
#include "editor/HelpLinks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

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

}  // namespace
}  // namespace vx
