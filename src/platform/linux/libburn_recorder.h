// The disc master and disc recorder on libburn.
//
// Recorders are named by their persistent device address ("/dev/sr0"), or
// "stdio:/path" for the virtual recorder that writes an image file. A drive
// the last scan found is described from what the scan learnt, without
// taking it: listing a drive whose disc is mounted, or that another program
// uses, must neither fail nor wait for it. The recorder takes (grabs) its
// drive when a data writer first needs it, keeping the window alive while
// the drive answers, and holds it until it is destroyed, lets go of it or
// ejects the disc, so no other program can write to it in between.
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

    // What a data writer works with, the drive taken first if need be. The
    // writer keeps only a weak hold on the drive, which stays this
    // recorder's. Throws ServiceError when the drive cannot be taken.
    Target target();

    // What a scan learnt about a drive.
    struct Details {
        std::string vendor;
        std::string product;
        std::string revision;
        std::vector<int> profiles;
    };

private:
    void requireInitialized() const;
    void acquire();

    std::string m_id;
    bool m_virtual = false;
    std::string m_path;
    std::string m_address;
    bool m_acquired = false;
    Details m_details; // until the drive is taken
    std::shared_ptr<Drive> m_drive;
};

} // namespace pelimor::libburn
