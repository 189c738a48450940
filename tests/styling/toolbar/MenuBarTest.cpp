#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <vector>

#include "platform/Colors.h"
#include "platform/LoadingScope.h"
#include "platform/paint/DesktopMetrics.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/menus/qt/MdiWindowList.h"
#include "styling/toolbar/FxToolBarStylers.h"
#include "styling/toolbar/MenuBarRules.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarMenuBar.h"
#include "styling/toolbar/qt/FxToolBarMenuButton.h"
#include "styling/toolbar/qt/FxToolBarOption.h"
#include "support/ImagePixel.h"
#include "support/QtWait.h"

namespace vx {
namespace {

using test::kStateWaitMs;

TEST(MenuBarRulesTest, WalkPlacementAndArrowsAsData) {
    struct Walk {
        std::vector<bool> selectable;
        int from;
        bool forward;
        int next;
    };
    const Walk walks[] = {
        {{true, true, false, true}, 0, true, 1},
        {{true, true, false, true}, 1, true, 3},   // the disabled one is stepped over
        {{true, true, false, true}, 3, true, 0},   // wraps to the first
        {{true, true, false, true}, 0, false, 3},  // and back to the last
        {{false, true, false, true}, 3, true, 1},
        {{true, false, false}, 0, true, -1},  // no other: none
        {{false, false}, -1, true, -1},
        {{false, true, true}, -1, true, 1},   // no start: the first selectable
        {{true, true, false}, -1, false, 1},  // backward: the last selectable
        {{}, 0, true, -1},
    };
    for (const Walk& w : walks)
        EXPECT_EQ(NextSelectable(w.selectable, w.from, w.forward), w.next)
            << w.from << (w.forward ? " forward" : " backward");

    const TRect area{0, 0, 1280, 800};
    const TRect button = Bounds(100, 40, 50, 22);  // bottom 62
    struct Drop {
        TDockAlign align;
        bool rtl;
        int items;
        TRect work;
        TPoint at;
    };
    const Drop drops[] = {
        {TDockAlign::daTop, false, 5, area, {100, 62}},
        {TDockAlign::daBottom, true, 5, area, {150, 62}},  // right corner, right to left
        // 62 + 19 * 5 + 10 = 167 does not fit above 160: up by 95 + 22 + 4
        {TDockAlign::daTop, false, 5, {0, 0, 1280, 160}, {100, 62 - 121}},
        {TDockAlign::daTop, false, 5, {0, 0, 1280, 167}, {100, 62}},
        {TDockAlign::daLeft, false, 5, area, {150, 41}},
        {TDockAlign::daRight, false, 5, area, {100 - 80, 41}},
    };
    for (const Drop& d : drops) {
        const TPoint at = MenuDropPoint({button, d.align, d.rtl, d.items, 19, 80, d.work});
        EXPECT_EQ(at.x, d.at.x) << static_cast<int>(d.align) << " " << d.work.bottom;
        EXPECT_EQ(at.y, d.at.y) << static_cast<int>(d.align) << " " << d.work.bottom;
    }

    using A = TMenuArrow;
    EXPECT_EQ(MenuArrowFor(A::maLeft, true), A::maRight);
    EXPECT_EQ(MenuArrowFor(A::maRight, true), A::maLeft);
    EXPECT_EQ(MenuArrowFor(A::maDown, true), A::maDown);
    EXPECT_EQ(MenuArrowFor(A::maLeft, false), A::maLeft);
}

// A form with a dock panel and one tool bar given a main menu: File (with a
// sub-menu), Edit, a disabled View, and Help.
struct MenuBarForm {
    QWidget form;
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bar = nullptr;
    TFxMainMenu* menu = nullptr;
    std::vector<QMenu*> subs;
    std::vector<std::vector<QAction*>> items;

