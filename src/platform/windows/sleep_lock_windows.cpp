#include "platform/windows/sleep_lock_windows.h"

namespace pelimor {

ExecutionStateLock::ExecutionStateLock() : m_previous(SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED)) {}

ExecutionStateLock::~ExecutionStateLock()
{
    if (m_previous == 0)
        return;
    // A previous state without ES_CONTINUOUS was a one-off reset of the idle
    // timers, nothing that lasts: handing it back would leave our lasting
    // request in place. Clearing the lasting flags is the state found then.
    SetThreadExecutionState((m_previous & ES_CONTINUOUS) ? m_previous : ES_CONTINUOUS);
}

std::unique_ptr<SleepLock> acquireSleepLock(const std::string &)
{
    return std::make_unique<ExecutionStateLock>();
}

} // namespace pelimor
