// Keeps the computer awake while a disc is written: a suspend in the middle
// of a burn ruins the disc.
//
// The lock is logind's: org.freedesktop.login1.Manager.Inhibit("sleep:idle")
// hands back a file descriptor, and the lock lasts exactly as long as that
// descriptor is open. Where there is no system bus or no logind, the burn
// simply goes on without the lock.
#pragma once

#include "platform/sleeplock.h"

#include <QDBusConnection>
#include <QString>

namespace pelimor {

class SleepInhibitor : public SleepLock {
public:
    // Asks the system bus's logind; `bus` is for tests with their own bus.
    explicit SleepInhibitor(const QString &why);
    SleepInhibitor(const QString &why, const QDBusConnection &bus);
    ~SleepInhibitor() override;
    SleepInhibitor(const SleepInhibitor &) = delete;
    SleepInhibitor &operator=(const SleepInhibitor &) = delete;

    bool isHeld() const override { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace pelimor
