// The burn command on the simulated service, around the drive: what the
// status line says while the recorder is taken, the drive let go of before
// every box, and closing the window mid-burn to stop it.
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

class TestBurnStop : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void statusSaysInitializingWhileTheRecorderIsTaken();
    void everyBoxComesAfterTheDriveIsLetGo_data();
    void everyBoxComesAfterTheDriveIsLetGo();
    void closingDuringTheBurnAsksWhetherToStop_data();
    void closingDuringTheBurnAsksWhetherToStop();
    void theEndOfAWriteIsToldAsItWas_data();
    void theEndOfAWriteIsToldAsItWas();

private:
    Message burnOnce();
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<SimulatedPlatform> sim;
    std::unique_ptr<Form1> form;
};

void TestBurnStop::init()
{
    dir = std::make_unique<QTemporaryDir>();
    sim = std::make_unique<SimulatedPlatform>();
    sim->disc.recorders.push_back(cdRecorder("rec0"));
    form = std::make_unique<Form1>(sim->platform());
    form->txtPath->setText(writePatternFile(*dir, "image.iso", 10 * 2048));
    sim->disc.calls.clear();
}

void TestBurnStop::cleanup()
{
    form.reset();
    sim.reset();
    dir.reset();
}

Message TestBurnStop::burnOnce()
{
    const auto before = sim->prompter.messages.size();
    form->cmdBurn_Click();
    if (sim->prompter.messages.size() != before + 1)
        return {QStringLiteral("<%1 messages>").arg(sim->prompter.messages.size() - before), MsgIcon::None, {}};
    return sim->prompter.last();
}

void TestBurnStop::statusSaysInitializingWhileTheRecorderIsTaken()
{
    form->txtStatus->setText("Completed the burn.");
    QStringList seen;
    sim->disc.onCall = [&](const std::string &call) {
        if (call == "InitializeDiscRecorder" || call == "put_Recorder" || call == "IsCurrentMediaSupported")
            seen << form->txtStatus->text();
    };
    QCOMPARE(burnOnce().title, QString("Complete"));
    QCOMPARE(seen, QStringList(4, "Initializing Hardware "));
}

// A locked tray behind a box would keep the user from taking the disc out
// while reading it: whatever the box, the drive was let go of first.
void TestBurnStop::everyBoxComesAfterTheDriveIsLetGo_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("title");
    QTest::newRow("recorder refused") << "recorder"
                                      << "Recorder not supported";
    QTest::newRow("media refused") << "media"
                                   << "Media not supported";
    QTest::newRow("used disc") << "status"
                               << "Media status - 4";
    QTest::newRow("data on the disc") << "nwa"
                                      << "Media not blank";
    QTest::newRow("disc too small") << "small"
                                    << "Disc too small";
    QTest::newRow("write failed") << "fail"
                                  << "Burn failed";
    QTest::newRow("complete, disc left in") << "keep"
                                            << "Complete";
    QTest::newRow("complete, ejected") << "eject"
                                       << "Complete";
}

void TestBurnStop::everyBoxComesAfterTheDriveIsLetGo()
{
    QFETCH(QString, setup);
    QFETCH(QString, title);
    auto &r = sim->disc.recorders[0];
    r.recorderSupported = setup != "recorder";
    r.mediaSupported = setup != "media";
    r.mediaStatus = {setup == "status" ? 4 : 2};
    r.nextWritableAddress = setup == "nwa" ? 300 : 0;
    r.freeSectors = setup == "small" ? 1 : 300'000;
    if (setup == "fail")
        sim->disc.failures["Write"] = "the drive reported a medium error";
    form->chkEject->setChecked(setup == "eject");
    std::vector<std::string> callsAtBox;
    sim->prompter.onMessage = [&](const Message &) { callsAtBox = sim->disc.calls; };
    QCOMPARE(burnOnce().title, title);
    QVERIFY(!callsAtBox.empty());
    QCOMPARE(callsAtBox.back(), std::string("ReleaseExclusiveAccess"));
    QCOMPARE(sim->disc.ejected.size(), std::size_t(setup == "eject" ? 1 : 0));
}

