#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/LoadingScope.h"
#include "platform/paint/DesktopMetrics.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/OptionPanelLayout.h"
#include "styling/toolbar/qt/FTBPopup.h"
#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOption.h"
#include "support/ImagePixel.h"
#include "support/QtWait.h"

namespace vx {
namespace {

using K = TBarControlKind;

// "B" a button of the overflow, "b" one on the bar, "S" and "s" separators.
std::string Contents(const std::string& bar) {
    std::vector<TOptionCandidate> controls;
    for (char c : bar)
        controls.push_back(
            {(c == 'S' || c == 's') ? K::bcSeparator : K::bcButton, c == 'B' || c == 'S'});
    std::ostringstream out;
    for (const TOptionPanelItem& item : OptionPanelContents(controls))
        out << (item.copy ? "c" : "") << item.control << ' ';
    return out.str();
}

TEST(OptionPanelLayoutTest, ContentsSizesAndPlacesAsData) {
    struct Row {
        const char* bar;
        const char* shown;  // indices; "c" marks a copy of a separator that stays
    };
    const Row rows[] = {
        {"BSBS", "0 1 2 "},  // the trailing separator is left out
        {"SB", "1 "},        // so is a leading one
        {"SBS", "1 "},       // and a trailing one after a skipped leading one
        {"BBSS", "0 1 "},    // two trailing ones
        {"BSSB", "0 1 2 3 "},  {"BsB", "0 c1 2 "},  // a separator that stays is copied between
        {"sB", "1 "},                               // but not before the first control
        {"bbSBsB", "3 c4 5 "}, {"BbsbB", "0 c2 4 "}, {"bbsb", ""}, {"", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Contents(r.bar), r.shown) << r.bar;

    EXPECT_EQ(OptionEntryWidth(100, true, 0, false), 130);
    EXPECT_EQ(OptionEntryWidth(120, true, 0, false), 135);
    EXPECT_EQ(OptionEntryWidth(200, false, 150, true), 165);
    EXPECT_EQ(OptionEntryWidth(200, false, 0, false), 130);

    const TRect button = Bounds(0, 0, 23, 22), separator = Bounds(0, 0, 10, 22);
    struct Panel {
        std::vector<TRect> sizes;
        bool autoEntry;
        std::vector<TPoint> places;
        int width, height;
        TRect autoRect;
    };
    const Panel panels[] = {
        {{button, button, separator, button},
         true,
         {{3, 3}, {26, 3}, {49, 3}, {59, 3}},
         136,
         56,
         {3, 33, 133, 53}},
        // rows no wider than the entry: the sixth button begins a second row
        {std::vector<TRect>(6, button),
         true,
         {{3, 3}, {26, 3}, {49, 3}, {72, 3}, {95, 3}, {3, 25}},
         136,
         78,
         {3, 55, 133, 75}},
        {{}, true, {}, 136, 26, {3, 3, 133, 23}},  // only the entry: no gap
        {{button}, false, {{3, 3}}, 136, 28, {}},  // no entry
        {{Bounds(0, 0, 150, 30)}, true, {{3, 3}}, 156, 64, {3, 41, 153, 61}},  // a wide control
    };
    for (const Panel& p : panels) {
        const TOptionPanelLayout l = ArrangeOptionPanel(p.sizes, 130, p.autoEntry, false);
        EXPECT_EQ(l.places, p.places);
        EXPECT_EQ(l.width, p.width);
        EXPECT_EQ(l.height, p.height);
        EXPECT_EQ(l.autoEntry, p.autoRect);
        EXPECT_TRUE(l.optionsEntry.IsEmpty());
    }
    const TOptionPanelLayout both = ArrangeOptionPanel({button}, 130, true, true);
    EXPECT_EQ(both.height, 3 + 3 + 22 + 8 + 20 + 20);
    EXPECT_EQ(both.autoEntry, (TRect{3, 53, 133, 73}));
    EXPECT_EQ(both.optionsEntry, (TRect{3, 33, 133, 53}));

    EXPECT_EQ(DockedOptionAnchor({3, 1, 334, 29}), (TPoint{322, 30}));
    EXPECT_EQ(FloatingOptionAnchor({0, 0, 200, 44}, 16, true), (TPoint{160, 14}));
    EXPECT_EQ(FloatingOptionAnchor({0, 0, 200, 44}, 16, false), (TPoint{180, 14}));

    const TRect work{0, 0, 1000, 700};
    struct Place {
        TPoint anchor;
        bool dockedRight;
        TPoint at;
    };
    const Place places[] = {
        {{500, 100}, false, {500, 100}},
        {{500, 660}, false, {500, 642}},  // up by what passes the bottom, 2 to spare
        {{950, 100}, false, {864, 100}},  // left by what passes the right
        {{950, 100}, true, {764, 100}},   // docked at the right: left of the bar
        {{864, 100}, true, {864, 100}},   // ends on the right edge exactly
        {{865, 100}, true, {764, 100}},   // a pixel past it
    };
    for (const Place& p : places)
        EXPECT_EQ(OptionWindowOrigin(p.anchor, 136, 56, work, p.dockedRight, 900), p.at);
    EXPECT_EQ(AddRemovePopupOrigin({100, 200, 230, 220}, 120, 80, work), (TPoint{230, 200}));
    EXPECT_EQ(AddRemovePopupOrigin({100, 650, 230, 670}, 120, 80, work), (TPoint{230, 618}));
    EXPECT_EQ(AddRemovePopupOrigin({880, 200, 990, 220}, 120, 80, work), (TPoint{760, 200}));
    EXPECT_EQ(AddRemovePopupOrigin({750, 200, 880, 220}, 120, 80, work), (TPoint{880, 200}));
    EXPECT_EQ(AddRemovePopupOrigin({751, 200, 881, 220}, 120, 80, work), (TPoint{631, 200}));
}

// The mouse onto the add-or-remove entry (from elsewhere, so that it moves
// even when a test before left it there).
void HoverEntry(TControlSelectorPanel* panel) {
    const TRect entry = panel->AddRemoveEntry().rect;
    QTest::mouseMove(panel, QPoint(1, 1));
    QTest::mouseMove(panel, QPoint(entry.left + 20, entry.top + 5));
}

// A docked bar of five buttons with a separator after the second and one at
// the end, narrowed so that its last controls go to the overflow.
struct OptionBar {
    DesktopMetricsScope desktop{[] {
        DesktopMetrics m;
        m.screens = {{{0, 0, 1600, 1200}, {0, 0, 1600, 1170}}};
        return m;
    }()};
    QWidget form;
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bar = nullptr;
    TImageList images{16, 16};
    std::vector<QWidget*> controls;  // in the bar's order
    std::vector<TFxToolBarButton*> buttons;

    // A narrow form gives the bar a row it cannot grow in.
    explicit OptionBar(int formWidth = 600) {
        form.resize(formWidth, 43);  // the mouse reaches the option window below it
        form.move(100, 100);
        TAlignHost::Attach(&form);
        QPixmap red(16, 16);
        red.fill(Qt::red);
        images.Add(red);
        {
            TLoadingScope scope;
            panel = new TFxDockPanel(&form);
            panel->SetBounds(0, 0, formWidth, 43);
            bar = new TFxToolBar(panel);
            bar->setObjectName("FxToolBar1");
            bar->SetCaption("Standard");
            bar->SetBounds(3, 1, 300, 28);
            bar->SetImages(&images);
            bar->SetAutoOptionMenu(true);
            bar->SetTextAutoOptionMenu("Add");  // narrower than the entry with any font
            for (int i = 0; i < 5; ++i) {
                auto* b = new TFxToolBarButton(bar);
                b->setObjectName(QString("FxToolBarButton%1").arg(i + 1));
                b->SetCaption(QString("Button%1").arg(i + 1));
                b->SetImageIndex(0);
                buttons.push_back(b);
                controls.push_back(b);
                if (i == 1 || i == 4) {
                    auto* s = new TFxToolBarSeparator(bar);
                    s->setObjectName(QString("FxToolBarSeparator%1").arg(i == 1 ? 1 : 2));
                    controls.push_back(s);
                }
            }
        }
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    std::vector<QWidget*> Order() const {
        std::vector<QWidget*> order;
        for (int i = 0; i < bar->GetFTBControlCount(); ++i)
            order.push_back(bar->GetFTBControl(i));
        return order;
    }
    void ClickRightHandle() {
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 5, bar->height() / 2));
    }
    // Back on the bar, in its order, and visible unless hidden on purpose.
    void ExpectAllBack() {
        EXPECT_EQ(Order(), controls);
        for (QWidget* c : controls)
            EXPECT_EQ(c->parentWidget(), bar) << c->objectName().toStdString();
    }
};

TEST(OptionWindowTest, LendsTheOverflowAndGivesItBackInItsPlace) {
    OptionBar f;
    ASSERT_EQ(f.Order(), f.controls);
    f.bar->SetBounds(3, 1, 100, 28);
    // Kept: the grip, two buttons and the handle; the separator before the
    // third button and the buttons after it overflow, the last separator stays.
    ASSERT_EQ(f.bar->Overflow().Count(), 4);

    QSignalSpy optionClicks(f.bar, &TFxCustomToolBar::OptionClicked);
    f.ClickRightHandle();
    ASSERT_EQ(optionClicks.count(), 1);
    EXPECT_EQ(optionClicks[0][1].toPoint(), QPoint(3 + 100 - 12, 1 + 28 + 1));
    TOptionSelectorWindow* window = f.bar->OptionWindow();
    ASSERT_NE(window, nullptr);
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    TControlSelectorPanel* panel = window->OptionsPanel();
    // The overflow's separator after the second button leads, and the last
    // one trails: neither is shown; the three buttons are lent.
    ASSERT_EQ(panel->ItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(panel->Item(i), f.buttons[2 + i]);
        EXPECT_EQ(f.buttons[2 + i]->parentWidget(), panel);
        EXPECT_TRUE(f.buttons[2 + i]->isVisible());
        EXPECT_EQ(f.buttons[2 + i]->FxToolBar(), f.bar);  // pictures and looks from the bar
        EXPECT_EQ(f.buttons[2 + i]->pos(), QPoint(3 + 24 * i, 3));
    }
    EXPECT_EQ(f.buttons[2]->size(), QSize(24, 24));
    EXPECT_EQ(panel->AddRemoveEntry().rect, (TRect{3, 35, 133, 55}));
    EXPECT_EQ(window->size(), QSize(136, 58));
    // Under the right handle.
    const QPoint anchor = f.panel->mapToGlobal(QPoint(3 + 100 - 12, 1 + 28 + 1));
    EXPECT_EQ(window->pos(), anchor);
    EXPECT_EQ(f.Order(), f.controls);  // the bar's list keeps the lent controls

    // A lent button's click closes the window first, then runs its command;
    // the button is wanted on the bar: it comes back with the separator
    // before it, and the bar grows for them in its row.
    QSignalSpy clicked(f.buttons[3], &TFxToolBarButton::Clicked);
    QSignalSpy barClicks(f.bar, &TFxCustomToolBar::ButtonClick);
    QTest::mouseClick(f.buttons[3], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(barClicks.count(), 1);
    EXPECT_FALSE(window->isVisible());
    f.ExpectAllBack();
    ASSERT_EQ(f.bar->Overflow().Count(), 2);
    EXPECT_TRUE(f.bar->InOverflow(f.bar->Items()[3]));  // the third and fifth buttons
    EXPECT_TRUE(f.bar->InOverflow(f.bar->Items()[5]));
    EXPECT_EQ(f.buttons[3]->x(), 9 + 2 * 24 + f.controls[2]->width());
    EXPECT_GT(f.bar->width(), 100);
    EXPECT_EQ(panel->ItemCount(), 0);

    // Widened while the window is open, the bar takes its controls back.
    f.ClickRightHandle();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    ASSERT_EQ(panel->ItemCount(), 2);
    f.bar->SetBounds(3, 1, 200, 28);
    EXPECT_TRUE(f.bar->Overflow().Empty());
    EXPECT_EQ(panel->ItemCount(), 0);
    f.ExpectAllBack();
    for (QWidget* c : f.controls)
        EXPECT_TRUE(c->isVisible());
    // A second press on the handle closes the window.
    f.ClickRightHandle();
    EXPECT_FALSE(window->isVisible());

    // No overflow: only the entry.
    f.ClickRightHandle();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    EXPECT_EQ(panel->ItemCount(), 0);
    EXPECT_EQ(window->size(), QSize(136, 26));
    window->hide();

    // Without the entry and without an overflow nothing opens.
    f.bar->SetAutoOptionMenu(false);
    f.ClickRightHandle();
    QTest::qWait(20);
    EXPECT_FALSE(window->isVisible());
    f.ExpectAllBack();
}

// The entries take the bar's button colours; a menu bar's take those of its
// menu buttons, the menu styler's root item.
TEST(OptionWindowTest, EntriesTakeTheButtonOrRootItemColours) {
    OptionBar f;
    using Colours = std::array<TColor, 7>;
    const auto entries = [&] {
        f.bar->PrepareOptionWindow();
        const TControlSelectorPanel& p = *f.bar->OptionWindow()->OptionsPanel();
        return Colours{
            p.ColorHot(),         p.ColorHotTo(),          p.ColorDown(),           p.ColorDownTo(),
            p.CaptionTextColor(), p.CaptionTextColorHot(), p.CaptionTextColorDown()};
    };
    const TCustomFxToolBarStyler& styler = *f.bar->CurrentStyler();
    const TButtonAppearance& b = styler.ButtonAppearance();
    const Colours buttons{
        b.ColorHot(),         b.ColorHotTo(),          b.ColorDown(),           b.ColorDownTo(),
        b.CaptionTextColor(), b.CaptionTextColorHot(), b.CaptionTextColorDown()};
    EXPECT_EQ(entries(), buttons);
    TFxMainMenu menu(&f.form);
    f.bar->SetMenu(&menu);
    const TRootItem& r = styler.CurrentMenuStyler()->RootItem();
    const Colours root{r.HoverColor(),       r.HoverColorTo(), r.SelectedColor(),
                       r.SelectedColorTo(),  r.Font().color,   r.HoverTextColor(),
                       r.SelectedTextColor()};
    ASSERT_NE(root, buttons);
    EXPECT_EQ(entries(), root);
    f.bar->SetMenu(nullptr);
}

// A grey line above the entries; the add-or-remove entry's downward mark in
// the caption colour at its bottom right.
TEST(OptionWindowTest, TheEntriesLineAndMarkByPixels) {
    OptionBar f;
    f.bar->SetBounds(3, 1, 100, 28);  // three buttons overflow
    f.bar->PrepareOptionWindow();
    TControlSelectorPanel& p = *f.bar->OptionWindow()->OptionsPanel();
    const QImage image = p.grab().toImage();
    const TRect r = p.AddRemoveEntry().rect;
    const TColor text = p.CaptionTextColor();
    EXPECT_EQ(test::PixelAt(image, p.width() / 2, r.top - 4), TColor(0x808080));
    EXPECT_NE(test::PixelAt(image, p.width() / 2, r.top - 3), TColor(0x808080));
    for (int x = r.right - 9; x < r.right - 4; ++x)
        EXPECT_EQ(test::PixelAt(image, x, r.bottom - 10), text) << x;
    EXPECT_NE(test::PixelAt(image, r.right - 9, r.bottom - 9), text);
    EXPECT_EQ(test::PixelAt(image, r.right - 8, r.bottom - 9), text);
    EXPECT_EQ(test::PixelAt(image, r.right - 7, r.bottom - 8), text);
    EXPECT_NE(test::PixelAt(image, r.right - 7, r.bottom - 7), text);
}

// A group spans the bar and its option window: a member pressed on either
// side releases the one down on the other.
TEST(OptionWindowTest, AGroupPressReachesTheOtherSide) {
    OptionBar f;
    for (TFxToolBarButton* b : f.buttons)
        b->SetGroupIndex(1);
    f.bar->SetBounds(3, 1, 100, 28);
    f.buttons[0]->SetDown(true);
    f.ClickRightHandle();
    TOptionSelectorWindow* window = f.bar->OptionWindow();
    ASSERT_NE(window, nullptr);
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    ASSERT_EQ(f.buttons[3]->parentWidget(), window->OptionsPanel());
    QTest::mouseClick(f.buttons[3], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.buttons[3]->Down());
    EXPECT_FALSE(f.buttons[0]->Down());

    // Back on the bar, the fourth is released by the fifth, lent again.
    f.ClickRightHandle();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    ASSERT_EQ(f.buttons[4]->parentWidget(), window->OptionsPanel());
    f.buttons[4]->SetDown(true);
    EXPECT_FALSE(f.buttons[3]->Down());
    f.buttons[0]->SetDown(true);  // and the first on the bar releases it
    EXPECT_FALSE(f.buttons[4]->Down());
    EXPECT_TRUE(f.buttons[0]->Down());
    window->hide();
}

// The right handle is hot while the pointer is on it. Its option window
// closed by Escape leaves it hot only with the pointer on it, and the
// pointer leaving ends that, also when the window stood over the handle (a
// short work area lifts it over the bar); closed from the add-or-remove
// cascade, with the pointer on its entry, the handle is not hot.
TEST(OptionWindowTest, TheHandleIsHotOnlyUnderThePointerWhenTheWindowCloses) {
    enum class Close { kWindow, kWindowOverHandle, kCascade };
    for (Close how : {Close::kWindow, Close::kWindowOverHandle, Close::kCascade}) {
        SCOPED_TRACE(static_cast<int>(how));
        OptionBar f;
        DesktopMetrics m;
        m.screens = {
            {{0, 0, 1600, 1200}, {0, 0, 1600, how == Close::kWindowOverHandle ? 140 : 1170}}};
        DesktopMetricsScope workArea(m);
        const QPoint handle = f.bar->mapToGlobal(QPoint(f.bar->width() - 7, 19));
        const QPoint away = f.form.mapToGlobal(QPoint(f.form.width() - 20, 38));
        QCursor::setPos(away);
        QCursor::setPos(handle);
        VX_WAIT_TRUE(f.bar->RightHandleHot(), test::kStateWaitMs);
        f.ClickRightHandle();
        TOptionSelectorWindow* window = f.bar->OptionWindow();
        VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
        ASSERT_EQ(window->geometry().contains(handle), how == Close::kWindowOverHandle);
        QWidget* escaped = window->OptionsPanel();
        // (The offscreen cursor moves the pointer in the first window that
        // holds the point, so the window hears of the pointer directly, a
        // pixel beside where the cursor stands.)
        if (how == Close::kWindowOverHandle) {  // the pointer in the window, over the handle
            QTest::mouseMove(window->windowHandle(), window->mapFromGlobal(handle) + QPoint(1, 0));
        } else if (how == Close::kCascade) {  // the pointer on the add-or-remove entry
            TControlSelectorPanel* panel = window->OptionsPanel();
            const TRect entry = panel->AddRemoveEntry().rect;
            const QPoint onEntry = panel->mapTo(window, QPoint(entry.left + 20, entry.top + 5));
            QCursor::setPos(window->mapToGlobal(onEntry));
            QTest::mouseMove(window->windowHandle(), onEntry + QPoint(1, 0));
            VX_WAIT_TRUE(panel->AddRemovePopup() && panel->AddRemovePopup()->isVisible(),
                         test::kStateWaitMs);
            escaped = panel->AddRemovePopup();
        }
        QTest::keyClick(escaped, Qt::Key_Escape);
        EXPECT_FALSE(escaped->isVisible());
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(f.bar->RightHandleHot(), how != Close::kCascade);
        QCursor::setPos(away);
        VX_WAIT_TRUE(!f.bar->RightHandleHot(), test::kStateWaitMs);
    }
}

TEST(OptionWindowTest, AButtonUsedFromTheWindowIsHiddenLast) {
    // AutoArrangeButtons on; on and switched off after the use; off.
    for (int mode : {0, 1, 2}) {
        OptionBar f(106);  // the row ends where the bar does
        f.bar->SetAutoArrangeButtons(mode != 2);
        f.bar->SetBounds(3, 1, 100, 28);
        ASSERT_EQ(f.bar->Overflow().Count(), 4);
        f.ClickRightHandle();
        VX_WAIT_TRUE(f.bar->OptionWindow()->isVisible(), test::kStateWaitMs);
        QTest::mouseClick(f.buttons[3], Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(f.bar->OptionWindow()->isVisible());
        f.ExpectAllBack();
        EXPECT_EQ(f.bar->width(), 100);
        // Arranging, the fourth button stays on the bar with the separator
        // before it and the second goes for it; in plain order it goes again.
        const IBarControl* used = f.bar->Items()[4];
        EXPECT_EQ(f.bar->InOverflow(used), mode == 2) << mode;
        EXPECT_EQ(f.bar->InOverflow(f.bar->Items()[1]), mode != 2) << mode;
        EXPECT_EQ(f.bar->Priority()[0] == used, mode != 2) << mode;
        if (mode == 1) {
            // Switched off, the priority is the plain order again.
            f.bar->SetAutoArrangeButtons(false);
            for (int i = 0; i < f.bar->Items().Count(); ++i)
                EXPECT_EQ(f.bar->Priority()[i], f.bar->Items()[i]);
        }
        // Narrowed to one button: only with the arrangement on is the used
        // one hidden last.
        f.bar->SetBounds(3, 1, 9 + 24 + 14 + 10, 28);
        EXPECT_EQ(f.bar->InOverflow(used), mode != 0) << mode;
        EXPECT_EQ(f.bar->InOverflow(f.bar->Items()[0]), mode == 0) << mode;
    }
}

TEST(OptionWindowTest, SeparatorsThatStayOnTheBarAreCopiedAndFreed) {
    OptionBar f;
    // A button put in front later is last in the bar's priority: it goes to
    // the overflow first, then the last button; the separator between them
    // stays on the bar and the panel shows a copy of it between the two.
    auto* first = new TFxToolBarButton(f.bar);
    first->setObjectName("FxToolBarButton0");
    first->SetImageIndex(0);
    first->move(1, 1);
    first->show();
    VX_WAIT_TRUE(f.bar->IndexOfFTBControl(first) == 0, test::kStateWaitMs);
    f.controls.insert(f.controls.begin(), first);
    f.bar->SetBounds(3, 1, 150, 28);
    ASSERT_EQ(f.bar->Overflow().Count(), 2);
    f.ClickRightHandle();
    TOptionSelectorWindow* window = f.bar->OptionWindow();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    TControlSelectorPanel* panel = window->OptionsPanel();
    ASSERT_EQ(panel->ItemCount(), 3);
    EXPECT_EQ(panel->Item(0), first);
    auto* copy = qobject_cast<TFxToolBarSeparator*>(panel->Item(1));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, f.controls[3]);
    EXPECT_EQ(copy->size(), f.controls[3]->size());
    EXPECT_EQ(f.controls[3]->parentWidget(), f.bar);
    EXPECT_EQ(panel->Item(2), f.buttons[4]);
    EXPECT_EQ(copy->pos(), QPoint(27, 3));
    EXPECT_EQ(f.buttons[4]->pos(), QPoint(37, 3));
    window->hide();
    EXPECT_TRUE(panel->findChildren<TFxToolBarSeparator*>().isEmpty());
    f.ExpectAllBack();
}

TEST(OptionWindowTest, CascadeChecksShowAndHideTheBarsControls) {
    OptionBar f;
    f.bar->SetBounds(3, 1, 100, 28);
    f.ClickRightHandle();
    TOptionSelectorWindow* window = f.bar->OptionWindow();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    TControlSelectorPanel* panel = window->OptionsPanel();
    const TRect entry = panel->AddRemoveEntry().rect;
    HoverEntry(panel);
    EXPECT_TRUE(panel->AddRemoveHot());
    TFTBPopupWindow* popup = panel->AddRemovePopup();
    ASSERT_NE(popup, nullptr);
    VX_WAIT_TRUE(popup->isVisible(), test::kStateWaitMs);
    EXPECT_FALSE(window->HideOnDeActivate());  // the cascade's activation keeps it open
    EXPECT_EQ(popup->pos(), panel->mapToGlobal(QPoint(entry.right, entry.top)));

    // One row, the bar's caption, whose level lists the five buttons.
    TFTBMenuItem& root = panel->CascadeRoot();
    ASSERT_EQ(root.Count(), 1);
    EXPECT_EQ(root.Item(0)->caption, "Standard");
    const TFTBMenuItem* caption = root.Item(0);
    ASSERT_EQ(caption->Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(caption->Item(i)->caption, "Button" + std::to_string(i + 1));
        EXPECT_TRUE(caption->Item(i)->checkItem);
        EXPECT_TRUE(caption->Item(i)->checked);
        EXPECT_EQ(caption->Item(i)->control, f.buttons[i]);
    }
    TFTBPopupPanel* top = popup->PopupPanel();
    QTest::mouseMove(top, QPoint(caption->rect.left + 10, caption->rect.top + 10));
    TFTBPopupWindow* sub = top->SubPopup();
    ASSERT_NE(sub, nullptr);
    VX_WAIT_TRUE(sub->isVisible(), test::kStateWaitMs);

    // A check row hides a button on the bar and one lent to the panel.
    for (int i : {0, 3}) {
        const TRect row = caption->Item(i)->rect;
        QTest::mouseMove(sub->PopupPanel(), QPoint(row.left + 30, row.top + 10));
        QTest::mouseClick(sub->PopupPanel(), Qt::LeftButton, {},
                          QPoint(row.left + 30, row.top + 10));
        EXPECT_TRUE(f.buttons[i]->isHidden());
        EXPECT_FALSE(caption->Item(i)->checked);
    }
    EXPECT_EQ(f.buttons[4]->pos(), QPoint(3 + 24, 3));  // the lent ones close up
    window->hide();
    EXPECT_FALSE(popup->isVisible());
    f.ExpectAllBack();
    EXPECT_TRUE(f.buttons[0]->isHidden());
    EXPECT_TRUE(f.buttons[3]->isHidden());
    EXPECT_FALSE(f.buttons[2]->isHidden());
}

TEST(OptionWindowTest, ClosesOnDeactivationAndKeepsToTheWorkArea) {
    OptionBar f;
    f.bar->SetBounds(3, 1, 100, 28);
    const QPoint anchor = f.panel->mapToGlobal(QPoint(91, 30));
    DesktopMetrics m;
    m.screens = {{{0, 0, 1600, 1200}, {0, 0, anchor.x() + 50, anchor.y() + 40}}};
    DesktopMetricsScope narrow(m);
    f.ClickRightHandle();
    TOptionSelectorWindow* window = f.bar->OptionWindow();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    EXPECT_EQ(window->pos(), QPoint(anchor.x() + 50 - 136, anchor.y() + 40 - 58 - 2));
    VX_WAIT_TRUE(window->isActiveWindow(), test::kStateWaitMs);
    f.form.activateWindow();
    VX_WAIT_TRUE(!window->isVisible(), test::kStateWaitMs);
    f.ExpectAllBack();
    // At a given point it opens there, work area or not.
    f.bar->ShowOptionWindow(anchor.x() + 30, anchor.y() + 30, true);
    EXPECT_EQ(window->pos(), anchor + QPoint(30, 30));
    window->hide();
    f.ExpectAllBack();
}

// A floating bar has no overflow: its caption's option button opens the
// entry alone, under that button, kept on the work area like a docked one.
TEST(OptionWindowTest, FloatingBarOpensUnderItsCaptionButton) {
    DesktopMetrics m;
    m.screens = {{{0, 0, 1600, 1200}, {0, 0, 1600, 1170}}};
    DesktopMetricsScope desktop(m);
    QWidget owner;
    owner.resize(400, 300);
    auto* floating = new TFloatingWindow(&owner);
    auto* bar = new TFxToolBar(floating);
    bar->SetAutoOptionMenu(true);
    bar->SetTextAutoOptionMenu("Add");
    for (int i = 0; i < 3; ++i)
        new TFxToolBarButton(bar);
    owner.show();
    floating->move(300, 200);
    floating->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(floating));
    ASSERT_EQ(bar->State(), TToolBarState::tsFloating);
    const TRect button = bar->OptionButtonRect();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(button.left + 3, button.top + 3));
    TOptionSelectorWindow* window = bar->OptionWindow();
    ASSERT_NE(window, nullptr);
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    EXPECT_EQ(window->OptionsPanel()->ItemCount(), 0);
    EXPECT_EQ(window->pos(), bar->mapToGlobal(QPoint(bar->width() - 40, bar->CaptionHeight() - 2)));
    // A bar that moves to another parent closes its option window first.
    bar->setParent(&owner);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(bar->State(), TToolBarState::tsFree);
    EXPECT_FALSE(bar->ParentStyler());
    delete floating;
}

TEST(OptionsMenuTest, WidthOfTheItemWithTheWidestCaptionAsData) {
    const QFontMetrics captions(QApplication::font());
    // One styled menu of the items, so that each is measured alone.
    auto width = [&](const std::vector<QString>& texts, const QString& shortcut = {}) {
        TFxPopupMenu menu;
        for (const QString& text : texts) {
            if (text == "-") {
                menu.addSeparator();
                continue;
            }
            QAction* action = menu.addAction(text);
            if (!shortcut.isEmpty() && text == texts.back())
                action->setShortcut(QKeySequence(shortcut));
        }
        return OptionsMenuWidth(menu, captions);
    };
    const QString longer = "Properties of the bar", shorter = "Open";
    struct Row {
        std::vector<QString> items;
        QString shortcut;  // of the last item
        QString widest;    // whose width the menu takes
    };
    const Row rows[] = {
        {{shorter, longer}, {}, longer},
        {{longer, "-", shorter}, {}, longer},
        {{"-", shorter}, {}, shorter},  // a separator is no wider
        // The caption decides, though the other item's shortcut is wider.
        {{longer, "B"}, "Ctrl+Shift+Alt+F12", longer},
    };
    for (const Row& r : rows)
        EXPECT_EQ(width(r.items, r.shortcut), width({r.widest})) << r.items.size();
    EXPECT_GT(width({longer}), width({shorter}));
    EXPECT_GT(width({"B"}, "Ctrl+Shift+Alt+F12"), width({"B"}));  // the shortcut is measured
    EXPECT_EQ(width({}), 0);
    QMenu plain;  // not styled: as Qt lays it out
    plain.addAction(longer);
    EXPECT_EQ(OptionsMenuWidth(plain, captions), plain.sizeHint().width());
}

// The option window of a bar whose option menu is a styled menu of three
// items, all of its controls on the bar.
struct OptionsMenuBar : OptionBar {
    TFxPopupMenu menu{&form};
    std::vector<QAction*> items;
    TControlSelectorPanel* panel = nullptr;

