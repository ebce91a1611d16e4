#include "show_cumulated_lists.h"

#include <memory>

#include "cumulator.h"

namespace lottavo {

void showCumulatedLists(RandomizeC& engine, const AppServicesC& services) {
    auto cumulator = std::make_unique<CumulatorC>(kCumulatorName, engine.getTextPtr(), services);
    if (engine.getTextPtrLen() > 0 && engine.getCumShown() == 0) {
        engine.setCumShown(1);
        cumulator->run();
    }
    engine.setTextPtr(0, "");
}

}  // namespace lottavo
