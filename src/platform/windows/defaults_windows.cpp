#include "platform/defaults.h"
#include "platform/windows/imapi2_disc_service.h"
#include "platform/windows/registry_windows.h"

namespace pelimor {

std::unique_ptr<DiscService> createDefaultDiscService()
{
    return std::make_unique<Imapi2DiscService>();
}

std::unique_ptr<Registry> createDefaultRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

} // namespace pelimor
