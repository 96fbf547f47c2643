// The test for a move left after a removal, and the end of the game when none is.
#include <array>

#include "core/Rules.h"

namespace gelumpa {

void Rules::checkMovesLeft()
{
    static constexpr std::array order{Side::Left, Side::Right, Side::Up, Side::Down};
    for (std::int16_t i = 1; i <= cellCount; ++i) {
        if (s.kind(i) == 0)
            continue;
        for (const Side side : order) {
            const std::int16_t n = neighbour(i, side);
            if (n != 0 && s.kind(n) == s.kind(i))
                return;
        }
    }
    endGame();
}

void Rules::endGame()
{
    s.gameOver = vbTrue;
    if (s.soundOn)
        sound.playSound(Sound::GameEnd);
    tk.loadWindow(Window::Form2);
    tk.showWindow(Window::Form2);
}

} // namespace gelumpa
