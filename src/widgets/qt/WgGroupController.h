// `TWgGroupController`: one set of group appearance settings, pushed into
// every group linked to it (TWgGroup::SetGroupController). Each setting has
// a change number; a change sends only that setting, a link or the end of
// an update bracket sends them all (number 0).
#pragma once

#include <vector>

#include "platform/Loadable.h"
#include "platform/paint/Canvas.h"
#include "widgets/WgGroupTypes.h"

namespace vx {

class TWgGroup;
class TWgRegIniFile;

class TWgGroupController : public TLoadable {
  public:
    // The change numbers of the settings.
    enum Change : int {
        kAll = 0,
        kBorderColor = 1,
        kCaptionColor,
        kCaptionColorStart,
        kCaptionColorStop,
        kCaptionFont,
        kCaptionHeight,
        kCaptionHotColor,
        kColor,
        kParentColor,
        kDividerColor,
        kDividerVisible,
        kFont,
        kParentFont,
        kItemHeight,
        kItemHotColor,
        kItemIndent,
        kItemStaticFont,
        kSelectionColor,
        kSelectionFontColor,
        kSelectionShadowColor,
        kSelectionFrameColor,
        kShowItemSelection,
        kItemSelectionStyle,
        kIgnoreSelectedItemClick,
        kHideAccelerators,
    };

    TWgGroupController();
    ~TWgGroupController() override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TColor CaptionColor() const { return captionColor_; }
    void SetCaptionColor(TColor value);
    TColor CaptionColorStart() const { return captionColorStart_; }
    void SetCaptionColorStart(TColor value);
    TColor CaptionColorStop() const { return captionColorStop_; }
    void SetCaptionColorStop(TColor value);
    const CanvasFont& CaptionFont() const { return captionFont_; }
    void SetCaptionFont(const CanvasFont& font);
    int CaptionHeight() const { return captionHeight_; }
    void SetCaptionHeight(int value);
    TColor CaptionHotColor() const { return captionHotColor_; }
    void SetCaptionHotColor(TColor value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TColor DividerColor() const { return dividerColor_; }
    void SetDividerColor(TColor value);
    bool DividerVisible() const { return dividerVisible_; }
    void SetDividerVisible(bool value);
    const CanvasFont& Font() const { return font_; }
    // Also the caption font's name and size (bold) and a copy for the item
    // static font, unless those were set themselves.
    void SetFont(const CanvasFont& font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    TColor ItemHotColor() const { return itemHotColor_; }
    void SetItemHotColor(TColor value);
    int ItemIndent() const { return itemIndent_; }
    void SetItemIndent(std::uint8_t value);
    const CanvasFont& ItemStaticFont() const { return itemStaticFont_; }
    void SetItemStaticFont(const CanvasFont& font);
    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor value);
    TColor SelectionFontColor() const { return selectionFontColor_; }
    void SetSelectionFontColor(TColor value);
    TColor SelectionShadowColor() const { return selectionShadowColor_; }
    void SetSelectionShadowColor(TColor value);
    TColor SelectionFrameColor() const { return selectionFrameColor_; }
    void SetSelectionFrameColor(TColor value);
    bool ShowItemSelection() const { return showItemSelection_; }
    void SetShowItemSelection(bool value);
    TWgItemSelectionStyle ItemSelectionStyle() const { return itemSelectionStyle_; }
    void SetItemSelectionStyle(TWgItemSelectionStyle value);
    bool IgnoreSelectedItemClick() const { return ignoreSelectedItemClick_; }
    void SetIgnoreSelectedItemClick(bool value);
    bool HideAccelerators() const { return hideAccelerators_; }
    void SetHideAccelerators(bool value);
    // The settings store (no reading or writing goes through it here).
    TWgRegIniFile* RegIniFile() const { return regIniFile_; }
    void SetRegIniFile(TWgRegIniFile* store);

    // Linked groups (the group's SetGroupController links and unlinks).
    void AddGroup(TWgGroup& group);
    void RemoveGroup(TWgGroup& group);
    int GroupCount() const { return static_cast<int>(groups_.size()); }

    // Changes inside a bracket reach the groups once, at its end.
    void BeginUpdate();
    void EndUpdate();
    // Sends one setting (or all, kAll) to every linked group, outside a bracket.
    void UpdateAll(int change);
    // Sends one setting (or all) to one group.
    void Apply(TWgGroup& group, int change);
    // Every setting of another controller, sent once.
    void Assign(const TWgGroupController& source);

  protected:
    void Loaded() override { UpdateAll(kAll); }

  private:
    template <typename T>
    void Set(T& field, const T& value, int change) {
        if (field == value) return;
        field = value;
        UpdateAll(change);
    }

    TColor borderColor_ = cl3DLight;
    TColor captionColor_ = clHighlightText;
    TColor captionColorStart_ = clWindow;
    TColor captionColorStop_ = clBtnFace;
    CanvasFont captionFont_;
    int captionHeight_ = 20;
    TColor captionHotColor_ = clHotLight;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TColor dividerColor_ = clHighlight;
    bool dividerVisible_ = false;
    CanvasFont font_;
    bool parentFont_ = false;
    int itemHeight_ = 20;
    TColor itemHotColor_ = clHotLight;
    std::uint8_t itemIndent_ = 20;
    CanvasFont itemStaticFont_;
    TColor selectionColor_ = clBtnFace;
    TColor selectionFontColor_ = clWindowText;
    TColor selectionShadowColor_ = clBtnShadow;
    TColor selectionFrameColor_ = cl3DDkShadow;
    bool showItemSelection_ = false;
    TWgItemSelectionStyle itemSelectionStyle_ = TWgItemSelectionStyle::issImageAndCaption;
    bool ignoreSelectedItemClick_ = true;
    bool hideAccelerators_ = true;
    TWgRegIniFile* regIniFile_ = nullptr;

    bool fontChanged_ = false;
    bool captionFontChanged_ = false;
    bool itemStaticFontChanged_ = false;
    std::vector<TWgGroup*> groups_;
    int updateCount_ = 0;
};

}  // namespace vx
