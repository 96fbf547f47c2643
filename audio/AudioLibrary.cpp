// Resolving the SDL functions by name from the library the system provides.
#include "audio/AudioLibrary.h"

#include <dlfcn.h>

namespace gelumpa {

namespace {
using Handle = void*;
// The name SDL 2's runtime package installs.
Handle open() { return dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL); }
void* symbol(Handle library, const char* name) { return dlsym(library, name); }
void release(Handle library) { dlclose(library); }

template <typename Function>
bool resolve(Handle library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(symbol(library, name));
    return function != nullptr;
}
} // namespace

std::unique_ptr<const SdlFunctions> loadAudioLibrary()
{
    const Handle library = open();
    if (library == nullptr)
        return nullptr;
    auto sdl = std::make_unique<SdlFunctions>();
    const bool complete = resolve(library, "SDL_SetHint", sdl->SetHint)
        && resolve(library, "SDL_InitSubSystem", sdl->InitSubSystem)
        && resolve(library, "SDL_QuitSubSystem", sdl->QuitSubSystem)
        && resolve(library, "SDL_BuildAudioCVT", sdl->BuildAudioCVT)
        && resolve(library, "SDL_ConvertAudio", sdl->ConvertAudio)
        && resolve(library, "SDL_OpenAudioDevice", sdl->OpenAudioDevice)
        && resolve(library, "SDL_PauseAudioDevice", sdl->PauseAudioDevice)
        && resolve(library, "SDL_GetAudioDeviceStatus", sdl->GetAudioDeviceStatus)
        && resolve(library, "SDL_QueueAudio", sdl->QueueAudio)
        && resolve(library, "SDL_GetQueuedAudioSize", sdl->GetQueuedAudioSize)
        && resolve(library, "SDL_ClearQueuedAudio", sdl->ClearQueuedAudio)
        && resolve(library, "SDL_CloseAudioDevice", sdl->CloseAudioDevice);
    if (!complete) {
        release(library);
        return nullptr;
    }
    resolve(library, "SDL_TLSCleanup", sdl->TLSCleanup);
    resolve(library, "SDL_GetDefaultAudioInfo", sdl->GetDefaultAudioInfo);
    // The library stays loaded: the functions are used to the end.
    return sdl;
}

} // namespace gelumpa
