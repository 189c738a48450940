#include "styling/toolbar/qt/FTBPopup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "platform/paint/Canvas.h"
#include "platform/paint/DesktopMetrics.h"
#include "platform/paint/ImageList.h"
#include "styling/menus/FxMenuAppearance.h"
#include "styling/menus/FxMenuDraw.h"
#include "styling/menus/FxMenuUtil.h"
#include "styling/toolbar/CompactPopupLayout.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"

namespace vx {

namespace {

void FillColor(Canvas& canvas, const TRect& r, TColor color) {
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = color;
    canvas.FillRect(r);
}

}  // namespace

// ---- TFTBMenuItem

TFTBMenuItem* TFTBMenuItem::Add(const std::string& text) {
    items_.push_back(std::make_unique<TFTBMenuItem>());
    TFTBMenuItem* item = items_.back().get();
    item->parent_ = this;
    item->caption = text;
    return item;
}

// ---- TFTBCustomPopupPanel

TFTBCustomPopupPanel::TFTBCustomPopupPanel(QWidget* parent) : QWidget(parent) {}

void TFTBCustomPopupPanel::SetColor(TColor v) {
    if (color_ == v) return;
    color_ = v;
    update();
}

void TFTBCustomPopupPanel::SetColorTo(TColor v) {
    if (colorTo_ == v) return;
    colorTo_ = v;
    update();
}

void TFTBCustomPopupPanel::SetGradientDirection(toolbar::TGradientDirection v) {
    if (direction_ == v) return;
    direction_ = v;
    update();
}

void TFTBCustomPopupPanel::SetWindowBorderColor(TColor v) {
    if (borderColor_ == v) return;
    borderColor_ = v;
    update();
}

void PaintPanelBody(Canvas& canvas, const TRect& r, TColor color, TColor colorTo,
                    toolbar::TGradientDirection direction, TColor border) {
    if (colorTo != clNone) {
        DrawGradient(canvas, color, colorTo, 40, r, IsHorizontal(direction));
    } else {
        FillColor(canvas, r, color);
    }
    canvas.brush.style = BrushStyle::Clear;
    canvas.pen.color = border;
    canvas.Rectangle(r);
}

void TFTBCustomPopupPanel::PaintBody(QPainter& painter) {
    Canvas canvas(painter);
    PaintPanelBody(canvas, {0, 0, width(), height()}, color_, colorTo_, direction_, borderColor_);
}

void TFTBCustomPopupPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBody(painter);
}

// ---- TFTBPopupPanel

TFTBPopupPanel::TFTBPopupPanel(QWidget* parent) : TFTBCustomPopupPanel(parent) {
    setObjectName("PopupPanel");
    setMouseTracking(true);
}

TFTBPopupPanel::~TFTBPopupPanel() = default;

TFTBPopupWindow* TFTBPopupPanel::Window() const {
    return qobject_cast<TFTBPopupWindow*>(window());
}

void TFTBPopupPanel::SetRootItem(TFTBMenuItem* item) {
    root_ = item;
    Measure();
}

void TFTBPopupPanel::SetShowIconBar(bool v) {
    if (iconBar_ == v) return;
    iconBar_ = v;
    update();
}

void TFTBPopupPanel::SetMenuStyler(TCustomFxMenuStyler* styler) {
    if (styler_ == styler) return;
    styler_ = styler;
    update();
}

int TFTBPopupPanel::IconBarSize() const {
    return (styler_ != nullptr && iconBar_) ? styler_->IconBar().Size() : 0;
}

namespace {

bool ButtonHasImage(QWidget* control) {
    auto* button = qobject_cast<TFxCustomToolBarButton*>(control);
    return button != nullptr && (button->ImageIndex() >= 0 || !button->Glyph().isNull());
}

// The menus' item font: the desktop's menu font unless the styler has its own.
CanvasFont MenuFont(const TCustomFxMenuStyler* styler) {
    if (styler == nullptr || styler->UseSystemFont()) return ScreenMenuFont();
    return styler->Font();
}

}  // namespace

