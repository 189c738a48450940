#include "styling/toolbar/FxToolBarStylers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RecordingReceiver.h"
#include "styling/menus/FxMenuAppearance.h"

namespace vx {
namespace {

using Codes = std::vector<int>;
using test::RecordingReceiver;

TEST(ToolBarStyler, EachWriteSendsItsChangeCode) {
    struct Row {
        const char* what;
        std::function<void(TCustomFxToolBarStyler&)> write;
        Codes codes;
    };
    CanvasFont font;
    font.bold = true;
    const Row rows[] = {
        {"equal border colour", [](auto& s) { s.SetBorderColor(clNone); }, {}},
        {"border colour", [](auto& s) { s.SetBorderColor(0x010203); }, {2}},
        {"hot border colour", [](auto& s) { s.SetBorderColorHot(0x010203); }, {2}},
        {"rounded edges, unchanged", [](auto& s) { s.SetRoundedEdges(true); }, {2}},
        {"background picture", [](auto& s) { s.SetBackGround(QImage()); }, {1}},
        {"font", [&](auto& s) { s.SetFont(font); }, {1}},
        {"caption font", [&](auto& s) { s.SetCaptionFont(s.CaptionFont()); }, {2}},
        {"handle picture", [](auto& s) { s.SetRightHandleImage(QImage()); }, {2}},
        {"drag grip picture",
         [](auto& s) { s.SetDragGripImage(QImage(2, 2, QImage::Format_RGB32)); },
         {}},
        {"equal picture mode",
         [](auto& s) { s.SetBackGroundDisplay(TBackGroundDisplay::bdTile); },
         {}},
        {"picture mode",
         [](auto& s) { s.SetBackGroundDisplay(TBackGroundDisplay::bdCenter); },
         {1}},
        {"transparency", [](auto& s) { s.SetBackGroundTransparent(false); }, {1}},
        {"drag grip", [](auto& s) { s.SetDragGripStyle(TDragGripStyle::dsNone); }, {5}},
        {"handle colour", [](auto& s) { s.SetRightHandleColorDownTo(0); }, {2}},
        {"floating border", [](auto& s) { s.SetFloatingWindowBorderWidth(1); }, {2}},
        {"equal bevel", [](auto& s) { s.SetToolBarBevel(0); }, {}},
        {"bevel",
         [](auto& s) {
             s.SetToolBarBevel(3);
             s.SetShowToolBarBevel(true);
         },
         {2, 2}},
        {"container line", [](auto& s) { s.ContainerAppearance().SetLineColor(0x0000FF); }, {4}},
        {"tool-bar colour", [](auto& s) { s.Color().SetColor(s.Color().Color()); }, {2}},
        {"dock colour steps", [](auto& s) { s.DockColor().SetSteps(8); }, {2}},
        {"gradient assigned", [](auto& s) { s.SetColor(TGradientBackground()); }, {}},
        {"hot colour", [](auto& s) { s.ColorHot().SetColor(0x010203); }, {}},
        {"button colour", [](auto& s) { s.ButtonAppearance().SetColorHot(0x010203); }, {}},
        {"button look assigned", [](auto& s) { s.SetButtonAppearance(TButtonAppearance()); }, {}},
        {"caption colour", [](auto& s) { s.CaptionAppearance().SetCaptionColor(0x010203); }, {2}},
        {"glow colour", [](auto& s) { s.GlowButtonAppearance().SetColor(0x010203); }, {}},
        {"tab colour", [](auto& s) { s.TabAppearance().SetColor(0x010203); }, {10}},
        {"page colour", [](auto& s) { s.PageAppearance().SetColor(0x010203); }, {10}},
        {"group tab background",
         [](auto& s) { s.GroupAppearance().TabAppearance().BackGround().SetColor(0x010203); },
         {10}},
        {"pager caption", [](auto& s) { s.PagerCaption().SetTextColor(0x010203); }, {11}},
        {"no menu styler", [](auto& s) { s.SetFxMenuStyler(nullptr); }, {6}},
    };
    for (const Row& row : rows) {
        TCustomFxToolBarStyler styler;
        RecordingReceiver receiver;
        styler.AddControl(&receiver);
        row.write(styler);
        EXPECT_EQ(receiver.codes, row.codes) << row.what;
    }
}

TEST(ToolBarStyler, InternalMenuStylerStandsInForAMissingOrDestroyedLink) {
    TCustomFxToolBarStyler styler;
    ASSERT_NE(styler.InternalMenuStyler(), nullptr);
    EXPECT_EQ(styler.InternalMenuStyler()->objectName(), "InternalMenuStyler");
    EXPECT_EQ(styler.CurrentMenuStyler(), styler.InternalMenuStyler());

    RecordingReceiver receiver;
    styler.AddControl(&receiver);
    auto linked = std::make_unique<TFxMenuStyler>();
    styler.SetFxMenuStyler(linked.get());
    EXPECT_EQ(styler.CurrentMenuStyler(), linked.get());
    linked.reset();
    EXPECT_EQ(styler.FxMenuStyler(), nullptr);
    EXPECT_EQ(styler.CurrentMenuStyler(), styler.InternalMenuStyler());
    EXPECT_EQ(receiver.codes, (Codes{6, 6}));
}

TEST(ToolBarStyler, RegistrationIsOnceAndSurvivesReceiversThatGoDuringABroadcast) {
    TCustomFxToolBarStyler styler;
    styler.NotifyControls(2);  // nobody registered: nothing happens

    RecordingReceiver first;
    auto second = std::make_unique<RecordingReceiver>();
    RecordingReceiver third;
    styler.AddControl(&first);
    styler.AddControl(&first);
    styler.AddControl(second.get());
    styler.AddControl(&third);
    EXPECT_EQ(styler.ControlCount(), 3);
    styler.NotifyControls(2);
    EXPECT_EQ(first.codes, (Codes{2}));

    // The first receiver destroys the second and unregisters the third.
    first.onChange = [&](int) {
        second.reset();
        styler.RemoveControl(&third);
    };
    styler.NotifyControls(5);
    EXPECT_EQ(first.codes, (Codes{2, 5}));
    EXPECT_EQ(third.codes, (Codes{2}));
    EXPECT_EQ(styler.ControlCount(), 1);

    first.onChange = nullptr;
    styler.RemoveControl(&first);
    styler.NotifyControls(2);
    EXPECT_EQ(first.codes, (Codes{2, 5}));
    EXPECT_EQ(styler.ControlCount(), 0);

    // A receiver destroyed while registered leaves no entry behind.
    {
        RecordingReceiver brief;
        styler.AddControl(&brief);
        styler.AddControl(&brief);
    }
    EXPECT_EQ(styler.ControlCount(), 0);
    styler.NotifyControls(2);
}

TEST(ToolBarStyler, AssignTakesOnlyTheListedValues) {
    TCustomFxToolBarStyler source;
    source.Color().SetColor(0x010101);
    source.DockColor().SetColorTo(0x020202);
    source.SetBackGroundDisplay(TBackGroundDisplay::bdStretch);
    source.SetDragGripStyle(TDragGripStyle::dsFlatDots);
    source.SetFloatingWindowBorderColor(0x030303);
    source.CaptionAppearance().SetCaptionColorHotTo(0x040404);
    source.ButtonAppearance().SetColorHot(0x050505);
    source.SetRightHandleColor(0x060606);
    source.SetBorderColor(0x070707);
    source.ColorHot().SetColor(0x080808);
    source.TabAppearance().SetColor(0x090909);
    source.ContainerAppearance().SetLineColor(0x0A0A0A);
    source.SetBackGround(QImage(3, 3, QImage::Format_RGB32));
    source.SetRightHandleImage(QImage(4, 4, QImage::Format_RGB32));
    CanvasFont bold;
    bold.bold = true;
    source.SetFont(bold);
    source.SetCaptionFont(bold);
    TFxMenuStyler linked;
    linked.SetFont(bold);
    source.SetFxMenuStyler(&linked);

    TCustomFxToolBarStyler target;
    RecordingReceiver receiver;
    target.AddControl(&receiver);
    target.Assign(source);
    EXPECT_EQ(target.Color().Color(), 0x010101);
    EXPECT_EQ(target.DockColor().ColorTo(), 0x020202);
    EXPECT_EQ(target.BackGroundDisplay(), TBackGroundDisplay::bdStretch);
    EXPECT_EQ(target.DragGripStyle(), TDragGripStyle::dsFlatDots);
    EXPECT_EQ(target.FloatingWindowBorderColor(), 0x030303);
    EXPECT_EQ(target.CaptionAppearance().CaptionColorHotTo(), 0x040404);
    EXPECT_EQ(target.ButtonAppearance().ColorHot(), 0x050505);
    EXPECT_EQ(target.RightHandleColor(), 0x9E9E9E);
    EXPECT_EQ(target.BorderColor(), clNone);
    EXPECT_EQ(target.ColorHot().Color(), clNone);
    EXPECT_EQ(target.TabAppearance().Color(), clBtnFace);
    EXPECT_EQ(target.ContainerAppearance().LineColor(), clBtnShadow);
    EXPECT_EQ(target.BackGround().size(), QSize(3, 3));
    EXPECT_EQ(target.RightHandleImage().size(), QSize(4, 4));
    EXPECT_TRUE(target.Font().bold);
    EXPECT_FALSE(target.CaptionFont().bold);
    // The source's linked menu styler into the one in use, which stays.
    EXPECT_EQ(target.CurrentMenuStyler(), target.InternalMenuStyler());
    EXPECT_TRUE(target.InternalMenuStyler()->Font().bold);
    // Picture mode, grip, border colour and the caption's hot end colour.
    EXPECT_EQ(receiver.codes, (Codes{1, 5, 2, 2}));
}

}  // namespace
}  // namespace vx
