// Stand-ins for the IMAPI2 objects, which Wine does not have: a disc master,
// a recorder, a data writer and an eraser with their event sources, registered in this
// process under the real class identifiers so the backend creates them just
// as it creates the service's own. They live on the test's stack; Release
// never deletes them.
//
// They behave as IMAPI2 is documented to, not as a caller would like: Write
// blocks its caller without pumping its messages and raises Update from a
// thread of its own; CancelWrite takes effect only from inside Update; media
// states are bit sets, with OVERWRITE_ONLY on rewritable discs; an empty
// tray is an error since Windows 7; a disc may still be becoming ready;
// full verification reads the stream again, seeking backwards; eject can
// fail; another program can hold the drive.
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
        return static_cast<ULONG>(InterlockedIncrement(&refs));                                                        \
    }                                                                                                                  \
    ULONG STDMETHODCALLTYPE Release() override                                                                         \
    {                                                                                                                  \
        return static_cast<ULONG>(InterlockedDecrement(&refs));                                                        \
    }                                                                                                                  \
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override                                       \
    {                                                                                                                  \
        *object = find(iid);                                                                                           \
        if (!*object)                                                                                                  \
            return E_NOINTERFACE;                                                                                      \
        AddRef();                                                                                                      \
        return S_OK;                                                                                                   \
    }

// An event source with a single sink, as both of the service's are: the
// container finds one connection point (itself), which takes one sink
// that speaks the source's event interface.
#define FAKE_CONNECTION_POINT                                                                                          \
    FAKE_UNUSED(EnumConnectionPoints(IEnumConnectionPoints **))                                                        \
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint **point) override;                      \
    FAKE_UNUSED(GetConnectionInterface(IID *))                                                                         \
    FAKE_UNUSED(GetConnectionPointContainer(IConnectionPointContainer **))                                             \
    HRESULT STDMETHODCALLTYPE Advise(IUnknown *sink, DWORD *cookie) override;                                          \
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;                                                         \
    FAKE_UNUSED(EnumConnections(IEnumConnections **))

// What those methods do, for the source's events interface.
HRESULT findConnectionPoint(REFIID asked, REFIID events, IConnectionPoint *self, IConnectionPoint **point);
HRESULT adviseSink(IUnknown *candidate, REFIID events, IDispatch *&sink, int &advised, DWORD *cookie);
HRESULT unadviseSink(DWORD cookie, IDispatch *&sink, int &unadvised);

// The progress object of one Update event.
struct EventArgs final : public IDiscFormat2DataEventArgs {
    FAKE_UNKNOWN
    bool typed = true; // false: reachable only by late binding
    LONG action = 0, elapsed = 0, remaining = 0, total = 0, sectors = 0, start = 0, lastWritten = 0;
    LONG lastRead = -1; // the sector verified last; -1: not reported

    void *find(REFIID iid);
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    FAKE_UNUSED(GetTypeInfo(UINT, LCID, ITypeInfo **))
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *result, EXCEPINFO *,
                                     UINT *) override;
    HRESULT STDMETHODCALLTYPE get_StartLba(LONG *v) override { return give(start, v); }
    HRESULT STDMETHODCALLTYPE get_SectorCount(LONG *v) override { return give(sectors, v); }
    HRESULT STDMETHODCALLTYPE get_LastReadLba(LONG *v) override { return lastRead < 0 ? E_NOTIMPL : give(lastRead, v); }
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
    HRESULT ejectResult = S_OK; // e.g. becoming ready right after a burn
    bool mcnDisabled = false;   // media change notifications (AutoPlay) off
    int mcnDisables = 0;
    std::wstring exclusiveOwner; // the program holding the drive, if any
    // Runs after InitializeDiscRecorder: the stand-in service fills in the
    // recorder the identifier names.
    std::function<void(Recorder &)> initialized;
    void *find(REFIID iid);
    FAKE_DISPATCH_STUBS
    HRESULT STDMETHODCALLTYPE EjectMedia() override;
    FAKE_UNUSED(CloseTray())
    FAKE_UNUSED(AcquireExclusiveAccess(VARIANT_BOOL, BSTR))
    FAKE_UNUSED(ReleaseExclusiveAccess())
    HRESULT STDMETHODCALLTYPE DisableMcn() override;
    HRESULT STDMETHODCALLTYPE EnableMcn() override;
    HRESULT STDMETHODCALLTYPE InitializeDiscRecorder(BSTR id) override;
    HRESULT STDMETHODCALLTYPE get_ActiveDiscRecorder(BSTR *value) override;
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
    HRESULT STDMETHODCALLTYPE get_ExclusiveAccessOwner(BSTR *value) override;
};

