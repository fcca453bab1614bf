// The image file as a disc service reads it. This is the program's own
// stream, not part of the disc-mastering design, so it follows the
// program's camelCase.
//
// Plain C++, like the disc service.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

namespace pelimor {

// The bytes handed to DataWriter::Write. Reads are sequential and may be
// restarted from the beginning (a verifying writer reads the image twice),
// or go on from any position (a writer that samples sectors to verify).
// size() is a whole number of sectors.
class ImageStream {
public:
    virtual ~ImageStream() = default;
    virtual std::int64_t size() const = 0;
    // Fills up to maxBytes; returns the count, 0 only at the end. Throws
    // ServiceError when the underlying file fails.
    virtual std::int64_t read(char *buffer, std::int64_t maxBytes) = 0;
    virtual void rewind() = 0;
    // The next read starts at `position` (0 to size()). Streams that cannot
    // jump get there by reading from the start.
    virtual void seek(std::int64_t position)
    {
        rewind();
        char scratch[65536];
        for (std::int64_t at = 0; at < position;) {
            const std::int64_t got = read(scratch, std::min<std::int64_t>(sizeof scratch, position - at));
            if (got <= 0)
                break;
            at += got;
        }
    }
    // The file behind the stream, for backends that read it natively;
    // empty when there is none.
    virtual std::string path() const { return {}; }
};

} // namespace pelimor
