#include "platform/windows/imapi2_events.h"

#include "platform/windows/com_support.h"

#include <utility>

namespace pelimor::imapi2 {
namespace {

bool longProperty(IDispatch *object, const wchar_t *name, long &value)
{
    auto *mutableName = const_cast<LPOLESTR>(name);
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(object->GetIDsOfNames(IID_NULL, &mutableName, 1, LOCALE_USER_DEFAULT, &id)))
        return false;
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    HRESULT hr =
        object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr);
    if (SUCCEEDED(hr))
        hr = VariantChangeType(&result, &result, 0, VT_I4);
    if (SUCCEEDED(hr))
        value = result.lVal;
    VariantClear(&result);
    return SUCCEEDED(hr);
}

IDispatch *dispatchFrom(const VARIANT &argument)
{
    const VARIANT *v = &argument;
    if (v->vt == (VT_VARIANT | VT_BYREF) && v->pvarVal)
        v = v->pvarVal;
    if (v->vt == VT_DISPATCH)
        return v->pdispVal;
    if (v->vt == (VT_DISPATCH | VT_BYREF) && v->ppdispVal)
        return *v->ppdispVal;
    return nullptr;
}

} // namespace

bool progressFrom(IDispatch *progress, WriteProgress &out)
{
    if (!progress)
        return false;
    win::ComPtr<IDiscFormat2DataEventArgs> args;
    if (SUCCEEDED(progress->QueryInterface(iidDiscFormat2DataEventArgs, args.putVoid())) && args) {
        LONG elapsed = 0, total = 0, sectors = 0, start = 0, lastWritten = 0;
        IMAPI_FORMAT2_DATA_WRITE_ACTION action{};
        if (SUCCEEDED(args->get_CurrentAction(&action)) && SUCCEEDED(args->get_ElapsedTime(&elapsed)) &&
            SUCCEEDED(args->get_TotalTime(&total)) && SUCCEEDED(args->get_SectorCount(&sectors)) &&
            SUCCEEDED(args->get_StartLba(&start)) && SUCCEEDED(args->get_LastWrittenLba(&lastWritten))) {
            // While verifying, the sector reached is the last one read
            // back, as the other backends report it.
            LONG lastRead = 0;
            if (action == IMAPI_FORMAT2_DATA_WRITE_ACTION_VERIFYING && SUCCEEDED(args->get_LastReadLba(&lastRead)))
                lastWritten = lastRead;
            out = WriteProgress{static_cast<WriteAction>(action), static_cast<int>(elapsed),
                                static_cast<int>(total),          static_cast<int>(sectors),
                                static_cast<int>(start),          static_cast<int>(lastWritten)};
            return true;
        }
    }
    // Across apartments the object may only be reachable by late binding.
    long action = 0, elapsed = 0, total = 0, sectors = 0, start = 0, lastWritten = 0;
    if (!longProperty(progress, L"CurrentAction", action) || !longProperty(progress, L"ElapsedTime", elapsed) ||
        !longProperty(progress, L"TotalTime", total) || !longProperty(progress, L"SectorCount", sectors) ||
        !longProperty(progress, L"StartLba", start) || !longProperty(progress, L"LastWrittenLba", lastWritten))
        return false;
    long lastRead = 0;
    if (action == IMAPI_FORMAT2_DATA_WRITE_ACTION_VERIFYING && longProperty(progress, L"LastReadLba", lastRead))
        lastWritten = lastRead;
    out = WriteProgress{static_cast<WriteAction>(action), static_cast<int>(elapsed), static_cast<int>(total),
                        static_cast<int>(sectors),        static_cast<int>(start),   static_cast<int>(lastWritten)};
    return true;
}

ProgressSink *ProgressSink::create(Deliver deliver, std::shared_ptr<StopRequest> stop)
{
    return new ProgressSink(std::move(deliver), std::move(stop));
}

ProgressSink::ProgressSink(Deliver deliver, std::shared_ptr<StopRequest> stop)
    : m_deliver(std::move(deliver)), m_stop(std::move(stop))
{
    InitializeCriticalSection(&m_lock);
}

ProgressSink::~ProgressSink()
{
    DeleteCriticalSection(&m_lock);
}

