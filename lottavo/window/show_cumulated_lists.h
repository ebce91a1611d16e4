#pragma once

#include "app_services.h"
#include "randomize.h"

namespace lottavo {

inline constexpr const char* kCumulatorName =
    " Lottavo: Cumulated Random Integer Lists  (Proper format requires save) ";

// The end of a run on the engine that holds it: shows the cumulative text in the cumulative
// list window, once, and returns when the user has closed it; the text of the run is emptied
// then. With no text the window is not opened.
void showCumulatedLists(RandomizeC& engine, const AppServicesC& services);

}  // namespace lottavo
