// The game's own options and Qt's, told apart before Qt reads them; see CommandLine.h.
#include "ui/CommandLine.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include <QByteArray>
#include <QString>

#include "ui/TerminalOutput.h"

namespace gelumpa {

namespace {

constexpr int usageError = 2;

// The translators' context of what the game writes at a terminal.
constexpr const char* terminal = "Terminal";

constexpr const char* usage = QT_TRANSLATE_NOOP("Terminal",
    "Usage: gelumpa [OPTION]...\n"
    "Gelumpa Dravenik, a puzzle game: clear a board of coloured balls group by group.\n"
    "\n"
    "      --symbols  draw a black shape inside each ball as well, one for each colour:\n"
    "                 a ring, a plus, a cross, a square or a triangle\n"
    "  -h, --help     show this help and leave\n"
    "      --version  show the version and leave\n"
    "\n"
    "Qt's own options, such as -platform NAME, -display DISPLAY or -style STYLE,\n"
    "are handed on to Qt. See the manual page gelumpa(6).\n");

// The options QGuiApplication, QApplication and the X11 platform read themselves, written as Qt
// accepts them with one dash or two. A session manager restarts the game with -session.
constexpr std::array qtOptionsWithValue = {
    std::string_view("platform"), std::string_view("platformpluginpath"), std::string_view("platformtheme"),
    std::string_view("plugin"), std::string_view("qwindowgeometry"), std::string_view("geometry"),
    std::string_view("qwindowtitle"), std::string_view("title"), std::string_view("qwindowicon"),
    std::string_view("icon"), std::string_view("session"), std::string_view("display"),
    std::string_view("name"), std::string_view("visual"), std::string_view("style"),
    std::string_view("stylesheet"),
};
constexpr std::array qtFlags = {
    std::string_view("reverse"), std::string_view("widgetcount"), std::string_view("nograb"),
    std::string_view("dograb"), std::string_view("sync"), std::string_view("testability"),
};
// Those Qt also takes as -name=value.
constexpr std::array qtOptionsJoined = {
    std::string_view("style="), std::string_view("stylesheet="), std::string_view("qmljsdebugger="),
};

template <typename Names>
bool contains(const Names& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool startsWithOneOf(std::string_view name)
{
    return std::any_of(qtOptionsJoined.begin(), qtOptionsJoined.end(),
                       [name](std::string_view joined) { return name.substr(0, joined.size()) == joined; });
}

void write(std::FILE* stream, const QString& text) { writeToTerminal(stream, text.toUtf8()); }

// One line naming the argument, then the usage.
int refuse(const PlayerLanguage& language, const char* what, std::string_view argument)
{
    const QString named = QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size()));
    write(stderr, QStringLiteral("gelumpa: ") + language.translate(terminal, what).arg(named) + QLatin1Char('\n')
                      + language.translate(terminal, usage));
    return usageError;
}

} // namespace

CommandLineAnswer answerCommandLine(int argc, const char* const argv[], const PlayerLanguage& language)
{
    bool help = false;
    bool version = false;
    bool symbols = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--symbols") {
            symbols = true;
            continue;
        }
        if (argument == "-h" || argument == "--help") {
            help = true;
            continue;
        }
        if (argument == "--version") {
            version = true;
            continue;
        }
        if (argument.size() < 2 || argument.front() != '-')
            return {refuse(language, QT_TRANSLATE_NOOP("Terminal", "unexpected argument '%1'"), argument)};
        const std::string_view name = argument.substr(argument.substr(0, 2) == "--" ? 2 : 1);
        if (contains(qtFlags, name) || startsWithOneOf(name))
            continue;
        if (!contains(qtOptionsWithValue, name))
            return {refuse(language, QT_TRANSLATE_NOOP("Terminal", "unknown option '%1'"), argument)};
        if (++i == argc)
            return {refuse(language, QT_TRANSLATE_NOOP("Terminal", "missing value after '%1'"), argument)};
    }
    if (help) {
        write(stdout, language.translate(terminal, usage));
        return {0};
    }
    if (version) {
        write(stdout, QStringLiteral("Gelumpa Dravenik " GELUMPA_VERSION "\n"));
        return {0};
    }
    return {std::nullopt, symbols};
}

} // namespace gelumpa
