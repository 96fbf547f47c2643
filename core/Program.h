// What the game asks of the running program besides its windows: a sound started, the
// window events already waiting handled, and the end.
#pragma once

#include "core/SoundHook.h"

namespace gelumpa {

class Program {
public:
    virtual ~Program() = default;

    // Starts the sound's recording and returns at once, replacing any sound still playing;
    // a sound that cannot be played is skipped in silence.
    virtual void startSound(Sound sound) = 0;
    // Handles every window event already waiting, then returns.
    virtual void runWaitingEvents() = 0;
    // Closes every window at once; no further handler of the program runs.
    virtual void endProgram() = 0;
};

} // namespace gelumpa
