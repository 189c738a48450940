// What a tool bar gives the controls it holds: its styler's looks (the glow
// buttons' colours, the style code), sizes and shadow glyphs again when its
// pictures or stylers change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "platform/LoadingScope.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/glow/qt/FxGlowButton.h"
#include "styling/menus/qt/FxMenuStylers.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/GlowButtonAppearance.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarMenuButton.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"
#include "support/QtWait.h"

namespace vx {
namespace {

using St = TToolBarStyle;

// A 16 x 16 picture: a red square at (x, y) of side n on a see-through ground.
QPixmap Square(int x, int y, int n) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.fillRect(x, y, n, n, Qt::red);
    return p;
}

struct StyledBar {
    QWidget form;
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bar = nullptr;
    TFxToolBarOfficeStyler* styler = nullptr;
    TFxGlowButton* glow = nullptr;
    TFxToolBarButton* button = nullptr;
    TImageList images{16, 16};

    StyledBar() {
        form.resize(600, 100);
        TAlignHost::Attach(&form);
        images.Add(Square(2, 2, 12));
        TLoadingScope scope;
        styler = new TFxToolBarOfficeStyler(&form);
        styler->SetStyle(St::bsOffice2003Olive);
        panel = new TFxDockPanel(&form);
        panel->SetBounds(0, 0, 600, 43);
        panel->SetToolBarStyler(styler);
        bar = new TFxToolBar(panel);
        bar->SetBounds(3, 1, 300, 28);
        bar->SetImages(&images);
        button = new TFxToolBarButton(bar);
        button->SetImageIndex(0);
        glow = new TFxGlowButton(bar);
        glow->setGeometry(40, 2, 60, 22);
    }
};

// The glow button keeps the colours of no look of its own: the styler's glow
// colours, then the look its style code names, at loading, at every change
// of the styler's colours and when it joins the bar later.
TEST(BarControlsTest, GlowButtonsTakeTheStylersLook) {
    StyledBar f;
    struct Row {
        St style;
        TColor color, colorHot, border;
    };
    const Row rows[] = {
        {St::bsOffice2003Olive, 0xCFF0EA, 0xEBFDFF, 0x8CC0B1},    // code 2
        {St::bsOffice2003Blue, 0xEEDBC8, 0xEBFDFF, 0xE0B99B},     // code 0
        {St::bsOffice2003Silver, 0xEDD4C0, 0xEBFDFF, 0x927476},   // code 1
        {St::bsOffice2003Classic, 0xFFFFFF, 0xEBFDFF, 0x828F92},  // no code: the styler's own
    };
    for (const Row& r : rows) {
        f.styler->SetStyle(r.style);
        const TGlowButtonAppearance& a = f.glow->Appearance();
        EXPECT_EQ(a.Color(), r.color) << static_cast<int>(r.style);
        EXPECT_EQ(a.ColorHot(), r.colorHot) << static_cast<int>(r.style);
        EXPECT_EQ(a.BorderColor(), r.border) << static_cast<int>(r.style);
    }
    // The glow colours tell nothing themselves: the next notice of the
    // styler's glow sets (code 7) or colours (code 2) carries them.
    f.styler->GlowButtonAppearance().SetColor(0x123456);
    EXPECT_EQ(f.glow->Appearance().Color(), 0xFFFFFFu);
    f.bar->StylerChanged(TStyleChange::kGlowButtons);
    EXPECT_EQ(f.glow->Appearance().Color(), 0x123456u);
    f.styler->GlowButtonAppearance().SetColor(0x654321);
    f.styler->Color().SetColorTo(0x010203);
    EXPECT_EQ(f.glow->Appearance().Color(), 0x654321u);

    f.styler->SetStyle(St::bsOffice2003Blue);
    auto* later = new TFxGlowButton(f.bar);
    VX_WAIT_TRUE(f.bar->IndexOfFTBControl(later) >= 0, test::kStateWaitMs);
    EXPECT_EQ(later->Appearance().Color(), 0xEEDBC8u);
}

// A new image list, another styler or a new menu styler: the buttons measure
// again and make their shadows from the pictures of now.
TEST(BarControlsTest, ButtonsMeasureAndShadeAgainWhenTheBarsLooksChange) {
    StyledBar f;
    const auto grey = [&](int x, int y) {
        return f.button->ShadowGlyphImage().pixel(x, y) == qRgb(0x80, 0x80, 0x80);
    };
    ASSERT_TRUE(grey(8, 8));
    TImageList other(16, 16);
    other.Add(Square(0, 0, 5));
    f.bar->SetImages(&other);
    EXPECT_TRUE(grey(2, 2));
    EXPECT_FALSE(grey(8, 8));  // the old silhouette is gone
    other.Clear();
    other.Add(Square(9, 9, 5));
    EXPECT_TRUE(grey(11, 11));

    // The button looks' font is no notice of its own: the next switch of
    // styler, or of menu styler for the menu buttons, measures with it.
    f.button->SetCaption("Open");
    f.button->SetShowCaption(true);
    auto* menuButton = new TFxToolBarMenuButton(f.bar);
    menuButton->SetCaption("File");
    menuButton->SetShowCaption(true);
    VX_WAIT_TRUE(f.bar->IndexOfFTBControl(menuButton) >= 0, test::kStateWaitMs);
    const int buttonWidth = f.button->width();
    const int menuWidth = menuButton->width();
    CanvasFont big = f.styler->ButtonAppearance().CaptionFont();
    big.size = 20;
    TFxToolBarOfficeStyler second;
    second.ButtonAppearance().SetCaptionFont(big);
    f.styler->ButtonAppearance().SetCaptionFont(big);
    TFxMenuOfficeStyler menuStyler;
    f.styler->SetFxMenuStyler(&menuStyler);
    EXPECT_GT(menuButton->width(), menuWidth);
    EXPECT_EQ(f.button->width(), buttonWidth);
    f.panel->SetToolBarStyler(&second);
    EXPECT_GT(f.button->width(), buttonWidth);
}

// A new image list changes the bar's length by the difference of the
// pictures' size along it; taking the list away shrinks it by the old size.
TEST(BarControlsTest, TheLengthFollowsTheImageListsSize) {
    QWidget form;
    TImageList small(16, 16), large(24, 20);
    auto* bar = new TFxToolBar(&form);  // free, and sized by hand
    bar->SetAutoSize(false);
    bar->SetBounds(0, 0, 200, 28);
    bar->SetImages(&small);  // no list before
    EXPECT_EQ(bar->width(), 200);
    bar->SetImages(&large);
    EXPECT_EQ(bar->width(), 208);
    bar->SetImages(nullptr);
    EXPECT_EQ(bar->width(), 184);
    EXPECT_EQ(bar->height(), 28);
}

// Left and Right on a glow button move the focus along the bar's controls
// that take it, over those that cannot; the bar passes the focus it is
// given to the first of them.
TEST(BarControlsTest, ArrowKeysMoveTheFocusAlongTheBar) {
    StyledBar f;
    std::vector<TFxGlowButton*> g{f.glow};
    for (int i = 0; i < 3; ++i) {
        auto* b = new TFxGlowButton(f.bar);
        b->setGeometry(100 + 60 * i, 2, 60, 22);
        g.push_back(b);
    }
    for (TFxGlowButton* b : g)
        b->setFocusPolicy(Qt::StrongFocus);
    g[2]->setEnabled(false);
    f.form.show();
    QApplication::setActiveWindow(&f.form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    VX_WAIT_TRUE(f.bar->IndexOfFTBControl(g[3]) >= 0, test::kStateWaitMs);
    f.bar->setFocus();
    EXPECT_TRUE(g[0]->hasFocus());
    struct Row {
        int from;
        Qt::Key key;
        int to;
    };
    const Row rows[] = {
        {0, Qt::Key_Right, 1}, {1, Qt::Key_Right, 3},  // over the disabled one
        {3, Qt::Key_Right, 3}, {3, Qt::Key_Left, 1},   // the last stays
        {1, Qt::Key_Left, 0},  {0, Qt::Key_Left, 0},
    };
    for (const Row& r : rows) {
        g[r.from]->setFocus();
        QTest::keyClick(g[r.from], r.key);
        EXPECT_TRUE(g[r.to]->hasFocus()) << r.from << " " << r.key;
    }
}

// A button's drop-down menu opens in the look of the bar's menu styler.
TEST(BarControlsTest, TheDropDownMenuTakesTheBarsMenuStyler) {
    StyledBar f;
    TFxMenuOfficeStyler menuStyler;
    f.styler->SetFxMenuStyler(&menuStyler);
    TFxPopupMenu menu;
    menu.addAction("Recent");
    f.button->SetDropDownButton(true);
    f.button->SetDropDownMenu(&menu);
    f.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.form));
    TCustomFxMenuStyler* shownWith = nullptr;
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        shownWith = menu.MenuStyler();
        QTimer::singleShot(0, &menu, &QMenu::close);
    });
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(f.button->width() - 4, 5));
    EXPECT_EQ(shownWith, &menuStyler);
}

