// The version resource and icon, compiled from src/platform/windows/pelimor.rc
// into this test program exactly as into PelimorISOBurn.exe, read back the
// way Explorer reads them.
#include "check.h"

#include <windows.h>

#include <vector>

namespace {

std::vector<unsigned char> ownVersionInfo()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<unsigned char> info(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, info.data()))
        info.clear();
    return info;
}

std::wstring versionString(std::vector<unsigned char> &info, const wchar_t *name)
{
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), query.c_str(), &value, &length) || !value)
        return L"<missing>";
    std::wstring text(static_cast<const wchar_t *>(value), length);
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

std::string narrow(const std::wstring &text)
{
    return std::string(text.begin(), text.end()); // the values are ASCII
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

} // namespace

TEST_CASE("resources: the version resource carries every application value in U.S. English, Unicode")
{
    auto info = ownVersionInfo();
    REQUIRE(!info.empty());

    struct Translation {
        WORD language, codePage;
    } *translation = nullptr;
    UINT length = 0;
    REQUIRE(
        VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation), &length));
    REQUIRE(length >= sizeof(Translation));
    CHECK_EQ(translation->language, WORD{0x0409});
    CHECK_EQ(translation->codePage, WORD{1200});

    CHECK_EQ(narrow(versionString(info, L"FileVersion")), std::string("1.00.0001"));
    CHECK_EQ(narrow(versionString(info, L"ProductVersion")), std::string("1.00.0001"));
    CHECK_EQ(narrow(versionString(info, L"FileDescription")), std::string("pelimor.example | Pelimor ISO burn"));
    CHECK_EQ(narrow(versionString(info, L"ProductName")), std::string("Pelimor ISO Burn"));
    CHECK_EQ(narrow(versionString(info, L"Comments")), std::string("Easily, simply burn ISO file to CD/DVD"));
    CHECK_EQ(narrow(versionString(info, L"InternalName")), std::string("PelimorISOBurn"));
    CHECK_EQ(narrow(versionString(info, L"OriginalFilename")), std::string("PelimorISOBurn.exe"));
    CHECK_EQ(narrow(versionString(info, L"CompanyName")), std::string("pelimor.example"));

    VS_FIXEDFILEINFO *fixed = nullptr;
    REQUIRE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &length) && fixed);
    CHECK_EQ(fixed->dwSignature, DWORD{0xFEEF04BD});
    // Major 1, minor 0, revision 1, shown as 1.0.0.1.
    CHECK_EQ(fixed->dwFileVersionMS, DWORD{0x00010000});
    CHECK_EQ(fixed->dwFileVersionLS, DWORD{0x00000001});
    CHECK_EQ(fixed->dwProductVersionMS, DWORD{0x00010000});
    CHECK_EQ(fixed->dwProductVersionLS, DWORD{0x00000001});
    CHECK_EQ(fixed->dwFileType, DWORD{VFT_APP});
}

TEST_CASE("resources: the executable's icon is the program icon, two 24 x 24 images")
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), reinterpret_cast<LPCWSTR>(RT_GROUP_ICON));
    REQUIRE(found);
    HGLOBAL loaded = LoadResource(nullptr, found);
    REQUIRE(loaded);
    const auto *header = static_cast<const GroupIconHeader *>(LockResource(loaded));
    REQUIRE(header && SizeofResource(nullptr, found) >= sizeof *header);
    CHECK_EQ(header->type, WORD{1});
    REQUIRE(header->count == 2);
    const auto *entries = reinterpret_cast<const GroupIconEntry *>(header + 1);
    std::vector<int> depths;
    for (WORD i = 0; i < header->count; ++i) {
        CHECK_EQ(static_cast<int>(entries[i].width), 24);
        CHECK_EQ(static_cast<int>(entries[i].height), 24);
        depths.push_back(entries[i].bitCount);
        // Each image is there under the id the group names.
        CHECK(FindResourceW(nullptr, MAKEINTRESOURCEW(entries[i].id), reinterpret_cast<LPCWSTR>(RT_ICON)) != nullptr);
    }
    CHECK(depths == (std::vector<int>{8, 32})); // 256 colours and 32-bit colour
}
