// The burn command on the simulated service, around the write: what the
// status line says while the recorder is taken, the drive let go of before
// every box, how the end of a write is told, the window during the write
// (memory, commands, keyboard), closing it mid-burn to stop the burn, and
// erasing or overwriting a used rewritable disc before the burn.
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "peakmemory.h"
#include "testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>
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
    void largeImageIsStreamedNotLoaded();
    void commandsAreDisabledAndCloseRefusedDuringTheWrite();
    void keyboardBurnEndsWithTheFocusOnBurn_data();
    void keyboardBurnEndsWithTheFocusOnBurn();
    void usedRewritableDiscIsReusedOnlyAfterYes_data();
    void usedRewritableDiscIsReusedOnlyAfterYes();

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
    QTest::addColumn<int>("action");   // the progress event during which the window is closed
    QTest::addColumn<bool>("tooLate"); // the service finishes the burn all the same
    QTest::addColumn<bool>("verified");
    QTest::newRow("yes while writing") << true << int(WriteAction::WritingData) << false << true;
    QTest::newRow("yes while verifying") << true << int(WriteAction::Verifying) << false << true;
    QTest::newRow("yes as the writer completes") << true << int(WriteAction::Completed) << false << true;
    QTest::newRow("no goes on burning") << false << int(WriteAction::WritingData) << false << true;
    QTest::newRow("yes too late, disc verified") << true << int(WriteAction::WritingData) << true << true;
    QTest::newRow("yes too late, not read back") << true << int(WriteAction::WritingData) << true << false;
    // A blank runs to its end; the burn after it does not start.
    QTest::newRow("yes while erasing a used CD-RW") << true << int(WriteAction::FormattingMedia) << false << true;
    QTest::newRow("yes while the recorder is taken") << true << -1 << false << true;
}

void TestBurnStop::closingDuringTheBurnAsksWhetherToStop()
{
    QFETCH(bool, stop);
    QFETCH(int, action);
    QFETCH(bool, tooLate);
    QFETCH(bool, verified);
    sim->disc.cancelTakesEffect = !tooLate;
    sim->disc.writeVerified = verified;
    sim->disc.progressScript = {{WriteAction::InitializingHardware, 0, 0, 0, 0, 0},
                                {WriteAction::WritingData, 1, 4, 10, 0, 5},
                                {WriteAction::Verifying, 2, 4, 10, 0, 0},
                                {WriteAction::Completed, 3, 4, 10, 0, 10}};
    form->show();
    sim->prompter.answers = {stop};
    const bool erasing = action == int(WriteAction::FormattingMedia);
    if (erasing) {
        sim->disc.recorders[0].reuse = MediaReuse::Erase;
        sim->disc.recorders[0].mediaStatus = {0x4800};
        sim->prompter.answers = {true, stop};
    }
    bool closed = false;
    sim->disc.duringWrite = [&](const WriteProgress &p) {
        if (int(p.CurrentAction) == action && !closed)
            closed = form->close();
    };
    const bool beforeWrite = action < 0;
    if (beforeWrite)
        sim->disc.onCall = [&](const std::string &call) {
            if (call == "put_Recorder" && !closed)
                closed = form->close();
        };
    std::vector<std::string> callsAtBox;
    sim->prompter.onMessage = [&](const Message &) { callsAtBox = sim->disc.calls; };
    form->cmdBurn_Click();

    QVERIFY(!closed); // a plain close never gets through mid-burn
    QCOMPARE(sim->prompter.questions.size(), std::size_t(erasing ? 2 : 1));
    QCOMPARE(sim->prompter.messages.size(), std::size_t(erasing ? 2 : 1));
    QCOMPARE(sim->disc.count("Write"), erasing || beforeWrite ? 0 : 1);
    const Message &m = sim->prompter.last();
    QVERIFY(sim->disc.ejected.empty() || !stop || tooLate); // a stopped disc stays where it is
    if (!stop) {
        QCOMPARE(m.title, QString("Complete"));
        QCOMPARE(sim->disc.count("CancelWrite"), 0);
        QVERIFY(form->isVisible());
        return;
    }
    if (tooLate) {
        // Written in full: said so, with what became of the read-back, and
        // never called unusable; the window still closes as asked.
        QCOMPARE(m.title, QString("Complete"));
        QVERIFY(m.prompt.startsWith(verified ? "The stop came too late: the burn had already finished, and the disc "
                                               "was read back and matches the image.\n\nISO burn complete!"
                                             : "The stop came too late: the burn had already finished.\n\nISO burn "
                                               "complete!\n\nThe disc was not read back"));
        QVERIFY(!m.prompt.contains("unusable"));
        QCOMPARE(sim->disc.count("CancelWrite"), 1);
        QVERIFY(form->dataWriter()->LastWriteSucceeded());
        QVERIFY(!form->isVisible());
        return;
    }
    QCOMPARE(m.title, QString("Burn failed"));
    QCOMPARE(m.icon, MsgIcon::Critical);
    // What became of the disc: never "unusable" for one nothing reached.
    QCOMPARE(m.prompt,
             QString("The burn did not complete: ") +
                 (erasing       ? "it was stopped after the disc had been erased; nothing was written to it"
                  : beforeWrite ? "it was stopped before anything was written, and the disc was not changed"
                                : "it was stopped before it had finished, and the disc is probably unusable"));
    QCOMPARE(sim->disc.count("CancelWrite"), 1);
    QCOMPARE(callsAtBox.back(), std::string("ReleaseExclusiveAccess"));
    QVERIFY(!form->dataWriter()->LastWriteSucceeded());
    // The user wanted the window gone: it closes once the burn has ended.
    QVERIFY(!form->isVisible());
    QVERIFY(!form->isBurning());
}

