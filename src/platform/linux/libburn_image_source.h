// The image stream as a libburn data source.
//
// libburn pulls the track's bytes on its own threads (its fifo reads ahead
// of the writer); the feed hands them what a read-ahead thread has taken
// from the image, so cancelling never waits for a read of the image that
// does not come back. The feed can be closed: once the writer has closed
// it, the stream is never touched again, however long libburn keeps its
// source alive. A failure of the stream (the file shrank,
// a read error) cannot cross libburn's C code as an exception; the feed
// keeps its reason and the writer reports it.
#pragma once

#include "platform/discservice.h"
#include "platform/linux/libburn_read_ahead.h"

#include <libburn/libburn.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace pelimor::libburn {

class ImageFeed {
public:
    // `bytes` is the track's payload: the stream's size, a whole number of
    // sectors.
    ImageFeed(ImageStream &stream, std::int64_t bytes);

    // Fills `buffer` with up to `size` bytes, whole sectors; 0 at the end,
    // -1 on failure (see error()) or once closed or cancelled.
    int read(unsigned char *buffer, int size);
    // libburn's consumer stopped early, or the burn is being stopped: a
    // read waiting for the image returns at once.
    void cancel();
    // After this returns no read touches the stream any more.
    void close();

    std::int64_t bytesDelivered() const;
    // Why the stream failed, or empty.
    std::string error() const;
    std::int64_t size() const { return m_bytes; }

private:
    mutable std::mutex m_mutex;
    ImageStream *m_stream;
    const std::int64_t m_bytes;
    std::int64_t m_delivered = 0;
    bool m_closed = false;
    bool m_cancelled = false;
    std::string m_error;
    std::shared_ptr<ImageReadAhead> m_ahead;
};

// A new libburn source reading from the feed, allocated the way libburn
// frees it (malloc), holding a reference on the feed until libburn frees it.
// The caller owns the one reference it starts with (burn_source_free).
burn::burn_source *newImageSource(const std::shared_ptr<ImageFeed> &feed);

} // namespace pelimor::libburn
