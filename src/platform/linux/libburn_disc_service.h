// The disc-mastering service on Linux, built on libburn (the library behind
// xorriso and cdrskin).
//
// Besides the drives libburn finds, the drive list offers a virtual recorder
// when PELIMOR_ISO_BURN_VIRTUAL_RECORDER names a file: it writes the image
// into that file through libburn's own file pseudo-drive, so the whole burn
// can be tried without hardware.
#pragma once

#include "platform/discservice.h"
#include "platform/linux/libburn_verify.h"

#include <string>

namespace pelimor {

class LibburnDiscService : public DiscService {
public:
    struct Options {
        // Read every written sector back and compare it with the image.
        bool verify = true;
        // Sees read-back data before it is compared; for tests that need a
        // disc that reads back wrong. Runs on the verification thread.
        libburn::ReadBackFilter readBackFilter;
        // Where the optical drives' device files live.
        std::string deviceDirectory = "/dev";
    };

    LibburnDiscService();
    explicit LibburnDiscService(Options options);

    std::unique_ptr<DiscMaster> CreateDiscMaster() override;
    std::unique_ptr<DiscRecorder> CreateDiscRecorder() override;
    std::unique_ptr<DataWriter> CreateDataWriter() override;
    // When an optical drive exists that this user may not open for reading
    // and writing, says so and how to get access.
    std::string RecorderAccessHint() override;

private:
    Options m_options;
};

} // namespace pelimor
