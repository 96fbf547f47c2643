// The menu commands and the closing of the main window.
#include "game/Game.h"

namespace gelumpa {

namespace {
Level otherLevel(Level level) { return level == Level::PieceOfTokay ? Level::Nightmare : Level::PieceOfTokay; }
} // namespace

void Game::chooseLevel(Level level)
{
    if (level == state.level)
        return;
    if (!state.gameOver
        && dialogs.askYesNo("Ehm, Are you sure to restart the game ??", "Belon selesai udah mo yang lain..")
            == Answer::No)
        return;
    display.setChecked(levelItem(otherLevel(level)), false);
    state.level = level;
    display.setChecked(levelItem(level), true);
    display.showValue(StatusLabel::Level, levelName(level));
    newGame();
}

void Game::setSoundOn(bool on)
{
    display.setChecked(soundItem(!on), false);
    state.soundOn = on;
    display.setChecked(soundItem(on), true);
}

void Game::showCredits()
{
    effects.play(Sound::About);
    dialogs.createWindow(Window::About);
    dialogs.showWindow(Window::About);
}

void Game::askToLeave()
{
    if (dialogs.askOkCancel("Si Kumbel makan burket bakar, apa benar ente mo keluar ??", "I will miss u, honey !!")
        == Answer::Ok)
        program.endProgram();
}

void Game::closeWindows()
{
    dialogs.closeWindow(Window::About);
    dialogs.closeWindow(Window::EndOfGame);
}

} // namespace gelumpa