void TFTBPopupPanel::Measure() {
    if (root_ == nullptr) return;
    const QFontMetrics fm(ToQFont(MenuFont(styler_)));
    std::vector<TCompactRowMeasure> rows;
    for (int i = 0; i < root_->Count(); ++i) {
        const TFTBMenuItem* item = root_->Item(i);
        rows.push_back({fm.horizontalAdvance(QString::fromStdString(item->caption)),
                        item->Count() > 0, ButtonHasImage(item->control)});
    }
    const TCompactLevelLayout layout = MeasureCompactLevel(rows, images_, IconBarSize());
    for (int i = 0; i < root_->Count(); ++i)
        root_->Item(i)->rect = layout.rows[i];
    resize(layout.width, layout.height);
    if (TFTBPopupWindow* w = Window()) w->FitPanel();
    update();
}

int TFTBPopupPanel::ItemAtPos(int x, int y) const {
    if (root_ == nullptr) return -1;
    for (int i = 0; i < root_->Count(); ++i) {
        if (root_->Item(i)->rect.Contains({x, y})) return i;
    }
    return -1;
}

void TFTBPopupPanel::RepaintRow(int index) {
    if (root_ == nullptr || index < 0 || index >= root_->Count()) return;
    const TRect& r = root_->Item(index)->rect;
    update(r.left, r.top, r.Width(), r.Height());
}

void TFTBPopupPanel::SetHotIndex(int index) {
    if (hot_ == index) return;
    const int old = hot_;
    if (open_ >= 0 && open_ != index) CloseSubPopups();
    hot_ = index;
    RepaintRow(old);
    RepaintRow(hot_);
}

void TFTBPopupPanel::CloseSubPopups() {
    if (sub_ != nullptr && sub_->isVisible()) sub_->hide();
    open_ = -1;
}

void TFTBPopupPanel::ToggleItem(int index) {
    if (root_ == nullptr || index < 0 || index >= root_->Count()) return;
    TFTBMenuItem* item = root_->Item(index);
    if (item->control != nullptr) {
        const bool show = item->control->isHidden();
        item->control->setVisible(show);
        item->checked = show;
    }
    RepaintRow(index);
}

void TFTBPopupPanel::OpenSubPopup() {
    if (hot_ < 0 || hot_ == open_ || root_ == nullptr) return;
    CloseSubPopups();
    TFTBMenuItem* item = root_->Item(hot_);
    if (item->Count() == 0) return;
    TFTBPopupWindow* own = Window();
    if (sub_ == nullptr) {
        // Owned by this level's window, which it stays above and hands the
        // activation back to when it hides.
        sub_ = new TFTBPopupWindow(window());
        sub_->setObjectName("SubPopup");
        sub_->resize(10, 10);
        if (own != nullptr) sub_->SetFxToolBar(own->FxToolBar());
        connect(sub_.data(), &TFTBPopupWindow::Hidden, this, [this] {
            TFTBPopupWindow* w = Window();
            if (w != nullptr) {
                w->SetHideOnDeActivate(true);
                // A sub-level closed from here hands the activation back, so
                // that a click elsewhere still closes this level.
                QWidget* active = QApplication::activeWindow();
                if (w->isVisible() && (active == nullptr || active == sub_)) w->activateWindow();
            }
            open_ = -1;
        });
        connect(sub_.data(), &TFTBPopupWindow::DeActivateHide, this, [this] {
            if (TFTBPopupWindow* w = Window()) {
                w->hide();
                emit w->DeActivateHide();
            }
        });
    }
    TFTBPopupPanel* panel = sub_->PopupPanel();
    panel->SetShowIconBar(true);
    panel->SetMenuStyler(styler_);
    panel->SetRootItem(item);
    open_ = hot_;
    sub_->FitPanel();
    if (own != nullptr) own->SetHideOnDeActivate(false);
    const QPoint topLeft = mapToGlobal(QPoint(item->rect.left, item->rect.top));
    const TRect onScreen{topLeft.x(), topLeft.y(), topLeft.x() + item->rect.Width(),
                         topLeft.y() + item->rect.Height()};
    const TPoint at = CompactSubLevelOrigin(onScreen, sub_->width(), sub_->height(),
                                            WorkAreaAt(TPoint{onScreen.left, onScreen.top}));
    sub_->move(at.x, at.y);
    sub_->show();
    sub_->activateWindow();
}

void TFTBPopupPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const int i = ItemAtPos(p.x(), p.y());
    if (i >= 0 && i != hot_ && !(event->buttons() & Qt::LeftButton)) {
        SetHotIndex(i);
        OpenSubPopup();
    }
    TFTBCustomPopupPanel::mouseMoveEvent(event);
}

bool SizeByCorner(QWidget* panel, QMouseEvent* event) {
    // The 10 x 10 pixels at the bottom right of the window size it.
    QWidget* w = panel->window();
    const QPoint p = panel->mapTo(w, event->position().toPoint());
    if (event->button() != Qt::LeftButton ||
        !InSizingCorner(w->width(), w->height(), TPoint{p.x(), p.y()}) ||
        w->windowHandle() == nullptr)
        return false;
    w->windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
    return true;
}

void TFTBPopupPanel::mousePressEvent(QMouseEvent* event) {
    if (SizeByCorner(this, event)) return;
    TFTBCustomPopupPanel::mousePressEvent(event);
}

void TFTBPopupPanel::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const int i = ItemAtPos(p.x(), p.y());
    if (i >= 0 && root_->Item(i)->checkItem) ToggleItem(i);
    TFTBCustomPopupPanel::mouseReleaseEvent(event);
}

void TFTBPopupPanel::leaveEvent(QEvent* event) {
    TFTBCustomPopupPanel::leaveEvent(event);
    if (open_ < 0) SetHotIndex(-1);
}

void TFTBPopupPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBody(painter);
    if (styler_ == nullptr || root_ == nullptr) return;
    Canvas canvas(painter);
    const TIconBar& bar = styler_->IconBar();
    const TRect strip = CompactIconStrip(width(), height(), IconBarSize(), images_);
    if (!strip.IsEmpty()) {
        if (bar.Color() != clNone && bar.ColorTo() != clNone) {
            DrawGradient(canvas, bar.Color(), bar.ColorTo(), 40, strip, true);
        } else {
            FillColor(canvas, strip, bar.Color());
        }
    }
    canvas.font = MenuFont(styler_);
    for (int i = 0; i < root_->Count(); ++i)
        DrawRow(canvas, i);
}

