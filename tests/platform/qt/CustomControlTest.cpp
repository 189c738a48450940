#include "platform/qt/CustomControl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <memory>

#include "platform/LoadingScope.h"
#include "platform/qt/AlignHost.h"
#include "support/QtWait.h"
#include "support/QuarteredControl.h"

namespace vx {
namespace {

using test::kStateWaitMs;

// A control that counts its notifications and has one published property
// of each effect.
class Probe : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;

    int inset = 0;  // narrows the children's room on every side
    int paints = 0, adjusts = 0, loads = 0;
    int colorChanges = 0, fontChanges = 0, enabledChanges = 0, textChanges = 0;
    int enters = 0, leaves = 0, parentChanges = 0;
    bool loadingSeenInLoaded = true;

    int Shade() const { return shade_; }
    bool SetShade(int shade) { return SetPublished(shade_, shade); }
    int Margin() const { return margin_; }
    bool SetMargin(int margin) { return SetPublished(margin_, margin, kRealign | kRepaint); }

  protected:
    void Paint(Canvas& canvas) override {
        ++paints;
        TCustomControl::Paint(canvas);
    }
    void AdjustClientRect(TRect& rect) override {
        ++adjusts;
        rect = rect.Inflated(-inset - margin_, -inset - margin_);
    }
    void Loaded() override {
        ++loads;
        loadingSeenInLoaded = IsLoading();
        TCustomControl::Loaded();
    }
    void ColorChanged() override {
        ++colorChanges;
        TCustomControl::ColorChanged();
    }
    void FontChanged() override {
        ++fontChanges;
        TCustomControl::FontChanged();
    }
    void EnabledChanged() override {
        ++enabledChanges;
        TCustomControl::EnabledChanged();
    }
    void TextChanged() override {
        ++textChanges;
        TCustomControl::TextChanged();
    }
    void MouseEnter() override { ++enters; }
    void MouseLeave() override { ++leaves; }
    void ParentChanged() override { ++parentChanges; }

