#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "err_handler.h"
#include "lottavo_app.h"

namespace lottavo {

// Makes the application object under the given name; the program makes a LottavoC.
using AppMakerT = std::function<std::unique_ptr<LottavoC>(const char* name)>;

// "  Random Integer Generator  " and the version line.
std::string applicationName();

// The report of a failed start: argc and the first three arguments, "(null)" for those that
// do not exist.
std::string failedStartReport(int argc, const char* const argv[]);

// The program: runs the application and gives its status back, 0 normally. A failed run is
// reported with the arguments the program was called with.
int32_t OwlMain(int argc, const char* const argv[], ErrHC& err, const AppMakerT& makeAppMain);

}  // namespace lottavo
