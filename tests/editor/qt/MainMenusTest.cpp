// The main window's styled menus as the user reaches them: by keyboard
// through the menu bar, and the pop-up menus of the grid and the tree.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "editor/qt/Main.h"
#include "platform/qt/Canvas.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

class MainMenusTest : public testing::Test {
  protected:
    void SetUp() override { test::ResetEditorRunState(); }
    test::MessageRecorder messages_;
    test::TempFolder dir_;
};

QMenu* OpenMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Pictures for a look at the menus: written when VX_MENU_SHOTS names a
// folder (on a real display the whole screen, so open menus show).
void Shot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("VX_MENU_SHOTS");
    if (dir.isEmpty()) return;
    QTest::qWait(200);
    QPixmap picture = QGuiApplication::platformName() == QLatin1String("offscreen")
                          ? widget->grab()
                          : QGuiApplication::primaryScreen()->grabWindow(0);
    picture.save(QDir(dir).filePath(name + ".png"));
}

TEST_F(MainMenusTest, KeyboardThroughTheMenuBar) {
    auto frm = test::StartedMainWindow();
    frm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get(), test::kStateWaitMs));
    auto* file = frm->findChild<QMenu*>("File1");
    ASSERT_NE(file, nullptr);

    // Alt+F opens the File menu with its first item active; Down moves on;
    // Esc closes it.
    QTest::keyClick(frm.get(), Qt::Key_F, Qt::AltModifier);
    VX_WAIT_TRUE(file->isVisible(), test::kStateWaitMs);
    EXPECT_EQ(file->activeAction(), frm->Item("FileNewItem"));
    QTest::keyClick(file, Qt::Key_Down);
    EXPECT_EQ(file->activeAction(), frm->Item("FileOpenItem"));
    QTest::keyClick(file, Qt::Key_Escape);
    VX_WAIT_TRUE(!file->isVisible(), test::kStateWaitMs);

    // Enter on "新建(&N)..." starts a new project.
    ASSERT_TRUE(frm->CoverShown());
    QTest::keyClick(frm.get(), Qt::Key_F, Qt::AltModifier);
    VX_WAIT_TRUE(file->isVisible(), test::kStateWaitMs);
    QTest::keyClick(file, Qt::Key_Return);
    VX_WAIT_TRUE(!frm->CoverShown(), test::kStateWaitMs);
}

TEST_F(MainMenusTest, EveryMenuIsStyledAndThePopUpsAreTheWindowsOwn) {
    auto frm = test::StartedMainWindow();
    auto* bar = qobject_cast<TFxMainMenu*>(frm->menuBar());
    ASSERT_NE(bar, nullptr);
    int menus = 0;
    QList<QMenu*> all = bar->findChildren<QMenu*>();
    for (QMenu* menu : frm->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        all << menu;
    for (QMenu* menu : all) {
        if (menu->objectName().isEmpty()) continue;  // Qt's own overflow menu of the bar
        SCOPED_TRACE(menu->objectName().toStdString());
        auto* styled = qobject_cast<TFxDropDownMenu*>(menu);
        ASSERT_NE(styled, nullptr);
        EXPECT_NE(styled->Link(), nullptr);
        ++menus;
    }
    EXPECT_EQ(menus, 10 + 2 + 5);  // ten drop-downs, two sub-menus, five pop-ups
    for (const char* name :
         {"SysTrayPopupMenu", "FxPopupMenu1", "PopupMenu1", "PopupMenu2", "PopupMenu3"}) {
        EXPECT_NE(frm->findChild<TFxPopupMenu*>(name), nullptr) << name;
    }
}

TEST_F(MainMenusTest, PopUpsOpenOnTheirPlace) {
    auto frm = test::StartedMainWindow();
    frm->FileNewItemClick();

    // The grid's pop-up opens and the window goes on at once.
    TLadderGrid* grid = frm->LadderEdit();
    emit grid->customContextMenuRequested(grid->CellRect(1, 1).center());
    auto* gridMenu = frm->findChild<TFxPopupMenu*>("SysTrayPopupMenu");
    EXPECT_TRUE(gridMenu->isVisible());
    gridMenu->close();

    // Each tree pop-up follows its node (Main, the C block, a subroutine).
    QTreeWidget* tree = frm->TreeView1();
    struct Node {
        int index;
        const char* menu;
    };
    for (const Node node : {Node{2, "PopupMenu1"}, Node{3, "PopupMenu2"}, Node{10, "PopupMenu3"}}) {
        SCOPED_TRACE(node.menu);
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toInt() == node.index) item = *it;
        }
        ASSERT_NE(item, nullptr);
        QMenu* opened = nullptr;
        QTimer::singleShot(0, frm.get(), [&] {
            opened = OpenMenu();
            Shot(frm.get(), QStringLiteral("tree-") + node.menu);
            if (opened) opened->close();
        });
        const QPoint at = tree->visualItemRect(item).center();
        emit tree->customContextMenuRequested(at);  // returns when the menu closes
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->objectName(), QString(node.menu));
    }
}

// Looks 0, 1 and 2 recolour the menu bar, its drop-downs and the pop-ups:
// the bar begins in the root item's colour, the windows are framed in the
// border colour.
TEST_F(MainMenusTest, LooksSwitchEveryMenusColours) {
    auto frm = test::StartedMainWindow();
    frm->FileNewItemClick();
    auto* bar = qobject_cast<TFxMainMenu*>(frm->menuBar());
    auto* file = frm->findChild<TFxDropDownMenu*>("File1");
    auto* gridMenu = frm->findChild<TFxPopupMenu*>("SysTrayPopupMenu");
    struct Look {
        const char* item;
        TColor bar;
        TColor border;
    };
    const Look looks[] = {
        {"N56", 0xF5BE9E, 0x962D00}, {"N57", 0xE5D7D7, 0x5E8D75}, {"N58", 0xA8D9D9, 0x5E8D75}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        frm->Item(looks[i].item)->trigger();
        EXPECT_EQ(bar->grab().toImage().pixelColor(0, 2), ToQColor(looks[i].bar));

        bar->setActiveAction(file->menuAction());
        VX_WAIT_TRUE(file->isVisible(), test::kStateWaitMs);
        const QImage dropDown = file->grab().toImage();
        EXPECT_EQ(dropDown.pixelColor(1, dropDown.height() / 2), ToQColor(looks[i].border));
        Shot(frm.get(), QStringLiteral("look%1-file").arg(i));
        file->close();
        if (!qEnvironmentVariableIsEmpty("VX_MENU_SHOTS")) {  // a sub-menu, to look at
            auto* options = frm->findChild<TFxDropDownMenu*>("Options1");
            bar->setActiveAction(options->menuAction());
            VX_WAIT_TRUE(options->isVisible(), test::kStateWaitMs);
            options->setActiveAction(frm->findChild<QMenu*>("N49")->menuAction());
            QTest::keyClick(options, Qt::Key_Right);
            Shot(frm.get(), QStringLiteral("look%1-sub").arg(i));
            options->close();
        }

        gridMenu->OpenAt(frm->LadderEdit()->mapToGlobal(QPoint(80, 60)));
        VX_WAIT_TRUE(gridMenu->isVisible(), test::kStateWaitMs);
        const QImage popup = gridMenu->grab().toImage();
        EXPECT_EQ(popup.pixelColor(1, popup.height() / 2), ToQColor(looks[i].border));
        Shot(frm.get(), QStringLiteral("look%1-grid").arg(i));
        gridMenu->close();
    }
}

}  // namespace
}  // namespace vx
