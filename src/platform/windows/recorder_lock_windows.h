// The recorder lock on Windows: a named mutex in the session's namespace
// (Local\), one name per recorder. The object lives while any handle to it
// is open, and Windows closes a process's handles when it ends, however it
// ends; the lock is whether the name exists. Two windows of one process
// see each other's lock as well.
#pragma once

#include "platform/recorder_lock.h"

#include <string>

namespace pelimor {

class MutexRecorderLocks : public RecorderLocks {
public:
    std::unique_ptr<RecorderLock> tryLock(const std::string &recorderId) override;

    // The object's name: recorder identifiers hold backslashes, which a
    // kernel object's name may not.
    static std::wstring objectName(const std::string &recorderId);
};

} // namespace pelimor
