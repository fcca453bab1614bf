#include "platform/windows/windows_shell.h"

#include "platform/windows/shell_win32.h"

namespace pelimor {

bool WindowsShell::run(const QString &address)
{
    return win::shellOpen(address.toStdWString());
}

bool WindowsShell::startProgram(const QString &path)
{
    return win::startProgramByPath(path.toStdWString());
}

} // namespace pelimor