    OptionsMenuBar() {
        for (const char* text : {"&Customize...", "&Reset", "&Lock the bar"})
            items.push_back(menu.addAction(text));
        bar->SetOptionMenu(&menu);
    }
    TOptionSelectorWindow* Window() const { return bar->OptionWindow(); }
    void Open() {
        ClickRightHandle();
        VX_WAIT_TRUE(Window() != nullptr && Window()->isVisible(), test::kStateWaitMs);
        panel = Window()->OptionsPanel();
    }
    QPoint OnEntry(const TRect& entry) const {
        return panel->mapToGlobal(QPoint(entry.left + 20, entry.top + 5));
    }
    // The mouse onto the options entry (from elsewhere), through the option
    // window, where the form stands over its top: the menu opens. The
    // cursor is there first, for the watch, which reads it.
    void HoverOptions(QMenu* opening = nullptr) {
        const QPoint at = OnEntry(panel->OptionsEntry().rect);
        QCursor::setPos(at);
        QCoreApplication::processEvents();
        QTest::mouseMove(Window()->windowHandle(), QPoint(1, 1));
        QTest::mouseMove(Window()->windowHandle(), Window()->mapFromGlobal(at));
        if (opening == nullptr) opening = &menu;
        VX_WAIT_TRUE(opening->isVisible(), test::kStateWaitMs);
    }
};

TEST(OptionsMenuTest, OpensBesideItsEntryAndGivesWayToTheAddRemoveEntry) {
    OptionsMenuBar f;
    f.Open();
    TControlSelectorPanel* panel = f.panel;
    EXPECT_EQ(panel->OptionsMenu(), &f.menu);
    EXPECT_EQ(f.menu.MenuStyler(), f.bar->CurrentStyler()->CurrentMenuStyler());
    EXPECT_EQ(panel->OptionsEntry().rect, (TRect{3, 3, 133, 23}));  // above add-or-remove

    // Hovered, it opens the menu at its top right, with the cascade closed
    // and the window kept open while the menu has the mouse.
    HoverEntry(panel);
    VX_WAIT_TRUE(panel->AddRemovePopup() && panel->AddRemovePopup()->isVisible(),
                 test::kStateWaitMs);
    f.HoverOptions();
    EXPECT_FALSE(panel->AddRemovePopup()->isVisible());
    EXPECT_TRUE(panel->OptionsMenuOpen());
    EXPECT_TRUE(panel->OptionsDown());
    EXPECT_FALSE(f.Window()->HideOnDeActivate());
    // (A styled first level stands a pixel left and two up of its point.)
    VX_WAIT_EQ(f.menu.pos(), f.menu.PlaceFor(panel->mapToGlobal(QPoint(133, 3))) + QPoint(-1, -2),
               test::kStateWaitMs);
    // The watch, by hand: the mouse elsewhere leaves the menu open; on the
    // add-or-remove entry it closes the menu, the window stays, and the
    // entry under the mouse opens its cascade.
    ASSERT_TRUE(panel->Watching());
    QCursor::setPos(f.OnEntry(panel->OptionsEntry().rect));
    panel->WatchOptionsMenu();
    EXPECT_TRUE(f.menu.isVisible());
    QCursor::setPos(f.OnEntry(panel->AddRemoveEntry().rect));
    panel->WatchOptionsMenu();
    EXPECT_FALSE(panel->Watching());
    EXPECT_FALSE(f.menu.isVisible());
    VX_WAIT_TRUE(!panel->OptionsMenuOpen(), test::kStateWaitMs);
    EXPECT_TRUE(f.Window()->isVisible());
    EXPECT_FALSE(panel->OptionsDown());
    VX_WAIT_TRUE(panel->AddRemovePopup()->isVisible(), test::kStateWaitMs);

    // A chosen item runs; the menu's end is the window's.
    QSignalSpy chosen(f.items[1], &QAction::triggered);
    f.HoverOptions();
    f.menu.setActiveAction(f.items[1]);
    QTest::keyClick(&f.menu, Qt::Key_Return);
    VX_WAIT_TRUE(!f.Window()->isVisible(), test::kStateWaitMs);
    EXPECT_EQ(chosen.count(), 1);

    // Closed with the window (the bar re-arranged), and gone while open.
    f.Open();
    f.HoverOptions();
    f.Window()->hide();
    VX_WAIT_TRUE(!f.menu.isVisible() && !panel->OptionsMenuOpen(), test::kStateWaitMs);
    auto* gone = new TFxPopupMenu(&f.form);
    gone->addAction("Gone");
    f.bar->SetOptionMenu(gone);
    f.Open();
    f.HoverOptions(gone);
    delete gone;
    EXPECT_FALSE(panel->OptionsMenuOpen());
    EXPECT_FALSE(f.Window()->isVisible());
    f.Open();
    EXPECT_FALSE(panel->HasOptions());
}

TEST(OptionsMenuTest, OpensLeftOfItsEntryAtTheWorkAreasRight) {
    OptionsMenuBar f;
    f.Open();
    const TRect entry = f.panel->OptionsEntry().rect;
    const QPoint right = f.panel->mapToGlobal(QPoint(entry.right, entry.top));
    const int width = OptionsMenuWidth(f.menu, QFontMetrics(f.panel->font()));
    DesktopMetrics m;
    m.screens = {{{0, 0, 1600, 1200}, {0, 0, right.x() + width - 1, 1170}}};
    DesktopMetricsScope narrow(m);
    f.HoverOptions();
    const QPoint left = f.panel->mapToGlobal(QPoint(entry.left, entry.top));
    VX_WAIT_EQ(f.menu.pos(), f.menu.PlaceFor(left - QPoint(width, 0)) + QPoint(-1, -2),
               test::kStateWaitMs);
    f.menu.close();
    VX_WAIT_TRUE(!f.Window()->isVisible(), test::kStateWaitMs);

    // A menu without items opens nothing: it is over at once, and so is the
    // window.
    TFxPopupMenu empty;
    f.bar->SetOptionMenu(&empty);
    f.Open();
    QTest::mouseMove(f.Window()->windowHandle(), QPoint(1, 1));
    QTest::mouseMove(f.Window()->windowHandle(), QPoint(entry.left + 20, entry.top + 5));
    EXPECT_FALSE(empty.isVisible());
    EXPECT_FALSE(f.panel->OptionsMenuOpen());
    EXPECT_FALSE(f.Window()->isVisible());
}

TEST(OptionWindowTest, NothingBreaksWhenTheBarOrALentButtonGoesWhileOpen) {
    {
        OptionBar f;
        f.bar->SetBounds(3, 1, 100, 28);
        f.ClickRightHandle();
        VX_WAIT_TRUE(f.bar->OptionWindow()->isVisible(), test::kStateWaitMs);
        delete f.buttons[4];  // a lent button destroyed: out of the bar's lists
        EXPECT_EQ(f.bar->GetFTBControlCount(), 6);
        EXPECT_EQ(f.bar->OptionWindow()->OptionsPanel()->ItemCount(), 2);
        f.bar->OptionWindow()->hide();
        EXPECT_EQ(f.buttons[3]->parentWidget(), f.bar);
    }
    OptionBar f;
    f.bar->SetBounds(3, 1, 100, 28);
    f.ClickRightHandle();
    QPointer<TOptionSelectorWindow> window = f.bar->OptionWindow();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    QPointer<TFxToolBarButton> lent = f.buttons[3];
    ASSERT_EQ(lent->parentWidget(), window->OptionsPanel());
    delete f.bar;  // the window and everything lent go with the bar
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(lent.isNull());

    // The whole form closed with the window and its cascade open.
    auto g = std::make_unique<OptionBar>();
    g->bar->SetBounds(3, 1, 100, 28);
    g->ClickRightHandle();
    TControlSelectorPanel* panel = g->bar->OptionWindow()->OptionsPanel();
    VX_WAIT_TRUE(panel->isVisible(), test::kStateWaitMs);
    HoverEntry(panel);
    QPointer<TFTBPopupWindow> popup = panel->AddRemovePopup();
    VX_WAIT_TRUE(popup != nullptr && popup->isVisible(), test::kStateWaitMs);
    g.reset();
    EXPECT_TRUE(popup.isNull());
}

}  // namespace
}  // namespace vx
