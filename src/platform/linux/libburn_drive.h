// One grabbed libburn drive, held for as long as this object lives.
//
// Whoever ends up owning the last reference releases the drive, and first
// cancels whatever libburn is still doing with it, so quitting in the
// middle of a burn never leaves a drive grabbed or a write thread running.
#pragma once

#include <libburn/libburn.h>

#include <chrono>
#include <memory>
#include <string>

namespace pelimor::libburn {

class Drive {
public:
    // Grabs the drive at a device address ("/dev/sr0") or a pseudo-drive
    // ("stdio:/path"), without closing an open tray. Throws ServiceError
    // with a sentence a user can act on: in use by another program, no
    // permission, no such drive.
    static std::shared_ptr<Drive> grab(const std::string &address);

    ~Drive();
    Drive(const Drive &) = delete;
    Drive &operator=(const Drive &) = delete;

    burn::burn_drive *get() const { return m_drive; }
    const std::string &address() const { return m_address; }
    bool isReleased() const { return m_drive == nullptr; }
    // libburn's drive role: 1 for a real MMC drive, 2 and 3 for files.
    int role() const;
    // As the drive reported them when it was grabbed.
    const std::string &vendor() const { return m_vendor; }
    const std::string &product() const { return m_product; }
    const std::string &revision() const { return m_revision; }

    // Cancels a running write (or read) and waits until libburn reports
    // the drive idle, for at most `limit`. True when it is idle.
    bool cancelAndWait(std::chrono::milliseconds limit);
    // Ends the hold on the drive, ejecting the disc when asked. Later
    // calls do nothing. A disc written since the drive was taken and not
    // ejected is reloaded first, so the system sees what is on it now.
    void release(bool eject);
    // Lets go of the drive and takes it again with a load, which closes an
    // open tray; with `eject` the tray opens first, so the disc is
    // reloaded. False when the drive could not be taken again (it is then
    // released).
    bool regrab(bool eject);
    // A burn has changed the disc.
    void noteWritten() { m_written = true; }

private:
    Drive(burn::burn_drive_info *info, std::string address);
    void forget();

    burn::burn_drive_info *m_info = nullptr;
    burn::burn_drive *m_drive = nullptr;
    std::string m_address;
    std::string m_vendor;
    std::string m_product;
    std::string m_revision;
    bool m_written = false;
};

// Blocks (sleeping, without an event loop) until the drive is idle or the
// limit passes; true when idle.
bool waitUntilIdle(burn::burn_drive *drive, std::chrono::milliseconds limit);

} // namespace pelimor::libburn