void ProgressSink::disconnect()
{
    EnterCriticalSection(&m_lock);
    m_connected = false;
    LeaveCriticalSection(&m_lock);
}

void ProgressSink::cancelIfAsked(IDispatch *writer)
{
    if (!m_stop || !m_stop->wanted.load() || m_stop->sent.exchange(true))
        return;
    win::ComPtr<IDiscFormat2Data> format;
    HRESULT hr = writer ? writer->QueryInterface(iidDiscFormat2Data, format.putVoid()) : E_POINTER;
    if (SUCCEEDED(hr) && format)
        hr = format->CancelWrite();
    m_stop->cancelResult = hr;
    // Refused (IMAPI2 was between phases, say): the next Update asks again.
    if (FAILED(hr))
        m_stop->sent = false;
}

HRESULT ProgressSink::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, iidDiscFormat2DataEvents))
        *object = static_cast<DDiscFormat2DataEvents *>(this);
    else if (IsEqualIID(iid, iidDiscFormat2EraseEvents))
        *object = static_cast<DDiscFormat2EraseEvents *>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG ProgressSink::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_refs));
}

ULONG ProgressSink::Release()
{
    const LONG left = InterlockedDecrement(&m_refs);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT ProgressSink::GetTypeInfoCount(UINT *count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ProgressSink::GetTypeInfo(UINT, LCID, ITypeInfo **info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT ProgressSink::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids)
{
    if (!names || !ids)
        return E_POINTER;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    if (count >= 1 && names[0] && lstrcmpiW(names[0], L"Update") == 0) {
        ids[0] = dispidDataWriterUpdate;
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT ProgressSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *result, EXCEPINFO *,
                             UINT *argumentError)
{
    if (result)
        VariantInit(result);
    if (member != dispidDataWriterUpdate)
        return DISP_E_MEMBERNOTFOUND;
    // Invoke lists the arguments last to first. The eraser's Update has
    // three: the eraser, elapsed and estimated total seconds.
    if (params && params->cArgs == 3 && params->rgvarg) {
        LONG seconds[2] = {};
        for (int i = 0; i < 2; ++i) {
            VARIANT number;
            VariantInit(&number);
            if (FAILED(VariantChangeType(&number, &params->rgvarg[1 - i], 0, VT_I4))) {
                if (argumentError)
                    *argumentError = static_cast<UINT>(1 - i);
                return DISP_E_TYPEMISMATCH;
            }
            seconds[i] = number.lVal;
        }
        return Update(dispatchFrom(params->rgvarg[2]), seconds[0], seconds[1]);
    }
    if (!params || params->cArgs != 2 || !params->rgvarg)
        return DISP_E_BADPARAMCOUNT;
    // rgvarg[1] is the writer, rgvarg[0] the progress object.
    IDispatch *progress = dispatchFrom(params->rgvarg[0]);
    if (!progress) {
        if (argumentError)
            *argumentError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    return Update(dispatchFrom(params->rgvarg[1]), progress);
}

HRESULT ProgressSink::Update(IDispatch *object, IDispatch *progress)
{
    cancelIfAsked(object);
    WriteProgress values;
    if (!progressFrom(progress, values))
        return E_INVALIDARG;
    deliver(values);
    return S_OK;
}

HRESULT ProgressSink::Update(IDispatch *, LONG elapsedSeconds, LONG estimatedTotalSeconds)
{
    WriteProgress values;
    values.CurrentAction = WriteAction::FormattingMedia;
    values.ElapsedTime = static_cast<int>(elapsedSeconds);
    values.TotalTime = static_cast<int>(estimatedTotalSeconds);
    deliver(values);
    return S_OK;
}

void ProgressSink::deliver(const WriteProgress &values)
{
    // Held while delivering, so that once disconnect() returns no delivery
    // is still running on IMAPI2's thread.
    EnterCriticalSection(&m_lock);
    if (m_connected && m_deliver) {
        try {
            m_deliver(values);
        } catch (...) {
            // A failing display must not break the service's event source.
        }
    }
    LeaveCriticalSection(&m_lock);
}

} // namespace pelimor::imapi2
