// Turns Qt's accessibility layer on the way a screen reader's arrival does,
// and records what the reader would be told.
#pragma once

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <vector>

namespace pelimor::test {

struct HeardEvent {
    QObject *object;
    QAccessible::Event type;
    QVariant value;
};

inline std::vector<HeardEvent> &heardEvents()
{
    static std::vector<HeardEvent> events;
    return events;
}

// False where the platform offers no accessibility at all.
inline bool listenAsAScreenReader()
{
    QPlatformAccessibility *accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!accessibility)
        return false;
    accessibility->setActive(true);
    heardEvents().clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        QVariant value;
        if (event->type() == QAccessible::ValueChanged)
            value = static_cast<QAccessibleValueChangeEvent *>(event)->value();
        heardEvents().push_back({event->object(), event->type(), value});
    });
    return true;
}

} // namespace pelimor::test
