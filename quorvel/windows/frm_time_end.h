#pragma once

#include "drill_dialog.h"
#include "drill_state.h"
#include "message_boxes.h"
#include "time_of_day_clock.h"

class QLabel;
class QPushButton;

namespace quorvel {

// The result window. It reads the clock once, when it is created, and tells the child how long
// the run took; Start Over begins a new run, Exit (confirmed) leaves through the splash.
class frmTimeEnd : public DrillDialog {
    Q_OBJECT

public:
    frmTimeEnd(DrillState& state, const TimeOfDayClock& clock, MessageBoxService& boxes);

signals:
    void startOverRequested();  // a new grade window is wanted
    void exitConfirmed();       // the farewell splash is wanted

private slots:
    void BtnStartOver_Click();
    void btnExit_Click();

private:
    void CreateControls();
    void MeasureRun(const TimeOfDayClock& clock);

    DrillState& state_;
    MessageBoxService& boxes_;

    QLabel* lblTimeMsg;
    QPushButton* BtnStartOver;
    QPushButton* btnExit;
};

}  // namespace quorvel
