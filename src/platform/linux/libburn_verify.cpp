#include "platform/linux/libburn_verify.h"

#include "platform/linux/libburn_library.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace pelimor::libburn {
namespace {

// Blocks of 512 sectors (1 MiB): few calls, little memory.
constexpr std::int64_t blockBytes = 512 * sectorSize;

class FileSectorReader : public SectorReader {
public:
    explicit FileSectorReader(std::string path) : m_path(std::move(path)) {}
    ~FileSectorReader() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    void prepare() override
    {
        m_fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0)
            fail("could not be opened");
        // Written pages first reach the disk, then leave the page cache:
        // the comparison reads what the file system really holds.
        ::fdatasync(m_fd);
        ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_DONTNEED);
    }

    void read(std::int64_t firstSector, char *buffer, std::int64_t bytes) override
    {
        std::int64_t done = 0;
        while (done < bytes) {
            const ssize_t n = ::pread(m_fd, buffer + done, static_cast<std::size_t>(bytes - done),
                                      static_cast<off_t>(firstSector * sectorSize + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                fail("could not be read back");
            if (n == 0)
                throw ServiceError("the written file '" + m_path + "' ends at sector " +
                                   std::to_string(firstSector + done / sectorSize) + ", before the end of the image");
            done += n;
        }
    }

private:
    [[noreturn]] void fail(const char *what)
    {
        throw ServiceError("the written file '" + m_path + "' " + what + ": " + std::strerror(errno));
    }

    std::string m_path;
    int m_fd = -1;
};

class DriveSectorReader : public SectorReader {
public:
    DriveSectorReader(std::shared_ptr<Drive> drive, std::int64_t startLba)
        : m_drive(std::move(drive)), m_startLba(startLba)
    {
    }

    void prepare() override
    {
        // The drive learns about the track it has just written.
        if (burn::burn_drive_re_assess(m_drive->get(), 0) != 1)
            throw UnreadableDisc("the recorder could not read the disc after writing: " + worstProblem(takeMessages()));
    }

    void read(std::int64_t firstSector, char *buffer, std::int64_t bytes) override
    {
        off_t count = 0;
        const off_t address = static_cast<off_t>((m_startLba + firstSector) * sectorSize);
        if (burn::burn_read_data(m_drive->get(), address, buffer, static_cast<off_t>(bytes), &count, 0) != 1) {
            const std::int64_t bad = firstSector + count / sectorSize;
            std::string reason = "sector " + std::to_string(bad) + " could not be read back from the disc";
            if (const std::string problem = worstProblem(takeMessages()); !problem.empty())
                reason += ": " + problem;
            throw UnreadableDisc(reason);
        }
    }

private:
    std::shared_ptr<Drive> m_drive;
    std::int64_t m_startLba;
};

class DriveTray : public Tray {
public:
    explicit DriveTray(std::shared_ptr<Drive> drive) : m_drive(std::move(drive)) {}
    bool ejectAndLoad() override { return m_drive->regrab(true); }
    bool load() override { return m_drive->regrab(false); }
    bool hasDisc() override
    {
        return !m_drive->isReleased() && burn::burn_disc_get_status(m_drive->get()) != burn::BURN_DISC_EMPTY;
    }

private:
    std::shared_ptr<Drive> m_drive;
};

} // namespace

std::unique_ptr<SectorReader> fileSectorReader(const std::string &path)
{
    return std::make_unique<FileSectorReader>(path);
}

std::unique_ptr<SectorReader> driveSectorReader(std::shared_ptr<Drive> drive, std::int64_t startLba)
{
    return std::make_unique<DriveSectorReader>(std::move(drive), startLba);
}

std::unique_ptr<Tray> driveTray(std::shared_ptr<Drive> drive)
{
    return std::make_unique<DriveTray>(std::move(drive));
}

bool reloadMedium(Tray &tray, const MediaRequest &ask)
{
    if (!tray.ejectAndLoad())
        return false;
    while (!tray.hasDisc()) {
        if (!ask || !ask(reinsertPrompt) || !tray.load())
            return false;
    }
    return true;
}

ReadBackCheck::ReadBackCheck(ImageStream &stream, std::int64_t imageBytes, std::unique_ptr<SectorReader> reader,
                             ReadBackFilter filter)
    : m_stream(stream), m_imageBytes(imageBytes), m_reader(std::move(reader)), m_filter(std::move(filter))
{
}

ReadBackCheck::~ReadBackCheck()
{
    stop();
}

void ReadBackCheck::start()
{
    m_image = ImageReadAhead::start(m_stream);
    m_thread = std::thread([this] { run(); });
}

void ReadBackCheck::stop()
{
    m_stop = true;
    // A comparison waiting for the image gives up at once.
    if (m_image)
        m_image->abort();
    if (m_thread.joinable())
        m_thread.join();
}

void ReadBackCheck::run()
{
    try {
        compare();
    } catch (const UnreadableDisc &e) {
        m_failure = e.what();
        m_unreadableStart = m_checked == 0;
    } catch (const std::exception &e) {
        m_failure = e.what();
    }
    m_finished = true;
}

void ReadBackCheck::compare()
{
    m_reader->prepare();
    std::vector<char> image(static_cast<std::size_t>(blockBytes));
    std::vector<char> disc(static_cast<std::size_t>(blockBytes));
    // Whole sectors of the image; the zeros libburn pads after it are not
    // part of what must match.
    const std::int64_t total = (m_imageBytes + sectorSize - 1) / sectorSize * sectorSize;
    for (std::int64_t offset = 0; offset < total;) {
        if (m_stop)
            throw ServiceError("the verification was stopped");
        const std::int64_t bytes = std::min(blockBytes, total - offset);
        std::int64_t got = 0;
        try {
            got = m_image->read(image.data(), bytes);
        } catch (const std::exception &e) {
            if (m_stop)
                throw ServiceError("the verification was stopped");
            throw ServiceError(std::string("the image could not be read again to verify the disc: ") + e.what());
        }
        if (got < bytes)
            throw ServiceError("the image file ended before its end while it was read again to verify the disc");
        const std::int64_t firstSector = offset / sectorSize;
        m_reader->read(firstSector, disc.data(), bytes);
        if (m_filter)
            m_filter(firstSector, disc.data(), bytes);
        const auto end = image.begin() + bytes;
        const auto [at, unused] = std::mismatch(image.begin(), end, disc.begin());
        if (at != end) {
            const std::int64_t sector = firstSector + (at - image.begin()) / sectorSize;
            throw ServiceError("the disc does not hold the image: verification found sector " + std::to_string(sector) +
                               " different from the image file");
        }
        offset += bytes;
        m_checked = offset / sectorSize;
    }
}

} // namespace pelimor::libburn
