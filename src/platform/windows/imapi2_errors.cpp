#include "platform/windows/imapi2_errors.h"

#include "platform/discservice.h"
#include "platform/windows/com_support.h"

#include <cstdio>

namespace pelimor::imapi2 {
namespace {

struct KnownError {
    unsigned long code;
    const char *reason;
};

// IMAPI2's own codes (imapi2error.h, facility 0xAA) and the COM codes the
// backend meets, each said the way a user can act on it.
constexpr KnownError knownErrors[] = {
    {0x80040154, "the Windows disc-burning service (IMAPI2) is not installed on this computer"},
    {0xC0AA0002, "the burn was cancelled"},
    {0xC0AA0003, "no recorder was chosen for the burn"},
    {0xC0AA0007, "the disc did not match the image when it was read back after the burn"},
    {0xC0AA0201, "the recorder does not report a required mode page"},
    {0xC0AA0202, "there is no disc in the recorder"},
    {0xC0AA0203, "the disc in the recorder cannot be used by it"},
    {0xC0AA0204, "the disc is upside down in the recorder"},
    {0xC0AA0205, "the recorder is still getting the disc ready; try again in a moment"},
    {0xC0AA0206, "the disc is still being formatted"},
    {0xC0AA0207, "the recorder is busy"},
    {0xC0AA0208, "the recorder refused the write settings"},
    {0xC0AA0209, "the disc is write-protected"},
    {0xC0AA020A, "the recorder lacks a feature the burn needs"},
    {0xC0AA020B, "the recorder cannot use that feature with the disc now in it"},
    {0xC0AA020C, "the recorder does not describe its features"},
    {0xC0AA020D, "the recorder stopped answering"},
    {0xC0AA020E, "the disc lacks a DVD structure the recorder expected"},
    {0xC0AA020F, "the disc cannot be written at the speed asked for"},
    {0xC0AA0210, "another program holds the recorder"},
    {0xC0AA0211, "the client name was refused by the recorder"},
    {0xC0AA0212, "the disc is not formatted"},
    {0xC0AA02FF, "the recorder gave an answer that makes no sense"},
    {0xC0AA0300, "the recorder ran out of data while writing (buffer underrun); the disc may be unusable"},
    {0xC0AA0301, "the recorder answered unexpectedly while writing; the disc may be unusable"},
    {0xC0AA0400, "a burn is already running on this recorder"},
    {0xC0AA0401, "no burn is running"},
    {0xC0AA0402, "the disc is not in a state that can be written"},
    {0xC0AA0403, "the image could not be read as the burn needs it"},
    {0xC0AA0404, "the image is larger than the free space on the disc"},
    {0xC0AA0405, "the disc is not blank"},
    {0xC0AA0406, "this kind of disc is not supported"},
    {0xC0AA0407, "this recorder is not supported"},
    {0xC0AA0408, "the client name is not valid"},
    {0x80AA0900, "another program is using the recorder; close it and try again"},
    {0x80AA0904, "the recorder reports that the disc cannot be erased"},
    {0x80AA0905, "the recorder failed to erase the disc"},
    {0x80AA0906, "the erase did not end within an hour; take the disc out and restart the recorder"},
    {0x80AA0907, "the recorder answered unexpectedly while erasing; the disc may be unusable"},
    {0xC0AA0909, "this kind of disc cannot be erased"},
    {0xC0AA090A, "this recorder cannot erase discs"},
    // What a USB recorder unplugged or reset in the middle of a burn gives.
    {0x80070037, "the recorder is no longer connected; was it unplugged?"},
    {0x80070006, "the connection to the recorder was lost; was it unplugged or reset?"},
    {0x80004005, "the recorder or the disc-burning service failed without saying why"},
};

// The message table of `module` (or the system's when null) for the code,
// without its line break.
std::string tableMessage(HMODULE module, HRESULT hr)
{
    wchar_t *buffer = nullptr;
    const DWORD source = module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | source | FORMAT_MESSAGE_IGNORE_INSERTS, module,
                                        static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.'))
        text.pop_back();
    return win::toUtf8(text);
}

// IMAPI2 keeps the texts of its own codes (facility 0xAA) in imapi2.dll,
// which the system's table does not cover; the DLL is read as data only.
std::string imapi2Message(HRESULT hr)
{
    if (HRESULT_FACILITY(hr) != 0xAA)
        return {};
    HMODULE module = LoadLibraryExW(L"imapi2.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module)
        return {};
    std::string text = tableMessage(module, hr);
    FreeLibrary(module);
    return text;
}

} // namespace

std::string hexCode(HRESULT hr)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

std::string describeHresult(HRESULT hr)
{
    const auto code = static_cast<unsigned long>(hr);
    for (const auto &known : knownErrors) {
        if (known.code == code)
            return std::string(known.reason) + " (" + hexCode(hr) + ")";
    }
    std::string text = imapi2Message(hr);
    if (text.empty())
        text = tableMessage(nullptr, hr);
    if (!text.empty())
        return text + " (" + hexCode(hr) + ")";
    return "the disc-burning service reported error " + hexCode(hr);
}

std::string describeFailure(const std::string &action, HRESULT hr)
{
    return action + ": " + describeHresult(hr);
}

std::string describeBurnFailure(HRESULT hr, const std::string &lockOwner)
{
    if (hr == E_ACCESSDENIED || hr == static_cast<HRESULT>(0xC0AA0210L)) {
        // Write takes the drive for itself: "access is denied" here means
        // another program has it, and IMAPI2 knows which.
        const std::string who = lockOwner.empty() ? "another program" : "another program (" + lockOwner + ")";
        return "The burn failed: " + who + " is using the recorder; close it and try again (" + hexCode(hr) + ")";
    }
    return describeFailure("The burn failed", hr);
}

void check(HRESULT hr, const char *action)
{
    if (FAILED(hr))
        throw ServiceError(describeFailure(action, hr));
}

} // namespace pelimor::imapi2
