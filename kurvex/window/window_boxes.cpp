#include "window_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace kurvex {
namespace {

void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QStringLiteral("Kurvex"), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace

void QtWindowBoxes::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void QtWindowBoxes::ShowError(const std::string& text) {
    ShowBox(QMessageBox::Critical, text);
}

}  // namespace kurvex
