#include "about/frmabout.h"
#include "about/licence.h"
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "scriptedregistry.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the run's dialog the way the main window does and waits until it
// has the keyboard.
frmAbout *showActive(const Platform &platform)
{
    frmAbout *about = frmAbout::Show(platform);
    if (!QTest::qWaitForWindowActive(about))
        return nullptr;
    return about;
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void loadFillsTheTexts();
    void licenceIsOneParagraphOf2007Characters();
    void windowIsAFixedUnownedToolDialog();
    void controlsFollowTheDesign_data();
    void controlsFollowTheDesign();
    void unseenControlsStayOutOfSight();
    void licenceBoxOpensAtTheTopAndTakesEdits();
    void tabWalksOkIconSysInfoLicenceAndBack();
    void altSSpaceAndEnterStartTheToolFromTheUnseenButton();
    void okEscapeEnterAndCloseBoxUnload_data();
    void okEscapeEnterAndCloseBoxUnload();
    void oneDialogPerRunReloadedAfterClosing();
    void openAboutKeepsTheProgramRunning();
    void aboutOpenedDuringABurnStillSpeaksAfterIt();
};

void TestAbout::cleanup()
{
    if (frmAbout *about = frmAbout::openDialog())
        about->close();
    flushDeletes();
    QVERIFY(!frmAbout::openDialog());
}

void TestAbout::loadFillsTheTexts()
{
    SimulatedPlatform sim;
    frmAbout *about = frmAbout::Show(sim.platform());
    QCOMPARE(about->windowTitle(), QString("About PelimorISOBurn"));
    QCOMPARE(about->lblVersion->text(), QString("Version 1.0.1"));
    QCOMPARE(about->lblTitle->text(), QString("pelimor.example | Pelimor ISO burn"));
    QCOMPARE(about->lbldescription->toPlainText(), licence::text());
    QCOMPARE(about->lblDisclaimer->text(), QString("Warning: ..."));
    QCOMPARE(about->cmdOK->text(), QString("OK"));
    QCOMPARE(about->cmdSysInfo->text(), QString("&System Info..."));
    QCOMPARE(about->objectName(), QString("frmAbout"));
}

void TestAbout::licenceIsOneParagraphOf2007Characters()
{
    const QString text = licence::text();
    QCOMPARE(text.size(), 2007);
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QVERIFY(!text.contains(QLatin1Char('\r')));
    QVERIFY(!text.contains(QChar(0x2029)) && !text.contains(QChar(0x2028)));
    // Three parts, grant then disclaimer then GPL notice.
    const QString grant = QString::fromLatin1(licence::grant);
    const QString disclaimer = QString::fromLatin1(licence::disclaimer);
    const QString notice = QString::fromLatin1(licence::gplNotice);
    QVERIFY(!grant.isEmpty() && !disclaimer.isEmpty() && !notice.isEmpty());
    QCOMPARE(text, grant + disclaimer + notice);
    QVERIFY(grant.contains(QLatin1String("free of charge")));
    QVERIFY(grant.contains(QLatin1String("copies on unchanged")));
    QVERIFY(disclaimer.contains(QLatin1String("as is, without any warranty")));
    QVERIFY(disclaimer.contains(QLatin1String("your own responsibility")));
    QVERIFY(notice.contains(QLatin1String("GNU General Public License")));
    QVERIFY(notice.contains(QLatin1String("version 3 of the License, or (at your option) any later version")));
    QVERIFY(notice.contains(QLatin1String("source code")));
    QVERIFY(text.endsWith(QLatin1String("Pelimor, https://pelimor.example")));
}

void TestAbout::windowIsAFixedUnownedToolDialog()
{
    SimulatedPlatform sim;
    frmAbout *about = frmAbout::Show(sim.platform());
    QVERIFY(QTest::qWaitForWindowExposed(about));
    // A tool window gets no taskbar entry; its title bar has the close box
    // and nothing else.
    QCOMPARE(about->windowType(), Qt::Tool);
    const Qt::WindowFlags flags = about->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!about->parentWidget());
    QVERIFY(!about->isModal());
    QVERIFY(about->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!about->windowIcon().isNull());
    QCOMPARE(about->palette().color(QPalette::Window), about->palette().color(QPalette::Button));

    QCOMPARE(about->size(), QSize(382, 238));
    about->resize(600, 500);
    QCOMPARE(about->size(), QSize(382, 238));
    QCOMPARE(about->minimumSize(), about->maximumSize());
}

void TestAbout::controlsFollowTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<qreal>("points"); // 0: the default font
    QTest::addColumn<bool>("bold");
    // Twips divided by 15, rounded half up.
    QTest::newRow("lbldescription") << "lbldescription" << QRect(8, 74, 367, 117) << 9.0 << true;
    QTest::newRow("picIcon: image and one-pixel border") << "picIcon" << QRect(16, 16, 50, 50) << 0.0 << false;
    QTest::newRow("cmdOK") << "cmdOK" << QRect(283, 207, 84, 23) << 0.0 << false;
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(300, 328, 83, 23) << 0.0 << false;
    QTest::newRow("lblTitle") << "lblTitle" << QRect(74, 16, 259, 32) << 9.75 << false;
    QTest::newRow("lblVersion") << "lblVersion" << QRect(74, 52, 259, 15) << 9.75 << false;
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(32, 308, 258, 55) << 9.75 << false;
}

