#include "mainwindow/burn_rate.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace pelimor {
namespace {

// The span the rate is measured over, and the least span that tells
// anything (the first seconds of a write fill the drive's buffer).
constexpr int windowSeconds = 10;
constexpr int minimumSpanSeconds = 2;
// Longer than any disc takes even at 1x: an estimate beyond it comes from
// a stall, not from the drive's speed.
constexpr double longestSensibleSeconds = 6 * 3600;

bool measured(WriteAction action)
{
    return action == WriteAction::WritingData || action == WriteAction::Verifying;
}

} // namespace

std::optional<double> oneXBytesPerSecond(MediaKind kind)
{
    switch (kind) {
    case MediaKind::CD:
        return 153'600.0;
    case MediaKind::DVD:
        return 1'385'000.0;
    case MediaKind::BD:
        return 4'495'625.0;
    case MediaKind::Unknown:
        break;
    }
    return std::nullopt;
}

void BurnRate::reset()
{
    m_measuring = false;
    m_samples.clear();
    m_done = m_total = 0;
}

void BurnRate::update(const WriteProgress &progress)
{
    if (!measured(progress.CurrentAction)) {
        m_measuring = false;
        return;
    }
    const std::int64_t done = std::max<std::int64_t>(0, std::int64_t{progress.LastWrittenLba} - progress.StartLba);
    const std::int64_t total = std::max(0, progress.SectorCount);
    // A new phase (the read-back after the write), a new track or a count
    // that went back starts the measurement over.
    if (!m_measuring || progress.CurrentAction != m_phase || total != m_total || done < m_done ||
        (!m_samples.empty() && progress.ElapsedTime < m_samples.back().seconds))
        m_samples.clear();
    m_measuring = true;
    m_phase = progress.CurrentAction;
    m_done = done;
    m_total = total;
    if (m_samples.empty() || progress.ElapsedTime > m_samples.back().seconds)
        m_samples.push_back({progress.ElapsedTime, done});
    while (m_samples.size() > 2 && m_samples.back().seconds - m_samples[1].seconds >= windowSeconds)
        m_samples.pop_front();
}

std::optional<double> BurnRate::bytesPerSecond() const
{
    if (!m_measuring || m_samples.size() < 2)
        return std::nullopt;
    const Sample &first = m_samples.front(), &last = m_samples.back();
    const int span = last.seconds - first.seconds;
    if (span < minimumSpanSeconds)
        return std::nullopt;
    return static_cast<double>(last.sectors - first.sectors) * static_cast<double>(sectorSize) / span;
}

std::optional<int> BurnRate::secondsLeft() const
{
    const auto rate = bytesPerSecond();
    if (!rate || *rate <= 0.0)
        return std::nullopt;
    const double left =
        static_cast<double>(std::max<std::int64_t>(0, m_total - m_done)) * static_cast<double>(sectorSize) / *rate;
    if (!std::isfinite(left) || left > longestSensibleSeconds)
        return std::nullopt;
    return static_cast<int>(std::ceil(left));
}

QString BurnRate::text(MediaKind kind) const
{
    const auto rate = bytesPerSecond();
    if (!rate)
        return {};
    const QLocale locale;
    const QString megabytes = locale.toString(*rate / 1e6, 'f', 1);
    const auto oneX = oneXBytesPerSecond(kind);
    QString text = oneX ? QCoreApplication::translate("pelimor::BurnRate", "%1 MB/s (%2x)")
                              .arg(megabytes, locale.toString(*rate / *oneX, 'f', 1))
                        : QCoreApplication::translate("pelimor::BurnRate", "%1 MB/s").arg(megabytes);
    if (const auto left = secondsLeft())
        text = *left < 60 ? QCoreApplication::translate("pelimor::BurnRate", "%1, less than a minute left").arg(text)
                          : QCoreApplication::translate("pelimor::BurnRate", "%1, about %2 min left")
                                .arg(text, locale.toString((*left + 30) / 60));
    return text;
}

} // namespace pelimor
