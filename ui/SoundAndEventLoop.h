// What the game asks of the program besides its windows, on Qt: a sound played from its
// embedded recording through the sound output, Qt's waiting events handled, and the end.
#pragma once

#include <utility>

#include <QWidget>

#include "audio/SoundOutput.h"
#include "core/Program.h"
#include "ui/ProgramEnd.h"

namespace gelumpa {

class SoundAndEventLoop final : public Program {
public:
    explicit SoundAndEventLoop(ProgramEnd programEnd);

    // The sound output loads SDL once this widget has been painted for the first time.
    void prepareSoundAfterFirstPaint(QWidget& widget);

    void startSound(Sound sound) override;
    void runWaitingEvents() override;
    void endProgram() override;

private:
    ProgramEnd programEnd;
    SoundOutput audio;
};

} // namespace gelumpa
