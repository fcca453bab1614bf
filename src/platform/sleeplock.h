// Keeps the computer from suspending while a disc is written: a suspend in
// the middle of a burn ruins the disc.
//
// Each system has one small RAII class behind this interface (logind's
// inhibitor lock on Linux, the thread's execution state on Windows): taking
// one holds the lock, destroying it gives the lock back and leaves the
// system as it was found. Plain C++, like the disc service.
#pragma once

#include <memory>
#include <string>

namespace pelimor {

class SleepLock {
public:
    virtual ~SleepLock() = default;
    // False where the system offers no lock (no logind, say): the burn goes
    // on without one.
    virtual bool isHeld() const = 0;
};

// `why` (UTF-8) is shown where the system lists who holds a lock.
std::unique_ptr<SleepLock> acquireSleepLock(const std::string &why);

} // namespace pelimor
