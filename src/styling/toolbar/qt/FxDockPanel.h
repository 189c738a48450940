// The dock panel: a control on one side of its form that holds docked tool
// bars in rows (DockRows.h), sizes itself to them and paints the styler's
// dock background, which its tool bars read for their corners.
#pragma once

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QString>

#include "platform/qt/CustomControl.h"
#include "styling/toolbar/DockLayoutStore.h"
#include "styling/toolbar/DockRows.h"
#include "styling/toolbar/FxToolBarStylers.h"

namespace vx {

// The styler's background picture over a control of width by height (the
// dock panel, a tool bar): tiled from (1, 1), centred, or stretched over
// `stretch`; nothing without a picture.
void DrawBackGroundPicture(Canvas& canvas, const TCustomFxToolBarStyler& styler, int width,
                           int height, const TRect& stretch);

class TFxDockPanel : public TCustomControl, public TDockPanelModel, public IToolBarStyleReceiver {
    Q_OBJECT
  public:
    // A dock panel inside another dock panel or a tool bar raises
    // "Invalid Parent".
    explicit TFxDockPanel(QWidget* parent = nullptr);
    ~TFxDockPanel() override;

    // The side: the framework alignment follows, and every registered tool
    // bar turns to it.
    using TCustomControl::SetAlign;
    void SetAlign(TDockAlign align);
    // The parent, refused ("Invalid Parent") as in the constructor.
    void SetParentControl(QWidget* parent);
    static void CheckParent(const QWidget* parent);

    QString Version() const { return QStringLiteral("1.2.1.0"); }
    void SetVersion(const QString&) {}

    // The linked styler (null: the internal one is used). A linked styler
    // that is destroyed leaves the internal one in use.
    TCustomFxToolBarStyler* ToolBarStyler() const { return toolBarStyler_.data(); }
    void SetToolBarStyler(TCustomFxToolBarStyler* styler);
    TCustomFxToolBarStyler* CurrentStyler() const;
    TCustomFxToolBarStyler* InternalStyler() const { return internalStyler_; }

    // The menu a right click on the panel opens (none by default; not
    // owned). A styled pop-up menu takes the menu styler of the panel's
    // styler, now and whenever that changes.
    QMenu* PopupMenu() const { return popupMenu_.data(); }
    void SetPopupMenu(QMenu* menu);

    // Where the panel keeps its layout: when enabled, read back after
    // loading and written when the panel goes.
    TPersistence& Persistence() { return persistence_; }
    const TPersistence& Persistence() const { return persistence_; }
    void SetPersistence(const TPersistence& persistence) { persistence_.Assign(persistence); }

    // The dock background as last painted (painted now when stale), in the
    // panel's client coordinates.
    const QImage& BackgroundBitmap();

    QObject* ReceiverObject() override { return this; }
    void StylerChanged(int code) override;

  signals:
    // A tool bar's styler choice depends on the panel's styler.
    void StylerSwitched();

  protected:
    TRect PanelBounds() const override;
    void SetPanelBounds(const TRect& bounds) override;
    bool PanelLoading() const override { return IsLoading(); }

    void Paint(Canvas& canvas) override;
    void Loaded() override;
    void RowsBuilt() override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // What the layout store asks of the panel's tool bars.
    class TLayoutHost : public IDockLayoutHost {
      public:
        explicit TLayoutHost(TFxDockPanel& panel) : panel_(panel) {}
        std::string BarName(const IDockBar* bar) const override;
        void SetStoredBounds(IDockBar* bar, const TRect& bounds) override;
        void SetStoredVisible(IDockBar* bar, bool visible) override;
        IDockBar* AdoptBar(const std::string& name) override;

      private:
        TFxDockPanel& panel_;
    };

    void PaintBackground();

    TCustomFxToolBarStyler* internalStyler_ = nullptr;
    QPointer<TCustomFxToolBarStyler> toolBarStyler_;
    QMetaObject::Connection stylerGone_;
    QImage background_;
    bool backgroundStale_ = true;
    bool resizing_ = false;
    TPersistence persistence_{this};
    QPointer<QMenu> popupMenu_;
};

}  // namespace vx
