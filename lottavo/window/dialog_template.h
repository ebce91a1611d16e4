#pragma once

#include <QRect>
#include <QSize>
#include <span>

namespace lottavo {

// The program's own description of a dialog and its controls, as a dialog template of the
// desktop it was first written for describes them: positions and sizes in dialog units, which
// the font of the template turns into pixels (dialog_units.h).

enum class ControlKindE { DefPushButton, PushButton, Edit, Static };

struct DialogItemC {
    int id;
    ControlKindE kind;
    const char* text;
    QRect box;  // dialog units
    bool tabStop;
    const char* name;  // the object name the control gets
};

struct DialogTemplateC {
    int id;
    const char* caption;
    QSize size;  // of the client area, in dialog units
    const char* fontFace;
    int fontPoints;
    // Template order, which is also the tab order.
    std::span<const DialogItemC> items;
};

}  // namespace lottavo
