#include "accessible_names.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace lottavo {

namespace {

bool onSameLine(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// The label ending nearest to the left of box on its line, or null.
QLabel* labelLeftOf(const QRect& box, const QList<QWidget*>& controls) {
    QLabel* nearest = nullptr;
    for (QWidget* control : controls) {
        auto* label = qobject_cast<QLabel*>(control);
        if (label == nullptr || label->geometry().right() >= box.left()) continue;
        if (!onSameLine(label->geometry(), box)) continue;
        if (nearest == nullptr || label->geometry().right() > nearest->geometry().right()) {
            nearest = label;
        }
    }
    return nearest;
}

}  // namespace

void nameControlsForAssistiveTechnology(const QList<QWidget*>& controls) {
    for (QWidget* control : controls) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setAccessibleName(button->text());
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            if (QLabel* label = labelLeftOf(edit->geometry(), controls)) {
                edit->setAccessibleName(label->text());
                label->setBuddy(edit);
            }
        }
    }
}

}  // namespace lottavo
