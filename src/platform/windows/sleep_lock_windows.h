// The sleep lock on Windows: the thread's execution state asks for the
// system (not the display) to stay awake, and the state found before is put
// back when the lock ends, so a caller's own request survives a burn.
#pragma once

#include "platform/sleeplock.h"

#include <windows.h>

namespace pelimor {

class ExecutionStateLock : public SleepLock {
public:
    ExecutionStateLock();
    ~ExecutionStateLock() override;
    ExecutionStateLock(const ExecutionStateLock &) = delete;
    ExecutionStateLock &operator=(const ExecutionStateLock &) = delete;

    bool isHeld() const override { return m_previous != 0; }

private:
    // 0 when the request failed and there is nothing to restore.
    EXECUTION_STATE m_previous = 0;
};

} // namespace pelimor