  private:
    int shade_ = 7;  // the stored default
    int margin_ = 0;
};

QRect Place(const QWidget& w) {
    return w.geometry();
}

TEST(CustomControlTest, ArrangesControlsAndPlainWidgetsInTheAdjustedClientArea) {
    Probe parent;
    parent.inset = 2;
    parent.resize(200, 100);
    auto* top = new Probe(&parent);
    top->resize(10, 16);
    top->SetAlign(TAlign::alTop);
    auto* bottom = new QLabel(&parent);  // a plain Qt child
    bottom->resize(10, 20);
    SetWidgetAlign(bottom, TAlign::alBottom);
    auto* left = new Probe(&parent);
    left->resize(30, 5);
    left->SetAlign(TAlign::alLeft);
    auto* client = new QWidget(&parent);
    SetWidgetAlign(client, TAlign::alClient);
    auto* loose = new Probe(&parent);
    loose->setGeometry(150, 3, 5, 5);
    parent.show();  // Qt reports the changes of visible widgets at once

    EXPECT_EQ(Place(*top), QRect(2, 2, 196, 16));
    EXPECT_EQ(Place(*bottom), QRect(2, 78, 196, 20));
    EXPECT_EQ(Place(*left), QRect(2, 18, 30, 60));
    EXPECT_EQ(Place(*client), QRect(32, 18, 166, 60));
    EXPECT_EQ(Place(*loose), QRect(150, 3, 5, 5));

    parent.resize(300, 150);  // the parent's resize arranges again
    EXPECT_EQ(Place(*bottom), QRect(2, 128, 296, 20));
    EXPECT_EQ(Place(*client), QRect(32, 18, 266, 110));

    top->hide();  // hiding gives the room away
    EXPECT_EQ(Place(*left), QRect(2, 2, 30, 126));
    top->show();
    EXPECT_EQ(Place(*left), QRect(2, 18, 30, 110));

    left->SetAlign(TAlign::alRight);  // a new alignment moves it
    EXPECT_EQ(Place(*left), QRect(268, 18, 30, 110));
    EXPECT_EQ(Place(*client), QRect(2, 18, 266, 110));

    top->resize(10, 40);  // a child's new thickness moves its neighbours
    EXPECT_EQ(Place(*top), QRect(2, 2, 296, 40));
    EXPECT_EQ(Place(*client), QRect(2, 42, 266, 86));

    delete top;  // and so does a child leaving
    EXPECT_EQ(Place(*client), QRect(2, 2, 266, 126));
}

TEST(CustomControlTest, TopControlMovedAboveAnotherTakesTheFirstPlace) {
    Probe parent;
    parent.resize(100, 100);
    auto* first = new Probe(&parent);
    auto* second = new Probe(&parent);
    for (Probe* p : {first, second}) {
        p->resize(100, 16);
        p->SetAlign(TAlign::alTop);
    }
    // The second one, aligned where the first already stands, goes below it.
    EXPECT_EQ(first->y(), 0);
    EXPECT_EQ(second->y(), 16);
    second->SetBounds(0, 0, 100, 20);  // moved onto the first one's place
    EXPECT_EQ(second->y(), 0);
    EXPECT_EQ(first->y(), 20);
    first->SetBounds(0, 20, 100, 30);  // resized in its place: the order holds
    EXPECT_EQ(second->geometry(), QRect(0, 0, 100, 20));
    EXPECT_EQ(first->geometry(), QRect(0, 20, 100, 30));
    parent.SetBounds(0, 0, 50, 80);  // hidden, and arranged at once all the same
    EXPECT_EQ(first->geometry(), QRect(0, 20, 50, 30));

    // The same on a shown window, through plain Qt calls.
    parent.show();
    auto* third = new Probe(&parent);
    third->resize(50, 10);
    third->SetAlign(TAlign::alBottom);
    third->show();
    EXPECT_EQ(third->geometry(), QRect(0, 70, 50, 10));
    second->move(0, 60);  // moved below the first one
    EXPECT_EQ(first->geometry(), QRect(0, 0, 50, 30));
    EXPECT_EQ(second->geometry(), QRect(0, 30, 50, 20));
    second->resize(50, 5);
    EXPECT_EQ(second->geometry(), QRect(0, 30, 50, 5));
}

TEST(CustomControlTest, PlainWindowWithAHostArrangesControls) {
    QWidget window;
    window.resize(120, 80);
    TAlignHost::Attach(&window);
    EXPECT_EQ(TAlignHost::Attach(&window), TAlignHost::Of(&window));
    auto* bar = new Probe(&window);
    bar->resize(5, 16);
    bar->SetAlign(TAlign::alTop);
    auto* body = new Probe(&window);
    body->SetAlign(TAlign::alClient);
    EXPECT_EQ(Place(*bar), QRect(0, 0, 120, 16));
    EXPECT_EQ(Place(*body), QRect(0, 16, 120, 64));
    window.show();
    window.resize(60, 40);
    EXPECT_EQ(Place(*body), QRect(0, 16, 60, 24));
}

TEST(CustomControlTest, ColourFollowsParentsUntilAControlHasItsOwn) {
    Probe root;
    root.SetColor(clRed);
    auto* child = new Probe(&root);     // follows from its creation
    auto* middle = new QWidget(child);  // a plain widget in between
    auto* grandchild = new Probe(middle);
    auto* own = new Probe(&root);
    own->SetColor(clBlue);
    EXPECT_TRUE(child->ParentColor());
    EXPECT_EQ(child->Color(), clRed);
    EXPECT_EQ(grandchild->Color(), ColorToRGB(clRed));
    EXPECT_FALSE(own->ParentColor());

    root.SetColor(clLime);
    EXPECT_EQ(child->Color(), clLime);
    EXPECT_EQ(child->colorChanges, 1);
    EXPECT_TRUE(child->ParentColor());  // taking the parent's keeps following
    EXPECT_EQ(grandchild->Color(), ColorToRGB(clLime));
    EXPECT_EQ(own->Color(), clBlue);

    child->SetColor(clYellow);  // its own colour ends the following
    EXPECT_FALSE(child->ParentColor());
    root.SetColor(clGray);
    EXPECT_EQ(child->Color(), clYellow);
    EXPECT_EQ(grandchild->Color(), ColorToRGB(clYellow));
    child->SetParentColor(true);  // and following again takes the parent's
    EXPECT_EQ(child->Color(), clGray);
    EXPECT_EQ(grandchild->Color(), ColorToRGB(clGray));

    Probe other;  // moved to another parent, it follows that one
    other.SetColor(clPurple);
    child->setParent(&other);
    EXPECT_EQ(child->parentChanges, 1);
    EXPECT_EQ(child->Color(), clPurple);
    EXPECT_EQ(grandchild->Color(), ColorToRGB(clPurple));
    child->setParent(&root);

    const int before = child->colorChanges;
    child->SetColor(clGray);  // unchanged: nothing, and still following
    EXPECT_EQ(child->colorChanges, before);
    EXPECT_TRUE(child->ParentColor());
}

TEST(CustomControlTest, FontFollowsParentsUntilAControlHasItsOwn) {
    Probe root;
    CanvasFont big;
    big.name = "Tahoma";
    big.size = 14;
    big.bold = true;
    root.SetFont(big);
    auto* child = new Probe(&root);
    auto* label = new QLabel(child);
    auto* grandchild = new Probe(label);
    EXPECT_EQ(child->Font(), big);
    EXPECT_EQ(grandchild->Font().size, 14);
    EXPECT_TRUE(grandchild->Font().bold);

    CanvasFont small = big;
    small.size = 8;
    small.bold = false;
    root.SetFont(small);
    EXPECT_EQ(child->Font(), small);
    EXPECT_EQ(child->fontChanges, 1);
    EXPECT_EQ(grandchild->Font().size, 8);  // through the plain label
    EXPECT_EQ(label->font().pixelSize(), ToQFont(small).pixelSize());

    CanvasFont mine = small;
    mine.italic = true;
    child->SetFont(mine);
    EXPECT_FALSE(child->ParentFont());
    root.SetFont(big);
    EXPECT_EQ(child->Font(), mine);
    EXPECT_TRUE(grandchild->Font().italic);
    child->SetParentFont(true);
    EXPECT_EQ(child->Font(), big);
    EXPECT_FALSE(grandchild->Font().italic);
}

TEST(CustomControlTest, ControlInAPlainWindowTakesItsBackgroundAndFont) {
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(242, 247, 251));
    window.setPalette(palette);
    auto* box = new Probe(&window);
    EXPECT_EQ(box->Color(), RGBColor(242, 247, 251));
    palette.setColor(QPalette::Window, QColor(10, 20, 30));
    window.setPalette(palette);
    EXPECT_EQ(box->Color(), RGBColor(10, 20, 30));
    QFont font = window.font();
    font.setPixelSize(20);
    window.setFont(font);
    EXPECT_EQ(box->Font().size, 15);  // 20 pixels at 96 pixels per inch
}

