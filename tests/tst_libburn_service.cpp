// The libburn service below the window: the virtual recorder's disc states,
// how a drive is held and let go of, what a failing image stream does to a
// burn, and progress reports during Write.
#include "faultystream.h"
#include "platform/filestream.h"
#include "platform/linux/libburn_disc_service.h"
#include "platform/linux/libburn_library.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <optional>

using namespace pelimor;
using namespace pelimor::test;

namespace {

constexpr int finalizedStatus = 0x4000;

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Recorded {
    std::vector<WriteProgress> events;
    bool allOnTheCallingThread = true;
};

void recordInto(DataWriter &writer, Recorded &recorded)
{
    QThread *caller = QThread::currentThread();
    writer.put_UpdateHandler([&recorded, caller](DataWriter &, const WriteProgress &p) {
        recorded.events.push_back(p);
        recorded.allOnTheCallingThread = recorded.allOnTheCallingThread && QThread::currentThread() == caller;
    });
}

} // namespace

class TestLibburnService : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void virtualRecorderComesLastAndOnlyWhenNamed();
    void virtualDiscStates_data();
    void virtualDiscStates();
    void aDriveThisProgramHoldsCannotBeTakenTwice();
    void anAddressWithoutADriveIsAClearErrorNotAHang();

    void progressArrivesOnTheCallingThreadWhileTheLoopRuns();
    void withoutVerificationThereIsNoReadBack();
    void streamFailuresAreCarriedBackFromLibburnsThread_data();
    void streamFailuresAreCarriedBackFromLibburnsThread();
    void destroyingTheWriterMidWriteCancelsAndLetsGo();
    void quittingTheProgramMidWriteStopsTheBurn();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString target;
    std::string targetId;
};

void TestLibburnService::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    target = dir->filePath(QStringLiteral("target.iso"));
    targetId = "stdio:" + target.toStdString();
    qputenv(libburn::virtualRecorderVariable, target.toUtf8());
}

void TestLibburnService::cleanup()
{
    qunsetenv(libburn::virtualRecorderVariable);
}

void TestLibburnService::virtualRecorderComesLastAndOnlyWhenNamed()
{
    LibburnDiscService service;
    auto ids = service.CreateDiscMaster()->RecorderIds();
    QVERIFY(!ids.empty());
    QCOMPARE(ids.back(), targetId);

    // A relative path is listed as the absolute file it names.
    QVERIFY(QDir::setCurrent(dir->path()));
    qputenv(libburn::virtualRecorderVariable, "sub/../relative.iso");
    ids = service.CreateDiscMaster()->RecorderIds();
    QCOMPARE(ids.back(), "stdio:" + dir->filePath(QStringLiteral("relative.iso")).toStdString());

    qunsetenv(libburn::virtualRecorderVariable);
    ids = service.CreateDiscMaster()->RecorderIds();
    QVERIFY(std::none_of(ids.begin(), ids.end(), [](const std::string &id) { return id.rfind("stdio:", 0) == 0; }));
}

void TestLibburnService::virtualDiscStates_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("supported");
    QTest::addColumn<int>("status");
    QTest::newRow("no file yet: blank") << "none" << true << int(MediaStatus::Blank);
    QTest::newRow("empty file: blank") << "empty" << true << int(MediaStatus::Blank);
    QTest::newRow("file with data: closed") << "data" << true << finalizedStatus;
    QTest::newRow("a folder: no usable disc") << "folder" << false << -1;
    QTest::newRow("missing folder: no disc") << "missing folder" << false << -1;
}

void TestLibburnService::virtualDiscStates()
{
    QFETCH(QString, setup);
    QFETCH(bool, supported);
    QFETCH(int, status);
    QString path = target;
    if (setup == "empty" || setup == "data") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (setup == "data")
            f.write("already here");
    } else if (setup == "folder") {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("target.iso")));
    } else if (setup == "missing folder") {
        path = dir->filePath(QStringLiteral("nowhere/target.iso"));
    }
    LibburnDiscService service;
    auto recorder = service.CreateDiscRecorder();
    recorder->InitializeDiscRecorder("stdio:" + path.toStdString());
    QCOMPARE(recorder->SupportedProfiles(), std::vector<int>{profile::cdR});
    QCOMPARE(recorder->VolumePathNames(), std::vector<std::string>{path.toStdString()});
    auto writer = service.CreateDataWriter();
    writer->put_Recorder(*recorder);

    QVERIFY(writer->IsRecorderSupported(*recorder));
    QCOMPARE(writer->IsCurrentMediaSupported(*recorder), supported);
    if (status >= 0)
        QCOMPARE(static_cast<int>(writer->CurrentMediaStatus()), status);
    if (supported) {
        QCOMPARE(writer->NextWritableAddress(), 0);
        QVERIFY(writer->FreeSectorsOnMedia() > 300);
    }
    if (setup == "data") {
        // Even asked directly, the writer leaves the data alone.
        FaultyStream stream(300 * 2048, 0, FaultyStream::Fault::None);
        QVERIFY_THROWS_EXCEPTION(ServiceError, writer->Write(stream));
        QCOMPARE(fileBytes(path), QByteArray("already here"));
    }
    if (setup == "missing folder")
        QVERIFY(!QFileInfo::exists(QFileInfo(path).path()));
}

