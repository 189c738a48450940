// `TWgGroup`: one collapsible panel of a group bar, as a window: a caption
// bar with an optional image and a round open/close button, and below it a
// list of clickable items (or, without items, child controls). It paints
// itself in the look of its bar (category view, plain or themed; task list;
// Outlook) and passes mouse, drags over it, hints and cursor to its model
// (TWgGroupModel).
//
// A group lives only on a group bar: any other parent raises
// EWgGroupBarError.
#pragma once

#include <QMenu>
#include <QPointer>
#include <vector>

#include "platform/paint/ImageList.h"
#include "platform/qt/CustomControl.h"
#include "widgets/WgGroupModel.h"

namespace vx {

class TWgGroupBar;
class TWgGroupController;
class TWgRapidFireButton;

class TWgGroup : public TCustomControl, public TWgGroupModel {
    Q_OBJECT
  public:
    // On a bar (or on none yet: SetGroupBar places it later).
    explicit TWgGroup(QWidget* parent = nullptr);
    ~TWgGroup() override;

    TWgGroupBar* GroupBar() const;
    bool Destroying() const { return destroying_; }
    // Leaves the old bar and joins the new one, as its last group.
    void SetGroupBar(TWgGroupBar* bar);

    // Stores the colour and stops following the look's default.
    void SetColor(TColor color);
    const CanvasFont& CaptionFont() const { return captionFont_; }
    void SetCaptionFont(const CanvasFont& font);
    const CanvasFont& ItemStaticFont() const { return itemStaticFont_; }
    void SetItemStaticFont(const CanvasFont& font);
    TImageList* SmallImageList() const { return smallImages_; }
    void SetSmallImages(TImageList* images);
    TImageList* LargeImageList() const { return largeImages_; }
    void SetLargeImages(TImageList* images);
    QMenu* ItemPopupMenu() const { return itemPopupMenu_; }
    void SetItemPopupMenu(QMenu* menu);
    TWgGroupController* GroupController() const { return controller_; }
    void SetGroupController(TWgGroupController* controller);

    // The Outlook look's scroll buttons.
    TWgRapidFireButton* UpButton() const { return upButton_; }
    TWgRapidFireButton* DownButton() const { return downButton_; }

    // Puts the window where the bar placed the group (after the bar's frame changed).
    void PlaceInBar() { SyncGeometry(); }

    // What the last painting drew: the item places (for tests of the look).
    const std::vector<TWgItemPlace>& ItemPlaces() const { return places_; }

    // Over the caption the group's own hint, over an item the item's short
    // hint, elsewhere none.
    TControlHint HintFor(QPoint pos) const override;

  protected:
    // The model's hooks.
    void InvalidateGroup() override { Invalidate(); }
    void BoundsChanged() override;
    void ScrollButtonsChanged() override;
    void RepaintChildren() override;
    void FocusBar() override;
    int TextHeight() const override;
    int MeasureItemText(const TWgGroupItem& item, TRect& rect, TWgTextLayout layout) const override;
    TWgImageSize SmallImages() const override;
    TWgImageSize LargeImages() const override;
    TColor DefaultColor(TWgGroupBarStyle style) const override;
    TColor GroupColor() const override { return Color(); }
    bool GroupParentColor() const override { return ParentColor(); }
    void ApplyColor(TColor color) override { TCustomControl::SetColor(color); }
    void ApplyParentColor(bool value) override { SetParentColor(value); }
    void ApplyStyleFonts(TWgGroupBarStyle style) override;
    bool HasChildControls() const override;
    bool HasItemPopupMenu() const override { return itemPopupMenu_ != nullptr; }
    void PopupItemMenu(TPoint p) override;

    // The control's.
    void Paint(Canvas& canvas) override;
    void Loaded() override;
    void FontChanged() override;
    void TextChanged() override;
    void EnabledChanged() override;
    void MouseEnter() override { PointerEnter(); }
    void MouseLeave() override { PointerLeave(); }
    void AdjustClientRect(TRect& rect) override;
    // An accepted drag makes the item under it hot; its end leaves every
    // item normal and unpressed.
    void DragOver(QObject* source, TPoint at, TDragState state, bool& accept) override;
    void DragEnded() override { EndDrag(); }
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend class TWgGroupController;

    // The canvas font of an item as it is measured and drawn (without the
    // underline of a hot item).
    CanvasFont ItemFont(const TWgGroupItem& item) const;
    void UpdateCursor(TPoint p);
    void CaptionImage(Canvas& canvas, int overhang);
    int CaptionTextStart() const;
    TImageList* CaptionImageList() const;
    TImageList* EffectiveSmall() const;
    TImageList* EffectiveLarge() const;
    void WatchImages(TImageList* old, TImageList* images);
    void SyncGeometry();

    // The looks' captions; each ends by drawing the items.
    void PaintCategoryCaption(Canvas& canvas, bool themed);
    void PaintOutlookCaption(Canvas& canvas);
    void PaintTaskListCaption(Canvas& canvas);
    void DrawCaptionText(Canvas& canvas, TColor color, int right);
    void DrawItems(Canvas& canvas);

    CanvasFont captionFont_;
    CanvasFont itemStaticFont_;
    bool captionFontChanged_ = false;
    bool fontChanged_ = false;
    bool itemStaticFontChanged_ = false;
    bool resettingFont_ = false;
    QPointer<TImageList> smallImages_;
    QPointer<TImageList> largeImages_;
    QPointer<QMenu> itemPopupMenu_;
    TWgGroupController* controller_ = nullptr;
    TWgRapidFireButton* upButton_ = nullptr;
    TWgRapidFireButton* downButton_ = nullptr;
    std::vector<TWgItemPlace> places_;
    bool syncing_ = false;
    bool destroying_ = false;
};

}  // namespace vx
