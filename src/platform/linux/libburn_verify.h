// Read-back verification: after the write, exactly the image's sectors are
// read back from the disc and compared with the image read again from its
// file. Only a matching read-back makes a burn a success; libburn's own
// verdict has been seen to say "wrote well" when nothing was written.
//
// The comparison runs on a thread of its own so the window stays alive;
// the image stream belongs to that thread until it has finished.
#pragma once

#include "platform/discservice.h"
#include "platform/linux/libburn_drive.h"
#include "platform/linux/libburn_read_ahead.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace pelimor::libburn {

// Sees every block read back before it is compared (sector numbers count
// from the image's first sector). Runs on the verification thread.
using ReadBackFilter = std::function<void(std::int64_t firstSector, char *data, std::int64_t bytes)>;

// The disc could not be read where it should hold the image (as opposed
// to reading back something else).
class UnreadableDisc : public ServiceError {
public:
    using ServiceError::ServiceError;
};

// Where the written sectors are read back from.
class SectorReader {
public:
    virtual ~SectorReader() = default;
    // Called once before the first read, on the verification thread.
    virtual void prepare() {}
    // Reads `bytes` (whole sectors) from `firstSector` of the image on.
    // Throws UnreadableDisc when the disc cannot be read there.
    virtual void read(std::int64_t firstSector, char *buffer, std::int64_t bytes) = 0;
};

// The image file a virtual recorder wrote. Its cached pages are flushed
// and dropped first, so the bytes compared come from the disk, not memory.
std::unique_ptr<SectorReader> fileSectorReader(const std::string &path);
// A real disc in a drive, the track starting at startLba.
std::unique_ptr<SectorReader> driveSectorReader(std::shared_ptr<Drive> drive, std::int64_t startLba);

class ReadBackCheck {
public:
    ReadBackCheck(ImageStream &stream, std::int64_t imageBytes, std::unique_ptr<SectorReader> reader,
                  ReadBackFilter filter);
    // Stops a check that is still running and waits for its thread.
    ~ReadBackCheck();
    ReadBackCheck(const ReadBackCheck &) = delete;
    ReadBackCheck &operator=(const ReadBackCheck &) = delete;

    void start();
    bool finished() const { return m_finished.load(); }
    std::int64_t sectorsChecked() const { return m_checked.load(); }
    void stop();
    // Once finished: empty when the disc holds the image, else why not.
    const std::string &failure() const { return m_failure; }
    // Once finished: the disc could not be read from its first block on.
    // Some drives read nothing of a disc they have just written until it
    // has been reloaded.
    bool unreadableStart() const { return m_unreadableStart; }

private:
    void run();
    void compare();

    ImageStream &m_stream;
    const std::int64_t m_imageBytes;
    std::unique_ptr<SectorReader> m_reader;
    ReadBackFilter m_filter;
    std::shared_ptr<ImageReadAhead> m_image; // the image, read again
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::atomic<std::int64_t> m_checked{0};
    std::string m_failure;
    bool m_unreadableStart = false;
};

// What reloading a disc needs of its drive.
class Tray {
public:
    virtual ~Tray() = default;
    // Opens the tray and takes the drive again, which closes it; false
    // when the drive is lost.
    virtual bool ejectAndLoad() = 0;
    // Takes the drive again, closing the tray where it can.
    virtual bool load() = 0;
    virtual bool hasDisc() = 0;
};
std::unique_ptr<Tray> driveTray(std::shared_ptr<Drive> drive);

// Asks the user to do something with the disc; true once they have
// (OK), false when they give up (Cancel).
using MediaRequest = std::function<bool(const std::string &prompt)>;
inline constexpr const char *reinsertPrompt =
    "Put the disc that was just written back into the recorder, close it and press OK to verify the disc.";

// Ejects and loads the disc so the drive reads it afresh. A drive that
// cannot pull its tray in has the user put the disc back. True once the
// disc is in the drive again.
bool reloadMedium(Tray &tray, const MediaRequest &ask);

} // namespace pelimor::libburn
