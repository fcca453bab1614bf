// An image stream that fails on purpose, for the tests of a writer's
// failure paths.
#pragma once

#include "platform/discservice.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

namespace pelimor::test {

// Serves a pattern of `size` bytes; after `failAfter` bytes it either
// throws (as a file that cannot be read any more) or simply ends early.
class FaultyStream : public ImageStream {
public:
    enum class Fault { None, Throws, EndsEarly };
    FaultyStream(std::int64_t size, std::int64_t failAfter, Fault fault)
        : m_size(size), m_failAfter(failAfter), m_fault(fault)
    {
    }
    std::int64_t size() const override { return m_size; }
    std::int64_t read(char *buffer, std::int64_t maxBytes) override
    {
        ++reads;
        if (m_fault != Fault::None && m_position >= m_failAfter) {
            if (m_fault == Fault::Throws)
                throw ServiceError("the image file '/images/a.iso' ended early or could not be read");
            return 0;
        }
        const std::int64_t n = std::min(maxBytes, m_size - m_position);
        for (std::int64_t i = 0; i < n; ++i)
            buffer[i] = static_cast<char>((m_position + i) * 7 % 251);
        m_position += n;
        return n;
    }
    void rewind() override { m_position = 0; }

    std::atomic<int> reads{0};

private:
    std::int64_t m_size;
    std::int64_t m_failAfter;
    Fault m_fault;
    std::int64_t m_position = 0;
};

} // namespace pelimor::test
