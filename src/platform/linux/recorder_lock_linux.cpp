#include "platform/linux/recorder_lock_linux.h"

#include "platform/log.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>

namespace pelimor {
namespace {

class FlockLock : public RecorderLock {
public:
    explicit FlockLock(int fd) : m_fd(fd) {}
    ~FlockLock() override
    {
        if (m_fd >= 0)
            ::close(m_fd); // closing the descriptor ends the flock
    }
    FlockLock(const FlockLock &) = delete;
    FlockLock &operator=(const FlockLock &) = delete;

private:
    int m_fd;
};

// FNV-1a: a name that every copy and every build of the program computes
// alike (std::hash promises neither).
std::uint64_t stableHash(const std::string &text)
{
    std::uint64_t h = 1469598103934665603ull;
    for (const unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string defaultFolder()
{
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/pelimor-iso-burn";
    // Without a runtime folder (a bare session): one of this user's own.
    return "/tmp/pelimor-iso-burn-" + std::to_string(::getuid());
}

// The folder exists, belongs to this user and no one else may write to it:
// a lock file another user could replace would lock nothing.
bool usableFolder(const std::string &folder)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 022) == 0;
}

} // namespace

FlockRecorderLocks::FlockRecorderLocks(std::string folder) : m_folder(std::move(folder)) {}

std::string FlockRecorderLocks::lockName(const std::string &recorderId)
{
    struct stat st {};
    char name[64];
    if (::stat(recorderId.c_str(), &st) == 0 && (S_ISBLK(st.st_mode) || S_ISCHR(st.st_mode)))
        std::snprintf(name, sizeof name, "%s-%u-%u.lock", S_ISBLK(st.st_mode) ? "block" : "char", ::major(st.st_rdev),
                      ::minor(st.st_rdev));
    else
        std::snprintf(name, sizeof name, "recorder-%016llx.lock",
                      static_cast<unsigned long long>(stableHash(recorderId)));
    return name;
}

std::unique_ptr<RecorderLock> FlockRecorderLocks::tryLock(const std::string &recorderId)
{
    if (!usableFolder(m_folder)) {
        qCInfo(lcWindow) << "no recorder lock: folder" << m_folder.c_str() << "is not usable";
        return std::make_unique<RecorderLock>();
    }
    const std::string path = m_folder + "/" + lockName(recorderId);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qCInfo(lcWindow) << "no recorder lock:" << path.c_str() << std::strerror(errno);
        return std::make_unique<RecorderLock>();
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return nullptr;
        qCInfo(lcWindow) << "no recorder lock:" << path.c_str() << std::strerror(error);
        return std::make_unique<RecorderLock>();
    }
    return std::make_unique<FlockLock>(fd);
}

std::unique_ptr<RecorderLocks> createDefaultRecorderLocks()
{
    return std::make_unique<FlockRecorderLocks>(defaultFolder());
}

} // namespace pelimor