    explicit MenuBarForm(bool withEmpty = false, bool rightToLeft = false) {
        form.resize(640, 240);
        TAlignHost::Attach(&form);
        {
            TLoadingScope scope;
            panel = new TFxDockPanel(&form);
            panel->SetBounds(0, 0, 640, 43);
            bar = new TFxToolBar(panel);
            bar->setObjectName("FxToolBar1");
            bar->SetBounds(3, 1, 400, 28);
        }
        menu = new TFxMainMenu(&form);
        menu->hide();
        if (rightToLeft) menu->setLayoutDirection(Qt::RightToLeft);
        const char* names[] = {"&File", "&Edit", "&View", "&Help", "E&mpty"};
        const std::vector<std::vector<const char*>> texts = {{"&Open", "&Save", "&Recent"},
                                                             {"Cu&t", "&Copy", "&Paste"},
                                                             {"&Tool bar"},
                                                             {"&About"},
                                                             {}};
        for (int i = 0; i < (withEmpty ? 5 : 4); ++i) {
            QMenu* sub = menu->addMenu(QString::fromUtf8(names[i]));
            std::vector<QAction*> list;
            for (const char* text : texts[i])
                list.push_back(sub->addAction(QString::fromUtf8(text)));
            subs.push_back(sub);
            items.push_back(list);
        }
        // Recent opens a sub-menu of its own.
        auto* recent = new QMenu(subs[0]);
        recent->addAction("a.vxp");
        items[0][2]->setMenu(recent);
        menu->actions()[2]->setEnabled(false);
        bar->SetMenu(menu);
        form.show();
        QApplication::setActiveWindow(&form);
    }
    ~MenuBarForm() {
        for (int guard = 0; guard < 8 && QApplication::activePopupWidget(); ++guard)
            QApplication::activePopupWidget()->close();
        if (Mode()) Mode()->EndMenuMode();
        QTest::qWait(0);
    }
    TFxToolBarMenuBar* Mode() const { return bar->MenuBarMode(); }
    TFxToolBarMenuButton* B(int i) const { return Mode()->MenuButtons().at(i); }
    QList<QAction*> Lent() const {
        return Mode()->Popup() ? Mode()->Popup()->actions() : QList<QAction*>();
    }
    QList<QAction*> Items(int i) const { return QList<QAction*>(items[i].begin(), items[i].end()); }
    // Waits until the menu of item i is the one open.
    bool OpenIs(int i) const {
        return Mode()->MenuRunning() && Mode()->LentItem() == menu->actions()[i] &&
               Mode()->OpenMenu() && Mode()->OpenMenu()->isVisible();
    }
    bool Listed() const { return bar->GetFTBControlCount() == static_cast<int>(items.size()); }
};

TEST(MenuBarTest, ButtonsStandForTheTopLevelItems) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    ASSERT_EQ(f.Mode()->MenuButtons().size(), 4);
    EXPECT_EQ(f.B(0)->Caption(), "&File");
    EXPECT_EQ(f.B(0)->objectName(), "FxToolBarMenuButton1");
    EXPECT_TRUE(f.B(0)->IsMenuButton());
    EXPECT_TRUE(f.B(0)->ShowCaption());
    EXPECT_FALSE(f.B(2)->Enabled());
    EXPECT_EQ(f.B(3)->MenuItem(), f.menu->actions()[3]);
    // The buttons stand side by side along the bar.
    EXPECT_LT(f.B(0)->x() + f.B(0)->width(), f.B(1)->x() + 1);
    // The item's changes follow; a checked item cannot hold a push button
    // down, a disabled one shows disabled.
    QAction* help = f.menu->actions()[3];
    help->setText("&Info");
    help->setCheckable(true);
    help->setChecked(true);
    help->setEnabled(false);
    EXPECT_EQ(f.B(3)->Caption(), "&Info");
    EXPECT_FALSE(f.B(3)->Down());
    f.B(3)->repaint();
    EXPECT_EQ(f.B(3)->State(), TToolButtonState::bsDisabled);
    help->setToolTip("About the tool");
    EXPECT_EQ(f.B(3)->Hint(), "About the tool");
    f.B(3)->SetMenuItem(nullptr);  // linking none changes nothing
    EXPECT_EQ(f.B(3)->MenuItem(), help);
    help->setVisible(false);
    EXPECT_TRUE(f.B(3)->isHidden());
    // Without a menu the buttons go.
    f.bar->SetMenu(nullptr);
    EXPECT_TRUE(f.Mode()->MenuButtons().isEmpty());
    VX_WAIT_TRUE(f.bar->GetFTBControlCount() == 0, kStateWaitMs);
}

// A merged menu's items take over the buttons of the items of their group
// index, each button once, and get buttons of their own otherwise; the
// items go back when it is unmerged or goes away, and an item left without
// a button has the buttons made anew.
TEST(MenuBarTest, AMergedMenuTakesOverButtonsByGroupIndex) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    const QList<QAction*> own = f.menu->actions();
    own[1]->setProperty(kMenuItemGroupIndex, 2);
    own[3]->setProperty(kMenuItemGroupIndex, 9);
    auto* child = new TFxMainMenu(&f.form);
    child->hide();
    QAction* edit = child->addMenu("&Edit child")->menuAction();
    QAction* tools = child->addMenu("&Tools")->menuAction();
    QAction* window = child->addMenu("&Window")->menuAction();
    edit->setProperty(kMenuItemGroupIndex, 2);
    tools->setProperty(kMenuItemGroupIndex, 2);  // the group's button is taken already
    const auto buttons = [&] { return f.bar->findChildren<TFxToolBarMenuButton*>(); };
    const auto holder = [&](QAction* item) -> TFxToolBarMenuButton* {
        for (TFxToolBarMenuButton* b : buttons())
            if (b->MenuItem() == item) return b;
        return nullptr;
    };
    TFxToolBarMenuButton* editButton = f.B(1);
    for (int round = 0; round < 2; ++round) {
        f.bar->MergeMenu(child);
        f.bar->MergeMenu(child);  // the same again changes nothing
        EXPECT_EQ(f.Mode()->MergedMenu(), child);
        EXPECT_EQ(buttons().size(), 6);
        EXPECT_EQ(holder(edit), editButton);
        EXPECT_EQ(editButton->Caption(), "&Edit child");
        EXPECT_TRUE(holder(tools) && holder(tools) != editButton);
        EXPECT_NE(holder(window), nullptr);
        EXPECT_EQ(holder(own[3]), f.B(3));
        if (round == 0) f.bar->UnmergeMenu();
    }
    delete child;
    EXPECT_EQ(f.Mode()->MergedMenu(), nullptr);
    EXPECT_EQ(buttons().size(), 4);
    EXPECT_EQ(holder(own[1]), editButton);
    EXPECT_EQ(editButton->Caption(), "&Edit");

