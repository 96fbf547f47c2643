// The one thing the rules need from the sound effects: play one of them. The rules name the
// sound at its moment; the effects decide by the sound switch whether it is heard, start it
// and let the waiting events run.
#pragma once

namespace gelumpa {

// The four sound effects, numbered as their recordings are.
enum class Sound { Mark = 1, Remove = 2, GameEnd = 3, About = 4 };

class SoundHook {
public:
    virtual ~SoundHook() = default;
    virtual void play(Sound sound) = 0;
};

} // namespace gelumpa
