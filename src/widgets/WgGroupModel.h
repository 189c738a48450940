// `TWgGroupModel`: one collapsible panel of a group bar without its window:
// its settings, its items, opening and closing in each of the bar's looks,
// the mouse on its caption and items, the selected item, the Outlook look's
// scrolling, and the height its items need.
//
// The window (TWgGroup) derives from it and fills in the hooks: repainting,
// its size and place, text measuring, image lists, colours and fonts, the
// item popup menu. The defaults of the hooks keep everything as data, so
// that the rules can be tried without a window.
//
// Coordinates are the group's client coordinates. A group with no bar keeps
// what it is given and does nothing else.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "widgets/WgAction.h"
#include "widgets/WgGroupItems.h"
#include "widgets/WgGroupLayout.h"
#include "widgets/WgGroupTypes.h"
#include "widgets/WgNotifyEvent.h"

namespace vx {

class TWgGroupBarModel;
class TWgGroupItem;

class TWgGroupModel : public TWgObject, public TWgActionObserver {
  public:
    using GroupEvent = std::function<void(TWgGroupModel& sender)>;
    using AllowEvent = std::function<void(TWgGroupModel& sender, bool& allow)>;
    using ItemEvent = std::function<void(TWgGroupModel& sender, TWgGroupItem* item)>;

    TWgGroupModel();
    ~TWgGroupModel() override;
    TWgGroupModel(const TWgGroupModel&) = delete;
    TWgGroupModel& operator=(const TWgGroupModel&) = delete;

    // --- Settings -------------------------------------------------------
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    bool CanClose() const { return canClose_; }
    // Only in the category view; turning it off opens the group first.
    void SetCanClose(bool value);
    TColor CaptionColor() const { return captionColor_; }
    // Stores the colour and stops following the look's default.
    void SetCaptionColor(TColor value);
    TColor CaptionColorStart() const { return captionColorStart_; }
    void SetCaptionColorStart(TColor value);
    TColor CaptionColorStop() const { return captionColorStop_; }
    void SetCaptionColorStop(TColor value);
    bool CaptionColorDefault() const { return captionColorDefault_; }
    // On: the caption colour becomes the look's default again.
    void SetCaptionColorDefault(bool value);
    int CaptionHeight() const { return captionHeight_; }
    // At least 16.
    void SetCaptionHeight(int value);
    TColor CaptionHotColor() const { return captionHotColor_; }
    void SetCaptionHotColor(TColor value);
    int CaptionImageIndex() const { return captionImageIndex_; }
    void SetCaptionImageIndex(int value);
    TWgGroupCaptionStyle CaptionStyle() const { return captionStyle_; }
    void SetCaptionStyle(TWgGroupCaptionStyle value);
    bool ColorDefault() const { return colorDefault_; }
    // On: the group's colour becomes the look's default again.
    void SetColorDefault(bool value);
    // The group's place in its bar (-1 without a bar).
    int GroupIndex() const;
    void SetGroupIndex(int value);
    TWgGroupItems& Items() { return items_; }
    const TWgGroupItems& Items() const { return items_; }
    void SetItems(const TWgGroupItems& value) { items_.Assign(value); }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    TColor ItemHotColor() const { return itemHotColor_; }
    void SetItemHotColor(TColor value);
    int ItemIndent() const { return itemIndent_; }
    void SetItemIndent(std::uint8_t value);
    TWgGroupItemStyle ItemStyle() const { return itemStyle_; }
    void SetItemStyle(TWgGroupItemStyle value);
    bool Opened() const { return opened_; }
    void SetOpened(bool value);
    int OpenedHeight() const { return openedHeight_; }
    void SetOpenedHeight(int value);
    TColor DividerColor() const { return dividerColor_; }
    void SetDividerColor(TColor value);
    bool DividerVisible() const { return dividerVisible_; }
    void SetDividerVisible(bool value);
    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor value);
    TColor SelectionFontColor() const { return selectionFontColor_; }
    void SetSelectionFontColor(TColor value);
    TColor SelectionShadowColor() const { return selectionShadowColor_; }
    void SetSelectionShadowColor(TColor value);
    TColor SelectionFrameColor() const { return selectionFrameColor_; }
    void SetSelectionFrameColor(TColor value);
    bool HideAccelerators() const { return hideAccelerators_; }
    void SetHideAccelerators(bool value);
    bool ShowItemSelection() const { return showItemSelection_; }
    void SetShowItemSelection(bool value);
    TWgItemSelectionStyle ItemSelectionStyle() const { return itemSelectionStyle_; }
    void SetItemSelectionStyle(TWgItemSelectionStyle value);
    bool IgnoreSelectedItemClick() const { return ignoreSelectedItemClick_; }
    void SetIgnoreSelectedItemClick(bool value) { ignoreSelectedItemClick_ = value; }
    bool Special() const { return special_; }
    void SetSpecial(bool value);

