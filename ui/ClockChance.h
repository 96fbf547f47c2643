// The dealing's chance: a 64-bit Mersenne Twister seeded from the system clock.
#pragma once

#include <random>

#include "core/Chance.h"

namespace gelumpa {

class ClockChance final : public Chance {
public:
    void seedFromClock() override;
    double drawUniform() override;

private:
    std::mt19937_64 random;
};

} // namespace gelumpa
