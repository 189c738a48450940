// The shipped language files against the forms of the tool, all of them built.
#include <gtest/gtest.h>

#include <memory>

#include "FormCatalogue.h"
#include "ShownTexts.h"
#include "editor/qt/Main.h"
#include "editor/qt/UiTexts.h"
#include "support/LanguageEntryPrinter.h"

namespace vx {
namespace {

const std::string kDataFolder = VX_DATA_DIR;
const char* const kRegenerate =
    "the forms' texts changed: regenerate data/kzchs.ini with "
    "`cmake --build <build folder> --target kzchs_ini`, then give data/kzeng.ini the English "
    "of every new or changed entry, at the same place";

std::vector<LanguageEntry> Shipped(const char* file) {
    const LanguageFileRead read = ReadLanguageFile(kDataFolder + "/" + file);
    EXPECT_EQ(read.status, LanguageFileStatus::Ok) << file;
    EXPECT_FALSE(read.entries.empty()) << file;
    return read.entries;
}

class LanguageFilesTest : public testing::Test {
  protected:
    void SetUp() override { forms_ = BuildAllForms(); }
    std::unique_ptr<TMainFrm> forms_;
};

TEST_F(LanguageFilesTest, TheChineseFileIsTheFormsTextsAsTheyAreBuilt) {
    const std::vector<LanguageEntry> shipped = Shipped("kzchs.ini");
    const std::vector<LanguageEntry> fresh = CollectUiTexts();
    for (std::size_t i = 0; i < std::max(shipped.size(), fresh.size()); ++i) {
        const std::string had = i < shipped.size() ? shipped[i].name + "=" + shipped[i].value : "";
        const std::string now = i < fresh.size() ? fresh[i].name + "=" + fresh[i].value : "";
        ASSERT_EQ(had, now) << "line " << i + 1 << ": " << kRegenerate;
    }
}

TEST_F(LanguageFilesTest, TheEnglishFileHasTheChineseFilesEntriesInItsOrder) {
    const std::vector<LanguageEntry> chinese = Shipped("kzchs.ini");
    const std::vector<LanguageEntry> english = Shipped("kzeng.ini");
    for (std::size_t i = 0; i < std::max(chinese.size(), english.size()); ++i) {
        ASSERT_EQ(i < english.size() ? english[i].name : "(none)",
                  i < chinese.size() ? chinese[i].name : "(none)")
            << "line " << i + 1 << " of kzeng.ini";
    }
}

TEST_F(LanguageFilesTest, NoEnglishTextIsLeftInChinese) {
    for (const LanguageEntry& e : Shipped("kzeng.ini"))
        EXPECT_FALSE(test::HasChinese(QString::fromStdString(e.value))) << e.name << "=" << e.value;
}

TEST_F(LanguageFilesTest, EveryEntryOfBothFilesReachesALiveText) {
    const QList<QWidget*> forms = ApplicationForms();
    for (const char* file : {"kzchs.ini", "kzeng.ini"}) {
        for (const LanguageEntry& e : Shipped(file)) {
            const UiTextTable one = MakeUiTextTable({e});
            int reached = 0;
            for (QWidget* form : forms)
                reached += ApplyUiTexts(form, one);
            EXPECT_EQ(reached, 1) << file << ": " << e.name;
        }
    }
}

TEST_F(LanguageFilesTest, EveryFormGoesToEnglishAndBackToItsChineseTexts) {
    const std::vector<LanguageEntry> exported = CollectUiTexts();
    ASSERT_EQ(ImportUiTexts(kDataFolder + "/kzeng.ini"), LanguageFileStatus::Ok);
    EXPECT_EQ(CollectUiTexts(), Shipped("kzeng.ini")) << "every text in English";
    ASSERT_EQ(ImportUiTexts(kDataFolder + "/kzchs.ini"), LanguageFileStatus::Ok);
    EXPECT_EQ(CollectUiTexts(), exported);
}

}  // namespace
}  // namespace vx
