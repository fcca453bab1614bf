#include "platform/linux/libburn_write_job.h"

#include "platform/discservice.h"

#include <algorithm>
#include <thread>

namespace pelimor::libburn {

WriteJob::WriteJob(std::shared_ptr<Drive> drive, ImageStream &stream)
    : m_drive(std::move(drive)), m_imageBytes(stream.size())
{
    const std::int64_t imageSectors = (m_imageBytes + sectorSize - 1) / sectorSize;
    m_trackSectors = std::max(imageSectors, minimumTrackSectors);
    m_feed = std::make_shared<ImageFeed>(stream, m_imageBytes);
}

WriteJob::~WriteJob()
{
    cancel();
    if (!waitForEnd(std::chrono::seconds(15))) {
        // libburn's thread still runs and may still use the track: freeing
        // it now would crash. Keep it; the feed no longer reads the stream.
        m_feed->close();
        return;
    }
    m_feed->close();
    freeBurnObjects();
}

void WriteJob::start()
{
    burn::burn_drive *drive = m_drive->get();

    burn::burn_source *source = newImageSource(m_feed);
    m_fifo = burn::burn_fifo_source_new(source, fifoChunkBytes, fifoChunks, 0);
    burn::burn_source_free(source); // the fifo holds its own reference
    if (!m_fifo)
        throw ServiceError("libburn could not set up its buffer for the burn");

    m_track = burn::burn_track_create();
    const std::int64_t imageSectors = (m_imageBytes + sectorSize - 1) / sectorSize;
    const auto tailBytes = static_cast<int>((m_trackSectors - imageSectors) * sectorSize);
    burn::burn_track_define_data(m_track, 0, tailBytes, 1, BURN_MODE1);
    if (burn::burn_track_set_source(m_track, m_fifo) != burn::BURN_SOURCE_OK)
        throw ServiceError("libburn did not accept the image as a track");
    m_session = burn::burn_session_create();
    burn::burn_session_add_track(m_session, m_track, BURN_POS_END);
    m_disc = burn::burn_disc_create();
    burn::burn_disc_add_session(m_disc, m_session, BURN_POS_END);

    m_options = burn::burn_write_opts_new(drive);
    if (!m_options)
        throw ServiceError("libburn could not prepare the recorder for writing");
    burn::burn_write_opts_set_perform_opc(m_options, 1);
    burn::burn_write_opts_set_multi(m_options, 0); // close the disc
    burn::burn_write_opts_set_underrun_proof(m_options, 1);
    burn::burn_write_opts_set_simulate(m_options, 0);

    char reasons[BURN_REASONS_LEN] = {};
    if (burn::burn_write_opts_auto_write_type(m_options, m_disc, reasons, 0) == burn::BURN_WRITE_NONE)
        throw ServiceError(std::string("the recorder cannot write this disc: ") + reasons);
    burn::burn_drive_set_speed(drive, 0, 0); // the fastest the disc allows

    collectMessages();
    m_threadsEndedBefore = writeThreadsEnded();
    burn::burn_disc_write(m_options, m_disc);
    // burn_disc_write marks the drive busy before it returns when it has
    // started its thread; when it refused, it only left a message.
    collectMessages();
    m_threadStarted = burn::burn_drive_get_status(drive, nullptr) != burn::BURN_DRIVE_IDLE ||
                      writeThreadsEnded() > m_threadsEndedBefore;
}

void WriteJob::collectMessages()
{
    auto more = takeMessages();
    m_messages.insert(m_messages.end(), more.begin(), more.end());
}

WriteJob::Sample WriteJob::sample()
{
    collectMessages();
    Sample s;
    burn::burn_progress progress{};
    s.status = burn::burn_drive_get_status(m_drive->get(), &progress);
    if (s.status == burn::BURN_DRIVE_WRITING)
        s.sectorsWritten = std::clamp<std::int64_t>(progress.sector, 0, m_trackSectors);
    return s;
}

bool WriteJob::finished()
{
    if (!m_threadStarted)
        return true;
    collectMessages();
    return writeThreadsEnded() > m_threadsEndedBefore &&
           burn::burn_drive_get_status(m_drive->get(), nullptr) == burn::BURN_DRIVE_IDLE;
}

void WriteJob::cancel()
{
    // libburn's threads may be waiting for the image; they must not wait
    // for a read that never comes back.
    m_feed->cancel();
    if (!finished())
        burn::burn_drive_cancel(m_drive->get());
}

bool WriteJob::waitForEnd(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!finished()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

WriteJob::Outcome WriteJob::finish()
{
    collectMessages();
    Outcome outcome;
    outcome.wroteWell = m_threadStarted && burn::burn_drive_wrote_well(m_drive->get()) == 1;
    off_t readBytes = 0, writtenBytes = 0;
    if (m_track)
        burn::burn_track_get_counters(m_track, &readBytes, &writtenBytes);
    outcome.bytesRead = readBytes;
    outcome.bytesWritten = writtenBytes;
    outcome.streamError = m_feed->error();
    // Closed first: a reading thread libburn still runs then stops waiting
    // for the image before its source is freed.
    m_feed->close();
    freeBurnObjects();
    return outcome;
}

void WriteJob::freeBurnObjects()
{
    // Each of these holds references on the next; the fifo goes last, and
    // freeing it stops its reading thread if that still runs (see
    // readSource for why that is safe).
    if (m_options)
        burn::burn_write_opts_free(m_options);
    if (m_disc)
        burn::burn_disc_free(m_disc);
    if (m_session)
        burn::burn_session_free(m_session);
    if (m_track)
        burn::burn_track_free(m_track);
    if (m_fifo)
        burn::burn_source_free(m_fifo);
    m_options = nullptr;
    m_disc = nullptr;
    m_session = nullptr;
    m_track = nullptr;
    m_fifo = nullptr;
}

std::string WriteJob::failureReason(const Outcome &outcome, const std::vector<Message> &messages,
                                    std::int64_t imageBytes, std::int64_t trackSectors)
{
    if (!outcome.streamError.empty())
        return outcome.streamError;
    if (!outcome.wroteWell) {
        const std::string problem = worstProblem(messages);
        return problem.empty() ? "the recorder reported that the write failed" : problem;
    }
    // SAO pads a short input with zeros and still reports success: only
    // libburn's own counters tell that the whole image went out.
    if (outcome.bytesRead != imageBytes)
        return "only " + std::to_string(outcome.bytesRead) + " of the image's " + std::to_string(imageBytes) +
               " bytes reached the recorder";
    const std::int64_t sectorsOut = outcome.bytesWritten / sectorSize;
    if (sectorsOut < trackSectors)
        return "the recorder wrote only " + std::to_string(sectorsOut) + " of " + std::to_string(trackSectors) +
               " sectors";
    return {};
}

void FormatJob::start()
{
    takeMessages();
    // Bits 1 and 2: the default size; bit 6: skip certification.
    constexpr int defaultSizeWithoutCertification = (3 << 1) | (1 << 6);
    burn::burn_disc_format(m_drive->get(), 0, defaultSizeWithoutCertification);
}

bool FormatJob::finished()
{
    auto more = takeMessages();
    m_messages.insert(m_messages.end(), more.begin(), more.end());
    return burn::burn_drive_get_status(m_drive->get(), nullptr) == burn::BURN_DRIVE_IDLE;
}

void FormatJob::finish()
{
    finished();
    if (burn::burn_drive_wrote_well(m_drive->get()) != 1) {
        const std::string problem = worstProblem(m_messages);
        throw ServiceError("the disc could not be formatted" + (problem.empty() ? std::string() : ": " + problem));
    }
    // A refusal can leave libburn's verdict from an earlier job; only the
    // disc itself tells that it is formatted now.
    burn::burn_drive_re_assess(m_drive->get(), 0);
    takeMessages();
    int status = 0, count = 0;
    off_t size = 0;
    unsigned blockLength = 0;
    if (burn::burn_disc_get_formats(m_drive->get(), &status, &size, &blockLength, &count) == 1 &&
        status == BURN_FORMAT_IS_UNFORMATTED)
        throw ServiceError("the disc could not be formatted; it is still unformatted");
}

} // namespace pelimor::libburn
