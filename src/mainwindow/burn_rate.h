// The speed of the running write (or read-back) and the time it still
// needs, from the progress reports of the disc service.
//
// The service counts time in whole seconds, so the rate is measured between
// the first reports of successive seconds, over the last ten seconds or so:
// one slow moment moves it a little, a lasting change of speed moves it
// steadily, and the time left does not jump about.
#pragma once

#include "platform/discservice.h"

#include <QString>

#include <deque>
#include <optional>

namespace pelimor {

class BurnRate {
public:
    void update(const WriteProgress &progress);
    void reset();

    // Bytes a second, once enough of the phase has been seen.
    std::optional<double> bytesPerSecond() const;
    // Whole seconds; never negative, nothing when no sound estimate exists.
    std::optional<int> secondsLeft() const;

    // "12.3 MB/s (9.1x), about 2 min left"; the factor only where the kind
    // of medium is known, the time only where it can be estimated. Empty
    // outside writing and reading back, and before the rate is known.
    QString text(MediaKind kind) const;

private:
    struct Sample {
        int seconds;
        std::int64_t sectors;
    };
    WriteAction m_phase = WriteAction::InitializingHardware;
    bool m_measuring = false;
    std::deque<Sample> m_samples;
    std::int64_t m_done = 0;
    std::int64_t m_total = 0;
};

// Bytes a second at 1x for the medium: 1x differs for CD, DVD and BD.
std::optional<double> oneXBytesPerSecond(MediaKind kind);

} // namespace pelimor
