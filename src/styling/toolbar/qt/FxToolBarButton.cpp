#include "styling/toolbar/qt/FxToolBarButton.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/paint/ImageList.h"
#include "styling/toolbar/FxToolBarDraw.h"
#include "styling/toolbar/FxToolBarStylers.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarMenuBar.h"
#include "styling/toolbar/qt/FxToolBarOption.h"

namespace vx {

namespace DT = DrawTextFlags;

// ================================================================ control

TFxCustomToolBarControl::TFxCustomToolBarControl(QWidget* parent) : TCustomControl(parent) {
    // Painted whole from the bar's last painting: the bar is not painted
    // again under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TFxCustomToolBar* TFxCustomToolBarControl::FxToolBar() const {
    if (auto* bar = qobject_cast<TFxCustomToolBar*>(parentWidget())) return bar;
    return lender_.data();
}

void TFxCustomToolBarControl::SetLender(TFxCustomToolBar* bar) {
    lender_ = bar;
}

bool TFxCustomToolBarControl::ControlOnBar() const {
    return !lender_ || parentWidget() == lender_;
}

void TFxCustomToolBarControl::ReturnToBar() {
    if (lender_) lender_->TakeBackControl(this);
}

void TFxCustomToolBarControl::SetFxToolBar(TFxCustomToolBar* bar) {
    if (bar && bar == FxToolBar()) return;
    setParent(bar);
    if (bar) {
        show();
        if (FxToolBar() != bar) throw std::runtime_error("FxToolBar not set");
    }
}

void TFxCustomToolBarControl::SetPosition(TDockAlign position) {
    if (position == position_) return;
    position_ = position;
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarControl::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    if (v) AdjustSize();
}

TRect TFxCustomToolBarControl::ControlBounds() const {
    // A control on a bar is no window: its place is its geometry, which the
    // bar reads of every control at each arrangement.
    if (isWindow()) return Bounds(x(), y(), width(), height());
    return ToTRect(geometry());
}

void TFxCustomToolBarControl::SizeForBar() {
    if (TFxCustomToolBar* bar = FxToolBar()) position_ = bar->BarAlign();
    Measure();
}

void TFxCustomToolBarControl::ParentChanged() {
    if (TFxCustomToolBar* bar = FxToolBar()) position_ = bar->BarAlign();
    if (!IsLoading()) AdjustSize();
}

void TFxCustomToolBarControl::Loaded() {
    TCustomControl::Loaded();
    if (TFxCustomToolBar* bar = FxToolBar()) position_ = bar->BarAlign();
}

int TFxCustomToolBarControl::AcrossLimit() const {
    TFxCustomToolBar* bar = FxToolBar();
    if (!bar) return 0;
    int limit = (HorizontalBar() ? bar->height() : bar->width()) - 4;
    if (bar->ShowCaption()) limit -= bar->CaptionHeight();
    return limit;
}

void TFxCustomToolBarControl::PaintBackground(Canvas& canvas) {
    QImage under;
    if (auto* parent = qobject_cast<TCustomControl*>(parentWidget()))
        under = parent->LastPainting(geometry());
    if (under.isNull()) under = ParentImage();
    canvas.Draw(0, 0, under);
}

// ================================================================ button

TFxCustomToolBarButton::TFxCustomToolBarButton(QWidget* parent) : TFxCustomToolBarControl(parent) {
    CanvasFont font = Font();
    font.name = "Tahoma";
    SetFont(font);
    SetParentFont(true);
    TCustomControl::SetBounds(0, 0, 23, 22);
    appearance_.SetOnChange([this](TToolBarPersistent*) { Invalidate(); });
    setMouseTracking(true);
}

TFxCustomToolBarButton::~TFxCustomToolBarButton() {
    if (hot_)
        if (TFxCustomToolBar* bar = FxToolBar()) bar->HotButtonChanged(this, false);
}

// ---------------------------------------------------------------- action

bool TFxToolBarButtonActionLink::IsCheckedLinked() {
    return TControlActionLink::IsCheckedLinked() && button_.Down() == Seen().checked;
}

bool TFxToolBarButtonActionLink::IsGroupIndexLinked() const {
    return button_.GroupIndex() == Seen().groupIndex;
}

void TFxToolBarButtonActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) button_.SetDown(value);
}

