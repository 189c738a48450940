// `TWgCustomGroupBox`/`TWgGroupBox`: a group frame with a caption on the
// bordered panel, in six styles: the etched standard frame, the panel's own
// look (custom), a line along the top, a flat rounded frame, a gradient
// banner and an underlined caption. The caption's accelerator moves the
// focus to the box's first child.
#pragma once

#include "widgets/qt/WgPanel.h"

namespace vx {

class TWgCustomGroupBox : public TWgCustomPanel {
    Q_OBJECT
  public:
    explicit TWgCustomGroupBox(QWidget* parent = nullptr);

    TWgGroupBoxStyle GroupStyle() const { return groupStyle_; }
    void SetGroupStyle(TWgGroupBoxStyle s) { SetPublished(groupStyle_, s, kRealign | kRepaint); }
    int BannerHeight() const { return bannerHeight_; }
    void SetBannerHeight(int h) { SetPublished(bannerHeight_, h, kRealign | kRepaint); }

    // Where the caption is drawn; empty without one and in the custom style.
    TRect CaptionRect();

  protected:
    void AdjustClientRect(TRect& rect) override;
    void Paint(Canvas& canvas) override;
    void ApplyFrameController(const TWgFrameController& controller) override;
    void TextChanged() override;
    void FontChanged() override;
    bool event(QEvent* event) override;

  private:
    bool Themed() const;
    void PaintFrame(Canvas& canvas, const TRect& caption, int frameTop);
    void PaintCaption(Canvas& canvas, TRect caption);
    void GrabAccelerator();

    TWgGroupBoxStyle groupStyle_ = TWgGroupBoxStyle::gsFlat;
    int bannerHeight_ = 0;
    int shortcutId_ = 0;
};

// The published group box.
class TWgGroupBox : public TWgCustomGroupBox {
    Q_OBJECT
  public:
    using TWgCustomGroupBox::TWgCustomGroupBox;
};

}  // namespace vx
