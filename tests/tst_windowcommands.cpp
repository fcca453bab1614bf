#include "about/frmabout.h"
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

const QString cancel = QStringLiteral("<cancel>");

} // namespace

class TestWindowCommands : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void browseTakesAChoiceAndCancelKeepsThePath_data();
    void browseTakesAChoiceAndCancelKeepsThePath();
    void droppedFileNamesTheImage_data();
    void droppedFileNamesTheImage();
    void helpOpensTheSupportPage();
    void resizeNeverGrowsBeyondTheDesignedOuterSize_data();
    void resizeNeverGrowsBeyondTheDesignedOuterSize();
    void aboutLinkOpensOneUnownedModelessDialog();
};

void TestWindowCommands::cleanup()
{
    if (frmAbout *about = frmAbout::openDialog())
        about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestWindowCommands::browseTakesAChoiceAndCancelKeepsThePath_data()
{
    QTest::addColumn<QString>("commandLinePath");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("path");
    QTest::newRow("a choice replaces the command-line path")
        << "/cmd/given.iso" << QStringList{"/home/u/picked.iso"} << "/home/u/picked.iso";
    QTest::newRow("cancel keeps the command-line path") << "/cmd/given.iso" << QStringList{cancel} << "/cmd/given.iso";
    QTest::newRow("cancel of the first dialog leaves the box empty") << "" << QStringList{cancel} << "";
    QTest::newRow("cancel after a choice keeps the choice")
        << "" << QStringList{"/home/u/one.iso", cancel} << "/home/u/one.iso";
    QTest::newRow("the later choice wins")
        << "" << QStringList{"/home/u/one.iso", "/home/u/two.iso"} << "/home/u/two.iso";
    QTest::newRow("full path with spaces, as chosen")
        << "" << QStringList{"/media/u/My Discs/image 1.ISO"} << "/media/u/My Discs/image 1.ISO";
}

void TestWindowCommands::browseTakesAChoiceAndCancelKeepsThePath()
{
    QFETCH(QString, commandLinePath);
    QFETCH(QStringList, answers);
    QFETCH(QString, path);
    SimulatedPlatform sim;
    for (const QString &a : answers)
        sim.fileDialog.answers.push_back(a == cancel ? std::nullopt : std::optional<QString>(a));
    Form1 window(sim.platform());
    window.txtPath->setText(commandLinePath);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (int i = 0; i < answers.size(); ++i)
        QTest::mouseClick(window.cmdBrowse, Qt::LeftButton);

    QCOMPARE(window.txtPath->text(), path);
    // One filter each time: the label "ISO files(*.iso)" on *.iso.
    QCOMPARE(sim.fileDialog.filters, QStringList(answers.size(), QStringLiteral("ISO files(*.iso)")));
    QVERIFY(sim.prompter.messages.empty());
}

void TestWindowCommands::droppedFileNamesTheImage_data()
{
    // Entries are paths inside a scratch folder ("<dir>/...") or URLs.
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("path");
    QTest::newRow("a local file, full path")
        << QStringList{"<dir>/My Discs/image 1.ISO"} << "<dir>/My Discs/image 1.ISO";
    QTest::newRow("several files: the first") << QStringList{"<dir>/one.iso", "<dir>/two.iso"} << "<dir>/one.iso";
    QTest::newRow("a web address is ignored") << QStringList{"https://example.org/one.iso"} << "/cmd/given.iso";
    QTest::newRow("a folder is ignored") << QStringList{"<dir>/My Discs"} << "/cmd/given.iso";
    QTest::newRow("a file that is gone is ignored") << QStringList{"<dir>/gone.iso"} << "/cmd/given.iso";
    QTest::newRow("a folder first is ignored") << QStringList{"<dir>/My Discs", "<dir>/one.iso"} << "/cmd/given.iso";
    QTest::newRow("no address at all") << QStringList{} << "/cmd/given.iso";
}

void TestWindowCommands::droppedFileNamesTheImage()
{
    QFETCH(QStringList, dropped);
    QFETCH(QString, path);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("My Discs"));
    for (const char *name : {"My Discs/image 1.ISO", "one.iso", "two.iso"})
        QVERIFY(writePatternFile(dir, name, 2048).size());
    auto resolve = [&](QString entry) { return entry.replace("<dir>", dir.path()); };
    QList<QUrl> urls;
    for (const QString &entry : dropped)
        urls << (entry.startsWith("<dir>") ? QUrl::fromLocalFile(resolve(entry)) : QUrl(entry));
    path = resolve(path);

    SimulatedPlatform sim;
    Form1 window(sim.platform());
    window.txtPath->setText("/cmd/given.iso");
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(200, 150), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(200, 150), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);

    QCOMPARE(window.txtPath->text(), path);
    // The pointer already says, while dragging, whether the drop will count.
    const bool taken = path != "/cmd/given.iso";
    QCOMPARE(enter.isAccepted(), taken);
    QCOMPARE(drop.isAccepted(), taken);
    QVERIFY(sim.prompter.messages.empty());
}

