#include "platform/windows/imapi2_events.h"

#include "platform/windows/com_support.h"

#include <utility>

namespace pelimor::imapi2 {
namespace {

constexpr UINT queuedProgressMessage = WM_APP + 0x200;
constexpr wchar_t windowClassName[] = L"PelimorBurnProgressSink";

LRESULT CALLBACK sinkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == queuedProgressMessage) {
        if (auto *sink = reinterpret_cast<DataEventSink *>(GetWindowLongPtrW(window, GWLP_USERDATA)))
            sink->deliverQueued();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createMessageWindow()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = sinkWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = windowClassName;
    RegisterClassExW(&windowClass); // fails harmlessly once registered
    return CreateWindowExW(0, windowClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                           nullptr);
}

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
    out = WriteProgress{static_cast<WriteAction>(action), static_cast<int>(elapsed), static_cast<int>(total),
                        static_cast<int>(sectors),        static_cast<int>(start),   static_cast<int>(lastWritten)};
    return true;
}

DataEventSink *DataEventSink::create(Deliver deliver)
{
    return new DataEventSink(std::move(deliver));
}

DataEventSink::DataEventSink(Deliver deliver) : m_deliver(std::move(deliver)), m_ownerThread(GetCurrentThreadId())
{
    InitializeCriticalSection(&m_lock);
    m_window = createMessageWindow();
    if (m_window)
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

DataEventSink::~DataEventSink()
{
    if (m_window) {
        // Normally gone already (disconnect); otherwise make sure the window
        // no longer reaches this object, and let its own thread close it.
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        if (GetCurrentThreadId() == m_ownerThread)
            DestroyWindow(m_window);
        else
            PostMessageW(m_window, WM_CLOSE, 0, 0);
    }
    DeleteCriticalSection(&m_lock);
}

void DataEventSink::disconnect()
{
    if (GetCurrentThreadId() != m_ownerThread)
        return;
    EnterCriticalSection(&m_lock);
    m_connected = false;
    m_queue.clear();
    HWND window = std::exchange(m_window, nullptr);
    LeaveCriticalSection(&m_lock);
    if (window) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}

void DataEventSink::deliverQueued()
{
    for (;;) {
        EnterCriticalSection(&m_lock);
        if (!m_connected || m_queue.empty()) {
            LeaveCriticalSection(&m_lock);
            return;
        }
        const WriteProgress next = m_queue.front();
        m_queue.pop_front();
        LeaveCriticalSection(&m_lock);
        deliver(next);
    }
}

void DataEventSink::deliver(const WriteProgress &progress)
{
    if (!m_connected || !m_deliver)
        return;
    try {
        m_deliver(progress);
    } catch (...) {
        // A failing display must not break the service's event source; the
        // next event simply tries again.
    }
}

HRESULT DataEventSink::QueryInterface(REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, iidDiscFormat2DataEvents)) {
        *object = static_cast<DDiscFormat2DataEvents *>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

ULONG DataEventSink::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_refs));
}

ULONG DataEventSink::Release()
{
    const LONG left = InterlockedDecrement(&m_refs);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT DataEventSink::GetTypeInfoCount(UINT *count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DataEventSink::GetTypeInfo(UINT, LCID, ITypeInfo **info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT DataEventSink::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids)
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

HRESULT DataEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *result, EXCEPINFO *,
                              UINT *argumentError)
{
    if (result)
        VariantInit(result);
    if (member != dispidDataWriterUpdate)
        return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != 2 || !params->rgvarg)
        return DISP_E_BADPARAMCOUNT;
    // Invoke lists the arguments last to first: rgvarg[1] is the writer,
    // rgvarg[0] the progress object.
    IDispatch *progress = dispatchFrom(params->rgvarg[0]);
    if (!progress) {
        if (argumentError)
            *argumentError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    return Update(dispatchFrom(params->rgvarg[1]), progress);
}

HRESULT DataEventSink::Update(IDispatch *, IDispatch *progress)
{
    WriteProgress values;
    if (!progressFrom(progress, values))
        return E_INVALIDARG;
    if (GetCurrentThreadId() == m_ownerThread) {
        deliver(values);
        return S_OK;
    }
    HWND window = nullptr;
    EnterCriticalSection(&m_lock);
    if (m_connected && m_window) {
        m_queue.push_back(values);
        window = m_window;
    }
    LeaveCriticalSection(&m_lock);
    if (window)
        PostMessageW(window, queuedProgressMessage, 0, 0);
    return S_OK;
}

} // namespace pelimor::imapi2
