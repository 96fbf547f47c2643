// The menu commands and the main window's load and unload.
#include "game/Game.h"

namespace gelumpa {

namespace {
std::int16_t other(std::int16_t index) { return index == 1 ? std::int16_t{2} : std::int16_t{1}; }
} // namespace

void Game::Form_Load()
{
    state.gameOver = vbTrue;
    state.level = 1;
    state.soundOn = true;
}

void Game::Form_Unload()
{
    tk.unloadWindow(Window::frmAbout);
    tk.unloadWindow(Window::Form2);
}

void Game::level1_Click(std::int16_t Index)
{
    if (Index == state.level)
        return;
    if (state.gameOver == vbFalse
        && tk.askYesNo("Ehm, Are you sure to restart the game ??", "Belon selesai udah mo yang lain..") == vbNo)
        return;
    tk.setChecked(MenuArray::level1, other(Index), false);
    state.level = Index;
    tk.setChecked(MenuArray::level1, Index, true);
    // The item's caption without its leading access-key marker.
    tk.setCaption(Caption::levellbl, tk.menuCaption(MenuArray::level1, Index).substr(1));
    newGame();
}

void Game::suara1_Click(std::int16_t Index)
{
    tk.setChecked(MenuArray::suara1, other(Index), false);
    state.soundOn = Index == 1;
    tk.setChecked(MenuArray::suara1, Index, true);
}

void Game::about1_Click()
{
    if (state.soundOn)
        module1.playSound(Sound::About);
    tk.loadWindow(Window::frmAbout);
    tk.showWindow(Window::frmAbout);
}

void Game::xit1_Click()
{
    if (tk.askOkCancel("Si Kumbel makan burket bakar, apa benar ente mo keluar ??", "I will miss u, honey !!") == vbOK)
        tk.endProgram();
}

} // namespace gelumpa
