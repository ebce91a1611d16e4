#include "window_flow.h"

#include <utility>
#include <vector>

#include "frm_about.h"
#include "frm_main.h"
#include "frm_start.h"
#include "frm_time_end.h"

namespace quorvel {

WindowFlow::WindowFlow(DrillServices services, std::function<void()> endProgram,
                       int splashIntervalMs)
    : services_(services),
      endProgram_(std::move(endProgram)),
      splashIntervalMs_(splashIntervalMs) {}

WindowFlow::~WindowFlow() {
    // The program ends with windows still open (the splash at least); they are deleted here.
    for (const QPointer<QWidget>& window : open_) delete window.data();
}

void WindowFlow::Begin() {
    OpenStart();
}

void WindowFlow::OpenStart() {
    auto* window = new frmStart(state_, services_.clock, services_.boxes);
    connect(window, &frmStart::aboutRequested, this, [this, window] { OpenAbout(window); });
    connect(window, &DrillDialog::unloaded, this, [this, window] {
        OpenMain();
        Unloaded(window);
    });
    Opened(window);
}

void WindowFlow::OpenMain() {
    auto* window = new frmMain(state_, services_.boxes, services_.launcher);
    connect(window, &frmMain::tableCompleted, this, &WindowFlow::OpenTimeEnd);
    connect(window, &DrillDialog::unloaded, this, [this, window] {
        OpenTimeEnd();
        Unloaded(window);
    });
    Opened(window);
}

void WindowFlow::OpenTimeEnd() {
    // Asked again while open (the last right answer opens it, then the question window's
    // closing asks once more), it is only shown: the run is measured once.
    if (timeEnd_) {
        timeEnd_->show();
        timeEnd_->raise();
        return;
    }
    auto* window = new frmTimeEnd(state_, services_.clock, services_.boxes);
    timeEnd_ = window;
    connect(window, &frmTimeEnd::startOverRequested, this, &WindowFlow::OpenStart);
    connect(window, &frmTimeEnd::exitConfirmed, this, &WindowFlow::OpenSplash);
    connect(window, &DrillDialog::unloaded, this, [this, window] {
        timeEnd_ = nullptr;
        Unloaded(window);
    });
    Opened(window);
}

void WindowFlow::OpenSplash() {
    auto* window = new frmSplash(splashIntervalMs_);
    connect(window, &frmSplash::timeUp, this, [this] { endProgram_(); });
    Opened(window);
}

void WindowFlow::OpenAbout(QWidget* owner) {
    // Application-modal: the grade window stays blocked, with its state, until it closes.
    auto* window = new frmAbout(owner, services_.boxes, services_.registry, services_.launcher);
    window->show();
}

void WindowFlow::Opened(QWidget* window) {
    open_.emplace_back(window);
    window->show();
}

// Each window opens its successor before it reports itself gone, so no window left open means
// the program is done.
void WindowFlow::Unloaded(QWidget* window) {
    std::erase_if(open_, [window](const QPointer<QWidget>& open) {
        return open.isNull() || open.data() == window;
    });
    if (open_.empty()) endProgram_();
}

}  // namespace quorvel
