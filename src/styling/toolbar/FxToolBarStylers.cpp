#include "styling/toolbar/FxToolBarStylers.h"

#include <algorithm>

#include "styling/menus/FxMenuAppearance.h"

namespace vx {

TCustomFxToolBarStyler::TCustomFxToolBarStyler(QObject* owner) : QObject(owner) {
    Hook(captionAppearance_, TStyleChange::kColors);
    Hook(color_, TStyleChange::kColors);
    Hook(dockColor_, TStyleChange::kColors);
    internalMenuStyler_ = new TFxMenuStyler(this);
    internalMenuStyler_->setObjectName(QStringLiteral("InternalMenuStyler"));
    colorHot_.SetColor(clNone);
    colorHot_.SetColorTo(clNone);
    Hook(containerAppearance_, TStyleChange::kContainer);
    Hook(glow_, TStyleChange::kGlowButtons);
    Hook(compactGlow_, TStyleChange::kGlowButtons);
    Hook(pagerCaption_, TStyleChange::kPagerCaption);
    Hook(tabAppearance_, TStyleChange::kPager);
    Hook(pageAppearance_, TStyleChange::kPager);
    Hook(groupAppearance_, TStyleChange::kPager);
}

TCustomFxToolBarStyler::~TCustomFxToolBarStyler() {
    // The receivers are not told; a linked menu styler that goes later must
    // not reach this one.
    QObject::disconnect(fxMenuStylerGone_);
}

void TCustomFxToolBarStyler::Hook(TToolBarPersistent& object, int code) {
    object.SetOnChange([this, code](TToolBarPersistent*) { NotifyControls(code); });
}

void TCustomFxToolBarStyler::Assign(const TCustomFxToolBarStyler& source) {
    if (&source == this) return;
    if (source.fxMenuStyler_ != nullptr) CurrentMenuStyler()->Assign(*source.fxMenuStyler_);
    color_.Assign(source.color_);
    dockColor_.Assign(source.dockColor_);
    backGround_ = source.backGround_;
    SetBackGroundTransparent(source.backGroundTransparent_);
    SetBackGroundDisplay(source.backGroundDisplay_);
    font_ = source.font_;
    SetDragGripStyle(source.dragGripStyle_);
    dragGripImage_ = source.dragGripImage_;
    rightHandleImage_ = source.rightHandleImage_;
    SetFloatingWindowBorderColor(source.floatingWindowBorderColor_);
    SetFloatingWindowBorderWidth(source.floatingWindowBorderWidth_);
    captionAppearance_.Assign(source.captionAppearance_);
    SetButtonAppearance(source.buttonAppearance_);
}

void TCustomFxToolBarStyler::Purge() {
    std::erase_if(controls_, [](const Entry& e) { return e.object.isNull(); });
}

void TCustomFxToolBarStyler::AddControl(IToolBarStyleReceiver* control) {
    if (control == nullptr || control->ReceiverObject() == nullptr) return;
    Purge();
    if (HasControl(control)) return;
    controls_.push_back({control->ReceiverObject(), control});
}

void TCustomFxToolBarStyler::RemoveControl(IToolBarStyleReceiver* control) {
    std::erase_if(controls_, [control](const Entry& e) { return e.receiver == control; });
    Purge();
}

bool TCustomFxToolBarStyler::HasControl(const IToolBarStyleReceiver* control) const {
    return std::any_of(controls_.begin(), controls_.end(), [control](const Entry& e) {
        return e.receiver == control && !e.object.isNull();
    });
}

int TCustomFxToolBarStyler::ControlCount() const {
    return static_cast<int>(std::count_if(controls_.begin(), controls_.end(),
                                          [](const Entry& e) { return !e.object.isNull(); }));
}

void TCustomFxToolBarStyler::NotifyControls(int code) {
    Purge();
    const std::vector<Entry> snapshot = controls_;
    for (const Entry& entry : snapshot) {
        if (entry.object.isNull() || !HasControl(entry.receiver)) continue;
        entry.receiver->StylerChanged(code);
    }
}

void TCustomFxToolBarStyler::SetFxMenuStyler(TCustomFxMenuStyler* styler) {
    QObject::disconnect(fxMenuStylerGone_);
    fxMenuStyler_ = styler;
    if (styler != nullptr) {
        fxMenuStylerGone_ = connect(styler, &QObject::destroyed, this, [this](QObject* gone) {
            if (gone == fxMenuStyler_) SetFxMenuStyler(nullptr);
        });
    }
    NotifyControls(TStyleChange::kMenuStyler);
}

TCustomFxMenuStyler* TCustomFxToolBarStyler::CurrentMenuStyler() const {
    return fxMenuStyler_ != nullptr ? fxMenuStyler_ : internalMenuStyler_;
}

void TCustomFxToolBarStyler::SetBackGround(const QImage& image) {
    backGround_ = image;
    NotifyControls(TStyleChange::kBackGround);
}

void TCustomFxToolBarStyler::SetCaptionFont(const CanvasFont& font) {
    captionFont_ = font;
    NotifyControls(TStyleChange::kColors);
}

void TCustomFxToolBarStyler::SetFont(const CanvasFont& font) {
    font_ = font;
    NotifyControls(TStyleChange::kBackGround);
}

void TCustomFxToolBarStyler::SetRightHandleImage(const QImage& image) {
    rightHandleImage_ = image;
    NotifyControls(TStyleChange::kColors);
}

void TCustomFxToolBarStyler::SetRoundedEdges(bool value) {
    roundedEdges_ = value;
    NotifyControls(TStyleChange::kColors);
}

}  // namespace vx
