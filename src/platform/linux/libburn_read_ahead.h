// Reading the image ahead of libburn, on a thread that can be left behind.
//
// libburn pulls the image through our source on its own threads; when the
// image's file stops answering (a hung network share, a stalled FUSE mount)
// a read in that source would never return and nothing could stop the burn.
// Here the image is read by a thread of its own into a small buffer; the
// burn's threads only wait on that buffer, and abort() wakes them at once.
//
// When the stream names its file, the thread opens and reads its own copy of
// it, so a thread stuck in a read can simply be abandoned: it owns
// everything it touches and ends by itself whenever its read returns. A
// stream without a file is read in place; aborting then waits for the read
// in progress, because the stream is the caller's.
#pragma once

#include "platform/discservice.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace pelimor::libburn {

class ImageReadAhead {
public:
    // Starts reading the stream from its first byte.
    static std::shared_ptr<ImageReadAhead> start(ImageStream &stream);
    ~ImageReadAhead();
    ImageReadAhead(const ImageReadAhead &) = delete;
    ImageReadAhead &operator=(const ImageReadAhead &) = delete;

    // Copies the next `bytes` bytes, fewer only at the end of the image.
    // Blocks until they have been read; throws ServiceError when the image
    // cannot be read or reading has been aborted.
    std::int64_t read(char *buffer, std::int64_t bytes);
    // Wakes every waiting read (they throw) and stops reading. Returns at
    // once for a stream with a file; otherwise once the stream is no longer
    // being read.
    void abort();

    struct State;

private:
    ImageReadAhead() = default;

    std::shared_ptr<State> m_state;
    std::thread m_thread;
    bool m_ownsStream = false;
    std::mutex m_joinMutex;
};

} // namespace pelimor::libburn
