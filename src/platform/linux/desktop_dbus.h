// The Linux desktop over the session bus.
//
// Progress goes out as the launcher entry's Update signal
// (com.canonical.Unity.LauncherEntry), which the docks of KDE Plasma, Ubuntu
// and Dash to Dock show on the program's icon; it names the program by its
// desktop entry, application://<app id>.desktop. The notification is a call
// to org.freedesktop.Notifications that is never waited for: a desktop
// without a notification service must not hold up the window.
#pragma once

#include "platform/desktop.h"

#include <QDBusConnection>
#include <QVariantMap>

namespace pelimor {

class DBusDesktop : public Desktop {
public:
    // `bus` is for tests with a bus of their own.
    explicit DBusDesktop(const QString &appId);
    DBusDesktop(const QString &appId, const QDBusConnection &bus);

    void showProgress(QWidget &window, Progress state, double share) override;
    void setUrgent(QWidget &window, bool urgent) override;
    void notify(QWidget &window, const QString &summary, const QString &body) override;

    QString appUri() const { return QStringLiteral("application://") + m_appId + QStringLiteral(".desktop"); }

private:
    void update(const QVariantMap &properties);

    QString m_appId;
    QDBusConnection m_bus;
    QVariantMap m_lastProgress;
};

} // namespace pelimor
