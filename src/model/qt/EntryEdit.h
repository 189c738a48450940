// An edit field whose length limit holds for typing only.
//
// The element fields of the entry windows limit what the user types, but a
// text handed to a field (an element read from the program, a comment, a
// picker's result) is shown whole: the limit never cuts it. While such a text
// is longer than the limit, typing adds nothing until it is shortened.
#pragma once

#include <QLineEdit>

namespace vx {

class TEntryEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TEntryEdit(QWidget* parent = nullptr);

    int TypingLimit() const { return limit_; }
    void SetTypingLimit(int characters);

    // Sets the whole text, however long.
    void SetText(const QString& text);

  private:
    void Relimit();

    int limit_ = 32767;
};

}  // namespace vx
