#include "platform/linux/libburn_recorder.h"

#include "platform/linux/libburn_library.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace pelimor::libburn {
namespace {

bool folderExists(const std::string &path)
{
    std::error_code ec;
    const auto folder = std::filesystem::path(path).parent_path();
    return std::filesystem::is_directory(folder.empty() ? "." : folder, ec);
}

// The address libburn itself uses for a drive named by a link or an alias
// (/dev/cdrom -> /dev/sr0), so the same drive always has the same name.
std::string persistentAddress(const std::string &address)
{
    char converted[BURN_DRIVE_ADR_LEN] = {};
    std::string mutableAddress = address;
    if (burn::burn_drive_convert_fs_adr(mutableAddress.data(), converted) == 1)
        return converted;
    return address;
}

// burn_drive_scan only starts a scan on its own thread and answers 0 until
// a later call collects the result. A scan left uncollected blocks every
// later write ("A drive operation is still going on"), so this waits for
// it. Busy drives are retried by libburn for a few seconds at most.
int scanDrives(burn::burn_drive_info **drives, unsigned int *count)
{
    for (;;) {
        const int result = burn::burn_drive_scan(drives, count);
        if (result != 0)
            return result;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

std::vector<std::string> Master::RecorderIds()
{
    ensureStarted();
    std::vector<std::string> ids;
    // A scan fails while this process holds any drive; the drives then in
    // use are not listed again, but the virtual recorder still is.
    if (!holdsAnyAddress()) {
        takeMessages();
        burn::burn_drive_info *drives = nullptr;
        unsigned int count = 0;
        if (scanDrives(&drives, &count) > 0 && drives) {
            for (unsigned int i = 0; i < count; ++i) {
                char address[BURN_DRIVE_ADR_LEN] = {};
                if (burn::burn_drive_d_get_adr(drives[i].drive, address) > 0)
                    ids.emplace_back(address);
            }
            for (unsigned int i = 0; i < count; ++i)
                burn::burn_drive_info_forget(&drives[i], 1);
            burn::burn_drive_info_free(drives);
        }
        // Drives this user may not open are skipped with a NOTE only; the
        // empty-list hint tells the user about them.
        takeMessages();
    }
    if (const std::string id = virtualRecorderId(); !id.empty())
        ids.push_back(id);
    return ids;
}

void Recorder::InitializeDiscRecorder(const std::string &recorderId)
{
    ensureStarted();
    m_drive.reset();
    m_id.clear();
    m_virtual = isVirtualId(recorderId);
    m_path = virtualPathOf(recorderId);
    if (m_virtual) {
        if (m_path.empty())
            throw ServiceError("the image-file recorder names no file");
        // Without its folder the virtual recorder has no disc to offer;
        // it is still a recorder, and the media check says so.
        if (folderExists(m_path))
            m_drive = Drive::grab(recorderId);
        m_id = recorderId;
        return;
    }
    m_drive = Drive::grab(persistentAddress(recorderId));
    m_id = recorderId;
}

void Recorder::requireInitialized() const
{
    if (m_id.empty())
        throw ServiceError("the recorder has not been initialized");
}

std::vector<int> Recorder::SupportedProfiles()
{
    requireInitialized();
    // libburn reports its pseudo profile 0xffff for a file; the virtual
    // recorder stands for a CD-R writer.
    if (m_virtual)
        return {profile::cdR};
    return driveProfiles(*m_drive);
}

std::string Recorder::VendorId()
{
    requireInitialized();
    return m_virtual ? std::string("Virtual") : m_drive->vendor();
}

std::string Recorder::ProductId()
{
    requireInitialized();
    return m_virtual ? std::string("Image file recorder") : m_drive->product();
}

std::string Recorder::ProductRevision()
{
    requireInitialized();
    return m_virtual ? versionText() : m_drive->revision();
}

std::vector<std::string> Recorder::VolumePathNames()
{
    requireInitialized();
    return {m_virtual ? m_path : m_drive->address()};
}

void Recorder::EjectMedia()
{
    requireInitialized();
    // Releasing with eject opens the tray; a file has no tray, but the
    // release still lets other programs at it.
    if (m_drive)
        m_drive->release(!m_virtual);
}

void Recorder::ReleaseExclusiveAccess()
{
    if (m_drive)
        m_drive->release(false);
}

Target Recorder::target() const
{
    return Target{m_drive, m_virtual, m_path};
}

} // namespace pelimor::libburn
