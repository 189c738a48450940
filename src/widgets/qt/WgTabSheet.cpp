#include "widgets/qt/WgTabSheet.h"

#include <QHideEvent>
#include <QShowEvent>

#include "widgets/WgTabsTypes.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {

TWgTabSheet::TWgTabSheet(TWgPageControl* pageControl) : TCustomControl(nullptr) {
    QWidget::setVisible(false);
    SetParentColor(false);
    SetColor(clBtnFace);
    SetAlign(TAlign::alClient);
    if (pageControl) SetPageControl(pageControl);
}

TWgTabSheet::~TWgTabSheet() {
    // A destroyed page leaves its page control.
    if (pageControl_) pageControl_->RemovePage(this);
}

void TWgTabSheet::SetPageControl(TWgPageControl* pageControl) {
    if (pageControl_ == pageControl) return;
    if (pageControl_) pageControl_->RemovePage(this);
    if (pageControl) {
        if (parentWidget() != pageControl) {
            setParent(pageControl);
            QWidget::setVisible(false);
        }
        pageControl->InsertPage(this);
    }
}

void TWgTabSheet::Changed() {
    if (pageControl_) pageControl_->RebuildTabs();
}

void TWgTabSheet::TextChanged() {
    TCustomControl::TextChanged();
    Changed();
}

void TWgTabSheet::ColorChanged() {
    TCustomControl::ColorChanged();
    if (pageControl_ && Color() != pageControl_->Color()) pageControl_->SetUseColoredTabs(true);
    Changed();
}

void TWgTabSheet::SetImageIndex(int index) {
    if (imageIndex_ == index) return;
    imageIndex_ = index;
    Changed();
}

void TWgTabSheet::SetDisabledIndex(int index) {
    if (disabledIndex_ == index) return;
    disabledIndex_ = index;
    Changed();
}

void TWgTabSheet::SetTabEnabled(bool enabled) {
    if (tabEnabled_ == enabled) return;
    tabEnabled_ = enabled;
    Changed();
}

void TWgTabSheet::SetTabVisible(bool visible) {
    if (tabVisible_ == visible) return;
    tabVisible_ = visible;
    Changed();
}

void TWgTabSheet::SetHint(const QString& hint) {
    if (hint_ == hint) return;
    hint_ = hint;
    Changed();
}

int TWgTabSheet::PageIndex() const {
    return pageControl_ ? pageControl_->pages_.indexOf(this) : -1;
}

void TWgTabSheet::SetPageIndex(int index) {
    if (pageControl_) pageControl_->MovePage(this, index);
}

int TWgTabSheet::TabIndex() const {
    if (!pageControl_ || !tabVisible_) return -1;
    int index = 0;
    for (const TWgTabSheet* page : pageControl_->pages_) {
        if (page == this) return index;
        if (page->tabVisible_) ++index;
    }
    return -1;
}

void TWgTabSheet::SetVisible(bool) {
    throw EWgTabControlError("You cannot change the Visible property of a page");
}

void TWgTabSheet::Paint(Canvas& canvas) {
    bool handled = false;
    if (OnPaintBackground) OnPaintBackground(*this, canvas, ClientRect(), handled);
    if (handled) return;
    canvas.brush = {Color(), BrushStyle::Solid};
    canvas.FillRect(ClientRect());
}

void TWgTabSheet::showEvent(QShowEvent* event) {
    TCustomControl::showEvent(event);
    if (OnShow) OnShow();
}

void TWgTabSheet::hideEvent(QHideEvent* event) {
    TCustomControl::hideEvent(event);
    if (OnHide) OnHide();
}

}  // namespace vx
