// The receiver of the progress events of IMAPI2's data writer
// (DDiscFormat2DataEvents) and of its eraser (DDiscFormat2EraseEvents).
//
// IMAPI2 raises Update either through the interface's vtable or through
// IDispatch::Invoke with DISPID 0x200; both land in the same place, on
// whatever thread IMAPI2 raises it (its own, while the burn thread waits in
// Write). The values the window shows are read from the event's progress
// object and handed on as a WriteProgress on that same thread; carrying them
// to the window is the caller's business.
//
// A stop is IMAPI2's CancelWrite, which only takes effect when called from
// inside the Update handler: the window sets the stop request, and the next
// Update calls CancelWrite on the writer that raised it.
#pragma once

#include "platform/discservice.h"
#include "platform/windows/imapi2_decl.h"

#include <atomic>
#include <functional>
#include <memory>

namespace pelimor::imapi2 {

// Reads the progress fields from an event's progress object: through
// IDiscFormat2DataEventArgs when it offers it, by property name through
// IDispatch otherwise. False when neither way gives the values.
bool progressFrom(IDispatch *progress, WriteProgress &out);

// The window's wish to stop, and what IMAPI2 made of it.
struct StopRequest {
    std::atomic<bool> wanted{false};
    std::atomic<bool> sent{false};
    std::atomic<long> cancelResult{S_OK}; // CancelWrite's own answer, once sent
};

class ProgressSink final : public DDiscFormat2DataEvents, public DDiscFormat2EraseEvents {
public:
    using Deliver = std::function<void(const WriteProgress &)>;

    // Reference count 1. `stop` may be null (nothing can be stopped; a
    // blank never can).
    static ProgressSink *create(Deliver deliver, std::shared_ptr<StopRequest> stop = nullptr);

    // No delivery starts after this returns.
    void disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID locale, DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *exception, UINT *argumentError) override;
    // DDiscFormat2DataEvents
    HRESULT STDMETHODCALLTYPE Update(IDispatch *object, IDispatch *progress) override;
    // DDiscFormat2EraseEvents: reported as FormattingMedia.
    HRESULT STDMETHODCALLTYPE Update(IDispatch *object, LONG elapsedSeconds, LONG estimatedTotalSeconds) override;

private:
    ProgressSink(Deliver deliver, std::shared_ptr<StopRequest> stop);
    ~ProgressSink();
    void cancelIfAsked(IDispatch *writer);
    void deliver(const WriteProgress &values);

    LONG m_refs = 1;
    Deliver m_deliver;
    std::shared_ptr<StopRequest> m_stop;
    CRITICAL_SECTION m_lock;
    bool m_connected = true;
};

} // namespace pelimor::imapi2