void TestAbout::controlsFollowTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    SimulatedPlatform sim;
    frmAbout about(sim.platform());
    auto *w = about.findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), geometry);
    if (points > 0) {
        QCOMPARE(w->font().family(), QString("Arial"));
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().bold(), bold);
    } else {
        QCOMPARE(w->font(), about.font());
    }
}

void TestAbout::unseenControlsStayOutOfSight()
{
    SimulatedPlatform sim;
    frmAbout *about = showActive(sim.platform());
    QVERIFY(about);
    // Below the client area, so nothing of them is ever painted, while the
    // button still counts as shown and enabled for the keyboard.
    QVERIFY(about->lblDisclaimer->geometry().top() >= about->height());
    QVERIFY(about->cmdSysInfo->geometry().top() >= about->height());
    QVERIFY(about->lblDisclaimer->visibleRegion().isEmpty());
    QVERIFY(about->cmdSysInfo->visibleRegion().isEmpty());
    QVERIFY(about->cmdSysInfo->isVisible());
    QVERIFY(about->cmdSysInfo->isEnabled());
    // Even with the focus on the button the dialog shows the same area.
    about->cmdSysInfo->setFocus();
    QVERIFY(about->cmdSysInfo->visibleRegion().isEmpty());
    QCOMPARE(about->size(), QSize(382, 238));
}

void TestAbout::licenceBoxOpensAtTheTopAndTakesEdits()
{
    SimulatedPlatform sim;
    frmAbout *about = showActive(sim.platform());
    QVERIFY(about);
    QPlainTextEdit *box = about->lbldescription;
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(box->verticalScrollBar()->isVisible());
    QVERIFY(box->verticalScrollBar()->maximum() > 0); // the text is longer than the box
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    QCOMPARE(box->textCursor().position(), 0);
    QVERIFY(!box->isReadOnly());
    box->setFocus();
    QTest::keyClicks(box, "typed ");
    QVERIFY(box->toPlainText().startsWith(QLatin1String("typed ")));
}

void TestAbout::tabWalksOkIconSysInfoLicenceAndBack()
{
    SimulatedPlatform sim;
    frmAbout *about = showActive(sim.platform());
    QVERIFY(about);
    QCOMPARE(focused(), about->cmdOK);
    const QList<QWidget *> walk{about->picIcon, about->cmdSysInfo, about->lbldescription, about->cmdOK};
    for (QWidget *next : walk) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), next);
    }
    // Backwards the same way round.
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), about->lbldescription);
    QVERIFY(!about->lbldescription->toPlainText().contains(QLatin1Char('\t')));
}

void TestAbout::altSSpaceAndEnterStartTheToolFromTheUnseenButton()
{
    SimulatedPlatform sim;
    ScriptedRegistry registry;
    registry.keys["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"]["PATH"] = textValue("/opt/tools/sysinfo");
    sim.registry = &registry;
    frmAbout *about = showActive(sim.platform());
    QVERIFY(about);

    QTest::keyClick(about->cmdOK, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(sim.shell.started.size(), 1);
    QCOMPARE(sim.shell.started.front(), QString("/opt/tools/sysinfo"));

    QTest::keyClick(about->cmdSysInfo, Qt::Key_Space);
    QTRY_COMPARE(sim.shell.started.size(), 2);
    QTest::keyClick(about->cmdSysInfo, Qt::Key_Return);
    QTRY_COMPARE(sim.shell.started.size(), 3);
    // The licence box takes typing but leaves Alt+S to the button.
    about->lbldescription->setFocus();
    QTest::keyClick(about->lbldescription, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(sim.shell.started.size(), 4);
    QCOMPARE(about->lbldescription->toPlainText(), licence::text());

    // The dialog stays open through all of it.
    QCOMPARE(frmAbout::openDialog(), about);
    QVERIFY(sim.prompter.messages.empty());
}

void TestAbout::okEscapeEnterAndCloseBoxUnload_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key"); // 0: the title bar's close box
    QTest::newRow("OK clicked") << "click" << 0;
    QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return);
    QTest::newRow("Space on OK") << "cmdOK" << int(Qt::Key_Space);
    QTest::newRow("Escape on OK") << "cmdOK" << int(Qt::Key_Escape);
    QTest::newRow("Enter in the licence box") << "lbldescription" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in the licence box") << "lbldescription" << int(Qt::Key_Enter);
    QTest::newRow("Escape in the licence box") << "lbldescription" << int(Qt::Key_Escape);
    QTest::newRow("Enter on the icon") << "picIcon" << int(Qt::Key_Return);
    QTest::newRow("Escape on the icon") << "picIcon" << int(Qt::Key_Escape);
    QTest::newRow("Escape on System Info") << "cmdSysInfo" << int(Qt::Key_Escape);
    QTest::newRow("close box") << "" << 0;
}

