// Windows starts a program of windows only without the streams of the console it was typed in,
// and a double click starts it with no console at all.
#include "ui/TerminalOutput.h"

#include <windows.h>

namespace gelumpa {

namespace {
void write(std::FILE* stream, const QByteArray& text)
{
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream);
    std::fflush(stream);
}
} // namespace

bool writeToTerminal(std::FILE* stream, const QByteArray& text)
{
    const HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
        write(stream, text);
        return true;
    }
    // Attached already by an earlier answer, the second attempt is refused.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return false;
    // The runtime cannot reopen a stream that never had a file, so the console gets one of its own.
    std::FILE* console = std::fopen("CONOUT$", "w");
    if (console == nullptr)
        return false;
    write(console, text);
    std::fclose(console);
    return true;
}

void tellFailedStart(const QString& why)
{
    if (!writeToTerminal(stderr, "gelumpa: " + why.toUtf8() + '\n'))
        MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(why.utf16()), L"gelumpa", MB_OK | MB_ICONERROR);
}

} // namespace gelumpa
