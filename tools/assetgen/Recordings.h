// The four sound effects as complete wave files: marking, removing, end of game, about window.
#pragma once

#include <QByteArray>

namespace gelumpa::assetgen {

// Recording 1: a short bright blip; mono 8-bit 11025 Hz, with a LIST chunk after its data.
QByteArray markRecording();
// Recording 2: a pop and a crunch; mono 8-bit 22050 Hz, two bytes past its RIFF size.
QByteArray removeRecording();
// Recording 3: a festive jingle of about four seconds; mono 16-bit 22050 Hz.
QByteArray endRecording();
// Recording 4: a cheeky teasing tune of about five seconds; mono 8-bit 8000 Hz.
QByteArray aboutRecording();

} // namespace gelumpa::assetgen
