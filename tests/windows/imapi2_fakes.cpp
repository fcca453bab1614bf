#include "imapi2_fakes.h"

#include <olectl.h>

#include <cstring>
#include <utility>

namespace fakes {
namespace {

using pelimor::imapi2::dispidDataWriterUpdate;

HRESULT giveText(const std::wstring &text, BSTR *out)
{
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return S_OK;
}

// The service hands arrays of VARIANTs out; so do these stand-ins.
template <typename Fill> SAFEARRAY *variantArray(std::size_t count, Fill fill)
{
    SAFEARRAY *array = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(count));
    for (LONG i = 0; i < static_cast<LONG>(count); ++i) {
        VARIANT element;
        VariantInit(&element);
        fill(static_cast<std::size_t>(i), element);
        SafeArrayPutElement(array, &i, &element);
        VariantClear(&element);
    }
    return array;
}

const wchar_t *const argNames[] = {L"CurrentAction", L"ElapsedTime",    L"TotalTime",  L"SectorCount",
                                   L"StartLba",      L"LastWrittenLba", L"LastReadLba"};

} // namespace

void *EventArgs::find(REFIID iid)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
        return static_cast<IDispatch *>(this);
    if (typed && (IsEqualIID(iid, pelimor::imapi2::iidDiscFormat2DataEventArgs) ||
                  IsEqualIID(iid, pelimor::imapi2::iidWriteEngine2EventArgs)))
        return static_cast<IDiscFormat2DataEventArgs *>(this);
    return nullptr;
}

HRESULT EventArgs::GetTypeInfoCount(UINT *count)
{
    *count = 0;
    return S_OK;
}

HRESULT EventArgs::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids)
{
    for (UINT n = 0; n < count; ++n) {
        ids[n] = DISPID_UNKNOWN;
        for (DISPID i = 0; i < 7; ++i)
            if (std::wcscmp(names[n], argNames[i]) == 0 && (i < 6 || lastRead >= 0))
                ids[n] = 0x100 + i;
        if (ids[n] == DISPID_UNKNOWN)
            return DISP_E_UNKNOWNNAME;
    }
    return S_OK;
}

HRESULT EventArgs::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *result, EXCEPINFO *, UINT *)
{
    const LONG values[] = {action, elapsed, total, sectors, start, lastWritten, lastRead};
    if (id < 0x100 || id >= 0x107 || !result)
        return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = values[id - 0x100];
    return S_OK;
}

void *DiscMaster::find(REFIID iid)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, pelimor::imapi2::iidDiscMaster2))
        return static_cast<IDiscMaster2 *>(this);
    return nullptr;
}

HRESULT DiscMaster::get_Item(LONG index, BSTR *value)
{
    if (index < 0 || static_cast<std::size_t>(index) >= ids.size())
        return E_INVALIDARG;
    return giveText(ids[static_cast<std::size_t>(index)], value);
}

HRESULT DiscMaster::get_Count(LONG *value)
{
    *value = static_cast<LONG>(ids.size());
    return S_OK;
}

void *Recorder::find(REFIID iid)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, pelimor::imapi2::iidDiscRecorder2))
        return static_cast<IDiscRecorder2 *>(this);
    return nullptr;
}

HRESULT Recorder::EjectMedia()
{
    ++ejects;
    return ejectResult;
}

HRESULT Recorder::DisableMcn()
{
    ++mcnDisables;
    mcnDisabled = true;
    return S_OK;
}

HRESULT Recorder::EnableMcn()
{
    mcnDisabled = false;
    return S_OK;
}

HRESULT Recorder::get_ActiveDiscRecorder(BSTR *value)
{
    return giveText(initializedWith, value);
}

HRESULT Recorder::get_ExclusiveAccessOwner(BSTR *value)
{
    return giveText(exclusiveOwner, value);
}

HRESULT Recorder::InitializeDiscRecorder(BSTR id)
{
    initializedWith.assign(id, SysStringLen(id));
    if (initializedWith.empty())
        return E_INVALIDARG;
    if (initialized)
        initialized(*this);
    return S_OK;
}

HRESULT Recorder::get_VendorId(BSTR *value)
{
    return giveText(vendor, value);
}

HRESULT Recorder::get_ProductId(BSTR *value)
{
    return giveText(product, value);
}

HRESULT Recorder::get_ProductRevision(BSTR *value)
{
    return giveText(revision, value);
}

HRESULT Recorder::get_VolumePathNames(SAFEARRAY **value)
{
    *value = variantArray(volumes.size(), [&](std::size_t i, VARIANT &v) {
        v.vt = VT_BSTR;
        v.bstrVal = SysAllocString(volumes[i].c_str());
    });
    return S_OK;
}

HRESULT Recorder::get_SupportedProfiles(SAFEARRAY **value)
{
    *value = variantArray(profiles.size(), [&](std::size_t i, VARIANT &v) {
        v.vt = VT_I4;
        v.lVal = profiles[i];
    });
    return S_OK;
}

