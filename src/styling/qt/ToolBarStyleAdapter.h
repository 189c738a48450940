// Keeps a tool bar of the main window in the colours of a tool-bar styler:
// registered with the styler, it recolours its tool bar on every change code
// (and at once). It lives as a child of the tool bar, so it leaves the
// styler's list when the tool bar goes.
#pragma once

#include <QObject>
#include <QPointer>

#include "styling/toolbar/FxToolBarStylers.h"

class QWidget;

namespace vx {

class TToolBarStyleAdapter : public QObject, public IToolBarStyleReceiver {
    Q_OBJECT
  public:
    // Registers with the styler and colours the tool bar.
    TToolBarStyleAdapter(QWidget* toolBar, TCustomFxToolBarStyler* styler);
    ~TToolBarStyleAdapter() override;

    QObject* ReceiverObject() override { return this; }
    void StylerChanged(int code) override;

  private:
    void Recolour();

    QWidget* toolBar_;
    QPointer<TCustomFxToolBarStyler> styler_;
};

}  // namespace vx