TEST(CustomControlTest, PublishedSetterIgnoresAnUnchangedValueAndRepaintsOrRealigns) {
    Probe control;
    control.resize(50, 50);
    control.show();
    VX_WAIT_TRUE(control.paints > 0, kStateWaitMs);
    EXPECT_EQ(control.Shade(), 7);
    const int adjusts = control.adjusts;

    EXPECT_FALSE(control.SetShade(7));
    EXPECT_FALSE(control.SetMargin(0));
    QApplication::processEvents();
    const int paints = control.paints;
    EXPECT_EQ(control.adjusts, adjusts);

    EXPECT_TRUE(control.SetShade(9));
    EXPECT_EQ(control.Shade(), 9);
    EXPECT_EQ(control.adjusts, adjusts);  // a repaint-only property
    VX_WAIT_TRUE(control.paints > paints, kStateWaitMs);

    auto* child = new Probe(&control);
    child->SetAlign(TAlign::alClient);
    child->show();
    EXPECT_TRUE(control.SetMargin(5));
    EXPECT_EQ(child->geometry(), QRect(5, 5, 40, 40));
}

TEST(CustomControlTest, LoadingStoresAndLoadedArrangesOnce) {
    std::unique_ptr<Probe> parent;
    Probe *bar = nullptr, *body = nullptr;
    {
        TLoadingScope loading;
        parent = std::make_unique<Probe>();
        parent->resize(100, 60);
        parent->SetColor(clAqua);
        bar = new Probe(parent.get());
        bar->resize(1, 16);
        bar->SetAlign(TAlign::alTop);
        body = new Probe(parent.get());
        body->SetAlign(TAlign::alClient);
        body->SetMargin(3);
        QApplication::processEvents();
        EXPECT_TRUE(parent->IsLoading());
        EXPECT_EQ(parent->adjusts, 0);
        EXPECT_EQ(body->adjusts, 0);
        EXPECT_EQ(bar->geometry().top(), 0);
        EXPECT_EQ(bar->width(), 1);  // not arranged yet
        EXPECT_EQ(parent->paints, 0);
        EXPECT_EQ(body->Margin(), 3);  // but stored
        EXPECT_EQ(body->Color(), clAqua);
    }
    EXPECT_EQ(parent->loads, 1);
    EXPECT_EQ(bar->loads, 1);
    EXPECT_FALSE(parent->loadingSeenInLoaded);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 100, 16));
    EXPECT_EQ(body->geometry(), QRect(0, 16, 100, 44));
    parent->show();
    VX_WAIT_TRUE(bar->paints > 0 && body->paints > 0, kStateWaitMs);

    // A control's own bracket.
    body->BeginLoading();
    body->SetMargin(4);
    body->SetAlign(TAlign::alBottom);
    EXPECT_EQ(body->geometry(), QRect(0, 16, 100, 44));
    body->EndLoading();
    EXPECT_EQ(body->loads, 2);
    EXPECT_EQ(body->geometry(), QRect(0, 16, 100, 44));  // already at the bottom
    body->resize(100, 10);
    EXPECT_EQ(body->geometry(), QRect(0, 50, 100, 10));
}

