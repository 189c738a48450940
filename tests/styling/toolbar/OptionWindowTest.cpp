#include <gtest/gtest.h>

#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/LoadingScope.h"
#include "platform/qt/AlignHost.h"
#include "platform/qt/DesktopMetrics.h"
#include "platform/qt/ImageList.h"
#include "styling/toolbar/OptionPanelLayout.h"
#include "styling/toolbar/qt/FTBPopup.h"
#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOption.h"
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
    };
    for (const Place& p : places)
        EXPECT_EQ(OptionWindowOrigin(p.anchor, 136, 56, work, p.dockedRight, 900), p.at);
    EXPECT_EQ(AddRemovePopupOrigin({100, 200, 230, 220}, 120, 80, work), (TPoint{230, 200}));
    EXPECT_EQ(AddRemovePopupOrigin({100, 650, 230, 670}, 120, 80, work), (TPoint{230, 618}));
    EXPECT_EQ(AddRemovePopupOrigin({880, 200, 990, 220}, 120, 80, work), (TPoint{760, 200}));
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

    OptionBar() {
        form.resize(600, 43);  // the mouse reaches the option window below it
        form.move(100, 100);
        TAlignHost::Attach(&form);
        QPixmap red(16, 16);
        red.fill(Qt::red);
        images.Add(red);
        {
            TLoadingScope scope;
            panel = new TFxDockPanel(&form);
            panel->SetBounds(0, 0, 600, 43);
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

    // A lent button's click closes the window first, then runs its command.
    QSignalSpy clicked(f.buttons[3], &TFxToolBarButton::Clicked);
    QSignalSpy barClicks(f.bar, &TFxCustomToolBar::ButtonClick);
    QTest::mouseClick(f.buttons[3], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(barClicks.count(), 1);
    EXPECT_FALSE(window->isVisible());
    f.ExpectAllBack();
    EXPECT_EQ(f.bar->Overflow().Count(), 4);
    EXPECT_EQ(panel->ItemCount(), 0);

    // Widened while the window is open, the bar takes its controls back.
    f.ClickRightHandle();
    VX_WAIT_TRUE(window->isVisible(), test::kStateWaitMs);
    ASSERT_EQ(panel->ItemCount(), 3);
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
    window->hide();
    delete floating;
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
