// The stand-in eraser: a blank that blocks its caller and reports from the
// service's own thread, as IMAPI2's does.
#include "imapi2_fakes.h"

#include <utility>

namespace fakes {
namespace {

DWORD WINAPI eraseThread(void *parameter)
{
    auto *eraser = static_cast<Eraser *>(parameter);
    const HRESULT hr = eraser->eraseOnServiceThread();
    return static_cast<DWORD>(hr);
}

} // namespace

void *Eraser::find(REFIID iid)
{
    using namespace pelimor::imapi2;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, iidDiscFormat2Erase))
        return static_cast<IDiscFormat2Erase *>(this);
    if (IsEqualIID(iid, IID_IConnectionPointContainer))
        return static_cast<IConnectionPointContainer *>(this);
    return nullptr;
}

HRESULT Eraser::raise(LONG elapsed, LONG total)
{
    if (!sink)
        return E_UNEXPECTED;
    // Last argument first, as Invoke takes them.
    VARIANT arguments[3];
    for (VARIANT &argument : arguments)
        VariantInit(&argument);
    arguments[0].vt = VT_I4;
    arguments[0].lVal = total;
    arguments[1].vt = VT_I4;
    arguments[1].lVal = elapsed;
    arguments[2].vt = VT_DISPATCH;
    arguments[2].pdispVal = static_cast<IDiscFormat2Erase *>(this);
    DISPPARAMS params{arguments, nullptr, 3, 0};
    return sink->Invoke(pelimor::imapi2::dispidEraseUpdate, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                        nullptr, nullptr, nullptr);
}

HRESULT Eraser::IsRecorderSupported(IDiscRecorder2 *r, VARIANT_BOOL *v)
{
    *v = r ? VARIANT_TRUE : VARIANT_FALSE;
    return r ? S_OK : E_POINTER;
}

HRESULT Eraser::IsCurrentMediaSupported(IDiscRecorder2 *r, VARIANT_BOOL *v)
{
    *v = r && mediaSupported ? VARIANT_TRUE : VARIANT_FALSE;
    return r ? S_OK : E_POINTER;
}

HRESULT Eraser::put_Recorder(IDiscRecorder2 *value)
{
    recorder = value;
    return S_OK;
}

HRESULT Eraser::put_FullErase(VARIANT_BOOL value)
{
    fullErase = value != VARIANT_FALSE;
    return S_OK;
}

HRESULT Eraser::put_ClientName(BSTR value)
{
    clientName.assign(value, SysStringLen(value));
    return S_OK;
}

HRESULT Eraser::EraseMedia()
{
    if (!recorder)
        return static_cast<HRESULT>(0xC0AA0003L); // no recorder chosen
    eraseCaller = GetCurrentThreadId();
    HANDLE thread = CreateThread(nullptr, 0, fakes::eraseThread, this, 0, nullptr);
    if (!thread)
        return E_OUTOFMEMORY;
    WaitForSingleObject(thread, INFINITE);
    DWORD result = static_cast<DWORD>(E_FAIL);
    GetExitCodeThread(thread, &result);
    CloseHandle(thread);
    return static_cast<HRESULT>(result);
}

HRESULT Eraser::eraseOnServiceThread()
{
    eraseThread = GetCurrentThreadId();
    ++erases;
    if (during)
        during(*this);
    if (SUCCEEDED(eraseResult) && erased)
        erased();
    return eraseResult;
}

HRESULT Eraser::FindConnectionPoint(REFIID iid, IConnectionPoint **point)
{
    return findConnectionPoint(iid, pelimor::imapi2::iidDiscFormat2EraseEvents, this, point);
}

HRESULT Eraser::Advise(IUnknown *candidate, DWORD *cookie)
{
    return adviseSink(candidate, pelimor::imapi2::iidDiscFormat2EraseEvents, sink, advised, cookie);
}

HRESULT Eraser::Unadvise(DWORD cookie)
{
    return unadviseSink(cookie, sink, unadvised);
}

} // namespace fakes
