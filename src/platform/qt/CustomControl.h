// The control every painted widget of the tool stands on.
//
// A QWidget with the behaviour the widget family was written against:
// - Align: the control sticks to an edge of its parent or fills it (see
//   ControlAlign.h). Its own children are arranged within ClientRect() as
//   narrowed by AdjustClientRect(), by AlignControls(); plain Qt children take
//   part through SetWidgetAlign (AlignHost.h).
// - Color/ParentColor and Font/ParentFont: a control with ParentColor
//   (ParentFont) follows its parent's colour (font) down the tree until it is
//   given one of its own. A plain Qt parent gives its background colour and
//   its font.
// - Notifications after the change: ColorChanged, FontChanged,
//   EnabledChanged (the control's own Enabled flag), TextChanged (Caption),
//   MouseEnter and MouseLeave; ParentColorChanged and ParentFontChanged when
//   the parent's changes, ParentChanged when the parent is another.
// - The loading bracket (Loadable.h): while loading, setters store without
//   repainting or re-arranging; Loaded() then does both once.
// - Published properties: SetPublished() ignores an unchanged value, stores
//   a new one and repaints and/or re-arranges; a property's stored default is
//   the initial value of its field.
// - Painting: Paint() draws on a Canvas over an off-screen image of the whole
//   control, which is then copied to the screen in one piece. A transparent
//   control starts its image with ParentImage(), the parent's painting under it.
// - Docking (Docking.h): a control with DockSite takes docked clients, laid
//   out and captioned by its dock manager when UseDockManager; a control with
//   the dock drag kind is dragged onto a site, out of it to float in a window
//   of its own, and back.
// - Plain drag and drop (Qt's own): with OnDragOver set the control is a
//   drop target; DragOver() asks the handler whether a drag over a point may
//   drop there, DragDrop() hands an accepted drop to OnDragDrop, and
//   DragEnded() follows when the drag leaves or is dropped.
// - Hints: HintFor() gives the hint at a point and the area it holds over
//   (ControlHint.h); the desktop's tool tip and the balloon hints show it.
#pragma once

#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/ControlAlign.h"
#include "platform/Loadable.h"
#include "platform/paint/Canvas.h"
#include "platform/qt/ControlHint.h"

namespace vx {

class TAlignHost;
class TDockTree;
class TFloatingDockWindow;
struct TDockPlace;

// What dragging the control does: nothing of its own (plain drag) or docking.
enum class TDragKind { dkDrag, dkDock };
// dmAutomatic: a left press on the control starts its drag.
enum class TDragMode { dmManual, dmAutomatic };
// Where a plain drag is in passing over a control.
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// What changed in a docked client that its site hears of.
enum class TDockNotice { dnCaption, dnVisibility };

class TCustomControl : public QWidget, public TLoadable {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

  public:
    // A drag from `source` (the widget of this program it started from, or
    // none) is at (x, y) in the control; `accept` (true on entry) says
    // whether it may drop there.
    using TDragOverEvent = std::function<void(TCustomControl& sender, QObject* source, int x, int y,
                                              TDragState state, bool& accept)>;
    // An accepted drag was dropped at (x, y).
    using TDragDropEvent =
        std::function<void(TCustomControl& sender, QObject* source, int x, int y)>;

    explicit TCustomControl(QWidget* parent = nullptr);
    ~TCustomControl() override;

    TAlign Align() const;
    virtual void SetAlign(TAlign align);
    // Places the control. Its children and, for an aligned control, its
    // parent's children are arranged again at once, even while the window is
    // hidden (plain resizes and moves of a hidden widget are arranged when it
    // is shown, as Qt reports them only then).
    virtual void SetBounds(int left, int top, int width, int height);
    // Arranges the children again (nothing while loading).
    void Realign();

    // The control's own area, (0, 0, width, height).
    TRect ClientRect() const;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

