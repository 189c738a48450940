#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "styling/gdiplus/FxGDIP.h"
#include "styling/gdiplus/GDIPicture.h"
#include "styling/glow/GlowButtonRules.h"
#include "styling/glow/qt/FxGlowButton.h"
#include "styling/toolbar/GlowButtonAppearance.h"
#include "support/QtWait.h"

namespace vx {
namespace {

TColor PixelAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TEST(GlowButtonRulesTest, ColourHelpersAndStyleRowsAsData) {
    EXPECT_EQ(ScaleColor(clWhite, -10), TColor(0xE6E6E6));
    EXPECT_EQ(ScaleColor(clBlack, 20), TColor(0x141414));
    EXPECT_EQ(ScaleColor(0x0080FF, -5), TColor(0x007AF2));  // 127.5 and 242.25 rounded

    struct Row {
        std::uint8_t code;
        TColor color, border, hot, borderChecked;
    };
    const TGlowButtonAppearance fresh;
    const Row rows[] = {
        {0, 0xEEDBC8, 0xE0B99B, 0xEBFDFF, fresh.BorderColorChecked()},
        {3, 0xFFFFFF, 0x000000, 0xEBFDFF, fresh.BorderColorChecked()},
        {0x83, 0xFFFFFF, 0x000000, 0xEBFDFF, fresh.BorderColorChecked()},  // low 7 bits: row 3
        {5, 0xDFDED6, 0xC0BCB2, 0xEBFDFF, 0x45667B},
        {6, 0xFFFFFF, 0xB9D8DC, 0xEFD3C6, 0x000000},
        {8, fresh.Color(), fresh.BorderColor(), fresh.ColorHot(), fresh.BorderColorChecked()},
    };
    for (const Row& r : rows) {
        TGlowButtonAppearance a;
        a.SetGradient(TGDIPGradient::ggRadial);
        EXPECT_EQ(ApplyGlowStyle(a, r.code), r.code != 8) << int(r.code);
        EXPECT_EQ(a.Color(), r.color) << int(r.code);
        EXPECT_EQ(a.BorderColor(), r.border) << int(r.code);
        EXPECT_EQ(a.ColorHot(), r.hot) << int(r.code);
        EXPECT_EQ(a.BorderColorChecked(), r.borderChecked) << int(r.code);
        EXPECT_EQ(a.Gradient(), r.code == 8 ? TGDIPGradient::ggRadial : TGDIPGradient::ggVertical);
    }
}

TEST(GlowButtonRulesTest, ColoursOfEachStateAndFadeAsData) {
    TGlowButtonAppearance a;
    using St = TGlowState;
    struct Row {
        TGlowPaintInput in;
        TColor color, border;
        bool lit;
    };
    TGlowPaintInput normal;
    TGlowPaintInput hot = normal;
    hot.hot = true;
    TGlowPaintInput down = normal;
    down.state = St::Down;
    TGlowPaintInput exclusive = normal;
    exclusive.state = St::Exclusive;
    exclusive.groupIndex = 1;
    TGlowPaintInput disabled = hot;
    disabled.enabled = false;
    TGlowPaintInput fadeIn = normal;  // hovering, at 60 of 100
    fadeIn.hot = true;
    fadeIn.fading = true;
    fadeIn.hotStep = 60;
    TGlowPaintInput pressFade = hot;  // pressed, at 40 of 100
    pressFade.state = St::Down;
    pressFade.fading = true;
    pressFade.pressing = true;
    pressFade.downStep = 40;
    TGlowPaintInput joinedHeld = down;
    joinedHeld.standalone = false;
    joinedHeld.held = true;
    TGlowPaintInput shownEnabled = disabled;  // disabled, but not shown so
    shownEnabled.showDisabled = false;
    const Row rows[] = {
        {normal, a.Color(), a.BorderColor(), false},
        {hot, a.ColorHot(), a.BorderColorHot(), true},
        {down, a.ColorDown(), a.BorderColorDown(), true},
        {exclusive, a.ColorChecked(), a.BorderColorChecked(), false},
        {disabled, a.ColorDisabled(), a.BorderColorDisabled(), false},
        {fadeIn, BlendColor(a.ColorHot(), a.Color(), 60),
         BlendColor(a.BorderColorHot(), a.BorderColor(), 60), true},
        {pressFade, BlendColor(a.ColorDown(), a.ColorHot(), 40),
         BlendColor(a.BorderColorDown(), a.BorderColorHot(), 40), true},
        {joinedHeld, a.ColorDown(), a.BorderColor(), true},
        {shownEnabled, a.ColorHot(), a.BorderColorHot(), true},
    };
    int i = 0;
    for (const Row& r : rows) {
        const TGlowColors c = SelectGlowColors(a, r.in);
        EXPECT_EQ(c.color, r.color) << i;
        EXPECT_EQ(c.border, r.border) << i;
        EXPECT_EQ(c.lit, r.lit) << i;
        ++i;
    }

    // A fade paints five steps and ends on the sixth, clamped.
    std::vector<int> painted;
    int step = 0;
    while (FadeStep(step, 20))
        painted.push_back(step);
    EXPECT_EQ(painted, (std::vector<int>{20, 40, 60, 80, 100}));
    EXPECT_EQ(step, 100);
    painted.clear();
    while (FadeStep(step, -20))
        painted.push_back(step);
    EXPECT_EQ(painted, (std::vector<int>{80, 60, 40, 20, 0}));
    EXPECT_EQ(step, 0);
}

// Fade timers that the test ticks by hand.
struct ManualClock {
    std::function<void()> tick;
    int interval = 0;
    int made = 0;
    bool Running() const { return static_cast<bool>(tick); }
    void Tick() {
        auto f = tick;
        if (f) f();
    }
};

class ManualTimer final : public TFadeTimer {
  public:
    explicit ManualTimer(ManualClock& clock) : clock_(clock) {}
    ~ManualTimer() override { clock_.tick = nullptr; }
    void Start(int intervalMs, std::function<void()> tick) override {
        clock_.interval = intervalMs;
        clock_.tick = std::move(tick);
        ++clock_.made;
    }

