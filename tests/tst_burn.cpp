// The burn command on the simulated service: every check and refusal in
// its order, the mended failure paths, and the image reaching the recorder
// byte for byte.
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBurn : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pathChecksComeBeforeAnyServiceObject_data();
    void pathChecksComeBeforeAnyServiceObject();
    void noRecorderIsRefusedBeforeAnyServiceObject();
    void recorderAndMediaRefusals_data();
    void recorderAndMediaRefusals();
    void mediaStatusIsReadUpToThreeTimes_data();
    void mediaStatusIsReadUpToThreeTimes();
    void usedOrTooSmallDiscsAreRefusedWithoutWriting_data();
    void usedOrTooSmallDiscsAreRefusedWithoutWriting();
    void unreadableFileIsRefused();

    void completeBurnSetsUpTheWriterAndEjects();
    void uncheckedEjectLeavesTheDiscIn();
    void serviceFailuresEndInOneBoxAndKeepTheWindowUsable_data();
    void serviceFailuresEndInOneBoxAndKeepTheWindowUsable();
    void writeThatDidNotSucceedIsNeverReportedComplete();
    void secondBurnRunsEveryCheckAgainWithANewWriter();

    void imageBytesReachTheRecorderUnchanged_data();
    void imageBytesReachTheRecorderUnchanged();

private:
    Message burnOnce();
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<SimulatedPlatform> sim;
    std::unique_ptr<Form1> form;
    QString image;
};

void TestBurn::init()
{
    dir = std::make_unique<QTemporaryDir>();
    image = writePatternFile(*dir, "image.iso", 10 * 2048);
    sim = std::make_unique<SimulatedPlatform>();
    sim->disc.recorders.push_back(cdRecorder("rec0"));
    sim->disc.recorders.push_back(cdRecorder("rec1", "TEAC", "DV-W28E", "R.0C", {"F:\\"}));
    form = std::make_unique<Form1>(sim->platform());
    form->txtPath->setText(image);
    sim->disc.calls.clear();
}

void TestBurn::cleanup()
{
    form.reset();
    sim.reset();
    dir.reset();
}

Message TestBurn::burnOnce()
{
    const auto before = sim->prompter.messages.size();
    form->cmdBurn_Click();
    if (sim->prompter.messages.size() != before + 1)
        return {QStringLiteral("<%1 messages>").arg(sim->prompter.messages.size() - before), MsgIcon::None, {}};
    return sim->prompter.last();
}

void TestBurn::pathChecksComeBeforeAnyServiceObject_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("title");
    QTest::newRow("empty") << ""
                           << "Select an ISO image to burn." << int(MsgIcon::None) << "PelimorISOBurn";
    QTest::newRow("missing") << "/no/such/dir/disc.iso"
                             << "ISO file '/no/such/dir/disc.iso' not found!" << int(MsgIcon::Critical)
                             << "File not found";
    QTest::newRow("directory") << "/tmp"
                               << "ISO file '/tmp' not found!" << int(MsgIcon::Critical) << "File not found";
    QTest::newRow("quoted") << "\"/tmp/x.iso\""
                            << "ISO file '\"/tmp/x.iso\"' not found!" << int(MsgIcon::Critical) << "File not found";
}

void TestBurn::pathChecksComeBeforeAnyServiceObject()
{
    QFETCH(QString, path);
    QFETCH(QString, prompt);
    QFETCH(int, icon);
    QFETCH(QString, title);
    form->txtPath->setText(path);
    const Message m = burnOnce();
    QCOMPARE(m.prompt, prompt);
    QCOMPARE(int(m.icon), icon);
    QCOMPARE(m.title, title);
    QVERIFY(sim->disc.calls.empty());
    QVERIFY(!form->dataWriter());
}

