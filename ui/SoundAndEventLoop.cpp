// Sounds from the game's recordings, read in place, each after the window's picture; the
// event loop; the end.
#include "ui/SoundAndEventLoop.h"

#include <QCoreApplication>

#include "ui/GameRecordings.h"
#include "ui/PictureBeforeSound.h"

namespace gelumpa {

SoundAndEventLoop::SoundAndEventLoop(ProgramEnd programEnd)
    : programEnd(std::move(programEnd)), audio(gameRecordings())
{
}

void SoundAndEventLoop::prepareSoundAfterFirstPaint(QWidget& widget) { prepareAfterFirstPaint(audio, widget); }

// The sounds are numbered as their recordings, from 1. A sound that has to open a device
// competes for the processor with what the event that plays it has still to show, so that
// is shown first.
void SoundAndEventLoop::startSound(Sound sound)
{
    if (!audio.deviceOpen())
        showPendingRepaints();
    audio.play(static_cast<std::size_t>(sound) - 1);
}

void SoundAndEventLoop::runWaitingEvents()
{
    QCoreApplication::processEvents();
}

// No sound outlives the program: Wine now and then falls over in a process's end while WINMM
// plays one.
void SoundAndEventLoop::endProgram()
{
    audio.end();
    programEnd();
}

} // namespace gelumpa
