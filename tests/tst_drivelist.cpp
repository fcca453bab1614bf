// Building the drive list when the main window loads.
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QTreeWidget>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

QStringList rowTexts(const QTreeWidgetItem *row)
{
    QStringList texts;
    for (int c = 0; c < row->columnCount(); ++c)
        texts << row->text(c);
    while (texts.size() < 7)
        texts << QString();
    return texts;
}

} // namespace

class TestDriveList : public QObject {
    Q_OBJECT
private slots:
    void captionCarriesTheVersion();
    void noRecordersLeavesSevenHeadersAndNoRows();
    void columnsHaveTheirHeadersAndWidths();
    void onlyCdRecordersGetARow();
    void aCdRecorderKeepsItsOwnDetailsWhenANonCdRecorderFollows();
    void textsAreStoredAsReceivedAndOnlyTheFirstVolumeIsShown();
    void recorderWithoutVolumePathHasAnEmptyDriveCell();
    void firstRowIsCurrentAndWholeRowsAreSelected();
    void serviceFailuresLeaveOutOnlyTheFailingRecorder();
    void listIsBuiltOncePerWindow();
    void aSlowSearchShowsAWaitingWindowThatCannotBurnYet_data();
    void aSlowSearchShowsAWaitingWindowThatCannotBurnYet();
};

void TestDriveList::captionCarriesTheVersion()
{
    SimulatedPlatform sim;
    Form1 form(sim.platform());
    QCOMPARE(form.windowTitle(), QString("pelimor.example | Pelimor ISO Burn | ver. 1.0.1"));
}

void TestDriveList::noRecordersLeavesSevenHeadersAndNoRows()
{
    SimulatedPlatform sim;
    Form1 form(sim.platform());
    QCOMPARE(form.ListView1->columnCount(), 7);
    QCOMPARE(form.ListView1->topLevelItemCount(), 0);
    QVERIFY(!form.ListView1->currentItem());
}

void TestDriveList::columnsHaveTheirHeadersAndWidths()
{
    SimulatedPlatform sim;
    Form1 form(sim.platform());
    const QStringList headers{"id", "Manufacturer", "Model", "Rev", "Drive", "CDRecordable", "DVDPlusRW"};
    const int widths[] = {0, 100, 133, 100, 67, 0, 0};
    QTreeWidgetItem *header = form.ListView1->headerItem();
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(header->text(c), headers[c]);
        QCOMPARE(form.ListView1->isColumnHidden(c), widths[c] == 0);
        if (widths[c] != 0)
            QCOMPARE(form.ListView1->columnWidth(c), widths[c]);
    }
    QVERIFY(!form.ListView1->header()->isHidden());
    QVERIFY(!form.ListView1->rootIsDecorated());
}

void TestDriveList::onlyCdRecordersGetARow()
{
    SimulatedPlatform sim;
    SimulatedRecorder dvdRom = cdRecorder("rom0", "HL-DT-ST", "DVD-ROM GDR8164B", "0L06", {"D:\\"});
    dvdRom.profiles = {0x08, 0x10};
    sim.disc.recorders.push_back(dvdRom);
    sim.disc.recorders.push_back(cdRecorder("rec1", "TSSTcorp", "CDDVDW SH-S203B", "SB01", {"E:\\"}));
    Form1 form(sim.platform());
    QCOMPARE(form.ListView1->topLevelItemCount(), 1);
    QCOMPARE(rowTexts(form.ListView1->topLevelItem(0)),
             (QStringList{"rec1", "TSSTcorp", "CDDVDW SH-S203B", "SB01", "E:\\", "yes", ""}));
}

void TestDriveList::aCdRecorderKeepsItsOwnDetailsWhenANonCdRecorderFollows()
{
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0", "PLEXTOR", "PX-716A", "1.11", {"E:\\"}));
    SimulatedRecorder bdRom = cdRecorder("rom1", "PIONEER", "BD-ROM BDC-202", "1.00", {"F:\\"});
    bdRom.profiles = {0x40};
    sim.disc.recorders.push_back(bdRom);
    Form1 form(sim.platform());
    QCOMPARE(form.ListView1->topLevelItemCount(), 1);
    QCOMPARE(rowTexts(form.ListView1->topLevelItem(0)),
             (QStringList{"rec0", "PLEXTOR", "PX-716A", "1.11", "E:\\", "yes", ""}));
}

