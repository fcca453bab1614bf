#include "platform/linux/libburn_drive.h"

#include "platform/discservice.h"
#include "platform/linux/libburn_library.h"
#include "platform/log.h"

#include <QElapsedTimer>

#include <cerrno>
#include <thread>
#include <vector>

namespace pelimor::libburn {
namespace {

// A grab that failed, told in words: libburn's own message codes and the
// system's errno say whether the drive is busy or forbidden.
std::string grabFailureReason(const std::string &address, const std::vector<Message> &messages)
{
    constexpr int busyDeviceCode = 0x00020001; // "Cannot open busy device"
    for (const auto &m : messages) {
        if (m.code == busyDeviceCode || m.osErrno == EBUSY)
            return "the recorder " + address +
                   " is in use by another program, most likely because the disc in it is mounted. Unmount the disc "
                   "(in the file manager, or with \"udisksctl unmount -b " +
                   address + "\") or close the program that uses the recorder, and try again";
    }
    for (const auto &m : messages) {
        if (m.osErrno == EACCES || m.osErrno == EPERM)
            return "you may not open " + address +
                   " for reading and writing; on Debian, membership of the cdrom group grants it";
    }
    if (const std::string problem = worstProblem(messages); !problem.empty())
        return "the recorder " + address + " could not be opened: " + problem;
    return "no recorder was found at " + address;
}

} // namespace

bool waitUntilIdle(burn::burn_drive *drive, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (burn::burn_drive_get_status(drive, nullptr) != burn::BURN_DRIVE_IDLE) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::shared_ptr<Drive> Drive::grab(const std::string &address)
{
    ensureStarted();
    if (!claimAddress(address))
        throw ServiceError("the recorder " + address + " is already in use by another burn of this program");

    takeMessages(); // whatever is queued belongs to earlier calls
    burn::burn_drive_info *info = nullptr;
    std::string mutableAddress = address; // libburn takes a non-const char*
    QElapsedTimer clock;
    clock.start();
    const int result = burn::burn_drive_scan_and_grab(&info, mutableAddress.data(), 0);
    const auto messages = takeMessages();
    qCInfo(lcDisc) << "grab of" << address.c_str() << (result == 1 ? "succeeded" : "failed") << "in" << clock.elapsed()
                   << "ms";
    if (result != 1 || !info || !info[0].drive) {
        if (info)
            burn::burn_drive_info_free(info);
        releaseAddress(address);
        throw ServiceError(grabFailureReason(address, messages));
    }
    return std::shared_ptr<Drive>(new Drive(info, address));
}

Drive::Drive(burn::burn_drive_info *info, std::string address)
    : m_info(info), m_drive(info[0].drive), m_address(std::move(address)), m_vendor(info[0].vendor),
      m_product(info[0].product), m_revision(info[0].revision)
{
}

Drive::~Drive()
{
    release(false);
}

int Drive::role() const
{
    return m_drive ? burn::burn_drive_get_drive_role(m_drive) : 0;
}

bool Drive::cancelAndWait(std::chrono::milliseconds limit)
{
    if (!m_drive)
        return true;
    if (burn::burn_drive_get_status(m_drive, nullptr) == burn::BURN_DRIVE_IDLE)
        return true;
    burn::burn_drive_cancel(m_drive);
    return waitUntilIdle(m_drive, limit);
}

void Drive::release(bool eject)
{
    if (!m_drive)
        return;
    // A write that is still running must end before the drive can go:
    // libburn needs up to a few seconds to notice a cancel.
    if (!cancelAndWait(std::chrono::seconds(15))) {
        // The write thread did not stop; releasing now would pull the drive
        // from under it. Leave it to burn_finish at exit.
        return;
    }
    if (!eject && m_written && role() == 1) {
        // The system still takes the disc for the blank one it saw before
        // the burn and would not show what is on it; an eject and a load
        // make it read the disc afresh.
        burn::burn_drive_release(m_drive, 1);
        if (burn::burn_drive_grab(m_drive, 1) == 1)
            burn::burn_drive_release(m_drive, 0);
    } else {
        burn::burn_drive_release(m_drive, eject ? 1 : 0);
    }
    forget();
}

bool Drive::regrab(bool eject)
{
    if (!m_drive || !cancelAndWait(std::chrono::seconds(15)))
        return false;
    burn::burn_drive_release(m_drive, eject ? 1 : 0);
    takeMessages();
    // Loading closes an open tray; a drive that cannot pull its tray in
    // is taken again all the same, without a disc.
    if (burn::burn_drive_grab(m_drive, 1) == 1) {
        m_written = false; // the system reads the disc afresh now
        takeMessages();
        return true;
    }
    forget();
    return false;
}

void Drive::forget()
{
    burn::burn_drive_info_free(m_info);
    m_drive = nullptr;
    m_info = nullptr;
    releaseAddress(m_address);
    takeMessages();
}

} // namespace pelimor::libburn
