// The compile window `TTranslateFrm`: the progress window of the C compile
// stage (TranslateStage), shown modally by the compile command.
#pragma once

#include "build/TranslateStage.h"
#include "build/qt/ProgressFrm.h"

namespace vx {

class TTranslateFrm : public TProgressFrm {
    Q_OBJECT
  public:
    TTranslateFrm(TranslateInputs inputs, StageView& host, QWidget* parent = nullptr);

    TranslateStage& Stage() { return stage_; }

  protected:
    void JobShown() override { stage_.Show(); }
    bool JobBegin() override { return stage_.Begin(); }
    ToolChainJob& Job() override { return stage_; }

  private:
    TranslateStage stage_;
};

}  // namespace vx