void TestBurn::noRecorderIsRefusedBeforeAnyServiceObject()
{
    SimulatedPlatform empty;
    Form1 window(empty.platform());
    window.txtPath->setText(image);
    empty.disc.calls.clear();
    window.cmdBurn_Click();
    QCOMPARE(empty.prompter.messages.size(), std::size_t(1));
    QCOMPARE(
        empty.prompter.last().prompt,
        QString("No CD/DVD recorder is selected. Connect a recorder that can write CDs and start the program again."));
    QCOMPARE(empty.prompter.last().title, QString("No recorder"));
    QCOMPARE(empty.prompter.last().icon, MsgIcon::Critical);
    QVERIFY(empty.disc.calls.empty());
}

void TestBurn::recorderAndMediaRefusals_data()
{
    QTest::addColumn<bool>("recorderSupported");
    QTest::addColumn<bool>("mediaSupported");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::newRow("recorder") << false << true << 2 << "Recorder not support. Try another CDROM drive."
                              << "Recorder not supported";
    QTest::newRow("media") << true << false << 2
                           << "No CD in drive or current media not support. Please insert a blank CD and try again."
                           << "Media not supported";
    QTest::newRow("appendable") << true << true << 4 << "Insert a new/blank CD! Please insert a blank CD and try again."
                                << "Media status - 4";
    // A bit test would take these for blank; only the exact values are.
    QTest::newRow("blank and damaged") << true << true << 0x402
                                       << "Insert a new/blank CD! Please insert a blank CD and try again."
                                       << "Media status - 1026";
    QTest::newRow("finalized") << true << true << 0x4000
                               << "Insert a new/blank CD! Please insert a blank CD and try again."
                               << "Media status - 16384";
}

void TestBurn::recorderAndMediaRefusals()
{
    QFETCH(bool, recorderSupported);
    QFETCH(bool, mediaSupported);
    QFETCH(int, status);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    auto &r = sim->disc.recorders[0];
    r.recorderSupported = recorderSupported;
    r.mediaSupported = mediaSupported;
    r.mediaStatus = {status};
    const Message m = burnOnce();
    QCOMPARE(m.prompt, prompt);
    QCOMPARE(m.title, title);
    QCOMPARE(m.icon, MsgIcon::Critical);
    QCOMPARE(sim->disc.count("Write"), 0);
    QVERIFY(sim->disc.ejected.empty());
    QVERIFY(sim->disc.clientName.empty());
    QVERIFY(form->dataWriter()); // the new writer stays, as after any run past the path checks
}

void TestBurn::mediaStatusIsReadUpToThreeTimes_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("reads");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("blank") << QList<int>{2} << 1 << "Complete";
    QTest::newRow("blank and appendable") << QList<int>{6} << 2 << "Complete";
    QTest::newRow("six on the second read") << QList<int>{4, 6} << 2 << "Complete";
    QTest::newRow("title shows the third read") << QList<int>{4, 2, 5} << 3 << "Media status - 5";
    QTest::newRow("six first is not enough") << QList<int>{6, 2, 6} << 3 << "Media status - 6";
}

void TestBurn::mediaStatusIsReadUpToThreeTimes()
{
    QFETCH(QList<int>, answers);
    QFETCH(int, reads);
    QFETCH(QString, outcome);
    sim->disc.recorders[0].mediaStatus = std::deque<int>(answers.begin(), answers.end());
    const Message m = burnOnce();
    QCOMPARE(m.title, outcome);
    QCOMPARE(sim->disc.count("CurrentMediaStatus"), reads);
}

