// Qt's messages held while the application starts; see ApplicationStart.h.
#include "ui/ApplicationStart.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>

#include <array>
#endif

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "ui/TerminalOutput.h"

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

#ifdef Q_OS_WIN
// The platform plugin Qt loads, as a file beside the program.
QString platformPlugin()
{
    return QStringLiteral("platforms\\q%1.dll").arg(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("windows")));
}
#endif

// The one line of a start without a window: on Windows the platform plugin that is missing, in
// the words of its file beside the program; elsewhere what was tried, in the words of the
// variables a user sets.
QByteArray noWindowLine(const PlayerLanguage& language)
{
#ifdef Q_OS_WIN
    const QString why =
        language.translate("Terminal", "cannot open a window: %1 beside the program is missing or cannot be loaded")
            .arg(platformPlugin());
#else
    QString tried;
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            tried += QStringLiteral("%1%2=%3").arg(tried.isEmpty() ? QString() : QStringLiteral(", "), QLatin1String(name), value);
    }
    const QString why = tried.isEmpty()
        ? language.translate("Terminal", "cannot open a window: neither DISPLAY nor WAYLAND_DISPLAY is set")
        : language.translate("Terminal", "cannot open a window: no display answers (%1)").arg(tried);
#endif
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
        tellFailedStart(start.noWindow);
        // The application being built on the stack must not be taken apart from inside its own
        // constructor, and nothing is half done yet that an orderly exit would have to finish.
        std::_Exit(1);
    }
    passOn(start.previous, start.held);
    start.previous(type, context, text);
}

#ifdef Q_OS_WIN
// Qt looks for the platform plugin beside the program unless told another place. Without it, Qt
// would only say, in a box of its own, that no platform plugin could be initialized.
bool platformPluginMissing()
{
    if (qEnvironmentVariableIsSet("QT_PLUGIN_PATH") || qEnvironmentVariableIsSet("QT_QPA_PLATFORM_PLUGIN_PATH"))
        return false;
    std::array<wchar_t, MAX_PATH> program{};
    const DWORD length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    const QString folder = QFileInfo(QString::fromWCharArray(program.data(), static_cast<qsizetype>(length))).absolutePath();
    return !QFileInfo::exists(folder + QLatin1Char('/') + platformPlugin().replace(QLatin1Char('\\'), QLatin1Char('/')));
}
#endif

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char* argv[], const PlayerLanguage& language)
{
    StartMessages& start = startMessages();
    start.noWindow = noWindowLine(language);
#ifdef Q_OS_WIN
    if (platformPluginMissing()) {
        tellFailedStart(start.noWindow);
        std::_Exit(1);
    }
#endif
    start.previous = qInstallMessageHandler(holdDuringStart);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(start.previous);
    const std::lock_guard lock(start.mutex);
    passOn(start.previous, start.held);
    start.held.clear();
    return application;
}

} // namespace gelumpa
