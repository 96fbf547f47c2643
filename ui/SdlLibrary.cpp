// Resolving the SDL functions by name from the library the system provides.
#include "ui/SdlLibrary.h"

#include <QLibrary>
#include <QString>

namespace gelumpa {

namespace {
template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}
} // namespace

std::unique_ptr<const SdlFunctions> loadSdl()
{
    // The names SDL 2's runtime package installs: SDL2.dll, libSDL2-2.0.so.0, libSDL2-2.0.0.dylib.
#ifdef Q_OS_WIN
    QLibrary library(QStringLiteral("SDL2"));
#else
    QLibrary library(QStringLiteral("SDL2-2.0"), 0);
#endif
    if (!library.load())
        return nullptr;
    auto sdl = std::make_unique<SdlFunctions>();
    const bool complete = resolve(library, "SDL_SetHint", sdl->SetHint)
        && resolve(library, "SDL_InitSubSystem", sdl->InitSubSystem)
        && resolve(library, "SDL_QuitSubSystem", sdl->QuitSubSystem)
        && resolve(library, "SDL_RWFromConstMem", sdl->RWFromConstMem)
        && resolve(library, "SDL_LoadWAV_RW", sdl->LoadWAV_RW)
        && resolve(library, "SDL_FreeWAV", sdl->FreeWAV)
        && resolve(library, "SDL_BuildAudioCVT", sdl->BuildAudioCVT)
        && resolve(library, "SDL_ConvertAudio", sdl->ConvertAudio)
        && resolve(library, "SDL_OpenAudioDevice", sdl->OpenAudioDevice)
        && resolve(library, "SDL_PauseAudioDevice", sdl->PauseAudioDevice)
        && resolve(library, "SDL_GetAudioDeviceStatus", sdl->GetAudioDeviceStatus)
        && resolve(library, "SDL_QueueAudio", sdl->QueueAudio)
        && resolve(library, "SDL_GetQueuedAudioSize", sdl->GetQueuedAudioSize)
        && resolve(library, "SDL_ClearQueuedAudio", sdl->ClearQueuedAudio)
        && resolve(library, "SDL_CloseAudioDevice", sdl->CloseAudioDevice)
        && resolve(library, "SDL_TLSCleanup", sdl->TLSCleanup);
    if (!complete) {
        library.unload();
        return nullptr;
    }
    // The library stays loaded when the QLibrary goes: the functions are used to the end.
    return sdl;
}

} // namespace gelumpa
