// Stand-ins for the IMAPI2 objects, which Wine does not have: a disc master,
// a recorder and a data writer with its event source, registered in this
// process under the real class identifiers so the backend creates them just
// as it creates the service's own. They live on the test's stack; Release
// never deletes them.
#pragma once

#include "platform/windows/com_support.h"
#include "platform/windows/imapi2_decl.h"

#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

namespace fakes {

#define FAKE_UNUSED(signature)                                                                                         \
    HRESULT STDMETHODCALLTYPE signature override                                                                       \
    {                                                                                                                  \
        return E_NOTIMPL;                                                                                              \
    }

// IDispatch with no type information, for objects reached by vtable.
#define FAKE_DISPATCH_STUBS                                                                                            \
    FAKE_UNUSED(GetTypeInfoCount(UINT *))                                                                              \
    FAKE_UNUSED(GetTypeInfo(UINT, LCID, ITypeInfo **))                                                                 \
    FAKE_UNUSED(GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *))                                               \
    FAKE_UNUSED(Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *, UINT *))

// AddRef and Release that only count, and QueryInterface over a list of
// (interface, pointer) pairs.
#define FAKE_UNKNOWN                                                                                                   \
    LONG refs = 0;                                                                                                     \
    ULONG STDMETHODCALLTYPE AddRef() override                                                                          \
    {                                                                                                                  \
        return static_cast<ULONG>(++refs);                                                                             \
    }                                                                                                                  \
    ULONG STDMETHODCALLTYPE Release() override                                                                         \
    {                                                                                                                  \
        return static_cast<ULONG>(--refs);                                                                             \
    }                                                                                                                  \
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override                                       \
    {                                                                                                                  \
        *object = find(iid);                                                                                           \
        if (!*object)                                                                                                  \
            return E_NOINTERFACE;                                                                                      \
        AddRef();                                                                                                      \
        return S_OK;                                                                                                   \
    }

// The progress object of one Update event.
struct EventArgs final : public IDiscFormat2DataEventArgs {
    FAKE_UNKNOWN
    bool typed = true; // false: reachable only by late binding
    LONG action = 0, elapsed = 0, remaining = 0, total = 0, sectors = 0, start = 0, lastWritten = 0;

    void *find(REFIID iid);
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    FAKE_UNUSED(GetTypeInfo(UINT, LCID, ITypeInfo **))
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *result, EXCEPINFO *,
                                     UINT *) override;
    HRESULT STDMETHODCALLTYPE get_StartLba(LONG *v) override { return give(start, v); }
    HRESULT STDMETHODCALLTYPE get_SectorCount(LONG *v) override { return give(sectors, v); }
    FAKE_UNUSED(get_LastReadLba(LONG *))
    HRESULT STDMETHODCALLTYPE get_LastWrittenLba(LONG *v) override { return give(lastWritten, v); }
    FAKE_UNUSED(get_TotalSystemBuffer(LONG *))
    FAKE_UNUSED(get_UsedSystemBuffer(LONG *))
    FAKE_UNUSED(get_FreeSystemBuffer(LONG *))
    HRESULT STDMETHODCALLTYPE get_ElapsedTime(LONG *v) override { return give(elapsed, v); }
    HRESULT STDMETHODCALLTYPE get_RemainingTime(LONG *v) override { return give(remaining, v); }
    HRESULT STDMETHODCALLTYPE get_TotalTime(LONG *v) override { return give(total, v); }
    HRESULT STDMETHODCALLTYPE get_CurrentAction(IMAPI_FORMAT2_DATA_WRITE_ACTION *v) override
    {
        *v = static_cast<IMAPI_FORMAT2_DATA_WRITE_ACTION>(action);
        return S_OK;
    }
    static HRESULT give(LONG value, LONG *out)
    {
        *out = value;
        return S_OK;
    }
};

struct DiscMaster final : public IDiscMaster2 {
    FAKE_UNKNOWN
    std::vector<std::wstring> ids;
    void *find(REFIID iid);
    FAKE_DISPATCH_STUBS
    FAKE_UNUSED(get__NewEnum(IEnumVARIANT **))
    HRESULT STDMETHODCALLTYPE get_Item(LONG index, BSTR *value) override;
    HRESULT STDMETHODCALLTYPE get_Count(LONG *value) override;
    FAKE_UNUSED(get_IsSupportedEnvironment(VARIANT_BOOL *))
};

