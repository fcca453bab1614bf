// The suspend lock held during a burn, against a stand-in for logind on a
// private bus: what it asks for, that the lock lasts exactly as long as the
// inhibitor, and that without a bus the burn simply goes on.
#include "platform/linux/sleep_inhibitor_linux.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

#include <poll.h>
#include <unistd.h>

#include <mutex>

using namespace pelimor;

// Answers Inhibit like logind: with one end of a pipe. The lock is held
// while anyone keeps the write end open, which the test sees on the read
// end.
class FakeLogind : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    ~FakeLogind() override
    {
        if (readEnd >= 0)
            ::close(readEnd);
    }
    QStringList lastCall() const
    {
        std::lock_guard lock(mutex);
        return call;
    }
    int readEndFd() const
    {
        std::lock_guard lock(mutex);
        return readEnd;
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why, const QString &mode)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return {};
        {
            std::lock_guard lock(mutex);
            call = {what, who, why, mode};
            if (readEnd >= 0)
                ::close(readEnd);
            readEnd = fds[0];
        }
        QDBusUnixFileDescriptor reply(fds[1]); // keeps a copy of its own
        ::close(fds[1]);
        return reply;
    }

private:
    mutable std::mutex mutex;
    QStringList call;
    int readEnd = -1;
};

namespace {

// True once every copy of the lock's descriptor has been closed.
bool lockReleased(int readEnd)
{
    pollfd p{readEnd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1 && (p.revents & POLLHUP);
}

} // namespace

class TestLibburnSleepInhibitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void holdsALogindLockForItsLifetime();
    void withoutABusTheBurnGoesOn();

private:
    QProcess daemon;
    QThread serviceThread;
    FakeLogind *logind = nullptr;
    QString address;
};

void TestLibburnSleepInhibitor::initTestCase()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty())
        QSKIP("dbus-daemon is not installed");
    daemon.start(program,
                 {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY(daemon.waitForStarted());
    QVERIFY(daemon.waitForReadyRead(5000));
    address = QString::fromLatin1(daemon.readLine()).trimmed();
    QVERIFY(!address.isEmpty());

    // logind's side runs on a thread of its own: the inhibitor's call blocks
    // this one until the answer comes.
    auto service = QDBusConnection::connectToBus(address, QStringLiteral("logind"));
    QVERIFY(service.isConnected());
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.login1")));
    logind = new FakeLogind;
    logind->moveToThread(&serviceThread);
    serviceThread.start();
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/login1"), logind, QDBusConnection::ExportAllSlots));
}

void TestLibburnSleepInhibitor::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    serviceThread.quit();
    serviceThread.wait();
    delete logind;
    daemon.kill();
    daemon.waitForFinished();
}

void TestLibburnSleepInhibitor::holdsALogindLockForItsLifetime()
{
    auto client = QDBusConnection::connectToBus(address, QStringLiteral("client"));
    QVERIFY(client.isConnected());
    if (!(client.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing))
        QSKIP("the bus cannot pass file descriptors");

    {
        SleepInhibitor inhibitor(QStringLiteral("Writing a disc"), client);
        QVERIFY(inhibitor.isHeld());
        QCOMPARE(logind->lastCall(), (QStringList{QStringLiteral("sleep:idle"), QStringLiteral("Pelimor ISO Burn"),
                                                  QStringLiteral("Writing a disc"), QStringLiteral("block")}));
        QVERIFY(logind->readEndFd() >= 0);
        // The reply's own copy is gone by now; only the inhibitor holds the
        // lock.
        QTest::qWait(50);
        QVERIFY(!lockReleased(logind->readEndFd()));
    }
    QVERIFY(lockReleased(logind->readEndFd()));
}

void TestLibburnSleepInhibitor::withoutABusTheBurnGoesOn()
{
    auto nowhere = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("x"));
    QVERIFY(!nowhere.isConnected());
    QElapsedTimer clock;
    clock.start();
    SleepInhibitor inhibitor(QStringLiteral("Writing a disc"), nowhere);
    QVERIFY(!inhibitor.isHeld());
    // Far from D-Bus's 25-second call timeout, and far from a loaded machine's
    // slowest answer.
    QVERIFY(clock.elapsed() < 10000);
    QDBusConnection::disconnectFromBus(QStringLiteral("x"));
}

QTEST_MAIN(TestLibburnSleepInhibitor)
#include "tst_libburn_sleep_inhibitor.moc"
