// The disc-mastering service on Linux, built on libburn.
#pragma once

#include "platform/discservice.h"

namespace pelimor {

class LibburnDiscService : public DiscService {
public:
    std::unique_ptr<DiscMaster> CreateDiscMaster() override;
    std::unique_ptr<DiscRecorder> CreateDiscRecorder() override;
    std::unique_ptr<DataWriter> CreateDataWriter() override;
};

} // namespace pelimor