void TestDriveList::textsAreStoredAsReceivedAndOnlyTheFirstVolumeIsShown()
{
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(
        cdRecorder("\\\\?\\scsi#cdrom", "HP      ", "DVD Writer 1260t", "HT11 ", {"G:\\", "H:\\mnt\\"}));
    sim.disc.recorders.push_back(cdRecorder("rec2", "LITE-ON ", "LTR-52327S", "QS0C", {"/dev/sr1"}));
    Form1 form(sim.platform());
    QCOMPARE(form.ListView1->topLevelItemCount(), 2);
    QCOMPARE(rowTexts(form.ListView1->topLevelItem(0)),
             (QStringList{"\\\\?\\scsi#cdrom", "HP      ", "DVD Writer 1260t", "HT11 ", "G:\\", "yes", ""}));
    QCOMPARE(rowTexts(form.ListView1->topLevelItem(1)),
             (QStringList{"rec2", "LITE-ON ", "LTR-52327S", "QS0C", "/dev/sr1", "yes", ""}));
}

void TestDriveList::recorderWithoutVolumePathHasAnEmptyDriveCell()
{
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0", "ASUS", "DRW-24B1ST", "1.00", {}));
    Form1 form(sim.platform());
    QCOMPARE(form.ListView1->topLevelItemCount(), 1);
    QCOMPARE(form.ListView1->topLevelItem(0)->text(4), QString());
    QCOMPARE(form.ListView1->topLevelItem(0)->text(1), QString("ASUS"));
}

void TestDriveList::firstRowIsCurrentAndWholeRowsAreSelected()
{
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    sim.disc.recorders.push_back(cdRecorder("rec1"));
    Form1 form(sim.platform());
    QCOMPARE(form.ListView1->currentItem(), form.ListView1->topLevelItem(0));
    QCOMPARE(form.ListView1->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(form.ListView1->allColumnsShowFocus());
}

void TestDriveList::serviceFailuresLeaveOutOnlyTheFailingRecorder()
{
    {
        SimulatedPlatform sim;
        sim.disc.recorders.push_back(cdRecorder("rec0"));
        sim.disc.failures["RecorderIds"] = "bus reset";
        Form1 form(sim.platform());
        QCOMPARE(form.ListView1->topLevelItemCount(), 0);
        QVERIFY(sim.prompter.messages.empty());
    }
    {
        SimulatedPlatform sim;
        sim.disc.recorders.push_back(cdRecorder("rec0"));
        sim.disc.recorders.push_back(cdRecorder("rec1", "TEAC", "DV-W28E", "R.0C"));
        sim.disc.recorders.push_back(cdRecorder("rec2", "NEC", "ND-3540A", "1.01"));
        sim.disc.recorders[0].failures["ProductRevision"] = "device went away";
        sim.disc.recorders[1].failures["SupportedProfiles"] = "device busy";
        Form1 form(sim.platform());
        // A half-described row would lie about the drive: the failing ones
        // leave no trace, the healthy one is listed in full.
        QCOMPARE(form.ListView1->topLevelItemCount(), 1);
        QCOMPARE(rowTexts(form.ListView1->topLevelItem(0)),
                 (QStringList{"rec2", "NEC", "ND-3540A", "1.01", "E:\\", "yes", ""}));
        QVERIFY(sim.prompter.messages.empty());
    }
}

void TestDriveList::listIsBuiltOncePerWindow()
{
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    Form1 form(sim.platform());
    sim.disc.recorders.push_back(cdRecorder("rec1"));
    form.show();
    form.hide();
    form.show();
    QCOMPARE(form.ListView1->topLevelItemCount(), 1);
    QCOMPARE(sim.disc.count("RecorderIds"), 1);
}

void TestDriveList::aSlowSearchShowsAWaitingWindowThatCannotBurnYet_data()
{
    QTest::addColumn<int>("searchMs");
    QTest::addColumn<bool>("shownEarly");
    QTest::newRow("quick") << 0 << false;
    QTest::newRow("slow") << 1200 << true;
}

void TestDriveList::aSlowSearchShowsAWaitingWindowThatCannotBurnYet()
{
    QFETCH(int, searchMs);
    QFETCH(bool, shownEarly);
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    sim.disc.recorders.push_back(cdRecorder("rec1"));
    bool waitCursor = false, visibleMidSearch = false, burnOffMidSearch = false;
    // The service's search keeps the event loop turning, as the real one does.
    sim.disc.onCall = [&](const std::string &call) {
        if (call != "RecorderIds")
            return;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        waitCursor = cursor && cursor->shape() == Qt::WaitCursor;
        QTest::qWait(searchMs);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *form = qobject_cast<Form1 *>(w); form && form->isVisible()) {
                visibleMidSearch = true;
                burnOffMidSearch = !form->cmdBurn->isEnabled();
            }
    };
    Form1 form(sim.platform());
    QVERIFY(waitCursor);
    QCOMPARE(visibleMidSearch, shownEarly);
    QCOMPARE(burnOffMidSearch, shownEarly);
    // Once built, the list is complete and the window can burn.
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(form.ListView1->topLevelItemCount(), 2);
    QVERIFY(form.cmdBurn->isEnabled());
    QCOMPARE(form.isVisible(), shownEarly);
}

QTEST_MAIN(TestDriveList)
#include "tst_drivelist.moc"
