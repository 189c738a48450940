// `TSpeedButton`: a tool button that takes no focus, with a glyph and a
// caption, as the window framework had it.
//
// Pressing it draws it pressed while the pointer stays over it; releasing it
// there clicks it. A button in a group (GroupIndex not 0) stays down when
// clicked and lets the other buttons of its group (its siblings with the same
// GroupIndex) up; it comes up again only by another member's going down, or
// by a click of its own when AllowAllUp. A flat button shows its frame only
// while the pointer is over it or it is down.
//
// The glyph holds NumGlyphs pictures side by side: up, disabled, pressed,
// down; its bottom-left pixel's colour is transparent. Without a disabled
// picture a disabled button embosses the up picture.
#pragma once

#include <QImage>
#include <functional>

#include "platform/qt/CustomControl.h"

namespace vx {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TCustomControl {
    Q_OBJECT
  public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat) { SetPublished(flat_, flat); }
    const QImage& Glyph() const { return glyph_; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout) { SetPublished(layout_, layout); }
    int Margin() const { return margin_; }
    void SetMargin(int margin) { SetPublished(margin_, margin); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing) { SetPublished(spacing_, spacing); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { SetPublished(transparent_, transparent); }

    // How the button is drawn now.
    TButtonState State() const { return state_; }

    std::function<void()> OnClick;
    // Runs OnClick.
    virtual void Click();

  protected:
    void Paint(Canvas& canvas) override;
    void EnabledChanged() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Whether the button is drawn pressed (the glyph and caption move by
    // one pixel).
    bool DrawnPressed() const;

  private:
    void SetState(TButtonState state);
    void LetGroupUp();
    QImage GlyphFor(TButtonState state) const;
    void DrawGlyphAndCaption(Canvas& canvas, const TRect& face);

    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool flat_ = false;
    QImage glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool transparent_ = true;
    TButtonState state_ = TButtonState::bsUp;
    bool dragging_ = false;
    bool mouseInside_ = false;
};

}  // namespace vx