void TestLibburnService::aDriveThisProgramHoldsCannotBeTakenTwice()
{
    LibburnDiscService service;
    // A recorder takes its drive once a writer works with it; binding a
    // second recorder to the same drive takes nothing, its writer is refused.
    auto first = service.CreateDiscRecorder();
    first->InitializeDiscRecorder(targetId);
    auto firstWriter = service.CreateDataWriter();
    firstWriter->put_Recorder(*first);
    auto second = service.CreateDiscRecorder();
    second->InitializeDiscRecorder(targetId);
    QCOMPARE(second->VendorId(), std::string("Virtual"));
    auto secondWriter = service.CreateDataWriter();
    try {
        secondWriter->put_Recorder(*second);
        QFAIL("the second hold was granted");
    } catch (const ServiceError &e) {
        QVERIFY2(std::string(e.what()).find("in use") != std::string::npos, e.what());
    }
    // Letting go (or ejecting, or destroying the recorder) frees the drive.
    first->ReleaseExclusiveAccess();
    auto third = service.CreateDiscRecorder();
    third->InitializeDiscRecorder(targetId);
    secondWriter->put_Recorder(*third);
    QVERIFY(secondWriter->IsCurrentMediaSupported(*third));
    first.reset();
}

void TestLibburnService::anAddressWithoutADriveIsAClearErrorNotAHang()
{
    LibburnDiscService service;
    auto recorder = service.CreateDiscRecorder();
    QElapsedTimer clock;
    clock.start();
    try {
        recorder->InitializeDiscRecorder("/dev/sr97");
        QFAIL("a drive that does not exist was grabbed");
    } catch (const ServiceError &e) {
        QVERIFY2(std::string(e.what()).find("/dev/sr97") != std::string::npos, e.what());
    }
    // A hang, not a slow machine, is what this catches.
    QVERIFY(clock.elapsed() < 15000);
    QVERIFY_THROWS_EXCEPTION(ServiceError, recorder->SupportedProfiles());
}

void TestLibburnService::progressArrivesOnTheCallingThreadWhileTheLoopRuns()
{
    const QString image = writePatternFile(*dir, QStringLiteral("image.iso"), 48 << 20);
    LibburnDiscService service;
    auto recorder = service.CreateDiscRecorder();
    recorder->InitializeDiscRecorder(targetId);
    auto writer = service.CreateDataWriter();
    writer->put_Recorder(*recorder);
    Recorded recorded;
    recordInto(*writer, recorded);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(10);

    FileImageStream stream(image.toStdString());
    writer->Write(stream);

    QVERIFY(writer->LastWriteSucceeded());
    QVERIFY(recorded.allOnTheCallingThread);
    QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    const auto &events = recorded.events;
    QVERIFY(events.size() >= 4);
    QCOMPARE(events.front().CurrentAction, WriteAction::InitializingHardware);
    QCOMPARE(events.back().CurrentAction, WriteAction::Completed);
    std::optional<WriteAction> lastAction;
    int lastWritten = -1;
    bool verified = false;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto &e = events[i];
        QVERIFY(e.TotalTime >= e.ElapsedTime);
        if (i > 0)
            QVERIFY(e.ElapsedTime >= events[i - 1].ElapsedTime);
        if (e.CurrentAction == WriteAction::WritingData) {
            QVERIFY(!verified);
            QCOMPARE(e.SectorCount, 48 * 512);
            QVERIFY(e.LastWrittenLba >= lastWritten);
            lastWritten = e.LastWrittenLba;
        }
        verified = verified || e.CurrentAction == WriteAction::Verifying;
        lastAction = e.CurrentAction;
    }
    QVERIFY(lastAction == WriteAction::Completed);
    QVERIFY(verified);
    QCOMPARE(lastWritten - events.back().StartLba, 48 * 512);
}

void TestLibburnService::withoutVerificationThereIsNoReadBack()
{
    LibburnDiscService::Options options;
    options.verify = false;
    LibburnDiscService service(options);
    auto recorder = service.CreateDiscRecorder();
    recorder->InitializeDiscRecorder(targetId);
    auto writer = service.CreateDataWriter();
    writer->put_Recorder(*recorder);
    Recorded recorded;
    recordInto(*writer, recorded);
    FaultyStream stream(320 * 2048, 0, FaultyStream::Fault::None);

    writer->Write(stream);

    QVERIFY(writer->LastWriteSucceeded());
    QVERIFY(std::none_of(recorded.events.begin(), recorded.events.end(),
                         [](const WriteProgress &p) { return p.CurrentAction == WriteAction::Verifying; }));
    QCOMPARE(QFileInfo(target).size(), qint64(320 * 2048));
}

