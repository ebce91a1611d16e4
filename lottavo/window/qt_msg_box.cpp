#include "qt_msg_box.h"

#include <QApplication>
#include <QEventLoop>

#include "box_styles.h"
#include "system_services.h"
#include "text_codec.h"

namespace lottavo {

namespace {

QMessageBox::Icon iconOf(uint32_t style) {
    switch (style & kBoxIconMask) {
        case kBoxIconStop:
            return QMessageBox::Critical;
        case kBoxIconQuestion:
            return QMessageBox::Question;
        case kBoxIconExclamation:
            return QMessageBox::Warning;
        case kBoxIconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(uint32_t style) {
    switch (style & kBoxButtonMask) {
        case kBoxOkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case kBoxYesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case kBoxYesNo:
            return QMessageBox::Yes | QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

Qt::WindowModality modalityOf(uint32_t style, bool owned) {
    if ((style & kBoxModalMask) != 0) return Qt::ApplicationModal;
    return owned ? Qt::WindowModal : Qt::NonModal;
}

// Runs the box's own loop until it is answered or the program ends its loops.
QMessageBox::StandardButton waitForAnswer(QMessageBox& box, bool foreground) {
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    box.show();
    if (foreground) {
        box.raise();
        box.activateWindow();
    }
    loop.exec();
    return box.standardButton(box.clickedButton());
}

}  // namespace

BoxLookC boxLookOf(uint32_t style, bool owned) {
    const bool systemModal = (style & kBoxModalMask) == kBoxSystemModal;
    return {iconOf(style), buttonsOf(style), modalityOf(style, owned),
            systemModal || (style & kBoxTopMost) != 0, (style & kBoxSetForeground) != 0};
}

int32_t buttonOf(QMessageBox::StandardButton clicked, QMessageBox::StandardButtons buttons) {
    switch (clicked) {
        case QMessageBox::Ok:
            return kButtonOk;
        case QMessageBox::Cancel:
            return kButtonCancel;
        case QMessageBox::Yes:
            return kButtonYes;
        case QMessageBox::No:
            return kButtonNo;
        default:
            break;
    }
    if (buttons.testFlag(QMessageBox::Cancel)) return kButtonCancel;
    if (buttons.testFlag(QMessageBox::No)) return kButtonNo;
    return kButtonOk;
}

int32_t QtMsgBoxC::show(void* owner, const char* text, const char* caption, uint32_t style) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return StderrMsgBoxC().show(owner, text, caption, style);
    }
    const QString ownText = textFromEngine(text);
    const QString ownCaption = textFromEngine(caption);
    auto* parent = static_cast<QWidget*>(owner);
    const BoxLookC look = boxLookOf(style, parent != nullptr);

    QMessageBox box(look.icon, ownCaption, ownText, look.buttons, parent);
    box.setTextFormat(Qt::PlainText);  // a list's printable characters may look like markup
    box.setWindowModality(look.modality);
    if (look.onTop) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return buttonOf(waitForAnswer(box, look.foreground), look.buttons);
}

}  // namespace lottavo
