// What the game tells outside its windows, and where: standard output or standard error, and on
// Windows, where a program of windows only starts with neither, the console it was typed in or,
// started with none, a message box. The build takes the side (TerminalOutputStreams.cpp or
// TerminalOutputWindows.cpp).
#pragma once

#include <cstdio>

#include <QByteArray>
#include <QString>

namespace gelumpa {

// Writes to the stream (stdout or stderr). A stream that leads nowhere on Windows writes to the
// console of the program that started the game instead, where it has one; a stream led
// somewhere (a file, a pipe) is written as it is. False when the text reached nobody.
bool writeToTerminal(std::FILE* stream, const QByteArray& text);

// Tells why the game could not start, as a line "gelumpa: WHY" on standard error or, where that
// reaches nobody, in a message box of the program's name.
void tellFailedStart(const QString& why);

} // namespace gelumpa
