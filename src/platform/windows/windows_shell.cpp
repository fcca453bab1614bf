#include "platform/windows/windows_shell.h"

#include "platform/defaults.h"
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

// The Windows default lives here rather than in defaults_windows.cpp: the
// Shell interface speaks QString, and the other defaults are built without Qt.
std::unique_ptr<Shell> createDefaultShell()
{
    return std::make_unique<WindowsShell>();
}

} // namespace pelimor
