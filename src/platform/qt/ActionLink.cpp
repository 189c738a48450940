#include "platform/qt/ActionLink.h"

#include "platform/paint/ImageList.h"
#include "platform/qt/CustomControl.h"

namespace vx {

int ActionImageIndex(const QAction& action) {
    bool ok = false;
    const int index = action.property(kActionImageIndex).toInt(&ok);
    return ok ? index : -1;
}

QString ActionHint(const QAction& action) {
    const QString tip = action.toolTip();
    return tip == action.iconText() ? QString() : tip;
}

// ---------------------------------------------------------------- actions

void TActionList::SetImages(TImageList* images) {
    if (images == images_) return;
    if (images_) disconnect(images_, nullptr, this, nullptr);
    images_ = images;
    if (images) {
        connect(images, &TImageList::Changed, this, &TActionList::ImagesChanged);
        connect(images, &QObject::destroyed, this, &TActionList::ImagesChanged);
    }
    emit ImagesChanged();
}

TCustomAction::TCustomAction(QObject* parent) : QAction(parent) {
    setProperty(kActionImageIndex, -1);
}

TCustomAction::TCustomAction(const QString& text, QObject* parent) : QAction(text, parent) {
    setProperty(kActionImageIndex, -1);
}

void TCustomAction::SetGroupIndex(int index) {
    if (index == groupIndex_) return;
    groupIndex_ = index;
    emit changed();
}

void TCustomAction::SetImageIndex(int index) {
    if (index == ImageIndex()) return;
    setProperty(kActionImageIndex, index);
    emit changed();
}

void TCustomAction::SetActionList(TActionList* list) {
    if (list == list_) return;
    if (list_) disconnect(list_, nullptr, this, nullptr);
    list_ = list;
    if (list) connect(list, &TActionList::ImagesChanged, this, &QAction::changed);
    emit changed();
}

TImageList* ActionImages(const QAction* action, int* index) {
    auto* custom = qobject_cast<const TCustomAction*>(action);
    if (!custom || !custom->ActionList() || !custom->ActionList()->Images()) return nullptr;
    if (index) *index = custom->ImageIndex();
    return custom->ActionList()->Images();
}

// ---------------------------------------------------------------- link

TControlActionLink::TControlActionLink(TCustomControl& client) : client_(client) {}

TControlActionLink::~TControlActionLink() = default;

TCustomAction* TControlActionLink::CustomAction() const {
    return qobject_cast<TCustomAction*>(action_.data());
}

void TControlActionLink::SetAction(QAction* action) {
    if (action == action_) return;
    if (action_) disconnect(action_, nullptr, this, nullptr);
    action_ = action;
    if (!action) return;
    seen_ = ValuesOf(*action);
    connect(action, &QAction::changed, this, &TControlActionLink::ActionChanged);
}

void TControlActionLink::Execute() {
    if (action_) action_->trigger();
}

bool TControlActionLink::IsCheckedLinked() {
    return action_ != nullptr;
}

bool TControlActionLink::IsGroupIndexLinked() const {
    return CustomAction() != nullptr;
}

bool TControlActionLink::IsImageIndexLinked() const {
    return CustomAction() != nullptr;
}

TControlActionLink::Values TControlActionLink::ValuesOf(const QAction& action) {
    Values v;
    v.checked = action.isChecked();
    if (auto* custom = qobject_cast<const TCustomAction*>(&action)) {
        v.groupIndex = custom->GroupIndex();
        v.imageIndex = custom->ImageIndex();
    }
    return v;
}

void TControlActionLink::ActionChanged() {
    if (!action_) return;
    QPointer<TControlActionLink> self(this);
    const Values now = ValuesOf(*action_);
    // The linked tests compare the client with the values seen before.
    if (now.checked != seen_.checked) SetChecked(now.checked);
    if (!self || !action_) return;
    if (now.groupIndex != seen_.groupIndex) SetGroupIndex(now.groupIndex);
    if (!self || !action_) return;
    if (now.imageIndex != seen_.imageIndex) SetImageIndex(now.imageIndex);
    if (!self || !action_) return;
    seen_ = now;
    Change();
}

bool TControlActionLink::TakeControlValues(TCustomControl& client, const QAction& action,
                                           bool checkDefaults) {
    if (!checkDefaults || client.Caption().isEmpty() || client.Caption() == client.objectName())
        client.SetCaption(action.text());
    if (!checkDefaults || client.Enabled()) client.SetEnabled(action.isEnabled());
    if (!checkDefaults || client.toolTip().isEmpty()) client.setToolTip(ActionHint(action));
    // Hidden on purpose, not merely not shown yet with its parent.
    const bool wasHidden =
        client.isHidden() && client.testAttribute(Qt::WA_WState_ExplicitShowHide);
    bool visibilityChanged = false;
    if (!checkDefaults || !wasHidden) {
        const bool hidden = !action.isVisible();
        if (hidden != wasHidden) {
            client.setVisible(!hidden);
            visibilityChanged = true;
        }
    }
    return visibilityChanged;
}

}  // namespace vx
