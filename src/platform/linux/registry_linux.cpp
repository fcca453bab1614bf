#include "platform/linux/registry_linux.h"

#include <QFile>
#include <QStandardPaths>

#include <cstring>

namespace pelimor {
namespace {

// The codes the Windows registry answers with.
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr long ERROR_MORE_DATA = 234;

// The only key there is, and the handle it is opened as.
constexpr const char *msinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char *msinfoPathValue = "PATH";
constexpr RegKey msinfoHandle = 0x4D53;

// Key and value names are not case-sensitive in a registry.
bool sameName(const std::string &name, const char *expected)
{
    return QString::fromStdString(name).compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

} // namespace

const QStringList &LinuxRegistry::knownTools()
{
    static const QStringList tools{QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                   QStringLiteral("kinfocenter")};
    return tools;
}

QString LinuxRegistry::findTool()
{
    for (const QString &tool : knownTools()) {
        const QString path = QStandardPaths::findExecutable(tool);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

long LinuxRegistry::RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t, std::uint32_t,
                                  RegKey *key)
{
    if (root != HKEY_LOCAL_MACHINE_VALUE || !sameName(subKey, msinfoKey))
        return ERROR_FILE_NOT_FOUND;
    *key = msinfoHandle;
    return REG_SUCCESS;
}

long LinuxRegistry::RegQueryValueExA(RegKey key, const std::string &valueName, std::uint32_t *type, unsigned char *data,
                                     std::uint32_t *size)
{
    if (key != msinfoHandle)
        return ERROR_INVALID_HANDLE;
    if (!sameName(valueName, msinfoPathValue))
        return ERROR_FILE_NOT_FOUND;
    const QString tool = findTool();
    if (tool.isEmpty())
        return ERROR_FILE_NOT_FOUND;

    // A text value: the path's bytes and a terminating zero.
    QByteArray text = QFile::encodeName(tool);
    text.append('\0');
    const auto needed = static_cast<std::uint32_t>(text.size());
    if (type)
        *type = REG_SZ_TYPE;
    if (!size)
        return data ? ERROR_INVALID_PARAMETER : REG_SUCCESS;
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, text.constData(), needed);
    *size = needed;
    return REG_SUCCESS;
}

long LinuxRegistry::RegCloseKey(RegKey key)
{
    return key == msinfoHandle ? REG_SUCCESS : ERROR_INVALID_HANDLE;
}

} // namespace pelimor
