// The status line during a burn: one text per progress event.
#include "accessibility.h"
#include "mainwindow/form1.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QLocale>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

Q_DECLARE_METATYPE(pelimor::WriteProgress)
Q_DECLARE_METATYPE(pelimor::MediaKind)

class TestProgress : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void statusTextForEachEvent_data();
    void statusTextForEachEvent();
    void percentageFollowsTheUsersLocale();
    void statusLineFollowsTheBurnAndKeepsItsLastText();
    void tooltipGivesSpeedFactorAndFallingTimeLeft_data();
    void tooltipGivesSpeedFactorAndFallingTimeLeft();

private:
    QStringList burnWith(const std::vector<WriteProgress> &script);
};

// Burns a small image with the given events and returns the status text
// seen after each one.
QStringList TestProgress::burnWith(const std::vector<WriteProgress> &script)
{
    QTemporaryDir dir;
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    sim.disc.progressScript = script;
    Form1 form(sim.platform());
    form.txtPath->setText(writePatternFile(dir, "a.iso", 4096));
    QStringList seen;
    sim.disc.duringWrite = [&](const WriteProgress &) { seen << form.txtStatus->text(); };
    form.cmdBurn_Click();
    if (sim.prompter.messages.size() != 1 || sim.prompter.last().title != "Complete")
        seen << "<burn did not complete>";
    return seen;
}

// An event as a writer raises it, with the action as the raw number the
// service reports, so numbers outside the known phases can be sent too.
WriteProgress progressEvent(int action, int elapsed, int total, int sectors, int start, int lastWritten)
{
    return {static_cast<WriteAction>(action), elapsed, total, sectors, start, lastWritten};
}

void TestProgress::statusTextForEachEvent_data()
{
    QTest::addColumn<WriteProgress>("progress");
    QTest::addColumn<QString>("text");
    QTest::newRow("validating") << progressEvent(0, 3, 120, 0, 0, 0) << "Validating media Time: 3 / 120";
    QTest::newRow("formatting") << progressEvent(1, 0, 45, 0, 0, 0) << "Formatting media Time: 0 / 45";
    QTest::newRow("initializing") << progressEvent(2, 5, 9, 0, 0, 0) << "Initializing Hardware ";
    QTest::newRow("calibrating") << progressEvent(3, 5, 9, 0, 0, 0) << "Calibrating Power (OPC) ";
    QTest::newRow("half written") << progressEvent(4, 30, 60, 1000, 0, 500) << "Progress:  50.00%";
    QTest::newRow("half from a start address") << progressEvent(4, 30, 60, 200, 1000, 1100) << "Progress:  50.00%";
    QTest::newRow("first report") << progressEvent(4, 1, 60, 1000, 150, 150) << "Progress:  0.00%";
    QTest::newRow("a third") << progressEvent(4, 1, 60, 3, 0, 1) << "Progress:  33.33%";
    QTest::newRow("all of it") << progressEvent(4, 1, 60, 359844, 0, 359844) << "Progress:  100.00%";
    QTest::newRow("no sector count yet") << progressEvent(4, 1, 60, 0, 0, 17) << "Progress:  0.00%";
    QTest::newRow("finalizing") << progressEvent(5, 80, 90, 0, 0, 0) << "Finalizing ";
    QTest::newRow("completed") << progressEvent(6, 90, 90, 0, 0, 0) << "Completed the burn.";
    QTest::newRow("verifying") << progressEvent(7, 95, 120, 0, 0, 0) << "Verifying the data.";
    QTest::newRow("verifying, first sector") << progressEvent(7, 95, 120, 1000, 0, 0) << "Verifying the data.";
    QTest::newRow("verifying, sector reached")
        << progressEvent(7, 95, 120, 1000, 0, 450) << "Verifying the data. 45.00%";
    QTest::newRow("unknown") << progressEvent(8, 1, 2, 0, 0, 0) << "Unknown action: 8";
    QTest::newRow("negative") << progressEvent(-1, 1, 2, 0, 0, 0) << "Unknown action: -1";
}

void TestProgress::statusTextForEachEvent()
{
    QFETCH(WriteProgress, progress);
    QFETCH(QString, text);
    QCOMPARE(burnWith({progress}), QStringList{text});
}

void TestProgress::percentageFollowsTheUsersLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(burnWith({progressEvent(4, 1, 60, 1000, 0, 500)}), QStringList{"Progress:  50,00%"});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(burnWith({progressEvent(4, 1, 60, 8, 0, 1)}), QStringList{"Progress:  12.50%"});
}

