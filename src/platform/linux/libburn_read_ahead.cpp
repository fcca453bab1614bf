#include "platform/linux/libburn_read_ahead.h"

#include "platform/filestream.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <string>
#include <vector>

namespace pelimor::libburn {

// 1 MiB blocks, at most four waiting: libburn keeps its own, larger buffer
// behind this one.
constexpr std::int64_t readAheadBlockBytes = 512 * sectorSize;
constexpr std::size_t readAheadBlocks = 4;

struct ImageReadAhead::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<char>> blocks;
    std::size_t frontOffset = 0;
    bool ended = false;
    bool aborted = false;
    std::string error;
};

namespace {

void fill(const std::shared_ptr<ImageReadAhead::State> &state, ImageStream &stream)
{
    for (;;) {
        {
            std::unique_lock lock(state->mutex);
            state->changed.wait(lock, [&] { return state->aborted || state->blocks.size() < readAheadBlocks; });
            if (state->aborted)
                return;
        }
        std::vector<char> block(static_cast<std::size_t>(readAheadBlockBytes));
        std::int64_t count = 0;
        std::string error;
        try {
            count = stream.read(block.data(), readAheadBlockBytes);
        } catch (const std::exception &e) {
            error = e.what();
        }
        std::lock_guard lock(state->mutex);
        if (state->aborted)
            return;
        if (!error.empty())
            state->error = error;
        else if (count <= 0)
            state->ended = true;
        else {
            block.resize(static_cast<std::size_t>(count));
            state->blocks.push_back(std::move(block));
        }
        state->changed.notify_all();
        if (!error.empty() || count <= 0)
            return;
    }
}

} // namespace

std::shared_ptr<ImageReadAhead> ImageReadAhead::start(ImageStream &stream)
{
    std::shared_ptr<ImageReadAhead> ahead(new ImageReadAhead);
    auto state = std::make_shared<State>();
    ahead->m_state = state;
    const std::string path = stream.path();
    ahead->m_ownsStream = !path.empty();
    if (ahead->m_ownsStream) {
        // Opening may hang as well, so it happens on the thread too.
        ahead->m_thread = std::thread([state, path] {
            try {
                FileImageStream own(path);
                fill(state, own);
            } catch (const std::exception &e) {
                std::lock_guard lock(state->mutex);
                state->error = e.what();
                state->changed.notify_all();
            }
        });
    } else {
        ahead->m_thread = std::thread([state, &stream] {
            try {
                stream.rewind();
            } catch (const std::exception &e) {
                std::lock_guard lock(state->mutex);
                state->error = e.what();
                state->changed.notify_all();
                return;
            }
            fill(state, stream);
        });
    }
    return ahead;
}

ImageReadAhead::~ImageReadAhead()
{
    abort();
    std::lock_guard lock(m_joinMutex);
    if (m_thread.joinable())
        m_thread.detach(); // only a thread with its own copy of the file is left here
}

void ImageReadAhead::abort()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->aborted = true;
        m_state->changed.notify_all();
    }
    if (m_ownsStream)
        return;
    std::lock_guard lock(m_joinMutex);
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

std::int64_t ImageReadAhead::read(char *buffer, std::int64_t bytes)
{
    State &s = *m_state;
    std::int64_t done = 0;
    std::unique_lock lock(s.mutex);
    while (done < bytes) {
        s.changed.wait(lock, [&] { return s.aborted || !s.blocks.empty() || s.ended || !s.error.empty(); });
        if (s.aborted)
            throw ServiceError("reading the image was stopped");
        if (s.blocks.empty()) {
            if (!s.error.empty())
                throw ServiceError(s.error);
            break; // the end of the image
        }
        auto &front = s.blocks.front();
        const auto n = std::min<std::int64_t>(bytes - done, static_cast<std::int64_t>(front.size() - s.frontOffset));
        std::memcpy(buffer + done, front.data() + s.frontOffset, static_cast<std::size_t>(n));
        done += n;
        s.frontOffset += static_cast<std::size_t>(n);
        if (s.frontOffset == front.size()) {
            s.blocks.pop_front();
            s.frontOffset = 0;
            s.changed.notify_all();
        }
    }
    return done;
}

} // namespace pelimor::libburn
