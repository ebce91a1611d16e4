#include "lottavo_dlg.h"

#include <qdrawutil.h>

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <cerrno>

#include "accessible_names.h"
#include "box_styles.h"
#include "dialog_404.h"
#include "dialog_builder.h"
#include "dialog_caption.h"
#include "dialog_colours.h"
#include "generator_commands.h"
#include "show_cumulated_lists.h"
#include "text_codec.h"

namespace lottavo {

namespace {

// The dialog frame around the caption bar and the client area.
constexpr int kDialogFrame = 3;

}  // namespace

LottavoDlgC::LottavoDlgC(QWidget* parent, const AppServicesC& services)
    : RandomizeC(services.engine), QDialog(parent), services_(services) {
    setCumShown(0);
    if (setUSeedStr("0") < 0) {
        services_.engine.err.fatal(-2, "LottavoDlgC ctor:  Can't init zero seed value");
    }
    buildFromTemplate();
    InStr = qobject_cast<QLineEdit*>(controlById(controls_, kSeedBoxId));
    if (InStr == nullptr) {
        services_.engine.err.fatal(-3,
                                   "LottavoDlgC ctor:  Can't allocate TEdit seed input\n "
                                   "control:  InStr==NULL pointer.");
    }
    InStr->setMaxLength(kSeedBoxLimit - 1);
    connectCommands();
}

LottavoDlgC::~LottavoDlgC() = default;

// The client area has the template's size in its font's dialog units; the caption bar and the
// dialog frame lie around it.
void LottavoDlgC::buildFromTemplate() {
    const DialogTemplateC& dialog = dialogTemplate404();
    setWindowTitle(QString::fromLatin1(dialog.caption));
    auto* caption = new DialogCaptionC(windowTitle(), this);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFont(templateFont(dialog));
    const DialogBaseUnitsC base = baseUnitsOf(QFontMetrics(client_->font()));
    controls_ = buildControls(dialog, client_, base);
    nameControlsForAssistiveTechnology(controls_);
    applyDialogColours(client_, controls_);

    const QSize clientSize = toPixels(dialog.size, base);
    const int captionHeight = caption->sizeHint().height();
    caption->setGeometry(kDialogFrame, kDialogFrame, clientSize.width(), captionHeight);
    client_->setGeometry(kDialogFrame, kDialogFrame + captionHeight, clientSize.width(),
                         clientSize.height());
    size_ = {clientSize.width() + 2 * kDialogFrame,
             clientSize.height() + captionHeight + 2 * kDialogFrame};
    setFixedSize(size_);
}

void LottavoDlgC::connectCommands() {
    const auto connectButton = [this](int id, void (LottavoDlgC::*command)()) {
        if (auto* button = qobject_cast<QPushButton*>(controlById(controls_, id))) {
            connect(button, &QPushButton::clicked, this, command);
        }
    };
    connectButton(kGenerateId, &LottavoDlgC::generate);
    connectButton(kQuitId, &LottavoDlgC::quit);
    connectButton(kCopyId, &LottavoDlgC::doCopyThisList);
    connect(InStr, &QLineEdit::textChanged, this, &LottavoDlgC::seedChanged);
}

// The engine's seed text mirrors the box, whoever changed it.
void LottavoDlgC::seedChanged(const QString& text) {
    setUSeedStr(seedTextForEngine(text.left(kSeedBoxLimit - 1)).constData());
}

// Each command starts with a clear error number: the window system leaves stale ones behind,
// and a report should name only a system error of its own command.
void LottavoDlgC::generate() {
    errno = 0;
    if (generateCommand(*this, services_.engine.err) < 0) InStr->setText(QStringLiteral("0"));
}

void LottavoDlgC::doCopyThisList() {
    errno = 0;
    copyCommand(*this, services_.engine.err, services_.engine.msgBox, static_cast<QWidget*>(this));
}

void LottavoDlgC::quit() {
    if (quitRunning_ || closed_) return;
    errno = 0;
    quitRunning_ = true;
    const bool closing = getListNum() == 0 ? userConfirmsQuit() : cumulatedListsShown();
    quitRunning_ = false;
    if (closing) closeAsOk();
}

void LottavoDlgC::reject() {
    quit();
}

bool LottavoDlgC::frameMayClose() {
    if (closed_) return true;
    // Queued, so that the frame's close request has ended before Quit closes the frame.
    if (!quitQueued_) {
        quitQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                quitQueued_ = false;
                quit();
            },
            Qt::QueuedConnection);
    }
    return false;
}

bool LottavoDlgC::userConfirmsQuit() {
    return showMsgBox(services_.engine.msgBox, static_cast<QWidget*>(this),
                      "Are you sure you want to quit?", " Lottavo:  QUITTING?",
                      kQuitBoxStyle) == kButtonYes;
}

// Returns once the user has closed the cumulative list window.
bool LottavoDlgC::cumulatedListsShown() {
    if (getCumShown() == 1) return false;
    showCumulatedLists(*this, services_);
    return true;
}

// As the OK command closes a dialog. Its controls have no objection to closing, so the dialog
// closes; the frame follows it.
void LottavoDlgC::closeAsOk() {
    closed_ = true;
    done(QDialog::Accepted);
}

void LottavoDlgC::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinPanel(&painter, rect(), palette(), false, &face);
}

}  // namespace lottavo