    auto* second = new TFxMainMenu(&f.form);
    second->hide();
    second->addMenu("&Tools");
    f.bar->MergeMenu(second);
    QAction* extra = f.menu->addMenu("E&xtra")->menuAction();
    f.bar->UnmergeMenu();
    EXPECT_EQ(buttons().size(), 5);
    for (QAction* item : f.menu->actions())
        EXPECT_NE(holder(item), nullptr) << item->text().toStdString();
    EXPECT_NE(holder(extra), nullptr);
    delete second;
}

TEST(MenuBarTest, ItemsLentToThePopupAndGivenBackInOrder) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    QTest::mousePress(f.B(0), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(0), kStateWaitMs);
    EXPECT_EQ(f.Lent(), f.Items(0));
    EXPECT_TRUE(f.subs[0]->actions().isEmpty());
    EXPECT_EQ(f.B(0)->State(), TToolButtonState::bsDropped);
    EXPECT_EQ(f.Mode()->OpenMenu()->activeAction(), f.items[0][0]);  // first item selected
    // Under the button (the styled menu sits a pixel left and two up).
    const QPoint corner = f.B(0)->mapToGlobal(QPoint(0, f.B(0)->height()));
    VX_WAIT_TRUE(f.Mode()->OpenMenu()->pos() == corner + QPoint(-1, -2), kStateWaitMs);
    // The pop-up is no control of the bar: the bar's layout leaves it there.
    QCoreApplication::processEvents();
    EXPECT_EQ(f.bar->GetFTBControlCount(), 4);
    EXPECT_EQ(f.Mode()->OpenMenu()->pos(), corner + QPoint(-1, -2));
    QTest::keyClick(f.Mode()->OpenMenu(), Qt::Key_Escape);
    VX_WAIT_TRUE(!f.Mode()->MenuRunning() && !f.Mode()->Popup(), kStateWaitMs);
    EXPECT_EQ(f.subs[0]->actions(), f.Items(0));
    EXPECT_EQ(f.B(0)->State(), TToolButtonState::bsUp);
    EXPECT_FALSE(f.Mode()->MenuOpen());

    // A chosen item runs, and the items are home again.
    int runs = 0;
    QObject::connect(f.items[1][1], &QAction::triggered, [&runs] { ++runs; });
    QSignalSpy chosen(f.subs[1], &QMenu::triggered);
    QSignalSpy chosenOnBar(f.menu, &QMenuBar::triggered);
    QTest::mousePress(f.B(1), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(1), kStateWaitMs);
    f.Mode()->OpenMenu()->setActiveAction(f.items[1][1]);
    QTest::keyClick(f.Mode()->OpenMenu(), Qt::Key_Return);
    VX_WAIT_TRUE(!f.Mode()->MenuRunning() && f.subs[1]->actions() == f.Items(1), kStateWaitMs);
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<QAction*>(), f.items[1][1]);
    EXPECT_EQ(chosenOnBar.count(), 1);
}

