// A window whose family controls are dock sites, for the docking tests and
// their picture: a size panel on each edge, and in the middle a panel along
// the top over a page control. Small captioned forms dock into them.
#pragma once

#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <memory>

#include "platform/qt/AlignHost.h"
#include "platform/qt/DockDrag.h"
#include "platform/qt/Docking.h"
#include "widgets/qt/WgPageControl.h"
#include "widgets/qt/WgPanel.h"
#include "widgets/qt/WgSplit.h"

namespace vx::test {

// A form that can be docked: its colour, its caption written in the middle
// and an edit field that takes the focus.
class DockTestForm : public TCustomControl {
  public:
    DockTestForm(const QString& caption, TColor color) {
        setObjectName(caption);
        SetCaption(caption);
        SetParentColor(false);
        SetColor(color);
        SetDragKind(TDragKind::dkDock);
        resize(160, 90);
        edit = new QLineEdit(this);
        edit->setGeometry(8, 8, 80, 20);
    }
    QLineEdit* edit;

  protected:
    void Paint(Canvas& canvas) override {
        TCustomControl::Paint(canvas);
        TRect r = ClientRect();
        canvas.brush.style = BrushStyle::Clear;
        using namespace DrawTextFlags;
        canvas.DrawText(Caption().toStdString(), r, kCenter | kVCenter | kSingleLine);
    }
};

class DockTestWindow {
  public:
    DockTestWindow() {
        window = std::make_unique<QWidget>();
        window->setObjectName(QStringLiteral("DockTestWindow"));
        window->resize(760, 520);
        TAlignHost::Attach(window.get());
        top = SizePanel("TopSizePanel", TAlign::alTop, 96);
        bottom = SizePanel("BottomSizePanel", TAlign::alBottom, 96);
        left = SizePanel("LeftSizePanel", TAlign::alLeft, 170);
        right = SizePanel("RightSizePanel", TAlign::alRight, 170);
        centre = new TWgPanel(window.get());
        centre->setObjectName(QStringLiteral("CentrePanel"));
        centre->SetBorderOuter(TFrameStyle::fsNone);
        centre->SetAlign(TAlign::alClient);
        panel = new TWgPanel(centre);
        panel->setObjectName(QStringLiteral("DockPanel"));
        panel->SetAlign(TAlign::alTop);
        panel->SetBounds(0, 0, 100, 110);
        panel->SetDockSite(true);
        pages = new TWgPageControl(centre);
        pages->setObjectName(QStringLiteral("DockPages"));
        pages->SetAlign(TAlign::alClient);
        pages->SetDockSite(true);
        auto* first = new TWgTabSheet(pages);
        first->SetCaption(QStringLiteral("Start"));
        pages->SetActivePage(first);
    }

    TWgSizePanel* SizePanel(const char* name, TAlign align, int size) {
        auto* p = new TWgSizePanel(window.get());
        p->setObjectName(QString::fromLatin1(name));
        p->SetAlign(align);
        if (align == TAlign::alTop || align == TAlign::alBottom)
            p->SetBounds(0, 0, 100, size);
        else
            p->SetBounds(0, 0, size, 100);
        p->SetBorderOuter(TFrameStyle::fsFlat);
        p->SetHotSpotVisible(true);
        p->SetDockSite(true);
        return p;
    }

    DockTestForm* Form(const QString& caption, TColor color) {
        auto* form = new DockTestForm(caption, color);
        forms.emplace_back(form);
        return form;
    }

    void Show() {
        window->show();
        window->activateWindow();
        (void)QTest::qWaitForWindowExposed(window.get());
    }

    // Drags with the left button from `from` on `start` to the global
    // point `to`, in steps, and releases there.
    static void Drag(QWidget* start, QPoint from, QPoint to) {
        QTest::mousePress(start, Qt::LeftButton, {}, from);
        const QPoint begin = start->mapToGlobal(from);
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = begin + (to - begin) * step / 4;
            QTest::mouseMove(start, start->mapFromGlobal(at));
        }
        QTest::mouseRelease(start, Qt::LeftButton, {}, start->mapFromGlobal(to));
        QCoreApplication::processEvents();
    }
    static QPoint CentreOf(const QWidget* w) { return w->mapToGlobal(w->rect().center()); }

    std::unique_ptr<QWidget> window;
    TWgSizePanel* top;
    TWgSizePanel* bottom;
    TWgSizePanel* left;
    TWgSizePanel* right;
    TWgPanel* centre;
    TWgPanel* panel;
    TWgPageControl* pages;
    // Forms that float outside the window go with the test.
    std::vector<QPointer<DockTestForm>> forms;
    ~DockTestWindow() {
        for (auto& form : forms) {
            if (!form) continue;
            if (TFloatingDockWindow* w = form->FloatingDockWindow())
                delete w;
            else if (!form->parentWidget())
                delete form.data();
        }
    }
};

}  // namespace vx::test
