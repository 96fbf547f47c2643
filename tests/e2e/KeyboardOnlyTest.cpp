// A whole game played with the keyboard alone, as a player without a mouse plays it (no
// mouse event from the first key to the end of the program, judged from screenshots), and a
// game as a blind player hears it from Orca, in English and in Indonesian.
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/ReaderWords.h"
#include "tests/support/Waiting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <stdexcept>
#include <thread>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {
namespace {

// The ids of the processes pgrep finds with these arguments.
QList<qint64> pgrep(const QStringList& arguments)
{
    QProcess search;
    search.start(QStringLiteral("pgrep"), arguments);
    search.waitForFinished();
    QList<qint64> ids;
    for (const QByteArray& id : search.readAllStandardOutput().split('\n'))
        if (!id.isEmpty())
            ids.append(id.toLongLong());
    return ids;
}

// Protects keyboard play: the board has the keys from the start and keeps them beside the
// end window, the cursor walks by arrows and Space and Return act on its cell as clicks do,
// the menus and the exit question answer their keys.
class KeyboardOnly : public GameFixture {
protected:
    // Walks the cursor to the cell with arrow keys, rows first.
    void walkTo(int cell)
    {
        while (cursor != cell && !HasFailure()) {
            const int rows = (cell - 1) / rowLength - (cursor - 1) / rowLength;
            const int move = rows > 0 ? rowLength : rows < 0 ? -rowLength : cell > cursor ? 1 : -1;
            desktop().keys({move == rowLength ? "Down" : move == -rowLength ? "Up" : move == 1 ? "Right" : "Left"});
            cursor += move;
        }
    }

    // Waits for the board with the cursor's ring on the cursor's cell, read inside the ring.
    BoardSeen waitForBoardWithCursor(const Board& expected)
    {
        BoardSeen seen;
        waitUntil(shortWait, [&] {
            seen = game().currentBoard();
            seen.matched = seen.readCursorCell(desktop().lastScreenshot(), game().clientOrigin()) == cursor
                && seen.board == expected;
            return seen.matched || game().hasEnded();
        });
        return seen;
    }

