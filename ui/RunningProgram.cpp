// Sounds from the embedded recordings, read in place; the event loop; the end.
#include "ui/RunningProgram.h"

#include <QCoreApplication>

#include "ui/EmbeddedSound.h"

namespace gelumpa {

void RunningProgram::startSound(Sound sound)
{
    audio.play(embeddedRecording(static_cast<int>(sound)));
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
