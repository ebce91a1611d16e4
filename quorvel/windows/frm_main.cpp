#include "frm_main.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <limits>

#include "answer_check.h"
#include "app_info.h"
#include "drill_messages.h"
#include "helper_programs.h"
#include "jester_font.h"
#include "locale_number_format.h"
#include "logo.h"
#include "twips_layout.h"
#include "wrapping_button.h"

namespace quorvel {
namespace {

QLabel* FactorLabel(const char* name, const QString& text, Qt::Alignment alignment,
                    QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(JesterFont(72, true));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QPushButton* Button(const char* name, const char* text, qreal points, QWidget* parent) {
    auto* button = new WrappingButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setFont(JesterFont(points, true));
    return button;
}

}  // namespace

frmMain::frmMain(const DrillState& state, MessageBoxService& boxes, ProgramLauncher& launcher)
    : state_(state), boxes_(boxes), launcher_(launcher) {
    setObjectName(QStringLiteral("frmMain"));
    // A fixed single frame with a close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowIcon(ProgramIcon());
    TwipsLayout().SetClientSize(this, 5880, 4800, true);
    CreateQuestionControls();
    CreateAnswerControls();
    ShowQuestion(kFirstQuestion);
    txtAnswer->setFocus();
}

void frmMain::CreateQuestionControls() {
    const TwipsLayout twips;
    fraNumbers = new QGroupBox(this);
    fraNumbers->setObjectName(QStringLiteral("fraNumbers"));
    twips.Place(fraNumbers, 237, 240, 5370, 3601);
    fraNumbers->setAccessibleName(QStringLiteral("Question"));

    lblValueA = FactorLabel("lblValueA", {}, Qt::AlignRight, fraNumbers);
    twips.Place(lblValueA, 720, 240, 1440, 1365);
    lblTimes = FactorLabel("lblTimes", QStringLiteral("X"), Qt::AlignHCenter, fraNumbers);
    twips.Place(lblTimes, 2160, 240, 1080, 1365);
    lblValueB = FactorLabel("lblValueB", {}, Qt::AlignLeft, fraNumbers);
    twips.Place(lblValueB, 3345, 240, 1440, 1365);
}

void frmMain::CreateAnswerControls() {
    const TwipsLayout twips;
    txtAnswer = new QLineEdit(fraNumbers);
    txtAnswer->setObjectName(QStringLiteral("txtAnswer"));
    txtAnswer->setFont(JesterFont(48, true));
    txtAnswer->setAlignment(Qt::AlignCenter);
    txtAnswer->setCursor(Qt::IBeamCursor);
    txtAnswer->setMaxLength(std::numeric_limits<int>::max());
    twips.Place(txtAnswer, 480, 1815, 2499, 1359);
    txtAnswer->setAccessibleName(QStringLiteral("Answer"));

    btnAnswer = Button("btnAnswer", "Enter Answer", 15.75, fraNumbers);
    btnAnswer->setDefault(true);
    twips.Place(btnAnswer, 3225, 2040, 1671, 911);

    btnHElp = Button("btnHElp", "Help", 12, this);
    twips.Place(btnHElp, 960, 4005, 1198, 462);
    btnExit = Button("btnExit", "Exit", 12, this);
    twips.Place(btnExit, 3720, 4005, 1198, 462);

    setTabOrder(txtAnswer, btnAnswer);
    setTabOrder(btnAnswer, btnHElp);
    setTabOrder(btnHElp, btnExit);

    connect(btnAnswer, &QPushButton::clicked, this, &frmMain::btnAnswer_Click);
    connect(btnHElp, &QPushButton::clicked, this, &frmMain::btnHElp_Click);
    connect(btnExit, &QPushButton::clicked, this, &frmMain::btnExit_Click);
}

void frmMain::ShowQuestion(Question question) {
    question_ = question;
    lblValueA->setText(QString::number(question.a));
    lblValueB->setText(QString::number(question.b));
    // Read out with the answer box: the product it asks for.
    txtAnswer->setAccessibleDescription(lblValueA->text() + QStringLiteral(" X ") +
                                        lblValueB->text());
}

void frmMain::btnAnswer_Click() {
    const AnswerCheck check =
        TestAnswer(state_.intTopFactor, question_, txtAnswer->text().toStdString(),
                   LocaleNumberFormat(QLocale()));
    switch (check.outcome) {
        case AnswerOutcome::Empty:
            boxes_.Show(this, ExclamationBox(kEnterNumberMessage));
            txtAnswer->clear();
            return;
        case AnswerOutcome::NoNumber:
            boxes_.Show(this, ExclamationBox(kEnterNumberMessage));
            txtAnswer->selectAll();  // the next key replaces the text
            return;
        case AnswerOutcome::Wrong:
            boxes_.Show(this, ExclamationBox(kTryAgainMessage));
            txtAnswer->selectAll();
            return;
        case AnswerOutcome::Right:
        case AnswerOutcome::RightAndComplete:
            ShowQuestion(check.next);
            txtAnswer->clear();
            break;
    }
    if (check.outcome == AnswerOutcome::RightAndComplete) {
        // The result window opens first and measures; closing then only shows it again.
        emit tableCompleted();
        close();
    }
}

void frmMain::btnHElp_Click() {
    if (!StartCalculator(launcher_)) boxes_.Show(this, ExclamationBox(kNoCalculatorMessage));
}

void frmMain::btnExit_Click() {
    close();
}

}  // namespace quorvel
