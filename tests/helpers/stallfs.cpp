// A file system that stops answering, for tests of what the program does
// when an image lies on a hung network share.
//
//   stallfs MOUNTPOINT SIZE STALL_AT SPIN_UP_MS PASS
//
// offers /image.iso, SIZE bytes of a fixed pattern whose reads from byte
// STALL_AT on never come back (until the process is killed) - on the first
// reading of the file when PASS is "write", only once it has been read to
// its end when PASS is "verify" - and a folder /slow that, like a disc
// spinning up, answers only SPIN_UP_MS milliseconds after it was first
// looked at.
#define FUSE_USE_VERSION 31

#include <fuse.h>

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace {

off_t image_size;
off_t stall_at;
long spin_up_ms;
std::once_flag first_look;
std::chrono::steady_clock::time_point spun_up;
bool stall_on_second_pass;
std::atomic<bool> read_to_end{false};

int fs_getattr(const char *path, struct stat *st, struct fuse_file_info *fi)
{
    (void)fi;
    std::memset(st, 0, sizeof(*st));
    if (strcmp(path, "/") == 0) {
        st->st_mode = S_IFDIR | 0755;
        st->st_nlink = 2;
        return 0;
    }
    if (strncmp(path, "/slow", 5) == 0) {
        std::call_once(first_look,
                       [] { spun_up = std::chrono::steady_clock::now() + std::chrono::milliseconds(spin_up_ms); });
        std::this_thread::sleep_until(spun_up);
        if (strcmp(path, "/slow") == 0) {
            st->st_mode = S_IFDIR | 0755;
            st->st_nlink = 2;
            return 0;
        }
        return -ENOENT;
    }
    if (strcmp(path, "/image.iso") == 0) {
        st->st_mode = S_IFREG | 0444;
        st->st_nlink = 1;
        st->st_size = image_size;
        return 0;
    }
    return -ENOENT;
}

int fs_open(const char *path, struct fuse_file_info *fi)
{
    if (strcmp(path, "/image.iso") != 0)
        return -ENOENT;
    if ((fi->flags & O_ACCMODE) != O_RDONLY)
        return -EACCES;
    fi->direct_io = 1; /* every read reaches us: no page cache in between */
    return 0;
}

int fs_read(const char *path, char *buf, size_t size, off_t offset, struct fuse_file_info *fi)
{
    (void)path;
    (void)fi;
    if (offset >= image_size)
        return 0;
    if (offset + static_cast<off_t>(size) > image_size)
        size = static_cast<size_t>(image_size - offset);
    if (offset + static_cast<off_t>(size) > stall_at && (!stall_on_second_pass || read_to_end)) {
        for (;;)
            pause(); // the share has gone away
    }
    for (size_t i = 0; i < size; ++i) {
        const off_t at = offset + static_cast<off_t>(i);
        buf[i] = static_cast<char>((at * 7 + (at >> 11)) & 0xff);
    }
    if (offset + static_cast<off_t>(size) >= image_size)
        read_to_end = true;
    return static_cast<int>(size);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 6)
        return 2;
    image_size = std::strtoll(argv[2], nullptr, 10);
    stall_at = std::strtoll(argv[3], nullptr, 10);
    spin_up_ms = std::strtol(argv[4], nullptr, 10);
    stall_on_second_pass = std::string(argv[5]) == "verify";
    fuse_operations operations{};
    operations.getattr = fs_getattr;
    operations.open = fs_open;
    operations.read = fs_read;
    std::string foreground = "-f", option = "-o", unmount = "auto_unmount";
    char *args[] = {argv[0], argv[1], foreground.data(), option.data(), unmount.data()};
    return fuse_main(5, args, &operations, nullptr);
}
