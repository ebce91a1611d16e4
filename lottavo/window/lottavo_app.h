#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app_services.h"
#include "randomize.h"

namespace lottavo {

class FrameWindowC;
class LottavoDlgC;

// The program's application: its main window is a frame around the generator dialog, with a
// dialog frame only (no window buttons, no sizing), which closes when Quit closes the dialog.
class LottavoC : public virtual RandomizeC {
public:
    LottavoC(const char* name, const AppServicesC& services);
    virtual ~LottavoC();
    LottavoC(const LottavoC&) = delete;
    LottavoC& operator=(const LottavoC&) = delete;

    // Sets up the main window and runs the program's loop until the window has closed: 0, or
    // -1 when no main window was made.
    int32_t run();

    const std::string& name() const { return name_; }
    FrameWindowC* mainWindow() const { return frame_.get(); }
    LottavoDlgC* dialog() const { return dialog_; }

protected:
    // The main-window hook.
    virtual void initMainWindow();

private:
    std::string name_;
    AppServicesC services_;
    std::unique_ptr<FrameWindowC> frame_;
    LottavoDlgC* dialog_ = nullptr;
};

}  // namespace lottavo
