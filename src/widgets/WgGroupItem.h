// `TWgGroupItem`: one clickable entry of a group panel's list (a caption of
// exactly "-" makes it a divider), optionally bound to an action.
//
// Besides its properties an item keeps what the group's painter and mouse
// handling leave on it: whether a button went down on it, its mouse state,
// and the rectangles of its text and image as last drawn (client
// coordinates of the group; empty until it is drawn), which hit tests read.
#pragma once

#include <memory>
#include <string>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "widgets/WgGroupTypes.h"
#include "widgets/WgNotifyEvent.h"

namespace vx {

class TWgAction;
class TWgGroupItemActionLink;
class TWgGroupItems;
class TWgGroupModel;

class TWgGroupItem : public TWgObject {
  public:
    // Items are made by their collection (TWgGroupItems::Add).
    explicit TWgGroupItem(TWgGroupItems& collection);
    ~TWgGroupItem() override;
    TWgGroupItem(const TWgGroupItem&) = delete;
    TWgGroupItem& operator=(const TWgGroupItem&) = delete;

    TWgGroupItems& Collection() const { return collection_; }
    TWgGroupModel& Group() const;
    int Index() const;

    TWgAction* Action() const;
    void SetAction(TWgAction* value);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);
    TWgFontStyles FontStyle() const { return fontStyle_; }
    void SetFontStyle(TWgFontStyles value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    int IndentLevel() const { return indentLevel_; }
    void SetIndentLevel(std::uint8_t value);
    bool Selected() const { return selected_; }
    void SetSelected(bool value);
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    const TWgNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(const TWgNotifyEvent& value) { onClick_ = value; }

    // Whether the caption was ever set through SetCaption.
    bool CaptionSet() const { return captionSet_; }
    bool IsDivider() const { return caption_ == "-"; }
    // An item that reacts to a click: it has a click handler or an action.
    bool Clickable() const;
    TWgGroupItemActionLink* ActionLink() const { return actionLink_.get(); }

    // Copies action, caption, disabled index, enabled, font colour, font
    // style, hint, image index, visible and click handler, in that order.
    void Assign(const TWgGroupItem& source);
    // Caption, enabled, hint, image index and visible into an action, whose
    // handler becomes this item's click handler.
    void AssignTo(TWgAction& action) const;
    // The caption, or the class name when it is empty.
    std::string DisplayName() const;
    // The item is clicked (handler or action, see the .cpp).
    void Click();
    // Asks the action to bring itself up to date.
    void InitiateAction();
    // Takes the action's values; with checkDefaults, values the user set stay.
    void ActionChange(TWgObject& sender, bool checkDefaults);
    // Another item was selected: this one gives up its selection.
    void DeselectNotice(const TWgGroupItem& selected);

    // What the group's painter and mouse handling keep on the item.
    bool Pressed() const { return pressed_; }
    void SetPressed(bool value) { pressed_ = value; }
    TWgMouseState MouseState() const { return mouseState_; }
    void SetMouseState(TWgMouseState value) { mouseState_ = value; }
    const TRect& TextRect() const { return textRect_; }
    void SetTextRect(const TRect& value) { textRect_ = value; }
    const TRect& ImageRect() const { return imageRect_; }
    void SetImageRect(const TRect& value) { imageRect_ = value; }
    // Over the text or the image as last drawn.
    bool HitTest(TPoint p) const;

  private:
    // A change that moves other items (all) or one of this item only.
    void Changed(bool all);
    void LinkChanged(TWgObject& sender);

    TWgGroupItems& collection_;
    std::string caption_;
    int disabledIndex_ = -1;
    bool enabled_ = true;
    TColor fontColor_ = clNone;
    TWgFontStyles fontStyle_;
    std::string hint_;
    int imageIndex_ = -1;
    std::uint8_t indentLevel_ = 0;
    bool selected_ = false;
    int tag_ = 0;
    bool visible_ = true;
    TWgNotifyEvent onClick_;

    bool captionSet_ = false;
    std::unique_ptr<TWgGroupItemActionLink> actionLink_;
    bool pressed_ = false;
    TWgMouseState mouseState_ = TWgMouseState::msNormal;
    TRect textRect_;
    TRect imageRect_;
};

}  // namespace vx
