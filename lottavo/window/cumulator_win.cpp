#include "cumulator_win.h"

#include <QFontDatabase>

#include "box_styles.h"
#include "menu_452.h"
#include "resource_strings.h"
#include "text_codec.h"
#include "text_file.h"

namespace lottavo {

CumulatorWinC::CumulatorWinC(QWidget* parent, const char* text, const char* appName,
                             const AppServicesC& services)
    : RandomizeC(services.engine), QPlainTextEdit(parent), services_(services), appName_(appName) {
    setObjectName(QStringLiteral("CumulatorWinC"));
    setProperty("controlId", kControlId);
    // Read out by the window's caption, without the spaces that pad it.
    setAccessibleName(QString::fromLatin1(appName).trimmed());
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setPlainText(textFromEngine(text));
    document()->setModified(false);
}

CumulatorWinC::~CumulatorWinC() = default;

void CumulatorWinC::command(int id) {
    switch (id) {
        case kCmEditCopy:
            copy();
            break;
        case kCmFileSaveAs:
            saveAs();
            break;
        case kCmExit:
            window()->close();
            break;
        default:
            break;
    }
}

// Text only shown, never edited, closes without a question.
bool CumulatorWinC::frameMayClose() {
    if (!document()->isModified()) return true;
    switch (showMsgBox(services_.engine.msgBox, static_cast<QWidget*>(this),
                       resourceString(kTextChangedString), appName_.c_str(), kChangedBoxStyle)) {
        case kButtonYes:
            return save();
        case kButtonNo:
            return true;
        default:
            return false;
    }
}

bool CumulatorWinC::saveAs() {
    const QString path = services_.fileDialog.askSaveFileName(
        this, fileName_, fileFiltersOf(resourceString(kFileFiltersString)));
    if (path.isEmpty() || !write(path)) return false;
    fileName_ = path;
    return true;
}

bool CumulatorWinC::save() {
    return fileName_.isEmpty() ? saveAs() : write(fileName_);
}

// The text goes out as it stands, lines ending in bare line feeds, with no terminator.
bool CumulatorWinC::write(const QString& path) {
    if (!writeTextFile(path, toPlainText().toUtf8())) {
        reportWriteFailure(path);
        return false;
    }
    document()->setModified(false);
    return true;
}

void CumulatorWinC::reportWriteFailure(const QString& path) {
    const QByteArray text =
        QString::asprintf(resourceString(kWriteFailedString), path.toUtf8().constData()).toUtf8();
    showMsgBox(services_.engine.msgBox, static_cast<QWidget*>(this), text.constData(),
               appName_.c_str(), kWriteFailedBoxStyle);
}

}  // namespace lottavo
