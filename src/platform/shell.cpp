#include "platform/shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace pelimor {

bool DesktopShell::run(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

bool DesktopShell::startProgram(const QString &path)
{
    return QProcess::startDetached(path, {});
}

} // namespace pelimor
