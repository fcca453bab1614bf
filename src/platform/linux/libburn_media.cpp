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

template <std::size_t N> bool contains(const int (&list)[N], int value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

burn::burn_drive *driveOf(const Target &target)
{
    return target.drive && !target.drive->isReleased() ? target.drive->get() : nullptr;
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

bool isCurrentMediaSupported(const Target &target)
{
    burn::burn_drive *drive = driveOf(target);
    if (!drive)
        return false;
    if (target.isVirtual)
        return inspectVirtualDisc(target.path) != VirtualDisc::Unusable;
    const auto status = burn::burn_disc_get_status(drive);
    if (status != burn::BURN_DISC_BLANK && status != burn::BURN_DISC_APPENDABLE && status != burn::BURN_DISC_FULL)
        return false;
    int profile = 0;
    char name[80] = {};
    burn::burn_disc_get_profile(drive, &profile, name);
    return contains(writableProfiles, profile);
}

int currentMediaStatus(const Target &target)
{
    burn::burn_drive *drive = driveOf(target);
    if (!drive)
        return media_state::unsupported;
    if (target.isVirtual) {
        switch (inspectVirtualDisc(target.path)) {
        case VirtualDisc::Blank:
            return media_status::blank;
        case VirtualDisc::HoldsData:
            return media_state::finalized;
        case VirtualDisc::Unusable:
            return media_state::unsupported;
        }
    }
    switch (burn::burn_disc_get_status(drive)) {
    case burn::BURN_DISC_BLANK:
        return media_status::blank;
    case burn::BURN_DISC_APPENDABLE:
        return media_status::appendable;
    case burn::BURN_DISC_FULL:
        return media_state::finalized | (burn::burn_disc_erasable(drive) ? media_state::eraseRequired : 0);
    case burn::BURN_DISC_EMPTY:
        return media_state::none;
    default:
        return media_state::unsupported;
    }
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
    return static_cast<std::int64_t>(burn::burn_disc_available_space(drive, nullptr)) / sectorSize;
}

} // namespace pelimor::libburn
