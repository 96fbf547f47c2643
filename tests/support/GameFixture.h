// The set-up every test of the real binary shares (end-to-end, hostile, storm): a private
// desktop with the game started on it, and the screenshots of a failing test kept for a human.
#pragma once

#include "tests/support/GameUnderTest.h"
#include "tests/support/VirtualDesktop.h"

#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QString>

#include <chrono>
#include <memory>

namespace e2e {

inline constexpr std::chrono::milliseconds shortWait{10000};

// Saves the image under the shots directory, named after the running test and the label.
void keepScreenshot(const QImage& image, const QString& label);

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What the game's environment adds to the desktop's; silent by default.
    virtual QProcessEnvironment gameEnvironment() const;
    // The game's command line; empty by default.
    virtual QStringList gameArguments() const { return {}; }

    VirtualDesktop& desktop() { return *virtualDesktop; }
    GameUnderTest& game() { return *gameUnderTest; }

    // Saves the screenshot taken last under the shots directory, named after the test and label.
    void keepScreenshot(const QString& label) const;
    // Starts a new game and waits for the dealt board; call through ASSERT_NO_FATAL_FAILURE.
    void dealNewGame(Board& dealt);
    // Clicks the first cell of the board's largest group and waits until that group shows
    // marked; call through ASSERT_NO_FATAL_FAILURE.
    void markLargestGroup(const Board& board, std::vector<int>& group);
    // Clicks the marked group again and waits until the board shows it taken away and
    // settled by the rules; call through ASSERT_NO_FATAL_FAILURE.
    void removeMarkedGroup(Board& board, const std::vector<int>& group);
    // Plays on, removing the largest group each time, and checks that after every click the
    // board shows exactly what the rules make of it, until no move is left. The board after
    // the last removal is left to the caller: the end-of-game window comes up over it.
    void playToTheEnd(Board& board);

    // The first piece whose cell no part of `cover` (a window in screen coordinates) hides; 0 if none.
    int firstPieceClearOf(const Board& board, QRect cover);
    // Waits until the cell shows the highlight blue behind its piece.
    bool waitForHighlight(int cell);

private:
    std::unique_ptr<VirtualDesktop> virtualDesktop;
    std::unique_ptr<GameUnderTest> gameUnderTest;
};

} // namespace e2e
