// `TLinkLabel`: a label of the start page and the about box that keeps its
// whole text but shows each line shortened in the middle ("...") when it is
// wider than the label, so a long path or link is never cut off at its end.
// As a link it changes colour while the mouse is over it and reports clicks.
#pragma once

#include <QColor>
#include <QLabel>

namespace vx {

class TLinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TLinkLabel(QWidget* parent = nullptr);

    // Makes the label a link: its text colour away from and under the mouse.
    void SetLinkColors(const QColor& normal, const QColor& hover);
    // The colour the text is drawn in now.
    QColor TextColor() const;

  signals:
    void Clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void SetTextColor(const QColor& color);

    bool link_ = false;
    QColor normal_, hover_;
};

}  // namespace vx
