// The main window's designed state: every control where it belongs, with
// its font, texts, colours, stacking and keyboard order.
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "testsupport.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowFrameAndBackground();
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void fontsAreArialAtTheirDesignedSizes_data();
    void fontsAreArialAtTheirDesignedSizes();
    void controlStates();
    void imagesAreShown();
    void statusAndLogoLieOverTheBanner();
    void tabWalksTheControlsSkippingThePathBox();
    void screenReadersHearEveryControlByName_data();
    void screenReadersHearEveryControlByName();
    void focusedPictureButtonsShowAStrongFrame_data();
    void focusedPictureButtonsShowAStrongFrame();

private:
    std::unique_ptr<SimulatedPlatform> sim;
    std::unique_ptr<Form1> form;
};

void TestMainWindow::init()
{
    sim = std::make_unique<SimulatedPlatform>();
    sim->disc.recorders.push_back(cdRecorder("rec0"));
    form = std::make_unique<Form1>(sim->platform());
}

void TestMainWindow::cleanup()
{
    form.reset();
    sim.reset();
}

void TestMainWindow::windowFrameAndBackground()
{
    QCOMPARE(form->size(), QSize(425, 280));
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QCOMPARE(form->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xFF));
    QVERIFY(!form->windowIcon().isNull());
    // The rule between status line and list: light grey, across the window.
    const QImage shot = form->grab().toImage();
    QCOMPARE(shot.pixelColor(200, 92), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(shot.pixelColor(200, 93), QColor(0xFF, 0xFF, 0xFF));
}

void TestMainWindow::controlsSitWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Picture3") << "Picture3" << QRect(12, 4, 64, 64);
    QTest::newRow("txtStatus") << "txtStatus" << QRect(16, 70, 393, 19);
    QTest::newRow("picHelp") << "picHelp" << QRect(84, 252, 59, 30);
    QTest::newRow("Picture2") << "Picture2" << QRect(12, 252, 65, 30);
    QTest::newRow("chkEject") << "chkEject" << QRect(14, 216, 223, 23);
    QTest::newRow("Picture1") << "Picture1" << QRect(52, 14, 393, 65);
    QTest::newRow("cmdBurn") << "cmdBurn" << QRect(274, 226, 141, 45);
    QTest::newRow("cmdBrowse") << "cmdBrowse" << QRect(376, 186, 37, 25);
    QTest::newRow("txtPath") << "txtPath" << QRect(12, 184, 361, 27);
    QTest::newRow("ListView1") << "ListView1" << QRect(12, 106, 401, 73);
}

void TestMainWindow::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto *w = form->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->geometry(), geometry);
}

void TestMainWindow::fontsAreArialAtTheirDesignedSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::newRow("txtStatus") << "txtStatus" << 9.75;
    QTest::newRow("chkEject") << "chkEject" << 9.75;
    QTest::newRow("cmdBrowse") << "cmdBrowse" << 9.75;
    QTest::newRow("txtPath") << "txtPath" << 11.25;
    QTest::newRow("ListView1") << "ListView1" << 9.75;
}

void TestMainWindow::fontsAreArialAtTheirDesignedSizes()
{
    QFETCH(QString, name);
    QFETCH(qreal, points);
    auto *w = form->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->font().family(), QString("Arial"));
    QCOMPARE(w->font().pointSizeF(), points);
    QVERIFY(!w->font().bold());
}

void TestMainWindow::controlStates()
{
    QVERIFY(form->chkEject->isChecked());
    QCOMPARE(form->chkEject->text(), QString("Eject CD/DVD after burn"));
    QVERIFY(!form->txtPath->isEnabled());
    QVERIFY(form->txtPath->text().isEmpty());
    QVERIFY(form->txtStatus->text().isEmpty());
    QVERIFY(!form->txtStatus->hasFrame());
    QVERIFY(!form->txtStatus->isReadOnly());
    QCOMPARE(form->txtStatus->palette().color(QPalette::Text), QColor(0x40, 0x40, 0x40));
    QCOMPARE(form->cmdBurn->toolTip(), QString("   Burn ISO file to CD   "));
    QCOMPARE(form->cmdBrowse->toolTip(), QString("  Browse for ISO file"));
    QVERIFY(form->cmdBurn->text().isEmpty());
    QVERIFY(form->cmdBrowse->text().isEmpty());

    // Nothing remembers the last run's choice: a new window starts checked.
    form->chkEject->setChecked(false);
    Form1 second(sim->platform());
    QVERIFY(second.chkEject->isChecked());
}