void TFxToolBarButtonActionLink::SetGroupIndex(int value) {
    if (IsGroupIndexLinked()) button_.SetGroupIndex(value);
}

QAction* TFxCustomToolBarButton::Action() const {
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TFxCustomToolBarButton::SetAction(QAction* action) {
    if (action == Action()) return;
    if (!action) {
        actionLink_.reset();
        AdjustSize();
        Invalidate();
        return;
    }
    if (!actionLink_) actionLink_ = std::make_unique<TFxToolBarButtonActionLink>(*this);
    actionLink_->SetAction(action);
    ActionChange(action, IsLoading());
}

void TFxCustomToolBarButton::ActionChange(QAction* sender, bool checkDefaults) {
    if (!sender) return;
    QPointer<TFxCustomToolBarButton> self(this);
    const bool shownOrHidden = TControlActionLink::TakeControlValues(*this, *sender, checkDefaults);
    if (!self) return;
    if (auto* custom = qobject_cast<TCustomAction*>(sender)) {
        if (checkDefaults || groupIndex_ == 0) SetGroupIndex(custom->GroupIndex());
        SetImageIndex(custom->ImageIndex());
    }
    // The action's list may be another now, or hold other pictures.
    if (shaded_ && !IsLoading()) BuildShadow();
    AdjustSize();
    if (shownOrHidden)
        if (TFxCustomToolBar* bar = FxToolBar()) bar->ControlResized(this);
    Invalidate();
}

// ---------------------------------------------------------------- properties

void TFxCustomToolBarButton::SetAllowAllUp(bool v) {
    if (v == allowAllUp_) return;
    allowAllUp_ = v;
    GroupUpdate();
}

void TFxCustomToolBarButton::SetGroupIndex(int v) {
    if (v == groupIndex_) return;
    groupIndex_ = v;
    GroupUpdate();
}

void TFxCustomToolBarButton::SetStyle(TFxToolButtonStyle v) {
    if (v == style_) return;
    style_ = v;
    if (v == TFxToolButtonStyle::tasCheck) dropDownButton_ = false;
    Invalidate();
}

void TFxCustomToolBarButton::SetDropDownButton(bool v) {
    if (v && style_ == TFxToolButtonStyle::tasCheck) return;
    if (v == dropDownButton_) return;
    dropDownButton_ = v;
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarButton::SetGlyphPosition(TGlyphPosition v) {
    if (v == glyphPosition_) return;
    glyphPosition_ = v;
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarButton::SetShaded(bool v) {
    shaded_ = v;
    if (v && !IsLoading()) BuildShadow();
}

void TFxCustomToolBarButton::SetShowCaption(bool v) {
    showCaption_ = v;
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarButton::SetImageIndex(int v) {
    if (v == imageIndex_) return;
    imageIndex_ = v;
    if (shaded_) BuildShadow();
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarButton::SetGlyph(const QImage& image) {
    glyph_ = image;
    if (glyphDisabled_.isNull()) glyphDisabled_ = DisabledGlyph(image);
    if (shaded_ && !IsLoading()) BuildShadow();
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarButton::SetPicture(const QImage& image) {
    picture_ = image;
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarButton::SetPictureDisabled(const QImage& image) {
    pictureDisabled_ = image;
    AdjustSize();
    Invalidate();
}

// ---------------------------------------------------------------- Down and groups

void TFxCustomToolBarButton::SetDown(bool v) {
    if (IsLoading()) downWhileLoading_ = v;
    if (groupIndex_ == 0 && style_ == TFxToolButtonStyle::tasButton) v = false;
    if (style_ == TFxToolButtonStyle::tasCheck) {
        down_ = v;
        state_ = v ? TToolButtonState::bsDown : TToolButtonState::bsUp;
        Repaint();
        return;
    }
    if (v == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = v;
    if (v) {
        if (state_ == TToolButtonState::bsUp) Invalidate();
        state_ = TToolButtonState::bsExclusive;
        GroupUpdate();
    } else {
        state_ = TToolButtonState::bsUp;
        Repaint();
    }
}

void TFxCustomToolBarButton::GroupUpdate() {
    if (groupIndex_ == 0 || !parentWidget()) return;
    // A group spans the bar and its option window's panel: the members on
    // the other side hear of the press too.
    std::vector<QWidget*> hosts{parentWidget()};
    if (TFxCustomToolBar* bar = FxToolBar()) {
        if (parentWidget() != bar)
            hosts.push_back(bar);
        else if (TOptionSelectorWindow* window = bar->OptionWindow())
            hosts.push_back(window->OptionsPanel());
    }
    for (QWidget* host : hosts)
        for (QObject* child : host->children())
            if (auto* other = qobject_cast<TFxCustomToolBarButton*>(child))
                other->ButtonPressed(groupIndex_, this);
}

void TFxCustomToolBarButton::ButtonPressed(int groupIndex, TFxCustomToolBarButton* sender) {
    if (sender == this || groupIndex != groupIndex_) return;
    allowAllUp_ = sender->allowAllUp_;
    if (down_ && sender->down_) {
        down_ = false;
        state_ = TToolButtonState::bsUp;
        Invalidate();
        if (actionLink_)
            if (TCustomAction* action = actionLink_->CustomAction()) action->setChecked(false);
    }
}

// ---------------------------------------------------------------- mouse

void TFxCustomToolBarButton::SetHot(bool hot) {
    if (hot == hot_) return;
    hot_ = hot;
    if (TFxCustomToolBar* bar = FxToolBar()) bar->HotButtonChanged(this, hot);
    Invalidate();
}

void TFxCustomToolBarButton::MouseEnter() {
    // The enter of a bar being dragged comes from the bar shown under the
    // pointer in its new place, which it leaves again as it follows the
    // pointer: the button is not lit, and its hint not shown.
    if (TFxCustomToolBar* bar = FxToolBar(); bar && bar->Dragging()) return;
    mouseInControl_ = true;
    if (Enabled()) {
        SetHot(true);
        Invalidate();
    }
    emit MouseEntered();
}

void TFxCustomToolBarButton::MouseLeave() {
    mouseInControl_ = false;
    // In keyboard menu mode the selected menu button stays hot.
    TFxCustomToolBar* bar = FxToolBar();
    if (!bar || !bar->MenuBarMode() || !bar->MenuBarMode()->KeyboardMenuMode()) SetHot(false);
    if (Enabled()) Invalidate();
    emit MouseLeft();
}

bool TFxCustomToolBarButton::Inside(int x, int y) const {
    return x >= 0 && x < width() && y >= 0 && y <= height();
}

void TFxCustomToolBarButton::mousePressEvent(QMouseEvent* event) {
    TFxCustomToolBarControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !Enabled()) return;
    pressed_ = true;
    const QPoint p = event->position().toPoint();
    const bool inDropDown = HorizontalBar() ? p.x() > width() - 13 : p.y() > height() - 13;
    if (dropDownButton_ && (inDropDown || !dropDownSplit_)) {
        state_ = TToolButtonState::bsUp;
        mouseInControl_ = false;
        pressed_ = false;
        Invalidate();
        emit DropDown();
        if (dropDownMenu_) {
            down_ = false;
            menuShowing_ = true;
            Repaint();
            // The menu takes the look of the bar's menu styler.
            if (auto* styled = qobject_cast<TFxPopupMenu*>(dropDownMenu_.data()))
                if (TFxCustomToolBar* bar = FxToolBar())
                    styled->SetMenuStyler(bar->CurrentStyler()->CurrentMenuStyler());
            QPointer<TFxCustomToolBarButton> self(this);
            dropDownMenu_->exec(mapToGlobal(QPoint(0, height())));
            if (!self) return;
            menuShowing_ = false;
            Repaint();
        }
        Invalidate();
        return;
    }
    if (!down_) {
        state_ = TToolButtonState::bsDown;
        Invalidate();
    }
    if (style_ == TFxToolButtonStyle::tasCheck) {
        state_ = TToolButtonState::bsDown;
        Repaint();
    }
    dragging_ = true;
}

void TFxCustomToolBarButton::mouseMoveEvent(QMouseEvent* event) {
    TFxCustomToolBarControl::mouseMoveEvent(event);
    if (!dragging_) {
        Track();
        return;
    }
    const QPoint p = event->position().toPoint();
    TToolButtonState next = down_ ? TToolButtonState::bsExclusive : TToolButtonState::bsUp;
    if (Inside(p.x(), p.y()))
        next = down_ ? TToolButtonState::bsExclusive : TToolButtonState::bsDown;
    if (style_ == TFxToolButtonStyle::tasCheck && down_) next = TToolButtonState::bsDown;
    if (next != state_) {
        state_ = next;
        Invalidate();
    }
}

void TFxCustomToolBarButton::mouseReleaseEvent(QMouseEvent* event) {
    TFxCustomToolBarControl::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;
    Invalidate();
    if (!dragging_) return;
    dragging_ = false;
    const QPoint p = event->position().toPoint();
    const bool inside = Inside(p.x(), p.y());
    QPointer<TFxCustomToolBarButton> self(this);
    if (groupIndex_ == 0) {
        state_ = TToolButtonState::bsUp;
        mouseInControl_ = false;
        if (style_ == TFxToolButtonStyle::tasCheck) {
            // Only a release inside toggles a check button: released outside
            // the press is given up, and the face shows Down as it was, so
            // the button never looks on without its click having run.
            if (inside) SetDown(!down_);
            state_ = down_ ? TToolButtonState::bsDown : TToolButtonState::bsUp;
            Repaint();
        }
        if (inside) Invalidate();
    } else if (inside) {
        SetDown(!down_);
        if (down_) Repaint();
    } else {
        if (down_) state_ = TToolButtonState::bsExclusive;
        Repaint();
    }
    if (inside) Click();
    if (self) Track();
}

void TFxCustomToolBarButton::Track() {
    if (!Enabled()) return;
    const bool over = underMouse() || rect().contains(mapFromGlobal(QCursor::pos()));
    if (over && !mouseInControl_)
        MouseEnter();
    else if (!over && mouseInControl_)
        MouseLeave();
}

void TFxCustomToolBarButton::FollowMouse(bool over) {
    if (over && !mouseInControl_)
        MouseEnter();
    else if (!over && (mouseInControl_ || hot_))
        MouseLeave();
}

void TFxCustomToolBarButton::Click() {
    QPointer<TFxCustomToolBarButton> self(this);
    if (TFxCustomToolBar* bar = FxToolBar()) bar->HideOptionWindow();
    if (!self) return;
    emit Clicked();
    if (!self) return;
    if (actionLink_) actionLink_->Execute();
    if (!self) return;
    if (TFxCustomToolBar* bar = FxToolBar()) bar->ButtonClicked(this);
}

// ---------------------------------------------------------------- notices

void TFxCustomToolBarButton::Loaded() {
    TFxCustomToolBarControl::Loaded();
    if (downWhileLoading_ != down_) SetDown(downWhileLoading_);
    if (shaded_) BuildShadow();
    AdjustSize();
}

void TFxCustomToolBarButton::TextChanged() {
    UpdateMnemonic();
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarButton::UpdateMnemonic() {
    delete mnemonic_;
    mnemonic_ = nullptr;
    const QKeySequence keys = QKeySequence::mnemonic(Caption());
    if (keys.isEmpty()) return;
    mnemonic_ = new QShortcut(keys, this);
    mnemonic_->setContext(Qt::WindowShortcut);
    const QChar letter(static_cast<char16_t>(keys[0].key()));
    // The bar picks the first button with the letter; several buttons with
    // one letter make the shortcut ambiguous, which ends up there too.
    auto fire = [this, letter] {
        if (TFxCustomToolBar* bar = FxToolBar())
            bar->DialogChar(letter);
        else if (Enabled())
            Click();
    };
    connect(mnemonic_, &QShortcut::activated, this, fire);
    connect(mnemonic_, &QShortcut::activatedAmbiguously, this, fire);
}

void TFxCustomToolBarButton::FontChanged() {
    AdjustSize();
    Invalidate();
}

void TFxCustomToolBarButton::EnabledChanged() {
    if (!Enabled()) {
        SetHot(false);
        dragging_ = false;
    }
    Invalidate();
}

// ---------------------------------------------------------------- images

const TButtonAppearance& TFxCustomToolBarButton::Look() const {
    if (parentStyler_)
        if (TFxCustomToolBar* bar = FxToolBar()) return bar->CurrentStyler()->ButtonAppearance();
    return appearance_;
}

CanvasFont TFxCustomToolBarButton::CaptionFontInUse() const {
    if (parentStyler_)
        if (TFxCustomToolBar* bar = FxToolBar())
            return bar->CurrentStyler()->ButtonAppearance().CaptionFont();
    return Font();
}

TImageList* TFxCustomToolBarButton::ButtonImages(int* index) const {
    int i = imageIndex_;
    TImageList* list = ActionImages(Action(), &i);
    if (!list) {
        TFxCustomToolBar* bar = FxToolBar();
        list = bar ? bar->Images() : nullptr;
        i = imageIndex_;
    }
    if (!list || i < 0) return nullptr;
    if (index) *index = i;
    return list;
}

TImageList* TFxCustomToolBarButton::ImageSource(bool* disabledList, int* index) const {
    if (disabledList) *disabledList = false;
    TImageList* list = ButtonImages(index);
    if (!list) return nullptr;
    TFxCustomToolBar* bar = FxToolBar();
    if (!Enabled() && bar && bar->DisabledImages()) {
        if (disabledList) *disabledList = true;
        return bar->DisabledImages();
    }
    return list;
}

void TFxCustomToolBarButton::BuildShadow() {
    int index = -1;
    if (TImageList* list = ButtonImages(&index)) {
        QImage source(list->Width(), list->Height(), QImage::Format_RGB32);
        source.fill(Qt::white);
        {
            QPainter painter(&source);
            list->Draw(painter, 0, 0, index, true);
        }
        shadow_ = ShadowGlyph(source);
        shadowFromList_ = true;
    } else if (!glyph_.isNull()) {
        shadow_ = ShadowGlyph(glyph_);
        shadowFromList_ = false;
    } else {
        shadow_ = QImage();
    }
}

// ---------------------------------------------------------------- size

void TFxCustomToolBarButton::Measure() {
    if (!parentWidget() || !AutoSize()) return;
    TButtonMeasure m;
    m.glyphPosition = glyphPosition_;
    m.horizontal = HorizontalBar();
    m.dropDown = dropDownButton_;
    if (TImageList* list = ImageSource(nullptr, nullptr)) {
        m.gw = list->Width();
        m.gh = list->Height();
    } else {
        for (const QImage* g :
             {&glyph_, &glyphHot_, &glyphDown_, &glyphChecked_, &glyphDisabled_}) {
            if (g->isNull()) continue;
            m.gw = std::max(m.gw, g->width());
            m.gh = std::max(m.gh, g->height());
        }
        if (glyph_.isNull() && glyphHot_.isNull() && glyphDown_.isNull() &&
            glyphChecked_.isNull() && !picture_.isNull()) {
            m.gw = picture_.width();
            m.gh = picture_.height();
        }
    }
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    Canvas canvas(painter);
    canvas.font = CaptionFontInUse();
    if (showCaption_ && !Caption().isEmpty()) {
        TRect r{0, 0, 1000, 100};
        const std::string text = Caption().toStdString();
        canvas.DrawText(text, r, DT::kCalcRect | DT::kSingleLine);
        m.tw = r.Width();
    }
    m.th = canvas.TextHeight("gh");
    const TButtonSize size = ButtonAutoSize(m);
    TFxCustomToolBar* bar = FxToolBar();
    const bool setAcross =
        !bar || bar->AutoPositionControlsOn() || bar->State() == TToolBarState::tsFloating;
    const int limit = AcrossLimit();
    const QSize old = QWidget::size();
    if (m.horizontal) {
        int h = size.height;
        if (bar && limit > 0) h = std::min(h, limit);
        TCustomControl::SetBounds(x(), y(), size.width, setAcross ? h : height());
    } else {
        int w = size.width;
        if (bar && limit > 0) w = std::min(w, limit);
        TCustomControl::SetBounds(x(), y(), setAcross ? w : width(), size.height);
    }
    if (bar && QWidget::size() != old) bar->ControlResized(this);
}

// ---------------------------------------------------------------- painting

void TFxCustomToolBarButton::Paint(Canvas& canvas) {
    if (!Enabled()) {
        state_ = TToolButtonState::bsDisabled;
        dragging_ = false;
    } else if (state_ == TToolButtonState::bsDisabled) {
        state_ = down_ && groupIndex_ != 0 ? TToolButtonState::bsExclusive : TToolButtonState::bsUp;
    }
    if (style_ == TFxToolButtonStyle::tasCheck && down_) state_ = TToolButtonState::bsDown;
    PaintBackground(canvas);
    DrawButton(canvas);
}

namespace {

void FillFace(Canvas& canvas, TColor from, TColor to, const TRect& r, bool horizontal) {
    if (from == clNone) return;
    if (to == clNone) {
        canvas.pen.color = from;
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = from;
        canvas.FillRect(r);
        return;
    }
    DrawGradient(canvas, from, to, 40, r, horizontal);
}

}  // namespace

void TFxCustomToolBarButton::DrawButton(Canvas& canvas) {
    const TButtonAppearance& a = Look();
    const TButtonAppearance& own = appearance_;
    const bool checkDown = style_ == TFxToolButtonStyle::tasCheck && down_;
    TPartColors c;
    toolbar::TGradientDirection direction = own.GradientDirection();
    const QImage* glyph = &glyph_;
    // Up and disabled, the button is transparent: only the bar shows
    // under its glyph and caption.
    if (state_ == TToolButtonState::bsDisabled || !Enabled()) {
        c.text = own.CaptionTextColor();
        glyph = &glyphDisabled_;
    } else if (state_ == TToolButtonState::bsDropped) {
        return;  // dropped: the menu button draws itself
    } else if (!checkDown && (state_ == TToolButtonState::bsDown ||
                              (state_ == TToolButtonState::bsExclusive && hot_) || pressed_)) {
        c.from = a.ColorDown();
        c.to = a.ColorDownTo();
        c.border = a.BorderDownColor();
        c.text = a.CaptionTextColorDown();
        direction = a.GradientDirectionDown();
        glyph = &glyphDown_;
        c.ddFrom = a.ColorHot();
        c.ddTo = a.ColorHotTo();
    } else if (state_ == TToolButtonState::bsExclusive || checkDown) {
        c.from = a.ColorChecked();
        c.to = a.ColorCheckedTo();
        c.border = a.BorderCheckedColor();
        c.text = a.CaptionTextColorChecked();
        direction = a.GradientDirectionChecked();
        glyph = &glyphChecked_;
        c.ddFrom = c.from;
        c.ddTo = c.to;
    } else if (hot_) {
        c.from = a.ColorHot();
        c.to = a.ColorHotTo();
        c.border = a.BorderHotColor();
        c.text = a.CaptionTextColorHot();
        direction = a.GradientDirectionHot();
        glyph = &glyphHot_;
        c.ddFrom = c.from;
        c.ddTo = c.to;
    } else {
        c.text = a.CaptionTextColor();
    }
    c.gradientHorizontal = IsHorizontal(direction);
    DrawButtonParts(canvas, c, glyph);
}

void TFxCustomToolBarButton::DrawButtonParts(Canvas& canvas, const TPartColors& c,
                                             const QImage* glyph) {
    const TRect r = ClientRect();
    const bool horizontal = HorizontalBar();
    const auto [f, d] = SplitButtonParts(r, horizontal, dropDownButton_);

    // Background: the drop-down part under the face, then the face.
    if (c.from != clNone) {
        if (dropDownButton_)
            FillFace(canvas, c.ddFrom, c.to == clNone ? clNone : c.ddTo, r, c.gradientHorizontal);
        FillFace(canvas, c.from, c.to, f, c.gradientHorizontal);
    }
    if (c.border != clNone) {
        canvas.brush.style = BrushStyle::Clear;
        canvas.pen.color = c.border;
        if (dropDownButton_ && dropDownSplit_) {
            canvas.Rectangle(r);
            canvas.Rectangle(f);
        } else if (dropDownButton_) {
            canvas.Rectangle(f.left, f.top, r.right, f.bottom);
        } else {
            canvas.Rectangle(f);
        }
    }
    if (menuShowing_ && dropDownSplit_) {
        canvas.pen.color = 0x800000;
        const int top = horizontal ? f.top : d.top;
        canvas.Polyline(
            {{f.left, d.bottom}, {f.left, top}, {d.right - 1, top}, {d.right - 1, d.bottom}});
    }
    if (dropDownButton_) {
        canvas.pen.color = clBlack;
        if (horizontal) {
            const int ax = d.left + (d.Width() - 5) / 2;
            const int ay = d.top + (d.Height() - 3) / 2 + 1;
            DrawSmallArrow(canvas, {ax, ay}, clBlack);
        } else {
            const int ax = d.left + (d.Width() - 3) / 2 + 1;
            const int ay = d.top + (d.Height() - 5) / 2;
            for (int i = 0; i < 3; ++i) {
                canvas.MoveTo(ax - i, ay + i);
                canvas.LineTo(ax - i, ay + 5 - i);
            }
        }
    }
    if (glyph->isNull() && !glyph_.isNull()) glyph = &glyph_;
    DrawButtonFace(canvas, f, *glyph, c.text);
}

void TFxCustomToolBarButton::DrawButtonFace(Canvas& canvas, const TRect& f, const QImage& glyph,
                                            TColor textColor) {
    canvas.font = CaptionFontInUse();
    const std::string caption = Caption().toStdString();
    const bool withCaption = showCaption_ && !caption.empty();
    int tw = 0;
    int th = height();
    if (withCaption) {
        TRect r{0, 0, 1000, 100};
        canvas.DrawText(caption, r, DT::kCalcRect | DT::kSingleLine);
        tw = r.Width();
        th = r.Height();
    }
    bool disabledList = false;
    int index = -1;
    TImageList* list = ImageSource(&disabledList, &index);
    const QImage* bitmap = nullptr;
    int iw = 0, ih = 0;
    if (list) {
        iw = list->Width();
        ih = list->Height();
    } else if (!glyph.isNull()) {
        bitmap = &glyph;
    } else if (!picture_.isNull()) {
        bitmap = &picture_;
    }
    if (bitmap) {
        iw = bitmap->width();
        ih = bitmap->height();
    }
    TButtonFace face = ButtonFaceLayout(glyphPosition_, HorizontalBar(), f, height(), iw, ih,
                                        withCaption ? tw : 0, withCaption ? th : 0, AutoSize());
    if (drawPosition_.enabled) {
        face.gx = drawPosition_.imageX;
        face.gy = drawPosition_.imageY;
    }
    // The shadow lies under a hot button that is up.
    if (mouseInControl_ && hot_ && shaded_ && Enabled() && state_ == TToolButtonState::bsUp &&
        !pressed_) {
        if ((list != nullptr) != shadowFromList_) BuildShadow();
        if (!shadow_.isNull()) canvas.DrawTransparent(face.gx + 2, face.gy + 2, shadow_);
    }
    if (list) {
        list->Draw(canvas, face.gx, face.gy, index, Enabled() || disabledList);
    } else if (bitmap == &picture_) {
        canvas.Draw(face.gx, face.gy, picture_);
    } else if (bitmap) {
        canvas.DrawTransparent(face.gx, face.gy, *bitmap);
    }
    if (!withCaption) return;
    canvas.font.color = textColor;
    canvas.brush.style = BrushStyle::Clear;
    unsigned flags = face.textFlags;
    TRect textRect = face.textRect;
    if (drawPosition_.enabled) {
        flags = DT::kEndEllipsis | DT::kSingleLine;
        textRect = {drawPosition_.textX, drawPosition_.textY, width(), height()};
    }
    if (HorizontalBar()) {
        if (state_ == TToolButtonState::bsDisabled) {
            canvas.font.color = clBtnHighlight;
            TRect shifted = textRect.Offset(1, 1);
            canvas.DrawText(caption, shifted, flags);
            canvas.font.color = clBtnShadow;
        }
        canvas.DrawText(caption, textRect, flags);
    } else {
        canvas.font.escapement = 2700;
        if (state_ == TToolButtonState::bsDisabled) {
            canvas.font.color = clBtnHighlight;
            DrawAccelText(canvas, caption, face.textPoint);
            canvas.font.color = clBtnShadow;
            DrawAccelText(canvas, caption, {face.textPoint.x - 1, face.textPoint.y - 1});
        } else {
            DrawAccelText(canvas, caption, face.textPoint);
        }
    }
}

// ================================================================ separator

TFxToolBarSeparator::TFxToolBarSeparator(QWidget* parent) : TFxCustomToolBarControl(parent) {
    TCustomControl::SetBounds(0, 0, 10, 22);
}

void TFxToolBarSeparator::Assign(const TFxToolBarSeparator& source) {
    SetSeparatorStyle(source.separatorStyle_);
    SetLineColor(source.lineColor_);
}

void TFxToolBarSeparator::Measure() {
    if (!AutoSize() || !parentWidget()) return;
    // Across the whole bar less 4, its caption included.
    TFxCustomToolBar* bar = FxToolBar();
    if (HorizontalBar())
        TCustomControl::SetBounds(x(), y(), 10, bar ? bar->height() - 4 : height());
    else
        TCustomControl::SetBounds(x(), y(), bar ? bar->width() - 4 : width(), 10);
}

void TFxToolBarSeparator::Paint(Canvas& canvas) {
    PaintBackground(canvas);
    if (separatorStyle_ == TFxSeparatorStyle::ssBlank) return;
    const TRect r = ClientRect();
    if (HorizontalBar()) {
        const int cx = r.left + r.Width() / 2;
        canvas.pen.color = lineColor_;
        canvas.MoveTo(cx, r.top + 3);
        canvas.LineTo(cx, r.bottom - 3);
        canvas.pen.color = clWhite;
        canvas.MoveTo(cx + 1, r.top + 4);
        canvas.LineTo(cx + 1, r.bottom - 2);
    } else {
        const int cy = r.top + r.Height() / 2;
        canvas.pen.color = lineColor_;
        canvas.MoveTo(r.left + 3, cy);
        canvas.LineTo(r.right - 3, cy);
        canvas.pen.color = clWhite;
        canvas.MoveTo(r.left + 4, cy + 1);
        canvas.LineTo(r.right - 2, cy + 1);
    }
}

}  // namespace vx
