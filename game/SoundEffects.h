// The sound effects: each plays its embedded recording from memory, then lets the
// window events already waiting run.
#pragma once

#include <cstdint>
#include <vector>

#include "core/SoundHook.h"
#include "core/Toolkit.h"

namespace gelumpa {

class SoundEffects final : public SoundHook {
public:
    explicit SoundEffects(Toolkit& toolkit) : toolkit(toolkit) {}

    void play(Sound sound) override;

    // The recording most recently played; the sound output plays from it.
    const std::vector<std::uint8_t>& lastRecording() const { return buffer; }

private:
    Toolkit& toolkit;
    std::vector<std::uint8_t> buffer;
};

} // namespace gelumpa
