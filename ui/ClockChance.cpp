// Seeding from the clock and uniform draws.
#include "ui/ClockChance.h"

#include <chrono>
#include <cstdint>

namespace gelumpa {

void ClockChance::seedFromClock()
{
    random.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double ClockChance::drawUniform()
{
    // The top 53 bits make a double in [0, 1) exactly, never 1.
    return static_cast<double>(random() >> 11) * 0x1.0p-53;
}

} // namespace gelumpa
