#include "mainwindow/form1.h"
#include "startup/module1.h"
#include "testsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void commandLineJoinsArgumentsAfterTheProgramName_data();
    void commandLineJoinsArgumentsAfterTheProgramName();
    void pathBoxTakesTheFirstCommaPiece_data();
    void pathBoxTakesTheFirstCommaPiece();
    void existingFileIsTakenWhole_data();
    void existingFileIsTakenWhole();
    void missingServiceExplainsOpensTheArticleAndShowsNoWindow();
    void presentServiceShowsTheWindowWithoutMessages();
    void runEndsWithExitCodeOneWhenTheServiceIsMissing();
    void runKeepsGoingUntilTheLastWindowCloses();
};

void TestStartup::commandLineJoinsArgumentsAfterTheProgramName_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("none") << QStringList{"pelimor-iso-burn"} << QString();
    QTest::newRow("one") << QStringList{"pelimor-iso-burn", "/tmp/a.iso"} << "/tmp/a.iso";
    QTest::newRow("spaces in a path split by the shell")
        << QStringList{"pelimor-iso-burn", "/tmp/my", "disc.iso"} << "/tmp/my disc.iso";
    QTest::newRow("argument with its own spaces")
        << QStringList{"pelimor-iso-burn", "/tmp/my  disc.iso"} << "/tmp/my  disc.iso";
}

void TestStartup::commandLineJoinsArgumentsAfterTheProgramName()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, commandLine);
    QCOMPARE(Module1::commandLineFrom(arguments), commandLine);
}

void TestStartup::pathBoxTakesTheFirstCommaPiece_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("path");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("plain") << "/home/u/a.iso"
                           << "/home/u/a.iso";
    QTest::newRow("two names") << "/home/u/a.iso,/home/u/b.iso"
                               << "/home/u/a.iso";
    QTest::newRow("comma first") << ",/home/u/b.iso"
                                 << "";
    QTest::newRow("quotes kept") << "\"/home/u/my disc.iso\""
                                 << "\"/home/u/my disc.iso\"";
    QTest::newRow("no trimming") << "  /home/u/a.iso  ,x"
                                 << "  /home/u/a.iso  ";
}

void TestStartup::pathBoxTakesTheFirstCommaPiece()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, path);
    SimulatedPlatform sim;
    auto window = Module1::Main(sim.platform(), commandLine);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->txtPath->text(), path);
    QVERIFY(sim.prompter.messages.empty());
}

void TestStartup::existingFileIsTakenWhole_data()
{
    // Files made in a fresh folder; "@" in the command line and the path
    // stands for that folder.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("path");
    QTest::newRow("a comma in the file's name") << QStringList{"Debian 12, amd64.iso"} << "@/Debian 12, amd64.iso"
                                                << "@/Debian 12, amd64.iso";
    QTest::newRow("two existing names") << QStringList{"a.iso", "b.iso"} << "@/a.iso,@/b.iso"
                                        << "@/a.iso";
    QTest::newRow("a comma name that does not exist") << QStringList{"Debian 12"} << "@/Debian 12, amd64.iso"
                                                      << "@/Debian 12";
}

void TestStartup::existingFileIsTakenWhole()
{
    QFETCH(QStringList, files);
    QFETCH(QString, commandLine);
    QFETCH(QString, path);
    QTemporaryDir dir;
    for (const QString &name : files)
        QVERIFY(!writePatternFile(dir, name, 2048).isEmpty());
    SimulatedPlatform sim;
    auto window = Module1::Main(sim.platform(), commandLine.replace('@', dir.path()));
    QVERIFY(window);
    QCOMPARE(window->txtPath->text(), path.replace('@', dir.path()));
}

void TestStartup::missingServiceExplainsOpensTheArticleAndShowsNoWindow()
{
    SimulatedPlatform sim;
    sim.disc.failures["CreateDiscMaster"] = "class not registered";
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());

    auto window = Module1::Main(sim.platform(), "/tmp/a.iso");

    QVERIFY(!window);
    QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);
    QCOMPARE(sim.prompter.messages.size(), std::size_t(1));
    const Message &m = sim.prompter.last();
    QCOMPARE(m.title, QString("Microsoft download required"));
    QCOMPARE(m.icon, MsgIcon::Critical);
    QCOMPARE(m.prompt, QString("You're computer requires an update from Microsoft. Visit Microsoft to update now... "
                               "https://support.microsoft.com/kb/932716.\r\n\r\nOnce you click 'OK' you're browser "
                               "will open the Microsoft web site follow the directions to install the CD/DVD burning "
                               "support."));
    QCOMPARE(sim.shell.opened, QStringList{"https://support.microsoft.com/kb/932716"});
    // The drive list was never built.
    QCOMPARE(sim.disc.count("RecorderIds"), 0);
    QCOMPARE(sim.disc.count("CreateDiscRecorder"), 0);
}

void TestStartup::presentServiceShowsTheWindowWithoutMessages()
{
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    auto window = Module1::Main(sim.platform(), QString());
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->txtPath->text().isEmpty());
    QCOMPARE(window->ListView1->topLevelItemCount(), 1);
    QVERIFY(sim.shell.opened.isEmpty());
    QVERIFY(sim.prompter.messages.empty());
}

void TestStartup::runEndsWithExitCodeOneWhenTheServiceIsMissing()
{
    SimulatedPlatform sim;
    sim.disc.failures["CreateDiscMaster"] = "class not registered";
    // If Run went on to the event loop, this would end it with 0.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QApplication::exit(0); });
    guard.start(2000);
    QCOMPARE(Module1::Run(sim.platform(), "a.iso"), 1);
    QCOMPARE(sim.prompter.messages.size(), std::size_t(1));
    QCOMPARE(sim.shell.opened.size(), 1);
}

void TestStartup::runKeepsGoingUntilTheLastWindowCloses()
{
    SimulatedPlatform sim;
    QString pathSeen;
    QTimer::singleShot(0, qApp, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *form = qobject_cast<Form1 *>(w); form && form->isVisible()) {
                pathSeen = form->txtPath->text();
                form->close();
            }
    });
    QCOMPARE(Module1::Run(sim.platform(), "/tmp/x.iso,/tmp/y.iso"), 0);
    QCOMPARE(pathSeen, QString("/tmp/x.iso"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
