#include "platform/linux/desktop_dbus.h"

#include "appinfo.h"
#include "platform/defaults.h"
#include "platform/log.h"

#include <QDBusMessage>

#include <algorithm>

namespace pelimor {
namespace {

// Where the launcher entry's signals come from; the docks listen to the
// interface, not the path, but a path must be a valid object path.
QString launcherPath(const QString &appId)
{
    QString path = QStringLiteral("/com/canonical/unity/launcherentry/");
    for (const QChar c : appId)
        path += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    return path;
}

} // namespace

DBusDesktop::DBusDesktop(const QString &appId) : DBusDesktop(appId, QDBusConnection::sessionBus()) {}

DBusDesktop::DBusDesktop(const QString &appId, const QDBusConnection &bus) : m_appId(appId), m_bus(bus) {}

void DBusDesktop::update(const QVariantMap &properties)
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        launcherPath(m_appId), QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    signal << appUri() << properties;
    m_bus.send(signal);
}

void DBusDesktop::showProgress(QWidget &, Progress state, double share)
{
    // The launcher entry knows no error state: a failed burn clears its
    // progress like a finished one, and the box says what happened.
    const bool visible = state == Progress::Normal;
    const QVariantMap properties{{QStringLiteral("progress"), visible ? std::clamp(share, 0.0, 1.0) : 0.0},
                                 {QStringLiteral("progress-visible"), visible}};
    if (properties == m_lastProgress)
        return;
    m_lastProgress = properties;
    update(properties);
}

void DBusDesktop::setUrgent(QWidget &, bool urgent)
{
    update({{QStringLiteral("urgent"), urgent}});
}

void DBusDesktop::notify(QWidget &, const QString &summary, const QString &body)
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The desktop entry ties the notification to the program (its name and
    // icon in the notification list).
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_appId}};
    call << QString::fromLatin1(app::productName) << 0u << m_appId << summary << body << QStringList() << hints << -1;
    // Sent without waiting for the answer: the box beside it is what the
    // user must see, and it must not wait on a missing service.
    call.setAutoStartService(true);
    if (!m_bus.send(call))
        qCInfo(lcWindow) << "no notification sent:" << m_bus.lastError().message();
}

std::unique_ptr<Desktop> createDefaultDesktop(const std::string &appId)
{
    return std::make_unique<DBusDesktop>(QString::fromStdString(appId));
}

} // namespace pelimor
