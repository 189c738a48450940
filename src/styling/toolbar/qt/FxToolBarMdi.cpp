// The minimise, restore and close buttons a full-size menu-bar tool bar
// shows at its far end for the maximised child of its form's MDI area.
//
// While the buttons are switched on, one bar at a time watches the form,
// its MDI area and the area's sub-windows, and repaints whenever a child
// moves, is resized, changes its state, comes or goes.
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"

namespace vx {

namespace {

constexpr TColor kGreyGlyph = 0x808080;
constexpr TMdiButton kButtons[] = {TMdiButton::mbClose, TMdiButton::mbRestore,
                                   TMdiButton::mbMinimize};

int IndexOf(TMdiButton b) {
    return static_cast<int>(b);
}

// Whether the child has the caption button the bar's button stands for
// (close is always there).
bool ChildOffers(const QMdiSubWindow* child, TMdiButton b) {
    switch (b) {
        case TMdiButton::mbRestore:
            return child && child->windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
        case TMdiButton::mbMinimize:
            return child && child->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
        case TMdiButton::mbClose:
            break;
    }
    return true;
}

// The MDI area of the first widget from `w` upwards that holds one.
QMdiArea* MdiAreaFrom(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (auto* area = w->findChild<QMdiArea*>(QString(), Qt::FindDirectChildrenOnly))
            return area;
    return nullptr;
}

// The watch over one form: it repaints its bar when a child of the form's
// MDI area changes. It lives in the form and goes with it; removing it
// removes every event filter it installed.
class TMdiFormHook : public QObject {
  public:
    TMdiFormHook(TFxCustomToolBar* bar, QMdiArea* area)
        : QObject(area->parentWidget()), bar_(bar), area_(area) {
        QWidget* form = area->parentWidget();
        form->installEventFilter(this);
        area->installEventFilter(this);
        area->viewport()->installEventFilter(this);
        for (QMdiSubWindow* child : area->subWindowList())
            child->installEventFilter(this);
        connect(area, &QMdiArea::subWindowActivated, this, [this] { Repaint(); });
        // The bar goes: its watch ends once the present event is done.
        connect(bar, &QObject::destroyed, this, [this] {
            if (current_ == this) current_ = nullptr;
            GiveBackTitleBars();
            deleteLater();
        });
        // The bar shows the caption buttons of a maximised child, so the
        // child draws no title bar of its own while it is maximised.
        QWidget* window = form->window();
        if (!window->testAttribute(Qt::WA_CanHostQMdiSubWindowTitleBar)) {
            window->setAttribute(Qt::WA_CanHostQMdiSubWindowTitleBar);
            titleBarHost_ = window;
        }
    }
    ~TMdiFormHook() override {
        if (current_ == this) current_ = nullptr;
    }

    static TMdiFormHook* Current() { return current_; }
    static void Hold(TFxCustomToolBar* bar, QMdiArea* area) {
        Release();
        current_ = new TMdiFormHook(bar, area);
    }
    static void Release() {
        TMdiFormHook* hook = current_;
        current_ = nullptr;
        if (hook) hook->GiveBackTitleBars();
        delete hook;
    }
    TFxCustomToolBar* Bar() const { return bar_.data(); }
    QWidget* Form() const { return area_ ? area_->parentWidget() : nullptr; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::ChildAdded:
                if (area_ && watched == area_->viewport())
                    if (auto* child =
                            qobject_cast<QMdiSubWindow*>(static_cast<QChildEvent*>(event)->child()))
                        child->installEventFilter(this);
                Repaint();
                break;
            case QEvent::ChildRemoved:
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::WindowStateChange:
                Repaint();
                break;
            default:
                break;
        }
        return false;
    }

  private:
    void Repaint() {
        if (bar_) bar_->Invalidate();
    }
    void GiveBackTitleBars() {
        if (titleBarHost_) titleBarHost_->setAttribute(Qt::WA_CanHostQMdiSubWindowTitleBar, false);
        titleBarHost_ = nullptr;
    }

