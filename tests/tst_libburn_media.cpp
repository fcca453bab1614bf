// What the libburn backend decides about real media that neither the
// virtual recorder nor the emulated one can offer: rewritable discs that
// libburn calls blank whatever they hold, unformatted ones, the free space
// libburn can really reserve, a write that libburn complained about, and a
// drive that cannot pull its tray in for a reload.
#include "platform/linux/libburn_media.h"
#include "platform/linux/libburn_verify.h"
#include "platform/linux/libburn_write_job.h"

#include <QtTest>

#include <cstring>

using namespace pelimor;
using namespace pelimor::libburn;

namespace {

// A disc as libburn would describe it, with what its first 64 KiB hold.
class FakeDisc : public MediaProbe {
public:
    burn::burn_disc_status status = burn::BURN_DISC_BLANK;
    int profileNumber = 0;
    bool canErase = false;
    Formats formatInfo{BURN_FORMAT_IS_FORMATTED, 0};
    QByteArray start = QByteArray(blankCheckBytes, '\0'); // empty: unreadable
    std::int64_t available = 0;

    burn::burn_disc_status discStatus() override { return status; }
    int profile() override { return profileNumber; }
    bool erasable() override { return canErase; }
    Formats formats() override { return formatInfo; }
    bool readStart(char *buffer, std::int64_t bytes) override
    {
        if (start.size() < bytes)
            return false;
        std::memcpy(buffer, start.constData(), static_cast<std::size_t>(bytes));
        return true;
    }
    std::int64_t availableBytes() override { return available; }
};

QByteArray startHolding(qsizetype at, const QByteArray &bytes)
{
    QByteArray start(blankCheckBytes, '\0');
    start.replace(at, bytes.size(), bytes);
    return start;
}

class FakeTray : public Tray {
public:
    bool loadsByItself = true;
    bool lost = false;
    bool discIn = true;
    int loads = 0;
    bool ejectAndLoad() override
    {
        discIn = loadsByItself;
        return !lost;
    }
    bool load() override
    {
        ++loads;
        return true;
    }
    bool hasDisc() override { return discIn; }
};

} // namespace

class TestLibburnMedia : public QObject {
    Q_OBJECT
private slots:
    void discStates_data();
    void discStates();
    void freeSpaceCountsLibburnsTrackReservation_data();
    void freeSpaceCountsLibburnsTrackReservation();
    void libburnsVerdictAndCountersDecideAWrite_data();
    void libburnsVerdictAndCountersDecideAWrite();
    void reloadAsksForTheDiscOnlyWhenTheDriveCannotLoadIt_data();
    void reloadAsksForTheDiscOnlyWhenTheDriveCannotLoadIt();
};

void TestLibburnMedia::discStates_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("erasable");
    QTest::addColumn<int>("format");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<bool>("supported");
    QTest::addColumn<int>("mediaStatus");
    QTest::addColumn<bool>("needsFormatting");
    const QByteArray zeros(blankCheckBytes, '\0');
    const int formatted = BURN_FORMAT_IS_FORMATTED;
    const int unformatted = BURN_FORMAT_IS_UNFORMATTED;
    const int blank = burn::BURN_DISC_BLANK;
    const int used = int(MediaStatus::NonEmptySession);
    // Rewritable discs libburn calls blank whatever they hold.
    QTest::newRow("zero-filled DVD+RW: blank") << blank << 0x1a << true << formatted << zeros << true << 2 << false;
    QTest::newRow("DVD+RW with an ISO 9660 volume: used")
        << blank << 0x1a << true << formatted << startHolding(16 * 2048 + 1, "CD001") << true << used << false;
    QTest::newRow("BD-RE with a boot record only: used")
        << blank << 0x43 << true << formatted << startHolding(510, "\x55\xaa") << true << used << false;
    QTest::newRow("formatted DVD-RW, a byte in its last checked sector: used")
        << blank << 0x13 << true << formatted << startHolding(blankCheckBytes - 1, "x") << true << used << false;
    QTest::newRow("DVD-RAM whose start cannot be read: not proven blank")
        << blank << 0x12 << true << formatted << QByteArray() << true << used << false;
    // Never formatted, so nothing on them; libburn writes only a DVD+RW so.
    QTest::newRow("fresh DVD+RW: libburn formats it itself")
        << blank << 0x1a << true << unformatted << QByteArray() << true << 2 << false;
    QTest::newRow("fresh BD-RE: formatted first")
        << blank << 0x43 << true << unformatted << QByteArray() << true << 2 << true;
    QTest::newRow("fresh DVD-RAM: formatted first")
        << blank << 0x12 << true << unformatted << QByteArray() << true << 2 << true;
    // Write-once media keep libburn's own word.
    QTest::newRow("blank DVD+R, start never read") << blank << 0x1b << false << 0 << QByteArray() << true << 2 << false;
    QTest::newRow("closed DVD-R") << int(burn::BURN_DISC_FULL) << 0x11 << false << 0 << QByteArray() << true
                                  << int(MediaStatus::Finalized) << false;
    QTest::newRow("closed sequential DVD-RW") << int(burn::BURN_DISC_FULL) << 0x14 << true << 0 << QByteArray() << true
                                              << int(MediaStatus::Finalized | MediaStatus::EraseRequired) << false;
    QTest::newRow("appendable CD-R") << int(burn::BURN_DISC_APPENDABLE) << 0x09 << false << 0 << QByteArray() << true
                                     << 4 << false;
    QTest::newRow("no disc") << int(burn::BURN_DISC_EMPTY) << 0 << false << 0 << QByteArray() << false
                             << int(MediaStatus::None) << false;
    QTest::newRow("DVD-ROM") << int(burn::BURN_DISC_FULL) << 0x10 << false << 0 << zeros << false
                             << int(MediaStatus::Finalized) << false;
}

