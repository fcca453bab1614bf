// The window on the real libburn service against a real MMC recorder: tgt's
// emulated DVD writer at /dev/sr0, inside the QEMU guest that
// scripts/test-drive.sh boots. Outside that guest every test skips.
//
// Adding a case: append a row to burnCases(). A row names the disc to put in
// the drive before the window loads (setup, through target.sh: insert a
// disc, open the tray, ...), an optional action once the write has passed
// 10 % (midBurn: kill tgtd, ...), whether eject is checked, the one box the
// user must see, what must become of the disc, and whether the user closes
// the window at 10 % and stops the burn. Rows run in table order; a row
// that kills tgtd gets it back before the next row (target.sh revive).
// New drive controls go into tests/drive/target.sh.
// Run one row from the host:
//     scripts/test-drive.sh --only 'burn:<row name>'
#include "drive_controls.h"
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "media_rows.h"
#include "platform/linux/libburn_disc_service.h"
#include "second_copy.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

const std::vector<BurnCase> &burnCases()
{
    using D = DiscAfter;
    const QString complete = QStringLiteral("Complete"), failed = QStringLiteral("Burn failed");
    static const std::vector<BurnCase> cases{
        {"blank DVD+R, eject checked", insertBlank(firstDisc()), {}, true, complete, D::HoldsImage},
        {"closed disc", insertWrittenDisc, {}, false, QStringLiteral("Media status - 16384"), D::Unchanged},
        // tgt keeps the disc of an open tray and loads it again: Burn closes
        // the tray and then looks at the disc.
        {"open tray holding a closed disc",
         inOpenTray(insertWrittenDisc),
         {},
         true,
         QStringLiteral("Media status - 16384"),
         D::Unchanged},
        // The disc file lives on an 8 MB file system: tgt fails the write
        // beyond it, as a bad spot on a real disc fails it.
        {"write error", drive("cramped", "8"), {}, true, failed, D::Any},
        // tgtd killed: the iSCSI session gives the drive up after 5 s, as a
        // pulled USB drive is gone.
        {"drive vanishes mid-burn", insertBlank("vanish.img"), drive("kill"), true, failed, D::Any},
        {"open tray holding a blank DVD+R", inOpenTray(insertBlank("tray.img")), {}, false, complete, D::HoldsImage},
        // Without the eject the disc is reloaded after the burn, or the
        // system goes on seeing the blank disc.
        {"eject cleared: the system reads the new disc",
         insertBlank("kept.img"),
         {},
         false,
         complete,
         D::SystemSeesImage},
        // One sector more than the blank disc's free space: refused before
        // anything is written, with two different figures.
        {"image one sector too large",
         insertBlank("full.img"),
         {},
         false,
         QStringLiteral("Disc too small"),
         D::Unchanged,
         sparseImage("large.iso", blankDvdPlusRSectors + 1)},
        // The user closes the window and answers Yes: the write is cancelled.
        {"stopped by the user mid-burn", insertBlank("stop.img"), {}, false, failed, D::Any, {}, true},
    };
    return cases;
}

struct Outcome {
    std::vector<Message> messages;
    std::vector<Message> questions;
    QStringList statuses;
    bool burning = false;
    bool burnEnabled = false;
    bool midBurnRan = false;
    bool trayFreeAtBox = false; // the tray could be opened while the box was up
    qint64 stopMs = -1;         // from closing the window to the box
    bool windowOpen = true;
};

} // namespace

class TestEmulatedDrive : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void driveListHoldsTheEmulatedDrive();
    void burn_data();
    void burn();
    void driveHeldByAnotherProgramWhenTheWindowLoads();
    void secondCopyOnTheDriveWhileTheFirstWrites();
    // The second copy's side of the row above; skips unless that row
    // started this program as its second copy.
    void secondCopy();
    void media_data();
    void media();

    void init() { targetErrors.clear(); }

private:
    Outcome burnAndWait(const BurnCase &c);
};

