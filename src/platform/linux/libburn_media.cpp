#include "platform/linux/libburn_media.h"

#include "platform/discservice.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace pelimor::libburn {
namespace {

// MMC profiles of write-once media: CD-R, DVD-R, DVD-R DL (two kinds),
// DVD+R, DVD+R DL, BD-R.
constexpr int recordableProfiles[] = {0x09, 0x11, 0x15, 0x16, 0x1b, 0x2b, 0x41};
// Every profile libburn can write a data track to: the recordable ones and
// CD-RW, DVD-RAM, DVD-RW, DVD+RW, BD-RE.
constexpr int writableProfiles[] = {0x09, 0x0a, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x1a, 0x1b, 0x2b, 0x41, 0x43};
// Rewritable media written in place: DVD-RAM, DVD-RW restricted overwrite,
// DVD+RW, BD-RE. libburn calls them blank whatever they hold.
constexpr int overwritableProfiles[] = {0x12, 0x13, 0x1a, 0x43};
constexpr int dvdPlusRw = 0x1a;

template <std::size_t N> bool contains(const int (&list)[N], int value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

burn::burn_drive *driveOf(const Target &target)
{
    return target.drive && !target.drive->isReleased() ? target.drive->get() : nullptr;
}

class DriveProbe : public MediaProbe {
public:
    explicit DriveProbe(burn::burn_drive *drive) : m_drive(drive) {}

    burn::burn_disc_status discStatus() override { return burn::burn_disc_get_status(m_drive); }
    int profile() override
    {
        int profile = 0;
        char name[80] = {};
        return burn::burn_disc_get_profile(m_drive, &profile, name) == 1 ? profile : 0;
    }
    bool erasable() override { return burn::burn_disc_erasable(m_drive) == 1; }
    Formats formats() override
    {
        int status = 0, count = 0;
        off_t size = 0;
        unsigned blockLength = 0;
        if (burn::burn_disc_get_formats(m_drive, &status, &size, &blockLength, &count) != 1)
            return {};
        return {status, static_cast<std::int64_t>(size)};
    }
    bool readStart(char *buffer, std::int64_t bytes) override
    {
        off_t count = 0;
        // Quietly, and without retrying sector by sector: an unreadable
        // start is an answer here, not an error.
        const int quiet = 2 | 4;
        return burn::burn_read_data(m_drive, 0, buffer, static_cast<off_t>(bytes), &count, quiet) == 1 &&
               count == bytes;
    }
    std::int64_t availableBytes() override { return burn::burn_disc_available_space(m_drive, nullptr); }

private:
    burn::burn_drive *m_drive;
};

// libburn reserves a track on DVD+R in steps of 16 sectors (32 KiB), on
// BD-R in steps of 32 (64 KiB).
std::int64_t reservationUnit(int profile)
{
    if (profile == 0x1b || profile == 0x2b) // DVD+R, DVD+R DL
        return 16;
    if (profile == 0x41) // BD-R
        return 32;
    return 1;
}

// A rewritable disc is blank only when its start reads back and holds
// nothing but zeros: a file system, a partition table or a boot record
// all live there. A start that cannot be read proves nothing.
bool startReadsBlank(MediaProbe &probe)
{
    std::vector<char> start(static_cast<std::size_t>(blankCheckBytes));
    if (!probe.readStart(start.data(), blankCheckBytes))
        return false;
    return std::all_of(start.begin(), start.end(), [](char c) { return c == 0; });
}

} // namespace

VirtualDisc inspectVirtualDisc(const std::string &path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return VirtualDisc::Unusable;
        return info.st_size == 0 ? VirtualDisc::Blank : VirtualDisc::HoldsData;
    }
    if (errno != ENOENT)
        return VirtualDisc::Unusable;
    // A file that does not exist yet is a blank disc only where it can be
    // created.
    std::error_code ec;
    const auto folder = std::filesystem::path(path).parent_path();
    return std::filesystem::is_directory(folder.empty() ? "." : folder, ec) ? VirtualDisc::Blank
                                                                            : VirtualDisc::Unusable;
}

std::unique_ptr<MediaProbe> driveProbe(burn::burn_drive *drive)
{
    return std::make_unique<DriveProbe>(drive);
}

MediaState assessMedia(MediaProbe &probe, bool overwriteAllowed)
{
    MediaState state;
    const auto status = probe.discStatus();
    if (status != burn::BURN_DISC_BLANK && status != burn::BURN_DISC_APPENDABLE && status != burn::BURN_DISC_FULL) {
        state.status = status == burn::BURN_DISC_EMPTY ? MediaStatus::None : MediaStatus::Unsupported;
        return state;
    }
    const int profile = probe.profile();
    state.supported = contains(writableProfiles, profile);
    switch (status) {
    case burn::BURN_DISC_APPENDABLE:
        state.status = MediaStatus::Appendable;
        return state;
    case burn::BURN_DISC_FULL:
        state.status = MediaStatus::Finalized | (probe.erasable() ? MediaStatus::EraseRequired : MediaStatus::None);
        return state;
    default:
        break;
    }
    state.status = MediaStatus::Blank;
    if (!contains(overwritableProfiles, profile))
        return state;
    // A disc that was never formatted cannot hold anything. libburn formats
    // a DVD+RW by itself as it writes; the others it refuses to write.
    if (probe.formats().status == BURN_FORMAT_IS_UNFORMATTED) {
        state.needsFormatting = profile != dvdPlusRw;
        return state;
    }
    if (!overwriteAllowed && !startReadsBlank(probe))
        state.status = MediaStatus::NonEmptySession;
    return state;
}

