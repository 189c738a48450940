#include "platform/qt/SpeedButton.h"

#include <QMouseEvent>

namespace vx {
namespace {

// One-pixel lines: left and top in ul, right and bottom in lr; returns the
// rectangle inside them.
TRect Sides(Canvas& canvas, const TRect& r, TColor ul, TColor lr) {
    canvas.brush.style = BrushStyle::Solid;
    canvas.brush.color = ul;
    canvas.FillRect({r.left, r.top, r.right, r.top + 1});
    canvas.FillRect({r.left, r.top, r.left + 1, r.bottom});
    canvas.brush.color = lr;
    canvas.FillRect({r.right - 1, r.top, r.right, r.bottom});
    canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom});
    return r.Inflated(-1, -1);
}

}  // namespace

TSpeedButton::TSpeedButton(QWidget* parent) : TCustomControl(parent) {
    SetColor(clBtnFace);
    resize(23, 22);
}

bool TSpeedButton::DrawnPressed() const {
    return state_ == TButtonState::bsDown || (state_ == TButtonState::bsExclusive && !flat_);
}

void TSpeedButton::SetState(TButtonState state) {
    if (state_ == state) return;
    state_ = state;
    Invalidate();
}

void TSpeedButton::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;  // only another member lets it up
    down_ = down;
    SetState(down ? TButtonState::bsExclusive : TButtonState::bsUp);
    if (down) LetGroupUp();
}

void TSpeedButton::SetGroupIndex(int index) {
    if (groupIndex_ == index) return;
    groupIndex_ = index;
    LetGroupUp();
}

void TSpeedButton::SetAllowAllUp(bool allow) {
    if (allowAllUp_ == allow) return;
    allowAllUp_ = allow;
    LetGroupUp();
}

void TSpeedButton::LetGroupUp() {
    if (groupIndex_ == 0 || !parentWidget()) return;
    for (QObject* object : parentWidget()->children()) {
        auto* other = qobject_cast<TSpeedButton*>(object);
        if (!other || other == this || other->groupIndex_ != groupIndex_) continue;
        if (down_ && other->down_) {
            other->down_ = false;
            other->SetState(TButtonState::bsUp);
        }
        other->allowAllUp_ = allowAllUp_;
    }
}

void TSpeedButton::SetGlyph(const QImage& glyph) {
    glyph_ = glyph;
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
    SetPublished(numGlyphs_, count < 1 ? 1 : (count > 4 ? 4 : count));
}

void TSpeedButton::Click() {
    if (OnClick) OnClick();
}

void TSpeedButton::EnabledChanged() {
    dragging_ = false;
    state_ = down_ ? TButtonState::bsExclusive : TButtonState::bsUp;
    TCustomControl::EnabledChanged();
}

void TSpeedButton::MouseEnter() {
    mouseInside_ = true;
    if (flat_) Invalidate();
}

void TSpeedButton::MouseLeave() {
    mouseInside_ = false;
    if (flat_) Invalidate();
}

void TSpeedButton::mousePressEvent(QMouseEvent* event) {
    TCustomControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    if (!down_) SetState(TButtonState::bsDown);
    dragging_ = true;
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    TCustomControl::mouseMoveEvent(event);
    if (!dragging_) return;
    const bool inside = rect().contains(event->position().toPoint());
    TButtonState state = down_ ? TButtonState::bsExclusive : TButtonState::bsUp;
    if (inside && !down_) state = TButtonState::bsDown;
    SetState(state);
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    TCustomControl::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    const bool click = rect().contains(event->position().toPoint());
    if (groupIndex_ == 0) {
        SetState(TButtonState::bsUp);
    } else if (click) {
        SetDown(!down_);
        if (!down_)
            SetState(TButtonState::bsUp);  // a member that may not come up stays down
        else
            SetState(TButtonState::bsExclusive);
    } else {
        SetState(down_ ? TButtonState::bsExclusive : TButtonState::bsUp);
    }
    if (click) Click();
}

QImage TSpeedButton::GlyphFor(TButtonState state) const {
    if (glyph_.isNull()) return {};
    const int width = glyph_.width() / numGlyphs_;
    int index = static_cast<int>(state);
    if (index >= numGlyphs_) index = 0;
    return glyph_.copy(index * width, 0, width, glyph_.height());
}

