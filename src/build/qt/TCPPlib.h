// The C library window `TTCPPlibFrm`: the progress window of the C library
// compile (LibraryStage), shown modally by "生成Lib库(&L)".
#pragma once

#include "build/LibraryStage.h"
#include "build/qt/ProgressFrm.h"

namespace vx {

class TTCPPlibFrm : public TProgressFrm {
    Q_OBJECT
  public:
    TTCPPlibFrm(LibraryInputs inputs, StageView& host, QWidget* parent = nullptr);

    LibraryStage& Stage() { return stage_; }

  protected:
    void JobShown() override { stage_.Show(); }
    bool JobBegin() override { return stage_.Begin(); }
    ToolChainJob& Job() override { return stage_; }

  private:
    LibraryStage stage_;
};

}  // namespace vx
