// Keeps the computer awake while a disc is written: a suspend in the middle
// of a burn ruins the disc.
//
// The lock is logind's: org.freedesktop.login1.Manager.Inhibit("sleep:idle")
// hands back a file descriptor, and the lock lasts exactly as long as that
// descriptor is open. logind lets a closed laptop lid suspend the computer
// in spite of a sleep lock, so a second lock holds off the lid switch; it
// is asked for on its own, since a policy may allow one and not the other.
// Where there is no system bus or no logind, the burn simply goes on
// without the locks.
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

    bool isHeld() const override { return m_sleepFd >= 0; }
    bool holdsLidSwitch() const { return m_lidFd >= 0; }

private:
    int m_sleepFd = -1;
    int m_lidFd = -1;
};

} // namespace pelimor
