// Linux has no registry. This stand-in holds the one entry the About box's
// System Info command reads first, the tool's full path, and answers it with
// the first well-known system-information program found on PATH. Every
// other key and value is missing, and nothing can be written.
#pragma once

#include "platform/registry.h"

#include <QString>
#include <QStringList>

namespace pelimor {

class LinuxRegistry : public Registry {
public:
    long RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options, std::uint32_t access,
                       RegKey *key) override;
    long RegQueryValueExA(RegKey key, const std::string &valueName, std::uint32_t *type, unsigned char *data,
                          std::uint32_t *size) override;
    long RegCloseKey(RegKey key) override;

    // The tools looked for, in order of preference.
    static const QStringList &knownTools();
    // The full path of the first known tool on PATH, or empty. PATH is read
    // at each call, so a tool installed meanwhile is found next time.
    static QString findTool();
};

} // namespace pelimor