TEST(MenuBarTest, ArrowKeysWalkOverTheEnabledMenusAndWrap) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    QTest::mousePress(f.B(0), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(0), kStateWaitMs);
    // On an item with a sub-menu Right opens the sub-menu, not the next menu.
    f.Mode()->OpenMenu()->setActiveAction(f.items[0][2]);
    QTest::keyClick(f.Mode()->OpenMenu(), Qt::Key_Right);
    QTest::qWait(20);
    EXPECT_TRUE(f.OpenIs(0));
    if (auto* sub = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        sub && sub != f.Mode()->OpenMenu())
        sub->close();
    struct Step {
        Qt::Key key;
        int open;
    };
    const Step steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 3}, {Qt::Key_Right, 0},
                          {Qt::Key_Left, 3},  {Qt::Key_Left, 1},  {Qt::Key_Left, 0}};
    for (const Step& s : steps) {
        f.Mode()->OpenMenu()->setActiveAction(f.Mode()->OpenMenu()->actions().first());
        QTest::keyClick(f.Mode()->OpenMenu(), s.key);
        VX_WAIT_TRUE(f.OpenIs(s.open), kStateWaitMs);
        EXPECT_EQ(f.Lent(), f.Items(s.open));
    }
    // Every menu that was left has its items back, in order.
    for (int i : {1, 3})
        EXPECT_EQ(f.subs[i]->actions(), f.Items(i));
}

TEST(MenuBarTest, RightToLeftMenuSwapsTheArrowKeys) {
    MenuBarForm f(false, true);
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    QTest::mousePress(f.B(1), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(1), kStateWaitMs);
    EXPECT_TRUE(f.Mode()->OpenMenu()->isRightToLeft());
    QTest::keyClick(f.Mode()->OpenMenu(), Qt::Key_Left);
    VX_WAIT_TRUE(f.OpenIs(3), kStateWaitMs);
    QTest::keyClick(f.Mode()->OpenMenu(), Qt::Key_Right);
    VX_WAIT_TRUE(f.OpenIs(1), kStateWaitMs);
}

TEST(MenuBarTest, MouseWalksFromMenuToMenu) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    QTest::mousePress(f.B(0), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(0), kStateWaitMs);
    QTest::mouseMove(f.B(1), QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(1), kStateWaitMs);
    EXPECT_EQ(f.subs[0]->actions(), f.Items(0));
    QTest::mouseMove(f.B(2), QPoint(5, 5));  // disabled: the menu stays
    QTest::qWait(20);
    EXPECT_TRUE(f.OpenIs(1));
    QTest::mouseMove(f.B(3), QPoint(6, 6));
    VX_WAIT_TRUE(f.OpenIs(3), kStateWaitMs);
}

TEST(MenuBarTest, EmptyItemShowsNoMenu) {
    MenuBarForm f(true);
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    EXPECT_FALSE(f.Mode()->DropDown(f.B(4)));
    EXPECT_FALSE(f.Mode()->MenuRunning());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    VX_WAIT_TRUE(!f.Mode()->Popup(), kStateWaitMs);
    // Walking onto it from an open menu leaves it hot, with no menu open.
    QTest::mousePress(f.B(3), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(3), kStateWaitMs);
    QTest::keyClick(f.Mode()->OpenMenu(), Qt::Key_Right);
    VX_WAIT_TRUE(!f.Mode()->MenuRunning() && f.B(4)->Hot(), kStateWaitMs);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(f.subs[3]->actions(), f.Items(3));
}

