// The seed of a randomised test: GELUMPA_SEED replays a seed that a failure printed.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace gelumpa::model {

// The seed in GELUMPA_SEED, when it is set.
inline std::optional<std::uint32_t> replayedSeed()
{
    const char* chosen = std::getenv("GELUMPA_SEED");
    if (chosen == nullptr || *chosen == '\0')
        return std::nullopt;
    return static_cast<std::uint32_t>(std::stoul(chosen));
}

inline std::uint32_t seedOr(std::uint32_t ownSeed) { return replayedSeed().value_or(ownSeed); }

// How a failure names its seed, so that it can be replayed.
inline std::string seedNote(std::uint32_t seed)
{
    return "seed " + std::to_string(seed) + " (GELUMPA_SEED=" + std::to_string(seed) + " replays it)";
}

} // namespace gelumpa::model