// The data writer with its event source and verification setting. Write
// reads the stream (up to readLimit bytes) on a thread of its own and runs
// `during` there after the first chunk, which is where a test raises its
// events; the caller of Write just waits. With full verification it then
// reads a few sampled sectors backwards and the whole stream once more, and
// fails as IMAPI2 does when the second reading differs from the first.
struct Format final : public IDiscFormat2Data,
                      public IConnectionPointContainer,
                      public IConnectionPoint,
                      public IBurnVerification {
    FAKE_UNKNOWN
    bool offersVerification = true;
    bool recorderSupported = true, mediaSupported = true;
    bool mediaPresent = true; // false: IsCurrentMediaSupported fails, as since Windows 7
    // A bit set; rewritable discs carry OVERWRITE_ONLY (1), and report
    // their whole capacity as free, used or not.
    LONG mediaStatus = 2, nextWritable = 0, freeSectors = 359847;
    int becomingReady = 0; // this many state reads fail with "becoming ready" first
    bool physicallyBlank = true, heuristicallyBlank = true;
    bool forceClosed = false;
    IDiscRecorder2 *recorder = nullptr;
    std::wstring clientName;
    IMAPI_BURN_VERIFICATION_LEVEL verification = IMAPI_BURN_VERIFICATION_NONE;
    HRESULT writeResult = S_OK;
    std::uint64_t readLimit = ~0ull;
    std::uint64_t bytesRead = 0, streamSize = 0;
    std::function<void(Format &)> during;
    bool cancelTakesEffect = true; // false: too late, the burn runs on to its end
    int cancels = 0, ignoredCancels = 0;
    DWORD writeCaller = 0, writeThread = 0, updateThread = 0;
    int verifySeeks = 0;
    IDispatch *sink = nullptr; // the advised event sink
    int advised = 0, unadvised = 0;
    // When set, Write hands the stream to it instead of reading it here: the
    // stand-in service under Wine burns the way IMAPI2 does (service_burn.h).
    std::function<HRESULT(Format &, IStream *)> writeWith;

    void *find(REFIID iid);
    // Raises one Update through Invoke, as an event source does.
    HRESULT raise(EventArgs &args);
    // Write's work, on the service's own thread.
    HRESULT writeOnServiceThread(IStream *data);
    bool cancelled = false;

    FAKE_DISPATCH_STUBS
    HRESULT STDMETHODCALLTYPE IsRecorderSupported(IDiscRecorder2 *r, VARIANT_BOOL *v) override;
    HRESULT STDMETHODCALLTYPE IsCurrentMediaSupported(IDiscRecorder2 *r, VARIANT_BOOL *v) override;
    HRESULT STDMETHODCALLTYPE get_MediaPhysicallyBlank(VARIANT_BOOL *v) override;
    HRESULT STDMETHODCALLTYPE get_MediaHeuristicallyBlank(VARIANT_BOOL *v) override;
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
    HRESULT STDMETHODCALLTYPE put_ForceMediaToBeClosed(VARIANT_BOOL value) override
    {
        forceClosed = value != VARIANT_FALSE;
        return S_OK;
    }
    FAKE_UNUSED(get_ForceMediaToBeClosed(VARIANT_BOOL *))
    FAKE_UNUSED(put_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL))
    FAKE_UNUSED(get_DisableConsumerDvdCompatibilityMode(VARIANT_BOOL *))
    int physicalType = -1; // -1: the service cannot tell
    HRESULT STDMETHODCALLTYPE get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE *value) override
    {
        *value = static_cast<IMAPI_MEDIA_PHYSICAL_TYPE>(physicalType < 0 ? 0 : physicalType);
        return physicalType < 0 ? E_FAIL : S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) override;
    FAKE_UNUSED(get_ClientName(BSTR *))
    FAKE_UNUSED(get_RequestedWriteSpeed(LONG *))
    FAKE_UNUSED(get_RequestedRotationTypeIsPureCAV(VARIANT_BOOL *))
    FAKE_UNUSED(get_CurrentWriteSpeed(LONG *))
    FAKE_UNUSED(get_CurrentRotationTypeIsPureCAV(VARIANT_BOOL *))
    FAKE_UNUSED(get_SupportedWriteSpeeds(SAFEARRAY **))
    FAKE_UNUSED(get_SupportedWriteSpeedDescriptors(SAFEARRAY **))
    bool forceOverwrite = false;
    HRESULT STDMETHODCALLTYPE put_ForceOverwrite(VARIANT_BOOL value) override
    {
        forceOverwrite = value != VARIANT_FALSE;
        return S_OK;
    }
    FAKE_UNUSED(get_ForceOverwrite(VARIANT_BOOL *))
    FAKE_UNUSED(get_MultisessionInterfaces(SAFEARRAY **))
    HRESULT STDMETHODCALLTYPE Write(IStream *data) override;
    // Heeded only from inside Update; Write then ends with IMAPI2's
    // "cancelled" result (unless it comes too late).
    HRESULT STDMETHODCALLTYPE CancelWrite() override;
    FAKE_UNUSED(SetWriteSpeed(LONG, VARIANT_BOOL))
    FAKE_CONNECTION_POINT
    // IBurnVerification
    HRESULT STDMETHODCALLTYPE put_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_LEVEL value) override;
    FAKE_UNUSED(get_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_LEVEL *))
};

