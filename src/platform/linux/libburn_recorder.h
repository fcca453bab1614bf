// The disc master and disc recorder on libburn.
//
// Recorders are named by their persistent device address ("/dev/sr0"), or
// "stdio:/path" for the virtual recorder that writes an image file. A
// recorder holds its drive (grabbed) from InitializeDiscRecorder until it
// is destroyed or ejects the disc, so no other program can write to it in
// between, and lets go of it afterwards so the system sees the new disc.
#pragma once

#include "platform/discservice.h"
#include "platform/linux/libburn_drive.h"
#include "platform/linux/libburn_media.h"

#include <memory>
#include <string>
#include <vector>

namespace pelimor::libburn {

class Master : public DiscMaster {
public:
    // The drives libburn finds, then the virtual recorder when the
    // variable names one. Every scanned drive is let go of before this
    // returns: a drive the scan still held was once written to with nothing
    // written and success reported.
    std::vector<std::string> RecorderIds() override;
};

class Recorder : public DiscRecorder {
public:
    void InitializeDiscRecorder(const std::string &recorderId) override;
    std::vector<int> SupportedProfiles() override;
    std::string VendorId() override;
    std::string ProductId() override;
    std::string ProductRevision() override;
    std::vector<std::string> VolumePathNames() override;
    void EjectMedia() override;
    void ReleaseExclusiveAccess() override;

    // What a data writer works with; the writer keeps only a weak hold on
    // the drive, which stays this recorder's.
    Target target() const;

private:
    void requireInitialized() const;

    std::string m_id;
    bool m_virtual = false;
    std::string m_path;
    std::shared_ptr<Drive> m_drive;
};

} // namespace pelimor::libburn
