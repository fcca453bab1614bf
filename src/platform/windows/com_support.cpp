#include "platform/windows/com_support.h"

namespace pelimor::win {
namespace {

// Walks the elements of a one-dimensional array whatever its element type,
// handing each one to the visitor as a VARIANT.
template <typename Visit> void forEachElement(SAFEARRAY *array, Visit visit)
{
    if (!array || SafeArrayGetDim(array) != 1)
        return;
    VARTYPE type = VT_EMPTY;
    if (FAILED(SafeArrayGetVartype(array, &type)))
        return;
    LONG lower = 0;
    LONG upper = -1;
    if (FAILED(SafeArrayGetLBound(array, 1, &lower)) || FAILED(SafeArrayGetUBound(array, 1, &upper)))
        return;
    for (LONG i = lower; i <= upper; ++i) {
        VARIANT element;
        VariantInit(&element);
        if (type == VT_VARIANT) {
            if (FAILED(SafeArrayGetElement(array, &i, &element)))
                continue;
        } else if (type == VT_I4 || type == VT_UI4 || type == VT_INT || type == VT_UINT) {
            element.vt = VT_I4;
            if (FAILED(SafeArrayGetElement(array, &i, &element.lVal)))
                continue;
        } else if (type == VT_BSTR) {
            element.vt = VT_BSTR;
            if (FAILED(SafeArrayGetElement(array, &i, &element.bstrVal)))
                continue;
        } else {
            return;
        }
        visit(element);
        VariantClear(&element);
    }
}

} // namespace

Bstr::Bstr(const std::wstring &text) : m_s(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}

std::vector<long> longsFrom(SAFEARRAY *array)
{
    std::vector<long> result;
    forEachElement(array, [&](VARIANT &element) {
        VARIANT number;
        VariantInit(&number);
        if (SUCCEEDED(VariantChangeType(&number, &element, 0, VT_I4)))
            result.push_back(number.lVal);
        VariantClear(&number);
    });
    return result;
}

std::vector<std::wstring> textsFrom(SAFEARRAY *array)
{
    std::vector<std::wstring> result;
    forEachElement(array, [&](VARIANT &element) {
        if (element.vt == VT_BSTR)
            result.emplace_back(element.bstrVal ? element.bstrVal : L"");
    });
    return result;
}

std::wstring toWide(const std::string &utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string toUtf8(const std::wstring &wide)
{
    if (wide.empty())
        return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

ComApartment::ComApartment() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}

ComApartment::~ComApartment()
{
    // Only a successful call (S_OK or S_FALSE) is paired with an uninitialize;
    // RPC_E_CHANGED_MODE left the thread's apartment as it was.
    if (SUCCEEDED(m_result))
        CoUninitialize();
}

} // namespace pelimor::win
