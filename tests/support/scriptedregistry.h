// A registry whose keys and values a test writes down, that records every
// call it gets and how it was called, and that keeps count of open keys.
#pragma once

#include "platform/registry.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pelimor::test {

struct ScriptedValue {
    std::uint32_t type = REG_SZ_TYPE;
    QByteArray data;
    // A size to report instead of the data's own (a misbehaving registry).
    std::optional<std::uint32_t> reportedSize;
    long status = REG_SUCCESS;
};

// Text the way a registry stores it: the bytes and a terminating zero.
inline ScriptedValue textValue(const QByteArray &text)
{
    QByteArray data = text;
    data.append('\0');
    return {REG_SZ_TYPE, data, std::nullopt, REG_SUCCESS};
}

inline ScriptedValue dwordValue(std::uint32_t number)
{
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return {REG_DWORD_TYPE, data, std::nullopt, REG_SUCCESS};
}

class ScriptedRegistry : public Registry {
public:
    static constexpr long errorFileNotFound = 2;
    static constexpr long errorAccessDenied = 5;
    static constexpr long errorInvalidHandle = 6;
    static constexpr long errorMoreData = 234;

    // Key path -> value name -> value. A key listed in refused exists but
    // will not open (no right to the access asked for).
    std::map<std::string, std::map<std::string, ScriptedValue>> keys;
    std::set<std::string> refused;

    struct Open {
        std::uint32_t root;
        std::string subKey;
        std::uint32_t options;
        std::uint32_t access;
    };
    struct Query {
        std::string key;
        std::string valueName;
        std::uint32_t sizeIn;
        bool bufferZeroed;
    };
    std::vector<Open> opens;
    std::vector<Query> queries;
    int closes = 0;
    int badCloses = 0;

    int openKeys() const { return static_cast<int>(m_open.size()); }
    std::vector<std::string> openedKeyNames() const
    {
        std::vector<std::string> names;
        for (const Open &o : opens)
            names.push_back(o.subKey);
        return names;
    }

    long RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options, std::uint32_t access,
                       RegKey *key) override
    {
        opens.push_back({root, subKey, options, access});
        if (root != HKEY_LOCAL_MACHINE_VALUE || !keys.count(subKey))
            return errorFileNotFound;
        if (refused.count(subKey))
            return errorAccessDenied;
        const RegKey handle = m_next++;
        m_open[handle] = subKey;
        *key = handle;
        return REG_SUCCESS;
    }

    long RegQueryValueExA(RegKey key, const std::string &valueName, std::uint32_t *type, unsigned char *data,
                          std::uint32_t *size) override
    {
        const auto it = m_open.find(key);
        if (it == m_open.end())
            return errorInvalidHandle;
        const std::uint32_t sizeIn = *size;
        queries.push_back(
            {it->second, valueName, sizeIn, std::all_of(data, data + sizeIn, [](unsigned char c) { return c == 0; })});
        const auto &values = keys.at(it->second);
        const auto found = values.find(valueName);
        if (found == values.end())
            return errorFileNotFound;
        const ScriptedValue &v = found->second;
        if (v.status != REG_SUCCESS)
            return v.status;
        const auto length = static_cast<std::uint32_t>(v.data.size());
        if (!v.reportedSize && length > sizeIn) {
            *size = length;
            return errorMoreData;
        }
        // Never beyond the caller's buffer, whatever size is reported.
        std::memcpy(data, v.data.constData(), std::min(length, sizeIn));
        *type = v.type;
        *size = v.reportedSize.value_or(length);
        return REG_SUCCESS;
    }

    long RegCloseKey(RegKey key) override
    {
        ++closes;
        if (m_open.erase(key) == 0) {
            ++badCloses;
            return errorInvalidHandle;
        }
        return REG_SUCCESS;
    }

private:
    std::map<RegKey, std::string> m_open;
    RegKey m_next = 0x100;
};

} // namespace pelimor::test
