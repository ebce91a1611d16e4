#pragma once

#include <QColor>
#include <QWidget>

namespace lottavo {

// The generator dialog's colours: light lavender behind black texts. Only the seed box keeps the
// desktop's edit colours.
inline const QColor kDialogBackground(221, 221, 255);
inline const QColor kDialogText(0, 0, 0);

// The kinds of window the colour handler is asked about.
enum class ColourKindE { Dialog, Button, Static, Edit };

// What the colour handler answers for one kind.
struct ColourAnswerC {
    bool platformColours;  // the desktop's own colours, nothing set
    QColor text;
    QColor background;  // shows through: the texts are drawn transparently
};

ColourAnswerC colourAnswerFor(ColourKindE kind);

// Gives the dialog's client area its background, and each control the colours answered for its
// kind.
void applyDialogColours(QWidget* client, const QList<QWidget*>& controls);

}  // namespace lottavo