void *Format::find(REFIID iid)
{
    using namespace pelimor::imapi2;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, iidDiscFormat2Data))
        return static_cast<IDiscFormat2Data *>(this);
    if (IsEqualIID(iid, IID_IConnectionPointContainer))
        return static_cast<IConnectionPointContainer *>(this);
    if (offersVerification && IsEqualIID(iid, iidBurnVerification))
        return static_cast<IBurnVerification *>(this);
    return nullptr;
}

HRESULT Format::raise(EventArgs &args)
{
    if (!sink)
        return E_UNEXPECTED;
    VARIANT arguments[2];
    VariantInit(&arguments[0]);
    VariantInit(&arguments[1]);
    arguments[0].vt = VT_DISPATCH; // last argument first: the progress
    arguments[0].pdispVal = static_cast<IDispatch *>(&args);
    arguments[1].vt = VT_DISPATCH; // then the writer itself
    arguments[1].pdispVal = static_cast<IDiscFormat2Data *>(this);
    DISPPARAMS params{arguments, nullptr, 2, 0};
    const DWORD outer = std::exchange(updateThread, GetCurrentThreadId());
    const HRESULT hr = sink->Invoke(dispidDataWriterUpdate, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                    nullptr, nullptr, nullptr);
    updateThread = outer;
    return hr;
}

HRESULT Format::IsRecorderSupported(IDiscRecorder2 *r, VARIANT_BOOL *v)
{
    *v = r && recorderSupported ? VARIANT_TRUE : VARIANT_FALSE;
    return r ? S_OK : E_POINTER;
}

HRESULT Format::IsCurrentMediaSupported(IDiscRecorder2 *r, VARIANT_BOOL *v)
{
    *v = r && mediaPresent && mediaSupported ? VARIANT_TRUE : VARIANT_FALSE;
    if (!r)
        return E_POINTER;
    return mediaPresent ? S_OK : static_cast<HRESULT>(0xC0AA0202L); // E_IMAPI_RECORDER_MEDIA_NO_MEDIA
}

HRESULT Format::get_MediaPhysicallyBlank(VARIANT_BOOL *v)
{
    *v = physicallyBlank ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT Format::get_MediaHeuristicallyBlank(VARIANT_BOOL *v)
{
    *v = heuristicallyBlank ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT Format::put_Recorder(IDiscRecorder2 *value)
{
    recorder = value;
    return S_OK;
}

HRESULT Format::get_CurrentMediaStatus(IMAPI_FORMAT2_DATA_MEDIA_STATE *value)
{
    if (becomingReady > 0) {
        --becomingReady;
        *value = IMAPI_FORMAT2_DATA_MEDIA_STATE_UNKNOWN;
        return static_cast<HRESULT>(0xC0AA0205L); // E_IMAPI_RECORDER_MEDIA_BECOMING_READY
    }
    *value = static_cast<IMAPI_FORMAT2_DATA_MEDIA_STATE>(mediaStatus);
    return S_OK;
}

HRESULT Format::get_FreeSectorsOnMedia(LONG *value)
{
    *value = freeSectors;
    return S_OK;
}

HRESULT Format::get_NextWritableAddress(LONG *value)
{
    *value = nextWritable;
    return S_OK;
}

HRESULT Format::put_ClientName(BSTR value)
{
    clientName.assign(value, SysStringLen(value));
    return S_OK;
}

HRESULT findConnectionPoint(REFIID asked, REFIID events, IConnectionPoint *self, IConnectionPoint **point)
{
    if (!IsEqualIID(asked, events)) {
        *point = nullptr;
        return CONNECT_E_NOCONNECTION;
    }
    *point = self;
    self->AddRef();
    return S_OK;
}

HRESULT adviseSink(IUnknown *candidate, REFIID events, IDispatch *&sink, int &advised, DWORD *cookie)
{
    // A source checks that the sink speaks its event interface.
    void *speaks = nullptr;
    if (FAILED(candidate->QueryInterface(events, &speaks)))
        return CONNECT_E_CANNOTCONNECT;
    static_cast<IUnknown *>(speaks)->Release();
    if (FAILED(candidate->QueryInterface(IID_IDispatch, reinterpret_cast<void **>(&sink))))
        return CONNECT_E_CANNOTCONNECT;
    ++advised;
    *cookie = 42;
    return S_OK;
}

HRESULT unadviseSink(DWORD cookie, IDispatch *&sink, int &unadvised)
{
    if (cookie != 42 || !sink)
        return CONNECT_E_NOCONNECTION;
    std::exchange(sink, nullptr)->Release();
    ++unadvised;
    return S_OK;
}

HRESULT Format::FindConnectionPoint(REFIID iid, IConnectionPoint **point)
{
    return findConnectionPoint(iid, pelimor::imapi2::iidDiscFormat2DataEvents, this, point);
}

HRESULT Format::Advise(IUnknown *candidate, DWORD *cookie)
{
    return adviseSink(candidate, pelimor::imapi2::iidDiscFormat2DataEvents, sink, advised, cookie);
}

HRESULT Format::Unadvise(DWORD cookie)
{
    return unadviseSink(cookie, sink, unadvised);
}

HRESULT Format::put_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_LEVEL value)
{
    verification = value;
    return S_OK;
}

} // namespace fakes
