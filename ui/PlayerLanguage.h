// The language of the texts we added around the game's own (what a screen reader hears, the
// command line's answers): the player's, where the game has a translation, and English otherwise.
#pragma once

#include <QString>
#include <QTranslator>

namespace gelumpa {

class PlayerLanguage {
public:
    // The translation for the first of the system's languages the game has one for; none when
    // English comes first or the locale is C, so an English start loads nothing.
    PlayerLanguage();

    // The text in the player's language, the English one where it has no translation. Works
    // before the application exists, as the command line's answers need.
    QString translate(const char* context, const char* english) const;

    // From now on tr() and QCoreApplication::translate() find the translation. Qt's own stay
    // out: they would turn the questions' "Cancel" into another word, and those are the game's.
    void useInApplication();

private:
    QTranslator translation;
    bool found = false;
};

} // namespace gelumpa
