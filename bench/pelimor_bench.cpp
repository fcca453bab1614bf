// Measures a burn the way a user starts one: the main window's burn command
// on the real libburn service, onto the virtual recorder. Each mode runs in
// a process of its own so its peak memory can be told apart:
//
//   pelimor_bench idle                      the program with its window, idle
//   pelimor_bench window IMAGE TARGET       a burn through the window
//   pelimor_bench window-noverify IMAGE TARGET
//   pelimor_bench bare IMAGE TARGET         a bare libburn write
//   pelimor_bench check IMAGE TARGET        the image check of a burn
//   pelimor_bench hash IMAGE                the checker's hash alone
//
// Each prints key=value lines for bench/run-bench.sh.
#include "bare_libburn_write.h"

#include "mainwindow/form1.h"
#include "peakmemory.h"
#include "platform/image_hasher.h"
#include "platform/linux/libburn_disc_service.h"
#include "platform/linux/libburn_library.h"
#include "testsupport.h"
#include "virtualrecorderwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

using namespace pelimor;

namespace {

// Gaps between the ticks of a precise 10 ms timer: how long the window
// went without handling events. (A coarse timer would report a skipped
// tick as a 20 ms gap whenever another timer fires next to it.)
class StallMeter {
public:
    StallMeter()
    {
        m_timer.setInterval(10);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_gapsMs.push_back(static_cast<double>(now - m_last) / 1e6);
            m_last = now;
        });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double longestMs() const { return m_gapsMs.empty() ? 0.0 : *std::max_element(m_gapsMs.begin(), m_gapsMs.end()); }
    double percentileMs(double p) const
    {
        if (m_gapsMs.empty())
            return 0.0;
        auto sorted = m_gapsMs;
        std::sort(sorted.begin(), sorted.end());
        return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1))];
    }
    long countAbove(double ms) const
    {
        return std::count_if(m_gapsMs.begin(), m_gapsMs.end(), [ms](double g) { return g > ms; });
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    std::vector<double> m_gapsMs;
};

int runWindow(int argc, char **argv, bool verify, const QString &image, const QString &target)
{
    QApplication app(argc, argv);
    LibburnDiscService::Options options;
    options.verify = verify;
    // Boxes are answered at once and kept for the report; nothing is
    // browsed for or started.
    test::VirtualRecorderWindow bench(target, options);
    Form1 &window = *bench.form;
    const auto &prompter = bench.prompter;
    window.show();
    window.txtPath->setText(image);

    QElapsedTimer clock;
    double writeSeconds = -1.0;
    QObject::connect(window.txtStatus, &QLineEdit::textChanged, [&](const QString &text) {
        if (writeSeconds < 0 &&
            (text.startsWith(QStringLiteral("Verifying the data.")) || text == QStringLiteral("Completed the burn.")))
            writeSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    });
    StallMeter stalls;
    stalls.start();
    clock.start();
    window.cmdBurn_Click();
    const double totalSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;

    std::cout << "write_seconds=" << writeSeconds << "\n"
              << "total_seconds=" << totalSeconds << "\n"
              << "longest_stall_ms=" << stalls.longestMs() << "\n"
              << "p99_gap_ms=" << stalls.percentileMs(0.99) << "\n"
              << "gaps_over_50ms=" << stalls.countAbove(50.0) << "\n"
              << "peak_rss_kib=" << test::peakRssKiB() << "\n"
              << "succeeded=" << (window.dataWriter() && window.dataWriter()->LastWriteSucceeded() ? 1 : 0) << "\n";
    for (const test::Message &m : prompter.messages)
        std::cout << "message=" << (m.title + QStringLiteral(": ") + m.prompt).toStdString() << "\n";
    return 0;
}

// The image check the burn command runs first. The caller puts a SHA256SUMS
// beside the image that does not match it, so the whole image is hashed
// and the burn stops before the recorder is touched.
int runCheck(int argc, char **argv, const QString &image, const QString &target)
{
    QApplication app(argc, argv);
    test::VirtualRecorderWindow bench(target);
    Form1 &window = *bench.form;
    const auto &prompter = bench.prompter;
    window.show();
    window.txtPath->setText(image);

    StallMeter stalls;
    stalls.start();
    QElapsedTimer clock;
    clock.start();
    window.cmdBurn_Click();
    std::cout << "check_seconds=" << static_cast<double>(clock.nsecsElapsed()) / 1e9 << "\n"
              << "longest_stall_ms=" << stalls.longestMs() << "\n"
              << "peak_rss_kib=" << test::peakRssKiB() << "\n";
    for (const test::Message &m : prompter.messages)
        std::cout << "message=" << (m.title + QStringLiteral(": ") + m.prompt).simplified().toStdString() << "\n";
    return 0;
}

int runHash(const std::string &image)
{
    std::atomic<bool> cancel{false};
    QElapsedTimer clock;
    clock.start();
    const auto hex = hashFile(image, HashAlgorithm::sha256, cancel);
    std::cout << "hash_seconds=" << static_cast<double>(clock.nsecsElapsed()) / 1e9 << "\n"
              << "sha256=" << hex.value_or("") << "\n"
              << "peak_rss_kib=" << test::peakRssKiB() << "\n";
    return 0;
}

int runIdle(int argc, char **argv)
{
    QApplication app(argc, argv);
    LibburnDiscService service;
    // Boxes are answered at once and kept for the report; nothing is
    // browsed for or started.
    test::RecordingPrompter prompter;
    test::RecordingShell shell;
    test::ScriptedFileDialog fileDialog;
    Form1 window(Platform{&service, &prompter, &shell, nullptr, &fileDialog});
    window.show();
    QTimer::singleShot(1000, &app, &QCoreApplication::quit);
    QApplication::exec();
    std::cout << "peak_rss_kib=" << test::peakRssKiB() << "\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "idle")
        return runIdle(argc, argv);
    if ((mode == "window" || mode == "window-noverify") && argc == 4)
        return runWindow(argc, argv, mode == "window", QString::fromLocal8Bit(argv[2]),
                         QString::fromLocal8Bit(argv[3]));
    if (mode == "check" && argc == 4)
        return runCheck(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (mode == "hash" && argc == 3)
        return runHash(argv[2]);
    if (mode == "bare" && argc == 4) {
        try {
            const double seconds = bench::bareLibburnWrite(argv[2], argv[3]);
            std::cout << "write_seconds=" << seconds << "\n"
                      << "peak_rss_kib=" << test::peakRssKiB() << "\n";
            return 0;
        } catch (const std::exception &e) {
            std::cerr << "bare write failed: " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "usage: pelimor_bench idle | window IMAGE TARGET | window-noverify IMAGE TARGET | "
                 "bare IMAGE TARGET | check IMAGE TARGET | hash IMAGE\n";
    return 2;
}