  private:
    ManualClock& clock_;
};

class GlowButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GdiplusStartup(&token_), TStatus::Ok);
        form_ = std::make_unique<QWidget>();
        form_->resize(400, 200);
        form_->setStyleSheet("background: rgb(0, 255, 0)");
    }
    void TearDown() override {
        form_.reset();
        GdiplusShutdown(token_);
    }
    TFxGlowButton* Make(int x = 10) {
        auto* b = new TFxGlowButton(form_.get());
        b->SetFadeTimerFactory([this] { return std::make_unique<ManualTimer>(clock_); });
        b->move(x, 10);
        return b;
    }
    void Show() {
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }
    static void Enter(QWidget* w) {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &e);
    }
    static void Leave(QWidget* w) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }

    std::uintptr_t token_ = 0;
    std::unique_ptr<QWidget> form_;
    ManualClock clock_;
};

TEST_F(GlowButtonTest, HoverAndPressFadeInFortyMillisecondSteps) {
    TFxGlowButton* b = Make();
    std::vector<int> hotSteps;
    b->OnDrawButton = [&](TFxCustomGlowButton& s, Canvas&, const TRect&, TGlowButtonState) {
        hotSteps.push_back(s.HotStep());
    };
    Show();
    Enter(b);
    EXPECT_TRUE(b->Hot());
    EXPECT_EQ(clock_.interval, 40);
    hotSteps.clear();
    for (int i = 0; i < 6; ++i)
        clock_.Tick();
    EXPECT_EQ(hotSteps, (std::vector<int>{20, 40, 60, 80, 100}));  // 120 is never painted
    EXPECT_FALSE(b->Fading());
    EXPECT_FALSE(clock_.Running());

    // A press fades down while the same button holds its hot step.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(b->ButtonState(), TGlowState::Down);
    for (int i = 0; i < 3; ++i)
        clock_.Tick();
    EXPECT_EQ(b->DownStep(), 60);
    int clicks = 0;
    b->OnClick = [&](TFxCustomGlowButton&) { ++clicks; };
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->ButtonState(), TGlowState::Up);
    while (clock_.Running())
        clock_.Tick();
    EXPECT_EQ(b->DownStep(), 0);
    EXPECT_FALSE(b->Pressing());

    // Leaving fades back from 100 to 0.
    Leave(b);
    EXPECT_FALSE(b->Hot());
    hotSteps.clear();
    while (clock_.Running())
        clock_.Tick();
    EXPECT_EQ(hotSteps, (std::vector<int>{80, 60, 40, 20, 0}));
}

