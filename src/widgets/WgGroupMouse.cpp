// A group panel's mouse handling: hot tracking, presses, clicks, the item
// popup, the cursor, hints and dragging over items.
#include <algorithm>

#include "widgets/WgGroupItem.h"
#include "widgets/WgGroupItemActionLink.h"
#include "widgets/WgGroupModel.h"

namespace vx {

// --- Mouse ------------------------------------------------------------------------

TWgGroupItem* TWgGroupModel::ItemAt(TPoint p, bool enabledOnly, bool clickableOnly) const {
    for (int i = std::max(topIndex_, 0); i < items_.Count(); ++i) {
        TWgGroupItem& item = items_.Items(i);
        if (!item.Visible() || (enabledOnly && !item.Enabled())) continue;
        if (clickableOnly && !item.Clickable()) continue;
        if (item.HitTest(p)) return &item;
    }
    return nullptr;
}

void TWgGroupModel::MouseDown(TWgMouseButton button, TPoint p) {
    const bool itemsLive = enabled_ && items_.Count() > 0;
    // The item that a click must not repeat is the one selected before this
    // press: the press itself moves the index to the item under it.
    const int selectedBefore = selectedIndex_;
    if (button == TWgMouseButton::mbLeft && itemsLive) {
        if (TWgGroupItem* under = ItemAt(p, true, false)) selectedIndex_ = under->Index();
    }
    if (button == TWgMouseButton::mbLeft && enabled_ && canClose_ && CaptionRect().Contains(p)) {
        FocusBar();
        captionState_ = TWgMouseState::msPressed;
        InvalidateGroup();
        captionPressed_ = true;
        return;
    }
    if (button == TWgMouseButton::mbLeft && itemsLive) {
        const bool skipSelected = ignoreSelectedItemClick_ && showItemSelection_;
        for (int i = std::max(topIndex_, 0); i < items_.Count(); ++i) {
            TWgGroupItem& item = items_.Items(i);
            if (!item.Enabled() || !item.Visible() || !item.Clickable()) continue;
            if (skipSelected && i == selectedBefore) continue;
            if (!item.HitTest(p)) continue;
            item.SetMouseState(TWgMouseState::msPressed);
            item.SetSelected(true);
            InvalidateGroup();
            item.SetPressed(true);
            break;
        }
    } else if (button == TWgMouseButton::mbRight && itemsLive) {
        if (TWgGroupItem* under = ItemAt(p, true, false)) under->SetPressed(true);
    }
}

void TWgGroupModel::MouseMove(TPoint p) {
    bool changed = false;
    TWgMouseState captionTarget = TWgMouseState::msNormal;
    const bool inCaption = CaptionRect().Contains(p);
    if (inCaption)
        captionTarget =
            captionPressed_ && canClose_ ? TWgMouseState::msPressed : TWgMouseState::msHot;
    if (!inCaption && items_.Count() > 0) {
        TWgGroupItem* over = ItemAt(p, false, true);
        for (int i = std::max(topIndex_, 0); i < items_.Count(); ++i) {
            TWgGroupItem& item = items_.Items(i);
            TWgMouseState target = TWgMouseState::msNormal;
            if (&item == over)
                target = item.Pressed() ? TWgMouseState::msPressed : TWgMouseState::msHot;
            if (item.MouseState() != target) {
                item.SetMouseState(target);
                changed = true;
            }
        }
        MouseOverItem(over);
    }
    if (captionTarget != captionState_) {
        captionState_ = captionTarget;
        changed = true;
    }
    if (changed) InvalidateGroup();
}

void TWgGroupModel::MouseUp(TWgMouseButton button, TPoint p) {
    if (captionPressed_) {
        captionPressed_ = false;
        captionState_ = TWgMouseState::msHot;
        InvalidateGroup();
        if (CaptionRect().Contains(p)) ToggleOpen();
    }
    if (button != TWgMouseButton::mbLeft && button != TWgMouseButton::mbRight) return;
    for (int i = std::max(topIndex_, 0); i < items_.Count(); ++i) {
        TWgGroupItem& item = items_.Items(i);
        if (!item.Pressed()) continue;
        item.SetPressed(false);
        const bool over = item.HitTest(p);
        InvalidateGroup();
        if (button == TWgMouseButton::mbLeft) {
            item.SetMouseState(TWgMouseState::msHot);
            if (!over) return;
            const int index = i;
            item.Click();
            if (barStyle_ == TWgGroupBarStyle::gbsOutlook && index < items_.Count())
                ScrollIntoView(index);
        } else {
            item.SetMouseState(TWgMouseState::msNormal);
            if (over) ItemPopup(item, p);
        }
        return;
    }
}

void TWgGroupModel::ItemPopup(TWgGroupItem& item, TPoint p) {
    popupItem_ = nullptr;
    if (OnItemPopupMenu) OnItemPopupMenu(*this, &item);
    if (HasItemPopupMenu()) {
        popupItem_ = &item;
        PopupItemMenu(p);
    }
}

void TWgGroupModel::MouseOverItem(TWgGroupItem* item) {
    itemUnderMouse_ = item;
    if (OnMouseOverItem) OnMouseOverItem(*this, item);
}

void TWgGroupModel::PointerEnter() {
    if (OnMouseEnter) OnMouseEnter(*this);
    InvalidateGroup();
}

void TWgGroupModel::PointerLeave() {
    captionState_ = TWgMouseState::msNormal;
    for (int i = 0; i < items_.Count(); ++i)
        items_.Items(i).SetMouseState(TWgMouseState::msNormal);
    MouseOverItem(nullptr);
    if (OnMouseLeave) OnMouseLeave(*this);
    InvalidateGroup();
}

bool TWgGroupModel::ItemContextPopup(TPoint p) const {
    return ItemAt(p, false, false) != nullptr;
}

TWgGroupCursor TWgGroupModel::CursorAt(TPoint p) const {
    if (CaptionRect().Contains(p)) {
        if (barStyle_ == TWgGroupBarStyle::gbsOutlook) return TWgGroupCursor::Hand;
        if (barStyle_ == TWgGroupBarStyle::gbsCategoryView && canClose_)
            return TWgGroupCursor::Hand;
        return TWgGroupCursor::Default;
    }
    for (int i = std::max(topIndex_, 0); i < items_.Count(); ++i) {
        const TWgGroupItem& item = items_.Items(i);
        if (item.Enabled() && item.Visible() && item.OnClick() && item.HitTest(p))
            return TWgGroupCursor::Hand;
    }
    return TWgGroupCursor::Default;
}

TWgGroupModel::HintInfo TWgGroupModel::HintAt() const {
    HintInfo hint;
    if (captionState_ == TWgMouseState::msHot) {
        hint.show = true;
        hint.groupHint = true;
        hint.area = CaptionRect();
        return hint;
    }
    for (int i = 0; i < items_.Count(); ++i) {
        const TWgGroupItem& item = items_.Items(i);
        if (item.MouseState() != TWgMouseState::msHot) continue;
        hint.show = true;
        const std::string& text = item.Hint();
        hint.text = text.substr(0, text.find('|'));
        if (const TWgGroupItemActionLink* link = item.ActionLink()) link->DoShowHint(hint.text);
        const TRect& t = item.TextRect();
        const TRect& m = item.ImageRect();
        hint.area = m.IsEmpty() ? t
                                : TRect{std::min(t.left, m.left), std::min(t.top, m.top),
                                        std::max(t.right, m.right), std::max(t.bottom, m.bottom)};
        return hint;
    }
    return hint;
}

void TWgGroupModel::DragOver(TPoint p, bool accepted) {
    if (!accepted) return;
    for (int i = 0; i < items_.Count(); ++i)
        items_.Items(i).SetMouseState(TWgMouseState::msNormal);
    const TRect client{0, 0, ClientWidth(), ClientHeight()};
    if (client.Contains(p)) {
        if (TWgGroupItem* under = ItemAt(p, false, false))
            under->SetMouseState(TWgMouseState::msHot);
    }
    InvalidateGroup();
}

void TWgGroupModel::EndDrag() {
    for (int i = 0; i < items_.Count(); ++i) {
        items_.Items(i).SetMouseState(TWgMouseState::msNormal);
        items_.Items(i).SetPressed(false);
    }
    InvalidateGroup();
}

}  // namespace vx