void TestAbout::okEscapeEnterAndCloseBoxUnload()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    SimulatedPlatform sim;
    frmAbout *about = showActive(sim.platform());
    QVERIFY(about);
    QPointer<frmAbout> guard(about);
    const QString before = about->lbldescription->toPlainText();
    bool textKept = false;
    connect(about, &QDialog::finished, this, [&] { textKept = about->lbldescription->toPlainText() == before; });

    if (focus == QLatin1String("click")) {
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    } else if (focus.isEmpty()) {
        about->close();
    } else {
        auto *w = about->findChild<QWidget *>(focus);
        w->setFocus();
        QCOMPARE(focused(), w);
        QTest::keyClick(w, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    QTRY_VERIFY(!frmAbout::openDialog());
    QVERIFY(textKept); // no new line typed on the way out
    flushDeletes();
    QVERIFY(!guard); // unloaded, not just hidden
    QVERIFY(sim.shell.started.isEmpty());
}

void TestAbout::oneDialogPerRunReloadedAfterClosing()
{
    SimulatedPlatform sim;
    QPointer<frmAbout> first = frmAbout::Show(sim.platform());
    QVERIFY(first);
    first->lbldescription->setPlainText(QStringLiteral("edited by the user"));
    first->setWindowTitle(QStringLiteral("touched"));

    // A second request only brings the open dialog forward: no new window,
    // nothing reloaded.
    const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
    first->setWindowState(Qt::WindowMinimized);
    QCOMPARE(frmAbout::Show(sim.platform()), first.data());
    QVERIFY(!first->isMinimized());
    QCOMPARE(static_cast<int>(QApplication::topLevelWidgets().size()), windows);
    QCOMPARE(first->lbldescription->toPlainText(), QString("edited by the user"));
    QCOMPARE(first->windowTitle(), QString("touched"));

    // Closed, the next request loads it afresh, even before the closed one
    // is gone.
    first->close();
    QVERIFY(!frmAbout::openDialog());
    QPointer<frmAbout> second = frmAbout::Show(sim.platform());
    QVERIFY(second && second != first);
    QCOMPARE(second->lbldescription->toPlainText(), licence::text());
    QCOMPARE(second->windowTitle(), QString("About PelimorISOBurn"));
    flushDeletes();
    QVERIFY(!first);
    QCOMPARE(frmAbout::openDialog(), second.data());
}

void TestAbout::openAboutKeepsTheProgramRunning()
{
    SimulatedPlatform sim;
    Form1 window(sim.platform());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.Picture2, Qt::LeftButton);
    QPointer<frmAbout> about = frmAbout::openDialog();
    QVERIFY(about);
    QVERIFY(!about->parentWidget());

    // Qt counts the last window only inside the application's own loop.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    int countWithAboutOpen = -1;
    QTimer::singleShot(0, &window, [&] {
        window.close();
        countWithAboutOpen = static_cast<int>(lastClosed.count());
    });
    QTimer::singleShot(50, qApp, [&] {
        if (about)
            about->close();
    });
    QTimer safetyNet;
    safetyNet.setSingleShot(true);
    connect(&safetyNet, &QTimer::timeout, qApp, &QCoreApplication::quit);
    safetyNet.start(5000);
    QApplication::exec();

    QCOMPARE(countWithAboutOpen, 0);
    QVERIFY(!window.isVisible());
    QCOMPARE(lastClosed.count(), 1);
    QVERIFY(safetyNet.isActive()); // the loop ended by itself, on the last close
}

QTEST_MAIN(TestAbout)
// The burn's own prompter is gone once the burn has ended; a box of an
// About dialog opened meanwhile must still reach the user.
void TestAbout::aboutOpenedDuringABurnStillSpeaksAfterIt()
{
    QTemporaryDir dir;
    SimulatedPlatform sim;
    ScriptedRegistry noTool;
    sim.registry = &noTool;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    Form1 window(sim.platform());
    window.txtPath->setText(writePatternFile(dir, "a.iso", 4 * 2048));
    sim.disc.duringWrite = [&](const WriteProgress &) {
        if (!frmAbout::openDialog())
            window.Picture2_Click();
    };
    window.cmdBurn_Click();
    QCOMPARE(sim.prompter.last().title, QString("Complete"));
    QPointer<frmAbout> about = frmAbout::openDialog();
    QVERIFY(about);
    about->StartSysInfo();
    QCOMPARE(sim.prompter.messages.size(), std::size_t(2));
    QCOMPARE(sim.prompter.last().prompt, QString("System Information Is Unavailable At This Time"));
    delete about;
}

#include "tst_about.moc"