void TSpeedButton::DrawGlyphAndCaption(Canvas& canvas, const TRect& face) {
    const bool enabled = isEnabled();
    const TButtonState shown = enabled ? state_ : TButtonState::bsDisabled;
    const QImage picture = GlyphFor(shown);
    const std::string text = Caption().toStdString();
    const int glyphW = picture.isNull() ? 0 : picture.width();
    const int glyphH = picture.isNull() ? 0 : picture.height();
    const int textW = text.empty() ? 0 : canvas.TextWidth(text);
    const int textH = text.empty() ? 0 : canvas.TextHeight(text);

    // Along the layout's axis: margin, glyph, spacing, text (or reversed).
    const bool across =
        layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
    const int extent = across ? face.Width() : face.Height();
    const int glyphLen = across ? glyphW : glyphH, textLen = across ? textW : textH;
    int spacing = (glyphLen == 0 || textLen == 0) ? 0 : spacing_;
    int margin = margin_;
    if (margin < 0) {
        if (spacing < 0) {
            spacing = (extent - glyphLen - textLen) / 3;
            margin = spacing;
        } else {
            margin = (extent - (spacing + glyphLen + textLen) + 1) / 2;
        }
    } else if (spacing < 0) {
        spacing = (extent - (margin + glyphLen + textLen)) / 2;
    }
    int glyphAt = margin, textAt = margin + glyphLen + spacing;
    if (layout_ == TButtonLayout::blGlyphRight || layout_ == TButtonLayout::blGlyphBottom) {
        glyphAt = extent - margin - glyphLen;
        textAt = glyphAt - spacing - textLen;
    }
    const int offset = DrawnPressed() ? 1 : 0;
    TPoint glyphPos, textPos;
    if (across) {
        glyphPos = {face.left + glyphAt, face.top + (face.Height() - glyphH + 1) / 2};
        textPos = {face.left + textAt, face.top + (face.Height() - textH + 1) / 2};
    } else {
        glyphPos = {face.left + (face.Width() - glyphW + 1) / 2, face.top + glyphAt};
        textPos = {face.left + (face.Width() - textW + 1) / 2, face.top + textAt};
    }
    glyphPos = {glyphPos.x + offset, glyphPos.y + offset};
    textPos = {textPos.x + offset, textPos.y + offset};

    if (!picture.isNull()) {
        // The whole strip's bottom-left pixel is see-through in every picture.
        const QRgb corner = glyph_.pixel(0, glyph_.height() - 1);
        const TColor transparent = RGBColor(qRed(corner), qGreen(corner), qBlue(corner));
        if (shown == TButtonState::bsDisabled && numGlyphs_ < 2) {
            canvas.DrawTransparent(glyphPos.x + 1, glyphPos.y + 1, picture, transparent,
                                   clBtnHighlight);
            canvas.DrawTransparent(glyphPos.x, glyphPos.y, picture, transparent, clBtnShadow);
        } else {
            canvas.DrawTransparent(glyphPos.x, glyphPos.y, picture, transparent);
        }
    }
    if (!text.empty()) {
        canvas.brush.style = BrushStyle::Clear;
        if (!enabled) {
            canvas.font.color = clBtnHighlight;
            canvas.TextOut(textPos.x + 1, textPos.y + 1, text);
            canvas.font.color = clBtnShadow;
        }
        canvas.TextOut(textPos.x, textPos.y, text);
    }
}

void TSpeedButton::Paint(Canvas& canvas) {
    TRect face = ClientRect();
    if (flat_ && transparent_) {
        canvas.Painter().drawImage(0, 0, ParentImage());
    } else {
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = Color();
        canvas.FillRect(face);
    }
    const bool pressed = state_ == TButtonState::bsDown || state_ == TButtonState::bsExclusive;
    if (flat_) {
        if (pressed && isEnabled())
            face = Sides(canvas, face, clBtnShadow, clBtnHighlight);
        else if (mouseInside_ && isEnabled())
            face = Sides(canvas, face, clBtnHighlight, clBtnShadow);
    } else if (pressed) {
        face = Sides(canvas, face, cl3DDkShadow, clBtnHighlight);
        face = Sides(canvas, face, clBtnShadow, cl3DLight);
    } else {
        face = Sides(canvas, face, clBtnHighlight, cl3DDkShadow);
        face = Sides(canvas, face, cl3DLight, clBtnShadow);
    }
    // A button held down shows a dotted face (not a flat one under the pointer).
    if (state_ == TButtonState::bsExclusive && (!flat_ || !mouseInside_)) {
        const TColor a = ColorToRGB(clBtnFace), b = ColorToRGB(clBtnHighlight);
        for (int y = face.top; y < face.bottom; ++y) {
            for (int x = face.left; x < face.right; ++x)
                canvas.SetPixel(x, y, ((x + y) & 1) ? b : a);
        }
    }
    DrawGlyphAndCaption(canvas, ClientRect());
}

}  // namespace vx
