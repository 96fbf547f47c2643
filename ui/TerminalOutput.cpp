// Windows alone starts a program without the streams of the console it was typed in.
#include "ui/TerminalOutput.h"

#include <QString>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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
#ifdef Q_OS_WIN
    const HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
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
#endif
    write(stream, text);
    return true;
}

void tellFailedStart(const QByteArray& line)
{
    if (writeToTerminal(stderr, line))
        return;
#ifdef Q_OS_WIN
    const QString text = QString::fromUtf8(line).trimmed();
    MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(text.utf16()), L"gelumpa", MB_OK | MB_ICONERROR);
#endif
}

} // namespace gelumpa