void TestBurnStop::largeImageIsStreamedNotLoaded()
{
    const qint64 size = 320LL * 1024 * 1024 + 100;
    const QString path = writePatternFile(*dir, "large.iso", size);
    QCryptographicHash expected(QCryptographicHash::Sha256);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        expected.addData(&f);
        expected.addData(QByteArray(2048 - 100, '\0'));
    }
    form->txtPath->setText(path);
    const long before = peakRssKiB();
    QVERIFY2(before > 0, "this system does not report peak memory, so the bound cannot be checked");
    QCOMPARE(burnOnce().title, QString("Complete"));
    const long growth = peakRssKiB() - before;
    QCOMPARE(sim->disc.bytesWritten, size - 100 + 2048);
    QCOMPARE(sim->disc.writtenSha256, expected.result());
    QVERIFY2(growth < 32 * 1024, qPrintable(QString("peak memory grew by %1 KiB").arg(growth)));
}

void TestBurnStop::commandsAreDisabledAndCloseRefusedDuringTheWrite()
{
    const QString image = form->txtPath->text();
    form->show();
    bool checked = false;
    sim->disc.duringWrite = [&](const WriteProgress &) {
        if (checked)
            return;
        checked = true;
        QVERIFY(!form->cmdBurn->isEnabled());
        QVERIFY(!form->cmdBrowse->isEnabled());
        QVERIFY(form->isBurning());
        // Pressing Burn again inside the write starts nothing, and a file
        // dropped now does not replace the image being written.
        form->cmdBurn_Click();
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(image + ".other")});
        QFile(image).copy(image + ".other");
        // Qt passes a drop on only after the drag has entered.
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &drop);
        QVERIFY(!drop.isAccepted());
        QCOMPARE(form->txtPath->text(), image);
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
    };
    // The close asks whether to stop; No (the default) goes on burning.
    QCOMPARE(burnOnce().title, QString("Complete"));
    QVERIFY(checked);
    QCOMPARE(sim->disc.count("Write"), 1);
    QCOMPARE(sim->disc.count("CancelWrite"), 0);
    QCOMPARE(sim->prompter.questions.size(), std::size_t(1));
    QCOMPARE(sim->prompter.questions[0].prompt,
             QString("A burn is in progress. Stopping now will leave the disc unusable. Stop the burn?"));
    QCOMPARE(sim->prompter.questions[0].title, QString("PelimorISOBurn"));
    QVERIFY(form->isVisible());
    QVERIFY(form->cmdBurn->isEnabled());
    QVERIFY(form->cmdBrowse->isEnabled());
    QVERIFY(form->close());
}

