#include "drill_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "twips_layout.h"

namespace quorvel {

DrillDialog::DrillDialog(QWidget* parent, bool hasCancelButton)
    : QDialog(parent), hasCancelButton_(hasCancelButton) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void DrillDialog::closeEvent(QCloseEvent* event) {
    if (!MayUnload()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
    if (event->isAccepted()) emit unloaded();
}

void DrillDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !hasCancelButton_) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void DrillDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (centred_) return;
    centred_ = true;
    CentreOnScreen(this);
}

}  // namespace quorvel
