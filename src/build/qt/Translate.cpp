#include "build/qt/Translate.h"

namespace vx {

TTranslateFrm::TTranslateFrm(TranslateInputs inputs, StageView& host, QWidget* parent)
    : TProgressFrm(host, QStringLiteral("TranslateFrm"), 200, parent),
      stage_(std::move(inputs), *this) {}

}  // namespace vx
