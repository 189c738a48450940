// Groups and bars without windows for the tests: text is measured at 6
// pixels a character in lines of 13 pixels, wrapped when it is wider than
// its rectangle, so that a narrower group is taller.
#pragma once

#include <string>
#include <vector>

#include "widgets/WgGroupBarModel.h"
#include "widgets/WgGroupItem.h"
#include "widgets/WgGroupModel.h"

namespace vx::test {

inline constexpr int kCharWidth = 6;
inline constexpr int kLineHeight = 13;

class FakeGroup : public TWgGroupModel {
  public:
    TWgImageSize small;
    TWgImageSize large;
    int repaints = 0;
    bool popupMenu = false;
    std::vector<TPoint> popups;
    int focusBar = 0;

    TWgGroupItem& Add(const std::string& caption, bool clickable = true) {
        TWgGroupItem& item = Items().Add();
        item.SetCaption(caption);
        if (clickable)
            item.SetOnClick(TWgNotifyEvent([this](TWgObject& sender) {
                clicks.push_back(static_cast<TWgGroupItem&>(sender).Caption());
            }));
        return item;
    }
    std::vector<std::string> clicks;

    // Centre of an item's text as last laid out.
    TPoint At(int index) {
        LayoutItems();
        const TRect& r = Items().Items(index).TextRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Click(int index) {
        const TPoint p = At(index);
        MouseDown(TWgMouseButton::mbLeft, p);
        MouseUp(TWgMouseButton::mbLeft, p);
    }

  protected:
    void InvalidateGroup() override { ++repaints; }
    void FocusBar() override { ++focusBar; }
    int TextHeight() const override { return kLineHeight; }
    int MeasureItemText(const TWgGroupItem& item, TRect& rect, TWgTextLayout) const override {
        const int textWidth = kCharWidth * static_cast<int>(item.Caption().size());
        const int room = std::max(rect.Width(), 1);
        const int lines = std::max(1, (textWidth + room - 1) / room);
        rect.right = rect.left + std::min(textWidth, room);
        rect.bottom = rect.top + lines * kLineHeight;
        return lines * kLineHeight;
    }
    TWgImageSize SmallImages() const override { return small; }
    TWgImageSize LargeImages() const override { return large; }
    bool HasItemPopupMenu() const override { return popupMenu; }
    void PopupItemMenu(TPoint p) override { popups.push_back(p); }
};

class FakeBar : public TWgGroupBarModel {
  public:
    explicit FakeBar(int width = 160, int height = 400) { SetClientSize(width, height); }
    int scrollBarChanges = 0;
    std::vector<TWgGroupBarModel*> siblings;

    int Width() const { return ClientWidth(); }

  protected:
    void ScrollBarChanged() override { ++scrollBarChanges; }
    std::vector<TWgGroupBarModel*> SiblingBars() override {
        return siblings.empty() ? std::vector<TWgGroupBarModel*>{this} : siblings;
    }
};

}  // namespace vx::test
