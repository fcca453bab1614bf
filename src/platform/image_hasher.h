// Hashing an image file of any size in constant memory: it is read in
// fixed-size chunks, so a 4.7 GB image costs one chunk of memory.
#pragma once

#include "platform/published_checksum.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pelimor {

// One running hash. Each platform supplies the fastest it has (the
// processor's SHA instructions where there are any); see createDigest.
class Digest {
public:
    virtual ~Digest() = default;
    virtual void update(const unsigned char *data, std::size_t size) = 0;
    // Lower-case hex; the digest is used up afterwards.
    virtual std::string finishHex() = 0;
};

// Throws ServiceError when the platform cannot provide the algorithm.
std::unique_ptr<Digest> createDigest(HashAlgorithm algorithm);

// Hashes the whole file. `bytesDone` (if given) follows the progress for
// another thread to show; setting `cancel` stops the work within one chunk
// and yields nullopt. Throws ServiceError with the system's reason when the
// file cannot be opened or read.
std::optional<std::string> hashFile(const std::string &utf8Path, HashAlgorithm algorithm,
                                    const std::atomic<bool> &cancel, std::atomic<std::int64_t> *bytesDone = nullptr);

} // namespace pelimor
