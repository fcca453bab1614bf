// The suspend locks held during a burn, against a stand-in for logind on a
// private bus: what they ask for, that the locks last exactly as long as the
// inhibitor, that a refused lid-switch lock leaves the sleep lock, and that
// without a bus the burn simply goes on.
#include "platform/linux/sleep_inhibitor_linux.h"

#include <QDBusConnection>
#include <QDBusContext>
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

// Answers Inhibit like logind: with one end of a pipe per lock, or with
// an error for the kind of lock its policy refuses. A lock is held while
// anyone keeps the write end open, which the test sees on the read end.
class FakeLogind : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    ~FakeLogind() override { reset({}); }
    void reset(const QString &refuse)
    {
        std::lock_guard lock(mutex);
        for (int fd : std::as_const(readEnds))
            ::close(fd);
        readEnds.clear();
        calls.clear();
        refused = refuse;
    }
    QList<QStringList> allCalls() const
    {
        std::lock_guard lock(mutex);
        return calls;
    }
    int readEndFd(const QString &what) const
    {
        std::lock_guard lock(mutex);
        return readEnds.value(what, -1);
    }

public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why, const QString &mode)
    {
        int fds[2];
        {
            std::lock_guard lock(mutex);
            calls.append({what, who, why, mode});
            if (what == refused) {
                sendErrorReply(QDBusError::AccessDenied, QStringLiteral("Permission denied"));
                return {};
            }
            if (::pipe(fds) != 0)
                return {};
            readEnds.insert(what, fds[0]);
        }
        QDBusUnixFileDescriptor reply(fds[1]); // keeps a copy of its own
        ::close(fds[1]);
        return reply;
    }

private:
    mutable std::mutex mutex;
    QList<QStringList> calls;
    QMap<QString, int> readEnds;
    QString refused;
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
    void holdsLogindLocksForItsLifetime_data();
    void holdsLogindLocksForItsLifetime();
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

void TestLibburnSleepInhibitor::holdsLogindLocksForItsLifetime_data()
{
    QTest::addColumn<QString>("refused");
    QTest::newRow("both locks granted") << QString();
    // logind lets a closed lid suspend in spite of a sleep lock; a policy
    // that refuses the lid lock must not cost the sleep lock.
    QTest::newRow("lid-switch lock refused") << QStringLiteral("handle-lid-switch");
}

void TestLibburnSleepInhibitor::holdsLogindLocksForItsLifetime()
{
    QFETCH(QString, refused);
    auto client = QDBusConnection::connectToBus(address, QStringLiteral("client"));
    QVERIFY(client.isConnected());
    if (!(client.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing))
        QSKIP("the bus cannot pass file descriptors");
    logind->reset(refused);
    const QString sleep = QStringLiteral("sleep:idle");
    const QString lid = QStringLiteral("handle-lid-switch");

    {
        SleepInhibitor inhibitor(QStringLiteral("Writing a disc"), client);
        QVERIFY(inhibitor.isHeld());
        QCOMPARE(inhibitor.holdsLidSwitch(), refused.isEmpty());
        const auto call = [](const QString &what) {
            return QStringList{what, QStringLiteral("Pelimor ISO Burn"), QStringLiteral("Writing a disc"),
                               QStringLiteral("block")};
        };
        QCOMPARE(logind->allCalls(), (QList<QStringList>{call(sleep), call(lid)}));
        QVERIFY(logind->readEndFd(sleep) >= 0);
        QCOMPARE(logind->readEndFd(lid) >= 0, refused.isEmpty());
        // The replies' own copies are gone by now; only the inhibitor holds
        // the locks.
        QTest::qWait(50);
        QVERIFY(!lockReleased(logind->readEndFd(sleep)));
        if (refused.isEmpty())
            QVERIFY(!lockReleased(logind->readEndFd(lid)));
    }
    QVERIFY(lockReleased(logind->readEndFd(sleep)));
    if (refused.isEmpty())
        QVERIFY(lockReleased(logind->readEndFd(lid)));
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
