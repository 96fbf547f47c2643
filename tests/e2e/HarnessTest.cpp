// The harness's own watch over the game: an end nobody waited for is a failure of the test,
// with what the sanitizers wrote about it when the game is built with them.
#include "tests/support/GameFixture.h"
#include "tests/support/Waiting.h"

#include <gtest/gtest-spi.h>

#include <csignal>

namespace e2e {
namespace {

// Protects the verdict on a game that dies under a test: without it a crash in the middle of
// a test that waits for nothing more would pass unnoticed. That an end the test waits for is
// no fault, every test that leaves the game proves (the hostile tests' LeavingDuringSound first).
class Harness : public GameFixture {};

TEST_F(Harness, aGameThatDiesWhileTheTestExpectsItToRunFailsTheTestWithTheSanitizersReport)
{
    ASSERT_EQ(::kill(static_cast<pid_t>(game().processId()), SIGSEGV), 0);
    ASSERT_TRUE(waitUntil(shortWait, [this] { return game().hasEnded(); })) << "the game outlived SIGSEGV";
    EXPECT_NONFATAL_FAILURE(game().checkForFaults(), "while the test expected it to run");
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_NE(game().sanitizerReports().find("AddressSanitizer: SEGV"), std::string::npos)
        << "no report in:\n" << game().sanitizerReports();
#endif
}

} // namespace
} // namespace e2e
