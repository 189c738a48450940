// The row comment dialog `TBlockExegesisFrm` ("程序块注释"): the two lines of
// a ladder row's comment, which the row keeps in its comment column.
//
// "O  K" (or Enter in either line) gives the lines back; Esc and the close
// box give nothing, and the row keeps its comment.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <utility>

class QLineEdit;
class QToolButton;

namespace vx {

class TFlatSkin;

class TBlockExegesisFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TBlockExegesisFrm(QWidget* parent = nullptr);

    // Shows the dialog modally with the row's two lines.
    std::optional<std::pair<std::string, std::string>> Execute(const std::string& line1,
                                                               const std::string& line2);

    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* Edit2() const { return edit2_; }
    QToolButton* SpeedButton1() const { return speedButton1_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SpeedButton1Click();

    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
