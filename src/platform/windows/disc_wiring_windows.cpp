// The program's disc service on Windows: IMAPI2 reporting to Qt's event
// loop, and the windows refusing logoff and shutdown while a burn runs.
#include "platform/defaults.h"
#include "platform/windows/end_session.h"
#include "platform/windows/imapi2_disc_service.h"
#include "platform/windows/ui_thread_qt.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

namespace pelimor {
namespace {

class EndSessionFilter final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *result) override
    {
        if (type != "windows_generic_MSG" || !message)
            return false;
        LRESULT answer = 0;
        if (!win::answerEndSession(static_cast<MSG *>(message)->message, &answer))
            return false;
        *result = answer;
        return true;
    }
};

} // namespace

std::unique_ptr<DiscService> createDefaultDiscService()
{
    static EndSessionFilter endSession;
    if (auto *app = QCoreApplication::instance())
        app->installNativeEventFilter(&endSession);
    return std::make_unique<Imapi2DiscService>(win::createQtUiThread());
}

} // namespace pelimor