void TestProgress::statusLineFollowsTheBurnAndKeepsItsLastText()
{
    QTemporaryDir dir;
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    sim.disc.recorders[0].mediaStatus = {2, 4};
    Form1 form(sim.platform());
    form.txtPath->setText(writePatternFile(dir, "a.iso", 8 * 2048));
    QStringList seen;
    sim.disc.duringWrite = [&](const WriteProgress &) { seen << form.txtStatus->text(); };
    QVERIFY(listenAsAScreenReader());
    form.cmdBurn_Click();
    // A screen reader is told each new text as it appears.
    QStringList heard;
    for (const HeardEvent &e : heardEvents())
        if (e.object == form.txtStatus && e.type == QAccessible::ValueChanged)
            heard << e.value.toString();
    QCOMPARE(heard, seen);
    QCOMPARE(seen, (QStringList{"Initializing Hardware ", "Calibrating Power (OPC) ", "Progress:  0.00%",
                                "Progress:  25.00%", "Progress:  50.00%", "Progress:  75.00%", "Progress:  100.00%",
                                "Finalizing ", "Completed the burn."}));
    // A refused second run does not clear what the last burn left.
    form.cmdBurn_Click();
    QCOMPARE(sim.prompter.last().title, QString("Media status - 4"));
    QCOMPARE(form.txtStatus->text(), QString("Completed the burn."));
}

void TestProgress::tooltipGivesSpeedFactorAndFallingTimeLeft_data()
{
    QTest::addColumn<MediaKind>("kind");
    QTest::addColumn<QString>("speed");
    QTest::newRow("CD") << MediaKind::CD << "1.2 MB/s (8.0x)";
    QTest::newRow("DVD") << MediaKind::DVD << "1.2 MB/s (0.9x)";
    QTest::newRow("BD") << MediaKind::BD << "1.2 MB/s (0.3x)";
    QTest::newRow("image file") << MediaKind::Unknown << "1.2 MB/s";
}

void TestProgress::tooltipGivesSpeedFactorAndFallingTimeLeft()
{
    QFETCH(MediaKind, kind);
    QFETCH(QString, speed);
    // 600 sectors (1.2288 MB) a second, reported twice a second in whole
    // seconds, of a 100-second track; then a 12-second stall, a last count
    // beyond the track (libburn pads it) and the read-back.
    constexpr int sectors = 60'000;
    std::vector<WriteProgress> script;
    for (int half = 0; half <= 120; ++half)
        script.push_back(progressEvent(4, half / 2, 0, sectors, 100, 100 + 300 * half));
    for (int second = 61; second <= 72; ++second)
        script.push_back(progressEvent(4, second, 0, sectors, 100, 100 + 36'000));
    script.push_back(progressEvent(4, 73, 0, sectors, 100, 100 + sectors + 16));
    for (int second = 74; second <= 77; ++second)
        script.push_back(progressEvent(7, second, 0, sectors, 100, 100 + 2400 * (second - 74)));

    QTemporaryDir dir;
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    sim.disc.recorders[0].mediaKind = kind;
    sim.disc.progressScript = script;
    Form1 form(sim.platform());
    form.txtPath->setText(writePatternFile(dir, "a.iso", 4096));
    QStringList tips;
    sim.disc.duringWrite = [&](const WriteProgress &) {
        tips << form.txtStatus->toolTip();
        if (form.txtStatus->accessibleDescription() !=
            (tips.last().isEmpty() ? "What the recorder is doing" : tips.last()))
            tips.last() += " <description differs>";
    };
    form.cmdBurn_Click();
    QCOMPARE(sim.prompter.last().title, QString("Complete"));
    QCOMPARE(tips.size(), int(script.size()));

    // Nothing until two seconds tell a rate; then the speed, steady, and a
    // time left that only falls.
    for (int i = 0; i < 4; ++i)
        QCOMPARE(tips[i], QString());
    QCOMPARE(tips[4], speed + ", about 2 min left");
    QStringList lefts;
    for (int i = 4; i <= 120; ++i) {
        QVERIFY2(tips[i].startsWith(speed + ", "), qPrintable(tips[i]));
        const QString left = tips[i].mid(speed.size() + 2);
        if (lefts.isEmpty() || lefts.last() != left)
            lefts << left;
    }
    QCOMPARE(lefts, (QStringList{"about 2 min left", "about 1 min left", "less than a minute left"}));
    // A stall leaves the speed at nothing and no estimate at all; a count
    // past the end never gives a negative time.
    QVERIFY2(tips[120 + 12].startsWith("0.0 MB/s") && !tips[120 + 12].contains("left"), qPrintable(tips[132]));
    QVERIFY2(tips[133].endsWith(", less than a minute left"), qPrintable(tips[133]));
    // The read-back is measured afresh.
    QCOMPARE(tips[134], QString());
    QVERIFY2(tips[136].startsWith(kind == MediaKind::Unknown ? "4.9 MB/s" : "4.9 MB/s ("), qPrintable(tips[136]));
    // Once the burn is over the figures go.
    QCOMPARE(form.txtStatus->toolTip(), QString());
    QCOMPARE(form.txtStatus->accessibleDescription(), QString("What the recorder is doing"));
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