TEST_F(GlowButtonTest, DownChecksAndGroups) {
    TFxGlowButton* plain = Make(10);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());  // an ungrouped push button never stays down

    // Down read from a layout before the group index still counts.
    TFxGlowButton* loaded = Make(10);
    loaded->BeginLoading();
    loaded->SetDown(true);
    loaded->SetGroupIndex(4);
    loaded->EndLoading();
    EXPECT_TRUE(loaded->Down());

    TFxGlowButton* check = Make(120);
    check->SetStyle(TFxButtonStyle::bsCheck);
    TFxGlowButton* a = Make(230);
    TFxGlowButton* b = Make(290);
    a->resize(50, 30);
    b->resize(50, 30);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    Show();

    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(check->Down());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(check->Down());

    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->ButtonState(), TGlowState::Exclusive);
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(a->Down());  // AllowAllUp is off: the down button stays down
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->ButtonState(), TGlowState::Up);

    b->SetAllowAllUp(true);
    EXPECT_TRUE(a->AllowAllUp());  // the group takes it
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(b->Down());
}

TEST_F(GlowButtonTest, DropDownPartAndAutoSize) {
    TFxGlowButton* b = Make();
    b->SetDropDownButton(true);
    int drops = 0, clicks = 0;
    b->OnDropDown = [&](TFxCustomGlowButton&) { ++drops; };
    b->OnClick = [&](TFxCustomGlowButton&) { ++clicks; };
    Show();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(100 - 13, 20));  // last main pixel
    EXPECT_EQ(drops, 0);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(100 - 12, 20));
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 1);

    // Auto size: the drop-down part adds 15 rather than 2.
    TFxGlowButton* c = Make(200);
    c->SetCaption("Glow");
    c->show();
    c->SetAutoSize(true);
    const int plainWidth = c->width();
    c->SetDropDownButton(true);
    c->Repaint();
    EXPECT_EQ(c->width(), plainWidth + 13);
    EXPECT_LT(plainWidth, 100);
}

TEST_F(GlowButtonTest, FacePixelsAndCorners) {
    TFxGlowButton* b = Make();
    b->Appearance().SetColor(0x0000FF);
    b->Appearance().SetColorTo(0x0000FF);
    b->Appearance().SetBorderColor(0xFF0000);
    TFxGlowButton* mid = Make(150);
    mid->SetPosition(TButtonPosition::bpMiddle);
    mid->Appearance().SetBorderColor(0xFF0000);
    Show();
    const QImage face = b->PaintedImage();
    EXPECT_EQ(PixelAt(face, 50, 8), TColor(0x0000FF));    // upper half: the plain red fill
    EXPECT_EQ(PixelAt(face, 50, 0), TColor(0xFF0000));    // the outline
    EXPECT_EQ(PixelAt(face, 0, 0), RGBColor(0, 255, 0));  // the parent through the corner
    const QImage joined = mid->PaintedImage();
    EXPECT_NE(PixelAt(joined, 0, 0), RGBColor(0, 255, 0));
    EXPECT_EQ(PixelAt(joined, 50, 0), TColor(0xFF0000));
    EXPECT_EQ(PixelAt(joined, 0, 20), TColor(0xE6E6E6));  // the light left edge, not entered

    TFxGlowButton* left = Make(260);
    left->SetPosition(TButtonPosition::bpLeft);
    left->show();
    const QImage leftFace = left->PaintedImage();
    EXPECT_EQ(PixelAt(leftFace, 0, 0), RGBColor(0, 255, 0));
    EXPECT_NE(PixelAt(leftFace, 99, 0), RGBColor(0, 255, 0));
    // A transparent button at rest shows its parent instead of a face.
    TFxGlowButton* glass = Make(10);
    glass->move(10, 60);
    glass->SetTransparent(true);
    glass->show();
    const QImage bare = glass->PaintedImage();
    EXPECT_EQ(PixelAt(bare, 50, 8), RGBColor(0, 255, 0));
    EXPECT_EQ(PixelAt(bare, 50, 0), RGBColor(0, 255, 0));

    b->SetComponentStyle(3);
    EXPECT_EQ(PixelAt(b->PaintedImage(), 50, 0), TColor(0x000000));
}

