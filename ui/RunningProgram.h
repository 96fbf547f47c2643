// The running program on Qt and SDL: a sound's embedded recording played, Qt's waiting
// events handled, and the program's end.
#pragma once

#include <utility>

#include "core/Program.h"
#include "ui/ProgramEnd.h"
#include "ui/SdlAudio.h"

namespace gelumpa {

class RunningProgram final : public Program {
public:
    explicit RunningProgram(ProcessEnd processEnd) : processEnd(std::move(processEnd)) {}

    void startSound(Sound sound) override;
    void runWaitingEvents() override;
    void endProgram() override;

private:
    ProcessEnd processEnd;
    SdlAudio audio;
};

} // namespace gelumpa
