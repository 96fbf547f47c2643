// The sound effects: while the sound switch is on, each starts its recording, then lets the
// window events already waiting run; while it is off, a sound effect does nothing at all.
#pragma once

#include "core/GameState.h"
#include "core/Program.h"
#include "core/SoundHook.h"

namespace gelumpa {

class SoundEffects final : public SoundHook {
public:
    // The switch is the state's soundOn, read at each sound.
    SoundEffects(Program& program, const GameState& state) : program(program), state(state) {}

    void play(Sound sound) override;

private:
    Program& program;
    const GameState& state;
};

} // namespace gelumpa