// The glyph comes from the picture before the image list; hot, the hot
// picture or list, disabled, the disabled ones (the disabled list drawn as
// enabled).
TEST_F(GlowButtonTest, GlyphSourcesByState) {
    const auto list = [this](Qt::GlobalColor c) {
        auto* images = new TImageList(16, 16, form_.get());
        QPixmap pixmap(16, 16);
        pixmap.fill(c);
        images->Add(pixmap);
        return images;
    };
    const auto picture = [](Qt::GlobalColor c) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(c);
        QByteArray bytes;
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        image.save(&out, "PNG");
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        auto p = std::make_unique<TGDIPPicture>();
        p->LoadFromStream(&in);
        return p;
    };
    TFxGlowButton* b = Make();
    b->SetShowCaption(false);
    b->SetImageIndex(0);
    b->SetImages(list(Qt::red));
    b->SetHotImages(list(Qt::blue));
    Show();
    const TColor red = RGBColor(255, 0, 0);
    const TColor blue = RGBColor(0, 0, 255);
    const TColor yellow = RGBColor(255, 255, 0);
    const TColor magenta = RGBColor(255, 0, 255);
    const TColor cyan = RGBColor(0, 255, 255);
    const auto glyph = [b] { return PixelAt(b->PaintedImage(), 50, 20); };
    EXPECT_EQ(glyph(), red);
    Enter(b);
    EXPECT_EQ(glyph(), blue);
    Leave(b);
    b->SetEnabled(false);
    EXPECT_NE(glyph(), red);  // greyed
    b->SetDisabledImages(list(Qt::yellow));
    EXPECT_EQ(glyph(), yellow);
    b->SetEnabled(true);
    b->SetPicture(picture(Qt::magenta).get());
    b->SetHotPicture(picture(Qt::cyan).get());
    EXPECT_EQ(glyph(), magenta);
    Enter(b);
    EXPECT_EQ(glyph(), cyan);
    Leave(b);
    b->SetDisabledPicture(picture(Qt::yellow).get());
    b->SetEnabled(false);
    EXPECT_EQ(glyph(), yellow);
}

