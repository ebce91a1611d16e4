#pragma once

#include "engine_services.h"
#include "file_dialog.h"
#include "show_mode.h"

namespace lottavo {

// What the program's windows are given: the engine's services, the save-file dialog, and the
// show mode the program was started with (this desktop passes none, so normal).
struct AppServicesC {
    EngineServicesC engine;
    FileDialogC& fileDialog;
    ShowModeE startMode = ShowModeE::Normal;
};

}  // namespace lottavo