MediaReuse mediaReuse(MediaProbe &probe)
{
    const MediaState state = assessMedia(probe);
    if (!state.supported)
        return MediaReuse::None;
    switch (probe.discStatus()) {
    case burn::BURN_DISC_FULL:
    case burn::BURN_DISC_APPENDABLE:
        // libburn blanks what the drive calls erasable.
        return probe.erasable() ? MediaReuse::Erase : MediaReuse::None;
    case burn::BURN_DISC_BLANK:
        return state.status == MediaStatus::NonEmptySession ? MediaReuse::Overwrite : MediaReuse::None;
    default:
        return MediaReuse::None;
    }
}

std::int64_t reservedSectors(std::int64_t sectors, int profile)
{
    const std::int64_t unit = reservationUnit(profile);
    return (sectors + unit - 1) / unit * unit;
}

std::int64_t usableFreeSectors(MediaProbe &probe)
{
    const int profile = probe.profile();
    std::int64_t bytes = probe.availableBytes();
    if (contains(overwritableProfiles, profile) && probe.formats().status == BURN_FORMAT_IS_UNFORMATTED)
        bytes = std::max(bytes, probe.formats().bytes);
    // A track fits exactly when its reservation, a whole number of units,
    // is at most the free space: when it is at most the free space rounded
    // down to whole units.
    const std::int64_t unit = reservationUnit(profile);
    return std::max<std::int64_t>(bytes, 0) / sectorSize / unit * unit;
}

std::vector<int> driveProfiles(const Drive &drive)
{
    if (drive.isReleased())
        return {};
    int count = 0;
    int profiles[64] = {};
    char current[64] = {};
    burn::burn_drive_get_all_profiles(drive.get(), &count, profiles, current);
    return std::vector<int>(profiles, profiles + std::clamp(count, 0, 64));
}

bool canWriteRecordableMedia(const std::vector<int> &profiles)
{
    return std::any_of(profiles.begin(), profiles.end(), [](int p) { return contains(recordableProfiles, p); });
}

void closeOpenTray(const Target &target)
{
    burn::burn_drive *drive = driveOf(target);
    if (drive && !target.isVirtual && burn::burn_disc_get_status(drive) == burn::BURN_DISC_EMPTY)
        target.drive->regrab(false);
}

bool isCurrentMediaSupported(const Target &target)
{
    burn::burn_drive *drive = driveOf(target);
    if (!drive)
        return false;
    if (target.isVirtual)
        return inspectVirtualDisc(target.path) != VirtualDisc::Unusable;
    return assessMedia(*driveProbe(drive)).supported;
}

MediaStatus currentMediaStatus(const Target &target, bool overwriteAllowed)
{
    burn::burn_drive *drive = driveOf(target);
    if (!drive)
        return MediaStatus::Unsupported;
    if (target.isVirtual) {
        switch (inspectVirtualDisc(target.path)) {
        case VirtualDisc::Blank:
            return MediaStatus::Blank;
        case VirtualDisc::HoldsData:
            return MediaStatus::Finalized;
        case VirtualDisc::Unusable:
            return MediaStatus::Unsupported;
        }
    }
    return assessMedia(*driveProbe(drive), overwriteAllowed).status;
}

MediaReuse mediaReuse(const Target &target)
{
    burn::burn_drive *drive = driveOf(target);
    if (!drive || target.isVirtual)
        return MediaReuse::None;
    return mediaReuse(*driveProbe(drive));
}

bool needsFormatting(const Target &target)
{
    burn::burn_drive *drive = driveOf(target);
    return drive && !target.isVirtual && assessMedia(*driveProbe(drive)).needsFormatting;
}

int nextWritableAddress(const Target &target)
{
    burn::burn_drive *drive = driveOf(target);
    if (!drive || target.isVirtual)
        return 0;
    int lba = 0, nwa = 0;
    return burn::burn_disc_track_lba_nwa(drive, nullptr, 0, &lba, &nwa) == 1 ? nwa : 0;
}

std::int64_t freeSectors(const Target &target)
{
    burn::burn_drive *drive = driveOf(target);
    if (!drive)
        return 0;
    if (target.isVirtual)
        return static_cast<std::int64_t>(burn::burn_disc_available_space(drive, nullptr)) / sectorSize;
    return usableFreeSectors(*driveProbe(drive));
}

} // namespace pelimor::libburn
