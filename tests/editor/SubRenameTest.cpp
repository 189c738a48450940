#include "editor/SubRename.h"

#include <gtest/gtest.h>

#include "editor/ProjectRecord.h"
#include "platform/Text.h"

namespace vx {
namespace {

TEST(SubRename, TheTagChoosesTheMode) {
    EXPECT_EQ(SubRenameCaption(kGoToRowTag), "转移到行");
    EXPECT_EQ(SubRenameCaption(0), "子程序重命名");
    EXPECT_EQ(SubRenameCaption(31), "子程序重命名");
    EXPECT_EQ(SubRenameCaption(kGoToRowTag, false), "Go to Row");
    EXPECT_EQ(SubRenameCaption(31, false), "Rename Subroutine");
    EXPECT_FALSE(IsRenameTag(-1));
    EXPECT_FALSE(IsRenameTag(32));
}

TEST(SubRename, GoToRowOffersTheCursorsRowWithinTheShownBlock) {
    ProgramBlocks blocks;
    ASSERT_TRUE(ShowBlock(blocks, NodeOfBlock(3)));
    // The cursor on the 10th row of subroutine 3.
    GoToRowOffer offer = OfferGoToRow(blocks, 2000 + 256 * 3 + 9);
    EXPECT_EQ(offer.maximum, 256);
    EXPECT_EQ(offer.value, 10);
    EXPECT_EQ(offer.range, "1 ~ 256");
    EXPECT_EQ(GoToGridRow(256, offer.maximum), 255) << "the block's last row";

    ASSERT_TRUE(ShowBlock(blocks, kMainNode));
    offer = OfferGoToRow(blocks, 0);
    EXPECT_EQ(offer.maximum, 2000);
    EXPECT_EQ(offer.value, 1);
    EXPECT_EQ(offer.range, "1 ~ 2000");
    EXPECT_EQ(GoToGridRow(1, 2000), 0);
    EXPECT_EQ(GoToGridRow(2000, 2000), 1999);
    EXPECT_EQ(GoToGridRow(5000, 2000), 1999) << "kept in the block";
    EXPECT_EQ(GoToGridRow(0, 2000), 0);
    EXPECT_EQ(OfferGoToRow(blocks, 2500).value, 2000) << "a cursor outside the block is kept in it";
}

TEST(SubRename, StoresTheNameAsTyped) {
    std::array<std::string, kSubroutineCount> names;
    names[5] = "Sub_5";
    EXPECT_TRUE(RenameSubroutine(names, 5, " 电机 启动 "));
    EXPECT_EQ(names[5], " 电机 启动 ");
    EXPECT_TRUE(RenameSubroutine(names, 5, ""));
    EXPECT_EQ(names[5], "") << "the tree gives the default name";
    EXPECT_FALSE(RenameSubroutine(names, kGoToRowTag, "x"));
    EXPECT_FALSE(RenameSubroutine(names, 32, "x"));
}

TEST(SubRename, ANameIsWhatTheProjectFileKeeps) {
    // Thirteen Chinese characters are 26 GBK bytes: whole; a fourteenth would be cut on save.
    const std::string thirteen = "一二三四五六七八九十甲乙丙";
    EXPECT_TRUE(FitsRecordText(thirteen));
    EXPECT_FALSE(FitsRecordText(thirteen + "丁"));
    EXPECT_TRUE(FitsRecordText(std::string(26, 'a')));
    EXPECT_FALSE(FitsRecordText(std::string(27, 'a')));
    // Characters GBK cannot hold would come back as "?": refused like a 27th byte.
    const std::pair<std::string, bool> kept[] = {
        {std::string(25, 'a') + "丁", false},  // 27 bytes: the character crosses the end
        {std::string(24, 'a') + "丁", true},
        {"电机ð", false},  // an emoji
        {"Привет", true},           // GBK holds Cyrillic
        {"ﾃｽﾄ", false},             // half-width katakana it does not
        {"aÿ", false},              // not UTF-8
        {"a	b", true},
        {"", true},
    };
    for (const auto& [text, fits] : kept) {
        EXPECT_EQ(FitsRecordText(text), fits) << text;
        if (fits) {
            EXPECT_EQ(GbkToUtf8(RecordFieldBytes(text)), text) << "reads back as typed";
        }
    }
    std::array<std::string, kSubroutineCount> names;
    RenameSubroutine(names, 0, thirteen + "丁");
    EXPECT_EQ(names[0], thirteen) << "cut between characters, as the file keeps it";
}

}  // namespace
}  // namespace vx