    static inline TMdiFormHook* current_ = nullptr;
    QPointer<TFxCustomToolBar> bar_;
    QPointer<QMdiArea> area_;
    QPointer<QWidget> titleBarHost_;  // the window this watch made a title-bar host
};

}  // namespace

// ---------------------------------------------------------------- switch

void TFxCustomToolBar::SetAutoMDIButtons(bool v) {
    if (v == autoMdiButtons_) return;
    autoMdiButtons_ = v;
    if (IsLoading()) return;  // Loaded switches it on again
    QMdiArea* area = MdiArea();
    TMdiFormHook* hook = TMdiFormHook::Current();
    if (v && FullSizeOn() && Menu()) {
        setMouseTracking(true);
        if (area && !(hook && hook->Form() == area->parentWidget())) TMdiFormHook::Hold(this, area);
        Invalidate();
        return;
    }
    // Only the watch of this bar or of its own form is given up.
    if (hook && (hook->Bar() == this || (area && hook->Form() == area->parentWidget()))) {
        if (QWidget* form = hook->Form()) form->clearMask();
        TMdiFormHook::Release();
        Invalidate();
    }
    autoMdiButtons_ = false;
}

// ---------------------------------------------------------------- the child

QMdiArea* TFxCustomToolBar::MdiArea() const {
    QWidget* start = panel_;
    if (!start && State() == TToolBarState::tsFloating) start = lastPanel_;
    if (!start) start = parentWidget();
    return MdiAreaFrom(start);
}

QMdiSubWindow* TFxCustomToolBar::ActiveMdiChild() const {
    QMdiArea* area = MdiArea();
    return area ? area->activeSubWindow() : nullptr;
}

TRect TFxCustomToolBar::MdiButtonRect(TMdiButton button) const {
    const QMdiSubWindow* child = ActiveMdiChild();
    TMdiBarState bar;
    bar.width = width();
    bar.height = height();
    bar.horizontal = Horizontal();
    bar.farEndReduction = ShowOptionIndicatorOn() && !FullSizeOn() ? RightHandleWidth() : 0;
    bar.childWithSystemMenu = child && child->windowFlags().testFlag(Qt::WindowSystemMenuHint);
    bar.floating = State() == TToolBarState::tsFloating;
    return MdiButtonRects(bar).Of(button);
}

bool TFxCustomToolBar::MdiButtonHit(TMdiButton button, TPoint p) const {
    return MdiButtonRect(button).Contains(p) && ChildOffers(ActiveMdiChild(), button);
}

// ---------------------------------------------------------------- actions

bool TFxCustomToolBar::MdiActionAllowed(QMdiSubWindow* child) const {
    return autoMdiButtons_ && child && child->isMaximized() && mdiShown_ &&
           State() != TToolBarState::tsFloating;
}

void TFxCustomToolBar::MdiClose() {
    QMdiSubWindow* child = ActiveMdiChild();
    if (MdiActionAllowed(child)) child->close();
}

void TFxCustomToolBar::MdiRestore() {
    QMdiSubWindow* child = ActiveMdiChild();
    if (MdiActionAllowed(child) && ChildOffers(child, TMdiButton::mbRestore)) child->showNormal();
}

void TFxCustomToolBar::MdiMinimize() {
    QMdiSubWindow* child = ActiveMdiChild();
    if (MdiActionAllowed(child) && ChildOffers(child, TMdiButton::mbMinimize))
        child->showMinimized();
}

// ---------------------------------------------------------------- mouse

