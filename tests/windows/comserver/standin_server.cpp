// The in-process COM server that stands in for IMAPI2 in a Wine prefix,
// where the disc-burning service does not exist: its class factories hand
// out the shared fakes under the service's own class identifiers, so the
// unmodified program creates them exactly as it creates the real ones.
// `regsvr32` writes the keys under HKCR\CLSID that CoCreateInstance follows.
#include "standin_config.h"

#include <olectl.h>

#include <string>

namespace {

HMODULE module = nullptr;

using Create = IUnknown *(standin::World::*)();

struct Coclass {
    const CLSID &clsid;
    const wchar_t *progId;
    Create create;
};

const Coclass coclasses[] = {
    {pelimor::imapi2::clsidDiscMaster2, L"IMAPI2.MsftDiscMaster2", &standin::World::newDiscMaster},
    {pelimor::imapi2::clsidDiscRecorder2, L"IMAPI2.MsftDiscRecorder2", &standin::World::newRecorder},
    {pelimor::imapi2::clsidDiscFormat2Data, L"IMAPI2.MsftDiscFormat2Data", &standin::World::newWriter},
    {pelimor::imapi2::clsidDiscFormat2Erase, L"IMAPI2.MsftDiscFormat2Erase", &standin::World::newEraser},
};

class Factory final : public IClassFactory {
public:
    explicit Factory(Create create) : m_create(create) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory))
            return E_NOINTERFACE;
        *object = static_cast<IClassFactory *>(this);
        return S_OK;
    }
    // The factories live as long as the module.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return (standin::World::get().*m_create)()->QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    Create m_create;
};

std::wstring text(const CLSID &clsid)
{
    wchar_t buffer[40];
    StringFromGUID2(clsid, buffer, 40);
    return buffer;
}

bool setValue(HKEY root, const std::wstring &path, const wchar_t *name, const std::wstring &value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const bool ok =
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()), bytes) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void **object)
{
    static Factory factories[] = {Factory(coclasses[0].create), Factory(coclasses[1].create),
                                  Factory(coclasses[2].create), Factory(coclasses[3].create)};
    if (!object)
        return E_POINTER;
    *object = nullptr;
    for (std::size_t i = 0; i < std::size(coclasses); ++i)
        if (IsEqualCLSID(clsid, coclasses[i].clsid))
            return factories[i].QueryInterface(iid, object);
    return CLASS_E_CLASSNOTAVAILABLE;
}

// The objects made here never go away before the process does.
extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return SELFREG_E_CLASS;
    for (const auto &coclass : coclasses) {
        const std::wstring key = L"CLSID\\" + text(coclass.clsid);
        const std::wstring progId = coclass.progId;
        // "Both", as the service registers its classes: a single-threaded
        // caller gets the objects themselves, with no proxy that would pump
        // its messages during Write.
        if (!setValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", nullptr, path) ||
            !setValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", L"ThreadingModel", L"Both") ||
            !setValue(HKEY_CLASSES_ROOT, key + L"\\ProgID", nullptr, progId) ||
            !setValue(HKEY_CLASSES_ROOT, progId + L"\\CLSID", nullptr, text(coclass.clsid)))
            return SELFREG_E_CLASS;
    }
    return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    for (const auto &coclass : coclasses) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + text(coclass.clsid)).c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, coclass.progId);
    }
    return S_OK;
}
