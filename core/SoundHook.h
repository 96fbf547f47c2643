// The one thing the rules need from the sound module: play recording n.
// The rules own the decision (soundOn); the module owns how a recording is played.
#pragma once

#include <cstdint>

namespace gelumpa {

enum class Sound : std::int16_t { Mark = 1, Remove = 2, GameEnd = 3, About = 4 };

class SoundHook {
public:
    virtual ~SoundHook() = default;
    virtual void playSound(Sound n) = 0;
};

} // namespace gelumpa
