// SDL2 behind the sound output. SDL is loaded and started at the first sound only, so
// the game's start-up stays that of a plain Qt window.
#include "ui/SdlPlayback.h"

#include <cstring>
#include <memory>

#include "ui/SdlLibrary.h"

namespace gelumpa {

namespace {
// Time the device keeps playing after its queue has emptied (its own buffer), and
// a little more, before it is closed.
constexpr std::chrono::milliseconds closeMargin{300};
} // namespace

SdlPlayback::SdlPlayback() = default;

SdlPlayback::~SdlPlayback()
{
    close();
    if (stage == Stage::Started)
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
    // SDL keeps data (its last error message) for every thread that calls it, and frees it by
    // itself only for the threads it made; this one is going.
    if (sdl)
        sdl->TLSCleanup();
}

void SdlPlayback::play(std::span<const std::uint8_t> waveImage)
{
    // Once SDL's audio has failed to start, no recording is decoded in vain at every click.
    if (waveImage.empty() || !loadLibrary() || stage == Stage::Unavailable)
        return;
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (sdl->LoadWAV_RW(sdl->RWFromConstMem(waveImage.data(), static_cast<int>(waveImage.size())), 1, &spec,
                        &samples, &length)
        == nullptr)
        return;
    const std::unique_ptr<Uint8, decltype(sdl->FreeWAV)> wave(samples, sdl->FreeWAV);
    if (deviceLost())
        close();
    if (!openDevice())
        return;
    queue(spec, wave.get(), length);
    // Also after a failed conversion, which leaves the device with whatever it had queued.
    closeAfterQueue();
}

void SdlPlayback::queue(const SDL_AudioSpec& spec, const Uint8* samples, Uint32 length)
{
    SDL_AudioCVT cvt{};
    if (sdl->BuildAudioCVT(&cvt, spec.format, spec.channels, static_cast<int>(spec.freq), deviceFormat,
                           deviceChannels, deviceRate)
        < 0)
        return;
    converted.resize(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(converted.data(), samples, length);
    cvt.buf = converted.data();
    cvt.len = static_cast<int>(length);
    if (sdl->ConvertAudio(&cvt) < 0)
        return;
    sdl->ClearQueuedAudio(device);
    sdl->QueueAudio(device, converted.data(), static_cast<Uint32>(cvt.len_cvt));
}

bool SdlPlayback::loadLibrary()
{
    if (stage == Stage::NotLoaded) {
        sdl = loadSdl();
        stage = sdl ? Stage::Loaded : Stage::Unavailable;
    }
    return sdl != nullptr;
}

bool SdlPlayback::openDevice()
{
    if (device != 0)
        return true;
    if (stage == Stage::Loaded) {
        // SDL would otherwise take over SIGINT and SIGTERM, and the game would ignore them.
        sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        sdl->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Gelumpa Dravenik");
        stage = sdl->InitSubSystem(SDL_INIT_AUDIO) == 0 ? Stage::Started : Stage::Unavailable;
    }
    if (stage != Stage::Started)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    SDL_AudioSpec obtained{};
    device = sdl->OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (device == 0)
        return false;
    deviceRate = obtained.freq;
    deviceFormat = obtained.format;
    deviceChannels = obtained.channels;
    sdl->PauseAudioDevice(device, 0);
    return true;
}

// The device is looked at again when what is queued now has played, and a margin later.
void SdlPlayback::closeAfterQueue()
{
    const auto bytesPerSecond =
        static_cast<Uint64>(deviceRate) * deviceChannels * (SDL_AUDIO_BITSIZE(deviceFormat) / 8);
    const std::chrono::milliseconds queued(
        static_cast<Uint64>(sdl->GetQueuedAudioSize(device)) * 1000 / bytesPerSecond);
    closeAt = Clock::now() + queued + closeMargin;
}

// A device that has gone (unplugged, its server stopped, a failed write) stops with its
// queue wherever it was, so it is closed at once instead of being waited for.
bool SdlPlayback::deviceLost() const
{
    return device != 0 && sdl->GetAudioDeviceStatus(device) == SDL_AUDIO_STOPPED;
}

void SdlPlayback::closeIfDrained()
{
    if (device == 0)
        return;
    if (!deviceLost() && sdl->GetQueuedAudioSize(device) > 0) {
        closeAfterQueue();
        return;
    }
    close();
}

void SdlPlayback::close()
{
    closeAt.reset();
    if (device != 0) {
        sdl->CloseAudioDevice(device);
        device = 0;
    }
}

} // namespace gelumpa
