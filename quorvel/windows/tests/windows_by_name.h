#pragma once

#include <QString>
#include <QWidget>

#include "fake_launcher.h"
#include "fake_registry.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_splash.h"
#include "frm_start.h"
#include "frm_time_end.h"
#include "window_test_doubles.h"

namespace quorvel {

// Each of the drill's windows, opened by its name with stand-ins for the world outside, in the
// middle of a run of the older band.
struct WindowsByName {
    DrillState state;
    FakeClock clock;
    RecordingBoxes boxes;
    FakeLauncher launcher;
    FakeRegistry registry;

    // A new window, or nullptr for a name that is none of the five.
    QWidget* Create(const QString& name) {
        state.intTopFactor = 5;
        if (name == "frmStart") return new frmStart(state, clock, boxes);
        if (name == "frmMain") return new frmMain(state, boxes, launcher);
        if (name == "frmTimeEnd") return new frmTimeEnd(state, clock, boxes);
        if (name == "frmAbout") return new frmAbout(nullptr, boxes, registry, launcher);
        if (name == "frmSplash") return new frmSplash;
        return nullptr;
    }
};

}  // namespace quorvel
