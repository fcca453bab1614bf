// The burn command: the checks of file, recorder and disc, and the write.
#include "mainwindow/form1.h"

#include "appinfo.h"
#include "mainwindow/picturebox.h"
#include "platform/filestream.h"
#include "platform/log.h"
#include "platform/prompter.h"
#include "platform/recorder_lock.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QScopeGuard>
#include <QTreeWidget>

#include <functional>

namespace pelimor {
namespace {

const QString appTitle = QString::fromLatin1(app::title);

// Two sizes in megabytes with one decimal, or as many more as it takes to
// tell them apart: "needs 3.0 MB but has only 3.0 MB free" explains nothing.
std::pair<QString, QString> megabytesApart(std::int64_t a, std::int64_t b)
{
    const auto text = [](std::int64_t bytes, int decimals) {
        return QLocale().toString(static_cast<double>(bytes) / 1'000'000.0, 'f', decimals);
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

// Every box of a run is shown with the drive let go of, so its tray is never
// locked while the user reads it, and another program may use the drive.
// `beforeBox` runs once, just before that.
class ReleasingPrompter : public MessagePrompter {
public:
    ReleasingPrompter(MessagePrompter &prompter, DiscRecorder &recorder, std::function<void()> beforeBox)
        : m_prompter(prompter), m_recorder(recorder), m_beforeBox(std::move(beforeBox))
    {
    }
    // However the run ends, the drive is let go of before its last box.
    ~ReleasingPrompter() override { release(); }
    ReleasingPrompter(const ReleasingPrompter &) = delete;
    ReleasingPrompter &operator=(const ReleasingPrompter &) = delete;

    void MsgBox(QWidget *parent, const QString &prompt, MsgIcon icon, const QString &title) override
    {
        release();
        m_prompter.MsgBox(parent, prompt, icon, title);
    }
    bool YesNo(QWidget *parent, const QString &prompt, const QString &title) override
    {
        release();
        return m_prompter.YesNo(parent, prompt, title);
    }
    bool OkCancel(QWidget *parent, const QString &prompt, const QString &title) override
    {
        release();
        return m_prompter.OkCancel(parent, prompt, title);
    }

private:
    void release() noexcept
    {
        if (m_released)
            return;
        m_released = true;
        m_beforeBox();
        try {
            m_recorder.ReleaseExclusiveAccess();
        } catch (const std::exception &) {
            // Nothing more can be done; the service lets go when the
            // recorder is released.
        }
    }

    MessagePrompter &m_prompter;
    DiscRecorder &m_recorder;
    std::function<void()> m_beforeBox;
    bool m_released = false;
};

const char *const stoppedReason =
    QT_TRANSLATE_NOOP("pelimor::Form1", "it was stopped before it had finished, and the disc is probably unusable");
const char *const stoppedUntouchedReason =
    QT_TRANSLATE_NOOP("pelimor::Form1", "it was stopped before anything was written, and the disc was not changed");
const char *const stoppedErasedReason =
    QT_TRANSLATE_NOOP("pelimor::Form1", "it was stopped after the disc had been erased; nothing was written to it");
const char *const recorderBusyReason =
    QT_TRANSLATE_NOOP("pelimor::Form1", "the recorder is being written by another Pelimor ISO Burn window. Wait "
                                        "until that burn has finished, or choose another recorder.");
const char *const unconfirmedReason =
    QT_TRANSLATE_NOOP("pelimor::Form1", "the recorder did not confirm that the image was written completely");

} // namespace

void Form1::cmdBurn_Click()
{
    // The check and Write keep the event loop running; a second press must
    // not start a second run inside the first.
    if (m_burning || isCheckingImage())
        return;
    auto *prompter = m_platform.prompter;

    const QString path = txtPath->text();
    if (path.isEmpty()) {
        prompter->MsgBox(this, tr("Select an ISO image to burn."), MsgIcon::None, appTitle);
        return;
    }
    if (!isExistingFile(path.toStdString())) {
        prompter->MsgBox(this, tr("ISO file '%1' not found!").arg(path), MsgIcon::Critical, tr("File not found"));
        return;
    }
    QTreeWidgetItem *row = ListView1->currentItem();
    if (!row) {
        // The list is built once per run: a recorder connected now shows up
        // only when the program starts again.
        QString prompt = tr("No CD/DVD recorder is selected. Connect a recorder that can write CDs "
                            "and start the program again.");
        if (const std::string hint = m_platform.disc->RecorderAccessHint(); !hint.empty())
            prompt += QLatin1Char(' ') + QString::fromStdString(hint);
        prompter->MsgBox(this, prompt, MsgIcon::Critical, tr("No recorder"));
        return;
    }

    const std::string recorderId = row->text(0).toStdString();
    // Taken before anything touches the drive: a recorder that another copy
    // of the program is writing is refused at once, and that burn goes on
    // undisturbed.
    std::unique_ptr<RecorderLock> recorderLock;
    if (m_platform.recorderLocks) {
        recorderLock = m_platform.recorderLocks->tryLock(recorderId);
        if (!recorderLock) {
            prompter->MsgBox(this, tr("The burn did not complete: %1").arg(tr(recorderBusyReason)), MsgIcon::Critical,
                             tr("Burn failed"));
            return;
        }
    }
    const auto ended = qScopeGuard([this] { burnEnded(); }); // runs after the guard has re-enabled the commands
    beginDesktopRun(path, *row);
    const auto desktopEnded = qScopeGuard([this] { endDesktopRun(); });
    if (!checkImage(path))
        return;
    m_stopRequested = false;
    m_discTouched = DiscTouched::No;
    {
        BurnGuard guard(m_burning, {cmdBurn, cmdBrowse});
        try {
            runBurn(path, recorderId);
        } catch (const std::exception &error) {
            // Whatever the service, the file or the stream reports, the user
            // is told and the window stays usable; the disc is left where it
            // is. A stop the user asked for is told as such, whatever the
            // service made of it.
            // The window's own reasons are translated; the service's
            // sentences come as it wrote them.
            const QString reason = m_stopRequested ? stoppedText() : tr(error.what());
            m_platform.prompter->MsgBox(this, tr("The burn did not complete: %1").arg(reason), MsgIcon::Critical,
                                        tr("Burn failed"));
        }
    }
    // The user closed the window to stop the burn.
    if (m_stopRequested) {
        m_stopRequested = false;
        close();
    }
}

void Form1::stopIfAsked() const
{
    if (m_stopRequested)
        throw ServiceError(stoppedReason);
}

void Form1::runBurn(const QString &path, const std::string &recorderId)
{
    // A used rewritable disc the user agrees to reuse is taken from the
    // start once more, erased or to be overwritten, and checked as any
    // disc is. It is asked about once per burn.
    const MediaReuse reuse = burnPass(path, recorderId, MediaReuse::None);
    if (reuse != MediaReuse::None) {
        restartDesktopRun();
        burnPass(path, recorderId, reuse);
    }
}

QString Form1::stoppedText() const
{
    // Only a disc the recorder has begun to write (or blank) may be spoilt;
    // the user is not told to throw away one that was never touched.
    switch (m_discTouched) {
    case DiscTouched::No:
        return tr(stoppedUntouchedReason);
    case DiscTouched::Erased:
        return tr(stoppedErasedReason);
    default:
        return tr(stoppedReason);
    }
}

MediaReuse Form1::burnPass(const QString &path, const std::string &recorderId, MediaReuse reuse)
{
    // Taking the drive and spinning the disc up can take seconds; the
    // service keeps the window alive meanwhile, and the status line says
    // what is happening.
    // A run that ends before the writer reports anything leaves the status
    // line as it was when this pass began (the check's last figure, say).
    const QString lastStatus = txtStatus->text();
    m_writerReported = false;
    showStatus(WriteProgress{WriteAction::InitializingHardware});
    auto recorder = m_platform.disc->CreateDiscRecorder();
    ReleasingPrompter releasing(*m_platform.prompter, *recorder, [this, lastStatus] {
        if (!m_writerReported)
            txtStatus->setText(lastStatus);
    });
    auto *prompter = &releasing;
    recorder->InitializeDiscRecorder(recorderId);

    // On purpose: the previous writer goes before the next is made, so two
    // writers never hold the drive at once.
    objDataWriter.reset();
    objDataWriter = m_platform.disc->CreateDataWriter();
    objDataWriter->put_UpdateHandler(
        [this](DataWriter &writer, const WriteProgress &progress) { objDataWriter_Update(writer, progress); });
    // A drive that cannot pull its tray in has the user put the disc back
    // before it is read for verification.
    objDataWriter->put_MediaRequestHandler([this](DataWriter &, const std::string &prompt) {
        return m_platform.prompter->OkCancel(this, QString::fromStdString(prompt), tr("Insert the disc"));
    });
    DataWriter &writer = *objDataWriter;
    writer.put_Recorder(*recorder);
    stopIfAsked(); // the user may have closed the window while the drive was being taken
    if (reuse == MediaReuse::Erase) {
        m_discTouched = DiscTouched::Erasing;
        try {
            writer.EraseMedia();
        } catch (const ServiceError &) {
            // A blank asked to stop runs to its end and only then says it
            // was stopped; any other failure is the blank's own.
            if (!m_stopRequested)
                throw;
        }
        m_discTouched = DiscTouched::Erased;
        stopIfAsked(); // a blank runs to its end; a stop asked meanwhile still holds
    } else if (reuse == MediaReuse::Overwrite) {
        writer.put_ForceOverwrite(true);
    }

    if (!writer.IsRecorderSupported(*recorder)) {
        prompter->MsgBox(this, tr("Recorder not support. Try another CDROM drive."), MsgIcon::Critical,
                         tr("Recorder not supported"));
        return MediaReuse::None;
    }
    if (!writer.IsCurrentMediaSupported(*recorder)) {
        prompter->MsgBox(this,
                         tr("No CD in drive or current media not support. Please insert a blank CD "
                            "and try again."),
                         MsgIcon::Critical, tr("Media not supported"));
        return MediaReuse::None;
    }
    // Blank (2) or blank and appendable (6), compared as whole values. The
    // status is read anew for each comparison and once more for the title
    // on purpose: a drive still settling may answer differently each time.
    if (writer.CurrentMediaStatus() != MediaStatus::Blank &&
        writer.CurrentMediaStatus() != (MediaStatus::Blank | MediaStatus::Appendable)) {
        const int status = static_cast<int>(writer.CurrentMediaStatus());
        // Asked while the recorder is still held; the box lets go of it.
        // Never offered once the user has asked to stop.
        const MediaReuse canReuse =
            reuse == MediaReuse::None && !m_stopRequested ? writer.CurrentMediaReuse() : MediaReuse::None;
        prompter->MsgBox(this, tr("Insert a new/blank CD! Please insert a blank CD and try again."), MsgIcon::Critical,
                         tr("Media status - %1").arg(status));
        // Departure from the design, which leaves a used rewritable disc
        // stuck at the box above: the user may choose to reuse it.
        if (canReuse == MediaReuse::None || !askToErase(*recorder))
            return MediaReuse::None;
        return canReuse;
    }

    // The recorder is set a second time on purpose, as the design does: a
    // service may drop it while it looks at the disc.
    writer.put_Recorder(*recorder);
    writer.put_ClientName("ISOTest1");

    std::unique_ptr<FileImageStream> stream;
    try {
        stream = std::make_unique<FileImageStream>(path.toStdString());
    } catch (const ServiceError &error) {
        prompter->MsgBox(this, tr("ISO file '%1' cannot be read: %2").arg(path, QString::fromUtf8(error.what())),
                         MsgIcon::Critical, tr("File not readable"));
        return MediaReuse::None;
    }

    // Departure from the design, which ends here without a word: the user
    // is told why nothing was written.
    if (writer.NextWritableAddress() != 0) {
        prompter->MsgBox(this, tr("The disc already holds data. Please insert a blank CD and try again."),
                         MsgIcon::Critical, tr("Media not blank"));
        return MediaReuse::None;
    }
    // The stream is padded to whole sectors already.
    const std::int64_t neededSectors = stream->size() / sectorSize;
    const std::int64_t freeSectors = writer.FreeSectorsOnMedia();
    if (neededSectors > freeSectors) {
        const auto [needed, available] = megabytesApart(neededSectors * sectorSize, freeSectors * sectorSize);
        prompter->MsgBox(this,
                         tr("The ISO image needs %1 MB but the disc has only %2 MB free. Please insert "
                            "a larger blank disc and try again.")
                             .arg(needed, available),
                         MsgIcon::Critical, tr("Disc too small"));
        return MediaReuse::None;
    }

    // Only for the speed's "x"; a service that cannot tell loses nothing.
    try {
        m_mediaKind = writer.CurrentMediaKind();
    } catch (const ServiceError &) {
        m_mediaKind = MediaKind::Unknown;
    }
    stopIfAsked();
    m_discTouched = DiscTouched::Written;
    writer.Write(*stream);
    if (!writer.LastWriteSucceeded())
        throw ServiceError(unconfirmedReason);

    // The disc is good whatever the tray does: a drive that will not let
    // go right after a burn (the system mounting the new disc, say) is no
    // failed burn.
    bool ejectFailed = false;
    if (chkEject->isChecked()) {
        try {
            recorder->EjectMedia();
        } catch (const std::exception &error) {
            qCWarning(lcWindow) << "the disc could not be ejected after the burn:" << error.what();
            ejectFailed = true;
        }
    }
    QString done;
    // A stop can come too late (a recorder may go on for minutes after the
    // request): the user hears what became of the disc, never "unusable"
    // for a disc that was written in full.
    if (m_stopRequested)
        done = (writer.LastWriteVerified() ? tr("The stop came too late: the burn had already finished, and the "
                                                "disc was read back and matches the image.")
                                           : tr("The stop came too late: the burn had already finished.")) +
               QStringLiteral("\n\n");
    done += tr("ISO burn complete!");
    // Where the disc-burning service cannot read the disc back (IMAPI2
    // before Windows 7), its word is all there is: the user is told so
    // rather than shown an unqualified success.
    if (!writer.LastWriteVerified())
        done += QStringLiteral("\n\n") + tr("The disc was not read back and compared with the image: this computer's "
                                            "disc-burning service cannot verify a burn.");
    if (ejectFailed)
        done += QStringLiteral("\n\n") + tr("The recorder did not eject the disc: please take it out by hand.");
    prompter->MsgBox(this, done, MsgIcon::None, tr("Complete"));
    return MediaReuse::None;
}

bool Form1::askToErase(DiscRecorder &recorder)
{
    const QString name = QString::fromStdString(recorder.VendorId() + " " + recorder.ProductId()).simplified();
    return m_platform.prompter->YesNo(this,
                                      tr("The disc in %1 is a rewritable disc that holds data. Erase it and burn "
                                         "the image? Everything on the disc will be lost.")
                                          .arg(name),
                                      tr("Erase the disc?"));
}

} // namespace pelimor