TEST(MenuBarTest, KeyboardMenuMode) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    TFxToolBarMenuBar& m = *f.Mode();
    // A lone Alt enters the mode with the first menu selected.
    QTest::keyPress(&f.form, Qt::Key_Alt);
    QTest::keyRelease(&f.form, Qt::Key_Alt);
    ASSERT_TRUE(m.KeyboardMenuMode());
    EXPECT_EQ(m.SelectedMenuButton(), f.B(0));
    EXPECT_TRUE(f.B(0)->Hot());
    // Left and Right walk over the enabled buttons, wrapping.
    struct Step {
        Qt::Key key;
        int hot;
    };
    const Step steps[] = {{Qt::Key_Right, 1},
                          {Qt::Key_Right, 3},
                          {Qt::Key_Right, 0},
                          {Qt::Key_Left, 3},
                          {Qt::Key_Left, 1}};
    for (const Step& s : steps) {
        QTest::keyClick(&f.form, s.key);
        EXPECT_EQ(f.bar->HotButton(), f.B(s.hot)) << s.hot;
    }
    // Down opens the selected menu; Escape closes it and keeps the mode.
    QTest::keyClick(&f.form, Qt::Key_Down);
    VX_WAIT_TRUE(f.OpenIs(1), kStateWaitMs);
    QTest::keyClick(m.OpenMenu(), Qt::Key_Escape);
    VX_WAIT_TRUE(!m.MenuRunning(), kStateWaitMs);
    EXPECT_TRUE(m.KeyboardMenuMode());
    EXPECT_EQ(f.bar->HotButton(), f.B(1));
    // Return opens it again; Alt in the menu leaves menu and mode at once.
    QTest::keyClick(&f.form, Qt::Key_Return);
    VX_WAIT_TRUE(f.OpenIs(1), kStateWaitMs);
    QTest::keyClick(m.OpenMenu(), Qt::Key_Alt);
    VX_WAIT_TRUE(!m.MenuRunning(), kStateWaitMs);
    EXPECT_FALSE(m.KeyboardMenuMode());
    EXPECT_EQ(f.bar->HotButton(), nullptr);
    EXPECT_EQ(f.subs[1]->actions(), f.Items(1));

    // F10 enters too; a mnemonic letter opens its menu; Escape twice ends.
    QTest::keyClick(&f.form, Qt::Key_F10);
    ASSERT_TRUE(m.KeyboardMenuMode());
    QTest::keyClick(&f.form, Qt::Key_H);
    VX_WAIT_TRUE(f.OpenIs(3), kStateWaitMs);
    QTest::keyClick(m.OpenMenu(), Qt::Key_Escape);
    VX_WAIT_TRUE(!m.MenuRunning(), kStateWaitMs);
    QTest::keyClick(&f.form, Qt::Key_Escape);
    EXPECT_FALSE(m.KeyboardMenuMode());

    // Alt+letter opens that menu in the mode; choosing an item ends it.
    f.form.activateWindow();
    VX_WAIT_TRUE(f.form.isActiveWindow(), kStateWaitMs);
    QTest::keyClick(&f.form, Qt::Key_E, Qt::AltModifier);
    VX_WAIT_TRUE(f.OpenIs(1), kStateWaitMs);
    EXPECT_TRUE(m.KeyboardMenuMode());
    QTest::keyClick(m.OpenMenu(), Qt::Key_Return);
    VX_WAIT_TRUE(!m.MenuRunning(), kStateWaitMs);
    EXPECT_TRUE(m.EnterPressed());
    EXPECT_FALSE(m.KeyboardMenuMode());
    // A disabled menu's letter opens nothing.
    QTest::keyClick(&f.form, Qt::Key_F10);
    QTest::keyClick(&f.form, Qt::Key_V);
    QTest::qWait(20);
    EXPECT_FALSE(m.MenuRunning());
}

TEST(MenuBarTest, MnemonicOpensAMenuButtonsOwnMenu) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    auto* tools = new TFxToolBarMenuButton(f.bar);
    tools->SetCaption("T&ools");
    QMenu own;
    own.addAction("&Options");
    tools->SetDropDownMenu(&own);
    tools->show();
    VX_WAIT_TRUE(f.bar->GetFTBControlCount() == 5, kStateWaitMs);
    EXPECT_TRUE(f.bar->DialogChar('o'));
    VX_WAIT_TRUE(f.Mode()->MenuRunning() && own.isVisible(), kStateWaitMs);
    EXPECT_EQ(f.Mode()->OpenMenu(), &own);
    EXPECT_EQ(f.Mode()->Popup(), nullptr);  // nothing lent
    own.close();
    VX_WAIT_TRUE(!f.Mode()->MenuRunning(), kStateWaitMs);
}

