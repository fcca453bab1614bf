// The platform objects of the operating system the program was built for.
// Each is defined in that system's own folder under platform/.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace pelimor {

class Desktop;
class DiscService;
class Registry;
class Shell;

std::unique_ptr<DiscService> createDefaultDiscService();
std::unique_ptr<Registry> createDefaultRegistry();
std::unique_ptr<Shell> createDefaultShell();
// The desktop the program runs on; `appId` names the program's desktop
// entry (its .desktop file, without the extension).
std::unique_ptr<Desktop> createDefaultDesktop(const std::string &appId);

// The command line after the program's name as the system handed it over,
// where the system hands over one text (Windows); nothing where it hands
// over separate arguments, which are then joined by single spaces.
std::optional<std::string> nativeCommandLine();

} // namespace pelimor