    const CanvasFont& Font() const { return font_; }
    void SetFont(const CanvasFont& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The control's own flag: a control inside a disabled parent keeps it.
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // Shows the control and has the controls around it bring it into view
    // (a page control shows the page it lies on), innermost first.
    void Show();

    // Repaints later, or at once (nothing while loading).
    void Invalidate();
    void Repaint();

    // The control painted by Paint() on a new image of its size.
    QImage PaintedImage();
    // The parent's own painting (without its children) under this control,
    // as an image of this control's size; white when there is no parent.
    QImage ParentImage() const;
    // The part `area` (in client coordinates) of the control's last painting
    // on screen, at its pixel ratio; null when it has not been painted at its
    // present size. Children that look windowless start with it, so the
    // control is not painted again for each of them.
    QImage LastPainting(const QRect& area) const;

    // Docking, the site's side. A dock site takes dragged clients; with
    // UseDockManager (off unless a control turns it on) its dock manager,
    // made by CreateDockManager, lays them out and paints their caption bars.
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool dockSite);
    bool UseDockManager() const { return useDockManager_; }
    void SetUseDockManager(bool use);
    TDockTree* DockManager() const { return dockManager_; }
    // The clients docked here, in their order.
    QList<TCustomControl*> DockClients() const;
    // The rectangle the site's clients lie in: the client rectangle as
    // AdjustClientRect narrows it.
    TRect DockClientArea();

