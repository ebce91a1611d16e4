#include "frm_splash.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include "app_info.h"
#include "jester_font.h"
#include "logo.h"
#include "twips_layout.h"

namespace quorvel {
namespace {

// The version's right edge lines up with the right edge of the product name above it.
constexpr int kVersionRightTwips = 2280 + 4470;
constexpr int kVersionLeftTwips = 5955;
constexpr int kVersionTopTwips = 1200;

QLabel* TextLabel(const char* name, const QString& text, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(font);
    return label;
}

}  // namespace

frmSplash::frmSplash(int closeIntervalMs) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    // No title bar and no task bar entry; a raised border stands for the dialog frame.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    TwipsLayout().SetClientSize(this, 7320, 4245, true);
    CreateControls();

    tmrClose = new QTimer(this);
    tmrClose->setObjectName(QStringLiteral("tmrClose"));
    tmrClose->setSingleShot(true);
    tmrClose->setInterval(closeIntervalMs);
    connect(tmrClose, &QTimer::timeout, this, &frmSplash::timeUp);
    tmrClose->start();
}

void frmSplash::CreateControls() {
    const TwipsLayout twips;
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    twips.Place(Frame1, 120, 60, 7080, 4050);

    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    twips.Place(imgLogo, 600, 480, 825, 825);
    ShowLogo(imgLogo);
    imgLogo->setAccessibleName(QString::fromUtf8(kAppTitle));

    lblProductName =
        TextLabel("lblProductName", QString::fromUtf8(kAppTitle), JesterFont(27.75, true), Frame1);
    twips.Place(lblProductName, 2280, 240, 4470, 1395);

    lblVersion = TextLabel("lblVersion", QString::fromStdString(VersionText()),
                           JesterFont(12, true), Frame1);
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PlaceVersion();

    Label1 = TextLabel("Label1", QString::fromUtf8(kSplashNotice), JesterFont(12.75, true), Frame1);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips.Place(Label1, 2400, 1920, 4335, 2055);

    lblMaker = TextLabel("lblMaker", QString::fromUtf8(kMakerLine), JesterFont(8.25), Frame1);
    twips.Place(lblMaker, 120, 3420, 2415, 255);
    lblRights = TextLabel("lblRights", QString::fromUtf8(kRightsLine), JesterFont(8.25), Frame1);
    twips.Place(lblRights, 120, 3630, 2415, 255);
}

void frmSplash::PlaceVersion() {
    // Sized to its text; it starts at its own place unless that would carry it past the
    // product name's right edge, when it grows leftwards from there instead.
    const TwipsLayout twips;
    lblVersion->adjustSize();
    const int left =
        std::min(twips.Px(kVersionLeftTwips), twips.Px(kVersionRightTwips) - lblVersion->width());
    lblVersion->move(left, twips.Px(kVersionTopTwips));
}

void frmSplash::closeEvent(QCloseEvent* event) {
    event->ignore();  // only the timer ends the splash
}

void frmSplash::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (centred_) return;
    centred_ = true;
    CentreOnScreen(this);
}

}  // namespace quorvel
