// Playing a sound effect.
#include "game/SoundEffects.h"

namespace gelumpa {

void SoundEffects::play(Sound sound)
{
    program.startSound(sound);
    program.runWaitingEvents();
}

} // namespace gelumpa
