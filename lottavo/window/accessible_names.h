#pragma once

#include <QList>
#include <QWidget>

namespace lottavo {

// Gives the controls of a dialog the names assistive technology reads out: a button its
// caption, an edit box the text of the label that stands to its left on the same line (which
// also becomes the label's buddy). Static texts are read as they stand.
void nameControlsForAssistiveTechnology(const QList<QWidget*>& controls);

}  // namespace lottavo
