// The chance behind the dealing: a generator seeded from the clock at every deal.
#pragma once

namespace gelumpa {

class Chance {
public:
    virtual ~Chance() = default;

    virtual void seedFromClock() = 0;
    // A uniform draw u with 0 <= u < 1.
    virtual double drawUniform() = 0;
};

} // namespace gelumpa
