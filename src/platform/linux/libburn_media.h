// What a recorder can write and what disc it holds, in the service's own
// values (profile 9 = CD-R; media status 2 blank, 4 appendable, ...).
//
// A virtual recorder writes an image file. libburn calls any such file
// blank, even one that holds data, and would overwrite it; here only a
// missing or empty file counts as a blank disc, so existing data is never
// overwritten.
#pragma once

#include "platform/linux/libburn_drive.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pelimor::libburn {

// Media status values beyond blank (2), appendable (4) and blank and
// appendable (6): the disc is closed, must be erased first, or cannot be
// used at all.
namespace media_state {
inline constexpr int none = 0;
inline constexpr int eraseRequired = 0x800;
inline constexpr int finalized = 0x4000;
inline constexpr int unsupported = 0x8000;
} // namespace media_state

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

// The MMC profiles the drive supports; none for a pseudo-drive.
std::vector<int> driveProfiles(const Drive &drive);
// The drive can write CD-R, DVD-R, DVD+R or BD-R.
bool canWriteRecordableMedia(const std::vector<int> &profiles);

bool isCurrentMediaSupported(const Target &target);
int currentMediaStatus(const Target &target);
int nextWritableAddress(const Target &target);
std::int64_t freeSectors(const Target &target);

} // namespace pelimor::libburn
