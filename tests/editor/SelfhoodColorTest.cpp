#include "editor/SelfhoodColor.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/Colors.h"

namespace vx {
namespace {

TEST(SelfhoodColor, ThePanelsEditTheFiveDrawingColoursOfTheSettings) {
    Settings s;
    const LadderColourSet defaults = ColoursOfSettings(s);
    EXPECT_EQ(defaults.figure, 0);
    EXPECT_EQ(defaults.stakeout, 0x00FF00);
    EXPECT_EQ(defaults.instruction, 0xFF0000);
    EXPECT_EQ(defaults.note, 0xFF80FF);
    EXPECT_EQ(defaults.dollopNote, 0x0080FF);

    LadderColourSet c;
    int value = 1;
    std::set<std::string> names;
    for (const ColourPanelRow& panel : kColourPanels) {
        c.*panel.colour = value++;
        names.insert(panel.name);
    }
    EXPECT_EQ(names.size(), 5u);
    StoreColours(s, c);
    EXPECT_EQ(s.figureColor, 1);
    EXPECT_EQ(s.stakeoutColor, 2);
    EXPECT_EQ(s.instructionColor, 3);
    EXPECT_EQ(s.noteColor, 4);
    EXPECT_EQ(s.dollopNoteColor, 5);
    EXPECT_EQ(s.dvalueColor, 0xFF0000) << "the live-value colour is not edited here";
    EXPECT_EQ(ColoursOfSettings(s), c);
    EXPECT_STREQ(kColourPanels[4].caption, "块注释颜色");
}

TEST(SelfhoodColor, CaptionsStayReadableOnDarkPanels) {
    EXPECT_TRUE(CaptionInWhite(clBlack));
    EXPECT_TRUE(CaptionInWhite(clNavy));
    EXPECT_FALSE(CaptionInWhite(clWhite));
    EXPECT_FALSE(CaptionInWhite(clLime));
    EXPECT_FALSE(CaptionInWhite(clYellow));
}

}  // namespace
}  // namespace vx
