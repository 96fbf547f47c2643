// The four recordings embedded in the program, read in place.
#pragma once

#include <cstdint>
#include <span>

namespace gelumpa {

// The RIFF WAVE image of recording n (1..4); empty when it is missing or was stored
// compressed, which the sound output then skips in silence.
std::span<const std::uint8_t> embeddedRecording(int n);

} // namespace gelumpa
