// A burn on the real libburn service that cannot go on: the image lies on
// a share that stops answering (a FUSE file system that hangs on purpose,
// tests/helpers/stallfs.cpp), or the recorder takes seconds to be ready.
// Closing the window stops the burn within seconds; the window keeps
// answering while the recorder is taken.
#include "mainwindow/form1.h"
#include "platform/linux/libburn_disc_service.h"
#include "platform/linux/libburn_library.h"
#include "testsupport.h"
#include "virtualrecorderwindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

using Bench = VirtualRecorderWindow;

// A FUSE file system that stops answering (tests/helpers/stallfs.cpp): an
// image whose reads hang from a given byte on, and a folder that answers
// only after a spin-up time. Killed, and its mount dropped, at the end.
struct StallFs {
    StallFs(qint64 size, qint64 stallAt, int spinUpMs, const QString &pass)
    {
        mount = dir.filePath(QStringLiteral("mnt"));
        QDir().mkpath(mount);
        process.start(QStringLiteral(PELIMOR_STALLFS),
                      {mount, QString::number(size), QString::number(stallAt), QString::number(spinUpMs), pass});
        for (int i = 0; i < 50 && !ready; ++i) {
            QTest::qWait(100);
            ready = QFileInfo::exists(mount + QStringLiteral("/image.iso"));
        }
    }
    ~StallFs()
    {
        process.kill();
        process.waitForFinished(3000);
        // Usually gone with the process already (auto_unmount).
        QProcess unmount;
        unmount.start(QStringLiteral("fusermount3"), {QStringLiteral("-u"), QStringLiteral("-z"), mount});
        unmount.waitForFinished(3000);
    }
    QTemporaryDir dir;
    QString mount;
    QProcess process;
    bool ready = false;
};

} // namespace

class TestLibburnStop : public QObject {
    Q_OBJECT
private slots:
    void init();

    void aStalledBurnStopsWithinSecondsWhenTheWindowIsClosed_data();
    void aStalledBurnStopsWithinSecondsWhenTheWindowIsClosed();
    void theWindowKeepsRepaintingWhileTheRecorderIsTaken();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString target;
};

void TestLibburnStop::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    target = dir->filePath(QStringLiteral("target.iso"));
}

#define REQUIRE_STALLFS(fs)                                                                                            \
    do {                                                                                                               \
        if (QStringLiteral(PELIMOR_STALLFS).isEmpty())                                                                 \
            QSKIP("FUSE 3 was not found when the tests were built");                                                   \
        if (!(fs).ready)                                                                                               \
            QSKIP("this machine cannot mount a FUSE file system");                                                     \
    } while (false)

// An image on a share that stops answering, once while it is written and
// once while it is read again for the verification: closing the window and
// answering Yes stops the burn within seconds, lets go of the recorder and
// closes the window after one "Burn failed" box.
void TestLibburnStop::aStalledBurnStopsWithinSecondsWhenTheWindowIsClosed_data()
{
    QTest::addColumn<QString>("pass");
    QTest::newRow("image stalls while writing") << "write";
    QTest::newRow("image stalls while verifying") << "verify";
}

void TestLibburnStop::aStalledBurnStopsWithinSecondsWhenTheWindowIsClosed()
{
    QFETCH(QString, pass);
    const qint64 size = 8 << 20;
    StallFs fs(size, pass == "write" ? 6 << 20 : 2 << 20, 0, pass);
    REQUIRE_STALLFS(fs);
    Bench bench(target);
    bench.form->show();
    bench.prompter.answers = {true};

    QElapsedTimer stalledFor, sinceClose;
    qint64 stopMs = -1;
    bool heldAtBox = true;
    QTimer watcher;
    watcher.setInterval(50);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (sinceClose.isValid())
            return;
        if (pass == "verify" && !bench.form->txtStatus->text().startsWith(QStringLiteral("Verifying the data.")))
            return;
        if (!stalledFor.isValid())
            stalledFor.start();
        if (stalledFor.elapsed() < 1500) // the reader has hung for a while
            return;
        sinceClose.start();
        QVERIFY(!bench.form->close());
    });
    bench.prompter.onMessage = [&](const Message &) {
        stopMs = sinceClose.isValid() ? sinceClose.elapsed() : -1;
        heldAtBox = libburn::holdsAnyAddress();
    };
    watcher.start();
    bench.burn(fs.mount + QStringLiteral("/image.iso"));

    QCOMPARE(bench.prompter.questions.size(), std::size_t(1));
    QCOMPARE(bench.prompter.messages.size(), std::size_t(1));
    QCOMPARE(bench.prompter.last().title, QStringLiteral("Burn failed"));
    QVERIFY2(bench.prompter.last().prompt.contains(QStringLiteral("stopped")),
             qPrintable(bench.prompter.last().prompt));
    qInfo("stopped %lld ms after the window was closed", stopMs);
    QVERIFY2(stopMs >= 0 && stopMs < 5000, qPrintable(QString::number(stopMs)));
    QVERIFY(!heldAtBox);
    QVERIFY(!bench.statuses.contains(QStringLiteral("Completed the burn.")));
    QCOMPARE(bench.statuses.contains(QStringLiteral("Verifying the data.")), pass == "verify");
    QVERIFY(!bench.form->isVisible());
}

// Taking the recorder may wait for a disc to spin up (here: a folder that
// answers after 1.5 s); meanwhile the window keeps handling events and the
// status line says what is happening.
void TestLibburnStop::theWindowKeepsRepaintingWhileTheRecorderIsTaken()
{
    StallFs fs(2048, 1 << 30, 1500, "write");
    REQUIRE_STALLFS(fs);
    const QString image = writePatternFile(*dir, QStringLiteral("image.iso"), 2048);
    Bench bench(fs.mount + QStringLiteral("/slow/target.iso"));
    bench.form->show();

    QElapsedTimer phase, sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(20);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (bench.form->txtStatus->text() != QStringLiteral("Initializing Hardware ")) {
            sinceTick.invalidate();
            return;
        }
        if (!phase.isValid())
            phase.start();
        if (sinceTick.isValid())
            longestGap = std::max(longestGap, sinceTick.elapsed());
        sinceTick.start();
    });
    ticker.start();
    bench.burn(image);

    QVERIFY(phase.isValid());
    qInfo("the recorder was taken in %lld ms; longest pause of the window %lld ms", phase.elapsed(), longestGap);
    QVERIFY2(phase.elapsed() >= 1400, qPrintable(QString::number(phase.elapsed())));
    QVERIFY2(longestGap < 400, qPrintable(QString::number(longestGap)));
    QCOMPARE(bench.prompter.messages.size(), std::size_t(1)); // whatever the read-only share made of the burn
}

QTEST_MAIN(TestLibburnStop)
#include "tst_libburn_stop.moc"
