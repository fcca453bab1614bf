#include "platform/linux/libburn_library.h"

#include "platform/discservice.h"
#include "platform/log.h"

#include <libburn/libburn.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>

namespace pelimor::libburn {
namespace {

// Shuts libburn down when the process ends. By then every drive object has
// released its drive; burn_finish also cancels and releases any drive that
// a leaked object still holds, and frees libburn's own memory.
struct Shutdown {
    ~Shutdown() { burn::burn_finish(); }
};

std::mutex &addressMutex()
{
    static std::mutex m;
    return m;
}

std::set<std::string> &heldAddresses()
{
    static std::set<std::string> held;
    return held;
}

// "Write thread on drive N ended": the last thing libburn's write thread
// says before it leaves.
constexpr int writeThreadEndedCode = 0x00020178;
std::atomic<std::uint64_t> endedWriteThreads{0};

// libburn's severities from worst to mildest; everything up to SORRY means
// that something failed.
constexpr std::array<const char *, 4> seriousSeverities{"ABORT", "FATAL", "FAILURE", "SORRY"};

// 0 for the worst; the count of serious severities for anything milder.
std::size_t severityRank(const std::string &severity)
{
    std::size_t rank = 0;
    while (rank < seriousSeverities.size() && severity != seriousSeverities[rank])
        ++rank;
    return rank;
}

bool isSerious(const char *severity)
{
    return severityRank(severity) < seriousSeverities.size();
}

} // namespace

void ensureStarted()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        if (burn::burn_initialize() != 1)
            return;
        started = true;
        static Shutdown shutdown;
        // Queue everything down to DEBUG for us to read; print nothing to
        // stderr, the user reads failures in the program's own boxes.
        burn::burn_msgs_set_severities(const_cast<char *>("DEBUG"), const_cast<char *>("NEVER"),
                                       const_cast<char *>("libburn: "));
        // Exclusive, non-blocking opening: a drive that another program
        // holds is reported busy at once instead of stalling the window.
        burn::burn_preset_device_open(1, 0, 0);
    });
    if (!started)
        throw ServiceError("the CD/DVD writing library libburn could not be started");
}

std::string versionText()
{
    int major = 0, minor = 0, micro = 0;
    burn::burn_version(&major, &minor, &micro);
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(micro);
}

std::vector<Message> takeMessages()
{
    std::vector<Message> messages;
    char text[BURN_MSGS_MESSAGE_LEN];
    char severity[80];
    for (;;) {
        int code = 0, osErrno = 0;
        if (burn::burn_msgs_obtain(const_cast<char *>("ALL"), &code, text, &osErrno, severity) != 1)
            break;
        if (code == writeThreadEndedCode)
            ++endedWriteThreads;
        messages.push_back({severity, text, code, osErrno, isSerious(severity)});
        // Every message is logged, also those that explain nothing the user
        // is shown: they are what tells a drive's story afterwards.
        const Message &m = messages.back();
        if (m.serious)
            qCWarning(lcDisc).nospace() << "libburn " << severity << " 0x" << Qt::hex << code << ": " << text;
        else
            qCDebug(lcDisc).nospace() << "libburn " << severity << " 0x" << Qt::hex << code << ": " << text;
    }
    return messages;
}

std::uint64_t writeThreadsEnded()
{
    return endedWriteThreads.load();
}

std::string worstProblem(const std::vector<Message> &messages)
{
    const Message *worst = nullptr;
    for (const auto &m : messages) {
        if (m.serious && (!worst || severityRank(m.severity) < severityRank(worst->severity)))
            worst = &m;
    }
    if (!worst)
        return {};
    std::string sentence = worst->text;
    if (worst->osErrno != 0)
        sentence += std::string(" (") + std::strerror(worst->osErrno) + ")";
    return sentence;
}

bool claimAddress(const std::string &address)
{
    std::lock_guard lock(addressMutex());
    return heldAddresses().insert(address).second;
}

void releaseAddress(const std::string &address)
{
    std::lock_guard lock(addressMutex());
    heldAddresses().erase(address);
}

bool holdsAnyAddress()
{
    std::lock_guard lock(addressMutex());
    return !heldAddresses().empty();
}

std::string virtualRecorderId()
{
    const char *value = std::getenv(virtualRecorderVariable);
    if (!value || !*value)
        return {};
    std::error_code ec;
    auto path = std::filesystem::absolute(std::filesystem::path(value), ec);
    if (ec)
        path = std::filesystem::path(value);
    return std::string(stdioPrefix) + path.lexically_normal().string();
}

bool isVirtualId(const std::string &id)
{
    return id.rfind(stdioPrefix, 0) == 0;
}

std::string virtualPathOf(const std::string &id)
{
    return isVirtualId(id) ? id.substr(std::strlen(stdioPrefix)) : std::string();
}

} // namespace pelimor::libburn
