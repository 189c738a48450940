// The group controller: linking sends every setting, a change only its own,
// an update bracket holds changes back until it closes, fonts pass on to
// the caption and static fonts, and links end with either side.
#include <gtest/gtest.h>

#include <memory>

#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"
#include "widgets/qt/WgGroupController.h"

namespace vx {
namespace {

class GroupController : public testing::Test {
  protected:
    void SetUp() override {
        bar.resize(160, 300);
        group = new TWgGroup(&bar);
    }
    TWgGroupBar bar;
    TWgGroup* group = nullptr;
    TWgGroupController controller;
};

TEST_F(GroupController, LinkingSendsEverySettingOnce) {
    controller.SetCaptionHeight(30);
    controller.SetItemHeight(25);
    controller.SetShowItemSelection(true);
    controller.SetIgnoreSelectedItemClick(false);
    controller.SetColor(RGBColor(1, 2, 3));
    controller.SetItemSelectionStyle(TWgItemSelectionStyle::issCaption);
    group->SetGroupController(&controller);
    EXPECT_EQ(group->GroupController(), &controller);
    EXPECT_EQ(group->CaptionHeight(), 30);
    EXPECT_EQ(group->ItemHeight(), 25);
    EXPECT_TRUE(group->ShowItemSelection());
    EXPECT_FALSE(group->IgnoreSelectedItemClick());
    EXPECT_EQ(group->Color(), RGBColor(1, 2, 3));
    EXPECT_FALSE(group->ColorDefault());
    EXPECT_EQ(group->ItemSelectionStyle(), TWgItemSelectionStyle::issCaption);
    EXPECT_EQ(group->CaptionColor(), clHighlightText);

    // Linked again: nothing is sent again.
    group->SetCaptionHeight(40);
    controller.AddGroup(*group);
    EXPECT_EQ(group->CaptionHeight(), 40);
    EXPECT_EQ(controller.GroupCount(), 1);

    // A change sends only its own setting.
    group->SetItemHeight(33);
    controller.SetDividerVisible(true);
    EXPECT_TRUE(group->DividerVisible());
    EXPECT_EQ(group->ItemHeight(), 33);
}

TEST_F(GroupController, AnUpdateBracketSendsEverythingWhenItCloses) {
    group->SetGroupController(&controller);
    group->SetItemHeight(33);
    controller.BeginUpdate();
    controller.SetDividerVisible(true);
    controller.SetItemIndent(5);
    EXPECT_FALSE(group->DividerVisible());
    EXPECT_EQ(group->ItemIndent(), 20);
    controller.EndUpdate();
    EXPECT_TRUE(group->DividerVisible());
    EXPECT_EQ(group->ItemIndent(), 5);
    EXPECT_EQ(group->ItemHeight(), 20) << "everything is sent";
    controller.EndUpdate();  // unbalanced: the count stays at 0
    controller.SetItemIndent(6);
    EXPECT_EQ(group->ItemIndent(), 6);

    // Assigning another controller's settings sends them once.
    TWgGroupController other;
    other.SetCaptionHotColor(clRed);
    other.SetSelectionFrameColor(clBlue);
    controller.Assign(other);
    EXPECT_EQ(group->CaptionHotColor(), clRed);
    EXPECT_EQ(group->SelectionFrameColor(), clBlue);
}

TEST_F(GroupController, FontsPassOnUnlessSetThemselves) {
    group->SetGroupController(&controller);
    CanvasFont font;
    font.name = "Arial";
    font.size = 12;
    controller.SetFont(font);
    EXPECT_EQ(group->Font(), font);
    EXPECT_FALSE(group->ParentFont());
    EXPECT_EQ(controller.CaptionFont().name, "Arial");
    EXPECT_EQ(controller.CaptionFont().size, 12);
    EXPECT_TRUE(controller.CaptionFont().bold);
    EXPECT_EQ(controller.ItemStaticFont(), font);
    // The linked groups show the fonts the controller now holds.
    EXPECT_EQ(group->CaptionFont(), controller.CaptionFont());
    EXPECT_EQ(group->ItemStaticFont(), font);

    CanvasFont caption = font;
    caption.size = 20;
    controller.SetCaptionFont(caption);
    EXPECT_EQ(group->CaptionFont(), caption);
    font.size = 10;
    controller.SetFont(font);
    EXPECT_EQ(controller.CaptionFont().size, 20) << "set by itself: kept";

    controller.SetParentFont(true);
    EXPECT_TRUE(group->ParentFont());
    controller.SetParentColor(true);
    EXPECT_TRUE(group->ParentColor());
    EXPECT_EQ(group->Color(), bar.Color());
    controller.SetColor(RGBColor(9, 9, 9));
    controller.SetParentColor(false);
    EXPECT_EQ(group->Color(), RGBColor(9, 9, 9));
}

TEST_F(GroupController, LinksEndWithEitherSide) {
    {
        TWgGroupController brief;
        group->SetGroupController(&brief);
        EXPECT_EQ(brief.GroupCount(), 1);
    }
    EXPECT_EQ(group->GroupController(), nullptr);
    group->SetGroupController(&controller);
    group->SetGroupController(nullptr);
    EXPECT_EQ(controller.GroupCount(), 0);
    group->SetGroupController(&controller);
    delete group;
    EXPECT_EQ(controller.GroupCount(), 0);
}

}  // namespace
}  // namespace vx
