#include "build/qt/TCPPlib.h"

namespace vx {

TTCPPlibFrm::TTCPPlibFrm(LibraryInputs inputs, StageView& host, QWidget* parent)
    : TProgressFrm(host, QStringLiteral("TCPPlibFrm"), 200, parent),
      stage_(std::move(inputs), *this) {}

}  // namespace vx
