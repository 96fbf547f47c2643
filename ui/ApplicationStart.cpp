// Qt's messages held while the application starts; see ApplicationStart.h.
#include "ui/ApplicationStart.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

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
    // The line the player reads when no display answers, made before the start.
    QByteArray noWindow;
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

// The one line of a start without a window: what was tried, in the words of the variables a
// user sets.
QByteArray noWindowLine(const PlayerLanguage& language)
{
    QString tried;
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            tried += QStringLiteral("%1%2=%3").arg(tried.isEmpty() ? QString() : QStringLiteral(", "), QLatin1String(name), value);
    }
    const QString why = tried.isEmpty()
        ? language.translate("Terminal", "cannot open a window: neither DISPLAY nor WAYLAND_DISPLAY is set")
        : language.translate("Terminal", "cannot open a window: no display answers (%1)").arg(tried);
    return "gelumpa: " + why.toUtf8() + '\n';
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
        std::fwrite(start.noWindow.constData(), 1, static_cast<std::size_t>(start.noWindow.size()), stderr);
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
    start.noWindow = noWindowLine(language);
    start.previous = qInstallMessageHandler(holdDuringStart);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(start.previous);
    const std::lock_guard lock(start.mutex);
    passOn(start.previous, start.held);
    start.held.clear();
    return application;
}

} // namespace gelumpa