void TestEmulatedDrive::initTestCase()
{
    // The cases drive tgt and kill processes: never on a desktop's real drive.
    QFile cmdline(QStringLiteral("/proc/cmdline"));
    if (!cmdline.open(QIODevice::ReadOnly) || !cmdline.readAll().contains("pelimor.work=") ||
        env("PELIMOR_EMULATED_DRIVE_WORK").isEmpty())
        QSKIP("runs only inside the emulated-drive guest; scripts/test-drive.sh boots it");
}

void TestEmulatedDrive::driveListHoldsTheEmulatedDrive()
{
    target({QStringLiteral("insert"), blankDisc(workPath(QStringLiteral("list.img")))});
    QVERIFY2(targetErrors.isEmpty(), qPrintable(targetErrors));
    LibburnDiscService service;
    RecordingPrompter prompter;
    Form1 form(Platform{&service, &prompter, nullptr, nullptr, nullptr});

    QCOMPARE(form.ListView1->topLevelItemCount(), 1);
    const QTreeWidgetItem *row = form.ListView1->topLevelItem(0);
    QCOMPARE(row->text(0), QStringLiteral("/dev/sr0"));
    QCOMPARE(row->text(1), env("PELIMOR_DRIVE_VENDOR"));
    QCOMPARE(row->text(2), env("PELIMOR_DRIVE_PRODUCT"));
    QCOMPARE(row->text(3), env("PELIMOR_DRIVE_REVISION"));
    QCOMPARE(row->text(4), QStringLiteral("/dev/sr0"));
    QCOMPARE(row->text(5), QStringLiteral("yes"));
    QVERIFY(prompter.messages.empty());
}

// Loads a window, burns the image with it and returns once the burn command
// has ended, with everything the user saw on the way.
Outcome TestEmulatedDrive::burnAndWait(const BurnCase &c)
{
    LibburnDiscService service;
    RecordingPrompter prompter;
    Form1 form(Platform{&service, &prompter, nullptr, nullptr, nullptr});
    Outcome out;
    QElapsedTimer sinceClose;
    // The probe opens and closes the tray: not where the drive is gone (the
    // rows' mid-burn actions take it away), nor where the row checks that
    // the program itself made the system read the new disc.
    const bool probeTray = !c.midBurn && c.after != DiscAfter::SystemSeesImage;
    prompter.onMessage = [&](const Message &) {
        out.stopMs = sinceClose.isValid() ? sinceClose.elapsed() : -1;
        out.trayFreeAtBox = !probeTray || trayOpensNow();
    };
    QObject::connect(form.txtStatus, &QLineEdit::textChanged, [&](const QString &text) {
        out.statuses << text;
        if ((c.midBurn || c.stopMidBurn) && !out.midBurnRan && shareOf(text) >= 10.0) {
            out.midBurnRan = true;
            if (c.midBurn)
                c.midBurn();
            if (c.stopMidBurn) {
                prompter.answers = {true};
                sinceClose.start();
                // Queued: the close arrives as the user's would, from the
                // event loop, not from inside this status update.
                QMetaObject::invokeMethod(&form, &QWidget::close, Qt::QueuedConnection);
            }
        }
    });
    form.show();
    form.chkEject->setChecked(c.eject);
    form.txtPath->setText(c.image ? c.image() : env("PELIMOR_DRIVE_IMAGE"));
    form.cmdBurn_Click();
    out.messages = prompter.messages;
    out.questions = prompter.questions;
    out.windowOpen = form.isVisible();
    out.burning = form.isBurning();
    out.burnEnabled = form.cmdBurn->isEnabled();
    return out;
}

void TestEmulatedDrive::burn_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < burnCases().size(); ++i)
        QTest::newRow(burnCases()[i].name) << int(i);
}

