#include "styling/toolbar/qt/FxDockPanel.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/qt/FxToolBar.h"

namespace vx {

namespace {

TAlign FrameworkAlign(TDockAlign align) {
    switch (align) {
        case TDockAlign::daLeft:
            return TAlign::alLeft;
        case TDockAlign::daRight:
            return TAlign::alRight;
        case TDockAlign::daBottom:
            return TAlign::alBottom;
        case TDockAlign::daTop:
            break;
    }
    return TAlign::alTop;
}

QWidget* Checked(QWidget* parent) {
    TFxDockPanel::CheckParent(parent);
    return parent;
}

}  // namespace

void DrawBackGroundPicture(Canvas& canvas, const TCustomFxToolBarStyler& styler, int width,
                           int height, const TRect& stretch) {
    const QImage& picture = styler.BackGround();
    if (picture.isNull()) return;
    const int w = picture.width();
    const int h = picture.height();
    switch (styler.BackGroundDisplay()) {
        case TBackGroundDisplay::bdTile:
            for (int y = 1; y < height - 2; y += h)
                for (int x = 1; x < width - 2; x += w)
                    canvas.Draw(x, y, picture);
            break;
        case TBackGroundDisplay::bdCenter:
            canvas.Draw((width - w) / 2, (height - h) / 2, picture);
            break;
        case TBackGroundDisplay::bdStretch:
            canvas.StretchDraw(stretch, picture);
            break;
    }
}

TFxDockPanel::TFxDockPanel(QWidget* parent) : TCustomControl(Checked(parent)) {
    internalStyler_ = new TCustomFxToolBarStyler(this);
    internalStyler_->setObjectName(QStringLiteral("InternalStyler"));
    internalStyler_->AddControl(this);
    TCustomControl::SetAlign(TAlign::alTop);
    SetParentColor(false);
    SetColor(CurrentStyler()->DockColor().Color());
    // The bars in the rows follow the panel's store; before the rows are
    // built every registered bar does. Hidden bars keep what they had.
    persistence_.SetOnChange([this](TToolBarPersistent*) {
        for (IDockBar* bar : ToolBars()) {
            auto* toolBar = dynamic_cast<TFxCustomToolBar*>(bar);
            if (toolBar && (!LoadingDone() || Rows().IndexOfToolBarRow(bar) >= 0))
                persistence_.GiveTo(toolBar->Persistence());
        }
    });
}

TFxDockPanel::~TFxDockPanel() {
    // A store that cannot be written must not take the program down while
    // its windows close: the failure is reported and the layout not kept.
    if (persistence_.Active()) {
        TLayoutHost host(*this);
        const std::string error = SaveDockLayoutReporting(persistence_, *this, host);
        if (!error.empty()) qWarning("%s", error.c_str());
    }
    if (toolBarStyler_) toolBarStyler_->RemoveControl(this);
    // The tool bars outlive the panel's lists only as children being
    // destroyed; they must not call back.
    for (QObject* child : children())
        if (auto* bar = qobject_cast<TFxCustomToolBar*>(child)) bar->PanelGone(this);
}

void TFxDockPanel::CheckParent(const QWidget* parent) {
    if (qobject_cast<const TFxDockPanel*>(parent) || qobject_cast<const TFxCustomToolBar*>(parent))
        throw EDockError("Invalid Parent");
}

void TFxDockPanel::SetParentControl(QWidget* parent) {
    CheckParent(parent);
    setParent(parent);
}

void TFxDockPanel::SetAlign(TDockAlign align) {
    if (align == DockAlign()) return;
    TCustomControl::SetAlign(FrameworkAlign(align));
    SetDockAlign(align);
    Rows().ArrangeRows();
    backgroundStale_ = true;
    Invalidate();
}

TCustomFxToolBarStyler* TFxDockPanel::CurrentStyler() const {
    return toolBarStyler_ ? toolBarStyler_.data() : internalStyler_;
}

void TFxDockPanel::SetToolBarStyler(TCustomFxToolBarStyler* styler) {
    if (styler && styler == toolBarStyler_) return;
    if (toolBarStyler_ && toolBarStyler_ != internalStyler_) toolBarStyler_->RemoveControl(this);
    toolBarStyler_ = styler;
    // Only the linked styler's end concerns the panel.
    disconnect(stylerGone_);
    if (styler) {
        styler->AddControl(this);
        // A styler that goes leaves the internal one in use.
        stylerGone_ = connect(styler, &QObject::destroyed, this, [this] {
            backgroundStale_ = true;
            emit StylerSwitched();
            SetPopupMenu(popupMenu_.data());
            Invalidate();
        });
    }
    SetColor(CurrentStyler()->DockColor().Color());
    backgroundStale_ = true;
    if (!IsLoading()) emit StylerSwitched();
    SetPopupMenu(popupMenu_.data());
    Invalidate();
}

void TFxDockPanel::StylerChanged(int code) {
    SetColor(CurrentStyler()->DockColor().Color());
    backgroundStale_ = true;
    // Another menu styler: the pop-up menu takes it.
    if (code == TStyleChange::kMenuStyler) SetPopupMenu(popupMenu_.data());
    Invalidate();
}

void TFxDockPanel::SetPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
    if (auto* styled = qobject_cast<TFxPopupMenu*>(menu))
        styled->SetMenuStyler(CurrentStyler()->CurrentMenuStyler());
}

