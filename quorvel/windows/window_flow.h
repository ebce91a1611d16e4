#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

#include "drill_state.h"
#include "frm_splash.h"
#include "message_boxes.h"
#include "program_launcher.h"
#include "registry.h"
#include "time_of_day_clock.h"

class QWidget;

namespace quorvel {

class frmTimeEnd;

// What the windows use of the world outside the program.
struct DrillServices {
    const TimeOfDayClock& clock;
    MessageBoxService& boxes;
    ProgramLauncher& launcher;
    const RegistryReader& registry;
};

// Runs the drill from window to window: grade window, question window, result window, then a
// new grade window or the splash. It owns the run's shared values and hands them to each window
// it creates; every window is created anew each time it opens. The program ends when the last
// window closes, or when the splash's time is up.
class WindowFlow : public QObject {
    Q_OBJECT

public:
    WindowFlow(DrillServices services, std::function<void()> endProgram,
               int splashIntervalMs = kSplashIntervalMs);
    ~WindowFlow() override;

    // Opens the first window, the grade window.
    void Begin();

    const DrillState& State() const { return state_; }

private:
    void OpenStart();
    void OpenMain();
    void OpenTimeEnd();
    void OpenSplash();
    void OpenAbout(QWidget* owner);

    void Opened(QWidget* window);
    void Unloaded(QWidget* window);

    DrillState state_;
    DrillServices services_;
    std::function<void()> endProgram_;
    int splashIntervalMs_;
    QPointer<frmTimeEnd> timeEnd_;
    std::vector<QPointer<QWidget>> open_;  // windows shown and not yet unloaded
};

}  // namespace quorvel
