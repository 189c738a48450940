// The start page `TForStart` (unit Start), shown when the tool starts without
// a project: four picture buttons (a new file, the last edited file, open a
// file, the examples) with a hint line that tells what the button under the
// mouse does, and the about box's two links. It closes with the command the
// user chose, which the main window then runs.
//
// Enter chooses the last edited file (with none, the page says so and stays),
// Esc closes the page with no command. The page opens growing from its centre
// for 500 ms (`OpeningAnimation()`, which a test may run to its end at once).
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPropertyAnimation>
#include <QToolButton>

#include "editor/qt/About.h"
#include "editor/qt/LinkLabel.h"
#include "widgets/qt/WgBckgnd.h"

namespace vx {

class TForStart : public QDialog {
    Q_OBJECT
  public:
    enum class Command { None, NewFile, LastFile, OpenFile, Examples };

    // The links are the about box's.
    explicit TForStart(TaboutForm* about, QWidget* parent = nullptr);

    // Shows the page modally for the recent-file item's caption ("&1 " + path)
    // and gives the command chosen.
    Command Execute(const QString& lastFileCaption);
    // Showing: the caption and the two links; the recent file's hint.
    void FormShow(const QString& lastFileCaption);
    // The language of the title and the hint line, set before showing.
    void SetChinese(bool chinese) { chinese_ = chinese; }

    QToolButton* SpeedButton1() const { return speedButton1_; }  // the last edited file
    QToolButton* SpeedButton2() const { return speedButton2_; }  // a new file
    QToolButton* SpeedButton3() const { return speedButton3_; }  // the examples
    QToolButton* SpeedButton4() const { return speedButton4_; }  // open a file
    TLinkLabel* Label5() const { return label5_; }               // the hint line
    TLinkLabel* Label6() const { return label6_; }               // mail
    TLinkLabel* Label7() const { return label7_; }               // web
    TWgBackground* Background() const { return background_; }
    Command Chosen() const { return chosen_; }
    QPropertyAnimation* OpeningAnimation() const { return opening_; }
    static constexpr int kOpeningMs = 500;

    // The hint line's first text, shown again over the background.
    QString DefaultHint() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    QToolButton* AddButton(const char* name, const char* caption, int column, int picture);
    void Choose(Command command);
    QString HintOf(const QToolButton* button) const;
    QString NoLastFile() const;
    QString Tr(const char* chinese, const char* english) const;

    TaboutForm* about_;
    TWgBackground* background_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    QToolButton* speedButton4_ = nullptr;
    TLinkLabel* label5_ = nullptr;
    TLinkLabel* label6_ = nullptr;
    TLinkLabel* label7_ = nullptr;
    QPropertyAnimation* opening_ = nullptr;
    QString lastFile_;
    Command chosen_ = Command::None;
    bool chinese_ = true;
};

}  // namespace vx
