#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "../../../support/QtWait.h"
#include "../../../support/TempFolder.h"
#include "platform/LoadingScope.h"
#include "platform/paint/DesktopMetrics.h"
#include "platform/qt/AlignHost.h"
#include "styling/customizer/qt/CustomizeOption.h"
#include "styling/customizer/qt/CustomizerU.h"
#include "styling/customizer/qt/ToolBarCustomizer.h"
#include "styling/toolbar/OptionPanelLayout.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarOption.h"

namespace vx {
namespace {

// A docked bar "Standard" of two buttons, all of them on the bar, with the
// add-or-remove entry on; its customizer is made by the test.
struct CustomizedBar {
    DesktopMetricsScope desktop{[] {
        DesktopMetrics m;
        m.screens = {{{0, 0, 1600, 1200}, {0, 0, 1600, 1170}}};
        return m;
    }()};
    test::TempFolder temp;
    QWidget form;
    TFxToolBar* bar = nullptr;

    CustomizedBar() {
        form.resize(600, 43);
        form.move(100, 100);
        TAlignHost::Attach(&form);
        {
            TLoadingScope scope;
            auto* panel = new TFxDockPanel(&form);
            panel->SetBounds(0, 0, 600, 43);
            bar = new TFxToolBar(panel);
            bar->setObjectName("FxToolBar1");
            bar->SetCaption("Standard");
            bar->SetBounds(3, 1, 300, 28);
            bar->SetAutoOptionMenu(true);
            bar->SetTextAutoOptionMenu("Add");  // narrower than the entry with any font
            for (const char* name : {"BtnOpen", "BtnSave"}) {
                auto* b = new TFxToolBarButton(bar);
                b->setObjectName(name);
                b->SetCaption(QString(name).mid(3));
            }
        }
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    TControlSelectorPanel* Open() {
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 5, bar->height() / 2));
        TOptionSelectorWindow* window = bar->OptionWindow();
        EXPECT_TRUE(window != nullptr && window->isVisible());
        if (window != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window != nullptr ? window->OptionsPanel() : nullptr;
    }
};

// The mouse onto a point of a control, through its window: the form may
// stand under the option window at that point of the screen.
void MoveTo(QWidget* control, QPoint at) {
    QWidget* window = control->window();
    QTest::mouseMove(window->windowHandle(), control->mapTo(window, at));
}

// The mouse onto an entry of the panel, from elsewhere.
void Hover(TControlSelectorPanel* panel, const TRect& entry) {
    MoveTo(panel, QPoint(1, 1));
    MoveTo(panel, QPoint(entry.left + 20, entry.top + 5));
}

TEST(CustomizeOptionTest, TheEntryClosesTheWindowsAndOpensTheDialog) {
    CustomizedBar f;
    auto owned = std::make_unique<TToolBarCustomizer>();
    TToolBarCustomizer& customizer = *owned;
    customizer.setObjectName("Customizer1");
    customizer.SetIniFile(QString::fromStdString(f.temp / "custom.ini"));
    customizer.SetToolBar(f.bar);
    customizer.ToolBarLoaded();
    ASSERT_EQ(f.bar->Customizer(), &customizer);

    TControlSelectorPanel* panel = f.Open();
    ASSERT_TRUE(panel);
    TOptionSelectorWindow* window = f.bar->OptionWindow();
    // The options entry above the add-or-remove entry.
    EXPECT_TRUE(panel->HasOptions());
    EXPECT_EQ(panel->OptionsEntry().caption, "Options");
    EXPECT_EQ(panel->OptionsEntry().rect, (TRect{3, 3, 133, 23}));
    EXPECT_EQ(panel->AddRemoveEntry().rect, (TRect{3, 23, 133, 43}));
    EXPECT_EQ(window->size(), QSize(136, 46));

    // Hovering it opens the customize entry beside it, the bar's caption
    // followed by the customize text.
    Hover(panel, panel->OptionsEntry().rect);
    EXPECT_TRUE(panel->OptionsHot());
    TOptionSelectorWindow* side = panel->CustomizeWindow();
    ASSERT_TRUE(side);
    VX_WAIT_TRUE(side->isVisible(), test::kStateWaitMs);
    auto* entry = side->findChild<TCustomizeOption*>("CustomizeOption");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Caption(), "Standard Customize...");
    EXPECT_EQ(entry->height(), 25);
    EXPECT_EQ(entry->EntryRect(), (TRect{3, 3, entry->width() - 3, 22}));
    EXPECT_EQ(side->size(), entry->size());
    EXPECT_EQ(side->pos(), panel->mapToGlobal(QPoint(133, 3)));

