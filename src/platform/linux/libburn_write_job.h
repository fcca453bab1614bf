// One libburn write of the image as a single data track, from setting it up
// to reading libburn's counters afterwards.
//
// libburn writes on its own threads; this object starts the write, lets the
// caller sample the drive's state while it runs, and cleans up after it:
// destroying a job that is still writing cancels it and waits for libburn's
// write thread to end before anything is freed. The drive's idle status is
// not enough for that: after a cancel it comes long before the thread is
// done with the track.
#pragma once

#include "platform/linux/libburn_drive.h"
#include "platform/linux/libburn_image_source.h"
#include "platform/linux/libburn_library.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pelimor::libburn {

// MMC wants a track of at least 300 sectors; a shorter image is followed
// by zeros up to that length.
inline constexpr std::int64_t minimumTrackSectors = 300;
// The read-ahead buffer between the image file and the drive: 2048 chunks
// of one sector, 4 MiB.
inline constexpr int fifoChunkBytes = 2048;
inline constexpr int fifoChunks = 2048;

class WriteJob {
public:
    WriteJob(std::shared_ptr<Drive> drive, ImageStream &stream);
    ~WriteJob();
    WriteJob(const WriteJob &) = delete;
    WriteJob &operator=(const WriteJob &) = delete;

    std::int64_t imageBytes() const { return m_imageBytes; }
    std::int64_t trackSectors() const { return m_trackSectors; }

    // Builds the track and the write options, lets libburn pick the write
    // type for the disc and starts writing. Throws ServiceError when libburn
    // cannot write this disc.
    void start();

    struct Sample {
        burn::burn_drive_status status = burn::BURN_DRIVE_IDLE;
        std::int64_t sectorsWritten = 0;
    };
    // The drive's state now; also collects libburn's messages.
    Sample sample();
    // True once libburn's write thread has ended (or never started).
    bool finished();
    void cancel();
    // The messages libburn gave while this job ran.
    const std::vector<Message> &messages() const { return m_messages; }

    struct Outcome {
        bool wroteWell = false;
        std::int64_t bytesRead = 0;    // taken from the image by libburn
        std::int64_t bytesWritten = 0; // sent to the drive, padding included
        std::string streamError;
    };
    // Once finished: libburn's verdict and counters. Frees the track (which
    // stops libburn's reading thread) and closes the feed: the stream is
    // the caller's again.
    Outcome finish();
    // Why the image cannot be on the disc after this outcome, or empty.
    // libburn's verdict and its counters decide; the messages only explain
    // a failure. A drive that rejects a setting makes libburn complain and
    // carry on, and the disc is still good.
    static std::string failureReason(const Outcome &outcome, const std::vector<Message> &messages,
                                     std::int64_t imageBytes, std::int64_t trackSectors);

private:
    void collectMessages();
    bool waitForEnd(std::chrono::milliseconds limit);
    void freeBurnObjects();

    std::shared_ptr<Drive> m_drive;
    std::int64_t m_imageBytes = 0;
    std::int64_t m_trackSectors = 0;
    std::shared_ptr<ImageFeed> m_feed;
    burn::burn_write_opts *m_options = nullptr;
    burn::burn_disc *m_disc = nullptr;
    burn::burn_session *m_session = nullptr;
    burn::burn_track *m_track = nullptr;
    burn::burn_source *m_fifo = nullptr;
    bool m_threadStarted = false;
    std::uint64_t m_threadsEndedBefore = 0;
    std::vector<Message> m_messages;
};

// Formats a disc that libburn cannot write unformatted (a fresh BD-RE or
// DVD-RAM) to its default size, without the hours-long certification.
// libburn formats on its own thread; a format cannot be cancelled.
class FormatJob {
public:
    explicit FormatJob(std::shared_ptr<Drive> drive) : m_drive(std::move(drive)) {}
    void start();
    bool finished();
    // Once finished: throws ServiceError when the disc was not formatted,
    // else has the drive look at the formatted disc.
    void finish();

private:
    std::shared_ptr<Drive> m_drive;
    std::vector<Message> m_messages;
};

} // namespace pelimor::libburn
