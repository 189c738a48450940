// A tool-bar pager as a model: pages of tool bars, groups of pages, and a
// caption bar with close, maximize and minimize glow buttons, drawn in the
// styler's pager look. It holds what the pager's operations need and none of
// its windows: tool bars and glow buttons are plain records, and the form
// and application it would act on are reached through TPagerHost.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Geometry.h"
#include "styling/toolbar/FxToolBarStylers.h"
#include "styling/toolbar/GlowButtonAppearance.h"

namespace vx {

// A tool bar on a page, as the page lays it out and hands it keys.
struct TPagerToolBar {
    TRect bounds;
    bool visible = true;
    // Takes a key; true when the tool bar used it.
    std::function<bool(int key)> onKey;
    // Closes the pop-up windows of the glow buttons on the tool bar.
    std::function<void()> onClosePopups;
};

class TPagerPage {
  public:
    explicit TPagerPage(int height = 0) : height_(height) {}

    TPagerToolBar& AddToolBar(const TRect& bounds, bool visible = true);
    int ToolBarCount() const { return static_cast<int>(toolBars_.size()); }
    // Tool bar n; null when n is out of range.
    TPagerToolBar* ToolBar(int n) const;

    // The visible tool bars (every one while designing) by their left edge;
    // tool bars with equal left edges keep their order.
    std::vector<TPagerToolBar*> VisibleToolBars(bool designing = false) const;
    // Lays the visible tool bars out from the left: the first 3 pixels from
    // the left, all 3 pixels from the top and as high as the page less 6,
    // 3 pixels apart. Does nothing while disabled or already laying out.
    void LayoutToolBars();
    bool LayoutEnabled() const { return layoutEnabled_; }
    void SetLayoutEnabled(bool enabled) { layoutEnabled_ = enabled; }
    // Hands the key to each visible tool bar until one takes it; false
    // when none did.
    bool HandleKey(int key);
    void CloseGlowPopups();

    int Height() const { return height_; }
    void SetHeight(int height) { height_ = height; }
    int PaintCount() const { return paints_; }
    void Invalidate() { ++paints_; }

  private:
    std::vector<std::unique_ptr<TPagerToolBar>> toolBars_;
    int height_;
    bool layingOut_ = false;
    bool layoutEnabled_ = true;
    int paints_ = 0;
};

// Pages first to last (inclusive) shown as one group.
struct TPageGroup {
    int firstPage = 0;
    int lastPage = 0;
};

struct TPagerGlowButton {
    TRect bounds;
    bool visible = false;
    TGlowButtonAppearance appearance;
    int paints = 0;
};

// What the pager acts on beyond itself: its form and the application.
struct TPagerHost {
    std::function<void()> closeForm;
    std::function<bool()> formMaximized;
    std::function<void(bool maximized)> setFormMaximized;
    std::function<void()> minimizeApplication;
    std::function<void()> beep;
};

// Caption buttons: bit 0 close, bit 1 minimize, bit 2 maximize.
namespace TCaptionButton {
inline constexpr std::uint8_t kClose = 1;
inline constexpr std::uint8_t kMinimize = 2;
inline constexpr std::uint8_t kMaximize = 4;
}  // namespace TCaptionButton

class TToolBarPager : public QObject, public IToolBarStyleReceiver {
  public:
    static constexpr int kCaptionButtonSize = 16;
    static constexpr int kGlyphSize = 14;
    static constexpr TColor kGlyphBackground = 0xFF00FF;

    explicit TToolBarPager(TPagerHost host = {});
    ~TToolBarPager() override;

    // Pages, owned.
    TPagerPage& AddPage(int height = 0);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Page n, or null when n is out of range.
    TPagerPage* Page(int n) const;
    // -1 when the page is not one of this pager's.
    int IndexOfPage(const TPagerPage* page) const;
    int ActivePageIndex() const { return activePage_; }
    void SetActivePageIndex(int index) { activePage_ = index; }
    // Null when the active index is out of range.
    TPagerPage* ActivePage() const { return Page(activePage_); }

    std::vector<TPageGroup>& Groups() { return groups_; }
    // Group n, or null when n is out of range.
    const TPageGroup* Group(int n) const;
    // The first group whose pages hold page n; -1 when n is out of range or
    // no group holds it.
    int GroupOfPage(int n) const;

    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    bool CaptionVisible() const { return captionVisible_; }
    void SetCaptionVisible(bool visible) { captionVisible_ = visible; }
    int CaptionHeight() const { return captionHeight_; }
    void SetCaptionHeight(int height) { captionHeight_ = height; }
    int CaptionRightMargin() const { return captionRightMargin_; }
    void SetCaptionRightMargin(int margin) { captionRightMargin_ = savedRightMargin_ = margin; }
    // The client area below a visible caption bar.
    TRect AdjustClientRect(TRect rect) const;

    TCustomFxToolBarStyler* ToolBarStyler() const { return styler_; }
    // Registers with the styler (leaving the one before).
    void SetToolBarStyler(TCustomFxToolBarStyler* styler);

    std::uint8_t CaptionButtons() const { return captionButtons_; }
    void SetCaptionButtons(std::uint8_t buttons);
    // Caption button i (0 close, 1 maximize, 2 minimize); null until made.
    TPagerGlowButton* CaptionButton(int i) const;
    // The three other glow buttons; null until made.
    TPagerGlowButton* GlowButton(int i) const;
    TPagerGlowButton& MakeGlowButton(int i);
    // Places, shows and hides the caption buttons as the caption bar and
    // the flags ask, or frees them; with rebuildGlyphs the glyphs too.
    void UpdateCaptionButtons(bool rebuildGlyphs);
    // 14 by 14: close, maximize (restore while the form is maximized),
    // minimize, in the caption's text colour on the transparent colour.
    const std::vector<QImage>& CaptionGlyphs() const { return glyphs_; }

    // Clicks on the caption buttons: a handler, when set, replaces the
    // pager's own action on the form or application.
    std::function<void()> onCloseClick, onMaximizeClick, onMinimizeClick;
    void CloseClick();
    void MaximizeClick();
    void MinimizeClick();

    // Hands a key to the active page's tool bars; a beep when none takes it.
    void HandleKey(int key);

    QObject* ReceiverObject() override { return this; }
    void StylerChanged(int code) override;

    int PaintCount() const { return paints_; }

  private:
    TPagerHost host_;
    std::vector<std::unique_ptr<TPagerPage>> pages_;
    std::vector<TPageGroup> groups_;
    int activePage_ = -1;
    int width_ = 0;
    bool captionVisible_ = true;
    int captionHeight_ = 20;
    int captionRightMargin_ = 0;
    int savedRightMargin_ = 0;
    QPointer<TCustomFxToolBarStyler> styler_;
    std::uint8_t captionButtons_ = 0;
    std::array<std::unique_ptr<TPagerGlowButton>, 3> captionGlow_;
    std::array<std::unique_ptr<TPagerGlowButton>, 3> glow_;
    std::vector<QImage> glyphs_;
    int paints_ = 0;
};

}  // namespace vx