TEST_F(GlowButtonTest, EnterAndEscapeOfTheDialogClickDefaultAndCancel) {
    TFxGlowButton* ok = Make(10);
    TFxGlowButton* cancel = Make(150);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    int oks = 0, cancels = 0;
    ok->OnClick = [&](TFxCustomGlowButton&) { ++oks; };
    cancel->OnClick = [&](TFxCustomGlowButton&) { ++cancels; };
    Show();
    QTest::keyClick(form_.get(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(oks, 0);
    QTest::keyClick(form_.get(), Qt::Key_Return);
    EXPECT_EQ(oks, 1);
    QTest::keyClick(form_.get(), Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(oks, 1);
    cancel->SetCaption("&Cancel");
    QTest::keyClick(form_.get(), Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(cancels, 2);
    QTest::keyClick(form_.get(), Qt::Key_X);
    EXPECT_EQ(cancels, 2);
    ok->SetEnabled(false);
    QTest::keyClick(form_.get(), Qt::Key_Return);
    EXPECT_EQ(oks, 1);
}

// Focused, a button of focus type ftHot or ftHotBorder takes the hot look.
TEST_F(GlowButtonTest, FocusTypeDecidesTheFocusedLook) {
    TFxGlowButton* b = Make();
    b->setFocusPolicy(Qt::StrongFocus);
    TGlowButtonAppearance& a = b->Appearance();
    a.SetColor(0x0000FF);
    a.SetColorTo(0x0000FF);
    a.SetColorHot(0x00FF00);
    a.SetColorHotTo(0x00FF00);
    Show();
    form_->activateWindow();
    b->setFocus();
    VX_WAIT_TRUE(b->hasFocus(), test::kStateWaitMs);
    const struct {
        TFocusType type;
        TColor face;
    } cases[] = {{TFocusType::ftBorder, 0x0000FF},
                 {TFocusType::ftHot, 0x00FF00},
                 {TFocusType::ftHotBorder, 0x00FF00},
                 {TFocusType::ftNone, 0x0000FF}};
    for (const auto& k : cases) {
        b->SetFocusType(k.type);
        EXPECT_EQ(PixelAt(b->PaintedImage(), 50, 8), k.face) << static_cast<int>(k.type);
    }
}

// A double click gives one click more than its two presses; a click ends a
// dialog with the button's modal result.
TEST_F(GlowButtonTest, DoubleClickClicksOnceMoreAndModalResultEndsTheDialog) {
    TFxGlowButton* b = Make();
    int clicks = 0;
    b->OnClick = [&](TFxCustomGlowButton&) { ++clicks; };
    Show();
    const QPointF at(20, 20);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool up = type == QEvent::MouseButtonRelease;
        QMouseEvent event(type, at, b->mapToGlobal(at), Qt::LeftButton,
                          up ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(b, &event);
    }
    EXPECT_EQ(clicks, 3);
    QDialog dialog;
    auto* ok = new TFxGlowButton(&dialog);
    ok->SetModalResult(QDialog::Accepted + 5);
    ok->Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted + 5);
}

TEST_F(GlowButtonTest, FollowsItsActionAndRunsIt) {
    TFxGlowButton* b = Make();
    TCustomAction save("&Save", nullptr);
    save.setToolTip("Saves the project");
    save.setCheckable(true);
    save.SetGroupIndex(2);
    save.SetImageIndex(3);
    b->SetAction(&save);
    EXPECT_EQ(b->Action(), &save);
    EXPECT_EQ(b->Caption(), "&Save");
    EXPECT_EQ(b->toolTip(), "Saves the project");
    EXPECT_EQ(b->GroupIndex(), 2);  // taken while its own was 0
    EXPECT_EQ(b->ImageIndex(), 3);
    EXPECT_TRUE(b->CheckedLinked());
    save.setEnabled(false);
    EXPECT_FALSE(b->Enabled());
    save.setEnabled(true);
    // Checked writes Down while the two are in step.
    save.setChecked(true);
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(b->CheckedLinked());
    // Image and group index follow while the group indexes are equal.
    save.SetImageIndex(4);
    EXPECT_EQ(b->ImageIndex(), 4);
    save.SetGroupIndex(5);
    EXPECT_EQ(b->GroupIndex(), 5);
    b->SetGroupIndex(6);
    save.SetGroupIndex(7);
    EXPECT_EQ(b->GroupIndex(), 6);
    // A click runs OnClick and the action.
    int clicks = 0;
    b->OnClick = [&clicks](TFxCustomGlowButton&) { ++clicks; };
    QSignalSpy ran(&save, &QAction::triggered);
    b->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(ran.count(), 1);
    // A grouped button down apart from its action's Checked handles its
    // own clicks, also once the action has changed.
    TFxGlowButton* mode = Make(200);
    mode->resize(50, 30);
    mode->SetGroupIndex(3);
    TCustomAction modeAction("&Mode", nullptr);
    mode->SetAction(&modeAction);
    mode->SetDown(true);
    modeAction.setText("&Mode 2");
    Show();
    QSignalSpy modeRan(&modeAction, &QAction::triggered);
    QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(modeRan.count(), 1);

    b->SetAction(nullptr);
    save.setText("&Keep");
    EXPECT_EQ(b->Caption(), "&Save");
    EXPECT_FALSE(b->CheckedLinked());
    EXPECT_EQ(b->Version(), QStringLiteral("1.0.5.0"));
}

}  // namespace
}  // namespace vx
