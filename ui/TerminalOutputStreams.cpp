// On Linux the standard streams are where the program was started from, as they are.
#include "ui/TerminalOutput.h"

namespace gelumpa {

bool writeToTerminal(std::FILE* stream, const QByteArray& text)
{
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream);
    std::fflush(stream);
    return true;
}

void tellFailedStart(const QString& why) { writeToTerminal(stderr, "gelumpa: " + why.toUtf8() + '\n'); }

} // namespace gelumpa
