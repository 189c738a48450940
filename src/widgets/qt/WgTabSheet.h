// `TWgTabSheet`: one page of a page control. It fills the card while it is
// the active page and is hidden otherwise; its caption, colour, images and
// flags make its tab. Pages are shown and hidden only through the page
// control's active page.
#pragma once

#include <QPointer>
#include <functional>

#include "platform/qt/CustomControl.h"

namespace vx {

class TWgPageControl;

class TWgTabSheet : public TCustomControl {
    Q_OBJECT
  public:
    // A page of `pageControl` (none: not inserted yet).
    explicit TWgTabSheet(TWgPageControl* pageControl = nullptr);
    ~TWgTabSheet() override;

    TWgPageControl* PageControl() const { return pageControl_; }
    // Moves the page into another page control (none: out of any).
    void SetPageControl(TWgPageControl* pageControl);

    // Caption (CR LF for several lines) and Color are the tab's too; a
    // colour other than the page control's turns its coloured tabs on.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int index);
    bool TabEnabled() const { return tabEnabled_; }
    void SetTabEnabled(bool enabled);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);

    // The page's place in the page control's pages; a place outside them
    // is refused with an error and changes nothing.
    int PageIndex() const;
    void SetPageIndex(int index);
    // The index of its tab: the pages before it with a visible tab; -1 when
    // its own tab is hidden or it is in no page control.
    int TabIndex() const;

    // The page's Visible property cannot be set: this always fails.
    [[noreturn]] void SetVisible(bool visible);

    std::function<void(TWgTabSheet& sender, Canvas& canvas, const TRect& rect, bool& handled)>
        OnPaintBackground;
    std::function<void()> OnShow;
    std::function<void()> OnHide;

  protected:
    void Paint(Canvas& canvas) override;
    void TextChanged() override;
    void ColorChanged() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    friend class TWgPageControl;
    void Changed();

    TWgPageControl* pageControl_ = nullptr;
    QPointer<TCustomControl> dockClient_;  // the control docked on the page
    int imageIndex_ = -1;
    int disabledIndex_ = -1;
    bool tabEnabled_ = true;
    bool tabVisible_ = true;
    QString hint_;
};

}  // namespace vx