    int cursor = 1;
};

TEST_F(KeyboardOnly, aWholeGameASecondDealAndTheExitAreDoneWithKeysAlone)
{
    desktop().keys(menuKeys(MenuCommand::NewGame));
    BoardSeen seen = game().waitForDealtBoard(shortWait, designBoard());
    ASSERT_TRUE(seen.matched) << "the menu keys dealt no game\n" << describe(seen.board);
    Board board = seen.board;

    // A menu left with Escape gives the keys back to the board: the next arrow moves the cursor.
    const QImage closed = desktop().screenshot();
    desktop().keys({QStringLiteral("alt+h")});
    ASSERT_TRUE(waitUntil(shortWait, [&] { return desktop().screenshot() != closed; })) << "alt+h opened no menu";
    desktop().keys({QStringLiteral("Escape")});
    ASSERT_TRUE(waitUntil(shortWait, [&] { return desktop().screenshot() == closed; })) << "Escape left a menu open";
    desktop().keys({QStringLiteral("Right")});
    cursor = 2;
    seen = waitForBoardWithCursor(board);
    ASSERT_TRUE(seen.matched) << "after a menu left with Escape, Right did not move the board's cursor";

    for (int removal = 1; hasMoveLeft(board); ++removal) {
        SCOPED_TRACE("removal " + std::to_string(removal));
        const std::vector<int> group = largestGroup(board);
        walkTo(group.front());
        desktop().keys({QStringLiteral("space")});
        const Board marked = withMarked(board, group);
        seen = waitForBoardWithCursor(marked);
        ASSERT_TRUE(seen.matched) << "Space on cell " << cursor << " did not mark its group under the cursor\n"
                                  << seen.explain(marked);
        // A Return that removed nothing shows at the next Space, or as no end window.
        desktop().keys({QStringLiteral("Return")});
        board = afterRemoving(board, group);
    }
    const std::optional<WindowId> end = desktop().waitForWindow(endWindowTitle, shortWait);
    ASSERT_TRUE(end) << "no end window after the last removal";
    e2e::keepScreenshot(desktop().screenshot(), QStringLiteral("end"));

    // The end window is in front, but the keys stay with the main window: the next game is
    // dealt with the end window still over the board.
    const QRect cover = desktop().frameGeometry(*end);
    desktop().keys(menuKeys(MenuCommand::NewGame));
    const bool dealt = waitUntil(shortWait, [&] {
        const Board shown = game().currentBoard().board;
        for (int cell = 1; cell <= cellCount; ++cell)
            if (!cover.intersects(QRect(game().clientOrigin() + cellCorner(cell), QSize(pieceSize, pieceSize)))
                && (shown.kind[cell] == emptyCell || shown.highlighted[cell]))
                return false;
        return true;
    });
    ASSERT_TRUE(dealt) << "the menu keys dealt no second game beside the end window\n"
                       << describe(game().currentBoard().board);
    ASSERT_FALSE(desktop().visibleWindows(endWindowTitle).isEmpty()) << "a key closed the end window";

    desktop().keys(menuKeys(MenuCommand::Leave));
    ASSERT_TRUE(desktop().waitForWindow(exitQuestionTitle, shortWait)) << "no exit question";
    desktop().keys({QStringLiteral("Return")});
    ASSERT_TRUE(game().waitForExit(shortWait)) << "Return on the exit question did not end the game";
    EXPECT_TRUE(game().exitedNormally());
    EXPECT_EQ(game().exitCode(), 0);
}

// A blind player's session in one language: its locale, Orca's own words when it is on (a
// pattern), and the words the game gives Orca.
struct ReaderSession {
    const char* name;
    const char* locale;
    const char* readerOn;
    const ReaderWords* words;
};

constexpr ReaderSession readerSessions[] = {
    {"English", "en_US.UTF-8", "Screen reader on\\.", &englishWords},
    {"Indonesian", "id_ID.UTF-8", "Pembaca layar nyala\\.", &indonesianWords},
};

// Protects what a blind player hears, in the player's language: the cell the cursor moves to
// with its row and column, the size of a marked group, the score after a removal and the end
// with the final score. The game runs in a screen reader's session, as a blind player's desktop
// has it: a session bus, the accessibility bus, a speech server that speaks into nothing, and
// Orca, whose debug log holds every line it speaks.
class ScreenReader : public GameFixture, public ::testing::WithParamInterface<ReaderSession> {
protected:
    ScreenReader()
    {
        if (!home.isValid() || !runtime.isValid())
            throw std::runtime_error("no temporary folder for the reader's session");
        // The session's programs that outlive their parents come to the test, which ends them.
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // Speech into ALSA's null device: a test machine has no sound card, and a speech server
        // that cannot open its output leaves Orca waiting.
        QFile system(QStringLiteral("/etc/speech-dispatcher/speechd.conf"));
        const QByteArray speechd = system.open(QIODevice::ReadOnly) ? system.readAll() : QByteArray();
        writeFile(QStringLiteral(".config/speech-dispatcher/speechd.conf"), speechd + "\nAudioOutputMethod \"alsa\"\n");
        writeFile(QStringLiteral(".asoundrc"), "pcm.!default { type null }\n");

        dieWithParent(bus);
        bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!waitUntil(shortWait, [this] {
                bus.waitForReadyRead(100);
                busAddress += QString::fromUtf8(bus.readAllStandardOutput());
                return busAddress.contains(QLatin1Char('\n'));
            }))
            throw std::runtime_error("the session bus did not start");
        busAddress = busAddress.trimmed();
        dieWithParent(accessibilityBus);
        accessibilityBus.setProcessEnvironment(inSession(QProcessEnvironment::systemEnvironment()));
        accessibilityBus.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {"--launch-immediately"});
        if (!accessibilityBus.waitForStarted())
            throw std::runtime_error("the accessibility bus did not start");
    }

    // Orca, the accessibility registry, the settings service and the speech server with its voices
    // outlive the programs that started them, and come to the test, which ends and collects each:
    // Orca does not start while another Orca of its user exists, even one that has ended and has
    // not been collected, and a speech server left over hangs the next Orca.
    ~ScreenReader() override
    {
        stop(reader);
        stop(accessibilityBus);
        stop(bus);
        for (const qint64 pid : pgrep({QStringLiteral("-P"), QString::number(::getpid())})) {
            ::kill(static_cast<pid_t>(pid), SIGKILL);
            ::waitpid(static_cast<pid_t>(pid), nullptr, 0);
        }
    }

    // Starts Orca and waits until it says that it is on. An Orca of an earlier test may still be
    // ending; Orca does not start beside one that stays. Call through ASSERT_NO_FATAL_FAILURE.
    void startReaderAndHearIt()
    {
        const QStringList orcas{QStringLiteral("-u"), QString::number(::getuid()), QStringLiteral("-x"), QStringLiteral("orca")};
        ASSERT_TRUE(waitUntil(shortWait, [&] { return pgrep(orcas).isEmpty(); }))
            << "another Orca of this user runs, and Orca does not start beside it";
        startReader();
        const bool on = waitUntil(readerStartWait, [&] {
            return hear(QLatin1String(GetParam().readerOn), {}) || reader.state() == QProcess::NotRunning;
        });
        ASSERT_TRUE(on && reader.state() != QProcess::NotRunning)
            << "Orca did not say that it is on; the end of its log:\n" << orcaLog().right(800).toStdString();
    }

    // What a program of the session needs besides its base; the whole session speaks the
    // player's language.
    QProcessEnvironment inSession(QProcessEnvironment base) const
    {
        base.insert(localeVariables(QLatin1String(GetParam().locale)));
        base.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        base.insert(QStringLiteral("HOME"), home.path());
        base.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        base.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        return base;
    }
    QProcessEnvironment gameEnvironment() const override { return inSession(GameFixture::gameEnvironment()); }

    void writeFile(const QString& name, const QByteArray& content) const
    {
        QFile file(home.filePath(name));
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !file.open(QIODevice::WriteOnly)
            || file.write(content) != content.size())
            throw std::runtime_error("cannot write " + name.toStdString());
    }

    // Starts Orca with fresh preferences on the game's desktop.
    void startReader()
    {
        dieWithParent(reader);
        reader.setProcessEnvironment(inSession(desktop().environment()));
        reader.setStandardOutputFile(QProcess::nullDevice());
        reader.setStandardErrorFile(QProcess::nullDevice());
        // Orca writes its log line by line only to a terminal: `script` gives it one and copies
        // each line to the file at once.
        const QString orca = QStringLiteral("orca --debug-file /dev/tty -u ") + home.filePath(QStringLiteral("orca-preferences"));
        reader.start(QStringLiteral("script"), {"-q", "-f", "-e", "-c", orca, home.filePath(QStringLiteral("orca.log"))});
        if (!reader.waitForStarted())
            throw std::runtime_error("orca did not start");
    }

    QByteArray orcaLog() const
    {
        QFile log(home.filePath(QStringLiteral("orca.log")));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    // Every line Orca has spoken so far, in order.
    QStringList spoken() const
    {
        static const QRegularExpression speech(QStringLiteral("SPEECH OUTPUT: '(.*)'"));
        QStringList lines;
        for (const QByteArray& line : orcaLog().split('\n'))
            if (const QRegularExpressionMatch found = speech.match(QString::fromUtf8(line)); found.hasMatch())
                lines << found.captured(1).section(QLatin1Char('\''), 0, 0).trimmed();
        return lines;
    }
    std::string heardSoFar() const { return spoken().join(QStringLiteral(" | ")).toStdString(); }

    // Waits for a spoken line, after those heard so far, that matches the whole pattern; the
    // lines up to it count as heard.
    bool hear(const QString& pattern, std::chrono::milliseconds wait = speechWait)
    {
        const QRegularExpression wanted(QStringLiteral("^") + pattern + QStringLiteral("$"));
        return waitUntil(wait, [&] {
            const QStringList lines = spoken();
            for (int i = heard; i < lines.size(); ++i)
                if (wanted.match(lines[i]).hasMatch()) {
                    heard = i + 1;
                    return true;
                }
            return false;
        });
    }

    // Slowly, each key down and up on its own once Orca's log has been still for a while: with
    // Orca on, Qt hands every key to the accessibility registry first, and a fast burst loses keys.
    void keys(const QStringList& names)
    {
        for (const QString& name : names) {
            qint64 size = -1;
            auto lastChange = std::chrono::steady_clock::now();
            waitUntil(speechWait, [&] {
                if (const qint64 now = QFileInfo(home.filePath(QStringLiteral("orca.log"))).size(); now != size) {
                    size = now;
                    lastChange = std::chrono::steady_clock::now();
                }
                return std::chrono::steady_clock::now() - lastChange >= std::chrono::milliseconds(300);
            });
            QStringList chord = name.split(QLatin1Char('+'));
            for (const QString& key : chord)
                press(QStringLiteral("keydown"), key);
            std::reverse(chord.begin(), chord.end());
            for (const QString& key : chord)
                press(QStringLiteral("keyup"), key);
        }
    }

    void press(const QString& direction, const QString& key)
    {
        desktop().run(QStringLiteral("xdotool"), {direction, key});
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }

    // Longer than Qt's wait for the registry's answer to a key.
    static constexpr std::chrono::milliseconds speechWait{40000};
    static constexpr std::chrono::milliseconds readerStartWait{15000};
    QTemporaryDir home;
    QTemporaryDir runtime;
    QProcess bus;
    QProcess accessibilityBus;
    QProcess reader;
    QString busAddress;
    int heard = 0;
};

