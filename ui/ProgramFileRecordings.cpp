// The recordings as resources of the program file, type "SOUNDS", numbers 1 to 4, found by the
// type name "sounds": Windows compares resource type names without regard to case. A loaded
// resource lives as long as the program, so its bytes are handed out where they lie.
#include "ui/GameRecordings.h"

#include <windows.h>

namespace gelumpa {

SoundOutput::Recordings gameRecordings()
{
    SoundOutput::Recordings recordings;
    for (int n = 1; n <= 4; ++n) {
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(n), "sounds");
        const HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
        const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
        recordings.push_back(bytes != nullptr ? std::span(static_cast<const std::uint8_t*>(bytes),
                                                          static_cast<std::size_t>(SizeofResource(nullptr, found)))
                                              : std::span<const std::uint8_t>());
    }
    return recordings;
}

} // namespace gelumpa