// What the bar and its buttons hold for their owners: the office hint
// (copied, not shared), the bar's compact caption and picture and its text
// quality, the button's disabled picture.
TEST(BarControlsTest, TheBarAndItsButtonsKeepWhatTheyAreGiven) {
    StyledBar f;
    TFxHintInfo hint;
    hint.SetTitle("Open");
    hint.SetNotes({"Opens a project", "Ctrl+O"});
    QBuffer png;
    png.setData(QByteArray("\x89PNG not really", 16));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    hint.Picture().LoadFromStream(&png);
    ASSERT_FALSE(hint.Picture().Empty());
    f.bar->SetOfficeHint(&hint);
    f.button->SetOfficeHint(&hint);
    hint.SetTitle("Changed");
    for (TFxHintInfo* held : {&f.bar->OfficeHint(), &f.button->OfficeHint()}) {
        EXPECT_EQ(held->Title(), "Open");
        EXPECT_EQ(held->Notes().size(), 2);
        EXPECT_EQ(held->Picture().Data(), hint.Picture().Data());
    }

    EXPECT_EQ(f.bar->AntiAlias(), TAntiAlias::aaClearType);
    f.bar->SetAntiAlias(TAntiAlias::aaNone);
    EXPECT_EQ(f.bar->AntiAlias(), TAntiAlias::aaNone);
    f.bar->SetCompactCaption("Standard");
    EXPECT_EQ(f.bar->CompactCaption(), "Standard");
    f.bar->SetCompactPicture(&hint.Picture());
    EXPECT_FALSE(f.bar->CompactPicture().Empty());
    EXPECT_EQ(f.bar->CompactPicture().Data(), hint.Picture().Data());
    f.bar->SetCompactPicture(nullptr);
    EXPECT_TRUE(f.bar->CompactPicture().Empty());

    QImage grey(8, 8, QImage::Format_RGB32);
    grey.fill(Qt::gray);
    f.button->SetPictureDisabled(grey);
    EXPECT_EQ(f.button->PictureDisabled(), grey);
}

}  // namespace
}  // namespace vx
