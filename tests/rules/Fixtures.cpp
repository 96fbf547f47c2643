// The fixtures and helpers shared by the rules tests.
#include "tests/rules/Fixtures.h"

#include <algorithm>

#include "tests/support/Invariants.h"
#include "tests/rules/ScriptedDraws.h"

namespace gelumpa::test {

Log joined(std::initializer_list<Log> parts)
{
    Log all;
    for (const Log& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Log soundOf(int n)
{
    const std::string number = std::to_string(n);
    return {"play " + number, "events"};
}

Rows withKinds(Rows rows, std::initializer_list<std::pair<int, char>> cells)
{
    for (const auto& [cell, kind] : cells)
        rows[static_cast<std::size_t>((cell - 1) / 10)][static_cast<std::size_t>((cell - 1) % 10)] = kind;
    return rows;
}

Log firstLines(const Log& log, std::size_t n) { return Log(log.begin(), log.begin() + static_cast<long>(std::min(n, log.size()))); }

Log lastLines(const Log& log, std::size_t n) { return Log(log.end() - static_cast<long>(std::min(n, log.size())), log.end()); }

namespace {
::testing::AssertionResult noneBroken(const std::vector<std::string>& broken, const GameState& s)
{
    if (broken.empty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    for (const auto& rule : broken)
        failure << "\n  " << rule;
    for (const auto& row : rowsOf(s))
        failure << "\n  | " << row;
    return failure;
}
} // namespace

::testing::AssertionResult invariantsHold(const GameState& s, const RecordingWindows& windows)
{
    return noneBroken(brokenInvariants(s, windows), s);
}

::testing::AssertionResult everyCellShowsWhatItHolds(const GameState& s, const RecordingWindows& windows)
{
    return noneBroken(cellsShownWrongly(s, windows), s);
}

void RulesTest::setBoard(const Rows& rows)
{
    const Kinds kinds = kindsFrom(rows);
    int pieces = 0;
    for (int i = 1; i <= 100; ++i) {
        state.kind(i) = kinds[static_cast<std::size_t>(i)];
        state.marked(i) = false;
        windows.preset(i, ShownPicture{state.kind(i), PieceLook::Normal});
        pieces += state.kind(i) != 0 ? 1 : 0;
    }
    state.anchorCell = 0;
    state.selectionCount = 0;
    state.score = 100 - pieces;
    state.gameOver = false;
    windows.showValue(StatusLabel::GroupSize, " 0");
    windows.showValue(StatusLabel::Score, " " + std::to_string(state.score));
    windows.clearLog();
}

void GameTest::dealKnownBoard(const Rows& rows)
{
    windows.queueDraws(drawsToDeal(rows));
    if (state().level == Level::Nightmare) {
        game.newGame();
    } else {
        if (!state().gameOver)
            windows.answerYesNo(Answer::Yes);
        game.chooseLevel(Level::Nightmare);
    }
    EXPECT_EQ(windows.drawsLeft(), 0U);
    EXPECT_EQ(rowsOf(state()), rows);
    windows.clearLog();
}

void GameTest::removeOnePairAndMarkTheOther()
{
    dealKnownBoard(twoPairBoard);
    game.clickCell(1);
    game.clickCell(2);
    game.clickCell(9);
}

} // namespace gelumpa::test
