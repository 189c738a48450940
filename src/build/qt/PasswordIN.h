// The password prompt `TPasswordFrm` ("密码") of a password-protected project
// being opened. The opener hands it the expected password; OK closes it only
// when the typed text matches exactly (with case), otherwise it says so and
// stays open for another try.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <string>

namespace vx {

class TPasswordFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TPasswordFrm(QWidget* parent = nullptr);

    void SetExpectedPassword(std::string password) { expected_ = std::move(password); }
    void SetChinese(bool chinese) { chinese_ = chinese; }

    QLineEdit* Edit1() const { return edit1_; }
    // The OK button "确认(&Y)".
    void BitBtn1Click();

  private:
    std::string expected_;
    bool chinese_ = true;
    QLineEdit* edit1_ = nullptr;
};

}  // namespace vx
