// The burn command and its progress display.
#include "mainwindow/form1.h"

#include "appinfo.h"
#include "mainwindow/picturebox.h"
#include "platform/filestream.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QScopeGuard>
#include <QTreeWidget>

namespace pelimor {
namespace {

const QString appTitle = QString::fromLatin1(app::title);

// Two sizes in megabytes with one decimal, or as many more as it takes to
// tell them apart: "needs 3.0 MB but has only 3.0 MB free" explains nothing.
std::pair<QString, QString> megabytesApart(std::int64_t a, std::int64_t b)
{
    const auto text = [](std::int64_t bytes, int decimals) {
        return QString::number(static_cast<double>(bytes) / 1'000'000.0, 'f', decimals);
    };
    int decimals = 1;
    while (decimals < 6 && a != b && text(a, decimals) == text(b, decimals))
        ++decimals;
    return {text(a, decimals), text(b, decimals)};
}

// Re-enables the commands however the burn ends, including by an exception.
class BurnGuard {
public:
    BurnGuard(bool &burning, std::initializer_list<QWidget *> commands) : m_burning(burning), m_commands(commands)
    {
        m_burning = true;
        for (auto *w : m_commands)
            w->setEnabled(false);
    }
    ~BurnGuard()
    {
        m_burning = false;
        for (auto *w : m_commands)
            w->setEnabled(true);
    }
    BurnGuard(const BurnGuard &) = delete;
    BurnGuard &operator=(const BurnGuard &) = delete;

private:
    bool &m_burning;
    std::vector<QWidget *> m_commands;
};

} // namespace

void Form1::cmdBurn_Click()
{
    // Write keeps the event loop running; a second press must not start a
    // second burn inside the first.
    if (m_burning)
        return;
    auto *prompter = m_platform.prompter;

    const QString path = txtPath->text();
    if (path.isEmpty()) {
        prompter->MsgBox(this, QStringLiteral("Select an ISO image to burn."), MsgIcon::None, appTitle);
        return;
    }
    if (!isExistingFile(path.toStdString())) {
        prompter->MsgBox(this, QStringLiteral("ISO file '") + path + QStringLiteral("' not found!"), MsgIcon::Critical,
                         QStringLiteral("File not found"));
        return;
    }
    QTreeWidgetItem *row = ListView1->currentItem();
    if (!row) {
        QString prompt = QStringLiteral("No CD/DVD recorder is selected. Connect a recorder that can write CDs "
                                        "and try again.");
        if (const std::string hint = m_platform.disc->RecorderAccessHint(); !hint.empty())
            prompt += QLatin1Char(' ') + QString::fromStdString(hint);
        prompter->MsgBox(this, prompt, MsgIcon::Critical, QStringLiteral("No recorder"));
        return;
    }

    const std::string recorderId = row->text(0).toStdString();
    const auto ended = qScopeGuard([this] { burnEnded(); }); // runs after the guard has re-enabled the commands
    if (!checkImage(path))
        return;
    BurnGuard guard(m_burning, {cmdBurn, cmdBrowse});
    try {
        runBurn(path, recorderId);
    } catch (const std::exception &error) {
        // Whatever the service, the file or the stream reports, the user is
        // told and the window stays usable; the disc is left where it is.
        prompter->MsgBox(this, QStringLiteral("The burn did not complete: ") + QString::fromUtf8(error.what()),
                         MsgIcon::Critical, QStringLiteral("Burn failed"));
    }
}

void Form1::runBurn(const QString &path, const std::string &recorderId)
{
    auto *prompter = m_platform.prompter;

    auto recorder = m_platform.disc->CreateDiscRecorder();
    recorder->InitializeDiscRecorder(recorderId);

    objDataWriter.reset();
    objDataWriter = m_platform.disc->CreateDataWriter();
    objDataWriter->put_UpdateHandler(
        [this](DataWriter &writer, const WriteProgress &progress) { objDataWriter_Update(writer, progress); });
    DataWriter &writer = *objDataWriter;
    writer.put_Recorder(*recorder);

    if (!writer.IsRecorderSupported(*recorder)) {
        prompter->MsgBox(this, QStringLiteral("Recorder not support. Try another CDROM drive."), MsgIcon::Critical,
                         QStringLiteral("Recorder not supported"));
        return;
    }
    if (!writer.IsCurrentMediaSupported(*recorder)) {
        prompter->MsgBox(this,
                         QStringLiteral("No CD in drive or current media not support. Please insert a blank CD "
                                        "and try again."),
                         MsgIcon::Critical, QStringLiteral("Media not supported"));
        return;
    }
    // Blank (2) or blank and appendable (6), compared as whole values.
    if (writer.CurrentMediaStatus() != MediaStatus::Blank &&
        writer.CurrentMediaStatus() != (MediaStatus::Blank | MediaStatus::Appendable)) {
        const int status = static_cast<int>(writer.CurrentMediaStatus());
        prompter->MsgBox(this, QStringLiteral("Insert a new/blank CD! Please insert a blank CD and try again."),
                         MsgIcon::Critical, QStringLiteral("Media status - ") + QString::number(status));
        return;
    }

    writer.put_Recorder(*recorder);
    writer.put_ClientName("ISOTest1");

    std::unique_ptr<FileImageStream> stream;
    try {
        stream = std::make_unique<FileImageStream>(path.toStdString());
    } catch (const ServiceError &error) {
        prompter->MsgBox(this,
                         QStringLiteral("ISO file '") + path + QStringLiteral("' cannot be read: ") +
                             QString::fromUtf8(error.what()),
                         MsgIcon::Critical, QStringLiteral("File not readable"));
        return;
    }

    if (writer.NextWritableAddress() != 0) {
        prompter->MsgBox(this, QStringLiteral("The disc already holds data. Please insert a blank CD and try again."),
                         MsgIcon::Critical, QStringLiteral("Media not blank"));
        return;
    }
    const std::int64_t neededSectors = stream->size() / sectorSize;
    const std::int64_t freeSectors = writer.FreeSectorsOnMedia();
    if (neededSectors > freeSectors) {
        const auto [needed, available] = megabytesApart(neededSectors * sectorSize, freeSectors * sectorSize);
        prompter->MsgBox(this,
                         QStringLiteral("The ISO image needs %1 MB but the disc has only %2 MB free. Please insert "
                                        "a larger blank disc and try again.")
                             .arg(needed, available),
                         MsgIcon::Critical, QStringLiteral("Disc too small"));
        return;
    }

    writer.Write(*stream);
    if (!writer.LastWriteSucceeded())
        throw ServiceError("the recorder did not confirm that the image was written completely");

    if (chkEject->isChecked())
        recorder->EjectMedia();
    prompter->MsgBox(this, QStringLiteral("ISO burn complete!"), MsgIcon::None, QStringLiteral("Complete"));
}

void Form1::objDataWriter_Update(DataWriter &, const WriteProgress &progress)
{
    const QString timeText = QStringLiteral("Time: ") + QString::number(progress.ElapsedTime) + QStringLiteral(" / ") +
                             QString::number(progress.TotalTime);

    QString status;
    switch (progress.CurrentAction) {
    case WriteAction::ValidatingMedia:
        status = QStringLiteral("Validating media ") + timeText;
        break;
    case WriteAction::FormattingMedia:
        status = QStringLiteral("Formatting media ") + timeText;
        break;
    case WriteAction::InitializingHardware:
        status = QStringLiteral("Initializing Hardware ");
        break;
    case WriteAction::CalibratingPower:
        status = QStringLiteral("Calibrating Power (OPC) ");
        break;
    case WriteAction::WritingData: {
        // Before the writer knows the track's size there is nothing to
        // divide by: show nothing written yet.
        const double share = progress.SectorCount == 0
                                 ? 0.0
                                 : static_cast<double>(progress.LastWrittenLba - progress.StartLba) /
                                       static_cast<double>(progress.SectorCount);
        const QLocale locale;
        status = QStringLiteral("Progress:  ") + locale.toString(share * 100.0, 'f', 2) + locale.percent();
        break;
    }
    case WriteAction::Finalization:
        status = QStringLiteral("Finalizing ");
        break;
    case WriteAction::Completed:
        status = QStringLiteral("Completed the burn.");
        break;
    case WriteAction::Verifying:
        status = QStringLiteral("Verifying the data.");
        break;
    default:
        status = QStringLiteral("Unknown action: ") + QString::number(static_cast<int>(progress.CurrentAction));
        break;
    }
    txtStatus->setText(status);
}

} // namespace pelimor
