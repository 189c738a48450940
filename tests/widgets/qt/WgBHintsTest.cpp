// Balloon hints: a tool-tip request shows the balloon window instead of the
// desktop's tool tip, sized and placed by the balloon's rules, in its shape,
// after the application's pauses; it goes when the mouse leaves, and plain
// tool tips come back when the component goes. A group's items and caption
// show their own hints in it.
#include "widgets/qt/WgBHints.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include "support/QtWait.h"
#include "widgets/WgGroupItem.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"

namespace vx {
namespace {

QRgb Rgb(TColor c) {
    return ToQColor(c).rgb();
}
QRgb Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000u;
}

class WgBHintsTest : public testing::Test {
  protected:
    void SetUp() override {
        SetSystemColors(DefaultSystemColors());
        SetApplicationHintPause(0);
        window_.resize(400, 300);
        window_.move(300, 300);
        button_ = new QPushButton(QStringLiteral("B"), &window_);
        button_->setGeometry(100, 150, 24, 22);
        button_->setToolTip(QStringLiteral("OK"));
        window_.show();
    }
    void TearDown() override {
        SetApplicationHintPause(500);
        SetApplicationHintShortPause(0);
    }
    // Asks for the button's (or another widget's) tool tip with the mouse
    // at `at` on it, and lets the pause (none) pass.
    bool AskForTip(TWgBalloonHints& hints, QPoint at, QWidget* widget = nullptr) {
        if (!widget) widget = button_;
        QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
        const bool taken = QApplication::sendEvent(widget, &help);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !hints.ShowTimer().isActive(); }, test::kStateWaitMs));
        return taken;
    }
    QWidget window_;
    QPushButton* button_ = nullptr;
};

TEST_F(WgBHintsTest, ATipShowsAsABalloonPointingAtASmallControlsCentre) {
    TWgBalloonHints hints;
    ASSERT_TRUE(AskForTip(hints, QPoint(3, 4)));
    TWgCustomHintWindow* w = hints.HintWindow();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->HintText(), QStringLiteral("OK"));
    // A one-word tip still gets a window 55 wide.
    EXPECT_EQ(w->width(), 55);
    // Above and to the right of the button's centre, the pointer at its bottom.
    const QPoint centre = button_->mapToGlobal(QPoint(12, 11));
    EXPECT_EQ(w->CurrentCorner(), TWgHintCorner::hcUpperRight);
    EXPECT_EQ(w->geometry().left(), centre.x() - 10);
    EXPECT_EQ(w->geometry().bottom() + 1, centre.y());
}

TEST_F(WgBHintsTest, WithoutACentreThresholdThePointerGoesToTheMouse) {
    TWgBalloonHints hints;
    hints.SetCenterThreshold(0);
    AskForTip(hints, QPoint(3, 4));
    const QPoint mouse = button_->mapToGlobal(QPoint(3, 4));
    EXPECT_EQ(hints.HintWindow()->geometry().left(), mouse.x() - 10);
    EXPECT_EQ(hints.HintWindow()->geometry().bottom() + 1, mouse.y());
}

