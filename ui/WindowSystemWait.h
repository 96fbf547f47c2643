// Waiting for the window system to have carried out what the game has sent it. The build chooses
// the side: WindowSystemWaitX11.cpp where Qt has its X11 platform, WindowSystemWaitNone.cpp elsewhere.
#pragma once

namespace gelumpa {

// Returns once the window system has handled every request sent before the call, where the game
// can ask: on X11, after a round trip to the X server. Elsewhere it returns at once: Windows draws
// as Qt flushes, and neither a Wayland compositor nor the offscreen platform is asked.
void waitForWindowSystem();

} // namespace gelumpa
