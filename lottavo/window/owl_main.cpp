#include "owl_main.h"

#include <cerrno>
#include <cstdio>

#include "version_info.h"

namespace lottavo {

namespace {

constexpr std::size_t kNameSize = 128;
constexpr std::size_t kReportSize = 4096;

const char* argumentOrNull(int argc, const char* const argv[], int index) {
    if (index >= argc || argv == nullptr || argv[index] == nullptr) return "(null)";
    return argv[index];
}

}  // namespace

std::string applicationName() {
    char name[kNameSize];
    std::snprintf(name, sizeof name, "  Random Integer Generator  %s", kVersionLine);
    return name;
}

std::string failedStartReport(int argc, const char* const argv[]) {
    char report[kReportSize];
    std::snprintf(report, sizeof report,
                  "OwlMain:  appMain.Run() returned failure.\n\nCalled with argc=[%d];\n\n"
                  "            argv[0]: -->|%s|<--\n            argv[1]: -->|%s|<--\n"
                  "            argv[2]: -->|%s|<--\n.",
                  argc, argumentOrNull(argc, argv, 0), argumentOrNull(argc, argv, 1),
                  argumentOrNull(argc, argv, 2));
    return report;
}

int32_t OwlMain(int argc, const char* const argv[], ErrHC& err, const AppMakerT& makeAppMain) {
    std::unique_ptr<LottavoC> appMain = makeAppMain(applicationName().c_str());
    errno = 0;  // a report of the run names only a system error of the run
    int32_t status = appMain->run();
    if (status < 0) {
        // The arguments come from outside: they reach the report as a value, never as a format.
        status = err.check(status, "%s", failedStartReport(argc, argv).c_str());
    }
    appMain.reset();
    return status;
}

}  // namespace lottavo
