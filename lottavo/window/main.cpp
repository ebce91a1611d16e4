#include <QApplication>
#include <vector>

#include "err_handler.h"
#include "owl_main.h"
#include "qt_clipboard.h"
#include "qt_msg_box.h"
#include "system_services.h"
#include "test_hook.h"
#include "version_info.h"

namespace {

using namespace lottavo;

// The real services. They outlive main, so that a report made while static objects are
// destroyed still finds its box, which writes to the standard error stream once the
// application is gone.
struct ProgramServicesC {
    QtMsgBoxC qtBox;
    StderrMsgBoxC stderrBox;
    LocalClockC clock;
    ThreadWaitC wait;
    QtClipboardC clipboard;
    HeapMemoryC heap;
    RefusingMemoryC refusingHeap;
    StdExitC programExit;
    QtFileDialogC fileDialog;
};

ProgramServicesC& programServices() {
    static ProgramServicesC services;
    return services;
}

AppServicesC appServices(TestHookE hook) {
    ProgramServicesC& real = programServices();
    MsgBoxC& box = hook == TestHookE::None ? static_cast<MsgBoxC&>(real.qtBox) : real.stderrBox;
    BlockMemoryC& memory =
        hook == TestHookE::FatalReport ? static_cast<BlockMemoryC&>(real.refusingHeap) : real.heap;
    errHandler.setServices(box, real.programExit);
    return {{errHandler, real.clock, real.wait, box, real.clipboard, memory}, real.fileDialog};
}

}  // namespace

int main(int argc, char* argv[]) {
    // Taken before the application removes the options it knows: a failed start reports the
    // arguments as the program was called.
    const std::vector<const char*> arguments(argv, argv + argc);
    QApplication application(argc, argv);
    // The run ends when Quit has closed the generator's frame, not with the last window.
    QApplication::setQuitOnLastWindowClosed(false);
    applyVersionInfo();
    // Lets the desktop match the windows with the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.lottavo.Lottavo"));

    const TestHookE hook = testHookFromEnvironment();
    const AppServicesC services = appServices(hook);
    // The application object outlives OwlMain and goes on the way out of main; as it goes, Qt
    // hands a list copied before Quit to the desktop's clipboard manager, where one runs.
    return OwlMain(static_cast<int>(arguments.size()), arguments.data(), errHandler,
                   [&](const char* name) -> std::unique_ptr<LottavoC> {
                       if (hook == TestHookE::FailedStart) {
                           return std::make_unique<StartFailureC>(name, services);
                       }
                       return std::make_unique<LottavoC>(name, services);
                   });
}
