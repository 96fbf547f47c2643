// Qt's messages held while the application starts; see ApplicationStart.h.
#include "ui/ApplicationStart.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "ui/TerminalOutput.h"
#include "ui/WindowlessStart.h"

namespace gelumpa {

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

// A message handler is a plain function, so what it keeps during the start lives here. The
// platform's warnings before its failure ("could not connect to display") are held back, to
// be passed on only when the start succeeds.
struct StartMessages {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
    // The player's language, for the reason when no window opens.
    const PlayerLanguage* language = nullptr;
};

StartMessages& startMessages()
{
    static StartMessages messages;
    return messages;
}

void passOn(const QtMessageHandler handler, const std::vector<HeldMessage>& messages)
{
    for (const HeldMessage& message : messages)
        handler(message.type, QMessageLogContext(message.file, message.line, message.function, message.category),
                message.text);
}

void holdDuringStart(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    StartMessages& start = startMessages();
    const std::lock_guard lock(start.mutex);
    if (type != QtFatalMsg) {
        start.held.push_back({type, context.file, context.line, context.function, context.category, text});
        return;
    }
    if (text.contains(QLatin1String("platform plugin"))) {
        tellFailedStart(whyNoWindowOpens(*start.language));
        // The application being built on the stack must not be taken apart from inside its own
        // constructor, and nothing is half done yet that an orderly exit would have to finish.
        std::_Exit(1);
    }
    passOn(start.previous, start.held);
    start.previous(type, context, text);
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char* argv[], const PlayerLanguage& language)
{
    StartMessages& start = startMessages();
    start.language = &language;
    if (windowCannotOpen()) {
        tellFailedStart(whyNoWindowOpens(language));
        std::_Exit(1);
    }
    start.previous = qInstallMessageHandler(holdDuringStart);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(start.previous);
    const std::lock_guard lock(start.mutex);
    passOn(start.previous, start.held);
    start.held.clear();
    return application;
}

} // namespace gelumpa