void TestLibburnMedia::discStates()
{
    QFETCH(int, status);
    QFETCH(int, profile);
    QFETCH(bool, erasable);
    QFETCH(int, format);
    QFETCH(QByteArray, start);
    QFETCH(bool, supported);
    QFETCH(int, mediaStatus);
    QFETCH(bool, needsFormatting);
    FakeDisc disc;
    disc.status = static_cast<burn::burn_disc_status>(status);
    disc.profileNumber = profile;
    disc.canErase = erasable;
    disc.formatInfo.status = format;
    disc.start = start;

    const MediaState state = assessMedia(disc);

    QCOMPARE(state.supported, supported);
    QCOMPARE(static_cast<int>(state.status), mediaStatus);
    QCOMPARE(state.needsFormatting, needsFormatting);
}

void TestLibburnMedia::freeSpaceCountsLibburnsTrackReservation_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<qint64>("freeSectors");
    QTest::addColumn<int>("format");
    QTest::addColumn<qint64>("formatSectors");
    QTest::addColumn<qint64>("usable");
    QTest::newRow("DVD+R, 15 sectors past a step") << 0x1b << qint64(20'479) << 0 << qint64(0) << qint64(20'464);
    QTest::newRow("DVD+R, on a step") << 0x1b << qint64(20'480) << 0 << qint64(0) << qint64(20'480);
    QTest::newRow("DVD+R DL") << 0x2b << qint64(4'173'815) << 0 << qint64(0) << qint64(4'173'808);
    QTest::newRow("BD-R, 31 sectors past a step") << 0x41 << qint64(12'219'423) << 0 << qint64(0) << qint64(12'219'392);
    QTest::newRow("CD-R: every sector") << 0x09 << qint64(359'847) << 0 << qint64(0) << qint64(359'847);
    QTest::newRow("fresh BD-RE: what formatting offers")
        << 0x43 << qint64(0) << BURN_FORMAT_IS_UNFORMATTED << qint64(11'826'176) << qint64(11'826'176);
}

void TestLibburnMedia::freeSpaceCountsLibburnsTrackReservation()
{
    QFETCH(int, profile);
    QFETCH(qint64, freeSectors);
    QFETCH(int, format);
    QFETCH(qint64, formatSectors);
    QFETCH(qint64, usable);
    FakeDisc disc;
    disc.profileNumber = profile;
    disc.available = freeSectors * sectorSize;
    disc.formatInfo = {format, formatSectors * sectorSize};

    QCOMPARE(usableFreeSectors(disc), usable);
    // Exactly the largest track whose reservation fits on the disc.
    const qint64 space = std::max(freeSectors, formatSectors);
    QVERIFY(reservedSectors(usable, profile) <= space);
    QVERIFY(reservedSectors(usable + 1, profile) > space);
}

