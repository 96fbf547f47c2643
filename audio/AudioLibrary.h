// The SDL functions the sound output calls, taken from the SDL shared library on the sound
// worker once the game is up: the library and the thirty it pulls in would cost start-up time
// and memory before the window shows.
#pragma once

#include <memory>

#include <SDL.h>

namespace gelumpa {

struct SdlFunctions {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&SDL_ConvertAudio) ConvertAudio;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_GetAudioDeviceStatus) GetAudioDeviceStatus;
    decltype(&SDL_QueueAudio) QueueAudio;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    // Optional. Since SDL 2.0.16; without it what SDL keeps for the worker's thread stays until the
    // process ends, which is when the game's worker ends.
    decltype(&SDL_TLSCleanup) TLSCleanup;
    // Optional. Since SDL 2.24; without it the output takes CD quality.
    decltype(&SDL_GetDefaultAudioInfo) GetDefaultAudioInfo;
};

// Loads SDL 2 and resolves every function above, an optional one to nullptr when the library
// lacks it; nullptr when the library or any other function is missing, and the game stays silent.
std::unique_ptr<const SdlFunctions> loadAudioLibrary();

} // namespace gelumpa