TEST_F(WgBHintsTest, BalloonShapeAndOutline) {
    TWgBalloonHints hints;
    hints.SetColor(RGBColor(255, 255, 70));
    hints.SetFrameColor(clBlack);
    button_->setToolTip(QStringLiteral("A longer tip that wraps onto a second line"));
    AskForTip(hints, QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    const QRegion shape = w->Shape();
    const int h = w->height();
    EXPECT_FALSE(shape.contains(QPoint(0, 0))) << "a rounded corner";
    EXPECT_TRUE(shape.contains(QPoint(4, 0)));
    EXPECT_TRUE(shape.contains(QPoint(11, h - 4))) << "the pointer";
    EXPECT_FALSE(shape.contains(QPoint(40, h - 1)));
    EXPECT_LE(w->width(), 100 + 6 + 8);
    const QImage img = w->PaintedImage();
    EXPECT_EQ(Px(img, 30, 0), Rgb(clBlack)) << "the outline";
    EXPECT_EQ(Px(img, 1, 2), Rgb(clBlack)) << "a corner pixel";
    EXPECT_EQ(Px(img, 10, h - 2), Rgb(clBlack)) << "the pointer's side";
    EXPECT_EQ(Px(img, 15, h - 21), Rgb(RGBColor(255, 255, 70)))
        << "the body's edge is open where the pointer joins it";
    EXPECT_EQ(Px(img, 50, h - 21), Rgb(clBlack));
}

TEST_F(WgBHintsTest, ABalloonWithoutACornerHasNoPointer) {
    TWgBalloonHints hints;
    hints.SetCorner(TWgHintCorner::hcNone);
    hints.SetFrameColor(clBlack);
    AskForTip(hints, QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    EXPECT_EQ(w->CurrentCorner(), TWgHintCorner::hcNone);
    // Below and to the right of the button's centre, with no pointer band.
    const QPoint centre = button_->mapToGlobal(QPoint(12, 11));
    EXPECT_EQ(w->geometry().topLeft(), centre - QPoint(10, 0));
    EXPECT_LT(w->height(), 30);
    const int h = w->height();
    const QRegion shape = w->Shape();
    EXPECT_FALSE(shape.contains(QPoint(0, 0))) << "rounded corners";
    EXPECT_FALSE(shape.contains(QPoint(0, h - 1)));
    EXPECT_TRUE(shape.contains(QPoint(11, h - 1)));
    EXPECT_FALSE(shape.contains(QPoint(11, h))) << "no pointer";
    const QImage img = w->PaintedImage();
    for (int x : {5, 15, 25, 40})
        EXPECT_EQ(Px(img, x, h - 1), Rgb(clBlack)) << "the body's edge is closed: " << x;
    EXPECT_EQ(Px(img, 15, 0), Rgb(clBlack));
    for (int x : {10, 25})
        EXPECT_EQ(Px(img, x, h - 2), Rgb(clInfoBk)) << "no pointer's sides: " << x;
}

TEST_F(WgBHintsTest, APlainHintIsAFramedRectangle) {
    TWgBalloonHints hints;
    hints.SetShowBalloon(false);
    hints.SetFrameColor(clBlack);
    AskForTip(hints, QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    EXPECT_EQ(w->CurrentCorner(), TWgHintCorner::hcLowerRight);
    EXPECT_TRUE(w->mask().isEmpty());
    const QImage img = w->PaintedImage();
    EXPECT_EQ(Px(img, 0, 0), Rgb(clBlack));
    EXPECT_EQ(Px(img, w->width() - 1, w->height() - 1), Rgb(clBlack));
    EXPECT_EQ(Px(img, 1, 1), Rgb(clInfoBk));
    // No pointer band: text height plus the frame.
    EXPECT_LT(w->height(), 30);
}

TEST_F(WgBHintsTest, NearTheScreensRightEdgeTheBalloonTurnsLeft) {
    TWgBalloonHints hints;
    hints.SetCenterThreshold(0);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window_.move(screen.right() - 140, 300);
    button_->move(110, 150);
    QApplication::processEvents();
    AskForTip(hints, QPoint(20, 4));
    const QPoint mouse = button_->mapToGlobal(QPoint(20, 4));
    if (mouse.x() + 45 <= screen.right()) GTEST_SKIP() << "the window was not placed at the edge";
    EXPECT_EQ(hints.HintWindow()->CurrentCorner(), TWgHintCorner::hcUpperLeft);
    EXPECT_EQ(hints.HintWindow()->geometry().right() + 1, mouse.x() - 1);
}

TEST_F(WgBHintsTest, TheTipsOfCellsSectionsAndTabsAreBalloonsToo) {
    TWgBalloonHints hints;
    // A grid whose cells have tips and which has one of its own, as the
    // device usage window's grids do; a tab bar with a tip on one tab.
    auto* grid = new QTableWidget(2, 2, &window_);
    grid->setGeometry(0, 0, 250, 120);
    grid->setToolTip(QStringLiteral("Grid"));
    auto* cell = new QTableWidgetItem(QStringLiteral("X0"));
    cell->setToolTip(QStringLiteral("X0 used in row 3"));
    grid->setItem(0, 0, cell);
    auto* header = new QTableWidgetItem(QStringLiteral("Device"));
    header->setToolTip(QStringLiteral("The devices"));
    grid->setHorizontalHeaderItem(1, header);
    auto* tabs = new QTabBar(&window_);
    tabs->addTab(QStringLiteral("Inputs"));
    tabs->addTab(QStringLiteral("Outputs"));
    tabs->setTabToolTip(1, QStringLiteral("Y devices"));
    tabs->setGeometry(0, 200, 200, 30);
    grid->show();
    tabs->show();
    QHeaderView* top = grid->horizontalHeader();
    const QRect section(top->sectionViewportPosition(1), 0, top->sectionSize(1), top->height());
    const struct {
        QWidget* widget;
        QPoint at;
        const char* text;
    } asks[] = {
        {grid->viewport(), grid->visualItemRect(cell).center(), "X0 used in row 3"},
        {grid->viewport(), grid->visualRect(grid->model()->index(1, 1)).center(), "Grid"},
        {top->viewport(), section.center(), "The devices"},
        {tabs, tabs->tabRect(1).center(), "Y devices"},
    };
    for (const auto& ask : asks) {
        SCOPED_TRACE(ask.text);
        hints.HideHint();
        QToolTip::hideText();
        AskForTip(hints, ask.at, ask.widget);
        EXPECT_TRUE(hints.HintWindow()->isVisible());
        EXPECT_EQ(hints.HintWindow()->HintText(), QString::fromUtf8(ask.text));
        EXPECT_FALSE(QToolTip::isVisible()) << QToolTip::text().toStdString();
    }
}

TEST_F(WgBHintsTest, TheTipGoesWhenTheMouseLeavesAndPlainTipsComeBack) {
    auto hints = std::make_unique<TWgBalloonHints>();
    AskForTip(*hints, QPoint(3, 4));
    ASSERT_TRUE(hints->HintWindow()->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button_, &leave);
    EXPECT_FALSE(hints->HintWindow()->isVisible());
    AskForTip(*hints, QPoint(3, 4));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(button_, &key);
    EXPECT_FALSE(hints->HintWindow()->isVisible());
    // Tool tips without text show nothing.
    button_->setToolTip(QString());
    AskForTip(*hints, QPoint(3, 4));
    EXPECT_FALSE(hints->HintWindow()->isVisible());
    hints.reset();
    button_->setToolTip(QStringLiteral("OK"));
    QHelpEvent help(QEvent::ToolTip, QPoint(3, 4), button_->mapToGlobal(QPoint(3, 4)));
    QApplication::sendEvent(button_, &help);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TWgCustomHintWindow*>(w), nullptr);
}

TEST_F(WgBHintsTest, TheBalloonWaitsTheApplicationsPauses) {
    TWgBalloonHints hints;
    hints.SetHintPause(60000);
    hints.SetHintShortPause(30000);
    EXPECT_EQ(ApplicationHintPause(), 60000);
    EXPECT_EQ(ApplicationHintShortPause(), 30000);
    SetApplicationHintShortPause(-1);
    EXPECT_EQ(hints.HintShortPause(), 0) << "no pause below none";
    hints.SetHintShortPause(30000);

    auto* cancel = new QPushButton(QStringLiteral("C"), &window_);
    cancel->setGeometry(140, 150, 24, 22);
    cancel->setToolTip(QStringLiteral("Cancel"));
    cancel->show();
    QTimer& pause = hints.ShowTimer();
    TWgCustomHintWindow* w = hints.HintWindow();
    // Where the mouse goes (a key first where asked), the pause it starts
    // (none: nothing new is due), the last balloon's text once the pause is
    // over and whether the balloon is gone.
    const struct {
        QWidget* over;
        QPoint at;
        bool key;
        int pause;
        const char* text;
        bool gone;
    } steps[] = {
        {button_, {3, 4}, false, 60000, "OK", false},
        {cancel, {3, 4}, false, 30000, "Cancel", false},   // follows the first
        {cancel, {6, 7}, false, -1, "Cancel", false},      // the same spot
        {cancel, {5, 5}, true, -1, "Cancel", true},        // gone, not back on its spot
        {&window_, {300, 40}, false, -1, "Cancel", true},  // no hint here
        {button_, {3, 4}, false, 60000, "OK", false},      // the key ended the run
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.text);
        if (step.key) QTest::keyClick(step.over, Qt::Key_A);
        QTest::mouseMove(step.over, step.at);
        QCoreApplication::processEvents();  // the move is looked at once taken
        if (step.pause < 0) {
            EXPECT_FALSE(pause.isActive());
        } else {
            ASSERT_TRUE(pause.isActive());
            EXPECT_EQ(pause.interval(), step.pause);
            EXPECT_FALSE(w->isVisible()) << "nothing before the pause is over";
            pause.start(0);
            VX_WAIT_TRUE(w->isVisible(), test::kStateWaitMs);
        }
        EXPECT_EQ(w->HintText(), QString::fromUtf8(step.text));
        if (step.gone) {
            EXPECT_FALSE(w->isVisible());
        }
    }
}

TEST_F(WgBHintsTest, AGroupShowsItsItemsHintsOverThemAndItsOwnOverItsCaption) {
    TWgBalloonHints hints;
    auto* bar = new TWgGroupBar(&window_);
    bar->setGeometry(200, 0, 160, 300);
    auto* group = new TWgGroup(bar);
    group->setToolTip(QStringLiteral("Devices"));
    for (const char* hint : {"Inputs|All X contacts", ""}) {
        TWgGroupItem& item = group->Items().Add();
        item.SetCaption("Item");
        item.SetHint(hint);
        item.SetOnClick(TWgNotifyEvent([](TWgObject&) {}));
    }
    bar->show();
    VX_WAIT_TRUE(!group->Items()[1].TextRect().IsEmpty(), test::kStateWaitMs);
    auto centre = [](const TRect& r) {
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    const QPoint caption(30, 8);
    const QPoint withHint = centre(group->Items()[0].TextRect());
    const QPoint withoutHint = centre(group->Items()[1].TextRect());
    const QPoint below(30, group->height() - 2);
    TWgCustomHintWindow* w = hints.HintWindow();
    const struct {
        QPoint at;
        const char* shows;
    } moves[] = {
        {withHint, "Inputs"}, {withoutHint, ""}, {caption, "Devices"},
        {withHint, "Inputs"}, {below, ""},
    };
    for (const auto& move : moves) {
        QTest::mouseMove(group, move.at);
        const QString shows = QString::fromUtf8(move.shows);
        VX_WAIT_EQ(w->isVisible() ? w->HintText() : QString(), shows, test::kStateWaitMs);
        if (!shows.isEmpty()) {
            EXPECT_EQ(w->HintControl(), group);
        }
    }
}

TEST_F(WgBHintsTest, TheProgramsEventsAndPicturesShapeTheHint) {
    TWgBalloonHints hints;
    hints.OnShowHint = [](QString& text, bool&, QWidget*) { text = QStringLiteral("Changed"); };
    hints.SetOnSetHintWinSize([](Canvas&, TWgHintCorner, const QString&, int& w, int& h) {
        w = 20;
        h = 60;
    });
    AskForTip(hints, QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    EXPECT_EQ(w->HintText(), QStringLiteral("Changed"));
    EXPECT_EQ(w->size(), QSize(55, 60)) << "still 55 wide";
    // A balloon shown once does not come back on its spot: the next events
    // are tried on a component of their own.
    int rects = 0;
    {
        TWgBalloonHints second;
        second.SetOnSetHintRect([&](Canvas&, TWgHintCorner, const QString&, TRect&) { ++rects; });
        AskForTip(second, QPoint(3, 4));
    }
    EXPECT_GT(rects, 0);
    // A picture of one corner stands for the others mirrored; its
    // transparent colour shows the fill.
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(ToQColor(clRed));
    for (int x = 0; x < 20; ++x)
        picture.setPixel(x, 0, ToQColor(clOlive).rgb());
    hints.Bitmaps().lowerRight = picture;
    hints.SetColor(clAqua);
    const QImage img = w->PaintedImage();
    EXPECT_EQ(Px(img, 27, 30), Rgb(clRed));
    EXPECT_EQ(Px(img, 27, w->height() - 1), Rgb(clAqua)) << "the mirrored transparent row";
    // The program may stop the hint.
    TWgBalloonHints stopped;
    stopped.OnShowHint = [](QString&, bool& show, QWidget*) { show = false; };
    AskForTip(stopped, QPoint(3, 4));
    EXPECT_FALSE(stopped.HintWindow()->isVisible());
}

TEST_F(WgBHintsTest, MovingOffTheSpotEndsTheHintAndPressesGoOnToTheControl) {
    TWgBalloonHints hints;
    AskForTip(hints, QPoint(3, 4));
    TWgCustomHintWindow* w = hints.HintWindow();
    ASSERT_TRUE(w->isVisible());
    // Within 2 pixels of where the hint was asked for it stays.
    auto moveTo = [&](QPoint global) {
        const QPoint local = w->mapFromGlobal(global);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    const QPoint spot = button_->mapToGlobal(QPoint(3, 4));
    moveTo(spot + QPoint(2, -2));
    EXPECT_TRUE(w->Tracking());
    moveTo(spot + QPoint(3, 0));
    EXPECT_FALSE(w->Tracking());
    EXPECT_FALSE(w->isVisible());

    // A press on the hint reaches the control, at its place there, and ends the hint.
    AskForTip(hints, QPoint(3, 4));
    struct Presses : QObject {
        QList<QPoint> at;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonPress)
                at << static_cast<QMouseEvent*>(e)->position().toPoint();
            return false;
        }
    } presses;
    button_->installEventFilter(&presses);
    const QPoint inside(w->width() / 2, w->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, w->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    EXPECT_EQ(presses.at, QList<QPoint>{button_->mapFromGlobal(w->mapToGlobal(inside))});
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace vx
