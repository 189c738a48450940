#include "styling/toolbar/GlowButtonAppearance.h"
#include "styling/toolbar/PagerAppearances.h"
#include "styling/toolbar/ToolBarAppearances.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using toolbar::TGradientDirection;

// Records the names of the objects that report a change, in order.
struct ChangeLog {
    std::vector<std::string> entries;
    void Watch(TToolBarPersistent& object, const std::string& name) {
        auto previous = object.OnChange();
        object.SetOnChange([this, name, previous](TToolBarPersistent* sender) {
            entries.push_back(name);
            if (previous) previous(sender);
        });
    }
    std::size_t Count() const { return entries.size(); }
};

TEST(GradientBackground, WritesAlwaysReportAssignIsQuietAndIgnoresStrangers) {
    TGradientBackground a;
    ChangeLog log;
    log.Watch(a, "a");
    a.SetColor(a.Color());
    a.SetSteps(64);
    EXPECT_EQ(log.Count(), 2u);

    TGradientBackground b;
    b.SetColor(0x123456);
    b.SetColorTo(clNone);
    b.SetDirection(TGradientDirection::gdVertical);
    b.SetSteps(16);
    a.Assign(b);
    EXPECT_EQ(log.Count(), 2u);
    EXPECT_EQ(a.Color(), 0x123456);
    EXPECT_EQ(a.ColorTo(), clNone);
    EXPECT_EQ(a.Direction(), TGradientDirection::gdVertical);
    EXPECT_EQ(a.Steps(), 16);

    TContainerAppearance stranger;
    EXPECT_NO_THROW(a.Assign(stranger));
    EXPECT_EQ(a.Color(), 0x123456);
}

TEST(ButtonAppearance, AssignCopiesColoursAndBordersButNotFontOrStateDirections) {
    TButtonAppearance source;
    source.SetColorHot(0x010203);
    source.SetCaptionTextColorChecked(0x040506);
    source.SetGradientDirection(TGradientDirection::gdHorizontal);
    source.SetGradientDirectionHot(TGradientDirection::gdHorizontal);
    source.SetGradientDirectionDown(TGradientDirection::gdHorizontal);
    source.SetGradientDirectionChecked(TGradientDirection::gdHorizontal);
    source.SetBorderHotColor(0x111111);
    source.SetBorderDownColor(0x222222);
    CanvasFont big;
    big.size = 20;
    source.SetCaptionFont(big);

    TButtonAppearance target;
    ChangeLog log;
    log.Watch(target, "target");
    target.Assign(source);
    EXPECT_EQ(log.Count(), 0u);
    EXPECT_EQ(target.ColorHot(), 0x010203);
    EXPECT_EQ(target.CaptionTextColorChecked(), 0x040506);
    EXPECT_EQ(target.GradientDirection(), TGradientDirection::gdHorizontal);
    EXPECT_EQ(target.BorderHotColor(), 0x111111);
    EXPECT_EQ(target.BorderDownColor(), 0x222222);
    EXPECT_EQ(target.GradientDirectionHot(), TGradientDirection::gdVertical);
    EXPECT_EQ(target.GradientDirectionDown(), TGradientDirection::gdVertical);
    EXPECT_EQ(target.GradientDirectionChecked(), TGradientDirection::gdVertical);
    EXPECT_EQ(target.CaptionFont().size, CanvasFont{}.size);

    // Plain fields and state directions report nothing; colours report a
    // difference only; the caption font always.
    target.SetBorderHotColor(0x333333);
    target.SetGradientDirectionHot(TGradientDirection::gdVertical);
    target.SetColorHot(0x010203);
    EXPECT_EQ(log.Count(), 0u);
    target.SetColorHot(0x010204);
    target.SetCaptionFont(target.CaptionFont());
    EXPECT_EQ(log.Count(), 2u);

    EXPECT_THROW(target.Assign(TContainerAppearance()), EToolBarAssignError);
}

TEST(ContainerAndCaptionAppearance, AssignReportsOnlyThroughTheirSetters) {
    TContainerAppearance line;
    ChangeLog log;
    log.Watch(line, "line");
    TContainerAppearance other;
    other.SetLineColor(0x0000FF);
    other.SetLine3D(false);
    line.Assign(other);
    EXPECT_EQ(log.Count(), 2u);
    line.Assign(other);
    EXPECT_EQ(log.Count(), 2u);

    TCaptionAppearance caption;
    log.Watch(caption, "caption");
    TCaptionAppearance colours;
    colours.SetCaptionColor(0x010101);
    colours.SetCaptionBorderColorHot(0x020202);
    caption.Assign(colours);  // only quietly copied values differ
    EXPECT_EQ(log.Count(), 2u);
    EXPECT_EQ(caption.CaptionColor(), 0x010101);
    EXPECT_EQ(caption.CaptionBorderColorHot(), 0x020202);
    colours.SetCaptionTextColorHot(0x030303);
    caption.Assign(colours);
    EXPECT_EQ(log.Count(), 3u);
    try {
        caption.Assign(TButtonAppearance());
        FAIL();
    } catch (const EToolBarAssignError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TButtonAppearance to a TCaptionAppearance.");
    }
}

