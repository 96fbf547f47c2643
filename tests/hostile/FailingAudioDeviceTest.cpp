// An audio device that fails while the game runs: SDL's disk driver writing through a link
// that the test points at a file, then at /dev/full (a failed write loses the device), then
// at a file again.
#include "tests/support/DiskAudio.h"
#include "tests/support/ExpectedPlay.h"
#include "tests/support/GameFixture.h"
#include "HostileSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>

namespace e2e {
namespace {

// A sound plays out, then the device is closed a little later.
constexpr std::chrono::milliseconds closeTimeout{20000};
constexpr std::chrono::milliseconds idlePeriod{1500};
// Clock ticks (10 ms each) an idle game may spend in the idle period: none, give or take
// the window manager's chatter.
constexpr long idleTicks = 5;

// Whether the process holds `path` open (a file the path names, resolved through links).
bool holdsOpen(qint64 processId, const QString& path)
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path.toStdString(), error);
    if (error)
        return false;
    for (const auto& descriptor :
         std::filesystem::directory_iterator("/proc/" + std::to_string(processId) + "/fd", error))
        if (std::filesystem::read_symlink(descriptor.path(), error) == target)
            return true;
    return false;
}

// The CPU time the process has used so far, in clock ticks: utime and stime, the 12th and 13th
// fields after the name in parentheses, which may hold blanks.
long cpuTicks(qint64 processId)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(processId));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLong() + fields[12].toLong() : -1;
}

const QString fullDevice = QStringLiteral("/dev/full");

// The capture file SDL's disk driver opens at every device open, a link the test can repoint.
class SwitchableCapture {
public:
    SwitchableCapture() : link(directory.filePath(QStringLiteral("audio.raw"))) { pointAt(first()); }

    QString first() const { return directory.filePath(QStringLiteral("first.raw")); }
    QString second() const { return directory.filePath(QStringLiteral("second.raw")); }
    const QString& path() const { return link; }

    // Replaces the link in one step, so the driver never finds it missing.
    void pointAt(const QString& target) const
    {
        const std::filesystem::path fresh = (link + QStringLiteral(".new")).toStdString();
        std::filesystem::remove(fresh);
        std::filesystem::create_symlink(target.toStdString(), fresh);
        std::filesystem::rename(fresh, link.toStdString());
    }

private:
    QTemporaryDir directory;
    QString link;
};

// Protects the sound output against losing its device: the game goes on, the next sound
// opens a working device again, and an idle game holds no device open.
class FailingAudioDevice : public GameFixture {
protected:
    QProcessEnvironment gameEnvironment() const override
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("disk"));
        env.insert(QStringLiteral("SDL_DISKAUDIOFILE"), capture.path());
        return env;
    }

    bool holdsAnyDevice()
    {
        const qint64 id = game().processId();
        return holdsOpen(id, capture.first()) || holdsOpen(id, capture.second()) || holdsOpen(id, fullDevice);
    }

    SwitchableCapture capture;
};

TEST_F(FailingAudioDevice, aDeviceLostMidGameIsReopenedAtTheNextSoundAndClosedWhenTheGameIsIdle)
{
    Board board;
    ASSERT_NO_FATAL_FAILURE(dealNewGame(board));
    const std::vector<int> removed = largestGroup(board);
    ASSERT_FALSE(removed.empty()) << describe(board);
    const int firstMark = firstPieceOutside(board, {removed});
    ASSERT_NE(firstMark, 0) << describe(board);

    ASSERT_NO_FATAL_FAILURE(markPromptly(game(), board, firstMark));
    ASSERT_TRUE(waitUntil(shortWait, [&] { return fileHoldsSound(capture.first()); }))
        << "the first mark was not heard";
    ASSERT_TRUE(waitUntil(closeTimeout, [&] { return !holdsAnyDevice(); })) << "the device stayed open after a mark";

    // The about tune, five seconds long, is lost with its device, which waits for the rest of
    // the tune: the next sound surely comes while the lost device is still open.
    capture.pointAt(fullDevice);
    game().about();
    ASSERT_TRUE(waitUntil(shortWait, [&] { return holdsOpen(game().processId(), fullDevice); }))
        << "the about tune did not open the device that fails";
    const std::optional<WindowId> about = desktop().waitForWindow(aboutWindowTitle, shortWait);
    ASSERT_TRUE(about) << "no about window";
    game().clickAway(*about);

    capture.pointAt(capture.second());
    ASSERT_TRUE(holdsOpen(game().processId(), fullDevice)) << "the lost device closed before the next sound";
    ASSERT_NO_FATAL_FAILURE(markPromptly(game(), board, removed.front()));
    EXPECT_TRUE(waitUntil(shortWait, [&] { return fileHoldsSound(capture.second()); }))
        << "no sound was heard after the device had been lost";

    // The game goes on after the device was lost.
    ASSERT_NO_FATAL_FAILURE(removeMarkedGroup(board, removed));

    EXPECT_TRUE(waitUntil(closeTimeout, [&] { return !holdsAnyDevice(); }))
        << "the device stayed open after the last sound";
    const long before = cpuTicks(game().processId());
    EXPECT_TRUE(holdsThroughout(idlePeriod, [&] { return !holdsAnyDevice(); })) << "an idle game opened a device";
    EXPECT_LE(cpuTicks(game().processId()) - before, idleTicks) << "the idle game kept working";
}

} // namespace
} // namespace e2e
