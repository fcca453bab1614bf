#include "platform/linux/libburn_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace pelimor::libburn {

bool pumpUntil(const std::function<bool()> &done, const std::function<void()> &tick, std::chrono::milliseconds interval)
{
    std::exception_ptr error;
    const auto guardedTick = [&] {
        try {
            tick();
        } catch (...) {
            error = std::current_exception();
        }
    };
    guardedTick();
    if (error)
        std::rethrow_exception(error);
    if (done())
        return true;
    if (!QCoreApplication::instance()) {
        while (!done() && !error) {
            std::this_thread::sleep_for(interval);
            guardedTick();
        }
    } else {
        QEventLoop loop;
        QTimer timer;
        timer.setInterval(interval);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            guardedTick();
            if (error || done())
                loop.quit();
        });
        timer.start();
        loop.exec();
    }
    if (error)
        std::rethrow_exception(error);
    return done();
}

} // namespace pelimor::libburn
