#include "styling/customizer/qt/ToolBarCustomizer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QVariant>
#include <algorithm>

#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/paint/DesktopMetrics.h"
#include "styling/customizer/qt/CustomizeOption.h"
#include "styling/customizer/qt/CustomizerU.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"

namespace vx {

using namespace customizer;

namespace {

// Buttons have no flag of their own for an image index the user chose; it
// rides along as a property of the button.
constexpr const char* kForceImageIndex = "ForceImageIndex";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A control put on the bar is listed by it once its own event has run; the
// customizer orders the bar's list at once.
void ListNewControls(TFxCustomToolBar* bar) {
    QCoreApplication::sendPostedEvents(bar, QEvent::MetaCall);
}

TGlyphPosition GlyphOf(int value) {
    return static_cast<TGlyphPosition>(std::clamp(value, 0, 3));
}

}  // namespace

TToolBarCustomizer::TToolBarCustomizer(QObject* parent) : QObject(parent) {}

TToolBarCustomizer::~TToolBarCustomizer() {
    SetToolBar(nullptr);
    // The controls taken off the bar are the customizer's to free.
    for (auto& r : removed_)
        delete r.control.data();
}

void TToolBarCustomizer::SetToolBar(TFxCustomToolBar* bar) {
    if (toolBar_ != nullptr && toolBar_->Customizer() == this) toolBar_->SetCustomizer(nullptr);
    toolBar_ = bar;
    if (bar != nullptr) bar->SetCustomizer(this);
}

TOptionSelectorPanel* TToolBarCustomizer::CustomizeEntry(TOptionSelectorWindow* window) {
    if (window == nullptr) return nullptr;
    auto* entry = window->findChild<TCustomizeOption*>(QString(), Qt::FindDirectChildrenOnly);
    if (entry == nullptr) {
        entry = new TCustomizeOption(window);
        entry->show();
    }
    entry->SetFxToolBar(toolBar_);
    entry->SetCaption(toolBar_ != nullptr ? toolBar_->Caption() + " " + texts_.customize
                                          : texts_.customize);
    return entry;
}

const TCustomizerItem* TToolBarCustomizer::GetCustomizerItem(int index) const {
    if (index < 0 || index >= static_cast<int>(commands_.size())) return nullptr;
    return &commands_[index];
}

bool TToolBarCustomizer::Active() const {
    return persistent_ && !iniFile_.isEmpty() && toolBar_;
}

QWidget* TToolBarCustomizer::FindItemByName(const QString& name) const {
    if (name.isEmpty() || !toolBar_) return nullptr;
    for (int i = 0; i < toolBar_->GetFTBControlCount(); ++i) {
        QWidget* c = toolBar_->GetFTBControl(i);
        if (c && c->objectName().compare(name, Qt::CaseInsensitive) == 0) return c;
    }
    return nullptr;
}

std::vector<QWidget*> TToolBarCustomizer::RemovedControls() const {
    std::vector<QWidget*> list;
    for (const auto& r : removed_)
        if (r.control) list.push_back(r.control.data());
    return list;
}

TBarInfo TToolBarCustomizer::BarInfo(std::vector<QWidget*>* widgets) const {
    TBarInfo info;
    if (!toolBar_) return info;
    ListNewControls(toolBar_);
    info.caption = toolBar_->Caption().toStdString();
    info.largeIcon = largeImages_ && toolBar_->Images() == largeImages_.data();
    auto add = [&](QWidget* w, bool onBar, bool hidden) {
        TBarControlInfo c;
        c.name = w->objectName().toStdString();
        c.onBar = onBar;
        if (auto* b = qobject_cast<TFxCustomToolBarButton*>(w)) {
            c.kind = TItemClass::icButton;
            c.imageIndex = b->ImageIndex();
            c.forceImageIndex = b->property(kForceImageIndex).toBool();
            c.visible = !hidden;
            c.showCaption = b->ShowCaption();
            c.caption = b->Caption().toStdString();
            c.hint = b->Hint().toStdString();
            c.glyphPosition = static_cast<int>(b->GlyphPosition());
        } else if (qobject_cast<TFxToolBarSeparator*>(w)) {
            c.kind = TItemClass::icSeparator;
        }
        info.controls.push_back(std::move(c));
        if (widgets) widgets->push_back(w);
    };
    for (int i = 0; i < toolBar_->GetFTBControlCount(); ++i)
        if (QWidget* w = toolBar_->GetFTBControl(i)) add(w, true, w->isHidden());
    for (const auto& r : removed_)
        if (r.control) add(r.control, false, r.hidden);
    return info;
}

void TToolBarCustomizer::Loaded() {
    if (!toolBar_) return;
    if (!toolBar_->IsLoading()) {
        ToolBarLoaded();
        return;
    }
    // Made before its bar: the bar is loaded once the window's building
    // ends, before the events run.
    QTimer::singleShot(0, this, [this] {
        if (toolBar_ && !toolBar_->IsLoading()) ToolBarLoaded();
    });
}

IoResult TToolBarCustomizer::ToolBarLoaded() {
    if (!Active()) return {};
    // The profile is read once: saving the designed set leaves the user's
    // section as it was.
    vx::IniFile ini = vx::IniFile::Load(iniFile_.toStdString());
    IoResult saved = SaveOrgItems(ini);
    LoadUserItems(ini);
    return saved;
}

IoResult TToolBarCustomizer::SaveOrgItems() {
    if (!Active()) return {};
    vx::IniFile ini = vx::IniFile::Load(iniFile_.toStdString());
    return SaveOrgItems(ini);
}

IoResult TToolBarCustomizer::SaveOrgItems(vx::IniFile& ini) {
    const std::string section = objectName().toStdString() + "Org";
    if (IoResult r = WriteOrgItems(ini, section, BarInfo()); !r) return r;
    return ini.Save();
}

void TToolBarCustomizer::LoadUserItems() {
    if (!Active()) return;
    LoadUserItems(vx::IniFile::Load(iniFile_.toStdString()));
}

void TToolBarCustomizer::LoadUserItems(const vx::IniFile& ini) {
    std::vector<QWidget*> widgets;
    const TBarInfo bar = BarInfo(&widgets);
    const TItemSetPlan plan =
        PlanUserItems(ini, objectName().toStdString(), bar, itemOptions_, texts_.bar,
                      largeImages_ != nullptr, static_cast<int>(commands_.size()));
    ApplyPlan(plan, widgets, false);
}

IoResult TToolBarCustomizer::RestoreOrgItems() {
    if (!Active()) return {};
    vx::IniFile ini = vx::IniFile::Load(iniFile_.toStdString());
    const std::string name = objectName().toStdString();
    std::vector<QWidget*> widgets;
    const TItemSetPlan plan = PlanOrgItems(ini, name + "Org", BarInfo(&widgets), texts_.bar);
    ApplyPlan(plan, widgets, true);
    // The user's set is gone with it.
    if (!ini.SectionExists(name)) return {};
    ini.EraseSection(name);
    return ini.Save();
}

void TToolBarCustomizer::PutBack(QWidget* control) {
    auto it = std::find_if(removed_.begin(), removed_.end(),
                           [control](const Removed& r) { return r.control == control; });
    if (it == removed_.end()) return;
    const bool hidden = it->hidden;
    removed_.erase(it);
    control->setParent(toolBar_);
    control->setVisible(!hidden);
}

void TToolBarCustomizer::ApplyPlan(const TItemSetPlan& plan, const std::vector<QWidget*>& widgets,
                                   bool restoring) {
    TFxCustomToolBar* bar = toolBar_;
    if (plan.caption) bar->SetCaption(Q(*plan.caption));
    if (plan.putBack) {
        for (const auto& r : std::vector<Removed>(removed_))
            if (r.control) PutBack(r.control);
        removed_.clear();
    }

    std::vector<QWidget*> listed;
    // New controls are shown once they stand in their places, so none
    // appears for a moment where it was made.
    std::vector<std::pair<QWidget*, bool>> made;
    for (const TItemStep& step : plan.steps) {
        QWidget* w = nullptr;
        if (step.control >= 0) {
            w = widgets[step.control];
            PutBack(w);
        } else if (step.create == TItemClass::icSeparator) {
            w = new TFxToolBarSeparator(bar);
            w->setObjectName(Q(step.name));
            made.push_back({w, true});
        } else {
            auto* b = new TFxToolBarButton(bar);
            b->setObjectName(Q(step.name));
            if (const TCustomizerItem* command = GetCustomizerItem(step.commandId)) {
                // The command's action and click; a click runs both.
                b->SetAction(command->action);
                if (!command->caption.isEmpty()) b->SetCaption(command->caption);
                if (std::function<void()> click = command->onClick)
                    connect(b, &TFxCustomToolBarButton::Clicked, b, click);
            }
            made.push_back({b, true});
            w = b;
        }
        if (auto* b = qobject_cast<TFxCustomToolBarButton*>(w)) {
            if (step.imageIndex) b->SetImageIndex(*step.imageIndex);
            if (step.forceImageIndex) b->setProperty(kForceImageIndex, *step.forceImageIndex);
            if (step.visible) {
                if (step.control < 0)
                    made.back().second = *step.visible;
                else
                    b->setVisible(*step.visible);
            }
            if (step.showCaption) b->SetShowCaption(*step.showCaption);
            if (step.caption) b->SetCaption(Q(*step.caption));
            if (step.hint) b->SetHint(Q(*step.hint));
        }
        listed.push_back(w);
    }
    ListNewControls(bar);

    for (int i = 0; i < static_cast<int>(listed.size()) && i < bar->GetFTBControlCount(); ++i) {
        QWidget* w = listed[i];
        if (plan.glyphPosition)
            if (auto* b = qobject_cast<TFxCustomToolBarButton*>(w))
                b->SetGlyphPosition(GlyphOf(*plan.glyphPosition));
        const int at = bar->IndexOfFTBControl(w);
        if (at >= 0 && at != i) bar->MoveFTBControl(at, i);
    }

    for (const auto& [control, visible] : made)
        control->setVisible(visible);

    for (int index : plan.leaving) {
        QWidget* w = widgets[index];
        if (restoring) {
            delete w;
        } else {
            removed_.push_back({w, w->isHidden()});
            w->setParent(nullptr);
        }
    }
    ApplyImages(plan.largeIcon);
}

void TToolBarCustomizer::ApplyImages(int largeIcon) {
    if (largeIcon == 1 && largeImages_)
        toolBar_->SetImages(largeImages_);
    else if (smallImages_)
        toolBar_->SetImages(smallImages_);
}

int TToolBarCustomizer::ShowCustomizeDialog() {
    if (!toolBar_) return 0;
    TCustomizerForm form(*this, toolBar_->window());
    form.FillLists();

    const QPoint origin = toolBar_->mapToGlobal(QPoint(0, 0));
    const TRect onScreen = Bounds(origin.x(), origin.y(), toolBar_->width(), toolBar_->height());
    const bool right =
        toolBar_->DockPanel() != nullptr && toolBar_->BarAlign() == TDockAlign::daRight;
    const TPoint at =
        CustomizeDialogPlace(onScreen, form.width(), form.height(),
                             WorkAreaAt({onScreen.right - 12, onScreen.bottom + 1}), right);
    form.move(at.x, at.y);

    emit ShowDialog();
    const int result = form.exec();
    const bool changed = form.Model().Changed();
    if (result == TCustomizerForm::kResultOk && changed) {
        LoadUserItems();
        emit Customized();
    } else if (result == TCustomizerForm::kResultReset) {
        if (IoResult r = RestoreOrgItems(); !r) ShowMessage({"", r.error, MsgIcon::Error});
    }
    return result;
}

}  // namespace vx