TEST(MenuBarTest, AMenuDroppedFromTheOverflowBringsItsButtonBack) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    // A row that ends where the bar does, which has room for three menus.
    const int length = f.B(2)->x() + f.B(2)->width() + 14 + 2;
    f.form.resize(length + 6, 240);
    f.panel->SetBounds(0, 0, length + 6, 43);
    f.bar->SetBounds(3, 1, length, 28);
    auto control = [&](int i) { return dynamic_cast<IBarControl*>(f.B(i)); };
    ASSERT_TRUE(f.bar->InOverflow(control(3)));
    // Dropped from the option window, Help's menu closes and Help is on the
    // bar, hidden last from now on; the last of the others went for it.
    QTest::mouseClick(f.bar, Qt::LeftButton, {}, QPoint(f.bar->width() - 5, 10));
    VX_WAIT_TRUE(f.bar->OptionWindowShowing(), kStateWaitMs);
    ASSERT_EQ(f.B(3)->parentWidget(), f.bar->OptionWindow()->OptionsPanel());
    QTest::mousePress(f.B(3), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(3), kStateWaitMs);
    QTest::keyClick(f.Mode()->OpenMenu(), Qt::Key_Escape);
    VX_WAIT_TRUE(!f.Mode()->MenuRunning(), kStateWaitMs);
    EXPECT_FALSE(f.bar->OptionWindowShowing());
    EXPECT_EQ(f.B(3)->parentWidget(), f.bar);
    EXPECT_FALSE(f.bar->InOverflow(control(3)));
    EXPECT_TRUE(f.bar->InOverflow(control(2)));
    EXPECT_EQ(f.bar->Priority()[0], control(3));
    EXPECT_EQ(f.bar->width(), length);

    // The bar takes the menu's pictures, and each button shows its item's
    // picture; while loading, a menu without any leaves the bar its own.
    TImageList pictures(16, 16), own(20, 20);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    pictures.Add(red);
    f.menu->actions()[1]->setProperty(kMenuItemImageIndex, 0);
    f.menu->SetImages(&pictures);
    f.bar->SetMenu(nullptr);
    f.bar->SetMenu(f.menu);
    EXPECT_EQ(f.bar->Images(), &pictures);
    const auto redPixels = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += test::PixelAt(image, x, y) == clRed;
        return n;
    };
    EXPECT_EQ(f.B(1)->ImageIndex(), 0);
    EXPECT_EQ(f.B(0)->ImageIndex(), -1);
    EXPECT_EQ(redPixels(f.B(1)->PaintedImage()), 16 * 16);
    EXPECT_EQ(redPixels(f.B(0)->PaintedImage()), 0);
    auto* loaded = new TFxToolBar(f.panel);
    {
        TLoadingScope scope;
        scope.Add(*loaded);
        loaded->SetImages(&own);
        f.menu->SetImages(nullptr);
        loaded->SetMenu(f.menu);
        EXPECT_EQ(loaded->Images(), &own);
        f.menu->SetImages(&pictures);
        loaded->SetMenu(nullptr);
        loaded->SetMenu(f.menu);
        EXPECT_EQ(loaded->Images(), &pictures);
    }
    delete loaded;
}

TEST(MenuBarTest, MenuOpensUpwardsWhereTheWorkAreaEnds) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    const QPoint origin = f.B(0)->mapToGlobal(QPoint(0, 0));
    DesktopMetrics metrics;
    metrics.screens = {{{0, 0, 1280, 800}, {0, 0, 1280, origin.y() + f.B(0)->height() + 20}}};
    DesktopMetricsScope scope(metrics);
    QTest::mousePress(f.B(0), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(f.OpenIs(0), kStateWaitMs);
    EXPECT_LT(f.Mode()->OpenMenu()->y(), origin.y());
}

TColor PixelAt(QWidget* widget, int x, int y) {
    return test::PixelAt(widget->grab().toImage(), x, y);
}

