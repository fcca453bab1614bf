// The program in German, as a user whose desktop speaks German sees it:
// every refusal box, the status texts, the main window and the About
// dialog come from the catalogue built into the program, Qt's own buttons
// from Qt's. The English texts are the other tests', in the C locale.
#include "about/frmabout.h"
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "scriptedregistry.h"
#include "startup/module1.h"
#include "startup/translations.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

const QLocale german(QLocale::German, QLocale::Germany);

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void refusalsAndOutcomesInGerman_data();
    void refusalsAndOutcomesInGerman();
    void statusTextsInGerman();
    void windowsInGerman();
    void englishBeforeGermanKeepsEnglish();
};

void TestTranslations::initTestCase()
{
    QVERIFY(!installTranslations(QLocale::c()));
    QVERIFY(installTranslations(german));
    QLocale::setDefault(german);
    // Qt's catalogue came along: its boxes' buttons speak German too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
}

void TestTranslations::refusalsAndOutcomesInGerman_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("title");
    QTest::newRow("empty path") << "empty"
                                << "Wählen Sie ein ISO-Abbild zum Brennen aus."
                                << "PelimorISOBurn";
    QTest::newRow("missing file") << "missing"
                                  << "Die ISO-Datei „/no/such.iso“ wurde nicht gefunden."
                                  << "Datei nicht gefunden";
    QTest::newRow("no recorder") << "no recorder"
                                 << "Es ist kein CD/DVD-Brenner ausgewählt. Schließen Sie einen Brenner an, der CDs "
                                    "beschreiben kann, und starten Sie das Programm neu."
                                 << "Kein Brenner";
    QTest::newRow("recorder") << "recorder"
                              << "Dieser Brenner wird nicht unterstützt. Versuchen Sie es mit einem anderen "
                                 "CD-Laufwerk."
                              << "Brenner nicht unterstützt";
    QTest::newRow("media") << "media"
                           << "Im Laufwerk liegt keine CD, oder das eingelegte Medium wird nicht unterstützt. Bitte "
                              "legen Sie eine leere CD ein und versuchen Sie es erneut."
                           << "Medium nicht unterstützt";
    QTest::newRow("status") << "status"
                            << "Die Disc ist nicht leer. Bitte legen Sie eine neue, leere CD ein und versuchen Sie es "
                               "erneut."
                            << "Medienstatus – 4";
    QTest::newRow("used disc") << "used"
                               << "Die Disc enthält bereits Daten. Bitte legen Sie eine leere CD ein und versuchen Sie "
                                  "es erneut."
                               << "Medium nicht leer";
    // German figures have a decimal comma.
    QTest::newRow("too small") << "small"
                               << "Das ISO-Abbild benötigt 0,1 MB, auf der Disc sind aber nur 0,0 MB frei. Bitte legen "
                                  "Sie eine größere leere Disc ein und versuchen Sie es erneut."
                               << "Disc zu klein";
    QTest::newRow("unconfirmed") << "unconfirmed"
                                 << "Der Brennvorgang wurde nicht abgeschlossen: der Brenner hat nicht bestätigt, "
                                    "dass das Abbild vollständig geschrieben wurde"
                                 << "Brennen fehlgeschlagen";
    QTest::newRow("complete") << "complete"
                              << "Das ISO-Abbild wurde gebrannt!"
                              << "Fertig";
    QTest::newRow("sysinfo") << "sysinfo"
                             << "Die Systeminformationen sind zurzeit nicht verfügbar."
                             << "PelimorISOBurn";
    QTest::newRow("no service")
        << "service"
        << "Ihr Computer benötigt ein Update von Microsoft. Besuchen Sie Microsoft, um ihn "
           "jetzt zu aktualisieren: https://support.microsoft.com/kb/932716.\r\n\r\nSobald Sie "
           "auf „OK“ klicken, öffnet Ihr Browser die Website von Microsoft. Folgen Sie dort den "
           "Anweisungen, um die Unterstützung für das Brennen von CDs/DVDs zu installieren."
        << "Download von Microsoft erforderlich";
}

