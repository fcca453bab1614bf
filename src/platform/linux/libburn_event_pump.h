// Waiting without freezing the window: libburn's long calls (a write, a
// format, taking a drive) run on threads while the caller's event loop keeps
// turning, so the window repaints and answers and progress arrives on the
// caller's thread.
#pragma once

#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <optional>
#include <thread>

namespace pelimor::libburn {

// Turns the caller's event loop until done() holds, calling tick() every
// interval. False when the loop was ended from outside (the application is
// quitting) first. An exception from tick() ends the wait and is rethrown
// here, never through Qt's event loop.
bool pumpUntil(const std::function<bool()> &done, const std::function<void()> &tick,
               std::chrono::milliseconds interval = std::chrono::milliseconds(100));

// Runs `work` on a thread of its own while the caller's event loop keeps
// turning, and hands back its result or exception. Waits for the thread
// even when the loop is ended from outside: `work` owns nothing of the
// caller's that may go away.
template <typename Work> auto keepingEventsAlive(Work work) -> decltype(work())
{
    std::optional<decltype(work())> result;
    std::exception_ptr error;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        try {
            result.emplace(work());
        } catch (...) {
            error = std::current_exception();
        }
        done = true;
    });
    pumpUntil([&] { return done.load(); }, [] {}, std::chrono::milliseconds(20));
    worker.join();
    if (error)
        std::rethrow_exception(error);
    return std::move(*result);
}

} // namespace pelimor::libburn
