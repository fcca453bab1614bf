#include "platform/linux/sleep_inhibitor_linux.h"

#include "appinfo.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace pelimor {
namespace {

// logind answers at once; a bus that does not should not hold up the burn.
constexpr int callTimeoutMs = 2000;

// A logind lock on `what`, or -1.
int inhibit(const QDBusConnection &bus, const QString &what, const QString &why)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << what << QString::fromLatin1(app::productName) << why << QStringLiteral("block");
    const QDBusMessage reply = QDBusConnection(bus).call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return -1;
    const auto descriptor = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    if (!descriptor.isValid())
        return -1;
    // The reply's descriptor closes with the reply; the lock needs one of
    // its own.
    return ::fcntl(descriptor.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
}

} // namespace

SleepInhibitor::SleepInhibitor(const QString &why) : SleepInhibitor(why, QDBusConnection::systemBus()) {}

SleepInhibitor::SleepInhibitor(const QString &why, const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return;
    m_sleepFd = inhibit(bus, QStringLiteral("sleep:idle"), why);
    m_lidFd = inhibit(bus, QStringLiteral("handle-lid-switch"), why);
}

SleepInhibitor::~SleepInhibitor()
{
    for (int fd : {m_sleepFd, m_lidFd}) {
        if (fd >= 0)
            ::close(fd);
    }
}

std::unique_ptr<SleepLock> acquireSleepLock(const std::string &why)
{
    return std::make_unique<SleepInhibitor>(QCoreApplication::translate("pelimor::SleepInhibitor", why.c_str()));
}

} // namespace pelimor
