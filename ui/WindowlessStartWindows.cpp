// A window on Windows needs Qt's platform plugin, which Qt looks for beside the program unless
// told another place. Without it Qt would only say, in a box of its own, that no platform plugin
// could be initialized.
#include "ui/WindowlessStart.h"

#include <QFileInfo>

#include <windows.h>

#include <array>

namespace gelumpa {

namespace {
// The plugin as a file beside the program.
QString platformPlugin()
{
    return QStringLiteral("platforms\\q%1.dll").arg(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("windows")));
}
} // namespace

QString whyNoWindowOpens(const PlayerLanguage& language)
{
    return language.translate("Terminal", "cannot open a window: %1 beside the program is missing or cannot be loaded")
        .arg(platformPlugin());
}

bool windowCannotOpen()
{
    if (qEnvironmentVariableIsSet("QT_PLUGIN_PATH") || qEnvironmentVariableIsSet("QT_QPA_PLATFORM_PLUGIN_PATH"))
        return false;
    std::array<wchar_t, MAX_PATH> program{};
    const DWORD length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    const QString folder = QFileInfo(QString::fromWCharArray(program.data(), static_cast<qsizetype>(length))).absolutePath();
    return !QFileInfo::exists(folder + QLatin1Char('/') + platformPlugin().replace(QLatin1Char('\\'), QLatin1Char('/')));
}

} // namespace gelumpa
