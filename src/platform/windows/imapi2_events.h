// The receiver of the data writer's progress events (DDiscFormat2DataEvents).
//
// IMAPI2 raises Update either through the interface's vtable or through
// IDispatch::Invoke with DISPID 0x200; both land in the same place. The six
// values the window shows are read from the event's progress object and
// handed on as a WriteProgress, always on the thread that created the sink
// (the UI thread): a call arriving there is delivered at once, a call from
// any other thread is queued and delivered when that thread next pumps
// messages, which IMAPI2's Write does while it runs.
#pragma once

#include "platform/discservice.h"
#include "platform/windows/imapi2_decl.h"

#include <deque>
#include <functional>

namespace pelimor::imapi2 {

// Reads the progress fields from an event's progress object: through
// IDiscFormat2DataEventArgs when it offers it, by property name through
// IDispatch otherwise. False when neither way gives the values.
bool progressFrom(IDispatch *progress, WriteProgress &out);

class DataEventSink final : public DDiscFormat2DataEvents {
public:
    using Deliver = std::function<void(const WriteProgress &)>;

    // Create on the thread that must receive the events. Reference count 1.
    static DataEventSink *create(Deliver deliver);

    // Stops all deliveries, including queued ones. Call on the creating
    // thread before letting go of the last reference.
    void disconnect();
    // Delivers what other threads have queued; the hidden window calls it.
    void deliverQueued();

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

private:
    explicit DataEventSink(Deliver deliver);
    ~DataEventSink();
    void deliver(const WriteProgress &progress);

    LONG m_refs = 1;
    Deliver m_deliver;
    DWORD m_ownerThread;
    HWND m_window = nullptr;
    CRITICAL_SECTION m_lock;
    std::deque<WriteProgress> m_queue;
    bool m_connected = true;
};

} // namespace pelimor::imapi2
