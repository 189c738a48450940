// Pages of a page control: which page shows for which tab, hidden tabs,
// order, colours, closing, loading, the focus moving into the shown page,
// and the misuse that is refused.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "TabTestWindow.h"
#include "platform/LoadingScope.h"
#include "support/QtWait.h"

namespace vx {
namespace {

using test::kStateWaitMs;
using test::TabTestWindow;

bool OnlyShown(const TabTestWindow& w, int page) {
    for (int i = 0; i < w.pages->PageCount(); ++i)
        if (w.Page(i)->isVisibleTo(w.pages) != (i == page)) return false;
    return true;
}

TEST(WgPageControlTest, EachVisibleTabShowsItsPageAndOnlyThatOne) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetActivePageIndex(2);
    EXPECT_EQ(w.pages->TabIndex(), 2);
    EXPECT_TRUE(OnlyShown(w, 2));
    EXPECT_EQ(w.pages->TabCount(), 3);
    EXPECT_EQ(w.Page(1)->TabIndex(), 1);
    w.pages->SetActivePageIndex(7);
    EXPECT_EQ(w.pages->TabIndex(), -1) << "an index outside the pages selects no tab";
    const TRect client = w.pages->CardRect(0);
    EXPECT_EQ(w.Page(2)->geometry(),
              QRect(client.left + 1, client.top + 1, client.Width() - 3, client.Height() - 3))
        << "the page fills the card inside its frame and shadow";
}

TEST(WgPageControlTest, APageWhoseTabIsHiddenStaysShownWithNoTabSelected) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetActivePageIndex(1);
    std::vector<std::string> log;
    w.pages->OnChange = [&] { log.push_back("change"); };
    w.Page(1)->SetTabVisible(false);
    EXPECT_EQ(w.Page(1)->TabIndex(), -1);
    EXPECT_EQ(w.pages->TabCount(), 2);
    EXPECT_EQ(w.pages->TabIndex(), -1);
    EXPECT_EQ(w.pages->ActivePage(), w.Page(1));
    // Laying out and painting do not pick another tab, whose page would then
    // replace the shown one.
    w.pages->LayoutNow();
    (void)w.pages->PaintedImage();
    EXPECT_EQ(w.pages->TabIndex(), -1);
    EXPECT_EQ(w.pages->ActivePage(), w.Page(1));
    EXPECT_TRUE(OnlyShown(w, 1));
    EXPECT_TRUE(log.empty());
    // Showing the tab again selects it for its page.
    w.Page(1)->SetTabVisible(true);
    EXPECT_EQ(w.pages->TabIndex(), 1);
}

TEST(WgPageControlTest, HidingTheTabBeforeTheActivePageLowersItsIndexOnly) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetActivePageIndex(2);
    w.Page(0)->SetTabVisible(false);
    EXPECT_EQ(w.pages->TabIndex(), 1);
    EXPECT_EQ(w.pages->ActivePage(), w.Page(2));
    EXPECT_TRUE(OnlyShown(w, 2));
}

TEST(WgPageControlTest, PageIndexMovesThePageAndRefusesPlacesOutsideThePages) {
    TabTestWindow w({"A", "B", "C"});
    std::vector<std::pair<int, int>> moves;
    w.pages->OnTabOrderChange = [&](int from, int to) { moves.push_back({from, to}); };
    TWgTabSheet* a = w.Page(0);
    a->SetPageIndex(2);
    EXPECT_EQ(w.Page(2), a);
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{0, 2}}));
    for (int bad : {3, -1}) {
        try {
            a->SetPageIndex(bad);
            ADD_FAILURE() << bad << " accepted";
        } catch (const EWgTabControlError& e) {
            EXPECT_EQ(std::string(e.what()), std::to_string(bad) +
                                                 " is an invalid PageIndex value. PageIndex "
                                                 "must be between 0 and 2");
        }
        EXPECT_EQ(a->PageIndex(), 2);
        EXPECT_EQ(w.Page(0)->Caption(), QStringLiteral("B"));
    }
    EXPECT_EQ(moves.size(), 1u);
}

