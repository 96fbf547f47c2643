// Playing a sound effect.
#include "game/SoundEffects.h"

namespace gelumpa {

void SoundEffects::play(Sound sound)
{
    const auto image = toolkit.recording(sound);
    buffer.assign(image.begin(), image.end());
    toolkit.playFromMemory(buffer);
    toolkit.runWaitingEvents();
}

} // namespace gelumpa