struct Recorder final : public IDiscRecorder2 {
    FAKE_UNKNOWN
    std::wstring initializedWith;
    std::vector<LONG> profiles;
    std::wstring vendor, product, revision;
    std::vector<std::wstring> volumes;
    int ejects = 0;
    // Runs after InitializeDiscRecorder: the stand-in service fills in the
    // recorder the identifier names.
    std::function<void(Recorder &)> initialized;
    void *find(REFIID iid);
    FAKE_DISPATCH_STUBS
    HRESULT STDMETHODCALLTYPE EjectMedia() override;
    FAKE_UNUSED(CloseTray())
    FAKE_UNUSED(AcquireExclusiveAccess(VARIANT_BOOL, BSTR))
    FAKE_UNUSED(ReleaseExclusiveAccess())
    FAKE_UNUSED(DisableMcn())
    FAKE_UNUSED(EnableMcn())
    HRESULT STDMETHODCALLTYPE InitializeDiscRecorder(BSTR id) override;
    FAKE_UNUSED(get_ActiveDiscRecorder(BSTR *))
    HRESULT STDMETHODCALLTYPE get_VendorId(BSTR *value) override;
    HRESULT STDMETHODCALLTYPE get_ProductId(BSTR *value) override;
    HRESULT STDMETHODCALLTYPE get_ProductRevision(BSTR *value) override;
    FAKE_UNUSED(get_VolumeName(BSTR *))
    HRESULT STDMETHODCALLTYPE get_VolumePathNames(SAFEARRAY **value) override;
    FAKE_UNUSED(get_DeviceCanLoadMedia(VARIANT_BOOL *))
    FAKE_UNUSED(get_LegacyDeviceNumber(LONG *))
    FAKE_UNUSED(get_SupportedFeaturePages(SAFEARRAY **))
    FAKE_UNUSED(get_CurrentFeaturePages(SAFEARRAY **))
    HRESULT STDMETHODCALLTYPE get_SupportedProfiles(SAFEARRAY **value) override;
    FAKE_UNUSED(get_CurrentProfiles(SAFEARRAY **))
    FAKE_UNUSED(get_SupportedModePages(SAFEARRAY **))
    FAKE_UNUSED(get_ExclusiveAccessOwner(BSTR *))
};

