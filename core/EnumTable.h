// Tables indexed by an enum class take their size from the enum's last enumerator, Count,
// so a new label, item or window is added in one place.
#pragma once

#include <cstddef>

namespace gelumpa {

template <typename Enum>
constexpr std::size_t countOf = static_cast<std::size_t>(Enum::Count);

template <typename Enum>
constexpr std::size_t indexOf(Enum value)
{
    return static_cast<std::size_t>(value);
}

} // namespace gelumpa
