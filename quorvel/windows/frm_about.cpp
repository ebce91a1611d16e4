#include "frm_about.h"

#include <QLabel>

#include "app_info.h"
#include "drill_messages.h"
#include "etched_line.h"
#include "jester_font.h"
#include "logo.h"
#include "sys_info.h"
#include "twips_layout.h"
#include "wrapping_button.h"

namespace quorvel {
namespace {

// The buttons carry no size of their own in the layout; they use the face's small size.
constexpr qreal kButtonPoints = 8.25;

QLabel* TextLabel(const char* name, const QString& text, qreal points, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(JesterFont(points));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
    auto* button = new WrappingButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setFont(JesterFont(kButtonPoints));
    return button;
}

}  // namespace

frmAbout::frmAbout(QWidget* owner, MessageBoxService& boxes, const RegistryReader& registry,
                   ProgramLauncher& launcher)
    : DrillDialog(owner, true), boxes_(boxes), registry_(registry), launcher_(launcher) {
    setObjectName(QStringLiteral("frmAbout"));
    // A fixed single frame with a close box only, modal to the whole program.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kAppTitle));
    TwipsLayout().SetClientSize(this, 6675, 4590, true);
    CreateTexts();
    CreateButtons();
    cmdOK->setFocus();
}

void frmAbout::CreateTexts() {
    const TwipsLayout twips;
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    twips.Place(picIcon, 240, 240, 540, 540);
    ShowLogo(picIcon);
    picIcon->setAccessibleName(QString::fromUtf8(kAppTitle));

    lblTitle = TextLabel("lblTitle", QString::fromUtf8(kAppTitle), 15.75, this);
    twips.Place(lblTitle, 1050, 240, 3885, 480);
    lblVersion = TextLabel("lblVersion", QString::fromStdString(VersionText()), 8.25, this);
    twips.Place(lblVersion, 4800, 240, 1365, 225);

    lblDescription = TextLabel("lblDescription", QString::fromUtf8(kDescription), 12, this);
    lblDescription->setWordWrap(true);
    twips.Place(lblDescription, 600, 810, 5685, 1845);

    Line1 = new EtchedLine({360, 6480, 2760, 240, 6375, 2820}, this);
    Line1->setObjectName(QStringLiteral("Line1"));

    lblDisclaimer = TextLabel("lblDisclaimer", QString::fromUtf8(kAboutNotice), 11.25, this);
    lblDisclaimer->setWordWrap(true);
    twips.Place(lblDisclaimer, 240, 3000, 4860, 1425);
}

void frmAbout::CreateButtons() {
    const TwipsLayout twips;
    cmdOK = Button("cmdOK", "OK", this);
    cmdOK->setDefault(true);  // Enter; Esc is the dialog's own cancel
    twips.Place(cmdOK, 5205, 2985, 1260, 345);
    cmdSysInfo = Button("cmdSysInfo", "&System Info...", this);
    twips.Place(cmdSysInfo, 5220, 3435, 1245, 345);
    setTabOrder(cmdOK, cmdSysInfo);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    if (!StartSysInfo(registry_, launcher_)) {
        boxes_.Show(this, PlainBox(kSysInfoUnavailableMessage));
    }
}

}  // namespace quorvel
