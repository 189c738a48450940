#include "styling/toolbar/ToolBarPager.h"

#include <QPainter>
#include <algorithm>

#include "platform/paint/Canvas.h"

namespace vx {

TPagerToolBar& TPagerPage::AddToolBar(const TRect& bounds, bool visible) {
    toolBars_.push_back(std::make_unique<TPagerToolBar>());
    toolBars_.back()->bounds = bounds;
    toolBars_.back()->visible = visible;
    return *toolBars_.back();
}

TPagerToolBar* TPagerPage::ToolBar(int n) const {
    if (n < 0 || n >= ToolBarCount()) return nullptr;
    return toolBars_[static_cast<std::size_t>(n)].get();
}

std::vector<TPagerToolBar*> TPagerPage::VisibleToolBars(bool designing) const {
    std::vector<TPagerToolBar*> list;
    for (const auto& bar : toolBars_) {
        if (!bar->visible && !designing) continue;
        const auto later = std::find_if(list.begin(), list.end(), [&](const TPagerToolBar* other) {
            return other->bounds.left > bar->bounds.left;
        });
        list.insert(later, bar.get());
    }
    return list;
}

void TPagerPage::LayoutToolBars() {
    if (layingOut_ || !layoutEnabled_) return;
    layingOut_ = true;
    int x = 3;
    for (TPagerToolBar* bar : VisibleToolBars()) {
        bar->bounds = Bounds(x, 3, bar->bounds.Width(), height_ - 6);
        x += bar->bounds.Width() + 3;
    }
    layingOut_ = false;
}

bool TPagerPage::HandleKey(int key) {
    for (TPagerToolBar* bar : VisibleToolBars())
        if (bar->onKey && bar->onKey(key)) return true;
    return false;
}

void TPagerPage::CloseGlowPopups() {
    for (TPagerToolBar* bar : VisibleToolBars())
        if (bar->onClosePopups) bar->onClosePopups();
}

TToolBarPager::TToolBarPager(TPagerHost host) : host_(std::move(host)) {}

TToolBarPager::~TToolBarPager() {
    if (styler_) styler_->RemoveControl(this);
}

TPagerPage& TToolBarPager::AddPage(int height) {
    pages_.push_back(std::make_unique<TPagerPage>(height));
    return *pages_.back();
}

TPagerPage* TToolBarPager::Page(int n) const {
    if (n < 0 || n >= PageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(n)].get();
}

int TToolBarPager::IndexOfPage(const TPagerPage* page) const {
    for (int i = 0; i < PageCount(); ++i)
        if (Page(i) == page) return i;
    return -1;
}

const TPageGroup* TToolBarPager::Group(int n) const {
    if (n < 0 || n >= static_cast<int>(groups_.size())) return nullptr;
    return &groups_[static_cast<std::size_t>(n)];
}

int TToolBarPager::GroupOfPage(int n) const {
    if (n < 0 || n >= PageCount()) return -1;
    for (std::size_t i = 0; i < groups_.size(); ++i)
        if (n >= groups_[i].firstPage && n <= groups_[i].lastPage) return static_cast<int>(i);
    return -1;
}

TRect TToolBarPager::AdjustClientRect(TRect rect) const {
    if (captionVisible_) rect.top += captionHeight_;
    return rect;
}

void TToolBarPager::SetToolBarStyler(TCustomFxToolBarStyler* styler) {
    if (styler == styler_) return;
    if (styler_) styler_->RemoveControl(this);
    styler_ = styler;
    if (styler_) styler_->AddControl(this);
}

void TToolBarPager::SetCaptionButtons(std::uint8_t buttons) {
    if (buttons == captionButtons_) return;
    captionButtons_ = buttons;
    UpdateCaptionButtons(true);
}

TPagerGlowButton* TToolBarPager::CaptionButton(int i) const {
    if (i < 0 || i >= 3) return nullptr;
    return captionGlow_[static_cast<std::size_t>(i)].get();
}

TPagerGlowButton* TToolBarPager::GlowButton(int i) const {
    if (i < 0 || i >= 3) return nullptr;
    return glow_[static_cast<std::size_t>(i)].get();
}

TPagerGlowButton& TToolBarPager::MakeGlowButton(int i) {
    auto& button = glow_.at(static_cast<std::size_t>(i));
    if (!button) button = std::make_unique<TPagerGlowButton>();
    return *button;
}

void TToolBarPager::UpdateCaptionButtons(bool rebuildGlyphs) {
    if (!captionVisible_ || captionButtons_ == 0) {
        captionRightMargin_ = savedRightMargin_;
        for (auto& button : captionGlow_)
            button.reset();
        return;
    }
    int leftmost = width_;
    for (int i = 0; i < 3; ++i) {
        auto& button = captionGlow_[static_cast<std::size_t>(i)];
        if (!button) {
            button = std::make_unique<TPagerGlowButton>();
            if (styler_) button->appearance.Assign(styler_->GlowButtonAppearance());
        }
        const int right = width_ - 6 - i * (kCaptionButtonSize + 2);
        const int bottom = captionHeight_ - 4;
        button->bounds = {right - kCaptionButtonSize, bottom - kCaptionButtonSize, right, bottom};
        // The buttons stand close, maximize, minimize from the right.
        static constexpr std::uint8_t kFlagOf[3] = {
            TCaptionButton::kClose, TCaptionButton::kMaximize, TCaptionButton::kMinimize};
        button->visible = (captionButtons_ & kFlagOf[i]) != 0;
        if (button->visible) leftmost = std::min(leftmost, button->bounds.left);
    }
    captionRightMargin_ = savedRightMargin_ + (width_ - leftmost);
    if (!rebuildGlyphs) return;

    // Close, maximize or restore, minimize.
    const TColor color = styler_ ? styler_->PagerCaption().TextColor() : clBlack;
    const bool restore = host_.formMaximized && host_.formMaximized();
    glyphs_.clear();
    for (int i = 0; i < 3; ++i) {
        QImage image(kGlyphSize, kGlyphSize, QImage::Format_RGB32);
        image.fill(ToQColor(kGlyphBackground));
        QPainter painter(&image);
        Canvas canvas(painter);
        const TRect r{0, 0, kGlyphSize, kGlyphSize};
        switch (i) {
            case 0:
                DrawCloseGlyph(canvas, r, color, 8);
                break;
            case 1:
                if (restore)
                    DrawRestoreGlyph(canvas, r, color, true);
                else
                    DrawMaximizeGlyph(canvas, r, color, true);
                break;
            default:
                DrawMinimizeGlyph(canvas, r, color, true);
                break;
        }
        painter.end();
        glyphs_.push_back(image);
    }
}

void TToolBarPager::CloseClick() {
    if (onCloseClick)
        onCloseClick();
    else if (host_.closeForm)
        host_.closeForm();
}

void TToolBarPager::MaximizeClick() {
    if (onMaximizeClick) {
        onMaximizeClick();
        return;
    }
    if (host_.formMaximized && host_.setFormMaximized)
        host_.setFormMaximized(!host_.formMaximized());
    UpdateCaptionButtons(true);
}

void TToolBarPager::MinimizeClick() {
    if (onMinimizeClick)
        onMinimizeClick();
    else if (host_.minimizeApplication)
        host_.minimizeApplication();
}

void TToolBarPager::HandleKey(int key) {
    TPagerPage* page = ActivePage();
    if (page != nullptr && page->HandleKey(key)) return;
    if (host_.beep) host_.beep();
}

void TToolBarPager::StylerChanged(int code) {
    ++paints_;
    if (TPagerPage* page = ActivePage()) page->Invalidate();
    if (styler_) {
        for (auto* buttons : {&captionGlow_, &glow_}) {
            for (auto& button : *buttons) {
                if (!button) continue;
                button->appearance.Assign(styler_->GlowButtonAppearance());
                ++button->paints;
            }
        }
    }
    if (code == TStyleChange::kPagerCaption) UpdateCaptionButtons(true);
}

}  // namespace vx
