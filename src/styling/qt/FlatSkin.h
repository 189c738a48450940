// The flat look of the dialogs: each dialog holds one skin, active from its
// creation, which restyles the dialog's standard controls while it is shown.
#pragma once

#include <QObject>
#include <QWidget>

namespace vx {

class TFlatSkin : public QObject {
    Q_OBJECT
  public:
    // The skin of a dialog; it lives as long as the dialog.
    explicit TFlatSkin(QWidget* dialog);

    bool Active() const { return active_; }
    void SetActive(bool active);
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool flat) { flatMenu_ = flat; }

  private:
    QWidget* dialog_;
    bool active_ = false;
    bool flatMenu_ = true;
};

}  // namespace vx
