#include "platform/defaults.h"
#include "platform/windows/com_support.h"
#include "platform/windows/registry_windows.h"
#include "platform/windows/shell_win32.h"

#include <windows.h>

namespace pelimor {

std::unique_ptr<Registry> createDefaultRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

std::optional<std::string> nativeCommandLine()
{
    return win::toUtf8(win::commandLineAfterProgramName(GetCommandLineW()));
}

} // namespace pelimor
