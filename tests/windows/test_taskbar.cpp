// The taskbar button's progress against a stand-in ITaskbarList3 that
// records every call, and the recorder lock's named object.
#include "check.h"
#include "platform/windows/recorder_lock_windows.h"
#include "platform/windows/taskbar_button_windows.h"

#include <string>
#include <vector>

using pelimor::TaskbarButton;

namespace {

class RecordingTaskbar : public ITaskbarList3 {
public:
    std::vector<std::string> calls;
    ULONG references = 1;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **out) override
    {
        if (iid == IID_IUnknown || iid == IID_ITaskbarList || iid == IID_ITaskbarList2 || iid == IID_ITaskbarList3) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE SetProgressValue(HWND window, ULONGLONG done, ULONGLONG total) override
    {
        calls.push_back(name(window) + " value " + std::to_string(done) + "/" + std::to_string(total));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetProgressState(HWND window, TBPFLAG state) override
    {
        calls.push_back(name(window) + " state " + std::to_string(static_cast<int>(state)));
        return S_OK;
    }
    // Nothing else is the button's business.
    HRESULT STDMETHODCALLTYPE HrInit() override { return unexpected("HrInit"); }
    HRESULT STDMETHODCALLTYPE AddTab(HWND) override { return unexpected("AddTab"); }
    HRESULT STDMETHODCALLTYPE DeleteTab(HWND) override { return unexpected("DeleteTab"); }
    HRESULT STDMETHODCALLTYPE ActivateTab(HWND) override { return unexpected("ActivateTab"); }
    HRESULT STDMETHODCALLTYPE SetActiveAlt(HWND) override { return unexpected("SetActiveAlt"); }
    HRESULT STDMETHODCALLTYPE MarkFullscreenWindow(HWND, WINBOOL) override { return unexpected("Fullscreen"); }
    HRESULT STDMETHODCALLTYPE RegisterTab(HWND, HWND) override { return unexpected("RegisterTab"); }
    HRESULT STDMETHODCALLTYPE UnregisterTab(HWND) override { return unexpected("UnregisterTab"); }
    HRESULT STDMETHODCALLTYPE SetTabOrder(HWND, HWND) override { return unexpected("SetTabOrder"); }
    HRESULT STDMETHODCALLTYPE SetTabActive(HWND, HWND, DWORD) override { return unexpected("SetTabActive"); }
    HRESULT STDMETHODCALLTYPE ThumbBarAddButtons(HWND, UINT, LPTHUMBBUTTON) override { return unexpected("Thumb"); }
    HRESULT STDMETHODCALLTYPE ThumbBarUpdateButtons(HWND, UINT, LPTHUMBBUTTON) override { return unexpected("Thumb"); }
    HRESULT STDMETHODCALLTYPE ThumbBarSetImageList(HWND, HIMAGELIST) override { return unexpected("Thumb"); }
    HRESULT STDMETHODCALLTYPE SetOverlayIcon(HWND, HICON, LPCWSTR) override { return unexpected("Overlay"); }
    HRESULT STDMETHODCALLTYPE SetThumbnailTooltip(HWND, LPCWSTR) override { return unexpected("Tooltip"); }
    HRESULT STDMETHODCALLTYPE SetThumbnailClip(HWND, RECT *) override { return unexpected("Clip"); }

private:
    static std::string name(HWND window) { return window == reinterpret_cast<HWND>(0x1234) ? "w" : "other"; }
    HRESULT unexpected(const char *call)
    {
        calls.push_back(call);
        return E_NOTIMPL;
    }
};

const HWND window = reinterpret_cast<HWND>(0x1234);

} // namespace

TEST_CASE("taskbar: normal progress while burning, the error state on a failure, none at the end")
{
    RecordingTaskbar taskbar;
    {
        TaskbarButton button(&taskbar);
        CHECK_EQ(taskbar.references, 2ul);
        button.show(window, TaskbarButton::State::Normal, 0.0);
        button.show(window, TaskbarButton::State::Normal, 0.4567);
        button.show(window, TaskbarButton::State::Normal, 7.0); // a share past the end is the whole bar
        button.show(window, TaskbarButton::State::Error, 0.5);
        button.show(window, TaskbarButton::State::None, 0.5);
        button.show(nullptr, TaskbarButton::State::Normal, 0.5); // no window yet: nothing to draw on
    }
    const std::vector<std::string> expected{"w state 2",        "w value 0/1000",   "w state 2",
                                            "w value 457/1000", "w state 2",        "w value 1000/1000",
                                            "w state 4",        "w value 500/1000", "w state 0"};
    CHECK(taskbar.calls == expected);
    CHECK_EQ(taskbar.references, 1ul); // the button let go of the list
}

TEST_CASE("recorder lock: a second copy is refused until the first lets go")
{
    pelimor::MutexRecorderLocks locks;
    const std::string id = "\\\\?\\scsi#cdrom&ven_pelimor#0";
    auto first = locks.tryLock(id);
    REQUIRE(first != nullptr);
    CHECK(locks.tryLock(id) == nullptr);
    // The system does not keep the case of device paths steady.
    CHECK(locks.tryLock("\\\\?\\SCSI#CDROM&VEN_PELIMOR#0") == nullptr);
    CHECK(locks.tryLock("\\\\?\\scsi#cdrom&ven_pelimor#1") != nullptr);
    first.reset();
    CHECK(locks.tryLock(id) != nullptr);
}
