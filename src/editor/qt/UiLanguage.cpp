#include "editor/qt/UiLanguage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>

#include "editor/qt/UiTextAccess.h"

namespace vx {
namespace {

// The generation of the language a form last got, kept on the form itself,
// so that a form leaves the bookkeeping when it is destroyed.
constexpr const char* kGenerationProperty = "vxUiTextGeneration";

TUiLanguage*& ActiveLanguage() {
    static TUiLanguage* active = nullptr;
    return active;
}

}  // namespace

TUiLanguage::TUiLanguage(QObject* parent) : QObject(parent) {
    ActiveLanguage() = this;
    QCoreApplication::instance()->installEventFilter(this);
}

TUiLanguage::~TUiLanguage() {
    if (ActiveLanguage() == this) ActiveLanguage() = nullptr;
}

TUiLanguage* TUiLanguage::Active() {
    return ActiveLanguage();
}

void TUiLanguage::Use(UiTextTable table) {
    table_ = std::move(table);
    ++generation_;
    for (QWidget* form : ApplicationForms())
        ApplyTo(form);
}

void TUiLanguage::ApplyTo(QWidget* form) {
    form->setProperty(kGenerationProperty, QVariant::fromValue<quint64>(generation_));
    ApplyUiTexts(form, table_);
}

bool TUiLanguage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish && generation_ != 0 && IsForm(watched) &&
        watched->property(kGenerationProperty).toULongLong() != generation_) {
        ApplyTo(static_cast<QWidget*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vx
