#pragma once

#include "drill_dialog.h"
#include "drill_state.h"
#include "message_boxes.h"
#include "time_of_day_clock.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quorvel {

// The grade window: the child chooses a band and starts the clock, or opens the about box.
// It closes only once a band is accepted; its unloading opens the question window.
class frmStart : public DrillDialog {
    Q_OBJECT

public:
    frmStart(DrillState& state, const TimeOfDayClock& clock, MessageBoxService& boxes);

signals:
    void aboutRequested();

protected:
    bool MayUnload() const override { return bandAccepted_; }

private slots:
    void btnStart_Click();
    void btnAbout_Click();

private:
    void CreateControls();

    DrillState& state_;
    const TimeOfDayClock& clock_;
    MessageBoxService& boxes_;
    bool bandAccepted_ = false;

    QGroupBox* Frame1;
    QRadioButton* OptYoung;
    QRadioButton* OptOld;
    QPushButton* btnStart;
    QPushButton* btnAbout;
};

}  // namespace quorvel
