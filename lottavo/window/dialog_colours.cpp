#include "dialog_colours.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace lottavo {

namespace {

ColourKindE kindOf(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control) != nullptr) return ColourKindE::Edit;
    if (qobject_cast<const QLabel*>(control) != nullptr) return ColourKindE::Static;
    return ColourKindE::Button;
}

// A push button keeps its face; the colours reach its text and the ground around it.
void applyAnswer(QWidget* control, const ColourAnswerC& answer) {
    QPalette palette = QApplication::palette(control);
    if (!answer.platformColours) {
        palette.setColor(QPalette::Window, answer.background);
        palette.setColor(QPalette::WindowText, answer.text);
        palette.setColor(QPalette::ButtonText, answer.text);
    }
    control->setPalette(palette);
}

}  // namespace

ColourAnswerC colourAnswerFor(ColourKindE kind) {
    if (kind == ColourKindE::Edit) return {true, {}, {}};
    return {false, kDialogText, kDialogBackground};
}

void applyDialogColours(QWidget* client, const QList<QWidget*>& controls) {
    applyAnswer(client, colourAnswerFor(ColourKindE::Dialog));
    client->setAutoFillBackground(true);
    for (QWidget* control : controls) applyAnswer(control, colourAnswerFor(kindOf(control)));
}

}  // namespace lottavo
