// The window's thread of the program: Qt's queued calls carry the burn's
// reports over, and a nested event loop keeps the window alive until the
// burn thread is done.
#include "platform/windows/ui_thread_qt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>

#include <windows.h>

namespace pelimor::win {
namespace {

class QtUiThread final : public UiThread {
public:
    void post(std::function<void()> task) override
    {
        if (auto *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
    }

    void runUntil(const std::function<bool()> &done) override
    {
        if (done())
            return;
        QEventLoop loop;
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        timer.start();
        loop.exec();
        // Ended from outside (the program is quitting): the burn thread
        // still owns the image and the drive, so wait for it all the same.
        while (!done()) {
            QCoreApplication::sendPostedEvents();
            Sleep(20);
        }
        QCoreApplication::sendPostedEvents();
    }
};

} // namespace

std::shared_ptr<UiThread> createQtUiThread()
{
    return std::make_shared<QtUiThread>();
}

} // namespace pelimor::win
