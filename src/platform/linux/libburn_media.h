// What a recorder can write and what disc it holds, in the service's own
// values (profile 9 = CD-R; media status 2 blank, 4 appendable, ...).
//
// A virtual recorder writes an image file. libburn calls any such file
// blank, even one that holds data, and would overwrite it; here only a
// missing or empty file counts as a blank disc, so existing data is never
// overwritten.
//
// Rewritable discs that are written in place (DVD+RW, formatted DVD-RW,
// DVD-RAM, BD-RE) are "blank" to libburn whatever they hold. Here such a
// disc is blank only when its first 64 KiB read back as zeros; anything
// else is a used disc and is refused, unless the user agreed to overwrite
// it.
#pragma once

#include "platform/discservice.h"
#include "platform/linux/libburn_drive.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pelimor::libburn {

// How much of the start of a rewritable disc is read to tell a blank one
// from a used one: the system area and the first volume descriptors.
inline constexpr std::int64_t blankCheckBytes = 64 * 1024;

// The recorder a writer works with: a drive (absent when a virtual
// recorder's folder does not exist, or once released) and, for a virtual
// recorder, the file it writes.
struct Target {
    std::shared_ptr<Drive> drive;
    bool isVirtual = false;
    std::string path;
};

enum class VirtualDisc {
    Blank,     // the file does not exist or is empty
    HoldsData, // a regular file with data: never written over
    Unusable,  // a directory, a device, or a folder that does not exist
};
VirtualDisc inspectVirtualDisc(const std::string &path);

// The few questions the media checks ask of a drive with a disc. A real
// drive answers through libburn; tests answer for discs no emulator offers.
class MediaProbe {
public:
    virtual ~MediaProbe() = default;
    virtual burn::burn_disc_status discStatus() = 0;
    // The disc's MMC profile (0x1a DVD+RW, 0x41 BD-R, ...); 0 without one.
    virtual int profile() = 0;
    virtual bool erasable() = 0;
    struct Formats {
        int status = 0;         // BURN_FORMAT_IS_*, 0 when the drive does not say
        std::int64_t bytes = 0; // unformatted: what formatting can offer
    };
    virtual Formats formats() = 0;
    // Reads `bytes` from the disc's first sector on; false when the drive
    // cannot read them all.
    virtual bool readStart(char *buffer, std::int64_t bytes) = 0;
    virtual std::int64_t availableBytes() = 0;
};

std::unique_ptr<MediaProbe> driveProbe(burn::burn_drive *drive);

struct MediaState {
    bool supported = false; // a disc this recorder can write a data track to
    MediaStatus status = MediaStatus::Unsupported;
    // Blank, but libburn cannot write it before it is formatted (a fresh
    // BD-RE or DVD-RAM; a fresh DVD+RW libburn formats by itself).
    bool needsFormatting = false;
};
// With `overwriteAllowed` (the user agreed to lose what it holds) an
// overwritable disc is blank whatever it holds.
MediaState assessMedia(MediaProbe &probe, bool overwriteAllowed = false);
// A used rewritable disc: blanked first (CD-RW, sequential DVD-RW) or
// written over (DVD+RW, ...); None for every other disc.
MediaReuse mediaReuse(MediaProbe &probe);

// The sectors libburn reserves for a track of `sectors` on a disc of this
// profile: DVD+R rounds up to 16, BD-R to 32.
std::int64_t reservedSectors(std::int64_t sectors, int profile);
// The free sectors a track may take: the free space rounded down to what
// libburn can reserve, so that a track fits exactly when its sectors are
// at most this. A disc still to be formatted offers what formatting gives.
std::int64_t usableFreeSectors(MediaProbe &probe);

// The MMC profiles the drive supports; none for a pseudo-drive.
std::vector<int> driveProfiles(const Drive &drive);
// The drive can write CD-R, DVD-R, DVD+R or BD-R.
bool canWriteRecordableMedia(const std::vector<int> &profiles);

// The drive is taken without loading so that listing it never moves its
// tray; a burn closes an open tray before it looks at the disc.
void closeOpenTray(const Target &target);
bool isCurrentMediaSupported(const Target &target);
MediaStatus currentMediaStatus(const Target &target, bool overwriteAllowed = false);
MediaReuse mediaReuse(const Target &target);
bool needsFormatting(const Target &target);
int nextWritableAddress(const Target &target);
std::int64_t freeSectors(const Target &target);

} // namespace pelimor::libburn
