// The interface language in force: the entries of the last language file
// applied, kept for the forms built later.
//
// The tool builds many dialogs only when they are needed. While a language
// is in force, every form gets the entries for it before it is first shown
// (when Qt polishes it, right after it has been built), so each dialog opens
// in the chosen language. The main window owns the one instance; without it
// nothing is applied to new forms.
#pragma once

#include <QObject>
#include <cstdint>

#include "editor/qt/UiTexts.h"

namespace vx {

class TUiLanguage : public QObject {
    Q_OBJECT
  public:
    explicit TUiLanguage(QObject* parent = nullptr);
    ~TUiLanguage() override;

    // The instance in force (the one built last, while it lives), or nothing.
    static TUiLanguage* Active();

    // Applies the table to every form now, and to every form built later.
    void Use(UiTextTable table);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ApplyTo(QWidget* form);

    UiTextTable table_;
    std::uint64_t generation_ = 0;  // 0: no language applied yet
};

}  // namespace vx
