// `TWgGroupBar`: the scrolling column of group panels (TWgGroup) as a
// window: a frame of chosen styles and sides, a background in the category
// view (the theme's, or a gradient between two colours), a vertical scroll
// bar while the groups do not fit, and the image lists the groups share.
// Where the groups go, the looks and the scrolling are the model's
// (TWgGroupBarModel).
#pragma once

#include <QPointer>

#include "platform/paint/ImageList.h"
#include "platform/qt/CustomControl.h"
#include "widgets/WgCommon.h"
#include "widgets/WgGroupBarModel.h"

class QScrollBar;

namespace vx {

class TWgGroup;

enum class TWgGradientPath : std::uint8_t { gpTopToBottom, gpBottomToTop };

class TWgGroupBar : public TCustomControl, public TWgGroupBarModel {
    Q_OBJECT
  public:
    explicit TWgGroupBar(QWidget* parent = nullptr);
    ~TWgGroupBar() override;

    TWgGroup* Group(int index) const;

    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx value);
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(TColor value);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int value);
    TWgGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TWgGradientColorStyle value);
    TColor GradientColorStart() const { return gradientColorStart_; }
    void SetGradientColorStart(TColor value);
    TColor GradientColorStop() const { return gradientColorStop_; }
    void SetGradientColorStop(TColor value);
    TWgGradientPath GradientPath() const { return gradientPath_; }
    void SetGradientPath(TWgGradientPath value);
    TWgVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TWgVisualStyle value);
    // The bar takes the height its groups need (a bar aligned to the left,
    // the right or the whole client keeps the height its place gives it).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TImageList* SmallImageList() const { return smallImages_; }
    void SetSmallImages(TImageList* images);
    TImageList* LargeImageList() const { return largeImages_; }
    void SetLargeImages(TImageList* images);

    // Where the client area (inside the frame) starts in the window.
    TPoint ClientOrigin() const;
    // The client area inside the frame, without the scroll bar.
    TRect InnerRect() const;
    // The colour the bar's background shows at a row of its client area.
    TColor BackgroundAt(int y) const;
    QScrollBar* VerticalScrollBar() const { return scrollBar_; }

    // The model's, for the groups.
    void RepaintBar() override;
    void AdjustSize() override;
    bool HasParent() const override { return parentWidget() != nullptr; }
    TColor BarColor() const override { return Color(); }

  protected:
    int ClientWidth() const override;
    int ClientHeight() const override;
    void ScrollBarChanged() override;
    void ApplyBarColor(TColor color) override { SetColor(color); }
    void GroupJoined(TWgGroupModel& group) override;
    void GroupLeft(TWgGroupModel& group) override;
    std::vector<TWgGroupBarModel*> SiblingBars() override;
    void PostScrollReset() override;
    void PostLayout() override;

    void Paint(Canvas& canvas) override;
    void Loaded() override;
    void ColorChanged() override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void FrameChanged();
    void WatchImages(TImageList* old, TImageList* images);
    void RepaintGroups();
    void PlaceScrollBar();
    // The colours of the background gradient, top first.
    void BackgroundColors(TColor& top, TColor& bottom) const;
    bool PaintsBackground() const;

    int bevelWidth_ = 1;
    TFrameStyleEx borderInner_ = TFrameStyle::fsNone;
    TFrameStyleEx borderOuter_ = TFrameStyle::fsNone;
    TSides borderSides_ = TSides::All();
    TColor borderColor_ = clBtnFace;
    TColor borderHighlight_ = cl3DLight;
    TColor borderShadow_ = clBtnShadow;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    TWgGradientColorStyle gradientColorStyle_ = TWgGradientColorStyle::gcsSystem;
    TColor gradientColorStart_ = clBtnFace;
    TColor gradientColorStop_ = clBtnShadow;
    TWgGradientPath gradientPath_ = TWgGradientPath::gpTopToBottom;
    TWgVisualStyle visualStyle_ = TWgVisualStyle::vsGradient;
    QPointer<TImageList> smallImages_;
    QPointer<TImageList> largeImages_;
    QScrollBar* scrollBar_ = nullptr;
    bool syncingScrollBar_ = false;
    bool autoSize_ = false;
};

}  // namespace vx
