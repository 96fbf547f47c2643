// The menu commands and the closing of the main window.
#include "game/Game.h"

namespace gelumpa {

namespace {
MenuItem levelItem(Level level) { return level == Level::PieceOfTokay ? MenuItem::PieceOfTokay : MenuItem::Nightmare; }
MenuItem soundItem(bool on) { return on ? MenuItem::SoundOn : MenuItem::SoundOff; }
Level otherLevel(Level level) { return level == Level::PieceOfTokay ? Level::Nightmare : Level::PieceOfTokay; }
} // namespace

void Game::chooseLevel(Level level)
{
    if (level == state.level)
        return;
    if (!state.gameOver
        && toolkit.askYesNo("Ehm, Are you sure to restart the game ??", "Belon selesai udah mo yang lain..")
            == Answer::No)
        return;
    toolkit.setChecked(levelItem(otherLevel(level)), false);
    state.level = level;
    toolkit.setChecked(levelItem(level), true);
    // The item's caption without its leading access-key marker.
    toolkit.setCaption(StatusLabel::Level, toolkit.menuCaption(levelItem(level)).substr(1));
    newGame();
}

void Game::setSoundOn(bool on)
{
    toolkit.setChecked(soundItem(!on), false);
    state.soundOn = on;
    toolkit.setChecked(soundItem(on), true);
}

void Game::showCredits()
{
    if (state.soundOn)
        effects.play(Sound::About);
    toolkit.createWindow(Window::About);
    toolkit.showWindow(Window::About);
}

void Game::askToLeave()
{
    if (toolkit.askOkCancel("Si Kumbel makan burket bakar, apa benar ente mo keluar ??", "I will miss u, honey !!")
        == Answer::Ok)
        toolkit.endProgram();
}

void Game::closeWindows()
{
    toolkit.closeWindow(Window::About);
    toolkit.closeWindow(Window::EndOfGame);
}

} // namespace gelumpa
