// SDL2 behind the sound output. A sound is heard as soon as SDL allows: the output takes the
// sound server's own rate and channels, so the server converts nothing; the samples are converted
// before the device opens and queued before it starts, so that SDL's first period is the sound's.
#include "audio/SdlPlayback.h"

#include <cstring>

#include "audio/AudioLibrary.h"
#include "audio/WaveImage.h"

namespace gelumpa {

namespace {
// Time the device keeps playing after its queue has emptied (its own buffer), and
// a little more, before it is closed.
constexpr std::chrono::milliseconds closeMargin{300};
// About 23 ms at the usual rates: the device's period, which is also all the server buffers for
// it. SDL's thread sometimes fills a first period with silence before the sound is queued, and
// then the sound comes that much later; a shorter period leaves too little to play on while a busy
// machine keeps the client waiting (gaps of 1-3 ms in a third of the sounds with 256 frames, of up
// to 38 ms in some with 512), a longer one makes the late sounds later still.
constexpr Uint16 deviceBufferFrames = 1024;

SDL_AudioFormat sampleFormat(int bitsPerSample) { return bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB; }
} // namespace

std::unique_ptr<DevicePlayback> makeDevicePlayback() { return std::make_unique<SdlPlayback>(); }

SdlPlayback::SdlPlayback() = default;

SdlPlayback::~SdlPlayback()
{
    close();
    if (stage == Stage::Started)
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
    // SDL keeps data (its last error message) for every thread that calls it, and frees it by
    // itself only for the threads it made; this one is going.
    if (sdl && sdl->TLSCleanup)
        sdl->TLSCleanup();
}

void SdlPlayback::prepare() { start(); }

bool SdlPlayback::start()
{
    if (stage != Stage::NotLoaded)
        return stage == Stage::Started;
    sdl = loadAudioLibrary();
    if (!sdl) {
        stage = Stage::Unavailable;
        return false;
    }
    // SDL would otherwise take over SIGINT and SIGTERM, and the game would ignore them.
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Gelumpa Dravenik");
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        stage = Stage::Unavailable;
        return false;
    }
    stage = Stage::Started;
    output.freq = 44100;
    output.format = AUDIO_S16SYS;
    output.channels = 2;
    SDL_AudioSpec server{};
    if (sdl->GetDefaultAudioInfo && sdl->GetDefaultAudioInfo(nullptr, &server, 0) == 0 && server.freq > 0
        && server.channels > 0) {
        output.freq = server.freq;
        output.channels = server.channels;
        if (server.format != 0)
            output.format = server.format;
    }
    output.samples = deviceBufferFrames;
    return true;
}

void SdlPlayback::play(std::span<const std::uint8_t> waveImage)
{
    // Once SDL's audio has failed to start, no recording is converted in vain at every click.
    if (!start())
        return;
    const std::optional<WaveImage> wave = readWaveImage(waveImage);
    if (!wave || !convert(*wave))
        return;
    if (deviceLost())
        close();
    if (!openDevice())
        return;
    sdl->ClearQueuedAudio(device);
    sdl->QueueAudio(device, converted.data(), static_cast<Uint32>(convertedLength));
    sdl->PauseAudioDevice(device, 0);
    closeAfterQueue();
}

// The one copy between the recording and SDL: conversion works in place, in a buffer large
// enough for the converted samples. The buffer is kept for the next sound.
bool SdlPlayback::convert(const WaveImage& wave)
{
    SDL_AudioCVT cvt{};
    if (sdl->BuildAudioCVT(&cvt, sampleFormat(wave.bitsPerSample), static_cast<Uint8>(wave.channels), wave.rate,
                           output.format, output.channels, output.freq)
        < 0)
        return false;
    const std::size_t length = wave.samples.size();
    converted.resize(length * static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(converted.data(), wave.samples.data(), length);
    cvt.buf = converted.data();
    cvt.len = static_cast<int>(length);
    if (sdl->ConvertAudio(&cvt) < 0)
        return false;
    convertedLength = static_cast<std::size_t>(cvt.len_cvt);
    return true;
}

// The device opens paused, its thread already at work: the sound is queued before it starts, so
// that at most the one period SDL may already have filled with silence comes before it.
bool SdlPlayback::openDevice()
{
    if (device != 0)
        return true;
    device = sdl->OpenAudioDevice(nullptr, 0, &output, nullptr, 0);
    return device != 0;
}

// The device is looked at again when what is queued now has played, and a margin later.
void SdlPlayback::closeAfterQueue()
{
    const auto bytesPerSecond =
        static_cast<Uint64>(output.freq) * output.channels * (SDL_AUDIO_BITSIZE(output.format) / 8);
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
