// A window on Linux needs an X11 or Wayland display: what was tried is told in the words of the
// variables a user sets; Qt finds out itself whether one answers.
#include "ui/WindowlessStart.h"

namespace gelumpa {

QString whyNoWindowOpens(const PlayerLanguage& language)
{
    QString tried;
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            tried += QStringLiteral("%1%2=%3").arg(tried.isEmpty() ? QString() : QStringLiteral(", "), QLatin1String(name), value);
    }
    return tried.isEmpty()
        ? language.translate("Terminal", "cannot open a window: neither DISPLAY nor WAYLAND_DISPLAY is set")
        : language.translate("Terminal", "cannot open a window: no display answers (%1)").arg(tried);
}

bool windowCannotOpen() { return false; }

} // namespace gelumpa
