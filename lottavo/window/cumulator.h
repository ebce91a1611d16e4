#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app_services.h"
#include "randomize.h"

namespace lottavo {

class CumulatorWinC;
class FrameWindowC;

// The cumulative list window's application: it shows the run's cumulative text in an editor
// window and runs a loop of its own until that window has closed.
class CumulatorC : public virtual RandomizeC {
public:
    // name captions the window; text is the cumulative text, not owned.
    CumulatorC(const char* name, const char* text, const AppServicesC& services);
    virtual ~CumulatorC();
    CumulatorC(const CumulatorC&) = delete;
    CumulatorC& operator=(const CumulatorC&) = delete;

    // Sets up the window and returns when it has closed: 0, or -1 when no window was made.
    int32_t run();

    FrameWindowC* mainWindow() const { return frame_.get(); }
    CumulatorWinC* editor() const { return editor_; }

protected:
    // The main-window hook.
    virtual void initMainWindow();

private:
    std::string name_;
    const char* text_;
    AppServicesC services_;
    std::unique_ptr<FrameWindowC> frame_;
    CumulatorWinC* editor_ = nullptr;
};

}  // namespace lottavo
