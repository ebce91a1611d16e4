#include "frm_start.h"

#include <QGroupBox>
#include <QRadioButton>

#include "accessible_names.h"
#include "app_info.h"
#include "drill_messages.h"
#include "grade_band.h"
#include "jester_font.h"
#include "logo.h"
#include "twips_layout.h"
#include "wrapping_button.h"

namespace quorvel {

frmStart::frmStart(DrillState& state, const TimeOfDayClock& clock, MessageBoxService& boxes)
    : state_(state), clock_(clock), boxes_(boxes) {
    setObjectName(QStringLiteral("frmStart"));
    // A fixed dialog frame without control box; kept out of the task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowIcon(ProgramIcon());
    TwipsLayout().SetClientSize(this, 5070, 2295, true);
    CreateControls();
    btnStart->setFocus();
}

void frmStart::CreateControls() {
    const TwipsLayout twips;
    Frame1 = new QGroupBox(QStringLiteral("Choose a Grade Level"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(JesterFont(9.75));
    twips.Place(Frame1, 240, 240, 4575, 1095);
    Frame1->setAccessibleName(Frame1->title());

    OptYoung = new QRadioButton(QStringLiteral("&1st - 3rd Grade"), Frame1);
    OptYoung->setObjectName(QStringLiteral("OptYoung"));
    OptYoung->setFont(JesterFont(9.75, true));
    twips.Place(OptYoung, 360, 360, 1935, 495);
    NameAfterCaption(OptYoung);

    OptOld = new QRadioButton(QStringLiteral("&4th - 6th Grade"), Frame1);
    OptOld->setObjectName(QStringLiteral("OptOld"));
    OptOld->setFont(JesterFont(9.75, true));
    twips.Place(OptOld, 2400, 360, 1935, 495);
    NameAfterCaption(OptOld);

    btnStart = new WrappingButton(QStringLiteral("Start"), this);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    btnStart->setFont(JesterFont(9.75, true));
    btnStart->setDefault(true);
    twips.Place(btnStart, 840, 1560, 1215, 495);

    btnAbout = new WrappingButton(QStringLiteral("About"), this);
    btnAbout->setObjectName(QStringLiteral("btnAbout"));
    btnAbout->setFont(JesterFont(9.75, true));
    twips.Place(btnAbout, 3000, 1560, 1215, 495);

    setTabOrder(btnStart, OptYoung);
    setTabOrder(OptYoung, OptOld);
    setTabOrder(OptOld, btnAbout);

    connect(btnStart, &QPushButton::clicked, this, &frmStart::btnStart_Click);
    connect(btnAbout, &QPushButton::clicked, this, &frmStart::btnAbout_Click);
}

void frmStart::btnStart_Click() {
    if (!OptOld->isChecked() && !OptYoung->isChecked()) {
        boxes_.Show(this, ExclamationBox(kSelectGradeMessage));
        return;
    }
    state_.intTopFactor = OptOld->isChecked() ? kOldTopFactor : kYoungTopFactor;
    state_.sngStartTime = static_cast<float>(clock_.Now());
    bandAccepted_ = true;
    close();
}

void frmStart::btnAbout_Click() {
    emit aboutRequested();
}

}  // namespace quorvel
