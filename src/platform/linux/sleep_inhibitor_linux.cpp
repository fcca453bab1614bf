#include "platform/linux/sleep_inhibitor_linux.h"

#include "appinfo.h"

#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace pelimor {
namespace {

// logind answers at once; a bus that does not should not hold up the burn.
constexpr int callTimeoutMs = 2000;

} // namespace

SleepInhibitor::SleepInhibitor(const QString &why) : SleepInhibitor(why, QDBusConnection::systemBus()) {}

SleepInhibitor::SleepInhibitor(const QString &why, const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QString::fromLatin1(app::productName) << why << QStringLiteral("block");
    const QDBusMessage reply = QDBusConnection(bus).call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return;
    const auto descriptor = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    if (!descriptor.isValid())
        return;
    // The reply's descriptor closes with the reply; the lock needs one of
    // its own.
    m_fd = ::fcntl(descriptor.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
}

SleepInhibitor::~SleepInhibitor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::unique_ptr<SleepLock> acquireSleepLock(const std::string &why)
{
    return std::make_unique<SleepInhibitor>(QString::fromStdString(why));
}

} // namespace pelimor
