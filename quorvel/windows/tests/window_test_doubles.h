#pragma once

// Stand-ins for the world outside the windows, and helpers to find what a user would see.

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "message_boxes.h"
#include "time_message.h"
#include "time_of_day_clock.h"

namespace quorvel {

// A clock that shows whatever time the test sets, and counts how often it is read.
struct FakeClock : TimeOfDayClock {
    double now = 0.0;
    mutable int reads = 0;

    double Now() const override {
        ++reads;
        return now;
    }
    void Set(int hours, int minutes, int seconds, int milliseconds = 0) {
        now = DayFraction(((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds);
    }
};

// Records every box and answers as the test scripted, else with the box's default button.
struct RecordingBoxes : MessageBoxService {
    struct Shown {
        BoxRequest request;
        QString owner;  // object name of the window the box belongs to
    };
    QList<Shown> shown;
    QList<BoxAnswer> answers;

    BoxAnswer Show(QWidget* owner, const BoxRequest& request) override {
        shown.append({request, owner ? owner->objectName() : QString()});
        return answers.isEmpty() ? request.defaultAnswer : answers.takeFirst();
    }
    QStringList Texts() const {
        QStringList texts;
        for (const Shown& box : shown) texts << box.request.text;
        return texts;
    }
};

// The visible windows called `name`.
inline QList<QWidget*> VisibleWindows(const QString& name) {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == name) windows << window;
    }
    return windows;
}

inline int VisibleWindowCount() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) count += window->isVisible();
    return count;
}

// Deletes the windows that have closed, as the event loop would next.
inline void FlushClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A child the window must have; the test stops when it is missing.
template <typename T>
T* Child(const QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromUtf8(name));
    if (!child) qFatal("%s has no %s", qPrintable(window->objectName()), name);
    return child;
}

}  // namespace quorvel
