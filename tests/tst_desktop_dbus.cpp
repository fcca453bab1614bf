// What the desktop hears of a burn, on a private session bus: a stand-in
// dock that records the launcher entry's Update signals and a stand-in
// notification service. The window burns on the scripted disc service.
#include "mainwindow/form1.h"
#include "platform/linux/desktop_dbus.h"
#include "testsupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {
const QString appId = QStringLiteral("example.pelimor.IsoBurn");
}

// Records every launcher-entry update on the bus and answers Notify.
class StandInDesktop : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList updates;
    QList<QVariantList> notifications;

public slots:
    void Update(const QString &uri, const QVariantMap &properties)
    {
        QStringList parts;
        for (auto it = properties.begin(); it != properties.end(); ++it)
            parts << it.key() + QLatin1Char('=') + it.value().toString();
        updates << (uri == QStringLiteral("application://") + appId + QStringLiteral(".desktop")
                        ? QString()
                        : uri + QLatin1Char(' ')) +
                       parts.join(QLatin1Char(' '));
    }
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        notifications << QVariantList{app,    replaces, icon, summary, body, actions, hints.value("desktop-entry"),
                                      timeout};
        return uint(notifications.size());
    }
};

class TestDesktopDbus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void burnSignalsAndNotification_data();
    void burnSignalsAndNotification();
    void withoutListenersNothingIsLoggedOrWaitedFor();

private:
    QProcess daemon;
    QString address;
    StandInDesktop standIn;
};

void TestDesktopDbus::initTestCase()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty())
        QSKIP("dbus-daemon is not installed");
    daemon.start(program,
                 {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY(daemon.waitForStarted());
    QVERIFY(daemon.waitForReadyRead(5000));
    address = QString::fromLatin1(daemon.readLine()).trimmed();
    auto listener = QDBusConnection::connectToBus(address, QStringLiteral("listener"));
    QVERIFY(listener.isConnected());
    QVERIFY(listener.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                             QStringLiteral("Update"), &standIn, SLOT(Update(QString, QVariantMap))));
    // A second connection: the bus lets a service go once its connection
    // closes, and the no-listener case closes it.
    auto service = QDBusConnection::connectToBus(address, QStringLiteral("notifications"));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &standIn,
                                   QDBusConnection::ExportAllSlots));
}

void TestDesktopDbus::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("listener"));
    QDBusConnection::disconnectFromBus(QStringLiteral("notifications"));
    QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    daemon.kill();
    daemon.waitForFinished();
}

void TestDesktopDbus::burnSignalsAndNotification_data()
{
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<bool>("erase"); // a used CD-RW, erased after Yes
    const QString done = QStringLiteral("Burn complete"), failed = QStringLiteral("Burn failed");
    QTest::newRow("complete, user elsewhere") << true << false << done << false;
    QTest::newRow("failed, user elsewhere") << false << false << failed << false;
    QTest::newRow("complete, user watching") << true << true << QString() << false;
    QTest::newRow("failed, user watching") << false << true << QString() << false;
    QTest::newRow("erased and complete, user elsewhere") << true << false << done << true;
}

void TestDesktopDbus::burnSignalsAndNotification()
{
    QFETCH(bool, succeeds);
    QFETCH(bool, active);
    QFETCH(QString, summary);
    QFETCH(bool, erase);
    standIn.updates.clear();
    standIn.notifications.clear();

    QTemporaryDir dir;
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    sim.disc.writeSucceeds = succeeds;
    if (erase) {
        sim.disc.recorders[0].reuse = MediaReuse::Erase;
        sim.disc.recorders[0].mediaStatus = {0x4800};
        sim.prompter.answers = {true};
    }
    DBusDesktop desktop(appId, QDBusConnection::connectToBus(address, QStringLiteral("program")));
    Platform platform = sim.platform();
    platform.desktop = &desktop;
    Form1 form(platform);
    form.txtPath->setText(writePatternFile(dir, "debian 12.iso", 8 * 2048));
    QWidget elsewhere;
    elsewhere.show();
    form.show();
    QWidget &focus = active ? static_cast<QWidget &>(form) : elsewhere;
    focus.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&focus));
    form.cmdBurn_Click();
    QCOMPARE(sim.prompter.messages.size(), std::size_t(erase ? 2 : 1));
    if (erase) {
        // The refusal ends the first pass; the burn after the blank shows
        // on the icon again and is told when it completes.
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_COMPARE(standIn.updates.value(standIn.updates.size() - 1), QString("urgent=false"));
        QVERIFY(standIn.updates.contains("progress=0.5 progress-visible=true"));
        QStringList summaries;
        for (const QVariantList &n : standIn.notifications)
            summaries << n[3].toString();
        QCOMPARE(summaries, QStringList({"Burn failed", "Burn complete"}));
        return;
    }

    // The whole run on the icon, cleared at the end; a call for the user
    // only when they are elsewhere, and let go once they come back.
    QStringList expected{"progress=0 progress-visible=true",   "progress=0.25 progress-visible=true",
                         "progress=0.5 progress-visible=true", "progress=0.75 progress-visible=true",
                         "progress=1 progress-visible=true",   "progress=0 progress-visible=false"};
    if (!active) {
        expected << "urgent=true";
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        expected << "urgent=false";
    }
    QTRY_COMPARE(standIn.updates, expected);
    QTest::qWait(100); // nothing more comes
    QCOMPARE(standIn.updates, expected);

    if (summary.isEmpty()) {
        QVERIFY(standIn.notifications.isEmpty());
    } else {
        QCOMPARE(standIn.notifications.size(), 1);
        const QVariantList n = standIn.notifications.front();
        QCOMPARE(n[0].toString(), QStringLiteral("Pelimor ISO Burn"));
        QCOMPARE(n[2].toString(), appId); // the icon, by the name it is installed under
        QCOMPARE(n[3].toString(), summary);
        QCOMPARE(n[4].toString(), QStringLiteral("debian 12.iso on PLEXTOR DVDR PX-716A (E:\\)"));
        QCOMPARE(n[6].toString(), appId);
    }
}

void TestDesktopDbus::withoutListenersNothingIsLoggedOrWaitedFor()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    auto nowhere = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("x"));
    // Neither a dock nor a notification service on the first bus, no bus
    // at all for the second.
    QDBusConnection::disconnectFromBus(QStringLiteral("notifications"));
    QDBusConnection::disconnectFromBus(QStringLiteral("listener"));
    for (const QDBusConnection &bus : {QDBusConnection::connectToBus(address, QStringLiteral("program")), nowhere}) {
        QTemporaryDir dir;
        SimulatedPlatform sim;
        sim.disc.recorders.push_back(cdRecorder("rec0"));
        DBusDesktop desktop(appId, bus);
        Platform platform = sim.platform();
        platform.desktop = &desktop;
        Form1 form(platform);
        form.txtPath->setText(writePatternFile(dir, "a.iso", 8 * 2048));
        QElapsedTimer clock;
        clock.start();
        form.cmdBurn_Click();
        QCOMPARE(sim.prompter.last().title, QStringLiteral("Complete"));
        // No notification service answers; the box did not wait for one.
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QTest::qWait(200);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("x"));
}

QTEST_MAIN(TestDesktopDbus)
#include "tst_desktop_dbus.moc"
