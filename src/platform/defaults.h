// The platform objects of the operating system the program was built for.
// Each is defined in that system's own folder under platform/.
#pragma once

#include <memory>

namespace pelimor {

class DiscService;
class Registry;

std::unique_ptr<DiscService> createDefaultDiscService();
std::unique_ptr<Registry> createDefaultRegistry();

} // namespace pelimor
