#include "platform/linux/libburn_writer.h"

#include "platform/linux/libburn_erase.h"
#include "platform/linux/libburn_event_pump.h"
#include "platform/linux/libburn_library.h"
#include "platform/linux/libburn_progress.h"
#include "platform/linux/libburn_recorder.h"
#include "platform/linux/libburn_write_job.h"
#include "platform/sleeplock.h"

#include <QtGlobal>

#include <algorithm>
#include <chrono>
#include <exception>
#include <functional>
#include <thread>

namespace pelimor::libburn {

// What the writer and its running Write share: the destructor marks the run
// abandoned (and cancels it) and the Write on the stack below stops
// touching the writer.
struct Writer::Run {
    bool abandoned = false;
    bool stopped = false; // CancelWrite
    WriteJob *job = nullptr;
};

namespace {

Recorder &libburnRecorder(DiscRecorder &recorder)
{
    auto *ours = dynamic_cast<Recorder *>(&recorder);
    if (!ours)
        throw ServiceError("the recorder belongs to another disc service");
    return *ours;
}

// One Write, from the first check to the verified disc. Throws ServiceError
// with the reason whenever the disc cannot be proven to hold the image.
class BurnRun {
public:
    using Report = std::function<void(const WriteProgress &)>;

    BurnRun(ImageStream &stream, Target target, WriterOptions options, Writer::Run &run, Report report,
            MediaRequest ask)
        : m_stream(stream), m_target(std::move(target)), m_options(std::move(options)), m_run(run),
          m_report(std::move(report)), m_ask(std::move(ask))
    {
    }

    void execute()
    {
        progress(WriteAction::InitializingHardware, 0);
        const std::int64_t imageBytes = m_stream.size();
        if (imageBytes <= 0)
            throw ServiceError("the image is empty; there is nothing to burn");
        WriteJob job(m_target.drive, m_stream);
        m_imageSectors = (imageBytes + sectorSize - 1) / sectorSize;
        m_trackSectors = job.trackSectors();
        m_totalWork = m_trackSectors + (m_options.verify ? m_imageSectors : 0);
        refuseUsedDisc();
        if (needsFormatting(m_target))
            format();
        checkDisc();
        write(job, imageBytes);
        m_target.drive->noteWritten();
        if (m_options.verify)
            verify(imageBytes);
        progress(WriteAction::Completed, m_totalWork, m_trackSectors);
    }

private:
    burn::burn_drive *drive() const { return m_target.drive->get(); }

    void progress(WriteAction action, std::int64_t doneWork, std::int64_t lastWritten = 0)
    {
        WriteProgress p;
        p.CurrentAction = action;
        p.ElapsedTime = m_clock.wholeSeconds();
        p.TotalTime = m_estimate.update(m_clock.seconds(), doneWork, std::max<std::int64_t>(m_totalWork, 1));
        p.SectorCount = static_cast<int>(action == WriteAction::Verifying ? m_imageSectors : m_trackSectors);
        p.StartLba = m_startLba;
        p.LastWrittenLba = static_cast<int>(m_startLba + lastWritten);
        if (!m_run.abandoned)
            m_report(p);
    }

    bool stopping() const { return m_run.abandoned || m_run.stopped; }

    void throwIfStopped(bool loopEnded)
    {
        if (m_run.abandoned)
            throw ServiceError("the burn was cancelled");
        if (m_run.stopped)
            throw ServiceError("the burn was stopped before it had finished");
        if (!loopEnded)
            throw ServiceError("the burn was stopped because the program is closing");
    }

    // The window refuses a used disc before Write; the disc may have been
    // changed since.
    void refuseUsedDisc()
    {
        if (m_target.isVirtual)
            return;
        if (const MediaStatus status = currentMediaStatus(m_target, m_options.forceOverwrite);
            status != MediaStatus::Blank)
            throw ServiceError("the disc in the recorder is not blank (media status " +
                               std::to_string(static_cast<int>(status)) + "); it was left unchanged");
    }

    void format()
    {
        progress(WriteAction::FormattingMedia, 0);
        FormatJob job(m_target.drive);
        job.start();
        // A format cannot be cancelled: it is waited for even when the
        // program is closing.
        pumpUntil([&] { return job.finished(); }, [&] { progress(WriteAction::FormattingMedia, 0); });
        job.finish();
        throwIfStopped(true);
    }