void TestWindowCommands::helpOpensTheSupportPage()
{
    SimulatedPlatform sim;
    Form1 window(sim.platform());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.picHelp, Qt::LeftButton);
    QCOMPARE(sim.shell.opened, QStringList{"https://pelimor.example/support.aspx"});
    // A screen reader presses it the same way.
    QAccessible::queryAccessibleInterface(window.picHelp)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(sim.shell.opened.size(), 2);
    QVERIFY(sim.shell.started.isEmpty());
    QVERIFY(sim.prompter.messages.empty());
    QVERIFY(!frmAbout::openDialog());
}

void TestWindowCommands::resizeNeverGrowsBeyondTheDesignedOuterSize_data()
{
    // Outer sizes, frame included; the limit is 6615 x 4740 twips.
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("result");
    QTest::newRow("larger both ways") << QSize(600, 500) << QSize(441, 316);
    QTest::newRow("wider only") << QSize(520, 300) << QSize(441, 300);
    QTest::newRow("taller only") << QSize(400, 420) << QSize(400, 316);
    QTest::newRow("exactly the limit is left alone") << QSize(441, 316) << QSize(441, 316);
    QTest::newRow("one pixel too wide") << QSize(442, 316) << QSize(441, 316);
    QTest::newRow("one pixel too tall") << QSize(441, 317) << QSize(441, 316);
    QTest::newRow("smaller is allowed") << QSize(300, 200) << QSize(300, 200);
    QTest::newRow("narrower but too tall") << QSize(200, 900) << QSize(200, 316);
}

void TestWindowCommands::resizeNeverGrowsBeyondTheDesignedOuterSize()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, result);
    SimulatedPlatform sim;
    Form1 window(sim.platform());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize frame = window.frameGeometry().size() - window.size();

    window.resize(requested - frame);
    QTRY_COMPARE(window.frameGeometry().size(), result);
    // And it stays there once every resulting event has been handled.
    QTest::qWait(20);
    QCOMPARE(window.frameGeometry().size(), result);
}

void TestWindowCommands::aboutLinkOpensOneUnownedModelessDialog()
{
    SimulatedPlatform sim;
    Form1 window(sim.platform());
    window.move(200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(window.Picture2, Qt::LeftButton);
    QPointer<frmAbout> about = frmAbout::openDialog();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(!about->parentWidget());
    QVERIFY(!about->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    // Placed over the window that opened it.
    const QPoint offset = about->frameGeometry().center() - window.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));

    // The main window keeps working while the dialog is open.
    sim.fileDialog.answers.push_back(QStringLiteral("/tmp/while-about.iso"));
    QTest::mouseClick(window.cmdBrowse, Qt::LeftButton);
    QCOMPARE(window.txtPath->text(), QString("/tmp/while-about.iso"));

    // A second click brings the same dialog forward.
    QTest::mouseClick(window.Picture2, Qt::LeftButton);
    QCOMPARE(frmAbout::openDialog(), about.data());
}

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
