#include "platform/linux/libburn_disc_service.h"

#include "platform/linux/libburn_library.h"
#include "platform/linux/libburn_recorder.h"
#include "platform/linux/libburn_writer.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <regex>

namespace pelimor {
namespace {

// The optical drives' device files (sr0, sr1, ...), in name order.
std::vector<std::string> opticalDevices(const std::string &directory)
{
    static const std::regex name("sr[0-9]+");
    std::vector<std::string> devices;
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(directory, ec)) {
        if (std::regex_match(entry.path().filename().string(), name))
            devices.push_back(entry.path().string());
    }
    std::sort(devices.begin(), devices.end());
    return devices;
}

// Opening the device the way libburn does shows whether permissions stand
// in the way; a drive without a disc still opens.
bool deniedToThisUser(const std::string &device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == EACCES || errno == EPERM;
}

std::string userName()
{
    if (const passwd *entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return entry->pw_name;
    return "$USER";
}

} // namespace

LibburnDiscService::LibburnDiscService() : LibburnDiscService(Options{}) {}

LibburnDiscService::LibburnDiscService(Options options) : m_options(std::move(options)) {}

std::unique_ptr<DiscMaster> LibburnDiscService::CreateDiscMaster()
{
    libburn::ensureStarted();
    return std::make_unique<libburn::Master>();
}

std::unique_ptr<DiscRecorder> LibburnDiscService::CreateDiscRecorder()
{
    libburn::ensureStarted();
    return std::make_unique<libburn::Recorder>();
}

std::unique_ptr<DataWriter> LibburnDiscService::CreateDataWriter()
{
    libburn::ensureStarted();
    return std::make_unique<libburn::Writer>(libburn::WriterOptions{m_options.verify, m_options.readBackFilter});
}

std::string LibburnDiscService::RecorderAccessHint()
{
    for (const std::string &device : opticalDevices(m_options.deviceDirectory)) {
        if (deniedToThisUser(device))
            return "Your user account may not open " + device +
                   " for reading and writing, which burning needs; on Debian, become a member of the cdrom group "
                   "(sudo adduser " +
                   userName() + " cdrom) and log in again.";
    }
    return {};
}

} // namespace pelimor
