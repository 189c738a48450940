// A dock panel or tool bar as its styler sees it: records every change code
// and may run an action while it receives one.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "styling/toolbar/FxToolBarStylers.h"

namespace vx::test {

class RecordingReceiver : public QObject, public IToolBarStyleReceiver {
  public:
    QObject* ReceiverObject() override { return this; }
    void StylerChanged(int code) override {
        codes.push_back(code);
        if (onChange) onChange(code);
    }

    std::vector<int> codes;
    std::function<void(int)> onChange;
};

}  // namespace vx::test
