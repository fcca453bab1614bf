// Turns the HRESULTs of IMAPI2 and COM into sentences for the "Burn failed"
// box, so the user reads "the disc is write-protected" instead of 0xC0AA0209.
#pragma once

#include <windows.h>

#include <string>

namespace pelimor::imapi2 {

// The error codes whose meaning the backend itself relies on.
inline constexpr HRESULT classNotRegistered = static_cast<HRESULT>(0x80040154L); // REGDB_E_CLASSNOTREG
inline constexpr HRESULT requestCancelled = static_cast<HRESULT>(0xC0AA0002L);
inline constexpr HRESULT burnVerificationFailed = static_cast<HRESULT>(0xC0AA0007L);

// A readable reason, always ending with the code in hexadecimal so that a
// report from a user can be matched to the service's documentation.
std::string describeHresult(HRESULT hr);

// The same, with what was being done in front: "<action>: <reason>".
std::string describeFailure(const std::string &action, HRESULT hr);

// Why Write failed. A drive held by another program (E_ACCESSDENIED or
// "recorder locked") names that program when IMAPI2 knows it (UTF-8).
std::string describeBurnFailure(HRESULT hr, const std::string &lockOwner);

// "0x%08X".
std::string hexCode(HRESULT hr);

// Throws ServiceError(describeFailure(action, hr)) when hr is a failure.
void check(HRESULT hr, const char *action);

} // namespace pelimor::imapi2
