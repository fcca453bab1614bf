#include "platform/defaults.h"
#include "platform/linux/libburn_disc_service.h"
#include "platform/linux/registry_linux.h"
#include "platform/shell.h"

namespace pelimor {

std::unique_ptr<DiscService> createDefaultDiscService()
{
    return std::make_unique<LibburnDiscService>();
}

std::unique_ptr<Registry> createDefaultRegistry()
{
    return std::make_unique<LinuxRegistry>();
}

std::unique_ptr<Shell> createDefaultShell()
{
    return std::make_unique<DesktopShell>();
}

std::optional<std::string> nativeCommandLine()
{
    return std::nullopt;
}

} // namespace pelimor
