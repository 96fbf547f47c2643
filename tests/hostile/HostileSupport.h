// What the hostile-environment tests share: the click a sound must not hold up, and the way out
// they all end with.
#pragma once

#include "tests/support/GameUnderTest.h"
#include "tests/support/VirtualDesktop.h"
#include "tests/support/Waiting.h"


#include <chrono>

namespace e2e {

// A click's highlight must show this soon, screenshot included, or a sound call kept the
// window waiting.
inline constexpr std::chrono::milliseconds highlightDeadline{2000};

// Call these through ASSERT_NO_FATAL_FAILURE.
// Clicks the cell and checks that its group shows marked within the highlight deadline.
void markPromptly(GameUnderTest& game, const Board& board, int cell);
// Answers the exit question, once asked, with OK.
void confirmExit(GameUnderTest& game, const VirtualDesktop& desktop);
// Checks that the game ends, without a crash, with status 0.
void expectExitWithStatusZero(GameUnderTest& game, const VirtualDesktop& desktop);
// The exit command, its question answered OK, and the end with status 0.
void leaveWithStatusZero(GameUnderTest& game, const VirtualDesktop& desktop);

} // namespace e2e
