// The rules' fuzz target: every input is a play script, played on a freshly opened game; a
// broken rule stops the process, so that libFuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>

#include <gtest/gtest.h>

#include "tests/fuzz/PlayScript.h"
#include "tests/support/RandomPlayer.h"

namespace {

// The recording windows report a call the rules should never make (a picture store
// outside 1..5, a cell outside the board) as a test failure; here it stops the process,
// so that libFuzzer keeps the input.
class StopOnFailure final : public ::testing::EmptyTestEventListener {
public:
    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        if (!result.failed())
            return;
        std::fprintf(stderr, "\nThe rules misused the windows, %s:%d:\n%s\n", result.file_name(), result.line_number(),
            result.message());
        std::fflush(stderr);
        __builtin_trap();
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
    // GoogleTest's own printer would report the failure a second time; the released printer is ours to delete.
    const std::unique_ptr<::testing::TestEventListener> printer(listeners.Release(listeners.default_result_printer()));
    // GoogleTest owns the listeners it holds and deletes them itself.
    listeners.Append(new StopOnFailure);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    gelumpa::fuzz::PlayScript script(std::span(data, size));
    gelumpa::model::MovePicker moves(gelumpa::fuzz::moveBytes, script.moves());
    gelumpa::test::RandomPlayer player(moves, [&script] { return script.nextDraw(); });
    player.play();
    if (!player.failure().empty()) {
        std::fprintf(stderr, "\n%s\n", player.failure().c_str());
        std::fflush(stderr);
        __builtin_trap();
    }
    return 0;
}