    // What libburn does not check itself: a file holding data must stay
    // untouched, and the track must fit on the disc.
    void checkDisc()
    {
        if (m_target.isVirtual && inspectVirtualDisc(m_target.path) != VirtualDisc::Blank)
            throw ServiceError("the image file '" + m_target.path + "' already holds data; it was left unchanged");
        const std::int64_t free = freeSectors(m_target);
        if (m_trackSectors > free)
            throw ServiceError("the image needs " + std::to_string(m_trackSectors) + " sectors but the disc has only " +
                               std::to_string(free) + " free");
        const bool idle = pumpUntil(
            [this] { return stopping() || burn::burn_drive_get_status(drive(), nullptr) == burn::BURN_DRIVE_IDLE; },
            [] {});
        throwIfStopped(idle);
        m_startLba = nextWritableAddress(m_target);
    }

    void write(WriteJob &job, std::int64_t imageBytes)
    {
        takeMessages();
        m_stream.rewind(); // from here on the stream belongs to libburn's threads
        job.start();
        m_run.job = &job;
        std::int64_t written = 0;
        const auto poll = [&] {
            const auto sample = job.sample();
            if (sample.status == burn::BURN_DRIVE_IDLE)
                return;
            written = std::max(written, sample.sectorsWritten);
            progress(writeActionFor(sample.status), written, written);
        };
        const bool ended = pumpUntil([&] { return stopping() || job.finished(); }, poll);
        if (!ended || stopping())
            job.cancel();
        if (ended && m_run.stopped) {
            // libburn needs a moment to notice; a drive that stopped
            // answering may need seconds. The window stays alive meanwhile.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            pumpUntil([&] { return job.finished() || std::chrono::steady_clock::now() > deadline; }, [] {});
        }
        m_run.job = nullptr;
        throwIfStopped(ended);

        const auto outcome = job.finish();
        if (const std::string reason = WriteJob::failureReason(outcome, job.messages(), imageBytes, m_trackSectors);
            !reason.empty())
            throw ServiceError(reason);
        // libburn's progress falls back to zero once idle; the last word
        // comes from the counters.
        progress(WriteAction::WritingData, m_trackSectors, m_trackSectors);
    }

    // A disc whose start cannot be read back is reloaded and read once more.
    void verify(std::int64_t imageBytes)
    {
        progress(WriteAction::Verifying, m_trackSectors);
        if (const std::string failure = readBack(imageBytes); !failure.empty()) {
            if (!m_unreadableStart)
                throw ServiceError(failure);
            auto tray = driveTray(m_target.drive);
            if (!reloadMedium(*tray, m_ask))
                throw ServiceError(failure + "; the disc was not back in the recorder to try again");
            throwIfStopped(true);
            if (const std::string again = readBack(imageBytes); !again.empty())
                throw ServiceError(again);
        }
        takeMessages();
    }

    // Empty when the disc holds the image, else why not.
    std::string readBack(std::int64_t imageBytes)
    {
        auto reader =
            m_target.isVirtual ? fileSectorReader(m_target.path) : driveSectorReader(m_target.drive, m_startLba);
        ReadBackCheck check(m_stream, imageBytes, std::move(reader), m_options.readBackFilter);
        check.start();
        const bool ended = pumpUntil(
            [&] { return stopping() || check.finished(); },
            [&] { progress(WriteAction::Verifying, m_trackSectors + check.sectorsChecked(), check.sectorsChecked()); });
        if (!ended || stopping())
            check.stop();
        throwIfStopped(ended);
        check.stop(); // joins the finished thread
        m_unreadableStart = check.unreadableStart();
        return check.failure();
    }

