#pragma once

#include "drill_dialog.h"
#include "message_boxes.h"
#include "program_launcher.h"
#include "registry.h"

class QLabel;
class QPushButton;

namespace quorvel {

class EtchedLine;

// The about box: title, version, description and a notice to the parents, with OK (Enter and
// Esc) and a button that starts the system-information tool.
class frmAbout : public DrillDialog {
    Q_OBJECT

public:
    frmAbout(QWidget* owner, MessageBoxService& boxes, const RegistryReader& registry,
             ProgramLauncher& launcher);

private slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void CreateTexts();
    void CreateButtons();

    MessageBoxService& boxes_;
    const RegistryReader& registry_;
    ProgramLauncher& launcher_;

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    EtchedLine* Line1;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

}  // namespace quorvel