void TestEmulatedDrive::burn()
{
    QFETCH(int, index);
    const BurnCase &c = burnCases()[std::size_t(index)];
    target({QStringLiteral("revive")}); // after a row that killed the drive
    c.setup();
    const QString disc = target({QStringLiteral("disc")});
    QVERIFY2(targetErrors.isEmpty(), qPrintable(targetErrors));
    const QByteArray before = fileHash(disc);

    const Outcome out = burnAndWait(c);

    const QString seen = out.statuses.join(QStringLiteral(" | "));
    QList<double> shares;
    for (const QString &s : out.statuses)
        if (shareOf(s) >= 0)
            shares << shareOf(s);
    QVERIFY2(out.messages.size() == 1, qPrintable(QString::number(out.messages.size()) + QStringLiteral(" boxes")));
    const Message &box = out.messages.front();
    qInfo("%s: %s", qPrintable(box.title), qPrintable(box.prompt));
    QVERIFY2(box.title == c.title, qPrintable(box.title + QStringLiteral(": ") + box.prompt));
    QVERIFY(!out.burning);
    QVERIFY(out.burnEnabled);
    QVERIFY2(!(c.midBurn || c.stopMidBurn) || out.midBurnRan, qPrintable(seen));
    // Whatever the box, the recorder was let go of before it appeared.
    QVERIFY(out.trayFreeAtBox);
    QCOMPARE(out.questions.size(), std::size_t(c.stopMidBurn ? 1 : 0));
    if (c.stopMidBurn) {
        QVERIFY2(box.prompt.contains(QStringLiteral("stopped")), qPrintable(box.prompt));
        qInfo("stopped %lld ms after the window was closed", out.stopMs);
        QVERIFY2(out.stopMs >= 0 && out.stopMs < 10'000, qPrintable(QString::number(out.stopMs)));
        QVERIFY(!out.windowOpen);
    }

    if (c.title == QStringLiteral("Complete")) {
        QCOMPARE(box.prompt, QStringLiteral("ISO burn complete!"));
        // Writing with rising percentages up to the whole image, then the
        // read-back, then done.
        QVERIFY2(shares.size() >= 2, qPrintable(seen));
        QVERIFY2(std::is_sorted(shares.begin(), shares.end()), qPrintable(seen));
        QCOMPARE(shares.last(), 100.0);
        const qsizetype verifying = out.statuses.indexOf(QStringLiteral("Verifying the data."));
        QVERIFY2(verifying > out.statuses.indexOf(QStringLiteral("Progress:  100.00%")), qPrintable(seen));
        QCOMPARE(out.statuses.last(), QStringLiteral("Completed the burn."));
        QCOMPARE(target({QStringLiteral("tray")}), c.eject ? QStringLiteral("open") : QStringLiteral("closed"));
    } else {
        QVERIFY2(!out.statuses.contains(QStringLiteral("Completed the burn.")), qPrintable(seen));
    }
    if (c.title == QStringLiteral("Burn failed")) {
        // It failed while writing, for the row's own reason, and says why.
        QVERIFY2(!shares.isEmpty() && shares.last() > 0 && shares.last() < 100, qPrintable(seen));
        QVERIFY2(box.prompt.size() > 40, qPrintable(box.prompt));
    }
    if (c.title == QStringLiteral("Disc too small")) {
        const QRegularExpression figures(
            QStringLiteral("needs ([0-9.,]+) MB but the disc has only ([0-9.,]+) MB free"));
        const auto match = figures.match(box.prompt);
        QVERIFY2(match.hasMatch() && match.captured(1) != match.captured(2), qPrintable(box.prompt));
        QVERIFY2(shares.isEmpty(), qPrintable(seen));
    }

    if (c.after == DiscAfter::HoldsImage || c.after == DiscAfter::SystemSeesImage) {
        QFile image(env("PELIMOR_DRIVE_IMAGE")), written(disc);
        QVERIFY(image.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QCOMPARE(bytes.size() % 32768, 0);
        QVERIFY(bytes.first(image.size()) == image.readAll());
        QCOMPARE(bytes.sliced(image.size()).count('\0'), bytes.size() - image.size());
        if (c.after == DiscAfter::SystemSeesImage) {
            QFile device(QStringLiteral("/dev/sr0"));
            QVERIFY2(device.open(QIODevice::ReadOnly), qPrintable(device.errorString()));
            QVERIFY(image.seek(0));
            QVERIFY2(device.read(image.size()) == image.readAll(), "the system still sees the blank disc");
        }
    } else if (c.after == DiscAfter::Unchanged) {
        QVERIFY(fileHash(disc) == before);
    }
}

// Another burner (xorriso, waiting for commands) holds the drive while the
// window loads, as a second burning program or a mounted disc would: both
// claim the device exclusively.
void TestEmulatedDrive::driveHeldByAnotherProgramWhenTheWindowLoads()
{
    target({QStringLiteral("revive")});
    target({QStringLiteral("insert"), blankDisc(workPath(QStringLiteral("held.img")))});
    QProcess holder;
    holder.setProcessChannelMode(QProcess::MergedChannels);
    holder.start(QStringLiteral("xorriso"),
                 {QStringLiteral("-abort_on"), QStringLiteral("NEVER"), QStringLiteral("-dialog"), QStringLiteral("on"),
                  QStringLiteral("-outdev"), QStringLiteral("/dev/sr0")});
    QByteArray said;
    while (!said.contains("Drive current") && holder.waitForReadyRead(30'000))
        said += holder.readAll();
    QVERIFY2(targetErrors.isEmpty(), qPrintable(targetErrors));
    QVERIFY2(said.contains("Drive current"), said.constData());

    LibburnDiscService service;
    RecordingPrompter prompter;
    QElapsedTimer loading;
    loading.start();
    Form1 form(Platform{&service, &prompter, nullptr, nullptr, nullptr});
    const qint64 loadMs = loading.elapsed();
    const int rows = form.ListView1->topLevelItemCount();
    form.show();
    form.txtPath->setText(env("PELIMOR_DRIVE_IMAGE"));
    // libburn waits seconds for a busy drive before it gives up; the window
    // must keep answering meanwhile, saying what it is doing.
    QElapsedTimer phase, sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(20);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (form.txtStatus->text() != QStringLiteral("Initializing Hardware ") || !prompter.messages.empty())
            return;
        if (!phase.isValid())
            phase.start();
        if (sinceTick.isValid())
            longestGap = std::max(longestGap, sinceTick.elapsed());
        sinceTick.start();
    });
    ticker.start();
    form.cmdBurn_Click();
    ticker.stop();
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(30'000));

    for (const Message &m : prompter.messages)
        qInfo("%s: %s", qPrintable(m.title), qPrintable(m.prompt));
    qInfo("window loaded in %lld ms with %d drive rows; taking the drive took %lld ms, longest pause %lld ms", loadMs,
          rows, phase.isValid() ? phase.elapsed() : -1, longestGap);
    // The busy drive is listed at once, and a burn on it says that another
    // program uses it and how to free it.
    QCOMPARE(rows, 1);
    QVERIFY2(loadMs < 3000, qPrintable(QString::number(loadMs)));
    QCOMPARE(prompter.messages.size(), std::size_t(1));
    const Message &box = prompter.messages.front();
    QCOMPARE(box.title, QStringLiteral("Burn failed"));
    QVERIFY2(box.prompt.contains(QStringLiteral("in use by another program")) &&
                 box.prompt.contains(QStringLiteral("unmount")),
             qPrintable(box.prompt));
    QVERIFY(phase.isValid());
    QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));
    QCOMPARE(QFileInfo(workPath(QStringLiteral("held.img"))).size(), 0);
}

void TestEmulatedDrive::secondCopyOnTheDriveWhileTheFirstWrites()
{
    burnWhileASecondCopyPressesBurn();
}

void TestEmulatedDrive::secondCopy()
{
    if (env("PELIMOR_SECOND_COPY").isEmpty())
        QSKIP("started by secondCopyOnTheDriveWhileTheFirstWrites only");
    actAsTheSecondCopy();
}

void TestEmulatedDrive::media_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < mediaCases().size(); ++i)
        QTest::newRow(mediaCases()[i].name) << int(i);
}

void TestEmulatedDrive::media()
{
    QFETCH(int, index);
    checkMediaCase(mediaCases()[std::size_t(index)]);
}

QTEST_MAIN(TestEmulatedDrive)
#include "tst_emulated_drive.moc"