TEST(TabAppearance, HotBorderIsPlainAndAssignReportsOnlyTextColours) {
    TTabAppearance tab;
    ChangeLog log;
    log.Watch(tab, "tab");
    tab.SetBorderColorHot(0x00FF00);
    EXPECT_EQ(log.Count(), 0u);
    tab.SetColorSelected(clWhite);  // unchanged
    EXPECT_EQ(log.Count(), 0u);
    tab.SetColorSelected(0x0000FF);
    EXPECT_EQ(log.Count(), 1u);

    TCustomTabAppearance source;
    source.SetColorHot(0x123456);
    source.SetBorderColorHot(0x654321);
    source.SetGradientDisabled(TGDIPGradient::ggRadial);
    source.BackGround().SetColor(0x0A0B0C);
    CanvasFont font = PagerFont();
    font.bold = true;
    source.SetFont(font);
    tab.Assign(source);
    EXPECT_EQ(log.Count(), 1u);
    EXPECT_EQ(tab.ColorHot(), 0x123456);
    EXPECT_EQ(tab.BorderColorHot(), 0x654321);
    EXPECT_EQ(tab.GradientDisabled(), TGDIPGradient::ggRadial);
    EXPECT_EQ(tab.BackGround().Color(), 0x0A0B0C);
    EXPECT_TRUE(tab.Font().bold);

    source.SetTextColor(0x000001);
    source.SetTextColorHot(0x000002);
    tab.Assign(source);
    EXPECT_EQ(log.Count(), 3u);
}

TEST(VistaBackgrounds, TextBackgroundTakesOnlyTheGradientPartOfAPlainOne) {
    TVistaBackground plain;
    plain.SetColor(0x101010);
    plain.SetBorderColor(0x202020);
    plain.SetGradientMirror(TGDIPGradient::ggDiagonalForward);
    TVistaTextBackground caption;
    caption.SetTextColor(0x303030);
    CanvasFont font = PagerFont();
    font.size = 12;
    caption.SetFont(font);
    ChangeLog log;
    log.Watch(caption, "caption");
    caption.Assign(plain);
    EXPECT_EQ(log.Count(), 1u);  // the mirror gradient, through its setter
    EXPECT_EQ(caption.Color(), 0x101010);
    EXPECT_EQ(caption.BorderColor(), 0x202020);
    EXPECT_EQ(caption.GradientMirror(), TGDIPGradient::ggDiagonalForward);
    EXPECT_EQ(caption.TextColor(), 0x303030);
    EXPECT_EQ(caption.Font().size, 12);

    TVistaTextBackground other;
    caption.Assign(other);
    EXPECT_EQ(caption.TextColor(), 0xFF0000);
    EXPECT_EQ(caption.Font().size, 8);
    EXPECT_THROW(plain.Assign(TGradientBackground()), EToolBarAssignError);
}

TEST(GroupAppearance, InnerChangesBubbleUpAndAssignLeavesTheToolBarLook) {
    TGroupAppearance group;
    ChangeLog log;
    log.Watch(group.TabAppearance(), "tab");
    log.Watch(group, "group");
    group.TabAppearance().BackGround().SetColorTo(0x445566);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"tab", "group"}));
    group.ToolBarAppearance().SetBorderColor(0x010101);
    group.ToolBarAppearance().Color().SetColor(0x020202);  // not reported
    EXPECT_EQ(log.entries, (std::vector<std::string>{"tab", "group", "group"}));

    TGroupAppearance source;
    source.ToolBarAppearance().SetBorderColorHot(0x0F0F0F);
    source.PageAppearance().SetColor(0x111111);
    source.CaptionAppearance().SetCaptionColor(0x222222);
    source.SetTextColor(0x333333);
    source.SetSteps(32);
    group.Assign(source);
    EXPECT_EQ(group.ToolBarAppearance().BorderColor(), 0x010101);
    EXPECT_EQ(group.ToolBarAppearance().BorderColorHot(), clNone);
    EXPECT_EQ(group.PageAppearance().Color(), 0x111111);
    EXPECT_EQ(group.CaptionAppearance().CaptionColor(), 0x222222);
    EXPECT_EQ(group.TextColor(), 0x333333);
    EXPECT_EQ(group.Steps(), 32);
}

TEST(GlowButtonAppearance, WritesAreQuietAndAssignCopiesEveryValue) {
    TGlowButtonAppearance glow;
    ChangeLog log;
    log.Watch(glow, "glow");
    glow.SetColorHot(0x000001);
    glow.SetBorderColorChecked(0x000002);
    glow.SetGradientMirrorDisabled(TGDIPGradient::ggVertical);
    EXPECT_EQ(log.Count(), 0u);

    TGlowButtonAppearance copy;
    copy.Assign(glow);
    EXPECT_EQ(copy.ColorHot(), 0x000001);
    EXPECT_EQ(copy.BorderColorChecked(), 0x000002);
    EXPECT_EQ(copy.GradientMirrorDisabled(), TGDIPGradient::ggVertical);
    // The derived initial colours: hot scaled to 90 % red and green, silver
    // and white to 95 %.
    EXPECT_EQ(copy.ColorDown(), 0xF5D8CA);
    EXPECT_EQ(copy.ColorMirrorDisabled(), 0xB6B6B6);
    EXPECT_EQ(copy.ColorDisabled(), 0xF2F2F2);
    EXPECT_THROW(copy.Assign(TVistaBackground()), EToolBarAssignError);
}

}  // namespace
}  // namespace vx
