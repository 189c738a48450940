#include "widgets/WgFrameController.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/LoadingScope.h"
#include "widgets/WgRegIniFile.h"

namespace vx {
namespace {

using N = TWgFrameControllerNotification;

// A linked control that records the settings it is sent and keeps the two
// it has properties for.
class Control : public TWgFrameControlled, public TLoadable {
  public:
    ~Control() {
        if (controller) controller->Unlink(*this);
    }
    void LinkTo(TWgFrameController* c) {
        if (controller) controller->Unlink(*this);
        controller = c;
        if (controller) controller->Link(*this);
    }
    std::optional<TWgFrameControllerNotifications> FrameControllerNotifications() const override {
        return notifications;
    }
    void TakeFrameSetting(N setting, const TWgFrameController& from) override {
        taken.push_back(setting);
        if (setting == N::fcpColor) color = from.Color();
        if (setting == N::fcpFrameStyle) frameStyle = from.FrameStyle();
        if (onTake) onTake();
    }
    void FrameControllerRemoved(TWgFrameController& c) override {
        if (controller == &c) controller = nullptr;
    }

    TWgFrameController* controller = nullptr;
    std::optional<TWgFrameControllerNotifications> notifications;
    std::vector<N> taken;
    TColor color = clNone;
    TFrameStyle frameStyle = TFrameStyle::fsNone;
    std::function<void()> onTake;
};

std::vector<N> EverySetting() {
    std::vector<N> all;
    for (int i = 0; i < kFrameSettingCount; ++i)
        all.push_back(static_cast<N>(i));
    return all;
}

TEST(WgFrameControllerTest, DefaultsAsStored) {
    TWgFrameController c;
    EXPECT_EQ(c.Color(), clWindow);
    EXPECT_FALSE(c.ParentColor());
    EXPECT_EQ(c.FlatButtonColor(), clBtnFace);
    EXPECT_TRUE(c.FlatButtons());
    EXPECT_EQ(c.DisabledColor(), clBtnFace);
    EXPECT_EQ(c.ReadOnlyColor(), clInfoBk);
    EXPECT_FALSE(c.ReadOnlyColorOnFocus());
    EXPECT_EQ(c.FocusColor(), clWindow);
    EXPECT_EQ(c.FrameColor(), clBtnShadow);
    EXPECT_EQ(c.FrameHotColor(), clBtnShadow);
    EXPECT_FALSE(c.FrameHotTrack());
    EXPECT_EQ(c.FrameHotStyle(), TFrameStyle::fsFlatBold);
    EXPECT_EQ(c.FrameSides(), TSides::All());
    EXPECT_EQ(c.FrameStyle(), TFrameStyle::fsFlat);
    EXPECT_FALSE(c.FrameVisible());
    EXPECT_EQ(c.FramingPreference(), TFramingPreference::fpXPThemes);
    EXPECT_EQ(c.RegIniFile(), nullptr);
}

TEST(WgFrameControllerTest, LinkingSendsEverySettingAndSettersSendTheirOwn) {
    TWgFrameController c;
    Control a, b;
    a.LinkTo(&c);
    EXPECT_EQ(a.taken, EverySetting());
    EXPECT_EQ(a.color, clWindow);
    a.taken.clear();
    b.LinkTo(&c);
    c.Link(b);  // linked once only
    EXPECT_EQ(c.LinkedCount(), 2u);
    EXPECT_EQ(a.taken.size(), 2u * kFrameSettingCount);  // every link tells everyone
    a.taken.clear();
    b.taken.clear();

    c.SetFrameStyle(TFrameStyle::fsFlat);  // unchanged: nothing sent
    EXPECT_TRUE(a.taken.empty());
    c.SetFrameStyle(TFrameStyle::fsLowered);
    EXPECT_EQ(a.taken, std::vector<N>{N::fcpFrameStyle});
    EXPECT_EQ(b.frameStyle, TFrameStyle::fsLowered);

    a.taken.clear();
    c.SetFrameColor(clRed);
    c.SetFrameHotColor(clRed);
    c.SetFlatButtons(false);
    c.SetFlatButtonColor(clRed);
    c.SetDisabledColor(clRed);
    c.SetReadOnlyColor(clRed);
    c.SetReadOnlyColorOnFocus(true);
    c.SetFocusColor(clRed);
    c.SetFrameHotStyle(TFrameStyle::fsRaised);
    c.SetFrameSides({TSide::sdTop});
    c.SetFrameVisible(true);
    c.SetFramingPreference(TFramingPreference::fpCustomFraming);
    EXPECT_EQ(a.taken,
              (std::vector<N>{N::fcpFrameColor, N::fcpFrameHotColor, N::fcpFlatButtons,
                              N::fcpFlatButtonColor, N::fcpDisabledColor, N::fcpReadOnlyColor,
                              N::fcpReadOnlyColorOnFocus, N::fcpFocusColor, N::fcpFrameHotStyle,
                              N::fcpFrameSides, N::fcpFrameVisible, N::fcpFramingPreference}));

    a.LinkTo(nullptr);
    a.taken.clear();
    c.SetFrameColor(clBlue);
    EXPECT_TRUE(a.taken.empty());
    EXPECT_EQ(b.taken.back(), N::fcpFrameColor);
}

TEST(WgFrameControllerTest, ColourCarriesAnEqualFocusColourAndEndsParentColour) {
    TWgFrameController c;
    c.SetParentColor(true);
    Control a;
    a.LinkTo(&c);
    a.taken.clear();
    c.SetColor(clYellow);
    EXPECT_EQ(c.FocusColor(), clYellow);  // it equalled the old colour
    EXPECT_FALSE(c.ParentColor());
    EXPECT_EQ(a.taken.front(), N::fcpColor);
    EXPECT_EQ(a.color, clYellow);

    c.SetFocusColor(clAqua);
    c.SetColor(clLime);
    EXPECT_EQ(c.FocusColor(), clAqua);  // a focus colour of its own stays

    a.taken.clear();
    c.SetParentColor(true);
    EXPECT_EQ(a.taken, std::vector<N>{N::fcpParentColor});
    c.SetParentColor(false);  // turned off, the colour is sent again
    EXPECT_EQ(a.taken, (std::vector<N>{N::fcpParentColor, N::fcpParentColor, N::fcpColor}));
}

TEST(WgFrameControllerTest, HotTrackingShowsTheFrameOnAllSides) {
    TWgFrameController c;
    c.SetFrameSides({TSide::sdBottom});
    Control a;
    a.LinkTo(&c);
    a.taken.clear();
    c.SetFrameHotTrack(true);
    EXPECT_TRUE(c.FrameVisible());
    EXPECT_EQ(c.FrameSides(), TSides::All());
    EXPECT_EQ(a.taken.front(), N::fcpFrameHotTrack);
    c.SetFrameHotTrack(false);  // turning it off leaves them
    EXPECT_TRUE(c.FrameVisible());

    // While loading, the stored sides are kept.
    TWgFrameController loading;
    loading.BeginLoading();
    loading.SetFrameSides({TSide::sdLeft});
    loading.SetFrameHotTrack(true);
    EXPECT_EQ(loading.FrameSides(), TSides({TSide::sdLeft}));
    EXPECT_TRUE(loading.FrameVisible());
}

TEST(WgFrameControllerTest, SettingsChangedAlongWithAnotherReachTheControlsToo) {
    TWgFrameController c;
    Control a;
    a.LinkTo(&c);
    a.taken.clear();
    c.SetColor(clRed);  // the focus colour moves along
    EXPECT_EQ(a.taken, (std::vector<N>{N::fcpColor, N::fcpFocusColor}));
    a.taken.clear();
    c.SetFocusColor(clBlue);
    c.SetColor(clLime);  // now it stays
    EXPECT_EQ(a.taken, (std::vector<N>{N::fcpFocusColor, N::fcpColor}));

    c.SetFrameSides({TSide::sdTop});
    a.taken.clear();
    c.SetFrameHotTrack(true);
    EXPECT_EQ(a.taken, (std::vector<N>{N::fcpFrameHotTrack, N::fcpFrameVisible, N::fcpFrameSides}));
    a.taken.clear();
    c.SetFrameHotTrack(false);
    c.SetFrameHotTrack(true);  // visible and on all sides already
    EXPECT_EQ(a.taken, (std::vector<N>{N::fcpFrameHotTrack, N::fcpFrameHotTrack}));
}

TEST(WgFrameControllerTest, UpdateBracketDropsNotificationsUntilOneForAll) {
    TWgFrameController c;
    Control a;
    a.LinkTo(&c);
    a.taken.clear();
    c.BeginUpdate();
    c.BeginUpdate();
    c.SetColor(clRed);
    c.SetFrameStyle(TFrameStyle::fsGroove);
    c.EndUpdate();
    EXPECT_TRUE(a.taken.empty());
    c.EndUpdate();
    EXPECT_EQ(a.taken, EverySetting());
    EXPECT_EQ(a.color, clRed);
    EXPECT_EQ(a.frameStyle, TFrameStyle::fsGroove);
    a.taken.clear();
    c.EndUpdate();  // an end too many sends nothing
    EXPECT_TRUE(a.taken.empty());
}

TEST(WgFrameControllerTest, NotificationSetChoosesAndLoadingControlsAreLeftAlone) {
    TWgFrameController c;
    Control picky, all, loading;
    picky.notifications = FcpBit(N::fcpColor) | FcpBit(N::fcpFrameSides);
    all.notifications = kAllFrameControllerNotifications;
    picky.LinkTo(&c);
    EXPECT_EQ(picky.taken, (std::vector<N>{N::fcpColor, N::fcpFrameSides}));
    all.LinkTo(&c);
    EXPECT_EQ(all.taken, EverySetting());
    picky.taken.clear();
    c.SetFrameStyle(TFrameStyle::fsBump);
    EXPECT_TRUE(picky.taken.empty());
    EXPECT_EQ(all.frameStyle, TFrameStyle::fsBump);

    loading.BeginLoading();
    loading.LinkTo(&c);
    c.SetColor(clNavy);
    EXPECT_TRUE(loading.taken.empty());
    EXPECT_EQ(picky.color, clNavy);
}

TEST(WgFrameControllerTest, AssignCopiesEverySettingAndTellsOnce) {
    TWgFrameController source;
    TWgRegIniFile store;
    source.SetColor(clMaroon);
    source.SetFocusColor(clOlive);
    source.SetFrameHotTrack(true);
    source.SetFrameSides({TSide::sdLeft, TSide::sdRight});
    source.SetFrameStyle(TFrameStyle::fsPopup);
    source.SetFramingPreference(TFramingPreference::fpCustomFraming);
    source.SetRegIniFile(&store);

    TWgFrameController target;
    Control a;
    a.LinkTo(&target);
    a.taken.clear();
    target.Assign(source);
    EXPECT_EQ(target.Color(), clMaroon);
    EXPECT_EQ(target.FocusColor(), clOlive);
    EXPECT_TRUE(target.FrameHotTrack());
    EXPECT_TRUE(target.FrameVisible());
    EXPECT_EQ(target.FrameSides(), TSides({TSide::sdLeft, TSide::sdRight}));
    EXPECT_EQ(target.FrameStyle(), TFrameStyle::fsPopup);
    EXPECT_EQ(target.FramingPreference(), TFramingPreference::fpCustomFraming);
    EXPECT_EQ(target.RegIniFile(), &store);
    EXPECT_EQ(a.taken, EverySetting());
    EXPECT_EQ(source.LinkedCount(), 0u);
    source.SetRegIniFile(nullptr);
    target.SetRegIniFile(nullptr);
}

TEST(WgFrameControllerTest, DestroyedPartnersAreForgotten) {
    auto c = std::make_unique<TWgFrameController>();
    auto store = std::make_unique<TWgRegIniFile>();
    Control a;
    a.LinkTo(c.get());
    c->SetRegIniFile(store.get());
    store.reset();
    EXPECT_EQ(c->RegIniFile(), nullptr);
    c.reset();
    EXPECT_EQ(a.controller, nullptr);
}

TEST(WgFrameControllerTest, ControlUnlinkingWhileTakingASettingEndsCleanly) {
    TWgFrameController c;
    Control a, b;
    a.LinkTo(&c);
    b.LinkTo(&c);
    a.onTake = [&] { b.LinkTo(nullptr); };
    b.taken.clear();
    c.SetFrameColor(clRed);
    EXPECT_TRUE(b.taken.empty());
    EXPECT_EQ(c.LinkedCount(), 1u);
}

TEST(WgFrameControllerTest, LoadedControllerSendsEverything) {
    Control a;
    std::unique_ptr<TWgFrameController> c;
    {
        TLoadingScope loading;
        c = std::make_unique<TWgFrameController>();
        a.LinkTo(c.get());
        a.taken.clear();
        c->SetFrameStyle(TFrameStyle::fsStatus);
        EXPECT_EQ(a.taken, std::vector<N>{N::fcpFrameStyle});  // a control not loading takes it
        a.taken.clear();
    }
    EXPECT_EQ(a.taken, EverySetting());
    a.LinkTo(nullptr);
}

}  // namespace
}  // namespace vx