void TestBurn::usedOrTooSmallDiscsAreRefusedWithoutWriting_data()
{
    QTest::addColumn<int>("nwa");
    QTest::addColumn<qint64>("freeSectors");
    QTest::addColumn<qint64>("imageBytes");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::newRow("data on the disc") << 11'400 << qint64(300'000) << qint64(20'480)
                                      << "The disc already holds data. Please insert a blank CD and try again."
                                      << "Media not blank";
    QTest::newRow("too small") << 0 << qint64(1'000) << qint64(3'000'000)
                               << "The ISO image needs 3.0 MB but the disc has only 2.0 MB free. Please insert a "
                                  "larger blank disc and try again."
                               << "Disc too small";
    // Never the same figure twice: as many decimals as tell them apart.
    QTest::newRow("one sector short") << 0 << qint64(1'464) << qint64(1'465 * 2048)
                                      << "The ISO image needs 3.000 MB but the disc has only 2.998 MB free. Please "
                                         "insert a larger blank disc and try again."
                                      << "Disc too small";
    QTest::newRow("near-full DVD+R") << 0 << qint64(20'464) << qint64(20'470 * 2048)
                                     << "The ISO image needs 41.92 MB but the disc has only 41.91 MB free. Please "
                                        "insert a larger blank disc and try again."
                                     << "Disc too small";
}

void TestBurn::usedOrTooSmallDiscsAreRefusedWithoutWriting()
{
    QFETCH(int, nwa);
    QFETCH(qint64, freeSectors);
    QFETCH(qint64, imageBytes);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    form->txtPath->setText(writePatternFile(*dir, "sized.iso", imageBytes));
    sim->disc.recorders[0].nextWritableAddress = nwa;
    sim->disc.recorders[0].freeSectors = freeSectors;
    const Message m = burnOnce();
    QCOMPARE(m.prompt, prompt);
    QCOMPARE(m.title, title);
    QCOMPARE(m.icon, MsgIcon::Critical);
    QCOMPARE(sim->disc.count("Write"), 0);
    QVERIFY(sim->disc.ejected.empty());
}

void TestBurn::unreadableFileIsRefused()
{
    QString path = dir->filePath("locked.iso");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    // A privileged user reads every ordinary file; the kernel's write-only
    // control file is unreadable for anybody.
    if (QFile probe(path); probe.open(QIODevice::ReadOnly)) {
        path = "/proc/sys/vm/drop_caches";
        if (QFile other(path); !other.exists() || other.open(QIODevice::ReadOnly))
            QSKIP("no file here that this user cannot read");
    }
    form->txtPath->setText(path);
    const Message m = burnOnce();
    QCOMPARE(m.title, QString("File not readable"));
    QCOMPARE(m.icon, MsgIcon::Critical);
    QVERIFY(m.prompt.startsWith("ISO file '" + path + "' cannot be read: "));
    QVERIFY(m.prompt.size() > QString("ISO file '" + path + "' cannot be read: ").size());
    QCOMPARE(sim->disc.count("Write"), 0);
}

void TestBurn::completeBurnSetsUpTheWriterAndEjects()
{
    bool ejectedBeforeMessage = false;
    sim->prompter.onMessage = [&](const Message &m) {
        if (m.title == "Complete")
            ejectedBeforeMessage = !sim->disc.ejected.empty();
    };
    const Message m = burnOnce();
    QCOMPARE(m.prompt, QString("ISO burn complete!"));
    QCOMPARE(m.title, QString("Complete"));
    QCOMPARE(m.icon, MsgIcon::None);
    QVERIFY(ejectedBeforeMessage);
    QCOMPARE(sim->disc.ejected, std::vector<std::string>{"rec0"});
    QCOMPARE(sim->disc.clientName, std::string("ISOTest1"));
    QCOMPARE(sim->disc.count("put_Recorder"), 2);
    QCOMPARE(sim->disc.writtenTo, std::string("rec0"));
    // The steps in their order.
    const std::vector<std::string> order{"CreateDiscRecorder",  "InitializeDiscRecorder", "CreateDataWriter",
                                         "put_Recorder",        "IsRecorderSupported",    "IsCurrentMediaSupported",
                                         "CurrentMediaStatus",  "put_Recorder",           "put_ClientName",
                                         "NextWritableAddress", "FreeSectorsOnMedia",     "Write",
                                         "EjectMedia",          "ReleaseExclusiveAccess"};
    QCOMPARE(sim->disc.calls, order);
}

void TestBurn::uncheckedEjectLeavesTheDiscIn()
{
    form->chkEject->setChecked(false);
    // The selected row decides the recorder.
    form->ListView1->setCurrentItem(form->ListView1->topLevelItem(1));
    QCOMPARE(burnOnce().title, QString("Complete"));
    QVERIFY(sim->disc.ejected.empty());
    QCOMPARE(sim->disc.writtenTo, std::string("rec1"));
}

// A failing eject after a good burn is no failed burn (see the burn-stop
// tests); every other failing call is.
void TestBurn::serviceFailuresEndInOneBoxAndKeepTheWindowUsable_data()
{
    QTest::addColumn<QString>("call");
    for (const char *call : {"CreateDiscRecorder", "InitializeDiscRecorder", "CreateDataWriter", "put_Recorder",
                             "IsRecorderSupported", "IsCurrentMediaSupported", "CurrentMediaStatus", "put_ClientName",
                             "NextWritableAddress", "FreeSectorsOnMedia", "Write"})
        QTest::newRow(call) << call;
}

void TestBurn::serviceFailuresEndInOneBoxAndKeepTheWindowUsable()
{
    QFETCH(QString, call);
    sim->disc.failures[call.toStdString()] = "the drive reported a medium error";
    const Message m = burnOnce();
    QCOMPARE(m.title, QString("Burn failed"));
    QCOMPARE(m.icon, MsgIcon::Critical);
    QCOMPARE(m.prompt, QString("The burn did not complete: the drive reported a medium error"));
    QVERIFY(sim->disc.ejected.empty());
    QVERIFY(form->cmdBurn->isEnabled());
    QVERIFY(form->cmdBrowse->isEnabled());
    QVERIFY(!form->isBurning());

    // And the window still burns once the fault is gone.
    sim->disc.failures.clear();
    QCOMPARE(burnOnce().title, QString("Complete"));
}

void TestBurn::writeThatDidNotSucceedIsNeverReportedComplete()
{
    sim->disc.writeSucceeds = false;
    const Message m = burnOnce();
    QCOMPARE(m.title, QString("Burn failed"));
    QVERIFY(m.prompt.startsWith("The burn did not complete: "));
    QVERIFY(sim->disc.ejected.empty());
    for (const auto &message : sim->prompter.messages)
        QVERIFY(message.title != "Complete");
}

void TestBurn::secondBurnRunsEveryCheckAgainWithANewWriter()
{
    QCOMPARE(burnOnce().title, QString("Complete"));
    DataWriter *first = form->dataWriter();
    QVERIFY(first);
    sim->disc.recorders[0].mediaStatus = {4};
    const Message m = burnOnce();
    QCOMPARE(m.title, QString("Media status - 4"));
    QCOMPARE(sim->disc.writersCreated, 2);
    QCOMPARE(sim->disc.count("IsRecorderSupported"), 2);
    QCOMPARE(sim->disc.count("Write"), 1);

    sim->disc.recorders[0].mediaStatus = {2};
    sim->disc.recorders[0].nextWritableAddress = 300;
    QCOMPARE(burnOnce().title, QString("Media not blank"));
    QCOMPARE(sim->disc.writersCreated, 3);
    QCOMPARE(sim->disc.count("NextWritableAddress"), 2);
}

void TestBurn::imageBytesReachTheRecorderUnchanged_data()
{
    QTest::addColumn<qint64>("size");
    QTest::newRow("one byte") << qint64(1);
    QTest::newRow("one sector") << qint64(2048);
    QTest::newRow("not a whole sector") << qint64(5 * 2048 + 777);
    QTest::newRow("several MiB and a bit") << qint64(3 * 1024 * 1024 + 1);
}

void TestBurn::imageBytesReachTheRecorderUnchanged()
{
    QFETCH(qint64, size);
    const QString path = writePatternFile(*dir, "exact.iso", size);
    form->txtPath->setText(path);
    sim->disc.keepWrittenBytes = true;
    QCOMPARE(burnOnce().title, QString("Complete"));
    const QByteArray original = fileBytes(path);
    QCOMPARE(original.size(), size);
    const qint64 padded = (size + 2047) / 2048 * 2048;
    QCOMPARE(sim->disc.bytesWritten, padded);
    QCOMPARE(sim->disc.writtenBytes.left(size), original);
    QCOMPARE(sim->disc.writtenBytes.mid(size), QByteArray(padded - size, '\0'));
}

QTEST_MAIN(TestBurn)
#include "tst_burn.moc"