// The data writer with its event source and verification setting. Write
// reads the stream (up to readLimit bytes) and runs `during` between the
// reads, which is where a test raises its events.
struct Format final : public IDiscFormat2Data,
                      public IConnectionPointContainer,
                      public IConnectionPoint,
                      public IBurnVerification {
    FAKE_UNKNOWN
    bool offersVerification = true;
    bool recorderSupported = true, mediaSupported = true;
    LONG mediaStatus = 2, nextWritable = 0, freeSectors = 359847;
    IDiscRecorder2 *recorder = nullptr;
    std::wstring clientName;
    IMAPI_BURN_VERIFICATION_LEVEL verification = IMAPI_BURN_VERIFICATION_NONE;
    HRESULT writeResult = S_OK;
    std::uint64_t readLimit = ~0ull;
    std::uint64_t bytesRead = 0, streamSize = 0;
    std::function<void(Format &)> during;
    int cancels = 0;
    IDispatch *sink = nullptr; // the advised event sink
    int advised = 0, unadvised = 0;
    // When set, Write hands the stream to it instead of reading it here: the
    // stand-in service under Wine burns the way IMAPI2 does (service_burn.h).
    std::function<HRESULT(Format &, IStream *)> writeWith;

    void *find(REFIID iid);
    // Raises one Update through Invoke, as an event source does.
    HRESULT raise(EventArgs &args);

    FAKE_DISPATCH_STUBS
    HRESULT STDMETHODCALLTYPE IsRecorderSupported(IDiscRecorder2 *r, VARIANT_BOOL *v) override;
    HRESULT STDMETHODCALLTYPE IsCurrentMediaSupported(IDiscRecorder2 *r, VARIANT_BOOL *v) override;
    FAKE_UNUSED(get_MediaPhysicallyBlank(VARIANT_BOOL *))
    FAKE_UNUSED(get_MediaHeuristicallyBlank(VARIANT_BOOL *))
    FAKE_UNUSED(get_SupportedMediaTypes(SAFEARRAY **))
    HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2 *value) override;
    FAKE_UNUSED(get_Recorder(IDiscRecorder2 **))
    FAKE_UNUSED(put_BufferUnderrunFreeDisabled(VARIANT_BOOL))
    FAKE_UNUSED(get_BufferUnderrunFreeDisabled(VARIANT_BOOL *))
    FAKE_UNUSED(put_PostgapAlreadyInImage(VARIANT_BOOL))
    FAKE_UNUSED(get_PostgapAlreadyInImage(VARIANT_BOOL *))
    HRESULT STDMETHODCALLTYPE get_CurrentMediaStatus(IMAPI_FORMAT2_DATA_MEDIA_STATE *value) override;
    FAKE_UNUSED(get_WriteProtectStatus(IMAPI_MEDIA_WRITE_PROTECT_STATE *))
    FAKE_UNUSED(get_TotalSectorsOnMedia(LONG *))
    HRESULT STDMETHODCALLTYPE get_FreeSectorsOnMedia(LONG *value) override;
    HRESULT STDMETHODCALLTYPE get_NextWritableAddress(LONG *value) override;
    FAKE_UNUSED(get_StartAddressOfPreviousSession(LONG *))
    FAKE_UNUSED(get_LastWrittenAddressOfPreviousSession(LONG *))
    FAKE_UNUSED(put_ForceMediaToBeClosed(VARIANT_BOOL))
    FAKE_UNUSED(get_ForceMediaToBeClosed(VARIANT_BOOL *))
    FAKE_UNUSED(put_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL))
    FAKE_UNUSED(get_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL *))
    FAKE_UNUSED(get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE *))
    HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) override;
    FAKE_UNUSED(get_ClientName(BSTR *))
    FAKE_UNUSED(get_RequestedWriteSpeed(LONG *))
    FAKE_UNUSED(get_RequestedRotationTypeIsPureCAV(VARIANT_BOOL *))
    FAKE_UNUSED(get_CurrentWriteSpeed(LONG *))
    FAKE_UNUSED(get_CurrentRotationTypeIsPureCAV(VARIANT_BOOL *))
    FAKE_UNUSED(get_SupportedWriteSpeeds(SAFEARRAY **))
    FAKE_UNUSED(get_SupportedWriteSpeedDescriptors(SAFEARRAY **))
    FAKE_UNUSED(put_ForceOverwrite(VARIANT_BOOL))
    FAKE_UNUSED(get_ForceOverwrite(VARIANT_BOOL *))
    FAKE_UNUSED(get_MultisessionInterfaces(SAFEARRAY **))
    HRESULT STDMETHODCALLTYPE Write(IStream *data) override;
    // IMAPI2 ends a cancelled Write with its "cancelled" result.
    HRESULT STDMETHODCALLTYPE CancelWrite() override
    {
        ++cancels;
        writeResult = E_ABORT;
        return S_OK;
    }
    FAKE_UNUSED(SetWriteSpeed(LONG, VARIANT_BOOL))
    // IConnectionPointContainer
    FAKE_UNUSED(EnumConnectionPoints(IEnumConnectionPoints **))
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint **point) override;
    // IConnectionPoint
    FAKE_UNUSED(GetConnectionInterface(IID *))
    FAKE_UNUSED(GetConnectionPointContainer(IConnectionPointContainer **))
    HRESULT STDMETHODCALLTYPE Advise(IUnknown *sink, DWORD *cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    FAKE_UNUSED(EnumConnections(IEnumConnections **))
    // IBurnVerification
    HRESULT STDMETHODCALLTYPE put_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_LEVEL value) override;
    FAKE_UNUSED(get_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_LEVEL *))
};

// Makes CoCreateInstance of one class identifier hand out the given object,
// for as long as the registration lives.
class Registration final : public IClassFactory {
public:
    Registration(const CLSID &clsid, IUnknown *object);
    Registration(const Registration &) = delete;
    Registration &operator=(const Registration &) = delete;
    ~Registration();
    bool ok() const { return m_cookie != 0; }

    FAKE_UNKNOWN
    void *find(REFIID iid);
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    IUnknown *m_object;
    DWORD m_cookie = 0;
};

} // namespace fakes