void TFxDockPanel::contextMenuEvent(QContextMenuEvent* event) {
    if (!popupMenu_) {
        TCustomControl::contextMenuEvent(event);
        return;
    }
    if (auto* styled = qobject_cast<TFxPopupMenu*>(popupMenu_.data()))
        styled->PopupAtPoint(event->globalPos());
    else
        popupMenu_->exec(event->globalPos());
    event->accept();
}

TRect TFxDockPanel::PanelBounds() const {
    return Bounds(x(), y(), width(), height());
}

void TFxDockPanel::SetPanelBounds(const TRect& b) {
    SetBounds(b.left, b.top, b.Width(), b.Height());
}

void TFxDockPanel::Loaded() {
    TCustomControl::Loaded();
    BuildRows();
}

void TFxDockPanel::RowsBuilt() {
    if (!persistence_.Active()) return;
    TLayoutHost host(*this);
    LoadDockLayout(persistence_, *this, host);
}

std::string TFxDockPanel::TLayoutHost::BarName(const IDockBar* bar) const {
    const auto* toolBar = dynamic_cast<const TFxCustomToolBar*>(bar);
    return toolBar ? toolBar->objectName().toStdString() : std::string();
}

void TFxDockPanel::TLayoutHost::SetStoredBounds(IDockBar* bar, const TRect& bounds) {
    bar->PlaceInRow(bounds);
}

IDockBar* TFxDockPanel::TLayoutHost::AdoptBar(const std::string& name) {
    QWidget* form = panel_.parentWidget() ? panel_.window() : nullptr;
    if (!form) return nullptr;
    const QString wanted = QString::fromStdString(name);
    // Dock panels cannot nest, so every other panel of the form is one of
    // its descendants outside this panel.
    for (TFxDockPanel* other : form->findChildren<TFxDockPanel*>()) {
        if (other == &panel_) continue;
        for (IDockBar* bar : other->ToolBars()) {
            auto* toolBar = dynamic_cast<TFxCustomToolBar*>(bar);
            if (!toolBar || toolBar->objectName().compare(wanted, Qt::CaseInsensitive) != 0)
                continue;
            toolBar->setParent(&panel_);
            toolBar->show();
            return panel_.ToolBars().Contains(bar) ? bar : nullptr;
        }
    }
    return nullptr;
}

void TFxDockPanel::TLayoutHost::SetStoredVisible(IDockBar* bar, bool visible) {
    if (auto* toolBar = dynamic_cast<TFxCustomToolBar*>(bar)) toolBar->setVisible(visible);
    // The bar tells its panel only once loading is over.
    panel_.ToolBarVisibilityChanged(bar);
}

void TFxDockPanel::resizeEvent(QResizeEvent* event) {
    TCustomControl::resizeEvent(event);
    backgroundStale_ = true;
    if (resizing_ || IsLoading()) return;
    resizing_ = true;
    Rows().ArrangeRows();
    resizing_ = false;
}

const QImage& TFxDockPanel::BackgroundBitmap() {
    if (backgroundStale_ || background_.size() != size()) PaintBackground();
    return background_;
}

void TFxDockPanel::PaintBackground() {
    backgroundStale_ = false;
    background_ = QImage(size(), QImage::Format_RGB32);
    if (background_.isNull()) return;
    const TCustomFxToolBarStyler& styler = *CurrentStyler();
    QPainter painter(&background_);
    Canvas canvas(painter);
    const TRect client = ClientRect();
    const TGradientBackground& dock = styler.DockColor();
    if (dock.ColorTo() == clNone) {
        canvas.pen.color = dock.Color();
        canvas.brush.color = dock.Color();
        canvas.brush.style = BrushStyle::Solid;
        canvas.Rectangle(client);
    } else {
        DrawGradient(canvas, dock.Color(), dock.ColorTo(), dock.Steps(), client,
                     IsHorizontal(dock.Direction()));
    }
    DrawBackGroundPicture(canvas, styler, width(), height(), client.Inflated(-2, -2));
}

void TFxDockPanel::Paint(Canvas& canvas) {
    canvas.Draw(0, 0, BackgroundBitmap());
}

}  // namespace vx
