// Keeps two copies of the program from burning on one recorder at once.
//
// Opening one image twice from the file manager gives two windows on one
// drive. Without a word between them, the second Burn waits for the drive
// the first is writing and then blames the disc. A lock per user and
// recorder, which every copy of the program sees and which the system
// gives back when the process ends (even by a crash), lets the second say
// at once what is going on. Plain C++, like the disc service.
#pragma once

#include <memory>
#include <string>

namespace pelimor {

// Held for as long as it lives.
class RecorderLock {
public:
    virtual ~RecorderLock() = default;
};

class RecorderLocks {
public:
    virtual ~RecorderLocks() = default;
    // The lock on the recorder the service names `recorderId`, or nothing
    // when another copy of the program holds it. Where the system cannot
    // keep a lock at all, the lock returned holds nothing and the burn goes
    // on as it would without one.
    virtual std::unique_ptr<RecorderLock> tryLock(const std::string &recorderId) = 0;
};

// This system's locks (defined in its folder under platform/).
std::unique_ptr<RecorderLocks> createDefaultRecorderLocks();

} // namespace pelimor