void TestBurnStop::closingDuringTheBurnAsksWhetherToStop_data()
{
    QTest::addColumn<bool>("stop");
    QTest::addColumn<int>("action"); // the progress event during which the window is closed
    QTest::newRow("yes while writing") << true << int(WriteAction::WritingData);
    QTest::newRow("yes while verifying") << true << int(WriteAction::Verifying);
    QTest::newRow("yes as the writer completes") << true << int(WriteAction::Completed);
    QTest::newRow("no goes on burning") << false << int(WriteAction::WritingData);
}

void TestBurnStop::closingDuringTheBurnAsksWhetherToStop()
{
    QFETCH(bool, stop);
    QFETCH(int, action);
    sim->disc.progressScript = {{WriteAction::InitializingHardware, 0, 0, 0, 0, 0},
                                {WriteAction::WritingData, 1, 4, 10, 0, 5},
                                {WriteAction::Verifying, 2, 4, 10, 0, 0},
                                {WriteAction::Completed, 3, 4, 10, 0, 10}};
    form->show();
    sim->prompter.answers = {stop};
    bool closed = false;
    sim->disc.duringWrite = [&](const WriteProgress &p) {
        if (int(p.CurrentAction) == action && !closed)
            closed = form->close();
    };
    std::vector<std::string> callsAtBox;
    sim->prompter.onMessage = [&](const Message &) { callsAtBox = sim->disc.calls; };
    form->cmdBurn_Click();

    QVERIFY(!closed); // a plain close never gets through mid-burn
    QCOMPARE(sim->prompter.questions.size(), std::size_t(1));
    QCOMPARE(sim->prompter.messages.size(), std::size_t(1));
    const Message &m = sim->prompter.last();
    QVERIFY(sim->disc.ejected.empty() || !stop);
    if (!stop) {
        QCOMPARE(m.title, QString("Complete"));
        QCOMPARE(sim->disc.count("CancelWrite"), 0);
        QVERIFY(form->isVisible());
        return;
    }
    QCOMPARE(m.title, QString("Burn failed"));
    QCOMPARE(m.icon, MsgIcon::Critical);
    QCOMPARE(m.prompt, QString("The burn did not complete: it was stopped before it had finished, and the disc is "
                               "probably unusable"));
    QCOMPARE(sim->disc.count("CancelWrite"), 1);
    QCOMPARE(callsAtBox.back(), std::string("ReleaseExclusiveAccess"));
    QVERIFY(!form->dataWriter()->LastWriteSucceeded());
    // The user wanted the window gone: it closes once the burn has ended.
    QVERIFY(!form->isVisible());
    QVERIFY(!form->isBurning());
}

QTEST_MAIN(TestBurnStop)
// A write that could not be read back is not told as a verified one; a
// disc that had to be put back is asked for, and Cancel is no success.
void TestBurnStop::theEndOfAWriteIsToldAsItWas_data()
{
    QTest::addColumn<bool>("verified");
    QTest::addColumn<int>("putBack"); // -1: not asked, else the answer
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    const QString complete = QStringLiteral("ISO burn complete!");
    QTest::newRow("read back") << true << -1 << "Complete" << complete;
    QTest::newRow("no read-back on this system")
        << false << -1 << "Complete"
        << complete + "\n\nThe disc was not read back and compared with the image: this computer's disc-burning "
                      "service cannot verify a burn.";
    QTest::newRow("disc put back: OK") << true << 1 << "Complete" << complete;
    QTest::newRow("disc not put back: Cancel")
        << true << 0 << "Burn failed"
        << "The burn did not complete: the disc was not put back, so it could not be verified";
}

void TestBurnStop::theEndOfAWriteIsToldAsItWas()
{
    QFETCH(bool, verified);
    QFETCH(int, putBack);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    sim->disc.writeVerified = verified;
    if (putBack >= 0) {
        sim->disc.mediaRequest = "Put the disc back.";
        sim->prompter.answers = {putBack == 1};
    }
    const Message box = burnOnce();
    QCOMPARE(box.title, title);
    QCOMPARE(box.prompt, prompt);
    QCOMPARE(sim->prompter.questions.size(), std::size_t(putBack >= 0 ? 1 : 0));
    if (putBack >= 0)
        QCOMPARE(sim->prompter.questions[0].title, QString("Insert the disc"));
}

#include "tst_burn_stop.moc"
