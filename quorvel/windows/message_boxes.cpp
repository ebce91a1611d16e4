#include "message_boxes.h"

#include <QMessageBox>

#include "app_info.h"
#include "drill_messages.h"

namespace quorvel {
namespace {

QMessageBox::StandardButton StandardButton(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Yes:
            return QMessageBox::Yes;
        case BoxAnswer::No:
            return QMessageBox::No;
        case BoxAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

BoxRequest DrillBox(const char* text, BoxIcon icon) {
    return {QString::fromUtf8(kAppTitle), QString::fromUtf8(text), icon, BoxButtons::Ok,
            BoxAnswer::Ok};
}

}  // namespace

BoxRequest ExclamationBox(const char* text) {
    return DrillBox(text, BoxIcon::Exclamation);
}

BoxRequest PlainBox(const char* text) {
    return DrillBox(text, BoxIcon::None);
}

BoxRequest ExitQuestionBox() {
    BoxRequest request = ExclamationBox(kExitQuestion);
    request.buttons = BoxButtons::YesNo;
    request.defaultAnswer = BoxAnswer::Yes;
    return request;
}

BoxAnswer QtMessageBoxes::Show(QWidget* owner, const BoxRequest& request) {
    const auto icon =
        request.icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
    const auto buttons = request.buttons == BoxButtons::YesNo
                             ? QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No)
                             : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(icon, request.title, request.text, buttons, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(StandardButton(request.defaultAnswer));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return BoxAnswer::Yes;
        case QMessageBox::No:
            return BoxAnswer::No;
        default:
            // Closing a Yes/No box without a choice is a No.
            return request.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    }
}

}  // namespace quorvel