    ImageStream &m_stream;
    const Target m_target;
    const WriterOptions m_options;
    Writer::Run &m_run;
    const Report m_report;
    const MediaRequest m_ask;
    RunClock m_clock;
    TotalTimeEstimate m_estimate;
    std::int64_t m_imageSectors = 0;
    std::int64_t m_trackSectors = 0;
    std::int64_t m_totalWork = 0;
    int m_startLba = 0;
    bool m_unreadableStart = false;
};

} // namespace

Writer::Writer(WriterOptions options) : m_options(std::move(options)) {}

Writer::~Writer()
{
    if (m_run) {
        m_run->abandoned = true;
        if (m_run->job)
            m_run->job->cancel();
    }
}

void Writer::CancelWrite()
{
    // The running Write notices within one poll, stops libburn and the
    // comparison, and ends with an error; nothing waits here.
    if (m_run)
        m_run->stopped = true;
}

bool Writer::IsRecorderSupported(DiscRecorder &recorder)
{
    const Target target = libburnRecorder(recorder).target();
    if (target.isVirtual)
        return true;
    return target.drive && canWriteRecordableMedia(driveProfiles(*target.drive));
}

bool Writer::IsCurrentMediaSupported(DiscRecorder &recorder)
{
    const Target target = libburnRecorder(recorder).target();
    closeOpenTray(target);
    return isCurrentMediaSupported(target);
}

void Writer::put_Recorder(DiscRecorder &recorder)
{
    const Target target = libburnRecorder(recorder).target();
    m_drive = target.drive;
    m_virtual = target.isVirtual;
    m_path = target.path;
    m_bound = true;
}

Target Writer::boundTarget() const
{
    if (!m_bound)
        throw ServiceError("no recorder has been set on the writer");
    return Target{m_drive.lock(), m_virtual, m_path};
}

MediaStatus Writer::CurrentMediaStatus()
{
    return currentMediaStatus(boundTarget(), m_options.forceOverwrite);
}

MediaReuse Writer::CurrentMediaReuse()
{
    return mediaReuse(boundTarget());
}

void Writer::EraseMedia()
{
    if (m_run)
        throw ServiceError("a burn is already running");
    const Target target = boundTarget();
    if (mediaReuse(target) != MediaReuse::Erase)
        throw ServiceError("the disc in the recorder is not a rewritable disc that can be erased");
    auto run = std::make_shared<Run>();
    m_run = run;
    const auto awake = acquireSleepLock("Erasing a disc");
    try {
        eraseDisc(target.drive, [this, run](const WriteProgress &progress) {
            if (!run->abandoned)
                raiseUpdate(progress);
        });
    } catch (...) {
        if (!run->abandoned)
            m_run.reset();
        throw;
    }
    if (run->abandoned)
        throw ServiceError("the erase was abandoned");
    m_run.reset();
    if (run->stopped)
        throw ServiceError("the burn was stopped after the disc had been erased");
}

int Writer::NextWritableAddress()
{
    return nextWritableAddress(boundTarget());
}

std::int64_t Writer::FreeSectorsOnMedia()
{
    return freeSectors(boundTarget());
}

MediaKind Writer::CurrentMediaKind()
{
    const Target target = boundTarget();
    if (target.isVirtual || !target.drive)
        return MediaKind::Unknown;
    // MMC profiles: 0x08-0x0a CD, 0x10-0x2b DVD, 0x40-0x43 BD.
    const int profile = driveProbe(target.drive->get())->profile();
    if (profile >= 0x08 && profile <= 0x0a)
        return MediaKind::CD;
    if (profile >= 0x10 && profile <= 0x2b)
        return MediaKind::DVD;
    if (profile >= 0x40 && profile <= 0x43)
        return MediaKind::BD;
    return MediaKind::Unknown;
}

void Writer::Write(ImageStream &stream)
{
    m_succeeded = false;
    if (m_run)
        throw ServiceError("a burn is already running");
    Target target = boundTarget();
    if (!target.drive || target.drive->isReleased())
        throw ServiceError(m_virtual ? "the folder of the image file '" + m_path + "' does not exist"
                                     : std::string("the recorder has been let go of; choose it again"));

    auto run = std::make_shared<Run>();
    m_run = run;
    // Clears the running burn however Write ends, unless the writer is gone.
    struct RunEnd {
        Writer *writer;
        std::shared_ptr<Run> run;
        ~RunEnd()
        {
            if (!run->abandoned)
                writer->m_run.reset();
        }
    } runEnd{this, run};

    // The desktop shows the reason when it asks whether to log out or
    // suspend anyway; the inhibitor puts it in the user's language.
    const auto awake = acquireSleepLock(QT_TRANSLATE_NOOP("pelimor::SleepInhibitor", "Writing a disc"));
    BurnRun burn(
        stream, std::move(target), m_options, *run,
        [this, run](const WriteProgress &progress) {
            if (!run->abandoned)
                raiseUpdate(progress);
        },
        [this, run](const std::string &prompt) { return !run->abandoned && requestMedia(prompt); });
    burn.execute();
    if (!run->abandoned)
        m_succeeded = true;
}

} // namespace pelimor::libburn
