// The shared set-up of the tests of the real binary; see GameFixture.h.
#include "tests/support/GameFixture.h"

#include "tests/support/ExpectedPlay.h"
#include "tests/support/PiecePicture.h"
#include "tests/support/Waiting.h"

#include <QDir>

#include <iostream>

namespace e2e {

namespace {

// ctest runs the tests in their build directory, so the shots land beside the test binary.
const QString shotsDirectory = QStringLiteral("shots");

QString shotPrefix()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return QStringLiteral("%1.%2-").arg(QLatin1String(test->test_suite_name()), QLatin1String(test->name()));
}

} // namespace

void keepScreenshot(const QImage& image, const QString& label)
{
    if (image.isNull())
        return;
    QDir().mkpath(shotsDirectory);
    const QString path = QDir(shotsDirectory).absoluteFilePath(shotPrefix() + label + QStringLiteral(".png"));
    if (image.save(path))
        std::cout << "screenshot kept: " << path.toStdString() << '\n';
}

void GameFixture::SetUp()
{
    // Shots left by an earlier run of this test would tell of a failure that is not this one's.
    QDir shots(shotsDirectory);
    for (const QString& old : shots.entryList({shotPrefix() + QStringLiteral("*.png")}, QDir::Files))
        shots.remove(old);
    virtualDesktop = std::make_unique<VirtualDesktop>();
    gameUnderTest = std::make_unique<GameUnderTest>(*virtualDesktop, gameEnvironment(), gameArguments());
    gameUnderTest->waitForMainWindow();
}

void GameFixture::TearDown()
{
    if (gameUnderTest)
        gameUnderTest->checkForFaults();
    if (HasFailure() && virtualDesktop) {
        e2e::keepScreenshot(virtualDesktop->lastScreenshot(), QStringLiteral("last-seen"));
        try {
            e2e::keepScreenshot(virtualDesktop->screenshot(), QStringLiteral("at-failure"));
        } catch (const std::exception&) {
            // The display itself is what failed; the last screenshot has been kept.
        }
    }
    gameUnderTest.reset();
    virtualDesktop.reset();
}

QProcessEnvironment GameFixture::gameEnvironment() const
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    return env;
}

void GameFixture::keepScreenshot(const QString& label) const
{
    e2e::keepScreenshot(virtualDesktop->lastScreenshot(), label);
}

void GameFixture::dealNewGame(Board& dealt)
{
    const Board before = game().currentBoard().board;
    game().choose(MenuCommand::NewGame);
    const BoardSeen seen = game().waitForDealtBoard(shortWait, before);
    ASSERT_TRUE(seen.matched) << "no freshly dealt board (20 of each kind, none highlighted) appeared:\n"
                              << describe(seen.board);
    dealt = seen.board;
}

void GameFixture::markLargestGroup(const Board& board, std::vector<int>& group)
{
    group = largestGroup(board);
    ASSERT_FALSE(group.empty()) << "the board holds no group of two\n" << describe(board);
    game().clickCell(group.front());
    const Board marked = withMarked(board, group);
    const BoardSeen seen = game().waitForBoard(marked, shortWait);
    ASSERT_TRUE(seen.matched) << "a click on cell " << group.front() << " did not mark its group\n"
                              << seen.explain(marked);
}

void GameFixture::removeMarkedGroup(Board& board, const std::vector<int>& group)
{
    game().clickCell(group.back());
    board = afterRemoving(board, group);
    const BoardSeen seen = game().waitForBoard(board, shortWait);
    ASSERT_TRUE(seen.matched) << "a second click on cell " << group.back() << " did not remove the group of "
                              << group.size() << " and settle the board\n"
                              << seen.explain(board);
}

void GameFixture::playToTheEnd(Board& board)
{
    for (int removal = 1; hasMoveLeft(board); ++removal) {
        SCOPED_TRACE("removal " + std::to_string(removal));
        std::vector<int> group;
        ASSERT_NO_FATAL_FAILURE(markLargestGroup(board, group));
        if (!hasMoveLeft(afterRemoving(board, group))) {
            // The last removal: the end-of-game window comes up over the settled board.
            game().clickCell(group.back());
            board = afterRemoving(board, group);
            return;
        }
        ASSERT_NO_FATAL_FAILURE(removeMarkedGroup(board, group));
    }
}

int GameFixture::firstPieceClearOf(const Board& board, QRect cover)
{
    for (int cell = 1; cell <= cellCount; ++cell) {
        const QRect area(game().clientOrigin() + cellCorner(cell), QSize(pieceSize, pieceSize));
        if (board.kind[cell] >= 1 && !area.intersects(cover))
            return cell;
    }
    return 0;
}

bool GameFixture::waitForHighlight(int cell)
{
    return waitUntil(shortWait, [&] { return game().currentBoard().board.highlighted[cell]; });
}

} // namespace e2e
