// Tables indexed by an enum class take their size from the enum's last enumerator, Count,
// so a new label, item or window is added in one place.
#pragma once

#include <array>
#include <cstddef>

namespace gelumpa {

template <typename Enum>
constexpr std::size_t countOf = static_cast<std::size_t>(Enum::Count);

template <typename Enum>
constexpr std::size_t indexOf(Enum value)
{
    return static_cast<std::size_t>(value);
}

// Every value of the enum but Count, in order: what a loop over a table walks.
template <typename Enum>
constexpr std::array<Enum, countOf<Enum>> every = [] {
    std::array<Enum, countOf<Enum>> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<Enum>(i);
    return values;
}();

} // namespace gelumpa