TEST(CustomControlTest, NotificationsOfEnabledCaptionAndMouse) {
    Probe parent;
    auto* child = new Probe(&parent);
    parent.SetEnabled(false);
    EXPECT_EQ(parent.enabledChanges, 1);
    EXPECT_EQ(child->enabledChanges, 0);  // its own flag did not change
    EXPECT_TRUE(child->Enabled());
    EXPECT_FALSE(child->isEnabled());
    child->SetEnabled(false);  // inside a disabled parent: still told
    EXPECT_EQ(child->enabledChanges, 1);
    EXPECT_FALSE(child->Enabled());
    parent.SetEnabled(true);
    EXPECT_FALSE(child->isEnabled());
    EXPECT_EQ(child->enabledChanges, 1);

    child->SetCaption(QStringLiteral("面板"));
    child->SetCaption(QStringLiteral("面板"));
    EXPECT_EQ(child->textChanges, 1);
    EXPECT_TRUE(child->setProperty("Caption", QStringLiteral("Panel")));  // by name
    EXPECT_EQ(child->Caption(), QStringLiteral("Panel"));
    EXPECT_EQ(child->textChanges, 2);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(child, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(child, &leave);
    EXPECT_EQ(child->enters, 1);
    EXPECT_EQ(child->leaves, 1);
}

using test::Quartered;

TEST(CustomControlTest, PaintsThroughTheCanvasAndShowsTheImageWhole) {
    Quartered control;
    control.SetColor(clBlue);
    control.resize(40, 20);
    const QImage painted = control.PaintedImage();
    EXPECT_EQ(painted.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(painted.pixel(19, 9), qRgb(255, 0, 0));
    EXPECT_EQ(painted.pixel(20, 9), qRgb(0, 0, 255));
    EXPECT_EQ(painted.pixel(39, 19), qRgb(0, 0, 255));
    const QImage shown = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, painted);
}

TEST(CustomControlTest, ParentImageIsTheParentsPaintingUnderTheControl) {
    Quartered parent;
    parent.SetColor(clBlue);
    parent.resize(40, 40);
    auto* child = new Probe(&parent);
    child->SetColor(clWhite);
    child->setGeometry(15, 15, 10, 10);  // across the red block's corner
    const QImage under = child->ParentImage();
    ASSERT_EQ(under.size(), QSize(10, 10));
    EXPECT_EQ(under.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(under.pixel(4, 4), qRgb(255, 0, 0));
    EXPECT_EQ(under.pixel(5, 4), qRgb(0, 0, 255));
    EXPECT_EQ(under.pixel(9, 9), qRgb(0, 0, 255));

    QWidget window;
    window.resize(50, 50);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    window.setPalette(palette);
    auto* inWindow = new Probe(&window);
    inWindow->setGeometry(30, 30, 8, 8);
    const QImage fromWindow = inWindow->ParentImage();
    EXPECT_EQ(fromWindow.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(fromWindow.pixel(7, 7), qRgb(1, 2, 3));
}

}  // namespace
}  // namespace vx