    AllowEvent OnCanClose;
    AllowEvent OnCanOpen;
    GroupEvent OnClose;
    GroupEvent OnOpen;
    GroupEvent OnMouseEnter;
    GroupEvent OnMouseLeave;
    ItemEvent OnMouseOverItem;
    ItemEvent OnItemPopupMenu;

    // --- State ----------------------------------------------------------
    TWgGroupBarModel* Bar() const { return bar_; }
    // Leaves the old bar and joins the new one (none: leaves only).
    void SetBar(TWgGroupBarModel* bar);
    TWgGroupBarStyle BarStyle() const { return barStyle_; }
    // The bar's look applied to the group (see the .cpp for what it resets).
    void SetBarStyle(TWgGroupBarStyle style);
    int SelectedIndex() const { return selectedIndex_; }
    // A valid index selects that item; -1 clears every item; others are ignored.
    void SetSelectedIndex(int value);
    TWgGroupItem* SelectedItem() const;
    int TopIndex() const { return topIndex_; }
    // The Outlook look only: the first item shown.
    void SetTopIndex(int value);
    TWgMouseState CaptionState() const { return captionState_; }
    bool CaptionPressed() const { return captionPressed_; }
    TWgGroupItem* ItemUnderMouse() const { return itemUnderMouse_; }
    TWgGroupItem* PopupItem() const { return popupItem_; }
    // Items bound to an action.
    int ActionCount() const { return actionCount_; }
    bool GroupLoading() const { return loading_; }
    void BeginGroupLoading() { loading_ = true; }
    // The end of loading: each item takes its action (keeping what was
    // set), the scroll buttons are placed.
    void GroupLoaded();

    // The Outlook look's scroll buttons: shown, and their places.
    bool UpButtonVisible() const { return upVisible_; }
    bool DownButtonVisible() const { return downVisible_; }
    TRect UpButtonRect() const { return upRect_; }
    TRect DownButtonRect() const { return downRect_; }
    // Scrolling by one item.
    void ScrollUpClick();
    void ScrollDownClick();

