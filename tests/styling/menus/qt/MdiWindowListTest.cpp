#include "styling/menus/qt/FxMenus.h"
#include "styling/menus/qt/MdiWindowList.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "platform/Colors.h"
#include "styling/menus/FxMenuDraw.h"
#include "support/QtWait.h"

namespace vx {
namespace {

// A form whose client is an MDI area with three children captioned B, A, C,
// and a styled main menu that keeps their list in its window menu.
struct MdiForm {
    QMainWindow form;
    QMdiArea* client = new QMdiArea;
    QMenu* windowMenu = nullptr;
    QMdiSubWindow* children[3] = {};
    TMdiWindowList* list = nullptr;
    TFxMainMenu* mainMenu = nullptr;

    explicit MdiForm(int count = 3) {
        form.setCentralWidget(client);
        mainMenu = new TFxMainMenu(&form);
        form.setMenuBar(mainMenu);
        windowMenu = mainMenu->addMenu(QStringLiteral("&Window"));
        windowMenu->addAction(QStringLiteral("&Cascade"));
        mainMenu->SetWindowMenu(windowMenu);
        list = mainMenu->WindowList();
        const char* captions[] = {"B", "A", "C"};
        for (int i = 0; i < count; ++i) {
            children[i] = client->addSubWindow(new QLabel(QString::fromLatin1(captions[i])));
            children[i]->setWindowTitle(QString::fromLatin1(captions[i]));
            children[i]->show();
        }
        form.resize(600, 400);
        form.show();
    }

    // Captions after the marker, with a '*' on checked items.
    QStringList Listed() const {
        QStringList listed;
        bool after = false;
        for (QAction* action : windowMenu->actions()) {
            if (action == list->Marker()) {
                after = true;
                continue;
            }
            if (after) listed << action->text() + (action->isChecked() ? "*" : "");
        }
        return listed;
    }
    QAction* Item(int i) const {
        const QList<QAction*> actions = windowMenu->actions();
        return actions[actions.indexOf(list->Marker()) + 1 + i];
    }
};

TEST(MdiWindowListTest, ListsChildrenSortedOnceWithTheActiveChecked) {
    MdiForm mdi;
    mdi.client->setActiveSubWindow(mdi.children[0]);
    mdi.list->Refresh();
    mdi.list->Refresh();  // a second refresh does not add to the list
    EXPECT_EQ(mdi.Listed(), (QStringList{"1 A", "2 B*", "3 C"}));
    EXPECT_TRUE(mdi.list->Marker()->isSeparator());
    EXPECT_TRUE(mdi.list->Marker()->isVisible());
    EXPECT_EQ(mdi.windowMenu->actions().size(), 5);  // Cascade, marker, three
    EXPECT_TRUE(mdi.Item(0)->actionGroup()->isExclusive());

    // Equal captions each keep their item.
    mdi.children[2]->setWindowTitle(QStringLiteral("A"));
    mdi.list->Refresh();
    EXPECT_EQ(mdi.Listed(), (QStringList{"1 A", "2 A", "3 B*"}));
}

TEST(MdiWindowListTest, NoChildrenGivesAnInvisibleMarker) {
    MdiForm mdi(0);
    mdi.list->Refresh();
    ASSERT_NE(mdi.list->Marker(), nullptr);
    EXPECT_FALSE(mdi.list->Marker()->isVisible());
    EXPECT_TRUE(mdi.Listed().isEmpty());
}

TEST(MdiWindowListTest, ClickActivatesItsChildAndARefusalLeavesItUnchecked) {
    MdiForm mdi;
    mdi.client->setActiveSubWindow(mdi.children[0]);  // B
    mdi.list->Refresh();
    mdi.Item(2)->trigger();  // C
    VX_WAIT_EQ(mdi.client->currentSubWindow(), mdi.children[2], test::kStateWaitMs);
    EXPECT_EQ(mdi.Listed(), (QStringList{"1 A", "2 B", "3 C*"}));

    // A's window closes before the next refresh: its item activates nothing.
    QAction* stale = mdi.Item(0);
    delete mdi.children[1];
    stale->trigger();
    EXPECT_EQ(mdi.client->currentSubWindow(), mdi.children[2]);
    EXPECT_FALSE(stale->isChecked());
    EXPECT_TRUE(mdi.Item(2)->isChecked());
}

// The bar's gradient keeps clear of a maximised child's window buttons at
// its right end (the bar drawn alone, without the buttons on it), and
// covers the whole bar again once the child is restored.
TEST(MdiWindowListTest, BarGradientKeepsClearOfAMaximisedChildsButtons) {
    MdiForm mdi;
    TFxMainMenu& bar = *mdi.mainMenu;
    auto row = [&] {
        QImage image(bar.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        bar.render(&image, {}, {}, QWidget::RenderFlags());
        return image;
    };
    const int y = bar.height() / 2;
    const int clearFrom = bar.width() - MdiChildButtonsWidth();
    const QImage normal = row();
    mdi.client->setActiveSubWindow(mdi.children[1]);
    mdi.children[1]->showMaximized();
    VX_WAIT_TRUE(bar.MdiChildMaximized(), test::kStateWaitMs);
    const QImage maximised = row();
    EXPECT_NE(maximised.pixelColor(clearFrom - 1, y), QColor(Qt::black));
    EXPECT_EQ(maximised.pixelColor(clearFrom, y), QColor(Qt::black));
    EXPECT_EQ(maximised.pixelColor(bar.width() - 1, y), QColor(Qt::black));
    mdi.children[1]->showNormal();
    VX_WAIT_TRUE(!bar.MdiChildMaximized(), test::kStateWaitMs);
    EXPECT_EQ(row(), normal);
}

// A form that gets its MDI client after its menu: the menu takes it up at
// the next change of its items, and an update bracket counts its nesting.
TEST(MdiWindowListTest, MenuFindsAClientGivenLaterAndCountsItsUpdates) {
    QMainWindow form;
    auto* mainMenu = new TFxMainMenu(&form);
    form.setMenuBar(mainMenu);
    mainMenu->SetWindowMenu(mainMenu->addMenu(QStringLiteral("&Window")));
    EXPECT_EQ(mainMenu->WindowList(), nullptr);
    auto* client = new QMdiArea;
    form.setCentralWidget(client);
    mainMenu->addMenu(QStringLiteral("&Help"));
    ASSERT_NE(mainMenu->WindowList(), nullptr);
    EXPECT_EQ(mainMenu->WindowList()->Client(), client);

    mainMenu->BeginUpdate();
    mainMenu->BeginUpdate();
    mainMenu->EndUpdate();
    EXPECT_TRUE(mainMenu->Updating());
    mainMenu->EndUpdate();
    EXPECT_FALSE(mainMenu->Updating());
}

}  // namespace
}  // namespace vx
