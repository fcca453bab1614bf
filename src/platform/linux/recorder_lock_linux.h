// The recorder lock on Linux: flock on a file of the user's runtime folder
// ($XDG_RUNTIME_DIR), one per device. The kernel lets go of a flock when
// the last descriptor of its open file closes, so a copy of the program that
// ends, however it ends, frees the recorder. Each lock opens the file
// anew, so two windows of one process exclude each other as well.
#pragma once

#include "platform/recorder_lock.h"

#include <string>

namespace pelimor {

class FlockRecorderLocks : public RecorderLocks {
public:
    // The locks' folder; created (for this user only) when first needed.
    explicit FlockRecorderLocks(std::string folder);
    std::unique_ptr<RecorderLock> tryLock(const std::string &recorderId) override;

    // The lock file's name for a recorder: a device is named by its device
    // number, so /dev/cdrom and /dev/sr0 share one lock.
    static std::string lockName(const std::string &recorderId);

private:
    std::string m_folder;
};

} // namespace pelimor