TEST(WgPageControlTest, APagesVisiblePropertyCannotBeSet) {
    TabTestWindow w({"A"});
    try {
        w.Page(0)->SetVisible(true);
        ADD_FAILURE() << "accepted";
    } catch (const EWgTabControlError& e) {
        EXPECT_STREQ(e.what(), "You cannot change the Visible property of a page");
    }
}

TEST(WgPageControlTest, ARefusedChangeKeepsTheOldPageShown) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetActivePageIndex(0);
    w.pages->OnChanging = [](int, bool& allow) { allow = false; };
    w.pages->SetActivePageIndex(2);
    EXPECT_EQ(w.pages->TabIndex(), 0);
    EXPECT_TRUE(OnlyShown(w, 0));
}

TEST(WgPageControlTest, CtrlTabWrapsToTheFirstPageWithAVisibleTab) {
    TabTestWindow w({"A", "B", "C"});
    auto* edit = new QLineEdit(w.Page(2));
    w.Page(0)->SetTabVisible(false);
    w.Show();
    w.pages->SetActivePageIndex(2);
    QApplication::setActiveWindow(w.window.get());
    VX_WAIT_TRUE(QApplication::activeWindow() == w.window.get(), kStateWaitMs);
    edit->setFocus();
    VX_WAIT_TRUE(edit->hasFocus(), kStateWaitMs);
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.pages->ActivePage(), w.Page(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.pages->ActivePage(), w.Page(2));
}

TEST(WgPageControlTest, TheFocusMovesIntoTheNewPagesFirstControl) {
    TabTestWindow w({"A", "B"});
    auto* first = new QLineEdit(w.Page(0));
    auto* second = new QLineEdit(w.Page(1));
    second->move(0, 30);
    auto* third = new QLineEdit(w.Page(1));
    third->move(0, 0);
    w.Show();
    w.pages->SetActivePageIndex(0);
    QApplication::setActiveWindow(w.window.get());
    VX_WAIT_TRUE(QApplication::activeWindow() == w.window.get(), kStateWaitMs);
    first->setFocus();
    VX_WAIT_TRUE(first->hasFocus(), kStateWaitMs);
    w.ClickTab(1);
    EXPECT_EQ(w.pages->ActivePage(), w.Page(1));
    VX_WAIT_TRUE(second->hasFocus(), kStateWaitMs);  // first in the tab order
    // A click on the selected tab gives the tab strip the focus.
    w.ClickTab(1);
    VX_WAIT_TRUE(w.pages->hasFocus(), kStateWaitMs);
    // Focus on the strip stays there when another page is shown.
    w.ClickTab(0);
    EXPECT_TRUE(w.pages->hasFocus());
}

TEST(WgPageControlTest, ClosingTheFirstPageSelectsTheNewFirstPage) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetActivePageIndex(0);
    w.pages->OnClose = [](bool& allow) { allow = true; };
    w.pages->CloseQueryAndClose();
    ASSERT_EQ(w.pages->PageCount(), 2);
    EXPECT_EQ(w.pages->ActivePage()->Caption(), QStringLiteral("B"));
    EXPECT_EQ(w.pages->TabIndex(), 0);
    EXPECT_TRUE(OnlyShown(w, 0));
}

TEST(WgPageControlTest, DestroyingAPageTakesItOutOfThePageControl) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetActivePageIndex(2);
    delete w.Page(0);
    EXPECT_EQ(w.pages->PageCount(), 2);
    EXPECT_EQ(w.pages->TabIndex(), 1);
    EXPECT_EQ(w.pages->ActivePage()->Caption(), QStringLiteral("C"));
}

