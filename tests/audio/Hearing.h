// What a test hears of the device side, asked each system's own way (SdlHearing.cpp,
// WinmmHearing.cpp).
#pragma once

namespace gelumpa::hearing {

// Whether a sound of this process is still to be heard. Asking changes nothing.
bool soundPlays();

} // namespace gelumpa::hearing
