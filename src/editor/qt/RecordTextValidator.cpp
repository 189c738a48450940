#include "editor/qt/RecordTextValidator.h"

#include "editor/ProjectRecord.h"

namespace vx {

TRecordTextValidator::TRecordTextValidator(QObject* parent) : QValidator(parent) {}

QValidator::State TRecordTextValidator::validate(QString& input, int&) const {
    return FitsRecordText(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace vx
