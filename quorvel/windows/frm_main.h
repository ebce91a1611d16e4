#pragma once

#include "drill_dialog.h"
#include "drill_state.h"
#include "grade_band.h"
#include "message_boxes.h"
#include "program_launcher.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

// The question window: asks every product of the band from 2 X 1 and tests each answer. The
// last right answer reports the table complete and closes the window; Exit and the close box
// close it early. Either way its unloading opens the result window.
class frmMain : public DrillDialog {
    Q_OBJECT

public:
    frmMain(const DrillState& state, MessageBoxService& boxes, ProgramLauncher& launcher);

signals:
    void tableCompleted();

private slots:
    void btnAnswer_Click();
    void btnHElp_Click();
    void btnExit_Click();

private:
    void CreateQuestionControls();
    void CreateAnswerControls();
    void ShowQuestion(Question question);

    const DrillState& state_;
    MessageBoxService& boxes_;
    ProgramLauncher& launcher_;
    Question question_ = kFirstQuestion;

    QGroupBox* fraNumbers;
    QLabel* lblValueA;
    QLabel* lblTimes;
    QLabel* lblValueB;
    QLineEdit* txtAnswer;
    QPushButton* btnAnswer;
    QPushButton* btnHElp;
    QPushButton* btnExit;
};

}  // namespace quorvel
