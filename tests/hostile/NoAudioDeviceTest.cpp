// The game with its sound on and nothing to play it on: a machine with neither a sound server
// nor a sound card, as a build server has, and a sound server that has stopped answering. A sound
// driver that does not exist is silence at once to the sound output itself (tests/audio).
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "HostileSupport.h"

#include <QTemporaryDir>
#include <QtGlobal>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace e2e {
namespace {

// Protects play without a sound device: the rules as always, the window never kept waiting.
class NoAudioDevice : public GameFixture {
protected:
    // A new game whose largest group is marked and removed again and again, up to `removals`
    // times or until the game ends, checking each highlight's deadline and the board after
    // every removal; then the end window if the game ended, and the way out.
    void playAndLeave(int removals)
    {
        Board board;
        ASSERT_NO_FATAL_FAILURE(dealNewGame(board));
        for (int removal = 1; removal <= removals && hasMoveLeft(board); ++removal) {
            SCOPED_TRACE("removal " + std::to_string(removal));
            const std::vector<int> group = largestGroup(board);
            ASSERT_NO_FATAL_FAILURE(markPromptly(game(), board, group.front()));
            game().clickCell(group.back());
            board = afterRemoving(board, group);
            if (!hasMoveLeft(board)) {
                ASSERT_TRUE(desktop().waitForWindow(endWindowTitle, shortWait)) << "no end-of-game window";
                break;
            }
            const BoardSeen settled = game().waitForBoard(board, shortWait);
            ASSERT_TRUE(settled.matched) << "the board did not settle\n" << settled.explain(board);
        }
        ASSERT_NO_FATAL_FAILURE(leaveWithStatusZero(game(), desktop()));
    }
};

class NoSoundServerNorCard : public NoAudioDevice {
protected:
    // The game gets this process's environment: without these, SDL tries every driver it
    // knows and the sound libraries look for their servers where they usually are. The
    // runtime directory the game gets is a fresh one, with no server's socket in it.
    void SetUp() override
    {
        for (const char* name : {"SDL_AUDIODRIVER", "SDL_AUDIO_DRIVER", "AUDIODEV", "PULSE_SERVER", "PIPEWIRE_REMOTE"})
            qunsetenv(name);
        NoAudioDevice::SetUp();
    }

    QProcessEnvironment gameEnvironment() const override { return {}; }
};

// A PulseAudio socket whose server never answers, as one stopped (SIGSTOP, a stuck Bluetooth
// sink) looks to its clients: the connection is taken into the listening queue, and the sound
// library then waits about half a minute for the server's first word.
class UnansweringSoundServer : public NoAudioDevice {
protected:
    void SetUp() override
    {
        const QByteArray path = directory.filePath(QStringLiteral("native")).toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path) << path.constData();
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        listening = socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(listening, 0) << std::strerror(errno);
        ASSERT_EQ(bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
        ASSERT_EQ(listen(listening, 16), 0) << std::strerror(errno);
        server = QStringLiteral("unix:") + QString::fromLocal8Bit(path);
        NoAudioDevice::SetUp();
    }

    void TearDown() override
    {
        NoAudioDevice::TearDown();
        if (listening >= 0)
            ::close(listening);
    }

    QProcessEnvironment gameEnvironment() const override
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("pulseaudio"));
        env.insert(QStringLiteral("PULSE_SERVER"), server);
        return env;
    }

private:
    QTemporaryDir directory;
    QString server;
    int listening = -1;
};

TEST_F(NoSoundServerNorCard, aWholeGameIsPlayedToItsEndWithoutWaitingForASoundDevice)
{
    playAndLeave(cellCount);
}

TEST_F(UnansweringSoundServer, clicksAreShownAtOnceAndTheGameEndsWhileTheSoundWaitsForTheServer)
{
    playAndLeave(3);
}

} // namespace
} // namespace e2e