void TestMainWindow::imagesAreShown()
{
    QCOMPARE(form->Picture3->picture().size(), QSize(64, 64));
    QCOMPARE(form->Picture1->picture().size(), QSize(338, 55));
    QCOMPARE(form->Picture2->picture().size(), QSize(67, 28));
    QCOMPARE(form->picHelp->picture().size(), QSize(59, 28));
    // The banner is drawn at its box's top-left corner.
    const QImage banner(":/images/banner.bmp");
    const QImage drawn = form->Picture1->grab().toImage();
    QCOMPARE(drawn.pixelColor(100, 30), banner.pixelColor(100, 30));
    QCOMPARE(drawn.pixelColor(300, 20), banner.pixelColor(300, 20));
}

void TestMainWindow::statusAndLogoLieOverTheBanner()
{
    const QList<QObject *> stack = form->children();
    auto position = [&](QWidget *w) { return stack.indexOf(w); };
    // Later children are drawn on top.
    QVERIFY(position(form->txtStatus) > position(form->Picture1));
    QVERIFY(position(form->Picture3) > position(form->Picture1));
    QVERIFY(position(form->Picture3) > position(form->txtStatus));
    QVERIFY(form->txtStatus->geometry().intersects(form->Picture1->geometry()));
    QVERIFY(form->Picture3->geometry().intersects(form->Picture1->geometry()));
}

void TestMainWindow::tabWalksTheControlsSkippingThePathBox()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(QApplication::focusWidget(), form->ListView1);
    const QList<QWidget *> expected{form->cmdBrowse, form->cmdBurn,   form->Picture1, form->chkEject, form->Picture2,
                                    form->picHelp,   form->txtStatus, form->Picture3, form->ListView1};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next->objectName());
    }
}

void TestMainWindow::screenReadersHearEveryControlByName_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::newRow("cmdBurn") << "cmdBurn"
                             << "Burn" << int(QAccessible::Button);
    QTest::newRow("cmdBrowse") << "cmdBrowse"
                               << "Browse for ISO file" << int(QAccessible::Button);
    QTest::newRow("Picture2") << "Picture2"
                              << "About" << int(QAccessible::Button);
    QTest::newRow("picHelp") << "picHelp"
                             << "Help" << int(QAccessible::Button);
    QTest::newRow("ListView1") << "ListView1"
                               << "Recorders" << -1;
    QTest::newRow("txtPath") << "txtPath"
                             << "Image file" << int(QAccessible::EditableText);
    QTest::newRow("chkEject") << "chkEject"
                              << "Eject CD/DVD after burn" << int(QAccessible::CheckBox);
    QTest::newRow("txtStatus") << "txtStatus"
                               << "Burn status" << int(QAccessible::EditableText);
    QTest::newRow("Picture1") << "Picture1"
                              << "Pelimor ISO Burn" << int(QAccessible::Graphic);
    QTest::newRow("Picture3") << "Picture3"
                              << "Pelimor ISO Burn logo" << int(QAccessible::Graphic);
}

void TestMainWindow::screenReadersHearEveryControlByName()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    auto *w = form->findChild<QWidget *>(control);
    QVERIFY(w);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    if (role >= 0)
        QCOMPARE(int(iface->role()), role);
    // What acts can be pressed by the reader, and pressing it acts.
    if (role == int(QAccessible::Button)) {
        QVERIFY(iface->actionInterface());
        QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
    }
    // The window itself is found from the control, as a reader walks it.
    QAccessibleInterface *parent = iface->parent();
    QVERIFY(parent);
    QCOMPARE(parent->object(), form.get());
}

void TestMainWindow::focusedPictureButtonsShowAStrongFrame_data()
{
    QTest::addColumn<QString>("control");
    for (const char *control : {"cmdBurn", "cmdBrowse", "Picture2", "picHelp"})
        QTest::newRow(control) << control;
}

void TestMainWindow::focusedPictureButtonsShowAStrongFrame()
{
    QFETCH(QString, control);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto *w = form->findChild<QWidget *>(control);
    // The part the user sees: the About and Help boxes reach past the
    // window's bottom edge.
    const QRect visible = w->geometry().intersected(form->rect());
    const QColor ring(0xC8, 0x4B, 0x00);
    auto ringPixels = [&](int row) {
        const QImage shot = form->grab().toImage();
        int n = 0;
        for (int y = visible.top(); y <= visible.bottom(); ++y)
            for (int x = visible.left(); x <= visible.right(); ++x)
                if (shot.pixelColor(x, y) == ring && (row < 0 || y == row))
                    ++n;
        return n;
    };
    QCOMPARE(ringPixels(-1), 0);
    w->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(w->hasFocus());
    // A closed ring, two pixels wide, all around what is visible.
    const int perimeter = 2 * (visible.width() + visible.height());
    QVERIFY2(ringPixels(-1) >= 2 * perimeter - 16, qPrintable(QString::number(ringPixels(-1))));
    QVERIFY(ringPixels(visible.bottom()) >= visible.width() - 2);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
