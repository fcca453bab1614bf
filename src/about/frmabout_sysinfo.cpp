// The System Info command: finds the system-information tool through the
// two registry values that name it and starts it.
#include "about/frmabout.h"

#include "appinfo.h"
#include "platform/log.h"
#include "platform/prompter.h"
#include "platform/registry.h"
#include "platform/shell.h"

#include <QFileInfo>

#include <array>
#include <stdexcept>

namespace pelimor {
namespace {

// The rights the launcher has always asked for: reading, and also writing,
// creating and linking subkeys. Not the platform's full-access mask, but a
// user who may not write the key is refused the open all the same.
constexpr std::uint32_t readControl = 0x20000;
constexpr std::uint32_t keyQueryValue = 0x1;
constexpr std::uint32_t keySetValue = 0x2;
constexpr std::uint32_t keyCreateSubKey = 0x4;
constexpr std::uint32_t keyEnumerateSubKeys = 0x8;
constexpr std::uint32_t keyNotify = 0x10;
constexpr std::uint32_t keyCreateLink = 0x20;
constexpr std::uint32_t sysInfoKeyAccess =
    readControl | keyQueryValue | keySetValue | keyCreateSubKey | keyEnumerateSubKeys | keyNotify | keyCreateLink;

constexpr std::size_t valueBufferSize = 1024;

// The tool's full path, and failing that the folder that holds it.
const QString gREGKEYSYSINFO = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString gREGVALSYSINFO = QStringLiteral("PATH");
const QString gREGKEYSYSINFOLOC = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString gREGVALSYSINFOLOC = QStringLiteral("MSINFO");
const QString toolFileName = QStringLiteral("\\MSINFO32.EXE");

// Registry text travels in the system's 8-bit code page, one byte a
// character.
std::string eightBit(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

// Closes an opened key on every way out of GetKeyValue, the zero-length
// error included.
class OpenKey {
public:
    explicit OpenKey(Registry &registry) : m_registry(registry) {}
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
    ~OpenKey()
    {
        if (m_opened)
            m_registry.RegCloseKey(m_key);
    }
    long open(std::uint32_t root, const std::string &name)
    {
        const long rc = m_registry.RegOpenKeyExA(root, name, 0, sysInfoKeyAccess, &m_key);
        m_opened = rc == REG_SUCCESS;
        return rc;
    }
    RegKey handle() const { return m_key; }

private:
    Registry &m_registry;
    RegKey m_key = 0;
    bool m_opened = false;
};

} // namespace

void frmAbout::StartSysInfo()
{
    // Any error on the way, thrown or reported, ends in the one message.
    bool started = false;
    try {
        started = startSysInfoTool();
    } catch (const std::exception &error) {
        qCInfo(lcWindow) << "system-information tool not started:" << error.what();
        started = false;
    }
    if (!started)
        m_platform.prompter->MsgBox(this, tr("System Information Is Unavailable At This Time"), MsgIcon::None,
                                    QLatin1String(app::title));
}

bool frmAbout::startSysInfoTool()
{
    QString SysInfoPath;
    // The full path is started as read, without looking for the file first.
    if (!GetKeyValue(HKEY_LOCAL_MACHINE_VALUE, gREGKEYSYSINFO, gREGVALSYSINFO, SysInfoPath)) {
        if (!GetKeyValue(HKEY_LOCAL_MACHINE_VALUE, gREGKEYSYSINFOLOC, gREGVALSYSINFOLOC, SysInfoPath))
            return false;
        // Appended as it is, even after a folder text's own backslash.
        SysInfoPath += toolFileName;
        if (!fileLookup(SysInfoPath))
            return false;
    }
    // An empty path (a value of a type that is neither text nor number)
    // names no program.
    if (SysInfoPath.isEmpty())
        return false;
    return m_platform.shell->startProgram(SysInfoPath);
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    Registry &registry = *m_platform.registry;
    OpenKey hKey(registry);
    if (hKey.open(KeyRoot, eightBit(KeyName)) != REG_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    std::array<unsigned char, valueBufferSize> tmpVal{};
    std::uint32_t KeyValSize = valueBufferSize;
    std::uint32_t KeyValType = 0;
    const long rc =
        registry.RegQueryValueExA(hKey.handle(), eightBit(SubKeyRef), &KeyValType, tmpVal.data(), &KeyValSize);
    // A size beyond the buffer would send the trimming below outside it:
    // such an answer counts as a missing value.
    if (rc != REG_SUCCESS || KeyValSize > tmpVal.size()) {
        KeyVal.clear();
        return false;
    }

    // Drop a text's terminating zero. Nothing at all has no last character.
    if (KeyValSize == 0)
        throw std::out_of_range("registry value has no data");
    const std::size_t kept = tmpVal[KeyValSize - 1] == 0 ? KeyValSize - 1 : KeyValSize;

    switch (KeyValType) {
    case REG_SZ_TYPE:
        KeyVal = QString::fromLocal8Bit(reinterpret_cast<const char *>(tmpVal.data()), static_cast<qsizetype>(kept));
        break;
    case REG_DWORD_TYPE: {
        // Stored least significant byte first: walking back gives the
        // digits from the most significant byte down. A zero top byte was
        // trimmed with the terminator, so 10 reads "&h00000A". The text is
        // kept as it is; nothing reads number values as numbers.
        QString digits = KeyVal;
        for (std::size_t i = kept; i-- > 0;)
            digits += QStringLiteral("%1").arg(tmpVal[i], 2, 16, QLatin1Char('0')).toUpper();
        KeyVal = QStringLiteral("&h") + digits;
        break;
    }
    default:
        // Left as passed: the value was found but is not one we can read.
        break;
    }
    return true;
}

bool frmAbout::fileLookup(const QString &path)
{
    // A plain file, as a lookup with normal attributes finds it: not a
    // folder and not hidden.
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

} // namespace pelimor
