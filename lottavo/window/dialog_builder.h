#pragma once

#include <QList>
#include <QWidget>

#include "dialog_template.h"
#include "dialog_units.h"

namespace lottavo {

// Makes the controls of a dialog template inside client, in template order, placed from their
// dialog units, and chains the tab stops in that order. A control that cannot be made is left
// out: the caller tests for those it needs.
QList<QWidget*> buildControls(const DialogTemplateC& dialog, QWidget* client,
                              DialogBaseUnitsC base);

// The control made for a template id (the first, where ids repeat), or null.
QWidget* controlById(const QList<QWidget*>& controls, int id);

}  // namespace lottavo
