// Test fixtures: the rules on a board a test sets up, and the whole game behind the main
// window with boards dealt through scripted draws; plus the boards several tests share.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/GameState.h"
#include "core/Rules.h"
#include "game/Game.h"
#include "game/SoundEffects.h"
#include "tests/support/BoardText.h"
#include "tests/support/RecordingWindows.h"

namespace gelumpa::test {

using Log = std::vector<std::string>;

// Record lines one after another.
Log joined(std::initializer_list<Log> parts);
// What playing sound n leaves in the record: started, then the waiting events run.
Log soundOf(int n);

// The first or the last n lines of a record, or all of it when it is shorter.
Log firstLines(const Log& log, std::size_t n);
Log lastLines(const Log& log, std::size_t n);
// What the end of a game leaves in the record with sound on.
inline const Log endOfGame = joined({soundOf(3), {"create endWindow", "show endWindow"}});

// Every invariant of the state and the screen, as a gtest assertion.
::testing::AssertionResult invariantsHold(const GameState& s, const RecordingWindows& windows);
// Every cell shows what it holds, on any board: a repaint left out leaves a ghost piece.
::testing::AssertionResult everyCellShowsWhatItHolds(const GameState& s, const RecordingWindows& windows);

// A board with some cells given other kinds.
Rows withKinds(Rows rows, std::initializer_list<std::pair<int, char>> cells);

// No two side neighbours alike: each row runs 1..5 twice, each row shifted two kinds on.
inline const Rows noPairBoard{
    "1234512345", "3451234512", "5123451234", "2345123451", "4512345123",
    "1234512345", "3451234512", "5123451234", "2345123451", "4512345123",
};
// As above, but cells 10 and 11 both hold kind 3, which is still no pair (cell 100 gave its 3 for a 5).
inline const Rows rowEndBoard = withKinds(noPairBoard, {{10, '3'}, {100, '5'}});
// As noPairBoard, but cells 1 and 2 form the only pair (cell 40 gave its kind 1 for a 2).
inline const Rows onePairBoard = withKinds(noPairBoard, {{2, '1'}, {40, '2'}});
// Two pairs in the top row, cells 1-2 and 9-10; removing one leaves the other as the last.
inline const Rows twoPairBoard = withKinds(onePairBoard, {{10, '4'}, {30, '5'}});

// The rules alone, on a position the test puts in place.
class RulesTest : public ::testing::Test {
protected:
    // Puts a position in play as a game would have left it: nothing marked, every cell showing
    // its piece, the score counting the pieces gone and the labels up to date; clears the record.
    void setBoard(const Rows& rows);

    GameState state;
    RecordingWindows windows;
    SoundEffects effects{windows, state};
    Rules rules{state, windows, windows, effects};
};

// The whole game, from the main window's opening on.
class GameTest : public ::testing::Test {
protected:
    // Starts a Nightmare game whose scripted draws deal exactly this board; clears the record.
    void dealKnownBoard(const Rows& rows);
    // Deals twoPairBoard, removes its pair at cells 1-2 and marks the last one, at cells 9-10.
    void removeOnePairAndMarkTheOther();
    const GameState& state() const { return game.gameState(); }

    RecordingWindows windows;
    Game game{windows, windows, windows, windows};
};

} // namespace gelumpa::test
