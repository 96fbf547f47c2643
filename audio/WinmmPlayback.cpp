// WINMM behind the sound output: sndPlaySoundA from memory, asynchronous, with no default sound
// in place of one that cannot be played.
#include "audio/WinmmPlayback.h"

#include <windows.h>

#include <mmsystem.h>

#include "audio/WaveImage.h"

namespace gelumpa {

namespace {
// WINMM is handed a bare pointer and reads as far as the image's RIFF header says.
bool holdsWhatItsHeaderClaims(std::span<const std::uint8_t> image)
{
    if (image.size() < 8)
        return false;
    const std::size_t riffLength = image[4] | image[5] << 8 | image[6] << 16 | std::size_t{image[7]} << 24;
    return riffLength + 8 <= image.size();
}
} // namespace

std::unique_ptr<DevicePlayback> makeDevicePlayback() { return std::make_unique<WinmmPlayback>(); }

WinmmPlayback::~WinmmPlayback() { close(); }

void WinmmPlayback::play(std::span<const std::uint8_t> waveImage)
{
    if (!holdsWhatItsHeaderClaims(waveImage) || !readWaveImage(waveImage))
        return;
    sndPlaySoundA(reinterpret_cast<LPCSTR>(waveImage.data()), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

void WinmmPlayback::close() { sndPlaySoundA(nullptr, 0); }

} // namespace gelumpa
