// Small RAII helpers for the COM objects, strings and arrays the IMAPI2
// backend handles, so that every reference, BSTR and SAFEARRAY is released on
// every path, including when a call throws.
#pragma once

#include <windows.h>

#include <oaidl.h>
#include <objbase.h>

#include <string>
#include <utility>
#include <vector>

namespace pelimor::win {

// One owned COM reference.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr &other) : m_p(other.m_p)
    {
        if (m_p)
            m_p->AddRef();
    }
    ComPtr(ComPtr &&other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }
    ~ComPtr() { reset(); }

    // Takes over a reference the caller already owns.
    static ComPtr adopt(T *p)
    {
        ComPtr result;
        result.m_p = p;
        return result;
    }

    void reset()
    {
        if (m_p)
            std::exchange(m_p, nullptr)->Release();
    }
    T *get() const { return m_p; }
    T *operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T **put()
    {
        reset();
        return &m_p;
    }
    void **putVoid() { return reinterpret_cast<void **>(put()); }

private:
    T *m_p = nullptr;
};

// One owned BSTR.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::wstring &text);
    Bstr(const Bstr &) = delete;
    Bstr &operator=(const Bstr &) = delete;
    ~Bstr() { SysFreeString(m_s); }

    BSTR get() const { return m_s; }
    BSTR *put()
    {
        SysFreeString(m_s);
        m_s = nullptr;
        return &m_s;
    }
    std::wstring str() const { return m_s ? std::wstring(m_s, SysStringLen(m_s)) : std::wstring(); }

private:
    BSTR m_s = nullptr;
};

// One owned SAFEARRAY, as the service hands them out (of VARIANTs).
class SafeArray {
public:
    SafeArray() = default;
    SafeArray(const SafeArray &) = delete;
    SafeArray &operator=(const SafeArray &) = delete;
    ~SafeArray()
    {
        if (m_a)
            SafeArrayDestroy(m_a);
    }
    SAFEARRAY **put()
    {
        if (m_a)
            SafeArrayDestroy(m_a);
        m_a = nullptr;
        return &m_a;
    }
    SAFEARRAY *get() const { return m_a; }

private:
    SAFEARRAY *m_a = nullptr;
};

// The elements of a one-dimensional array of VARIANTs (or of plain LONGs or
// BSTRs, which some drivers' wrappers return), as integers or texts.
std::vector<long> longsFrom(SAFEARRAY *array);
std::vector<std::wstring> textsFrom(SAFEARRAY *array);

// Our interfaces carry UTF-8; Windows speaks UTF-16.
std::wstring toWide(const std::string &utf8);
std::string toUtf8(const std::wstring &wide);

// Joins this thread to a single-threaded apartment for the object's life.
// A thread that is already in one (Qt's GUI thread after OleInitialize) is
// simply counted again; one that chose the multithreaded apartment keeps it.
class ComApartment {
public:
    ComApartment();
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;
    ~ComApartment();

    HRESULT result() const { return m_result; }

private:
    HRESULT m_result;
};

} // namespace pelimor::win
