// How a burn's state becomes the writer's progress report: libburn's drive
// status as a write action, and the total time as a steady estimate.
#pragma once

#include "platform/discservice.h"

#include <libburn/libburn.h>

#include <chrono>
#include <cstdint>
#include <deque>

namespace pelimor::libburn {

// The write action (validating, initializing, ... verifying) that shows
// what the drive is doing in libburn's status.
WriteAction writeActionFor(burn::burn_drive_status status);

// Estimates the whole run's length from the recent rate of work: the work
// done in the last fifteen seconds or so, so one slow or fast moment moves
// the estimate a little and a lasting change of speed moves it gradually.
// The estimate is never below the time already spent.
class TotalTimeEstimate {
public:
    // elapsed: seconds since the run began; done and total: units of work
    // (sectors written plus sectors verified). Returns whole seconds.
    int update(double elapsedSeconds, std::int64_t done, std::int64_t total);

private:
    struct Sample {
        double seconds;
        std::int64_t done;
    };
    std::deque<Sample> m_window;
    int m_last = 0;
};

// Seconds since the run began, on the monotonic clock.
class RunClock {
public:
    RunClock() : m_start(std::chrono::steady_clock::now()) {}
    double seconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count(); }
    int wholeSeconds() const { return static_cast<int>(seconds()); }

private:
    std::chrono::steady_clock::time_point m_start;
};

} // namespace pelimor::libburn
