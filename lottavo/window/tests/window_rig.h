#pragma once

// The windows wired to test doubles: recorded boxes and save dialogs, a scripted clock, waits
// that only record, the program's end thrown as an exception, and the desktop clipboard (which
// works offscreen) or one in memory that can be made to fail.

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <cerrno>
#include <functional>
#include <memory>
#include <vector>

#include "app_services.h"
#include "cumulator_win.h"
#include "engine_doubles.h"
#include "err_handler.h"
#include "file_dialog.h"
#include "lottavo_dlg.h"
#include "qt_clipboard.h"

namespace lottavo {

class RecordingFileDialogC : public FileDialogC {
public:
    struct AskedC {
        QWidget* owner;
        QString proposed;
        QStringList filters;
    };

    QString askSaveFileName(QWidget* owner, const QString& proposed,
                            const QStringList& filters) override {
        asked.push_back({owner, proposed, filters});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    std::vector<AskedC> asked;
    QStringList answers;  // one per question; none left: cancelled
};

struct WindowRigC {
    WindowRigC() { errno = 0; }

    AppServicesC services() { return servicesWith(clipboard); }
    AppServicesC servicesWith(ClipboardC& useClipboard) {
        return {{err, clock, waits, box, useClipboard, memory}, fileDialog};
    }

    // The boxes whose caption begins with prefix.
    std::vector<RecordingMsgBoxC::ShownC> boxesCaptioned(const std::string& prefix) const {
        std::vector<RecordingMsgBoxC::ShownC> found;
        for (const auto& shown : box.shown) {
            if (shown.caption.rfind(prefix, 0) == 0) found.push_back(shown);
        }
        return found;
    }

    RecordingMsgBoxC box;
    ThrowingExitC programExit;
    ErrHC err{box, programExit};
    ScriptedClockC clock;
    RecordingWaitC waits;
    QtClipboardC clipboard;
    MemoryClipboardC memoryClipboard;
    LimitedMemoryC memory;
    RecordingFileDialogC fileDialog;
};

// A generator dialog on the rig's services, shown and active; null if it never became active.
inline std::unique_ptr<LottavoDlgC> activeDialog(WindowRigC& rig) {
    auto dlg = std::make_unique<LottavoDlgC>(nullptr, rig.services());
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    if (!QTest::qWaitForWindowActive(dlg.get())) return nullptr;
    return dlg;
}

// For test classes that want a fresh rig and an active dialog on it in every test: open() in
// init(), close() in cleanup().
struct ActiveDialogFixtureC {
    bool open() {
        rig = std::make_unique<WindowRigC>();
        dlg = activeDialog(*rig);
        return dlg != nullptr;
    }
    void close() {
        dlg.reset();
        rig.reset();
    }

    std::unique_ptr<WindowRigC> rig;
    std::unique_ptr<LottavoDlgC> dlg;
};

// The first widget of type T inside a visible top-level window, or null.
template <typename T>
T* findInTopLevels() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        if (auto* found = qobject_cast<T*>(window)) return found;
        if (auto* found = window->findChild<T*>()) return found;
    }
    return nullptr;
}

// Once the cumulative list window is open (looked for every few milliseconds, for two seconds
// at most), runs check on it and closes it.
inline void whenCumulatorOpen(std::function<void(CumulatorWinC*)> check, int triesLeft = 200) {
    QTimer::singleShot(triesLeft == 200 ? 0 : 10, [check, triesLeft] {
        CumulatorWinC* win = findInTopLevels<CumulatorWinC>();
        if (win == nullptr) {
            if (triesLeft > 0) whenCumulatorOpen(check, triesLeft - 1);
            return;
        }
        check(win);
        win->window()->close();
    });
}

inline const std::string kListCaption = " Random Number List #";
inline const std::string kErrorCaption = "Lottavo ERROR";

}  // namespace lottavo