void TestLibburnMedia::libburnsVerdictAndCountersDecideAWrite_data()
{
    QTest::addColumn<bool>("wroteWell");
    QTest::addColumn<qint64>("bytesRead");
    QTest::addColumn<qint64>("bytesWritten");
    QTest::addColumn<QStringList>("messages"); // severity:text
    QTest::addColumn<QString>("reason");
    const qint64 image = 1000 * 2048;
    const QString streaming = QStringLiteral("SORRY:SCSI error on set_streaming");
    QTest::newRow("a SORRY libburn recovered from: success")
        << true << image << image << QStringList{streaming, QStringLiteral("NOTE:Drive is ready")} << QString();
    QTest::newRow("failed: the FATAL after the SORRY is the reason")
        << false << image << qint64(0)
        << QStringList{streaming, QStringLiteral("FATAL:SCSI error on write(16,16): [3 0C 00] Write error"),
                       QStringLiteral("FAILURE:Write job failed")}
        << "SCSI error on write(16,16): [3 0C 00] Write error";
    QTest::newRow("failed without a word")
        << false << image << image << QStringList() << "the recorder reported that the write failed";
    QTest::newRow("written well, but the image came short")
        << true << image - 2048 << image << QStringList() << "only 2045952 of the image's 2048000 bytes";
    QTest::newRow("written well, but nothing was written")
        << true << image << qint64(0) << QStringList{streaming} << "the recorder wrote only 0 of 1000 sectors";
}

void TestLibburnMedia::libburnsVerdictAndCountersDecideAWrite()
{
    QFETCH(bool, wroteWell);
    QFETCH(qint64, bytesRead);
    QFETCH(qint64, bytesWritten);
    QFETCH(QStringList, messages);
    QFETCH(QString, reason);
    std::vector<Message> queued;
    for (const QString &m : messages) {
        const QString severity = m.section(QLatin1Char(':'), 0, 0);
        const bool serious = QStringList{"ABORT", "FATAL", "FAILURE", "SORRY"}.contains(severity);
        queued.push_back({severity.toStdString(), m.section(QLatin1Char(':'), 1).toStdString(), 0, 0, serious});
    }
    WriteJob::Outcome outcome;
    outcome.wroteWell = wroteWell;
    outcome.bytesRead = bytesRead;
    outcome.bytesWritten = bytesWritten;

    const QString verdict = QString::fromStdString(WriteJob::failureReason(outcome, queued, 1000 * 2048, 1000));

    if (reason.isEmpty())
        QCOMPARE(verdict, QString());
    else
        QVERIFY2(verdict.startsWith(reason), qPrintable(verdict));
}

void TestLibburnMedia::reloadAsksForTheDiscOnlyWhenTheDriveCannotLoadIt_data()
{
    QTest::addColumn<bool>("loadsByItself");
    QTest::addColumn<bool>("lost");
    QTest::addColumn<QList<bool>>("answers"); // the user's, in turn; none: no way to ask
    QTest::addColumn<bool>("back");
    QTest::addColumn<int>("asked");
    QTest::newRow("tray pulled in by the drive") << true << false << QList<bool>{true} << true << 0;
    QTest::newRow("the user puts it back") << false << false << QList<bool>{true} << true << 1;
    QTest::newRow("the user gives up") << false << false << QList<bool>{false} << false << 1;
    QTest::newRow("no one to ask") << false << false << QList<bool>() << false << 0;
    QTest::newRow("drive lost on eject") << true << true << QList<bool>{true} << false << 0;
}

void TestLibburnMedia::reloadAsksForTheDiscOnlyWhenTheDriveCannotLoadIt()
{
    QFETCH(bool, loadsByItself);
    QFETCH(bool, lost);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, back);
    QFETCH(int, asked);
    FakeTray tray;
    tray.loadsByItself = loadsByItself;
    tray.lost = lost;
    int questions = 0;
    std::string lastPrompt;
    MediaRequest ask;
    if (!answers.isEmpty()) {
        ask = [&](const std::string &prompt) {
            lastPrompt = prompt;
            const bool yes = answers.value(questions++);
            tray.discIn = yes; // the user pushes the tray in, then presses OK
            return yes;
        };
    }

    QCOMPARE(reloadMedium(tray, ask), back);
    QCOMPARE(questions, asked);
    QCOMPARE(tray.loads, asked > 0 && back ? 1 : 0);
    if (asked > 0)
        QVERIFY(lastPrompt.find("back into the recorder") != std::string::npos);
}

QTEST_MAIN(TestLibburnMedia)
#include "tst_libburn_media.moc"
