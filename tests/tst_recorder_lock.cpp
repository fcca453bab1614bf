// The lock two copies of the program share on one recorder: the second
// window is refused at once while the first burns, without touching the
// drive, and the lock names a device however its path is spelled.
#include "mainwindow/form1.h"
#include "platform/linux/recorder_lock_linux.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

#include <sys/stat.h>

using namespace pelimor;
using namespace pelimor::test;

class TestRecorderLock : public QObject {
    Q_OBJECT
private slots:
    void secondWindowOnTheRecorderIsRefusedAtOnce();
    void oneLockPerDeviceAndUser();
};

void TestRecorderLock::secondWindowOnTheRecorderIsRefusedAtOnce()
{
    QTemporaryDir dir;
    FlockRecorderLocks locks(dir.filePath("locks").toStdString());
    SimulatedPlatform first, second;
    for (SimulatedPlatform *sim : {&first, &second})
        sim->disc.recorders.push_back(cdRecorder("rec0"));
    Platform p1 = first.platform(), p2 = second.platform();
    p1.recorderLocks = p2.recorderLocks = &locks;
    Form1 one(p1), two(p2);
    const QString image = writePatternFile(dir, "a.iso", 64 * 2048);
    one.txtPath->setText(image);
    two.txtPath->setText(image);

    int pressed = 0;
    first.disc.duringWrite = [&](const WriteProgress &) {
        if (pressed++ == 2)
            two.cmdBurn_Click();
    };
    one.cmdBurn_Click();
    QCOMPARE(first.prompter.last().title, QString("Complete"));
    QCOMPARE(second.prompter.messages.size(), std::size_t(1));
    QCOMPARE(second.prompter.last().title, QString("Burn failed"));
    QVERIFY2(second.prompter.last().prompt.contains("another Pelimor ISO Burn window"),
             qPrintable(second.prompter.last().prompt));
    // The second window never reached for the drive.
    QCOMPARE(second.disc.count("CreateDiscRecorder"), 1); // the drive list's only
    QCOMPARE(second.disc.writersCreated, 0);
    // Once the first has ended the recorder is free again.
    two.cmdBurn_Click();
    QCOMPARE(second.prompter.last().title, QString("Complete"));
}

void TestRecorderLock::oneLockPerDeviceAndUser()
{
    QTemporaryDir dir;
    // A link to a device is that device (/dev/cdrom and /dev/sr0).
    QVERIFY(QFile::link("/dev/null", dir.filePath("cdrom")));
    QCOMPARE(FlockRecorderLocks::lockName(dir.filePath("cdrom").toStdString()),
             FlockRecorderLocks::lockName("/dev/null"));
    QVERIFY(FlockRecorderLocks::lockName("/dev/null") != FlockRecorderLocks::lockName("/dev/zero"));

    FlockRecorderLocks locks(dir.filePath("locks").toStdString());
    auto held = locks.tryLock("/dev/null");
    QVERIFY(held);
    QVERIFY(!locks.tryLock(dir.filePath("cdrom").toStdString()));
    held.reset();
    QVERIFY(locks.tryLock("/dev/null"));

    // A folder others may write to could hold a lock file anyone replaces:
    // it is not used, and the burn goes on unlocked rather than refused.
    const QString open = dir.filePath("open");
    QVERIFY(QDir().mkdir(open));
    QVERIFY(::chmod(open.toLocal8Bit().constData(), 0777) == 0);
    FlockRecorderLocks shared(open.toStdString());
    auto a = shared.tryLock("/dev/null");
    auto b = shared.tryLock("/dev/null");
    QVERIFY(a && b);
    QVERIFY(QDir(open).isEmpty());
}

QTEST_MAIN(TestRecorderLock)
#include "tst_recorder_lock.moc"