void TestLibburnService::streamFailuresAreCarriedBackFromLibburnsThread_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the file cannot be read any more")
        << int(FaultyStream::Fault::Throws) << "the image file '/images/a.iso' ended early or could not be read";
    QTest::newRow("the stream ends before its size") << int(FaultyStream::Fault::EndsEarly) << "ended after";
}

void TestLibburnService::streamFailuresAreCarriedBackFromLibburnsThread()
{
    QFETCH(int, fault);
    QFETCH(QString, reason);
    LibburnDiscService service;
    auto recorder = service.CreateDiscRecorder();
    recorder->InitializeDiscRecorder(targetId);
    auto writer = service.CreateDataWriter();
    writer->put_Recorder(*recorder);
    FaultyStream stream(8 << 20, 3 << 20, static_cast<FaultyStream::Fault>(fault));

    try {
        writer->Write(stream);
        QFAIL("a burn from a failing image was reported complete");
    } catch (const ServiceError &e) {
        QVERIFY2(QString::fromUtf8(e.what()).contains(reason), e.what());
    }
    QVERIFY(!writer->LastWriteSucceeded());
    // The drive is free for the next burn.
    recorder.reset();
    auto again = service.CreateDiscRecorder();
    again->InitializeDiscRecorder(targetId);
}

void TestLibburnService::destroyingTheWriterMidWriteCancelsAndLetsGo()
{
    LibburnDiscService service;
    auto recorder = service.CreateDiscRecorder();
    recorder->InitializeDiscRecorder(targetId);
    auto writer = service.CreateDataWriter();
    writer->put_Recorder(*recorder);
    // Big enough that the write is still running when the writer goes.
    FaultyStream stream(512 << 20, 0, FaultyStream::Fault::None);
    bool scheduled = false;
    writer->put_UpdateHandler([&](DataWriter &, const WriteProgress &p) {
        if (p.CurrentAction == WriteAction::WritingData && p.LastWrittenLba > 0 && !scheduled) {
            scheduled = true;
            QTimer::singleShot(0, [&writer] { writer.reset(); });
        }
    });
    QElapsedTimer clock;
    clock.start();

    DataWriter *raw = writer.get();
    try {
        raw->Write(stream);
        QFAIL("the write went on after its writer was destroyed");
    } catch (const ServiceError &e) {
        QVERIFY2(std::string(e.what()).find("cancelled") != std::string::npos, e.what());
    }

    QVERIFY(scheduled);
    QVERIFY(!writer);
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
    // libburn has let go of the stream: nothing reads it any more.
    const int reads = stream.reads;
    QTest::qWait(300);
    QCOMPARE(stream.reads.load(), reads);
    QVERIFY(QFileInfo(target).size() < (512 << 20));

    // The drive is free again, and libburn's cancelled thread has gone: a
    // new burn on the same target works. (libburn reports a cancelled
    // drive idle before its thread is done; a burn started then is refused.)
    recorder.reset();
    QVERIFY(QFile::remove(target));
    auto again = service.CreateDiscRecorder();
    again->InitializeDiscRecorder(targetId);
    auto next = service.CreateDataWriter();
    next->put_Recorder(*again);
    FaultyStream small(320 * 2048, 0, FaultyStream::Fault::None);
    next->Write(small);
    QVERIFY(next->LastWriteSucceeded());
}

void TestLibburnService::quittingTheProgramMidWriteStopsTheBurn()
{
    LibburnDiscService service;
    auto recorder = service.CreateDiscRecorder();
    recorder->InitializeDiscRecorder(targetId);
    auto writer = service.CreateDataWriter();
    writer->put_Recorder(*recorder);
    FaultyStream stream(512 << 20, 0, FaultyStream::Fault::None);
    bool quitting = false;
    writer->put_UpdateHandler([&](DataWriter &, const WriteProgress &p) {
        if (p.CurrentAction == WriteAction::WritingData && p.LastWrittenLba > 0 && !quitting) {
            quitting = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
    });
    QElapsedTimer clock;
    clock.start();

    try {
        writer->Write(stream);
        QFAIL("the write went on while the program was quitting");
    } catch (const ServiceError &e) {
        QVERIFY2(std::string(e.what()).find("closing") != std::string::npos, e.what());
    }

    QVERIFY(quitting);
    QVERIFY(!writer->LastWriteSucceeded());
    QVERIFY2(clock.elapsed() < 20000, qPrintable(QString::number(clock.elapsed())));
    // The application's loop may run again (for whatever test comes next).
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    recorder.reset();
    auto again = service.CreateDiscRecorder();
    again->InitializeDiscRecorder(targetId);
}

QTEST_MAIN(TestLibburnService)
#include "tst_libburn_service.moc"