    // Docking, the client's side.
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind kind) { dragKind_ = kind; }
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode);
    // The site the control is docked in, or none.
    TCustomControl* HostDockSite() const;
    // The window it floats in, or none.
    TFloatingDockWindow* FloatingDockWindow() const;
    bool Floating() const { return FloatingDockWindow() != nullptr; }
    // The size it floats at (its size before it was first docked).
    int UndockWidth() const { return undockWidth_; }
    int UndockHeight() const { return undockHeight_; }
    // Docks the control into `site` (at the end of its clients, or at
    // `index`), out of the site or window it was in; nothing when the site
    // is no dock site or lies inside the control.
    bool ManualDock(TCustomControl* site, int index = -1);
    // Floats the control in a window of its own whose frame is `window` (on
    // the screen); a floating control's window only moves there.
    void ManualFloat(const QRect& window);
    // Starts a dock drag pressed at `globalPress`; it begins once the mouse
    // has moved the drag distance, or at once when `immediate`.
    void BeginDockDrag(const QPoint& globalPress, bool immediate = false);
    // Plain drag and drop. Setting a drag-over handler makes the control a
    // drop target; without one it takes no drops.
    const TDragOverEvent& OnDragOver() const { return onDragOver_; }
    void SetOnDragOver(TDragOverEvent handler);
    TDragDropEvent OnDragDrop;

    // The hint for the mouse at `pos`: by default the control's tool tip
    // over the whole control. A control whose parts have hints of their own
    // gives the part's text and area.
    virtual TControlHint HintFor(QPoint pos) const;
    // Whether the control shows hints: with ParentShowHint (the default) as
    // its parent control does (a parent that is no such control shows
    // them), else as set. Writing ShowHint turns ParentShowHint off.
    bool ShowHint() const;
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v) { parentShowHint_ = v; }
    // The hint at `pos` when the control shows hints, else none (the
    // parent's hint is looked for then).
    TControlHint ShownHintAt(QPoint pos) const {
        return ShowHint() ? HintFor(pos) : TControlHint{};
    }

  protected:
    enum Effect : unsigned { kStoreOnly = 0, kRepaint = 1, kRealign = 2 };

    // The published-property setter: an unchanged value does nothing and
    // returns false; a new one is stored, the effects follow (not while
    // loading; Loaded() does them) and true is returned.
    template <typename T>
    bool SetPublished(T& field, const T& value, unsigned effects = kRepaint) {
        if (field == value) return false;
        field = value;
        ApplyEffects(effects);
        return true;
    }
    void ApplyEffects(unsigned effects);

    // Draws the control; the canvas starts with the control's font and a
    // brush of its colour. The default fills the client area with Color.
    virtual void Paint(Canvas& canvas);
    // Narrows the rectangle the children are arranged in.
    virtual void AdjustClientRect(TRect& rect) { (void)rect; }
    // Arranges the children within `rect`; `control` is the child whose
    // change asked for it, or null.
    virtual void AlignControls(QWidget* control, TRect& rect);

    virtual void ColorChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // The parent's colour or font changed; by default a control with
    // ParentColor (ParentFont) takes it.
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    // The control was given another parent (after taking its colour and
    // font when it follows them).
    virtual void ParentChanged() {}
    // A control inside this one asks to be brought into view; `child` is
    // the child of this control that holds it (or is it). Nothing by default.
    virtual void ShowControl(QWidget* child) { (void)child; }

    // Docking hooks of a site. The dock manager the site uses (a plain dock
    // tree by default).
    virtual TDockTree* CreateDockManager();
    // Whether `client` dragged to `at` (in the site) may dock, and where:
    // the place and the rectangle shown (in the site).
    virtual bool DockOver(TCustomControl& client, TPoint at, TDockPlace& place);
    // The client joins the site at `place` (it is its parent's child still,
    // or floating, or new); the default gives it to the dock manager, or
    // puts it at the place's rectangle without one.
    virtual void DockDrop(TCustomControl& client, const TDockPlace& place);
    // The client left: it is about to be given another parent, or it was
    // given one by code, or it is being destroyed (still a control then,
    // which the site must not keep hold of). The site frees or lays out
    // what the client leaves.
    virtual void UndockClient(TCustomControl& client);
    // Whether the client still lies where the site put it (a child of the
    // site by default); a client given another parent leaves the site.
    virtual bool HoldsDockClient(const TCustomControl& client) const;
    // A docked client's caption or visibility changed.
    virtual void DockClientChanged(TCustomControl& client, TDockNotice notice);

    // Plain drag hooks. Whether a drag from `source` may drop at `at`: by
    // default only with OnDragOver, which is asked (with accept true).
    virtual void DragOver(QObject* source, TPoint at, TDragState state, bool& accept);
    // An accepted drag was dropped at `at`; the default calls OnDragDrop.
    virtual void DragDrop(QObject* source, TPoint at);
    // The drag over the control left it or was dropped on it.
    virtual void DragEnded() {}

    // Arranges the children, asks the parent to place this control, takes
    // the parent's colour and font when it follows them, and repaints.
    void Loaded() override;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    friend class TDockTree;
    friend class TDockDrag;
    friend class TFloatingDockWindow;
    void RequestAlign(QWidget* changed);
    void MakeDockManager();
    void LeaveHost();
    void DockInto(TCustomControl* site, const TDockPlace& place);
    void NotifyHost(TDockNotice notice);
    void PaintOn(QPainter& painter);
    TColor ColorOfParent() const;
    CanvasFont FontOfParent() const;
    void TakeColor(TColor color);
    void SyncPalette();
    void TakeFont(const CanvasFont& font);
    void TellChildren(bool colour);
    void AnswerDrag(QDragMoveEvent* event, TDragState state);

    TAlignHost* host_ = nullptr;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    CanvasFont font_;
    bool parentFont_ = true;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    QString caption_;
    bool enabled_ = true;
    QImage buffer_;

    bool dockSite_ = false;
    bool useDockManager_ = false;
    TDockTree* dockManager_ = nullptr;
    QList<QPointer<TCustomControl>> dockClients_;
    QPointer<TCustomControl> hostDockSite_;
    TDragKind dragKind_ = TDragKind::dkDrag;
    TDragMode dragMode_ = TDragMode::dmManual;
    int undockWidth_ = 0;
    int undockHeight_ = 0;
    QObject* autoDrag_ = nullptr;
    TDragOverEvent onDragOver_;
    bool dropAccepted_ = false;  // the last drag-over answer
    QPointer<QObject> dragSource_;
};

}  // namespace vx
