#include "styling/menus/qt/FxMenus.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "platform/LoadingScope.h"
#include "platform/paint/DesktopMetrics.h"
#include "platform/paint/ImageList.h"
#include "styling/menus/FxMenuDraw.h"
#include "styling/menus/qt/FxMenuStyle.h"
#include "styling/menus/qt/FxMenuStylers.h"
#include "styling/menus/qt/MenuItemHandlers.h"
#include "support/ImagePixel.h"
#include "support/QtWait.h"

namespace vx {
namespace {

bool Attached(const TCustomFxMenuStyler& styler, const IMenuStyleLink* menu) {
    const auto& menus = styler.Menus();
    return std::find(menus.begin(), menus.end(), menu) != menus.end();
}

int InternalStylers(const QObject& menu) {
    int count = 0;
    for (QObject* child : menu.children()) {
        if (child->objectName() == QLatin1String("InternalMenuStyler")) ++count;
    }
    return count;
}

TEST(FxMenusTest, VersionIsFixedForBothMenus) {
    TFxMainMenu main;
    TFxPopupMenu popup;
    main.SetVersion(QStringLiteral("9.9"));
    popup.SetVersion(QStringLiteral("9.9"));
    EXPECT_EQ(main.Version(), QStringLiteral("1.2.0.0"));
    EXPECT_EQ(popup.Version(), QStringLiteral("1.2.0.0"));
    EXPECT_EQ(main.GetVersionNr(), 0x02050000u);
    EXPECT_TRUE(main.OwnerDraw());
    EXPECT_TRUE(popup.OwnerDraw());
}

// Linked, unlinked and relinked: the internal styler goes and comes back
// exactly once each time; one styler serves many menus and every menu that
// dies first, or a styler that dies first, leaves no link behind.
TEST(FxMenusTest, StylerLinksOfManyMenus) {
    auto main = std::make_unique<TFxMainMenu>();
    std::vector<std::unique_ptr<TFxPopupMenu>> popups;
    for (int i = 0; i < 5; ++i)
        popups.push_back(std::make_unique<TFxPopupMenu>());

    // A new menu draws with its internal styler.
    ASSERT_NE(main->InternalStyler(), nullptr);
    EXPECT_EQ(main->GetCurrentStyler(), main->InternalStyler());
    EXPECT_EQ(main->MenuStyler(), nullptr);
    EXPECT_EQ(main->InternalStyler()->objectName(), QStringLiteral("InternalMenuStyler"));
    EXPECT_TRUE(Attached(*main->InternalStyler(), main.get()));

    auto styler = std::make_unique<TFxMenuStyler>();
    for (int round = 0; round < 2; ++round) {
        main->SetMenuStyler(styler.get());
        for (auto& p : popups)
            p->SetMenuStyler(styler.get());
        EXPECT_EQ(main->InternalStyler(), nullptr);
        EXPECT_EQ(InternalStylers(*main), 0);
        EXPECT_EQ(main->GetCurrentStyler(), styler.get());
        EXPECT_EQ(styler->Menus().size(), 6u);

        main->SetMenuStyler(nullptr);
        ASSERT_NE(main->InternalStyler(), nullptr);
        EXPECT_EQ(InternalStylers(*main), 1);
        EXPECT_EQ(main->GetCurrentStyler(), main->InternalStyler());
        EXPECT_FALSE(Attached(*styler, main.get()));
        EXPECT_EQ(styler->Menus().size(), 5u);
    }
    main->SetMenuStyler(styler.get());

    // A menu that dies first leaves the styler.
    popups[4].reset();
    EXPECT_EQ(styler->Menus().size(), 5u);

    // A styler that dies first: each menu takes an internal styler again.
    styler.reset();
    EXPECT_EQ(main->MenuStyler(), nullptr);
    ASSERT_NE(main->InternalStyler(), nullptr);
    EXPECT_EQ(main->GetCurrentStyler(), main->InternalStyler());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(popups[i]->GetCurrentStyler(), popups[i]->InternalStyler());
        EXPECT_EQ(InternalStylers(*popups[i]), 1);
    }
}

TEST(FxMenusTest, DropDownsAndSubMenusAreStyledWindowsOfTheirMenu) {
    QMainWindow form;
    auto* main = new TFxMainMenu(&form);
    form.setMenuBar(main);
    TFxDropDownMenu* file = main->addMenu(QStringLiteral("&File"));
    TFxDropDownMenu* sub = file->addMenu(QStringLiteral("&More"));
    TFxPopupMenu popup(&form);
    TFxDropDownMenu* popupSub = popup.addMenu(QStringLiteral("&Sub"));
    EXPECT_EQ(file->Link(), static_cast<IMenuStyleLink*>(main));
    EXPECT_EQ(sub->Link(), static_cast<IMenuStyleLink*>(main));
    EXPECT_EQ(popupSub->Link(), static_cast<IMenuStyleLink*>(&popup));
    EXPECT_EQ(file->Level(), 1);
    EXPECT_EQ(sub->Level(), 2);
    EXPECT_EQ(popup.Level(), 1);
    EXPECT_EQ(popupSub->Level(), 2);
    TFxDropDownMenu plain;
    EXPECT_EQ(plain.Link(), nullptr);
}

TEST(FxMenusTest, PopupWithoutItemsDoesNotOpenAndOneWithItemsOpensWithoutWaiting) {
    QWidget owner;
    owner.resize(300, 200);
    owner.show();
    TFxPopupMenu popup(&owner);
    popup.OpenAt({10, 10});
    popup.Popup(10, 10);  // returns at once: nothing to show
    EXPECT_FALSE(popup.isVisible());
    popup.addAction(QStringLiteral("&One"));
    popup.OpenAt({40, 50});
    VX_WAIT_TRUE(popup.isVisible(), test::kStateWaitMs);
    // The first level sits one pixel left and two up of its place.
    EXPECT_EQ(popup.pos(), QPoint(39, 48));
    EXPECT_EQ(popup.mask().boundingRect(),
              QRect(1, 1, popup.width() - 2 - kMenuStripWidth, popup.height() - 2));
    popup.close();
}

QPixmap Solid(Qt::GlobalColor color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

// A form whose styled main menu shows its side bar in plain green, with
// neither border nor splitter.
struct SideBarForm {
    SideBarForm() {
        form.setMenuBar(main);
        TSideBar& side = styler->SideBar();
        side.SetVisible(true);
        side.Background().SetColor(0x00FF00);
        side.Background().SetColorTo(0x00FF00);
        side.Image().SetColor(clNone);
        side.SetBorderColor(clNone);
        side.SetSplitterColor(clNone);
        main->SetMenuStyler(styler);
        form.resize(400, 300);
    }
    // Shows the form and opens the drop-down below its menu bar.
    void Open(QMenu* menu) {
        form.show();
        VX_WAIT_TRUE(form.windowHandle() != nullptr && form.windowHandle()->isExposed(),
                     test::kStateWaitMs);
        menu->popup(form.mapToGlobal(QPoint(0, 20)));
        VX_WAIT_TRUE(menu->isVisible(), test::kStateWaitMs);
    }

    QMainWindow form;
    TFxMainMenu* main = new TFxMainMenu(&form);
    TFxMenuOfficeStyler* styler = new TFxMenuOfficeStyler(&form);
};

// A disabled item shows the picture at its index in the menu's disabled
// images, as it is; without that list, or once the list is destroyed, its
// own picture greyed. Both menus let go of a destroyed list.
TEST(FxMenusTest, DisabledItemsShowTheirPictureFromTheDisabledImages) {
    QWidget owner;
    owner.resize(300, 200);
    owner.show();
    TFxPopupMenu popup(&owner);
    QAction* cut = popup.addAction(QIcon(Solid(Qt::red)), QStringLiteral("&Cut"));
    cut->setProperty(kMenuItemImageIndex, 1);
    cut->setEnabled(false);
    const QColor greyed =
        cut->icon().pixmap(QSize(16, 16), QIcon::Disabled).toImage().pixelColor(8, 8);
    auto picture = [&] {
        popup.OpenAt({40, 50});
        EXPECT_TRUE(QTest::qWaitFor([&] { return popup.isVisible(); }, test::kStateWaitMs));
        const QRect item = popup.actionGeometry(cut);
        const QColor shown = popup.grab().toImage().pixelColor(item.left() + 12, item.center().y());
        popup.close();
        return shown;
    };
    EXPECT_EQ(picture(), greyed);

    auto* images = new TImageList(16, 16);
    images->Add(Solid(Qt::green));
    images->Add(Solid(Qt::blue));
    popup.SetDisabledImages(images);
    TFxMainMenu main;
    main.SetDisabledImages(images);
    EXPECT_EQ(picture(), QColor(Qt::blue));
    cut->setEnabled(true);
    EXPECT_EQ(picture(), QColor(Qt::red));
    cut->setEnabled(false);

    delete images;
    EXPECT_EQ(popup.DisabledImages(), nullptr);
    EXPECT_EQ(main.DisabledImages(), nullptr);
    EXPECT_EQ(picture(), greyed);
}

// The office styler of a form's menu hears of a desktop theme change
// through its hidden notifier window, a child of the first window up its
// owners: the desktop tells the form's window, which tells the notifier.
// Without a window among its owners the notifier has no parent.
TEST(FxMenusTest, OfficeStylerAdaptsWhenTheDesktopChangesItsTheme) {
    SetDesktopThemeAnswer([] { return 3; });  // "Metallic"
    QMainWindow form;
    auto* main = new TFxMainMenu(&form);
    form.setMenuBar(main);
    auto* holder = new QObject(&form);
    auto* styler = new TFxMenuOfficeStyler(holder);
    main->SetMenuStyler(styler);
    form.show();
    VX_WAIT_TRUE(form.windowHandle() != nullptr && form.windowHandle()->isExposed(),
                 test::kStateWaitMs);
    auto* notifier = qobject_cast<QWidget*>(styler->NotifierWindow());
    ASSERT_NE(notifier, nullptr);
    EXPECT_EQ(notifier->parentWidget(), &form);
    EXPECT_FALSE(notifier->isVisible());

    QEvent change(QEvent::ThemeChange);
    QCoreApplication::sendEvent(form.windowHandle(), &change);
    EXPECT_EQ(styler->Style(), TOfficeStyle::osOffice2003Blue);  // not adapting
    styler->SetAutoThemeAdapt(true);
    QCoreApplication::sendEvent(form.windowHandle(), &change);
    EXPECT_EQ(styler->Style(), TOfficeStyle::osOffice2003Silver);

    TFxMenuOfficeStyler alone;
    ASSERT_NE(alone.NotifierWindow(), nullptr);
    EXPECT_EQ(alone.NotifierWindow()->parent(), nullptr);
    delete styler;  // its notifier goes with it
    EXPECT_EQ(form.findChildren<QWidget*>().count(notifier), 0);
    SetDesktopThemeAnswer({});
}

// A pop-up keeps to the work area of the screen it opens on, by the
// desktop's table (here a second screen whose panel takes its top 30 rows).
TEST(FxMenusTest, PopupPlacedOnTheWorkAreaOfItsScreen) {
    DesktopMetrics metrics;
    metrics.screens = {{{0, 0, 800, 600}, {0, 0, 800, 600}},
                       {{800, 0, 1400, 500}, {800, 30, 1400, 500}}};
    DesktopMetricsScope scope(metrics);
    TFxPopupMenu popup;
    for (const char* text : {"&One", "&Two", "&Three"})
        popup.addAction(QString::fromLatin1(text));
    const QSize size = popup.sizeHint();
    EXPECT_EQ(popup.PlaceFor({1390, 490}), QPoint(1400 - size.width(), 490 - size.height()));
    EXPECT_EQ(popup.PlaceFor({900, 5}), QPoint(900, 30));
    EXPECT_EQ(popup.PlaceFor({100, 100}), QPoint(100, 100));
    popup.SetAlignment(TPopupAlignment::paRight);
    EXPECT_EQ(popup.PlaceFor({500, 100}).x(), 500 + kMenuStripWidth - size.width());
}

// Items that share a caption are each measured from their own action: one
// plain, one checked, disabled and with a picture, in a pop-up menu and as
// top-level items of a main menu, each as large as it is in a menu alone.
TEST(FxMenusTest, ItemsOfOneCaptionAreMeasuredFromTheirOwnAction) {
    QPixmap picture(16, 16);
    picture.fill(Qt::darkBlue);
    const QString caption = QStringLiteral("同名(&S)");
    auto setPictured = [&](QAction* action) {
        action->setIcon(QIcon(picture));
        action->setCheckable(true);
        action->setChecked(true);
        action->setEnabled(false);
    };

    TFxPopupMenu popup, plainAlone, picturedAlone;
    QAction* plain = popup.addAction(caption);
    QAction* pictured = popup.addAction(caption);
    setPictured(pictured);
    popup.addAction(caption);
    QAction* plainRef = plainAlone.addAction(caption);
    QAction* picturedRef = picturedAlone.addAction(caption);
    setPictured(picturedRef);
    for (QMenu* menu : {static_cast<QMenu*>(&popup), static_cast<QMenu*>(&plainAlone),
                        static_cast<QMenu*>(&picturedAlone)})
        menu->resize(menu->sizeHint());
    const int plainHeight = plainAlone.actionGeometry(plainRef).height();
    const int picturedHeight = picturedAlone.actionGeometry(picturedRef).height();
    ASSERT_NE(plainHeight, picturedHeight);  // the picture makes the item taller
    EXPECT_EQ(popup.actionGeometry(plain).height(), plainHeight);
    EXPECT_EQ(popup.actionGeometry(pictured).height(), picturedHeight);
    EXPECT_EQ(popup.actionGeometry(popup.actions()[2]).height(), plainHeight);

    QMainWindow form;
    auto* bar = new TFxMainMenu(&form);
    form.setMenuBar(bar);
    QAction* first = bar->addMenu(caption)->menuAction();
    QAction* second = bar->addMenu(caption)->menuAction();
    second->setIcon(QIcon(picture));
    form.resize(600, 200);
    form.show();
    VX_WAIT_TRUE(bar->actionGeometry(second).isValid(), test::kStateWaitMs);
    // A top-level item's picture stands before its caption.
    EXPECT_EQ(bar->actionGeometry(second).width(), bar->actionGeometry(first).width() + 16 + 7);
}

// The first drop-down of the menu bar carries the side bar down its whole
// height (VisibleIn at its default): a separator leaves it alone and starts
// its line right of it, and an item painted again under the mouse keeps it
// whole beside it.
TEST(FxMenusTest, SideBarOfTheFirstDropDownStaysWhole) {
    SideBarForm f;
    TFxMenuOfficeStyler* styler = f.styler;
    TSeparator& separator = styler->Separator();
    separator.SetColor(0x0000FF);
    separator.SetColorTo(clNone);
    TFxDropDownMenu* file = f.main->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&One"));
    QAction* line = file->addSeparator();
    file->addAction(QStringLiteral("&Two"));
    QAction* three = file->addAction(QStringLiteral("T&hree"));
    ASSERT_NO_FATAL_FAILURE(f.Open(file));

    QImage shot = file->grab().toImage();
    const int inSideBar = kMenuBorderWidth + 10;
    const int y = file->actionGeometry(line).center().y();
    EXPECT_EQ(test::PixelAt(shot, inSideBar, y), 0x00FF00);
    const int lineStart =
        kMenuBorderWidth + SideBarWidth(*styler) + styler->IconBar().Size() + separator.Margin();
    EXPECT_NE(test::PixelAt(shot, lineStart - 1, y), 0x0000FF);
    EXPECT_EQ(test::PixelAt(shot, lineStart, y), 0x0000FF);

    // The mouse over a later item: only that item is painted again.
    file->setActiveAction(three);
    const QRect item = file->actionGeometry(three);
    file->render(&shot, item.topLeft(), QRegion(item));
    EXPECT_EQ(test::PixelAt(shot, inSideBar, item.center().y()), 0x00FF00);
    EXPECT_EQ(test::PixelAt(shot, inSideBar, y), 0x00FF00);
    file->close();
}

// A first drop-down taller than the screen (800 high) falls into columns; the
// side bar runs down the first only. The items of the second stand right at
// its left edge, their icon bar there, and are measured without the side
// bar: its widest item sets the columns' width with the side bar on or off.
TEST(FxMenusTest, LaterColumnsOfALongMenuCarryNoSideBar) {
    SideBarForm f;
    TFxMenuOfficeStyler* styler = f.styler;
    TFxMainMenu* main = f.main;
    styler->IconBar().SetColor(0x0000FF);
    styler->IconBar().SetColorTo(0x0000FF);
    styler->Background().SetColor(0xFFFFFF);
    styler->Background().SetColorTo(0xFFFFFF);
    TFxDropDownMenu* file = main->addMenu(QStringLiteral("&File"));
    for (int i = 0; i < 50; ++i) {
        if (i % 8 == 7) file->addSeparator();
        file->addAction(QStringLiteral("Item %1").arg(i));
    }
    QAction* widest = file->addAction(QStringLiteral("An item far wider than all the others"));
    ASSERT_NO_FATAL_FAILURE(f.Open(file));

    const int firstColumn = file->actionGeometry(file->actions().first()).left();
    const QRect widestPlace = file->actionGeometry(widest);
    ASSERT_GT(widestPlace.left(), firstColumn);
    for (QAction* action : file->actions()) {
        const QRect place = file->actionGeometry(action);
        if (place.isValid())
            EXPECT_EQ(MenuItemInfoOf(action, file, 1, *main).columnBroken,
                      place.left() > firstColumn)
                << action->text().toStdString();
    }
    const QImage shot = file->grab().toImage();
    const int y = widestPlace.center().y();
    EXPECT_EQ(test::PixelAt(shot, firstColumn + 2, y), 0x00FF00);
    EXPECT_EQ(test::PixelAt(shot, widestPlace.left() + 2, y), 0x0000FF);
    const int width = file->width();
    file->close();

    styler->SideBar().SetVisible(false);
    EXPECT_EQ(file->sizeHint().width(), width);
}

// Items with measuring or drawing of their own, given them while the menu is
// open: one with both is measured and drawn by them alone, in its whole
// rectangle, with its state; one with only OnDrawItem is drawn by it and
// measured as a plain item. A top-level item draws itself on the bar. The
// first item drawing itself leaves the side bar down the window.
TEST(FxMenusTest, ItemsWithHandlersOfTheirOwnMeasureAndDrawThemselves) {
    SideBarForm f;
    TFxMainMenu* main = f.main;
    TFxDropDownMenu* file = main->addMenu(QStringLiteral("&File"));
    QAction* own = file->addAction(QStringLiteral("&Own"));
    QAction* plain = file->addAction(QStringLiteral("&Plain"));
    QAction* drawn = file->addAction(QStringLiteral("&Drawn"));
    ASSERT_NO_FATAL_FAILURE(f.Open(file));
    const int plainHeight = file->actionGeometry(plain).height();

    const auto fill = [](Canvas& canvas, const TRect& r, TColor color) {
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = color;
        canvas.FillRect(r);
    };
    unsigned ownState = 0;
    bool drawnSelected = false;
    SetMenuItemHandlers(*own, {[](const QAction&, Canvas&, int& width, int& height) {
                                   width = 300;
                                   height = 40;
                               },
                               {},
                               [&](const QAction&, Canvas& canvas, const TRect& r, unsigned state) {
                                   ownState = state;
                                   fill(canvas, r, 0x0000FF);
                               }});
    SetMenuItemHandlers(*drawn,
                        {{},
                         [&](const QAction&, Canvas& canvas, const TRect& r, bool selected) {
                             drawnSelected = selected;
                             fill(canvas, r, 0xFF0000);
                         },
                         {}});
    SetMenuItemHandlers(*file->menuAction(), {{},
                                              [&](const QAction&, Canvas& canvas, const TRect& r,
                                                  bool) { fill(canvas, r, 0x00FFFF); },
                                              {}});
    const QRect ownPlace = file->actionGeometry(own);
    EXPECT_EQ(ownPlace.height(), 40);
    EXPECT_EQ(ownPlace.width(), 300);
    EXPECT_EQ(file->actionGeometry(drawn).height(), plainHeight);

    file->setActiveAction(own);
    QImage shot = file->grab().toImage();
    EXPECT_TRUE(ownState & MenuItemState::kSelected);
    const int plainY = file->actionGeometry(plain).center().y();
    const int drawnY = file->actionGeometry(drawn).center().y();
    const struct {
        int x, y;
        TColor colour;
    } pixels[] = {
        {ownPlace.left(), ownPlace.top(), 0x0000FF},
        {ownPlace.right(), ownPlace.bottom(), 0x0000FF},
        {ownPlace.left() + 2, plainY, 0x00FF00},  // the side bar
        {ownPlace.center().x(), drawnY, 0xFF0000},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(test::PixelAt(shot, p.x, p.y), p.colour) << p.x << "," << p.y;
    EXPECT_NE(test::PixelAt(shot, ownPlace.center().x(), plainY), 0xFF0000);
    file->setActiveAction(drawn);
    file->grab();
    EXPECT_TRUE(drawnSelected);
    file->close();
    const QRect root = main->actionGeometry(file->menuAction());
    EXPECT_EQ(test::PixelAt(main->grab().toImage(), root.center().x(), root.center().y()),
              0x00FFFF);
}

// OwnerDraw off: the menus' windows are measured and painted as any menu's
// and the drop-down keeps its whole window; on again, they are styled.
// Loading ends with it on.
TEST(FxMenusTest, OwnerDrawOffShowsAPlainMenu) {
    QMainWindow form;
    auto* main = new TFxMainMenu(&form);
    form.setMenuBar(main);
    main->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Save"));
    QMainWindow plainForm;
    plainForm.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Save"));
    TFxPopupMenu popup(&form);
    QMenu plain;
    for (QMenu* menu : {static_cast<QMenu*>(&popup), &plain}) {
        menu->addAction(QStringLiteral("&One"));
        menu->addSeparator();
        menu->addAction(QStringLiteral("&Two"))->setCheckable(true);
    }
    for (QMainWindow* f : {&form, &plainForm}) {
        f->resize(300, 200);
        f->show();
    }
    VX_WAIT_TRUE(
        main->actionGeometry(main->actions()[0]).isValid() &&
            plainForm.menuBar()->actionGeometry(plainForm.menuBar()->actions()[0]).isValid(),
        test::kStateWaitMs);
    auto rootWidth = [](QMenuBar* bar) { return bar->actionGeometry(bar->actions()[0]).width(); };
    const int styledRoot = rootWidth(main);
    const QSize styledPopup = popup.sizeHint();
    ASSERT_NE(styledRoot, rootWidth(plainForm.menuBar()));
    ASSERT_NE(styledPopup, plain.sizeHint());

    main->SetOwnerDraw(false);
    popup.SetOwnerDraw(false);
    EXPECT_EQ(rootWidth(main), rootWidth(plainForm.menuBar()));
    EXPECT_EQ(main->grab().toImage(), plainForm.menuBar()->grab().toImage());
    EXPECT_EQ(popup.sizeHint(), plain.sizeHint());
    popup.resize(popup.sizeHint());
    plain.resize(plain.sizeHint());
    EXPECT_EQ(popup.grab().toImage(), plain.grab().toImage());
    popup.OpenAt({40, 50});
    VX_WAIT_TRUE(popup.isVisible(), test::kStateWaitMs);
    EXPECT_TRUE(popup.mask().isEmpty());
    popup.close();

    main->SetOwnerDraw(true);
    popup.SetOwnerDraw(true);
    EXPECT_EQ(rootWidth(main), styledRoot);
    EXPECT_EQ(popup.sizeHint(), styledPopup);
    popup.OpenAt({40, 50});
    VX_WAIT_TRUE(popup.isVisible(), test::kStateWaitMs);
    EXPECT_FALSE(popup.mask().isEmpty());
    popup.close();

    auto scope = std::make_unique<TLoadingScope>();
    TFxPopupMenu loaded;
    loaded.SetOwnerDraw(false);
    scope.reset();
    EXPECT_TRUE(loaded.OwnerDraw());
}

// An item's shortcut held with the Windows key is shown as "Win+" and the
// other keys; a menu that reads right to left draws its items so.
TEST(FxMenusTest, ItemInfoTakesTheWindowsKeyAndTheReadingDirection) {
    TFxPopupMenu popup;
    QAction* win = popup.addAction(QStringLiteral("Run"));
    win->setShortcut(QKeySequence(Qt::META | Qt::CTRL | Qt::Key_F5));
    QAction* plain = popup.addAction(QStringLiteral("Stop"));
    plain->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    const TMenuItemInfo winInfo = MenuItemInfoOf(win, &popup, 1, popup);
    const TMenuItemInfo plainInfo = MenuItemInfoOf(plain, &popup, 1, popup);
    EXPECT_TRUE(winInfo.winKey);
    EXPECT_FALSE(plainInfo.winKey);
    EXPECT_EQ(winInfo.shortCutText, plainInfo.shortCutText);
    EXPECT_FALSE(plainInfo.rightToLeft);
    popup.setLayoutDirection(Qt::RightToLeft);
    EXPECT_TRUE(MenuItemInfoOf(plain, &popup, 1, popup).rightToLeft);
}

}  // namespace
}  // namespace vx
