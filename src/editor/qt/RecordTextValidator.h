// A field whose text goes into a project record's text field (a row comment
// line, a subroutine name): it takes no more than the record keeps, 26 GBK
// bytes, and only characters GBK holds, so nothing typed is cut or changed
// when the project is saved.
#pragma once

#include <QValidator>

namespace vx {

class TRecordTextValidator : public QValidator {
    Q_OBJECT
  public:
    explicit TRecordTextValidator(QObject* parent = nullptr);
    // A change that would make the text longer than the record keeps, or give
    // it a character the record cannot keep, is refused.
    State validate(QString& input, int& position) const override;
};

}  // namespace vx
