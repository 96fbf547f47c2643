// Waiting with a deadline: every wait of the tests of the real binary polls a condition until it
// holds or its time is up, so a slow machine costs time, never a wrong verdict.
#pragma once

#include <chrono>
#include <thread>

namespace e2e {

inline constexpr std::chrono::milliseconds pollInterval{20};

// True as soon as the condition holds; false when it still does not hold at the deadline.
template <typename Condition>
bool waitUntil(std::chrono::milliseconds timeout, Condition&& holds)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (holds())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pollInterval);
    }
}

// For what must not happen: true when the condition holds at every poll of the whole period.
template <typename Condition>
bool holdsThroughout(std::chrono::milliseconds period, Condition&& holds)
{
    const auto end = std::chrono::steady_clock::now() + period;
    for (;;) {
        if (!holds())
            return false;
        if (std::chrono::steady_clock::now() >= end)
            return true;
        std::this_thread::sleep_for(pollInterval);
    }
}

} // namespace e2e