TEST(MenuBarTest, MenuButtonsTakeTheRootItemColours) {
    MenuBarForm f;
    VX_WAIT_TRUE(f.Listed(), kStateWaitMs);
    TRootItem& root = f.bar->CurrentStyler()->CurrentMenuStyler()->RootItem();
    root.SetHoverColor(0, 0x20C020);
    root.SetHoverColor(1, clNone);
    root.SetSelectedColor(0, 0xC02020);
    root.SetSelectedColor(1, clNone);
    TFxToolBarMenuButton* edit = f.B(1);
    const int y = edit->height() / 2;
    edit->SetHot(true);
    EXPECT_EQ(PixelAt(edit, 2, y), TColor(0x20C020));
    edit->ShowDropped(true);
    EXPECT_EQ(PixelAt(edit, 2, y), TColor(0xC02020));
    edit->ShowDropped(false);
    // Without the bar's styler the button paints as a tool-bar button with
    // the same appearance.
    auto* plain = new TFxToolBarButton(f.bar);
    for (TFxCustomToolBarButton* b : {static_cast<TFxCustomToolBarButton*>(edit),
                                      static_cast<TFxCustomToolBarButton*>(plain)}) {
        b->SetParentStyler(false);
        b->Appearance().SetColorHot(0x2020C0);
        b->Appearance().SetColorHotTo(clNone);
        b->SetHot(true);
        EXPECT_EQ(PixelAt(b, 2, y), TColor(0x2020C0)) << b->IsMenuButton();
    }
}

// The window menu of an MDI form carries the list of child windows into the
// drop-down, and a chosen child becomes the active one.
TEST(MenuBarTest, WindowMenuListsTheChildWindows) {
    QMainWindow form;
    form.resize(640, 400);
    auto* client = new QMdiArea(&form);
    form.setCentralWidget(client);
    auto* top = new QWidget(&form);
    top->setMinimumHeight(30);
    form.setMenuWidget(top);
    auto* bar = new TFxToolBar(top);
    bar->SetBounds(0, 0, 400, 28);
    auto* menu = new TFxMainMenu(&form);
    menu->hide();
    QMenu* window = menu->addMenu("&Window");
    QAction* tile = window->addAction("&Tile");
    for (const char* title : {"Main", "Sub1"}) {
        auto* child = client->addSubWindow(new QWidget);
        child->setWindowTitle(title);
        child->show();
    }
    menu->SetWindowMenu(window);
    ASSERT_NE(menu->WindowList(), nullptr);
    bar->SetMenu(menu);
    form.show();
    TFxToolBarMenuBar& m = *bar->MenuBarMode();
    VX_WAIT_TRUE(bar->GetFTBControlCount() == 1, kStateWaitMs);
    QTest::mousePress(m.MenuButtons().at(0), Qt::LeftButton, {}, QPoint(5, 5));
    VX_WAIT_TRUE(m.MenuRunning(), kStateWaitMs);
    QStringList captions;
    QAction* main = nullptr;
    for (QAction* a : m.Popup()->actions()) {
        if (a->isSeparator()) continue;
        captions << a->text();
        if (a->text().contains("Main")) main = a;
    }
    EXPECT_EQ(captions.size(), 3) << captions.join("|").toStdString();
    EXPECT_EQ(captions.first(), "&Tile");
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->isChecked());  // the child made last is the active one
    m.OpenMenu()->setActiveAction(main);
    QTest::keyClick(m.OpenMenu(), Qt::Key_Return);
    VX_WAIT_TRUE(!m.MenuRunning() && !m.Popup(), kStateWaitMs);
    EXPECT_EQ(client->activeSubWindow()->windowTitle(), "Main");
    // The items came back in order, with the list made anew after them.
    QStringList back;
    for (QAction* a : window->actions())
        if (!a->isSeparator()) back << a->text() + (a->isChecked() ? "*" : "");
    EXPECT_EQ(window->actions().first(), tile);
    EXPECT_EQ(back.size(), 3) << back.join("|").toStdString();
    EXPECT_EQ(back.filter("*").size(), 1);
    EXPECT_TRUE(back.filter("*").first().contains("Main")) << back.join("|").toStdString();
}

}  // namespace
}  // namespace vx