    // --- Geometry -------------------------------------------------------
    // The group's place in the bar (client coordinates of the bar).
    TRect GroupBounds() const { return bounds_; }
    // Moves and sizes the group (the bar does this while laying out).
    void SetGroupBounds(const TRect& bounds);
    int ClientWidth() const { return bounds_.Width(); }
    int ClientHeight() const { return bounds_.Height(); }
    TRect CaptionRect() const { return {0, 0, ClientWidth(), captionHeight_}; }
    // Whether the group takes part (hidden groups take no room).
    bool Shown() const { return shown_; }
    void SetShown(bool value);
    bool GroupEnabled() const { return enabled_; }
    void SetGroupEnabled(bool value);
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool value);
    // The group's colour (the window's) and whether it takes the bar's.
    virtual TColor GroupColor() const { return color_; }
    virtual bool GroupParentColor() const { return parentColor_; }

    int NeededHeight(int width) const;
    // How far a caption image taller than the caption reaches above the group.
    int CaptionImageOverhang() const;
    int ItemLeftMargin() const;
    // Items that fit in the client height, by the average height of an item.
    int RowsThatFit() const;
    TWgItemLayoutParams LayoutParams() const;
    // Places the items for the current client width and writes each item's
    // text and image rectangles, as the painter does when it draws them.
    std::vector<TWgItemPlace> LayoutItems();

    // --- Input ----------------------------------------------------------
    // A press (a double click counts as a press).
    void MouseDown(TWgMouseButton button, TPoint p);
    void MouseMove(TPoint p);
    void MouseUp(TWgMouseButton button, TPoint p);
    void PointerEnter();
    void PointerLeave();
    // A right click over a visible item: the group's own popup menu stays away.
    bool ItemContextPopup(TPoint p) const;
    TWgGroupCursor CursorAt(TPoint p) const;
    struct HintInfo {
        bool show = false;
        bool groupHint = false;  // the control's own hint, over the caption
        std::string text;        // an item's short hint
        TRect area;
    };
    HintInfo HintAt() const;
    void DragOver(TPoint p, bool accepted);
    void EndDrag();
    void ToggleOpen() { SetOpened(!opened_); }

    // --- Notices from the items, the bar and the actions ---------------------
    void ItemsUpdate(TWgGroupItem* item);
    void ItemRemoved(int index);
    // The index only; the items' flags stay as they are.
    void StoreSelectedIndex(int index) { selectedIndex_ = index; }
    // An item was selected: the selection notice goes out to the bar.
    void SelectionBroadcast(TWgGroupItem& item);
    // An item of this or another group was selected.
    void DeselectNotice(const TWgGroupItem& selected);
    void ActionAttached();
    void ActionDetached();
    // The group hears when the action goes away.
    void WatchAction(TWgAction& action);
    void ActionFreed(TWgAction& action) override;
    void InitiateAction();
    // The items changed in a way that moves them.
    void ItemsChanged();

  protected:
    // --- Hooks the window fills in ---------------------------------------
    virtual void InvalidateGroup() {}
    // After the group's place or size changed.
    virtual void BoundsChanged() {}
    virtual void ScrollButtonsChanged() {}
    // After opening: the group's own child controls repaint.
    virtual void RepaintChildren() {}
    // A press on the caption: the bar takes the focus.
    virtual void FocusBar() {}
    // Text height of "Pp" in the group's font.
    virtual int TextHeight() const { return 13; }
    // See TWgMeasureItem; the default measures 6 pixels a character on one line.
    virtual int MeasureItemText(const TWgGroupItem& item, TRect& rect, TWgTextLayout layout) const;
    // The effective image lists (the group's, else the bar's).
    virtual TWgImageSize SmallImages() const { return {}; }
    virtual TWgImageSize LargeImages() const { return {}; }
    // The look's default colour of the group and the window's colour.
    virtual TColor DefaultColor(TWgGroupBarStyle style) const;
    virtual void ApplyColor(TColor color) { color_ = color; }
    virtual void ApplyParentColor(bool value) { parentColor_ = value; }
    // The look's fonts, unless the user changed them.
    virtual void ApplyStyleFonts(TWgGroupBarStyle /*style*/) {}
    virtual bool HasChildControls() const { return false; }
    // The item popup menu: whether there is one, and showing it at a client point.
    virtual bool HasItemPopupMenu() const { return false; }
    virtual void PopupItemMenu(TPoint /*p*/) {}

    // The colour and parent-colour flag when the window keeps none.
    TColor color_ = clBtnFace;
    bool parentColor_ = false;

  private:
    friend class TWgGroupBarModel;

    static TColor DefaultCaptionColor(TWgGroupBarStyle style);
    void UpdateScrollButtons();
    void MouseOverItem(TWgGroupItem* item);
    void ItemPopup(TWgGroupItem& item, TPoint p);
    void ScrollIntoView(int index);
    // The first item, from the top index, that is visible and under the point.
    TWgGroupItem* ItemAt(TPoint p, bool enabledOnly, bool clickableOnly) const;

    TColor borderColor_ = cl3DLight;
    bool canClose_ = true;
    TColor captionColor_ = clHighlightText;
    TColor captionColorStart_ = clWindow;
    TColor captionColorStop_ = clBtnFace;
    bool captionColorDefault_ = true;
    int captionHeight_ = 20;
    TColor captionHotColor_ = clHotLight;
    int captionImageIndex_ = -1;
    TWgGroupCaptionStyle captionStyle_ = TWgGroupCaptionStyle::csSmall;
    bool colorDefault_ = true;
    TWgGroupItems items_;
    int itemHeight_ = 20;
    TColor itemHotColor_ = clHotLight;
    std::uint8_t itemIndent_ = 20;
    TWgGroupItemStyle itemStyle_ = TWgGroupItemStyle::isSmall;
    bool opened_ = true;
    int openedHeight_ = 50;
    TColor dividerColor_ = clHighlight;
    bool dividerVisible_ = false;
    TColor selectionColor_ = clBtnFace;
    TColor selectionFontColor_ = clWindowText;
    TColor selectionShadowColor_ = clBtnShadow;
    TColor selectionFrameColor_ = cl3DDkShadow;
    bool hideAccelerators_ = true;
    bool showItemSelection_ = false;
    TWgItemSelectionStyle itemSelectionStyle_ = TWgItemSelectionStyle::issImageAndCaption;
    bool ignoreSelectedItemClick_ = true;
    bool special_ = false;

    TWgGroupBarModel* bar_ = nullptr;
    TWgGroupBarStyle barStyle_ = TWgGroupBarStyle::gbsCategoryView;
    TWgMouseState captionState_ = TWgMouseState::msNormal;
    bool captionPressed_ = false;
    int topIndex_ = 0;
    int actionCount_ = 0;
    std::vector<TWgAction*> watchedActions_;
    int selectedIndex_ = -1;
    TWgGroupItem* itemUnderMouse_ = nullptr;
    TWgGroupItem* popupItem_ = nullptr;
    bool loading_ = false;
    bool itemsMoved_ = false;  // a layout for its items is due in the bar
    bool upVisible_ = false;
    bool downVisible_ = false;
    TRect upRect_;
    TRect downRect_;
    TRect bounds_{0, 0, 0, 50};
    bool shown_ = true;
    bool enabled_ = true;
    bool rightToLeft_ = false;
};

}  // namespace vx