TEST(WgPageControlTest, AfterLoadingTheDefaultPageShowsWithoutEvents) {
    QWidget window;
    std::vector<std::string> log;
    TWgPageControl* pages = nullptr;
    TWgTabSheet* a = nullptr;
    TWgTabSheet* c = nullptr;
    {
        TLoadingScope loading;
        pages = new TWgPageControl(&window);
        pages->OnChange = [&] { log.push_back("change"); };
        pages->OnChanging = [&](int, bool&) { log.push_back("changing"); };
        pages->OnPageChange = [&] { log.push_back("page change"); };
        a = new TWgTabSheet(pages);
        new TWgTabSheet(pages);
        c = new TWgTabSheet(pages);
        pages->SetActivePage(a);
        pages->SetActivePageDefault(c);
        EXPECT_EQ(pages->ActivePage(), nullptr) << "stored until loading ends";
    }
    EXPECT_EQ(pages->ActivePage(), c);
    EXPECT_EQ(pages->TabIndex(), 2);
    EXPECT_TRUE(c->isVisibleTo(pages));
    EXPECT_FALSE(a->isVisibleTo(pages));
    EXPECT_TRUE(log.empty());
    pages->SetActivePage(a);
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change", "page change"}));
}

TEST(WgPageControlTest, PageColoursColourTheTabsUntilTurnedOff) {
    TabTestWindow w({"A", "B"});
    EXPECT_FALSE(w.pages->UseColoredTabs());
    w.Page(1)->SetColor(clYellow);
    EXPECT_TRUE(w.pages->UseColoredTabs());
    EXPECT_EQ(w.pages->Tabs().Items(1).Color, clYellow);
    w.pages->SetUseColoredTabs(false);
    EXPECT_EQ(w.Page(1)->Color(), w.pages->Color()) << "every page takes the control's colour";
    w.pages->SetColor(clAqua);
    EXPECT_EQ(w.Page(0)->Color(), clAqua);
    EXPECT_EQ(w.pages->Tabs().Items(0).Color, clAqua);
}

TEST(WgPageControlTest, AllTabsHideAndShowAroundTheShownPage) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetActivePageIndex(1);
    w.pages->HideAllTabs();
    EXPECT_EQ(w.pages->TabCount(), 0);
    EXPECT_EQ(w.pages->TabIndex(), -1);
    EXPECT_EQ(w.pages->ActivePage(), w.Page(1));
    EXPECT_TRUE(OnlyShown(w, 1));
    // Without tabs only the unchecked search finds a next page.
    EXPECT_EQ(w.pages->FindNextPage(w.Page(1), true, true), nullptr);
    EXPECT_EQ(w.pages->FindNextPage(w.Page(1), true, false), w.Page(2));
    EXPECT_EQ(w.pages->FindNextPage(nullptr, false, false), w.Page(2));
    w.pages->ShowAllTabs();
    EXPECT_EQ(w.pages->TabCount(), 3);
    EXPECT_EQ(w.pages->TabIndex(), 1);
}

TEST(WgPageControlTest, ShowingAControlOnAPageShowsThatPage) {
    TabTestWindow w({"A", "B", "C"});
    w.pages->SetActivePageIndex(0);
    auto* holder = new QWidget(w.Page(2));  // a plain widget between
    auto* control = new TCustomControl(holder);
    control->hide();
    control->Show();
    EXPECT_EQ(w.pages->ActivePage(), w.Page(2));
    EXPECT_EQ(w.pages->TabIndex(), 2);
    EXPECT_TRUE(control->isVisibleTo(w.pages));
    // Also a page without a tab.
    w.Page(1)->SetTabVisible(false);
    (new TCustomControl(w.Page(1)))->Show();
    EXPECT_EQ(w.pages->ActivePage(), w.Page(1));
    EXPECT_EQ(w.pages->TabIndex(), -1);
}

TEST(WgPageControlTest, ShownAndHiddenPagesAreTold) {
    TabTestWindow w({"A", "B"});
    int shown = 0;
    int hidden = 0;
    w.Page(1)->OnShow = [&] { ++shown; };
    w.Page(0)->OnHide = [&] { ++hidden; };
    w.Show();
    w.pages->SetActivePageIndex(0);
    w.pages->SetActivePageIndex(1);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(hidden, 1);
}

}  // namespace
}  // namespace vx
