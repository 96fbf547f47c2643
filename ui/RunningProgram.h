// The running program on Qt and the sound output: a sound's embedded recording played, Qt's
// waiting events handled, and the program's end.
#pragma once

#include <utility>

#include <QWidget>

#include "audio/SoundOutput.h"
#include "core/Program.h"
#include "ui/ProgramEnd.h"

namespace gelumpa {

class RunningProgram final : public Program {
public:
    explicit RunningProgram(ProcessEnd processEnd);

    // The sound output loads SDL once this widget has been painted for the first time.
    void prepareSoundAfterFirstPaint(QWidget& widget);

    void startSound(Sound sound) override;
    void runWaitingEvents() override;
    void endProgram() override;

private:
    ProcessEnd processEnd;
    SoundOutput audio;
};

} // namespace gelumpa
