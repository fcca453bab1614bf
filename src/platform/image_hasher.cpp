#include "platform/image_hasher.h"

#include "platform/discservice.h"
#include "platform/filestream.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace pelimor {

std::optional<std::string> hashFile(const std::string &utf8Path, HashAlgorithm algorithm,
                                    const std::atomic<bool> &cancel, std::atomic<std::int64_t> *bytesDone)
{
    // Large enough that the per-call cost vanishes, small enough to stay in
    // the processor's cache and to notice a cancel at once.
    constexpr std::size_t chunkSize = 1024 * 1024;

    auto digest = createDigest(algorithm);
    errno = 0;
    std::ifstream file(pathFromUtf8(utf8Path), std::ios::binary);
    if (!file) {
        const int err = errno;
        throw ServiceError(err != 0 ? std::strerror(err) : "the file could not be opened");
    }
    std::vector<char> buffer(chunkSize);
    std::int64_t done = 0;
    while (!cancel.load(std::memory_order_relaxed)) {
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<std::size_t>(file.gcount());
        if (file.bad())
            throw ServiceError("the image file '" + utf8Path + "' could not be read");
        digest->update(reinterpret_cast<const unsigned char *>(buffer.data()), got);
        done += static_cast<std::int64_t>(got);
        if (bytesDone)
            bytesDone->store(done, std::memory_order_relaxed);
        if (got < buffer.size())
            return digest->finishHex();
    }
    return std::nullopt;
}

} // namespace pelimor
