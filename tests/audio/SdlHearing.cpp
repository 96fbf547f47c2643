// SDL lets a test ask each device it may have open: a sound plays while a device runs with
// samples still queued. The test shares the SDL library the sound output loads.
#include "Hearing.h"

#include <SDL.h>

namespace gelumpa::hearing {

bool soundPlays()
{
    // SDL numbers its open devices from 1 and fills the lowest free number first.
    constexpr SDL_AudioDeviceID devicesAsked = 16;
    for (SDL_AudioDeviceID device = 1; device <= devicesAsked; ++device) {
        if (SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_PLAYING && SDL_GetQueuedAudioSize(device) > 0)
            return true;
    }
    return false;
}

} // namespace gelumpa::hearing
