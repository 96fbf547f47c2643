// Finding the player's translation among those embedded under :/i18n; see PlayerLanguage.h.
#include "ui/PlayerLanguage.h"

#include <QCoreApplication>
#include <QLocale>

namespace gelumpa {

PlayerLanguage::PlayerLanguage()
{
    // The C locale asks for no language, whatever LANGUAGE lists, as gettext reads it.
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return;
    for (QString name : system.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English || language == QLocale::C)
            return;
        // "id-ID" is looked for as gelumpa_id_ID.qm, then gelumpa_id.qm.
        found = translation.load(QStringLiteral(":/i18n/gelumpa_") + name.replace(QLatin1Char('-'), QLatin1Char('_')));
        if (found)
            return;
    }
}

QString PlayerLanguage::translate(const char* context, const char* english) const
{
    const QString translated = found ? translation.translate(context, english) : QString();
    return translated.isEmpty() ? QString::fromUtf8(english) : translated;
}

void PlayerLanguage::useInApplication()
{
    if (found)
        QCoreApplication::installTranslator(&translation);
}

} // namespace gelumpa
