#include "platform/linux/libburn_recorder.h"

#include "platform/linux/libburn_event_pump.h"
#include "platform/linux/libburn_library.h"
#include "platform/log.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
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
// it, with the window alive meanwhile.
int scanDrives(burn::burn_drive_info **drives, unsigned int *count)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int result = burn::burn_drive_scan(drives, count);
        if (result != 0) {
            qCInfo(lcDisc) << "drive scan found" << (result > 0 ? *count : 0u) << "drives in" << clock.elapsed()
                           << "ms";
            return result;
        }
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// What the last scan learnt about each drive, by address.
std::mutex scannedMutex;
std::map<std::string, Recorder::Details> &scannedDrives()
{
    static std::map<std::string, Recorder::Details> drives;
    return drives;
}

std::optional<Recorder::Details> scannedDrive(const std::string &address)
{
    std::lock_guard lock(scannedMutex);
    const auto &drives = scannedDrives();
    if (auto it = drives.find(address); it != drives.end())
        return it->second;
    return std::nullopt;
}

std::vector<int> profilesOf(burn::burn_drive *drive)
{
    int count = 0;
    int profiles[64] = {};
    char current[64] = {};
    if (burn::burn_drive_get_all_profiles(drive, &count, profiles, current) <= 0)
        count = 0;
    return std::vector<int>(profiles, profiles + std::clamp(count, 0, 64));
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
        // The scan only asks each drive what it is; it opens them without
        // claiming them, so a drive whose disc is mounted (or that another
        // program holds) is listed at once instead of after libburn's
        // 6-second wait for a busy device. Taking a drive to burn still
        // claims it exclusively.
        burn::burn_preset_device_open(0, 0, 0);
        const int scanned = scanDrives(&drives, &count);
        burn::burn_preset_device_open(1, 0, 0);
        if (scanned > 0 && drives) {
            std::lock_guard lock(scannedMutex);
            for (unsigned int i = 0; i < count; ++i) {
                char address[BURN_DRIVE_ADR_LEN] = {};
                if (burn::burn_drive_d_get_adr(drives[i].drive, address) <= 0)
                    continue;
                ids.emplace_back(address);
                scannedDrives()[address] = Recorder::Details{drives[i].vendor, drives[i].product, drives[i].revision,
                                                             profilesOf(drives[i].drive)};
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
    m_acquired = false;
    m_details = {};
    m_virtual = isVirtualId(recorderId);
    m_path = virtualPathOf(recorderId);
    if (m_virtual) {
        if (m_path.empty())
            throw ServiceError("the image-file recorder names no file");
        m_address = recorderId;
        m_id = recorderId;
        return;
    }
    m_address = persistentAddress(recorderId);
    if (auto details = scannedDrive(m_address)) {
        m_details = std::move(*details);
        m_id = recorderId;
        return;
    }
    // A drive no scan has described is taken now, to learn what it is.
    m_id = recorderId;
    try {
        acquire();
    } catch (...) {
        m_id.clear();
        throw;
    }
}

void Recorder::acquire()
{
    if (m_acquired)
        return;
    m_acquired = true;
    const bool isVirtual = m_virtual;
    const std::string path = m_path;
    const std::string address = m_address;
    m_drive = keepingEventsAlive([isVirtual, path, address]() -> std::shared_ptr<Drive> {
        // Without its folder the virtual recorder has no disc to offer;
        // it is still a recorder, and the media check says so.
        if (isVirtual && !folderExists(path))
            return nullptr;
        return Drive::grab(address);
    });
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
    return m_drive ? driveProfiles(*m_drive) : m_details.profiles;
}

std::string Recorder::VendorId()
{
    requireInitialized();
    return m_virtual ? std::string("Virtual") : m_drive ? m_drive->vendor() : m_details.vendor;
}

std::string Recorder::ProductId()
{
    requireInitialized();
    return m_virtual ? std::string("Image file recorder") : m_drive ? m_drive->product() : m_details.product;
}

std::string Recorder::ProductRevision()
{
    requireInitialized();
    return m_virtual ? versionText() : m_drive ? m_drive->revision() : m_details.revision;
}

std::vector<std::string> Recorder::VolumePathNames()
{
    requireInitialized();
    return {m_virtual ? m_path : m_address};
}

void Recorder::EjectMedia()
{
    requireInitialized();
    acquire();
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

Target Recorder::target()
{
    if (m_id.empty())
        return Target{};
    acquire();
    return Target{m_drive, m_virtual, m_path};
}

} // namespace pelimor::libburn
