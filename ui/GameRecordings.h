// The game's four recordings, read where the program holds them: the build takes the source that
// goes with its device side (audio/CMakeLists.txt).
#pragma once

#include "audio/SoundOutput.h"

namespace gelumpa {

// Complete RIFF WAVE images, recording 1 first; one that is missing is empty, which the sound
// output skips in silence.
SoundOutput::Recordings gameRecordings();

} // namespace gelumpa
