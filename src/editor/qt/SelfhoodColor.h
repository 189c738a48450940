// The colour dialog `TSelfhoodColorFrm` ("梯形图颜色配置"): five clickable
// panels, one per drawing colour of the ladder grid. A click on a panel
// opens the colour chooser `ColorDialog1` on its colour; "确认(&Y)" gives the
// panels' colours back, closing the window any other way gives nothing.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "editor/SelfhoodColor.h"

class QColorDialog;
class QLabel;
class QPushButton;

namespace vx {

class TFlatSkin;

class TSelfhoodColorFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TSelfhoodColorFrm(QWidget* parent = nullptr);

    // Shows the dialog modally with these colours.
    std::optional<LadderColourSet> Execute(const LadderColourSet& colours);

    // The panels in the order of kColourPanels, and the colour each shows.
    QLabel* Panel(int index) const { return panels_[static_cast<std::size_t>(index)]; }
    ColorValue PanelColour(int index) const {
        return colours_.*kColourPanels[static_cast<std::size_t>(index)].colour;
    }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QColorDialog* ColorDialog1() const { return colorDialog1_; }

    // A click on a panel.
    void PanelClick(int index);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Qt's colour chooser sets its title only when it is made: it takes the
    // title of the interface language when the language changes.
    void changeEvent(QEvent* event) override;

  private:
    void Paint(int index);

    std::array<QLabel*, kColourPanels.size()> panels_{};
    LadderColourSet colours_;
    QPushButton* bitBtn1_ = nullptr;
    QColorDialog* colorDialog1_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
