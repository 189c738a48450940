#include "widgets/WgGroupModel.h"

#include <algorithm>

#include "widgets/WgGroupBarModel.h"
#include "widgets/WgGroupItem.h"

namespace vx {
namespace {

constexpr int kMinCaptionHeight = 16;
constexpr int kEmptyOpenedHeight = 50;
constexpr int kScrollButtonSize = 17;

}  // namespace

TWgGroupModel::TWgGroupModel() : items_(*this) {}

TWgGroupModel::~TWgGroupModel() {
    if (bar_) bar_->RemoveGroup(*this);
    items_.Clear();
    for (TWgAction* action : watchedActions_)
        action->RemoveFreeNotification(this);
}

// --- Settings ---------------------------------------------------------------

void TWgGroupModel::SetBorderColor(TColor value) {
    if (value == borderColor_) return;
    borderColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetCanClose(bool value) {
    if (value == canClose_ || barStyle_ != TWgGroupBarStyle::gbsCategoryView) return;
    if (!value) SetOpened(true);
    canClose_ = value;
    InvalidateGroup();
}

TColor TWgGroupModel::DefaultCaptionColor(TWgGroupBarStyle style) {
    switch (style) {
        case TWgGroupBarStyle::gbsTaskList:
            return clWindow;
        case TWgGroupBarStyle::gbsOutlook:
            return clBtnFace;
        default:
            return clHighlightText;
    }
}

TColor TWgGroupModel::DefaultColor(TWgGroupBarStyle style) const {
    switch (style) {
        case TWgGroupBarStyle::gbsTaskList:
            return bar_ ? bar_->BarColor() : clWindow;
        case TWgGroupBarStyle::gbsOutlook:
            return clBtnShadow;
        default:
            return clBtnFace;
    }
}

void TWgGroupModel::SetCaptionColor(TColor value) {
    captionColorDefault_ = false;
    if (value == captionColor_) return;
    captionColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetCaptionColorStart(TColor value) {
    if (value == captionColorStart_) return;
    captionColorStart_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetCaptionColorStop(TColor value) {
    if (value == captionColorStop_) return;
    captionColorStop_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetCaptionColorDefault(bool value) {
    if (value == captionColorDefault_) return;
    captionColorDefault_ = value;
    if (value && captionColor_ != DefaultCaptionColor(barStyle_)) {
        captionColor_ = DefaultCaptionColor(barStyle_);
        InvalidateGroup();
    }
}

void TWgGroupModel::SetCaptionHeight(int value) {
    value = std::max(value, kMinCaptionHeight);
    if (value == captionHeight_) return;
    captionHeight_ = value;
    InvalidateGroup();
    if (bar_) bar_->Layout(this);
}

void TWgGroupModel::SetCaptionHotColor(TColor value) {
    if (value == captionHotColor_) return;
    captionHotColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetCaptionImageIndex(int value) {
    if (value == captionImageIndex_) return;
    captionImageIndex_ = value;
    ItemsChanged();
    if (bar_) bar_->RepaintBar();
    InvalidateGroup();
}

void TWgGroupModel::SetCaptionStyle(TWgGroupCaptionStyle value) {
    if (value == captionStyle_) return;
    captionStyle_ = value;
    ItemsChanged();
    if (bar_) bar_->RepaintBar();
    InvalidateGroup();
}

void TWgGroupModel::SetColorDefault(bool value) {
    if (value == colorDefault_) return;
    colorDefault_ = value;
    if (value) {
        ApplyColor(DefaultColor(barStyle_));
        InvalidateGroup();
    }
}

int TWgGroupModel::GroupIndex() const {
    return bar_ ? bar_->IndexOf(this) : -1;
}

void TWgGroupModel::SetGroupIndex(int value) {
    if (bar_) bar_->MoveGroup(*this, value);
}

void TWgGroupModel::SetItemHeight(int value) {
    if (value == itemHeight_) return;
    itemHeight_ = value;
    ItemsChanged();
    InvalidateGroup();
}

void TWgGroupModel::SetItemHotColor(TColor value) {
    if (value == itemHotColor_) return;
    itemHotColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetItemIndent(std::uint8_t value) {
    if (value == itemIndent_) return;
    itemIndent_ = value;
    ItemsChanged();
    InvalidateGroup();
}

void TWgGroupModel::SetItemStyle(TWgGroupItemStyle value) {
    if (value == itemStyle_) return;
    itemStyle_ = value;
    ItemsChanged();
    InvalidateGroup();
}

void TWgGroupModel::SetDividerColor(TColor value) {
    if (value == dividerColor_) return;
    dividerColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetDividerVisible(bool value) {
    if (value == dividerVisible_) return;
    dividerVisible_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetSelectionColor(TColor value) {
    if (value == selectionColor_) return;
    selectionColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetSelectionFontColor(TColor value) {
    if (value == selectionFontColor_) return;
    selectionFontColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetSelectionShadowColor(TColor value) {
    if (value == selectionShadowColor_) return;
    selectionShadowColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetSelectionFrameColor(TColor value) {
    if (value == selectionFrameColor_) return;
    selectionFrameColor_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetHideAccelerators(bool value) {
    if (value == hideAccelerators_) return;
    hideAccelerators_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetShowItemSelection(bool value) {
    if (value == showItemSelection_) return;
    showItemSelection_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetItemSelectionStyle(TWgItemSelectionStyle value) {
    if (value == itemSelectionStyle_) return;
    itemSelectionStyle_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetSpecial(bool value) {
    if (value == special_) return;
    special_ = value;
    InvalidateGroup();
}

// --- Opening and closing ------------------------------------------------------

void TWgGroupModel::SetOpened(bool value) {
    if (bar_ == nullptr) {
        opened_ = value;
        return;
    }
    if (value == opened_) return;
    bool allow = true;
    if (!value && OnCanClose) OnCanClose(*this, allow);
    if (value && OnCanOpen) OnCanOpen(*this, allow);
    if (!allow) return;
    switch (barStyle_) {
        case TWgGroupBarStyle::gbsCategoryView:
            if (!canClose_) return;
            opened_ = value;
            if (value && OnOpen) OnOpen(*this);
            if (!value && OnClose) OnClose(*this);
            bar_->Layout(this);
            bar_->AdjustSize();
            if (value) RepaintChildren();
            break;
        case TWgGroupBarStyle::gbsTaskList:
            opened_ = true;
            break;
        case TWgGroupBarStyle::gbsOutlook: {
            if (!value) return;
            opened_ = true;
            TWgGroupBarModel& bar = *bar_;
            for (int i = 0; i < bar.GroupCount(); ++i) {
                TWgGroupModel& other = bar.Groups(i);
                if (&other == this) continue;
                other.opened_ = false;
                other.UpdateScrollButtons();
                if (other.OnClose) other.OnClose(other);
            }
            if (OnOpen) OnOpen(*this);
            bar.Layout();
            break;
        }
    }
    UpdateScrollButtons();
    InvalidateGroup();
}

void TWgGroupModel::SetOpenedHeight(int value) {
    openedHeight_ = value;
    if (!loading_ && items_.Count() == 0 && !HasChildControls()) openedHeight_ = kEmptyOpenedHeight;
    if (opened_) {
        TRect r = bounds_;
        r.bottom = r.top + openedHeight_;
        SetGroupBounds(r);
    }
}

// --- Looks --------------------------------------------------------------------

void TWgGroupModel::SetBarStyle(TWgGroupBarStyle style) {
    const TWgGroupBarStyle previous = barStyle_;
    barStyle_ = style;
    if (colorDefault_) {
        ApplyColor(DefaultColor(style));
        ApplyParentColor(style == TWgGroupBarStyle::gbsTaskList);
    }
    if (captionColorDefault_) captionColor_ = DefaultCaptionColor(style);
    ApplyStyleFonts(style);
    auto openLikeCategory = [this] {
        opened_ = true;
        if (items_.Count() == 0 && !HasChildControls()) openedHeight_ = kEmptyOpenedHeight;
    };
    switch (style) {
        case TWgGroupBarStyle::gbsCategoryView:
            dividerColor_ = clHighlight;
            if (previous != TWgGroupBarStyle::gbsCategoryView) dividerVisible_ = false;
            if (previous == TWgGroupBarStyle::gbsOutlook) openLikeCategory();
            if (previous == TWgGroupBarStyle::gbsTaskList) canClose_ = true;
            break;
        case TWgGroupBarStyle::gbsTaskList:
            if (!loading_) {
                dividerVisible_ = true;
                dividerColor_ = clHighlight;
            }
            canClose_ = false;
            if (previous == TWgGroupBarStyle::gbsOutlook) openLikeCategory();
            break;
        case TWgGroupBarStyle::gbsOutlook:
            canClose_ = true;
            if (!loading_) {
                // Only the first group starts open.
                const int index = GroupIndex();
                if (index == 0) opened_ = true;
                if (index > 0) opened_ = false;
            }
            break;
    }
    if (style != TWgGroupBarStyle::gbsOutlook) topIndex_ = 0;
    UpdateScrollButtons();
    InvalidateGroup();
}

// --- Bar ----------------------------------------------------------------------

void TWgGroupModel::SetBar(TWgGroupBarModel* bar) {
    if (bar == bar_) return;
    if (bar_) bar_->RemoveGroup(*this);
    if (bar) bar->AddGroup(*this);
}

void TWgGroupModel::SetShown(bool value) {
    if (value == shown_) return;
    shown_ = value;
    if (bar_) bar_->Layout(this);
}

void TWgGroupModel::SetGroupEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetRightToLeft(bool value) {
    if (value == rightToLeft_) return;
    rightToLeft_ = value;
    InvalidateGroup();
}

void TWgGroupModel::SetGroupBounds(const TRect& bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    BoundsChanged();
    UpdateScrollButtons();
    if (bar_ && !bar_->LayingOut()) bar_->Layout(this);
}

void TWgGroupModel::GroupLoaded() {
    loading_ = false;
    for (int i = 0; i < items_.Count(); ++i) {
        TWgGroupItem& item = items_.Items(i);
        if (TWgAction* action = item.Action()) item.ActionChange(*action, true);
    }
    UpdateScrollButtons();
}

// --- Selection ------------------------------------------------------------------

void TWgGroupModel::SetSelectedIndex(int value) {
    if (value >= 0 && value < items_.Count()) {
        items_.Items(value).SetSelected(true);
    } else if (value == -1) {
        for (int i = 0; i < items_.Count(); ++i)
            items_.Items(i).SetSelected(false);
        selectedIndex_ = -1;
    }
}

TWgGroupItem* TWgGroupModel::SelectedItem() const {
    if (selectedIndex_ < 0 || selectedIndex_ >= items_.Count()) return nullptr;
    return &items_.Items(selectedIndex_);
}

void TWgGroupModel::ItemRemoved(int index) {
    if (selectedIndex_ == index)
        selectedIndex_ = -1;
    else if (selectedIndex_ > index)
        --selectedIndex_;
    TWgGroupItem& gone = items_.Items(index);
    if (itemUnderMouse_ == &gone) itemUnderMouse_ = nullptr;
    if (popupItem_ == &gone) popupItem_ = nullptr;
}

void TWgGroupModel::SelectionBroadcast(TWgGroupItem& item) {
    if (bar_ && bar_->HasParent() && bar_->UniqueItemSelection()) bar_->BroadcastDeselect(item);
}

void TWgGroupModel::DeselectNotice(const TWgGroupItem& selected) {
    for (int i = 0; i < items_.Count(); ++i)
        items_.Items(i).DeselectNotice(selected);
}

// --- Actions --------------------------------------------------------------------

void TWgGroupModel::ActionAttached() {
    ++actionCount_;
}

void TWgGroupModel::ActionDetached() {
    if (actionCount_ > 0) --actionCount_;
}

void TWgGroupModel::WatchAction(TWgAction& action) {
    if (std::find(watchedActions_.begin(), watchedActions_.end(), &action) == watchedActions_.end())
        watchedActions_.push_back(&action);
    action.FreeNotification(this);
}

void TWgGroupModel::ActionFreed(TWgAction& action) {
    std::erase(watchedActions_, &action);
    for (int i = 0; i < items_.Count(); ++i) {
        TWgGroupItem& item = items_.Items(i);
        if (item.Action() == &action) item.SetAction(nullptr);
    }
}

void TWgGroupModel::InitiateAction() {
    for (int i = 0; i < items_.Count(); ++i)
        items_.Items(i).InitiateAction();
}

// --- Items ------------------------------------------------------------------------

void TWgGroupModel::ItemsUpdate(TWgGroupItem* item) {
    if (item == nullptr) ItemsChanged();
    InvalidateGroup();
}

void TWgGroupModel::ItemsChanged() {
    if (bar_) {
        bar_->ItemsMoved(*this);  // the layout updates the scroll buttons too
    } else if (barStyle_ == TWgGroupBarStyle::gbsOutlook) {
        UpdateScrollButtons();
    }
}

int TWgGroupModel::MeasureItemText(const TWgGroupItem& item, TRect& rect,
                                   TWgTextLayout /*layout*/) const {
    const int height = TextHeight();
    rect.right = rect.left + 6 * static_cast<int>(item.Caption().size());
    rect.bottom = rect.top + height;
    return height;
}

TWgItemLayoutParams TWgGroupModel::LayoutParams() const {
    TWgItemLayoutParams params;
    params.style = itemStyle_;
    params.captionHeight = captionHeight_;
    params.itemHeight = itemHeight_;
    params.itemIndent = itemIndent_;
    params.topIndex = topIndex_;
    params.textHeight = TextHeight();
    params.smallImages = SmallImages();
    params.largeImages = LargeImages();
    params.rightToLeft = rightToLeft_;
    return params;
}

int TWgGroupModel::NeededHeight(int width) const {
    return vx::NeededHeight(items_, LayoutParams(), width,
                            [this](const TWgGroupItem& item, TRect& rect, TWgTextLayout layout) {
                                return MeasureItemText(item, rect, layout);
                            });
}

std::vector<TWgItemPlace> TWgGroupModel::LayoutItems() {
    const auto places =
        PlaceItems(items_, LayoutParams(), ClientWidth(),
                   [this](const TWgGroupItem& item, TRect& rect, TWgTextLayout layout) {
                       return MeasureItemText(item, rect, layout);
                   });
    // Items not drawn keep no rectangles to be hit.
    for (int i = 0; i < items_.Count(); ++i) {
        items_.Items(i).SetTextRect({});
        items_.Items(i).SetImageRect({});
    }
    for (const TWgItemPlace& place : places) {
        TWgGroupItem& item = items_.Items(place.index);
        item.SetTextRect(place.textRect);
        item.SetImageRect(place.imageRect);
    }
    return places;
}

int TWgGroupModel::CaptionImageOverhang() const {
    const TWgImageSize images =
        captionStyle_ == TWgGroupCaptionStyle::csSmall ? SmallImages() : LargeImages();
    if (images.present && captionImageIndex_ >= 0 && images.height > captionHeight_)
        return images.height - captionHeight_ + 4;
    return 0;
}

int TWgGroupModel::ItemLeftMargin() const {
    return vx::ItemLeftMargin(items_, SmallImages());
}

int TWgGroupModel::RowsThatFit() const {
    if (items_.Count() == 0) return 0;
    // Scrolled far down a long list, the rows left may need fewer pixels
    // than there are items: an item is at least one pixel high.
    const int perItem = std::max(NeededHeight(ClientWidth()) / items_.Count(), 1);
    return ClientHeight() / perItem;
}

// --- Outlook scrolling ------------------------------------------------------------

void TWgGroupModel::SetTopIndex(int value) {
    if (barStyle_ != TWgGroupBarStyle::gbsOutlook || value == topIndex_) return;
    if (value < 0 || value >= items_.Count()) return;
    topIndex_ = value;
    UpdateScrollButtons();
    InvalidateGroup();
}

void TWgGroupModel::ScrollUpClick() {
    SetTopIndex(std::max(topIndex_ - 1, 0));
}

void TWgGroupModel::ScrollDownClick() {
    SetTopIndex(std::min(topIndex_ + 1, items_.Count() - 1));
}

void TWgGroupModel::UpdateScrollButtons() {
    const int width = ClientWidth();
    upRect_ = vx::Bounds(width - 21, captionHeight_ + 4, kScrollButtonSize, kScrollButtonSize);
    downRect_ =
        opened_ ? vx::Bounds(width - 21, ClientHeight() - 21, kScrollButtonSize, kScrollButtonSize)
                : upRect_;
    if (barStyle_ != TWgGroupBarStyle::gbsOutlook || !opened_) {
        upVisible_ = false;
        downVisible_ = false;
    } else {
        upVisible_ = topIndex_ >= 1;
        downVisible_ = items_.Count() > 0 && NeededHeight(width) > ClientHeight();
    }
    ScrollButtonsChanged();
}

void TWgGroupModel::ScrollIntoView(int index) {
    if (index < topIndex_) {
        SetTopIndex(index);
        return;
    }
    const int rows = RowsThatFit();
    if (index >= topIndex_ + rows) SetTopIndex(index - rows + 1);
}

}  // namespace vx