void TestBurnStop::keyboardBurnEndsWithTheFocusOnBurn_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("failingCall");
    QTest::addColumn<QString>("title");
    QTest::newRow("Return") << int(Qt::Key_Return) << ""
                            << "Complete";
    QTest::newRow("Enter") << int(Qt::Key_Enter) << ""
                           << "Complete";
    QTest::newRow("Space") << int(Qt::Key_Space) << ""
                           << "Complete";
    QTest::newRow("failed write") << int(Qt::Key_Return) << "Write"
                                  << "Burn failed";
    QTest::newRow("refused disc") << int(Qt::Key_Return) << "IsCurrentMediaSupported"
                                  << "Burn failed";
}

void TestBurnStop::keyboardBurnEndsWithTheFocusOnBurn()
{
    QFETCH(int, key);
    QFETCH(QString, failingCall);
    QFETCH(QString, title);
    if (!failingCall.isEmpty())
        sim->disc.failures[failingCall.toStdString()] = "no answer";
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->cmdBurn->setFocus(Qt::TabFocusReason);
    QWidget *focusDuringWrite = nullptr;
    sim->disc.duringWrite = [&](const WriteProgress &) { focusDuringWrite = QApplication::focusWidget(); };

    QTest::keyClick(form->cmdBurn, Qt::Key(key));
    QCOMPARE(sim->prompter.messages.size(), std::size_t(1));
    QCOMPARE(sim->prompter.last().title, title);
    if (failingCall.isEmpty()) {
        // The disabled button could not keep the focus while writing.
        QVERIFY(focusDuringWrite && focusDuringWrite != form->cmdBurn);
    }
    QCOMPARE(QApplication::focusWidget(), form->cmdBurn);
}

QTEST_MAIN(TestBurnStop)
// A write that could not be read back is not told as a verified one; a
// disc that had to be put back is asked for, and Cancel is no success.
void TestBurnStop::theEndOfAWriteIsToldAsItWas_data()
{
    QTest::addColumn<bool>("verified");
    QTest::addColumn<int>("putBack"); // -1: not asked, else the answer
    QTest::addColumn<bool>("ejectFails");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    const QString complete = QStringLiteral("ISO burn complete!");
    const QString unverified = QStringLiteral("\n\nThe disc was not read back and compared with the image: this "
                                              "computer's disc-burning service cannot verify a burn.");
    const QString byHand = QStringLiteral("\n\nThe recorder did not eject the disc: please take it out by hand.");
    QTest::newRow("read back") << true << -1 << false << "Complete" << complete;
    QTest::newRow("no read-back on this system") << false << -1 << false << "Complete" << complete + unverified;
    QTest::newRow("disc put back: OK") << true << 1 << false << "Complete" << complete;
    QTest::newRow("disc not put back: Cancel")
        << true << 0 << false << "Burn failed"
        << "The burn did not complete: the disc was not put back, so it could not be verified";
    // A drive that keeps the tray shut right after a good burn.
    QTest::newRow("eject fails") << true << -1 << true << "Complete" << complete + byHand;
    QTest::newRow("eject fails, not read back") << false << -1 << true << "Complete" << complete + unverified + byHand;
}

