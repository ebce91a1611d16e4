#include "frm_time_end.h"

#include <QLabel>

#include "app_info.h"
#include "jester_font.h"
#include "logo.h"
#include "time_message.h"
#include "twips_layout.h"
#include "wrapping_button.h"

namespace quorvel {
namespace {

// The message grows about this point as it widens, so that it stays over the window's middle.
constexpr int kMessageCentreTwips = 2760;
constexpr int kMessageTopTwips = 240;

QPushButton* Button(const char* name, const char* text, QWidget* parent) {
    auto* button = new WrappingButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setFont(JesterFont(12, true));
    return button;
}

}  // namespace

frmTimeEnd::frmTimeEnd(DrillState& state, const TimeOfDayClock& clock, MessageBoxService& boxes)
    : state_(state), boxes_(boxes) {
    setObjectName(QStringLiteral("frmTimeEnd"));
    // A resizable frame with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowIcon(ProgramIcon());
    TwipsLayout().SetClientSize(this, 5580, 2520, false);
    CreateControls();
    MeasureRun(clock);
    BtnStartOver->setFocus();
}

void frmTimeEnd::CreateControls() {
    const TwipsLayout twips;
    lblTimeMsg = new QLabel(this);
    lblTimeMsg->setObjectName(QStringLiteral("lblTimeMsg"));
    lblTimeMsg->setFont(JesterFont(12));
    lblTimeMsg->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The message can be selected with the mouse and copied, to keep a record of the time.
    // It takes the focus only when clicked: the tab order still starts at Start Over.
    lblTimeMsg->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BtnStartOver = Button("BtnStartOver", "Start Over", this);
    twips.Place(BtnStartOver, 840, 1680, 1575, 615);
    btnExit = Button("btnExit", "Exit", this);
    twips.Place(btnExit, 3000, 1680, 1575, 615);
    setTabOrder(BtnStartOver, btnExit);

    connect(BtnStartOver, &QPushButton::clicked, this, &frmTimeEnd::BtnStartOver_Click);
    connect(btnExit, &QPushButton::clicked, this, &frmTimeEnd::btnExit_Click);
}

void frmTimeEnd::MeasureRun(const TimeOfDayClock& clock) {
    state_.sngElapsed = MeasureElapsed(state_.sngStartTime, clock.Now());
    state_.strTimeMsg = ComposeTimeMessage(state_.sngElapsed);
    lblTimeMsg->setText(QString::fromStdString(state_.strTimeMsg));
    lblTimeMsg->setAccessibleName(lblTimeMsg->text());

    const TwipsLayout twips;
    lblTimeMsg->adjustSize();
    lblTimeMsg->move(twips.Px(kMessageCentreTwips) - lblTimeMsg->width() / 2,
                     twips.Px(kMessageTopTwips));
}

void frmTimeEnd::BtnStartOver_Click() {
    emit startOverRequested();
    close();
}

void frmTimeEnd::btnExit_Click() {
    if (boxes_.Show(this, ExitQuestionBox()) != BoxAnswer::Yes) return;
    emit exitConfirmed();
    close();
}

}  // namespace quorvel
