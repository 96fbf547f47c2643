// Playing a sound effect, or nothing while the sound is off.
#include "game/SoundEffects.h"

namespace gelumpa {

void SoundEffects::play(Sound sound)
{
    if (!state.soundOn)
        return;
    program.startSound(sound);
    program.runWaitingEvents();
}

} // namespace gelumpa
