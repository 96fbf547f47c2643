// Sounds from the embedded recordings, read in place; the event loop; the end.
#include "ui/RunningProgram.h"

#include <QCoreApplication>

#include "ui/EmbeddedSound.h"
#include "ui/SoundBesideWindow.h"

namespace gelumpa {

RunningProgram::RunningProgram(ProcessEnd processEnd)
    : processEnd(std::move(processEnd)), audio(embeddedRecordings())
{
}

void RunningProgram::prepareSoundAfterFirstPaint(QWidget& widget) { prepareAfterFirstPaint(audio, widget); }

// The sounds are numbered as their recordings, from 1. A sound that has to open a device
// competes for the processor with what the event that plays it has still to show, so that
// is shown first.
void RunningProgram::startSound(Sound sound)
{
    if (!audio.deviceOpen())
        showPendingRepaints();
    audio.play(static_cast<std::size_t>(sound) - 1);
}

void RunningProgram::runWaitingEvents()
{
    QCoreApplication::processEvents();
}

void RunningProgram::endProgram()
{
    audio.close();
    processEnd();
}

} // namespace gelumpa