void TFTBPopupPanel::DrawRow(Canvas& canvas, int index) {
    const TFTBMenuItem* item = root_->Item(index);
    const TRect& r = item->rect;
    const TSelectedItem& sel = styler_->SelectedItem();
    const TIconBar& bar = styler_->IconBar();
    const TMenuGlyphs& glyphs = styler_->Glyphs();
    const bool hot = index == hot_;
    if (hot) {
        if (sel.ColorTo() != clNone) {
            DrawGradient(canvas, sel.Color(), sel.ColorTo(), 40, r,
                         IsHorizontal(sel.GradientDirection()));
        } else {
            FillColor(canvas, r, sel.Color());
        }
        if (sel.BorderColor() != clNone) {
            canvas.brush.style = BrushStyle::Clear;
            canvas.pen.color = sel.BorderColor();
            canvas.Rectangle(r);
        }
    }
    const TCompactRowParts parts = CompactRowParts(r, IconBarSize(), images_);
    if (item->checkItem) {
        if (item->checked && item->enabled) {
            const TRect box = parts.checkBox;
            const TColor from = hot ? sel.CheckColor() : bar.CheckColor();
            const TColor to = hot ? sel.CheckColorTo() : bar.CheckColorTo();
            const TColor frame = hot ? sel.BorderColor() : bar.CheckBorder();
            if (from != clNone && to != clNone) {
                DrawGradient(canvas, from, to, 16, box, true);
            } else if (from != clNone) {
                FillColor(canvas, box, from);
            }
            if (frame != clNone) {
                canvas.brush.style = BrushStyle::Clear;
                canvas.pen.color = frame;
                canvas.Rectangle(box);
            }
            const QImage& check = glyphs.Check();
            if (!check.isNull()) {
                DrawGlyph(canvas, box.left + (box.Width() - check.width()) / 2,
                          box.top + (box.Height() - check.height()) / 2, check, clBlack);
            }
        }
    } else if (!images_ && !parts.iconCell.IsEmpty()) {
        DrawControlImage(canvas, item->control, parts.iconCell);
    }
    if (images_) DrawControlImage(canvas, item->control, parts.imageCell);
    canvas.brush.style = BrushStyle::Clear;
    TRect text = parts.text;
    canvas.DrawText(item->caption, text,
                    DrawTextFlags::kSingleLine | DrawTextFlags::kVCenter | DrawTextFlags::kLeft |
                        DrawTextFlags::kNoPrefix);
    if (item->Count() > 0) {
        const QImage& arrow = glyphs.SubMenu();
        const TRect b = parts.subMenuBox;
        if (!arrow.isNull()) {
            DrawGlyph(canvas, b.left + (b.Width() - arrow.width()) / 2,
                      b.top + (b.Height() - arrow.height()) / 2, arrow, clBlack);
        }
    }
}

void TFTBPopupPanel::DrawControlImage(Canvas& canvas, QWidget* control, const TRect& cell) {
    auto* button = qobject_cast<TFxCustomToolBarButton*>(control);
    if (button == nullptr || cell.IsEmpty()) return;
    QImage picture;
    // The bar's image, or that of the button's action in the action's list.
    int index = -1;
    if (TImageList* list = button->ButtonImages(&index)) {
        picture = QImage(list->Width(), list->Height(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        list->Draw(p, 0, 0, index, true);
    } else {
        picture = button->Glyph();
    }
    if (picture.isNull()) return;
    if (picture.width() <= cell.Width() && picture.height() <= cell.Height()) {
        canvas.Draw(cell.left + (cell.Width() - picture.width()) / 2,
                    cell.top + (cell.Height() - picture.height()) / 2, picture);
    } else {
        canvas.StretchDraw(cell, picture);
    }
}

// ---- TFTBPopupWindow

TFTBPopupWindow::TFTBPopupWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      panel_(new TFTBPopupPanel(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    hideTimer_.setInterval(1);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &TFTBPopupWindow::HideTimer);
}

TFTBPopupWindow::~TFTBPopupWindow() = default;

void TFTBPopupWindow::FitPanel() {
    panel_->move(0, 0);
    resize(panel_->size());
}

void TFTBPopupWindow::HideTimer() {
    hideTimer_.stop();
    hide();
    emit DeActivateHide();
}

bool TFTBPopupWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        panel_->setFocus();
    } else if (e->type() == QEvent::WindowDeactivate) {
        if (hideOnDeactivate_ && isVisible()) hideTimer_.start();
    }
    return QWidget::event(e);
}

void TFTBPopupWindow::keyPressEvent(QKeyEvent* e) {
    // Escape closes the cascade, and the option window it opened from.
    if (e->key() == Qt::Key_Escape) {
        if (toolBar_ != nullptr && toolBar_->OptionWindowShowing())
            toolBar_->HideOptionWindow();
        else
            hide();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TFTBPopupWindow::hideEvent(QHideEvent* e) {
    // Hidden already (the options entry closes the cascade): a deactivation
    // just before no longer hides anything, least of all the option window.
    hideTimer_.stop();
    panel_->CloseSubPopups();
    panel_->SetHotIndex(-1);
    QWidget::hideEvent(e);
    emit Hidden();
}

}  // namespace vx
