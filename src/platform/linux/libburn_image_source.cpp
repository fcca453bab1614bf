#include "platform/linux/libburn_image_source.h"

#include <pthread.h>

#include <algorithm>
#include <cstdlib>
#include <exception>

namespace pelimor::libburn {
namespace {

ImageFeed &feedOf(burn::burn_source *source)
{
    return **static_cast<std::shared_ptr<ImageFeed> *>(source->data);
}

int readSource(burn::burn_source *source, unsigned char *buffer, int size)
{
    // libburn ends a fifo thread that is still reading with an asynchronous
    // pthread_cancel. Striking in the middle of a stream read (inside the
    // C++ library, holding the feed's lock or the heap's) would leave those
    // locked for good, so the cancel waits until this read is over.
    int previous = PTHREAD_CANCEL_ENABLE;
    ::pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, &previous);
    const int result = feedOf(source).read(buffer, size);
    ::pthread_setcancelstate(previous, nullptr);
    return result;
}

off_t sourceSize(burn::burn_source *source)
{
    return static_cast<off_t>(feedOf(source).size());
}

// libburn notes a fixed size to itself; the feed's size never changes.
int setSourceSize(burn::burn_source *, off_t)
{
    return 1;
}

void freeSource(burn::burn_source *source)
{
    delete static_cast<std::shared_ptr<ImageFeed> *>(source->data);
    source->data = nullptr;
}

int cancelSource(burn::burn_source *source)
{
    feedOf(source).cancel();
    return 1;
}

} // namespace

ImageFeed::ImageFeed(ImageStream &stream, std::int64_t bytes) : m_stream(&stream), m_bytes(bytes) {}

int ImageFeed::read(unsigned char *buffer, int size)
{
    std::shared_ptr<ImageReadAhead> ahead;
    std::int64_t wanted = 0;
    {
        std::lock_guard lock(m_mutex);
        if (m_closed || m_cancelled || !m_error.empty())
            return -1;
        wanted = std::min<std::int64_t>(size, m_bytes - m_delivered);
        if (!m_ahead)
            m_ahead = ImageReadAhead::start(*m_stream);
        ahead = m_ahead;
    }
    // Waiting for the image happens outside the lock, so cancel() and
    // close() are never held up by a read that does not come back.
    std::int64_t done = 0;
    std::string failure;
    try {
        done = ahead->read(reinterpret_cast<char *>(buffer), wanted);
    } catch (const std::exception &e) {
        failure = e.what();
    }
    std::lock_guard lock(m_mutex);
    if (m_closed || m_cancelled)
        return -1;
    if (!failure.empty()) {
        m_error = failure;
        return -1;
    }
    if (done < wanted) {
        m_error = "the image ended after " + std::to_string(m_delivered + done) + " of its " + std::to_string(m_bytes) +
                  " bytes";
        return -1;
    }
    m_delivered += done;
    return static_cast<int>(done);
}

void ImageFeed::cancel()
{
    std::shared_ptr<ImageReadAhead> ahead;
    {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
        ahead = m_ahead;
    }
    if (ahead)
        ahead->abort();
}

void ImageFeed::close()
{
    std::shared_ptr<ImageReadAhead> ahead;
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
        ahead = std::move(m_ahead);
    }
    if (ahead)
        ahead->abort();
}

std::int64_t ImageFeed::bytesDelivered() const
{
    std::lock_guard lock(m_mutex);
    return m_delivered;
}

std::string ImageFeed::error() const
{
    std::lock_guard lock(m_mutex);
    return m_error;
}

burn::burn_source *newImageSource(const std::shared_ptr<ImageFeed> &feed)
{
    auto *source = static_cast<burn::burn_source *>(std::calloc(1, sizeof(burn::burn_source)));
    if (!source)
        throw ServiceError("there is not enough memory to start the burn");
    source->refcount = 1;
    // A version 1 source: read_xt instead of read, and a cancel callback.
    source->read = nullptr;
    source->read_sub = nullptr;
    source->version = 1;
    source->read_xt = readSource;
    source->cancel = cancelSource;
    source->get_size = sourceSize;
    source->set_size = setSourceSize;
    source->free_data = freeSource;
    source->next = nullptr;
    source->data = new std::shared_ptr<ImageFeed>(feed);
    return source;
}

} // namespace pelimor::libburn