// The eraser with its event source. EraseMedia blocks its caller as Write
// does and runs `during` on a thread of its own, where a test raises its
// events; a successful blank then runs `erased`, which makes the disc blank
// in whatever world the stand-in lives. Quick unless FullErase is set, as
// IMAPI2's eraser.
struct Eraser final : public IDiscFormat2Erase, public IConnectionPointContainer, public IConnectionPoint {
    FAKE_UNKNOWN
    bool mediaSupported = true;
    IDiscRecorder2 *recorder = nullptr;
    bool fullErase = false;
    std::wstring clientName;
    HRESULT eraseResult = S_OK;
    std::function<void(Eraser &)> during;
    std::function<void()> erased;
    int erases = 0;
    DWORD eraseCaller = 0, eraseThread = 0;
    IDispatch *sink = nullptr;
    int advised = 0, unadvised = 0;

    void *find(REFIID iid);
    // Raises one Update through Invoke, with the eraser and both times.
    HRESULT raise(LONG elapsed, LONG total);
    HRESULT eraseOnServiceThread();

    FAKE_DISPATCH_STUBS
    HRESULT STDMETHODCALLTYPE IsRecorderSupported(IDiscRecorder2 *r, VARIANT_BOOL *v) override;
    HRESULT STDMETHODCALLTYPE IsCurrentMediaSupported(IDiscRecorder2 *r, VARIANT_BOOL *v) override;
    FAKE_UNUSED(get_MediaPhysicallyBlank(VARIANT_BOOL *))
    FAKE_UNUSED(get_MediaHeuristicallyBlank(VARIANT_BOOL *))
    FAKE_UNUSED(get_SupportedMediaTypes(SAFEARRAY **))
    HRESULT STDMETHODCALLTYPE put_Recorder(IDiscRecorder2 *value) override;
    FAKE_UNUSED(get_Recorder(IDiscRecorder2 **))
    HRESULT STDMETHODCALLTYPE put_FullErase(VARIANT_BOOL value) override;
    FAKE_UNUSED(get_FullErase(VARIANT_BOOL *))
    FAKE_UNUSED(get_CurrentPhysicalMediaType(IMAPI_MEDIA_PHYSICAL_TYPE *))
    HRESULT STDMETHODCALLTYPE put_ClientName(BSTR value) override;
    FAKE_UNUSED(get_ClientName(BSTR *))
    HRESULT STDMETHODCALLTYPE EraseMedia() override;
    FAKE_CONNECTION_POINT
};

// Makes CoCreateInstance of one class identifier hand out the given object,
// for as long as the registration lives.
class Registration final : public IClassFactory {
public:
    Registration(const CLSID &clsid, IUnknown *object);
    Registration(const Registration &) = delete;
    Registration &operator=(const Registration &) = delete;
    ~Registration();
    bool ok() const { return m_cookie != 0 && m_mtaCookie != 0; }

    FAKE_UNKNOWN
    void *find(REFIID iid);
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID iid, void **object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    static DWORD WINAPI inMultithreadedApartment(void *self);
    CLSID m_clsid;
    IUnknown *m_object;
    DWORD m_cookie = 0;
    // The same class in the multithreaded apartment, where the backend's
    // burn thread creates its objects.
    HANDLE m_mtaThread = nullptr, m_mtaReady = nullptr, m_mtaStop = nullptr;
    DWORD m_mtaCookie = 0;
};

} // namespace fakes
