#include "styling/qt/FxToolBar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyleOptionToolButton>
#include <QTest>

#include "styling/qt/FxMenuStylers.h"
#include "support/QtWait.h"

namespace vx {
namespace {

TEST(ToolBarButtonDown, PlainPushButtonNeverStaysDown) {
    TFxToolBar bar("standard");
    TFxToolBarButton* save = bar.AddButton("保存");
    save->SetDown(true);
    EXPECT_FALSE(save->Down());
}

TEST(ToolBarButtonDown, CheckButtonKeepsWhatIsWrittenAndToggles) {
    TFxToolBar bar("standard");
    TFxToolBarButton* monitor = bar.AddButton("开始监控 F8", 35);
    monitor->SetStyle(TFxToolButtonStyle::tasCheck);
    monitor->SetDown(true);
    EXPECT_TRUE(monitor->Down());
    monitor->SetDown(true);
    EXPECT_TRUE(monitor->Down()) << "writing the value it has changes nothing";
    monitor->SetDown(false);
    EXPECT_FALSE(monitor->Down());

    bar.show();
    QTest::mouseClick(monitor, Qt::LeftButton);
    EXPECT_TRUE(monitor->Down());
    QTest::mouseClick(monitor, Qt::LeftButton);
    EXPECT_FALSE(monitor->Down());
}

TEST(ToolBarButtonDown, GroupMembersReleaseEachOther) {
    TFxToolBar bar("function");
    TFxToolBarButton* a = bar.AddButton("LD");
    TFxToolBarButton* b = bar.AddButton("LDI");
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    EXPECT_TRUE(a->Down());
    a->SetDown(false);
    EXPECT_TRUE(a->Down()) << "only another member releases a pressed one";
    b->SetDown(true);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());

    b->SetAllowAllUp(true);
    b->SetDown(false);
    EXPECT_FALSE(b->Down());
}

TEST(ToolBarButton, ClickOnlyWhenEnabledAndHintOnEnter) {
    TFxToolBar bar("standard");
    TFxToolBarButton* undo = bar.AddButton("撤消");
    bar.show();
    QSignalSpy clicks(undo, &QToolButton::clicked);
    undo->setEnabled(false);
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 0);
    undo->setEnabled(true);
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    QSignalSpy hints(undo, &TFxToolBarButton::MouseEntered);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(undo, &enter);
    ASSERT_EQ(hints.count(), 1);
    EXPECT_EQ(hints.at(0).at(0).toString(), QString("撤消"));
}

// The hot look (the raised face under the pointer) goes when a window opens
// over the button, modal or not, though no leave event comes.
TEST(ToolBarButton, AWindowOpeningOverTheButtonEndsItsHotLook) {
    for (bool modal : {true, false}) {
        QWidget window;
        auto* bar = new TFxToolBar("standard", &window);
        TFxToolBarButton* button = bar->AddButton("打开");
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window, test::kStateWaitMs));
        QTest::mouseMove(button, QPoint(4, 4));
        VX_WAIT_TRUE(button->underMouse(), test::kStateWaitMs);

        QWidget dialog;
        dialog.setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        dialog.setGeometry(QRect(button->mapToGlobal(QPoint(0, 0)), QSize(200, 100)));
        dialog.show();
        dialog.activateWindow();
        VX_WAIT_TRUE(!button->underMouse(), test::kStateWaitMs);
        QStyleOptionToolButton option;
        option.initFrom(button);
        EXPECT_FALSE(option.state & QStyle::State_MouseOver) << (modal ? "modal" : "not modal");
    }
}

TEST(ToolBarButton, ImageIndexPicksFromTheToolBarsImages) {
    TFxToolBar bar("standard");
    QPixmap off(16, 16), on(16, 16);
    off.fill(Qt::red);
    on.fill(Qt::green);
    bar.SetImages(QList<QIcon>(37));
    QList<QIcon> images = bar.Images();
    images[35] = QIcon(off);
    images[36] = QIcon(on);
    bar.SetImages(images);
    TFxToolBarButton* monitor = bar.AddButton("开始监控 F8", 35);
    EXPECT_EQ(monitor->icon().pixmap(16, 16).toImage().pixel(4, 4), QColor(Qt::red).rgb());
    monitor->SetImageIndex(36);
    EXPECT_EQ(monitor->ImageIndex(), 36);
    EXPECT_EQ(monitor->icon().pixmap(16, 16).toImage().pixel(4, 4), QColor(Qt::green).rgb());
}

TEST(ToolBarButton, GlyphIsReadWithoutSideEffects) {
    TFxToolBar bar("function");
    TFxToolBarButton* ld = bar.AddButton("LD");
    QPixmap glyph(34, 24);
    glyph.fill(Qt::blue);
    ld->SetGlyph(glyph);
    const QPixmap copy = ld->Glyph();
    EXPECT_EQ(copy.size(), QSize(34, 24));
    EXPECT_EQ(ld->Glyph().cacheKey(), copy.cacheKey());
}

TEST(OfficeStylers, StyleWriteRecoloursRegisteredWidgetsOnce) {
    TFxMenuOfficeStyler styler;
    TFxToolBar bar("standard");
    styler.Register(&bar);
    QSignalSpy changes(&styler, &TOfficeStylerBase::StyleChanged);
    const QColor blue = bar.palette().color(QPalette::Window);
    styler.SetStyle(2);
    EXPECT_EQ(styler.Style(), TOfficeStyle::osOffice2003Olive);
    EXPECT_NE(bar.palette().color(QPalette::Window), blue);
    styler.SetStyle(2);
    EXPECT_EQ(changes.count(), 1);
}

}  // namespace
}  // namespace vx