    // The add-or-remove entry hides it, the option window stays.
    Hover(panel, panel->AddRemoveEntry().rect);
    EXPECT_FALSE(side->isVisible());
    EXPECT_TRUE(window->isVisible());
    Hover(panel, panel->OptionsEntry().rect);
    VX_WAIT_TRUE(side->isVisible(), test::kStateWaitMs);
    EXPECT_FALSE(panel->AddRemovePopup()->isVisible());

    // Chosen, it closes both windows before the dialog opens.
    QSignalSpy showing(&customizer, &TToolBarCustomizer::ShowDialog);
    const QPoint middle = entry->rect().center();
    MoveTo(entry, middle);
    EXPECT_TRUE(entry->Hot());
    bool closedFirst = false;
    test::WhenModal(&f.form, [&](QWidget* modal) {
        closedFirst = qobject_cast<TCustomizerForm*>(modal) != nullptr && !window->isVisible() &&
                      !side->isVisible();
        QTest::mouseClick(modal->findChild<QPushButton*>("BtnCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(entry, Qt::LeftButton, {}, middle);
    EXPECT_TRUE(closedFirst);
    EXPECT_EQ(showing.count(), 1);
    EXPECT_FALSE(entry->Hot());
    EXPECT_EQ(f.bar->GetFTBControlCount(), 2);

    // With an option menu as well, the entry opens the menu instead.
    QMenu options;
    options.addAction("&Reset");
    f.bar->SetOptionMenu(&options);
    panel = f.Open();
    QCursor::setPos(0, 0);  // the menu's watch reads it: off the add-or-remove entry
    Hover(panel, panel->OptionsEntry().rect);
    VX_WAIT_TRUE(options.isVisible(), test::kStateWaitMs);
    EXPECT_FALSE(side->isVisible());
    options.close();
    VX_WAIT_TRUE(!window->isVisible(), test::kStateWaitMs);
    f.bar->SetOptionMenu(nullptr);

    // The customizer, then the bar, go while the windows are open.
    panel = f.Open();
    Hover(panel, panel->OptionsEntry().rect);
    VX_WAIT_TRUE(side->isVisible(), test::kStateWaitMs);
    owned.reset();
    Hover(panel, panel->OptionsEntry().rect);
    QTest::mouseClick(entry, Qt::LeftButton, {}, middle);
    EXPECT_FALSE(side->isVisible());
    panel = f.Open();
    EXPECT_FALSE(panel->HasOptions());
    delete f.bar;

    // Beside the entry, or left of it at the work area's right.
    EXPECT_EQ(OptionsEntryWindowOrigin({500, 100, 630, 120}, 150, {0, 0, 800, 600}),
              (TPoint{630, 100}));
    EXPECT_EQ(OptionsEntryWindowOrigin({700, 100, 830, 120}, 150, {0, 0, 900, 600}),
              (TPoint{550, 100}));
    // Ending on the work area's right edge exactly, and a pixel past it.
    EXPECT_EQ(OptionsEntryWindowOrigin({520, 100, 650, 120}, 150, {0, 0, 800, 600}),
              (TPoint{650, 100}));
    EXPECT_EQ(OptionsEntryWindowOrigin({521, 100, 651, 120}, 150, {0, 0, 800, 600}),
              (TPoint{371, 100}));
}

TEST(CustomizeOptionTest, ABarWithoutCustomizerShowsNoOptionsEntry) {
    CustomizedBar f;
    {
        TToolBarCustomizer customizer;
        customizer.SetToolBar(f.bar);
        ASSERT_EQ(f.bar->Customizer(), &customizer);
    }
    EXPECT_EQ(f.bar->Customizer(), nullptr);  // the customizer took itself off
    TControlSelectorPanel* panel = f.Open();
    ASSERT_TRUE(panel);
    EXPECT_FALSE(panel->HasOptions());
    EXPECT_TRUE(panel->OptionsEntry().rect.IsEmpty());
    EXPECT_EQ(panel->AddRemoveEntry().rect, (TRect{3, 3, 133, 23}));
    Hover(panel, TRect{3, 3, 133, 23});
    EXPECT_EQ(panel->CustomizeWindow(), nullptr);
    f.bar->Customize();  // nothing to open
}

}  // namespace
}  // namespace vx
