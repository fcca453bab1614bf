// Shows the main window during a scripted burn of a DVD, with the status
// line's tooltip up, and saves the screen as a PNG once the tooltip shows
// the speed: scripts/screenshot-tooltip.sh runs it on a private X screen.
#include "mainwindow/form1.h"
#include "testsupport.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <cstdio>

using namespace pelimor;
using namespace pelimor::test;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s IMAGE OUT.png\n", argv[0]);
        return 2;
    }
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0", "PELIMOR ", "EMUL-DVDRW      ", "1.09", {"/dev/sr0"}));
    sim.disc.recorders[0].mediaKind = MediaKind::DVD;
    sim.disc.recorders[0].freeSectors = 2'295'104;
    // 4.7 GB at about 12 MB/s, a report twice a second.
    constexpr int sectors = 2'200'000;
    for (int half = 0; half <= 24; ++half)
        sim.disc.progressScript.push_back(
            {WriteAction::WritingData, 200 + half / 2, 0, sectors, 0, 1'200'000 + 3000 * half});
    Form1 form(sim.platform());
    form.show();
    form.txtPath->setText(QString::fromLocal8Bit(argv[1]));
    bool saved = false;
    sim.disc.duringWrite = [&](const WriteProgress &) {
        QTest::qWait(50);
        const QString tip = form.txtStatus->toolTip();
        if (saved || tip.isEmpty())
            return;
        // Where the pointer would rest on the status line.
        const QPoint at = form.txtStatus->mapToGlobal(QPoint(form.txtStatus->width() / 3, 8));
        QCursor::setPos(at);
        QToolTip::showText(at, tip, form.txtStatus);
        QTest::qWait(1500);
        saved = form.screen()->grabWindow(0).save(QString::fromLocal8Bit(argv[2]));
        std::printf("%s: %s\n", saved ? "saved" : "not saved", qPrintable(tip));
    };
    form.cmdBurn_Click();
    return saved ? 0 : 1;
}
