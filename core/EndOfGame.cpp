// The test for a move left after a removal, and the end of the game when none is.
#include <array>

#include "core/Rules.h"

namespace gelumpa {

void Rules::checkMovesLeft()
{
    static constexpr std::array order{Side::Left, Side::Right, Side::Up, Side::Down};
    for (int cell = 1; cell <= cellCount; ++cell) {
        if (state.kind(cell) == 0)
            continue;
        for (const Side side : order) {
            const int next = neighbour(cell, side);
            if (next != 0 && state.kind(next) == state.kind(cell))
                return;
        }
    }
    endGame();
}

void Rules::endGame()
{
    state.gameOver = true;
    sounds.play(Sound::GameEnd);
    dialogs.createWindow(Window::EndOfGame);
    dialogs.showWindow(Window::EndOfGame);
}

} // namespace gelumpa
