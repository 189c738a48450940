// Tool bars and their buttons, as the main window uses them.
//
// The main window holds three tool bars of these buttons. The rest of the
// tool writes `Down` (the monitoring button, the keep-on-top button) and
// `ImageIndex` (the monitoring button shows 35 off, 36 on), reads `Glyph`
// (the entry dialog copies the element buttons' pictures) and shows `Hint`
// in the status bar while the mouse is over a button.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>

namespace vx {

class TFxToolBar;

enum class TFxToolButtonStyle { tasButton, tasCheck };

class TFxToolBarButton : public QToolButton {
    Q_OBJECT
  public:
    explicit TFxToolBarButton(QWidget* parent = nullptr);

    // Pressed state. A check button keeps what is written; a member of a
    // group (GroupIndex not 0) goes down and releases the other members, and
    // can be released only by another member unless AllowAllUp; any other
    // button ignores true and stays up. Writing the value it has does nothing.
    bool Down() const { return down_; }
    void SetDown(bool down);

    TFxToolButtonStyle Style() const { return style_; }
    void SetStyle(TFxToolButtonStyle style);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }

    // Index into the tool bar's image list; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);

    // The button's own picture; reading it has no side effect.
    const QPixmap& Glyph() const { return glyph_; }
    void SetGlyph(const QPixmap& glyph);

    // Re-reads the picture from the tool bar (after its images change).
    void RefreshImage();

  signals:
    void MouseEntered(const QString& hint);

  protected:
    void nextCheckState() override;
    void enterEvent(QEnterEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TFxToolBar* OwnerBar() const;
    void ApplyDown(bool down);
    // A window opened over the button (a modal one blocks its window, any
    // other takes the activation) and the pointer left without a leave
    // event: the button drops its hot look.
    void DropHot();

    bool down_ = false;
    TFxToolButtonStyle style_ = TFxToolButtonStyle::tasButton;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    int imageIndex_ = -1;
    QString hint_;
    QPixmap glyph_;
    QPointer<QWidget> watchedWindow_;
};

class TFxToolBar : public QToolBar {
    Q_OBJECT
  public:
    explicit TFxToolBar(const QString& title, QWidget* parent = nullptr);

    // The image list the buttons' ImageIndex points into.
    const QList<QIcon>& Images() const { return images_; }
    void SetImages(const QList<QIcon>& images);

    TFxToolBarButton* AddButton(const QString& hint, int imageIndex = -1);
    void AddSeparator() { addSeparator(); }
    QList<TFxToolBarButton*> Buttons() const;

  private:
    QList<QIcon> images_;
};

}  // namespace vx
