#include "widgets/qt/WgGroupController.h"

#include <algorithm>

#include "widgets/WgRegIniFile.h"
#include "widgets/qt/WgGroup.h"

namespace vx {

TWgGroupController::TWgGroupController() {
    font_.color = clWindowText;
    captionFont_ = font_;
    captionFont_.bold = true;
    captionFont_.color = clHighlight;
    itemStaticFont_ = font_;
}

TWgGroupController::~TWgGroupController() {
    SetRegIniFile(nullptr);
    for (TWgGroup* group : groups_)
        group->controller_ = nullptr;
}

void TWgGroupController::SetBorderColor(TColor value) {
    Set(borderColor_, value, kBorderColor);
}
void TWgGroupController::SetCaptionColor(TColor value) {
    Set(captionColor_, value, kCaptionColor);
}
void TWgGroupController::SetCaptionColorStart(TColor value) {
    Set(captionColorStart_, value, kCaptionColorStart);
}
void TWgGroupController::SetCaptionColorStop(TColor value) {
    Set(captionColorStop_, value, kCaptionColorStop);
}
void TWgGroupController::SetCaptionHeight(int value) {
    Set(captionHeight_, value, kCaptionHeight);
}
void TWgGroupController::SetCaptionHotColor(TColor value) {
    Set(captionHotColor_, value, kCaptionHotColor);
}
void TWgGroupController::SetColor(TColor value) {
    Set(color_, value, kColor);
}
void TWgGroupController::SetDividerColor(TColor value) {
    Set(dividerColor_, value, kDividerColor);
}
void TWgGroupController::SetDividerVisible(bool value) {
    Set(dividerVisible_, value, kDividerVisible);
}
void TWgGroupController::SetItemHeight(int value) {
    Set(itemHeight_, value, kItemHeight);
}
void TWgGroupController::SetItemHotColor(TColor value) {
    Set(itemHotColor_, value, kItemHotColor);
}
void TWgGroupController::SetItemIndent(std::uint8_t value) {
    Set(itemIndent_, value, kItemIndent);
}
void TWgGroupController::SetSelectionColor(TColor value) {
    Set(selectionColor_, value, kSelectionColor);
}
void TWgGroupController::SetSelectionFontColor(TColor value) {
    Set(selectionFontColor_, value, kSelectionFontColor);
}
void TWgGroupController::SetSelectionShadowColor(TColor value) {
    Set(selectionShadowColor_, value, kSelectionShadowColor);
}
void TWgGroupController::SetSelectionFrameColor(TColor value) {
    Set(selectionFrameColor_, value, kSelectionFrameColor);
}
void TWgGroupController::SetShowItemSelection(bool value) {
    Set(showItemSelection_, value, kShowItemSelection);
}
void TWgGroupController::SetItemSelectionStyle(TWgItemSelectionStyle value) {
    Set(itemSelectionStyle_, value, kItemSelectionStyle);
}
void TWgGroupController::SetIgnoreSelectedItemClick(bool value) {
    Set(ignoreSelectedItemClick_, value, kIgnoreSelectedItemClick);
}
void TWgGroupController::SetHideAccelerators(bool value) {
    Set(hideAccelerators_, value, kHideAccelerators);
}

void TWgGroupController::SetParentColor(bool value) {
    if (value == parentColor_) return;
    parentColor_ = value;
    UpdateAll(kParentColor);
    if (!value) UpdateAll(kColor);
}

void TWgGroupController::SetParentFont(bool value) {
    if (value == parentFont_) return;
    parentFont_ = value;
    UpdateAll(kParentFont);
    if (!value) UpdateAll(kFont);
}

void TWgGroupController::SetFont(const CanvasFont& font) {
    fontChanged_ = true;
    const bool passCaption = !captionFontChanged_;
    const bool passStatic = !itemStaticFontChanged_;
    if (passCaption) {
        captionFont_.name = font.name;
        captionFont_.size = font.size;
        captionFont_.bold = true;
    }
    if (passStatic) itemStaticFont_ = font;
    font_ = font;
    UpdateAll(kFont);
    // The groups took the controller's caption and static fonts when they
    // were linked, so they follow only what the controller sends them.
    if (passCaption) UpdateAll(kCaptionFont);
    if (passStatic) UpdateAll(kItemStaticFont);
}

void TWgGroupController::SetCaptionFont(const CanvasFont& font) {
    captionFontChanged_ = true;
    captionFont_ = font;
    UpdateAll(kCaptionFont);
}

void TWgGroupController::SetItemStaticFont(const CanvasFont& font) {
    itemStaticFontChanged_ = true;
    itemStaticFont_ = font;
    UpdateAll(kItemStaticFont);
}

void TWgGroupController::SetRegIniFile(TWgRegIniFile* store) {
    if (store == regIniFile_) return;
    if (regIniFile_) regIniFile_->RemoveFreeNotification(this);
    regIniFile_ = store;
    if (regIniFile_) regIniFile_->FreeNotification(this, [this] { regIniFile_ = nullptr; });
}

void TWgGroupController::AddGroup(TWgGroup& group) {
    if (std::find(groups_.begin(), groups_.end(), &group) != groups_.end()) return;
    groups_.push_back(&group);
    group.controller_ = this;
    Apply(group, kAll);
}

void TWgGroupController::RemoveGroup(TWgGroup& group) {
    std::erase(groups_, &group);
    if (group.controller_ == this) group.controller_ = nullptr;
}

void TWgGroupController::BeginUpdate() {
    ++updateCount_;
}

void TWgGroupController::EndUpdate() {
    if (--updateCount_ <= 0) {
        updateCount_ = 0;
        UpdateAll(kAll);
    }
}

void TWgGroupController::UpdateAll(int change) {
    if (updateCount_ >= 1 || IsLoading()) return;
    for (TWgGroup* group : std::vector<TWgGroup*>(groups_))
        Apply(*group, change);
}

void TWgGroupController::Apply(TWgGroup& group, int change) {
    const bool all = change == kAll;
    if (all) {
        group.SetParentColor(parentColor_);
        if (!parentColor_) group.SetColor(color_);
        group.SetParentFont(parentFont_);
        if (!parentFont_) group.SetFont(font_);
    }
    auto wants = [&](Change c) { return all || change == c; };
    if (wants(kBorderColor)) group.SetBorderColor(borderColor_);
    if (wants(kCaptionColor)) group.SetCaptionColor(captionColor_);
    if (wants(kCaptionColorStart)) group.SetCaptionColorStart(captionColorStart_);
    if (wants(kCaptionColorStop)) group.SetCaptionColorStop(captionColorStop_);
    if (wants(kCaptionFont)) group.SetCaptionFont(captionFont_);
    if (wants(kCaptionHeight)) group.SetCaptionHeight(captionHeight_);
    if (wants(kCaptionHotColor)) group.SetCaptionHotColor(captionHotColor_);
    if (change == kColor) group.SetColor(color_);
    if (change == kParentColor) group.SetParentColor(parentColor_);
    if (wants(kDividerColor)) group.SetDividerColor(dividerColor_);
    if (wants(kDividerVisible)) group.SetDividerVisible(dividerVisible_);
    if (change == kFont) group.SetFont(font_);
    if (change == kParentFont) group.SetParentFont(parentFont_);
    if (wants(kItemHeight)) group.SetItemHeight(itemHeight_);
    if (wants(kItemHotColor)) group.SetItemHotColor(itemHotColor_);
    if (wants(kItemIndent)) group.SetItemIndent(itemIndent_);
    if (wants(kItemStaticFont)) group.SetItemStaticFont(itemStaticFont_);
    if (wants(kSelectionColor)) group.SetSelectionColor(selectionColor_);
    if (wants(kSelectionFontColor)) group.SetSelectionFontColor(selectionFontColor_);
    if (wants(kSelectionShadowColor)) group.SetSelectionShadowColor(selectionShadowColor_);
    if (wants(kSelectionFrameColor)) group.SetSelectionFrameColor(selectionFrameColor_);
    if (wants(kShowItemSelection)) group.SetShowItemSelection(showItemSelection_);
    if (wants(kItemSelectionStyle)) group.SetItemSelectionStyle(itemSelectionStyle_);
    if (wants(kIgnoreSelectedItemClick)) group.SetIgnoreSelectedItemClick(ignoreSelectedItemClick_);
    if (wants(kHideAccelerators)) group.SetHideAccelerators(hideAccelerators_);
}

void TWgGroupController::Assign(const TWgGroupController& source) {
    if (&source == this) return;
    BeginUpdate();
    borderColor_ = source.borderColor_;
    captionColor_ = source.captionColor_;
    captionColorStart_ = source.captionColorStart_;
    captionColorStop_ = source.captionColorStop_;
    captionFont_ = source.captionFont_;
    captionHeight_ = source.captionHeight_;
    captionHotColor_ = source.captionHotColor_;
    color_ = source.color_;
    parentColor_ = source.parentColor_;
    dividerColor_ = source.dividerColor_;
    dividerVisible_ = source.dividerVisible_;
    font_ = source.font_;
    parentFont_ = source.parentFont_;
    itemHeight_ = source.itemHeight_;
    itemHotColor_ = source.itemHotColor_;
    itemIndent_ = source.itemIndent_;
    itemStaticFont_ = source.itemStaticFont_;
    selectionColor_ = source.selectionColor_;
    selectionFontColor_ = source.selectionFontColor_;
    selectionShadowColor_ = source.selectionShadowColor_;
    selectionFrameColor_ = source.selectionFrameColor_;
    showItemSelection_ = source.showItemSelection_;
    itemSelectionStyle_ = source.itemSelectionStyle_;
    ignoreSelectedItemClick_ = source.ignoreSelectedItemClick_;
    hideAccelerators_ = source.hideAccelerators_;
    fontChanged_ = source.fontChanged_;
    captionFontChanged_ = source.captionFontChanged_;
    itemStaticFontChanged_ = source.itemStaticFontChanged_;
    EndUpdate();
}

}  // namespace vx
