// The sound effects: each starts its recording, then lets the window events already
// waiting run.
#pragma once

#include "core/Program.h"
#include "core/SoundHook.h"

namespace gelumpa {

class SoundEffects final : public SoundHook {
public:
    explicit SoundEffects(Program& program) : program(program) {}

    void play(Sound sound) override;

private:
    Program& program;
};

} // namespace gelumpa
