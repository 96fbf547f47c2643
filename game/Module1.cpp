// The sound module.
#include "game/Module1.h"

namespace gelumpa {

void Module1::playSound(Sound n)
{
    const auto image = tk.loadSound(static_cast<std::int16_t>(n));
    buffer.assign(image.begin(), image.end());
    tk.playFromMemory(buffer);
    tk.runWaitingEvents();
}

} // namespace gelumpa
