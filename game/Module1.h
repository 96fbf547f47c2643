// The sound module: plays an embedded recording from memory, then lets the
// window events already waiting run.
#pragma once

#include <cstdint>
#include <vector>

#include "core/SoundHook.h"
#include "core/Toolkit.h"

namespace gelumpa {

class Module1 final : public SoundHook {
public:
    explicit Module1(Toolkit& toolkit) : tk(toolkit) {}

    void playSound(Sound n) override;

    // The recording most recently loaded; the sound output plays from it.
    const std::vector<std::uint8_t>& soundBuffer() const { return buffer; }

private:
    Toolkit& tk;
    std::vector<std::uint8_t> buffer;
};

} // namespace gelumpa