void TestBurnStop::theEndOfAWriteIsToldAsItWas()
{
    QFETCH(bool, verified);
    QFETCH(int, putBack);
    QFETCH(bool, ejectFails);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    sim->disc.writeVerified = verified;
    form->chkEject->setChecked(true);
    if (ejectFails)
        sim->disc.failures["EjectMedia"] = "the recorder is still getting the disc ready";
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

// A used rewritable disc: the design's refusal first, then one question;
// only Yes erases (blankable) or overwrites it, after the same checks again.
// A write-once disc is never offered.
void TestBurnStop::usedRewritableDiscIsReusedOnlyAfterYes_data()
{
    QTest::addColumn<int>("reuse");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("failure"); // of EraseMedia
    QTest::addColumn<QStringList>("titles");
    const auto E = int(MediaReuse::Erase), O = int(MediaReuse::Overwrite);
    QTest::newRow("closed CD-R") << int(MediaReuse::None) << 0x4000 << true << ""
                                 << QStringList{"Media status - 16384"};
    QTest::newRow("used CD-RW kept") << E << 0x4800 << false << "" << QStringList{"Media status - 18432"};
    QTest::newRow("used CD-RW erased") << E << 0x4800 << true << "" << QStringList{"Media status - 18432", "Complete"};
    QTest::newRow("erase fails") << E << 0x4800 << true << "the disc could not be erased"
                                 << QStringList{"Media status - 18432", "Burn failed"};
    QTest::newRow("used DVD+RW kept") << O << 0x1000 << false << "" << QStringList{"Media status - 4096"};
    QTest::newRow("used DVD+RW overwritten")
        << O << 0x1000 << true << "" << QStringList{"Media status - 4096", "Complete"};
}

void TestBurnStop::usedRewritableDiscIsReusedOnlyAfterYes()
{
    QFETCH(int, reuse);
    QFETCH(int, status);
    QFETCH(bool, yes);
    QFETCH(QString, failure);
    QFETCH(QStringList, titles);
    auto &r = sim->disc.recorders[0];
    r.reuse = MediaReuse(reuse);
    r.mediaStatus = {status};
    if (!failure.isEmpty())
        sim->disc.failures["EraseMedia"] = failure.toStdString();
    sim->prompter.answers = {yes};
    QStringList statuses;
    connect(form->txtStatus, &QLineEdit::textChanged, this, [&](const QString &text) { statuses << text; });
    form->cmdBurn_Click();

    QStringList seen;
    for (const Message &m : sim->prompter.messages)
        seen << m.title;
    QCOMPARE(seen, titles);
    const bool asked = MediaReuse(reuse) != MediaReuse::None;
    QCOMPARE(sim->prompter.questions.size(), std::size_t(asked));
    if (asked) {
        QCOMPARE(sim->prompter.questions[0].title, QString("Erase the disc?"));
        QCOMPARE(sim->prompter.questions[0].prompt,
                 QString("The disc in PLEXTOR DVDR PX-716A is a rewritable disc that holds data. Erase it and burn "
                         "the image? Everything on the disc will be lost."));
    }
    const bool erase = yes && MediaReuse(reuse) == MediaReuse::Erase;
    QCOMPARE(sim->disc.count("EraseMedia"), int(erase));
    QCOMPARE(sim->disc.count("put_ForceOverwrite"), int(yes && MediaReuse(reuse) == MediaReuse::Overwrite));
    QCOMPARE(sim->disc.count("Write"), int(titles.last() == "Complete"));
    // Yes takes the recorder again and runs every check again.
    QCOMPARE(sim->disc.count("IsRecorderSupported"), asked && yes && failure.isEmpty() ? 2 : 1);
    const qsizetype formatting = statuses.indexOf("Formatting media Time: 0 / 3");
    QCOMPARE(formatting >= 0, erase && failure.isEmpty());
    if (formatting >= 0)
        QVERIFY(formatting < statuses.indexOf(QRegularExpression("Progress:.*")));
}

#include "tst_burn_stop.moc"
