#include "platform/qt/SpeedButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QTest>

namespace vx {
namespace {

QRgb Rgb(TColor color) {
    return ToQColor(color).rgb();
}

TEST(SpeedButtonTest, ClicksOnReleaseOverItAndShowsPressedOnlyWhileOverIt) {
    TSpeedButton button;
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.State(), TButtonState::bsDown);
    QTest::mouseMove(&button, QPoint(40, 5));  // off the button, still held
    EXPECT_EQ(button.State(), TButtonState::bsUp);
    QTest::mouseMove(&button, QPoint(6, 6));
    EXPECT_EQ(button.State(), TButtonState::bsDown);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), TButtonState::bsUp);
    EXPECT_FALSE(button.Down());  // not a group member: never stays down

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(50, 5));  // released off it
    EXPECT_EQ(clicks, 1);
    QTest::mousePress(&button, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
}

TEST(SpeedButtonTest, GroupMembersGoDownOneAtATime) {
    QWidget bar;
    auto* a = new TSpeedButton(&bar);
    auto* b = new TSpeedButton(&bar);
    auto* other = new TSpeedButton(&bar);
    a->SetDown(true);
    EXPECT_FALSE(a->Down());  // GroupIndex 0
    for (TSpeedButton* button : {a, b})
        button->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);
    a->SetDown(true);
    EXPECT_EQ(a->State(), TButtonState::bsExclusive);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(other->Down());  // another group
    b->SetDown(false);           // only another member lets it up
    EXPECT_TRUE(b->Down());

    // A click on the down member keeps it down; with AllowAllUp it comes up.
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(b->Down());
    a->SetAllowAllUp(true);  // the group shares the setting
    EXPECT_TRUE(b->AllowAllUp());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(b->Down());
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(a->Down());
}

TEST(SpeedButtonTest, FramesByState) {
    TSpeedButton button;
    button.resize(23, 22);
    QImage up = button.PaintedImage();
    EXPECT_EQ(up.pixel(0, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(up.pixel(1, 1), Rgb(cl3DLight));
    EXPECT_EQ(up.pixel(22, 21), Rgb(cl3DDkShadow));
    EXPECT_EQ(up.pixel(21, 20), Rgb(clBtnShadow));
    EXPECT_EQ(up.pixel(11, 11), Rgb(clBtnFace));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QImage pressed = button.PaintedImage();
    EXPECT_EQ(pressed.pixel(0, 0), Rgb(cl3DDkShadow));
    EXPECT_EQ(pressed.pixel(22, 21), Rgb(clBtnHighlight));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));

    button.SetFlat(true);
    button.SetTransparent(false);
    QImage flat = button.PaintedImage();
    EXPECT_EQ(flat.pixel(0, 0), Rgb(clBtnFace));  // no frame until the pointer comes
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&button, &enter);
    QImage hot = button.PaintedImage();
    EXPECT_EQ(hot.pixel(0, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(hot.pixel(22, 21), Rgb(clBtnShadow));
    EXPECT_EQ(hot.pixel(1, 1), Rgb(clBtnFace));
}

TEST(SpeedButtonTest, GlyphIsCentredMovesWhenPressedAndIsEmbossedWhenDisabled) {
    TSpeedButton button;
    button.resize(23, 22);
    // A 3 x 2 glyph: a red pixel at (1, 0), the rest the transparent colour
    // of its bottom-left pixel.
    QImage glyph(3, 2, QImage::Format_RGB32);
    glyph.fill(qRgb(0, 255, 0));
    glyph.setPixel(1, 0, qRgb(255, 0, 0));
    button.SetGlyph(glyph);
    // Centred: x = (23 - 3 + 1) div 2 = 10, y = (22 - 2 + 1) div 2 = 10.
    QImage up = button.PaintedImage();
    EXPECT_EQ(up.pixel(11, 10), qRgb(255, 0, 0));
    EXPECT_EQ(up.pixel(10, 10), Rgb(clBtnFace));  // transparent
    EXPECT_EQ(up.pixel(10, 11), Rgb(clBtnFace));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button.PaintedImage().pixel(12, 11), qRgb(255, 0, 0));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));

    button.SetEnabled(false);
    QImage disabled = button.PaintedImage();
    EXPECT_EQ(disabled.pixel(11, 10), Rgb(clBtnShadow));
    EXPECT_EQ(disabled.pixel(12, 11), Rgb(clBtnHighlight));
}

}  // namespace
}  // namespace vx