void TestTranslations::refusalsAndOutcomesInGerman()
{
    QFETCH(QString, scenario);
    QFETCH(QString, prompt);
    QFETCH(QString, title);
    QTemporaryDir dir;
    SimulatedPlatform sim;
    if (scenario != "no recorder")
        sim.disc.recorders.push_back(cdRecorder("rec0"));
    SimulatedRecorder *r = sim.disc.recorders.empty() ? nullptr : &sim.disc.recorders[0];
    if (scenario == "service") {
        sim.disc.failures["CreateDiscMaster"] = "class not registered";
        QVERIFY(!Module1::Main(sim.platform(), QString()));
    } else if (scenario == "sysinfo") {
        ScriptedRegistry registry;
        sim.registry = &registry;
        frmAbout about(sim.platform());
        about.StartSysInfo();
    } else {
        Form1 form(sim.platform());
        form.txtPath->setText(scenario == "empty"     ? QString()
                              : scenario == "missing" ? QStringLiteral("/no/such.iso")
                                                      : writePatternFile(dir, "a.iso", 100'000));
        if (r) {
            r->recorderSupported = scenario != "recorder";
            r->mediaSupported = scenario != "media";
            r->mediaStatus = {scenario == "status" ? 4 : 2};
            r->nextWritableAddress = scenario == "used" ? 300 : 0;
            r->freeSectors = scenario == "small" ? 10 : 359'844;
        }
        sim.disc.writeSucceeds = scenario != "unconfirmed";
        form.cmdBurn_Click();
    }
    QCOMPARE(sim.prompter.messages.size(), std::size_t(1));
    QCOMPARE(sim.prompter.last().prompt, prompt);
    QCOMPARE(sim.prompter.last().title, title);
}

void TestTranslations::statusTextsInGerman()
{
    QTemporaryDir dir;
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    sim.disc.progressScript = {{WriteAction::ValidatingMedia, 3, 120},
                               {WriteAction::FormattingMedia, 0, 45},
                               {WriteAction::InitializingHardware},
                               {WriteAction::CalibratingPower},
                               {WriteAction::WritingData, 1, 60, 8, 0, 1},
                               {WriteAction::Finalization},
                               {WriteAction::Completed},
                               {WriteAction::Verifying},
                               {static_cast<WriteAction>(8)}};
    Form1 form(sim.platform());
    form.txtPath->setText(writePatternFile(dir, "a.iso", 4096));
    QStringList seen;
    sim.disc.duringWrite = [&](const WriteProgress &) { seen << form.txtStatus->text(); };
    form.cmdBurn_Click();
    QCOMPARE(seen, (QStringList{"Medium wird geprüft – Zeit: 3 / 120", "Medium wird formatiert – Zeit: 0 / 45",
                                "Hardware wird initialisiert", "Laserleistung wird kalibriert (OPC)",
                                "Fortschritt: 12,50%", "Disc wird abgeschlossen", "Brennvorgang abgeschlossen.",
                                "Daten werden überprüft.", "Unbekannter Vorgang: 8"}));
}

void TestTranslations::windowsInGerman()
{
    SimulatedPlatform sim;
    Form1 form(sim.platform());
    QCOMPARE(form.windowTitle(), QString("pelimor.example | Pelimor ISO Burn | Version 1.0.1"));
    QCOMPARE(form.chkEject->text(), QString("Nach dem Brennen auswerfen"));
    QCOMPARE(form.cmdBurn->toolTip(), QString("   ISO-Datei auf CD brennen   "));
    QCOMPARE(form.cmdBrowse->toolTip(), QString("  ISO-Datei suchen"));
    QCOMPARE(form.cmdBurn->accessibleName(), QString("Brennen"));
    QCOMPARE(form.ListView1->headerItem()->text(1), QString("Hersteller"));
    QCOMPARE(form.ListView1->headerItem()->text(4), QString("Laufwerk"));

    frmAbout about(sim.platform());
    QCOMPARE(about.windowTitle(), QString("Über PelimorISOBurn"));
    QCOMPARE(about.lblVersion->text(), QString("Version 1.0.1"));
    QCOMPARE(about.cmdSysInfo->text(), QString("&Systeminformationen..."));
    // The licence stays in English, under a German heading.
    const QString box = about.lbldescription->toPlainText();
    QVERIFY2(box.startsWith("Lizenzbedingungen (im englischen Originalwortlaut):\n\nPelimor ISO Burn is freeware."),
             qPrintable(box.left(80)));
}

void TestTranslations::englishBeforeGermanKeepsEnglish()
{
    // Whatever is installed already stays; the answer is what counts.
    QVERIFY(!installTranslations(QLocale(QLocale::English, QLocale::UnitedKingdom)));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