// What Orca says for a phrase of the game's words, as a pattern.
QString said(const QString& phrase)
{
    return QRegularExpression::escape(phrase) + QStringLiteral("\\.");
}

TEST_P(ScreenReader, orcaSpeaksTheCellWithItsPlaceTheGroupTheScoreAndTheEnd)
{
    const ReaderWords& words = *GetParam().words;
    const auto news = [](const char* phrase, const QString& value) {
        return QStringLiteral("notification ") + said(QString::fromUtf8(phrase).arg(value));
    };
    ASSERT_NO_FATAL_FAILURE(startReaderAndHearIt());
    desktop().activate(game().mainWindow());
    ASSERT_TRUE(hear(said(QString::fromUtf8(words.board)))) << "Orca did not hear the board: " << heardSoFar();
    keys(menuKeys(MenuCommand::NewGame));
    const BoardSeen seen = game().waitForDealtBoard(shortWait, designBoard());
    ASSERT_TRUE(seen.matched) << "the menu keys dealt no game: " << heardSoFar();
    Board board = seen.board;

    // The keys' reading of the board is proven by the keyboard-only game; clicks are quicker
    // here: with Orca on, a key now and then waits for Qt's call to the registry to time out.
    keys({QStringLiteral("Right")});
    EXPECT_TRUE(hear(said(QString::fromUtf8(words.pictures[static_cast<std::size_t>(board.kind[2])]))))
        << "no ball named: " << heardSoFar();
    EXPECT_TRUE(hear(said(QString::fromUtf8(words.place).arg(1).arg(2)))) << "no place after Right: " << heardSoFar();
    std::vector<int> group;
    ASSERT_NO_FATAL_FAILURE(markLargestGroup(board, group));
    EXPECT_TRUE(hear(news(words.selected, QString::number(group.size())))) << "no group size: " << heardSoFar();
    ASSERT_NO_FATAL_FAILURE(removeMarkedGroup(board, group));
    EXPECT_TRUE(hear(news(words.score, QString::number(group.size())))) << "no score: " << heardSoFar();
    // With the sound off no event runs between the last removal's score and the end: both are heard.
    keys(menuKeys(MenuCommand::SoundOff));
    ASSERT_NO_FATAL_FAILURE(playToTheEnd(board));
    const QString score = QString::number(std::count(board.kind.begin() + 1, board.kind.end(), emptyCell));
    EXPECT_TRUE(hear(news(words.score, score))) << "no last score: " << heardSoFar();
    EXPECT_TRUE(hear(news(words.gameOver, QString::fromUtf8(words.score).arg(score)))) << "no end heard: " << heardSoFar();
}

INSTANTIATE_TEST_SUITE_P(InEachLanguage, ScreenReader, ::testing::ValuesIn(readerSessions),
                         [](const ::testing::TestParamInfo<ReaderSession>& session) { return std::string(session.param.name); });

} // namespace
} // namespace e2e
