#include "platform/defaults.h"
#include "platform/linux/libburn_disc_service.h"
#include "platform/registry.h"

namespace pelimor {
namespace {

// Linux has no registry; until a stand-in answers the system-information
// lookup, every open fails and the launcher reports the tool unavailable.
class NoRegistry : public Registry {
public:
    long RegOpenKeyExA(std::uint32_t, const std::string &, std::uint32_t, std::uint32_t, RegKey *) override
    {
        return 2; // ERROR_FILE_NOT_FOUND
    }
    long RegQueryValueExA(RegKey, const std::string &, std::uint32_t *, unsigned char *, std::uint32_t *) override
    {
        return 2;
    }
    long RegCloseKey(RegKey) override { return 0; }
};

} // namespace

std::unique_ptr<DiscService> createDefaultDiscService()
{
    return std::make_unique<LibburnDiscService>();
}

std::unique_ptr<Registry> createDefaultRegistry()
{
    return std::make_unique<NoRegistry>();
}

} // namespace pelimor
