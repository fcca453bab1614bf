// The burn's progress display: each report of the writer becomes one status
// line, the speed in its tooltip, and the share on the taskbar or dock.
#include "mainwindow/form1.h"

#include <QLineEdit>
#include <QLocale>

namespace pelimor {

void Form1::objDataWriter_Update(DataWriter &, const WriteProgress &progress)
{
    m_writerReported = true;
    showStatus(progress);
    showSpeed(progress);
    if ((progress.CurrentAction == WriteAction::WritingData || progress.CurrentAction == WriteAction::Verifying) &&
        progress.SectorCount > 0)
        showDesktopShare(static_cast<double>(progress.LastWrittenLba - progress.StartLba) / progress.SectorCount);
}

void Form1::showStatus(const WriteProgress &progress)
{
    const QString timeText = tr("Time: %1 / %2").arg(progress.ElapsedTime).arg(progress.TotalTime);

    QString status;
    switch (progress.CurrentAction) {
    case WriteAction::ValidatingMedia:
        status = tr("Validating media %1").arg(timeText);
        break;
    case WriteAction::FormattingMedia:
        status = tr("Formatting media %1").arg(timeText);
        break;
    case WriteAction::InitializingHardware:
        status = tr("Initializing Hardware ");
        break;
    case WriteAction::CalibratingPower:
        status = tr("Calibrating Power (OPC) ");
        break;
    case WriteAction::WritingData: {
        // Before the writer knows the track's size there is nothing to
        // divide by: show nothing written yet.
        const double share = progress.SectorCount == 0
                                 ? 0.0
                                 : static_cast<double>(progress.LastWrittenLba - progress.StartLba) /
                                       static_cast<double>(progress.SectorCount);
        const QLocale locale;
        status = tr("Progress:  %1").arg(locale.toString(share * 100.0, 'f', 2) + locale.percent());
        break;
    }
    case WriteAction::Finalization:
        status = tr("Finalizing ");
        break;
    case WriteAction::Completed:
        status = tr("Completed the burn.");
        break;
    case WriteAction::Verifying:
        status = tr("Verifying the data.");
        // Reading back a DVD or BD takes as long as writing it: where the
        // service says which sector it has verified, show how far it is.
        if (progress.SectorCount > 0 && progress.LastWrittenLba > progress.StartLba) {
            const QLocale locale;
            const double share = static_cast<double>(progress.LastWrittenLba - progress.StartLba) /
                                 static_cast<double>(progress.SectorCount);
            status += QLatin1Char(' ') + locale.toString(share * 100.0, 'f', 2) + locale.percent();
        }
        break;
    default:
        status = tr("Unknown action: %1").arg(static_cast<int>(progress.CurrentAction));
        break;
    }
    txtStatus->setText(status);
}

} // namespace pelimor
