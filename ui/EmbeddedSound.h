// The four recordings embedded in the program, read in place.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gelumpa {

// The RIFF WAVE image of recording n (1..4); empty when it is missing or was stored
// compressed, which the sound output then skips in silence.
std::span<const std::uint8_t> embeddedRecording(int n);
// The four recordings in their order, recording 1 first.
std::vector<std::span<const std::uint8_t>> embeddedRecordings();

} // namespace gelumpa
