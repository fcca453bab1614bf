#include "platform/linux/libburn_disc_service.h"

#include <libburn/libburn.h>

#include <mutex>

namespace pelimor {
namespace {

// libburn is initialized once for the whole process and never finished
// while the program runs: drives stay addressable between burns.
bool initializeLibburn()
{
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = burn::burn_initialize() == 1; });
    return ok;
}

class LibburnMaster : public DiscMaster {
public:
    std::vector<std::string> RecorderIds() override
    {
        burn::burn_drive_info *drives = nullptr;
        unsigned int count = 0;
        if (burn::burn_drive_scan(&drives, &count) != 1)
            throw ServiceError("the CD/DVD recorders could not be listed");
        std::vector<std::string> ids;
        for (unsigned int i = 0; i < count; ++i) {
            char address[BURN_DRIVE_ADR_LEN] = {};
            if (burn::burn_drive_get_adr(&drives[i], address) > 0)
                ids.emplace_back(address);
        }
        // Forget every scanned drive so a later grab finds it free.
        burn::burn_drive_info_free(drives);
        return ids;
    }
};

} // namespace

std::unique_ptr<DiscMaster> LibburnDiscService::CreateDiscMaster()
{
    if (!initializeLibburn())
        throw ServiceError("libburn could not be initialized");
    return std::make_unique<LibburnMaster>();
}

std::unique_ptr<DiscRecorder> LibburnDiscService::CreateDiscRecorder()
{
    throw ServiceError("driving recorders through libburn is not available in this build");
}

std::unique_ptr<DataWriter> LibburnDiscService::CreateDataWriter()
{
    throw ServiceError("writing discs through libburn is not available in this build");
}

} // namespace pelimor