bool TFxCustomToolBar::MdiMouse(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            // Buttons not shown (no maximised child, a floating bar) take
            // no press: the floating caption's own buttons may lie there.
            if (mouse->button() != Qt::LeftButton || !mdiShown_) return false;
            const TPoint p{mouse->position().toPoint().x(), mouse->position().toPoint().y()};
            for (TMdiButton b : kButtons)
                if (MdiButtonHit(b, p)) {
                    mdiDown_[IndexOf(b)] = true;
                    Repaint();
                    return true;
                }
            return false;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const TPoint p{mouse->position().toPoint().x(), mouse->position().toPoint().y()};
            for (TMdiButton b : kButtons) {
                bool& hot = mdiHot_[IndexOf(b)];
                const bool inside = mdiShown_ && MdiButtonHit(b, p);
                if (inside && !hot) {
                    hot = true;
                    Repaint();
                } else if (!inside && hot) {
                    hot = false;
                    update(ToQRect(MdiButtonRect(b)));
                }
            }
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            const TPoint p{mouse->position().toPoint().x(), mouse->position().toPoint().y()};
            auto release = [this](TMdiButton b) {
                mdiDown_[IndexOf(b)] = false;
                mdiHot_[IndexOf(b)] = false;
                Repaint();
            };
            if (mdiDown_[IndexOf(TMdiButton::mbClose)]) {
                release(TMdiButton::mbClose);
                if (MdiButtonHit(TMdiButton::mbClose, p)) MdiClose();
                return true;
            }
            if (mdiDown_[IndexOf(TMdiButton::mbRestore)]) {
                release(TMdiButton::mbRestore);
                MdiRestore();
                return true;
            }
            if (mdiDown_[IndexOf(TMdiButton::mbMinimize)]) {
                release(TMdiButton::mbMinimize);
                MdiMinimize();
                return true;
            }
            return false;
        }
        case QEvent::Leave:
            for (TMdiButton b : kButtons) {
                mdiHot_[IndexOf(b)] = false;
                mdiDown_[IndexOf(b)] = false;
                update(ToQRect(MdiButtonRect(b)));
            }
            return false;
        default:
            return false;
    }
}

// ---------------------------------------------------------------- paint

void TFxCustomToolBar::PaintMdiButtons(Canvas& canvas, const TCustomFxToolBarStyler& styler) {
    // Most bars show no MDI buttons: they look for no MDI area either.
    QMdiSubWindow* child = autoMdiButtons_ ? ActiveMdiChild() : nullptr;
    mdiShown_ = child && child->isMaximized() && State() != TToolBarState::tsFloating;
    if (!mdiShown_) return;
    const TButtonAppearance& look = styler.ButtonAppearance();
    for (TMdiButton b : kButtons) {
        const TRect r = MdiButtonRect(b);
        if (r.IsEmpty()) continue;
        TColor from = clNone, to = clNone, border = clNone;
        auto direction = toolbar::TGradientDirection::gdHorizontal;
        if (mdiDown_[IndexOf(b)]) {
            from = look.ColorDown();
            to = look.ColorDownTo();
            direction = look.GradientDirectionDown();
            border = look.BorderDownColor();
        } else if (mdiHot_[IndexOf(b)]) {
            from = look.ColorHot();
            to = look.ColorHotTo();
            direction = look.GradientDirectionHot();
            border = look.BorderHotColor();
        }
        if (from != clNone && to != clNone) {
            DrawGradient(canvas, from, to, 40, r, IsHorizontal(direction));
        } else if (from != clNone) {
            canvas.brush.style = BrushStyle::Solid;
            canvas.brush.color = from;
            canvas.FillRect(r);
        }
        if (border != clNone) {
            canvas.pen.color = border;
            canvas.brush.style = BrushStyle::Clear;
            canvas.Rectangle(r);
        }
        const TColor glyph = ChildOffers(child, b) ? clBlack : kGreyGlyph;
        const TMdiGlyph shape = MdiGlyph(b, r, Horizontal());
        canvas.pen.color = glyph;
        for (const std::vector<TPoint>& line : shape.lines)
            canvas.Polyline(line);
        if (!shape.bar.IsEmpty()) {
            canvas.brush.style = BrushStyle::Solid;
            canvas.brush.color = glyph;
            canvas.FillRect(shape.bar);
        }
    }
}

}  // namespace vx
