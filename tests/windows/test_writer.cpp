// The data writer's Write: the burn off the window's thread, progress and
// stop through Update, verification, sleep inhibition, logoff refusal, and
// failures that must not end as "complete"; the blank and the overwrite
// of a used rewritable disc.
#include "check.h"
#include "imapi2_fakes.h"
#include "winfiles.h"

#include "platform/filestream.h"
#include "platform/windows/end_session.h"
#include "platform/windows/imapi2_disc_service.h"
#include "platform/windows/imapi2_errors.h"

namespace {

using pelimor::win::ComPtr;

// A writer and a recorder over the stand-ins, registered so that the burn
// thread creates its own objects by class identifier, as on Windows. The
// Update handler records what arrives and on which thread, then runs
// `onUpdate` (the window's part).
struct Rig {
    fakes::Format format;
    fakes::Recorder recorder;
    fakes::Registration formatClass{pelimor::imapi2::clsidDiscFormat2Data, static_cast<IDiscFormat2Data *>(&format)};
    fakes::Registration recorderClass{pelimor::imapi2::clsidDiscRecorder2, static_cast<IDiscRecorder2 *>(&recorder)};
    fakes::Eraser eraser;
    fakes::Registration eraserClass{pelimor::imapi2::clsidDiscFormat2Erase, static_cast<IDiscFormat2Erase *>(&eraser)};
    std::unique_ptr<pelimor::Imapi2DiscRecorder> discRecorder;
    std::unique_ptr<pelimor::Imapi2DataWriter> writer;
    std::vector<pelimor::WriteProgress> events;
    std::vector<DWORD> threads;
    std::function<void(const pelimor::WriteProgress &)> onUpdate;

    Rig()
    {
        recorder.AddRef();
        discRecorder = std::make_unique<pelimor::Imapi2DiscRecorder>(
            ComPtr<IDiscRecorder2>::adopt(static_cast<IDiscRecorder2 *>(&recorder)));
        discRecorder->InitializeDiscRecorder("rec0");
        format.AddRef();
        writer = std::make_unique<pelimor::Imapi2DataWriter>(
            ComPtr<IDiscFormat2Data>::adopt(static_cast<IDiscFormat2Data *>(&format)));
        writer->put_UpdateHandler([this](pelimor::DataWriter &, const pelimor::WriteProgress &progress) {
            events.push_back(progress);
            threads.push_back(GetCurrentThreadId());
            if (onUpdate)
                onUpdate(progress);
        });
        writer->put_Recorder(*discRecorder);
    }
    bool ok() const { return formatClass.ok() && recorderClass.ok() && eraserClass.ok(); }
    std::string burnError(pelimor::ImageStream &stream)
    {
        return errorOf([&] { writer->Write(stream); });
    }
    static std::string errorOf(const std::function<void()> &call)
    {
        try {
            call();
        } catch (const pelimor::ServiceError &error) {
            return error.what();
        }
        return {};
    }
};

fakes::EventArgs args(LONG action, LONG elapsed, LONG total, LONG sectors, LONG start, LONG lastWritten)
{
    fakes::EventArgs a;
    a.action = action;
    a.elapsed = elapsed;
    a.total = total;
    a.sectors = sectors;
    a.start = start;
    a.lastWritten = lastWritten;
    return a;
}

struct OtherThreadCall {
    fakes::Format *format;
    fakes::EventArgs *args;
    HRESULT result = E_FAIL;
};

DWORD WINAPI raiseFromOtherThread(void *parameter)
{
    auto *call = static_cast<OtherThreadCall *>(parameter);
    call->result = call->format->raise(*call->args);
    return 0;
}

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A window of the test's (the window's) thread that answers the end of the
// session as the program's windows do. Message-only, since headless Wine
// makes no top-level windows; the test sends it the query itself.
LRESULT CALLBACK topWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT answer = 0;
    if (pelimor::win::answerEndSession(message, &answer))
        return answer;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createTopWindow()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = topWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PelimorTestTopWindow";
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"test", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

// What a window answers within two seconds, or -1 when its thread does not.
LRESULT answerWithin2s(HWND window, UINT message, LPARAM lParam)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, 0, lParam, SMTO_NORMAL, 2000, &answer))
        return -1;
    return static_cast<LRESULT>(answer);
}

} // namespace

TEST_CASE("writer: the burn runs off the window's thread, which keeps answering and receives every Update")
{
    wintest::TempFile file(L"pelimor-burn.iso");
    REQUIRE(file.write(wintest::pattern(300 * 1024 + 17, 21)));
    pelimor::FileImageStream image(file.utf8());

    Rig rig;
    REQUIRE(rig.ok());
    const DWORD uiThread = GetCurrentThreadId();
    HWND top = createTopWindow();
    REQUIRE(top);
    // The caller's own lasting request (a video player's, say) must survive.
    SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED);
    EXECUTION_STATE stateDuringWrite = 0;
    rig.onUpdate = [&](const pelimor::WriteProgress &) {
        if (!stateDuringWrite)
            stateDuringWrite = SetThreadExecutionState(ES_SYSTEM_REQUIRED);
    };
    auto validating = args(0, 3, 120, 0, 0, 0);
    auto writing = args(4, 40, 120, 151, 0, 75);
    auto verifying = args(7, 100, 120, 151, 0, 150);
    verifying.lastRead = 60; // the verified sector is the one reached
    auto late = args(6, 120, 120, 151, 0, 150);
    late.typed = false; // reachable only by name, as across apartments
    HRESULT fromOtherThread = E_FAIL;
    LRESULT logoffAnswer = -1, pingAnswer = -1;
    bool mcnOffDuringWrite = false;
    rig.format.during = [&](fakes::Format &f) {
        mcnOffDuringWrite = rig.recorder.mcnDisabled;
        f.raise(validating);
        // Through the vtable as well as through Invoke.
        DDiscFormat2DataEvents *events = nullptr;
        if (SUCCEEDED(f.sink->QueryInterface(pelimor::imapi2::iidDiscFormat2DataEvents,
                                             reinterpret_cast<void **>(&events)))) {
            events->Update(static_cast<IDiscFormat2Data *>(&f), static_cast<IDispatch *>(&writing));
            events->Release();
        }
        f.raise(verifying);
        OtherThreadCall call{&f, &late};
        HANDLE worker = CreateThread(nullptr, 0, raiseFromOtherThread, &call, 0, nullptr);
        WaitForSingleObject(worker, 5000);
        CloseHandle(worker);
        fromOtherThread = call.result;
        // The window's thread answers while the disc is written: a plain
        // message, and a logoff, which it refuses.
        pingAnswer = answerWithin2s(top, WM_NULL, 0);
        logoffAnswer = answerWithin2s(top, WM_QUERYENDSESSION, ENDSESSION_LOGOFF);
    };

    rig.writer->Write(image);
    CHECK(rig.writer->LastWriteSucceeded());
    CHECK(rig.writer->LastWriteVerified());
    CHECK(rig.format.writeCaller != 0 && rig.format.writeCaller != uiThread);
    CHECK_EQ(pingAnswer, LRESULT{0});
    CHECK_EQ(logoffAnswer, LRESULT{FALSE});
    CHECK_EQ(answerWithin2s(top, WM_QUERYENDSESSION, ENDSESSION_LOGOFF), LRESULT{TRUE}); // the burn is over
    CHECK_EQ(static_cast<int>(rig.format.verification), static_cast<int>(IMAPI_BURN_VERIFICATION_FULL));
    CHECK(rig.format.forceClosed); // the disc is closed, not left appendable
    CHECK(mcnOffDuringWrite);
    CHECK(!rig.recorder.mcnDisabled);
    CHECK(rig.format.recorder != nullptr);
    CHECK(rig.recorder.initializedWith == L"rec0");
    CHECK_EQ(rig.format.streamSize, 309248ull); // 300 KiB + 17 bytes, padded to 151 sectors
    CHECK_EQ(rig.format.bytesRead, 309248ull);
    CHECK(rig.format.verifySeeks > 0); // read back with backward seeks, and it matched
    CHECK_EQ(rig.format.advised, 1);
    CHECK_EQ(rig.format.unadvised, 1); // disconnected again when Write returns
    CHECK_EQ(fromOtherThread, S_OK);

    REQUIRE(rig.events.size() == 4);
    const auto &w = rig.events[1];
    CHECK_EQ(static_cast<int>(w.CurrentAction), 4);
    CHECK_EQ(w.ElapsedTime, 40);
    CHECK_EQ(w.TotalTime, 120);
    CHECK_EQ(w.SectorCount, 151);
    CHECK_EQ(w.StartLba, 0);
    CHECK_EQ(w.LastWrittenLba, 75);
    CHECK_EQ(static_cast<int>(rig.events[0].CurrentAction), 0);
    CHECK_EQ(rig.events[0].ElapsedTime, 3);
    CHECK_EQ(static_cast<int>(rig.events[2].CurrentAction), 7); // verifying is a real phase
    CHECK_EQ(rig.events[2].LastWrittenLba, 60);
    CHECK_EQ(static_cast<int>(rig.events[3].CurrentAction), 6);
    CHECK_EQ(rig.events[3].LastWrittenLba, 150);
    for (DWORD thread : rig.threads)
        CHECK_EQ(thread, uiThread);

    // Asleep is not allowed while writing; afterwards the state found
    // before the burn is back.
    const EXECUTION_STATE afterWrite = SetThreadExecutionState(ES_CONTINUOUS);
    CHECK((stateDuringWrite & (ES_CONTINUOUS | ES_SYSTEM_REQUIRED)) == (ES_CONTINUOUS | ES_SYSTEM_REQUIRED));
    CHECK_EQ(afterWrite, EXECUTION_STATE{ES_CONTINUOUS | ES_DISPLAY_REQUIRED});

    // No event reaches the window once the burn is over.
    const std::size_t before = rig.events.size();
    CHECK(FAILED(rig.format.raise(writing))); // the sink is no longer advised
    pumpMessages();
    CHECK_EQ(rig.events.size(), before);
    DestroyWindow(top);
}

TEST_CASE("writer: a stop reaches IMAPI2 from inside Update, and only a real cancel fails the burn")
{
    wintest::TempFile file(L"pelimor-stop.iso");
    REQUIRE(file.write(wintest::pattern(512 * 1024, 29)));
    pelimor::FileImageStream image(file.utf8());
    for (const bool tooLate : {false, true}) {
        image.rewind();
        Rig rig;
        REQUIRE(rig.ok());
        rig.format.cancelTakesEffect = !tooLate;
        rig.writer->CancelWrite(); // outside a Write: nothing to stop
        // The window asks on its own thread, at the first report; IMAPI2
        // goes on raising Update every half second meanwhile.
        rig.onUpdate = [&](const pelimor::WriteProgress &) { rig.writer->CancelWrite(); };
        auto writing = args(4, 1, 10, 256, 0, 10);
        rig.format.during = [&](fakes::Format &f) {
            for (int i = 0; i < 100 && f.cancels == 0; ++i) {
                f.raise(writing);
                Sleep(20);
            }
        };
        const std::string error = rig.burnError(image);
        CHECK_EQ(rig.format.cancels, 1);
        CHECK_EQ(rig.format.ignoredCancels, 0);
        if (tooLate) {
            CHECK(error.empty());
            CHECK(rig.writer->LastWriteSucceeded());
        } else {
            CHECK_EQ(error, std::string("The burn failed: the burn was cancelled (0xC0AA0002)"));
            CHECK(!rig.writer->LastWriteSucceeded());
        }
        CHECK(!rig.recorder.mcnDisabled); // AutoPlay is back however the burn ends
    }
}

TEST_CASE("writer: failures of the service and early stops end as readable errors, never as success")
{
    wintest::TempFile file(L"pelimor-fail.iso");
    REQUIRE(file.write(wintest::pattern(512 * 1024, 23)));
    pelimor::FileImageStream image(file.utf8());
    struct Row {
        HRESULT result;
        std::wstring owner;
        std::uint64_t readLimit;
        const char *says;
    };
    const Row rows[] = {
        {static_cast<HRESULT>(0xC0AA0405L), L"", ~0ull, "The burn failed: the disc is not blank (0xC0AA0405)"},
        {static_cast<HRESULT>(0xC0AA0007L), L"", ~0ull, "did not match the image"},
        {S_OK, L"", 256 * 1024, "stopped after 262144 of 524288 bytes"}, // S_OK after half the image
        {E_ACCESSDENIED, L"Nero Express", ~0ull,
         "another program (Nero Express) is using the recorder; close it and try again (0x80070005)"},
        {static_cast<HRESULT>(0xC0AA0210L), L"", ~0ull, "another program is using the recorder"},
        {static_cast<HRESULT>(0x80070037L), L"", ~0ull, "the recorder is no longer connected"},
        {static_cast<HRESULT>(0x80070006L), L"", ~0ull, "unplugged or reset"},
        {E_FAIL, L"", ~0ull, "failed without saying why (0x80004005)"},
    };
    for (const Row &row : rows) {
        image.rewind();
        Rig rig;
        REQUIRE(rig.ok());
        rig.format.writeResult = row.result;
        rig.format.readLimit = row.readLimit;
        rig.recorder.exclusiveOwner = row.owner;
        const std::string error = rig.burnError(image);
        if (error.find(row.says) == std::string::npos)
            wintest::recordFailure(__FILE__, __LINE__, "for " + pelimor::imapi2::hexCode(row.result) + ": " + error);
        CHECK(!rig.writer->LastWriteSucceeded());
    }

    // A writer of a system without read-back verification still burns, and
    // says so.
    image.rewind();
    Rig noVerification;
    noVerification.format.offersVerification = false;
    CHECK(noVerification.burnError(image).empty());
    CHECK(noVerification.writer->LastWriteSucceeded());
    CHECK(!noVerification.writer->LastWriteVerified());

    // The recorder must be one of the service's own.
    class Foreign : public pelimor::DiscRecorder {
        void InitializeDiscRecorder(const std::string &) override {}
        std::vector<int> SupportedProfiles() override { return {}; }
        std::string VendorId() override { return {}; }
        std::string ProductId() override { return {}; }
        std::string ProductRevision() override { return {}; }
        std::vector<std::string> VolumePathNames() override { return {}; }
        void EjectMedia() override {}
        void ReleaseExclusiveAccess() override {}
    } foreign;
    bool refused = false;
    try {
        noVerification.writer->put_Recorder(foreign);
    } catch (const pelimor::ServiceError &) {
        refused = true;
    }
    CHECK(refused);
}

TEST_CASE("writer: a used CD-RW is blanked quickly off the window's thread; a used DVD+RW is written over")
{
    Rig rig;
    REQUIRE(rig.ok());
    const DWORD uiThread = GetCurrentThreadId();
    HWND top = createTopWindow();
    REQUIRE(top);
    rig.eraser.fullErase = true; // whatever it was, the blank is the quick one
    int blanked = 0;
    rig.eraser.erased = [&] { ++blanked; };
    bool mcnOffDuringErase = false;
    HRESULT stillReporting = E_FAIL;
    LRESULT pingAnswer = -1, logoffAnswer = -1;
    rig.eraser.during = [&](fakes::Eraser &e) {
        mcnOffDuringErase = rig.recorder.mcnDisabled;
        e.raise(0, 60);
        pingAnswer = answerWithin2s(top, WM_NULL, 0);
        logoffAnswer = answerWithin2s(top, WM_QUERYENDSESSION, ENDSESSION_LOGOFF);
        stillReporting = e.raise(30, 60);
    };
    // A stop asked during the blank changes nothing: it cannot be undone
    // halfway, and the window stops after it.
    rig.onUpdate = [&](const pelimor::WriteProgress &) { rig.writer->CancelWrite(); };
    rig.writer->put_ClientName("ISOTest1");
    CHECK_EQ(rig.errorOf([&] { rig.writer->EraseMedia(); }), std::string());
    CHECK_EQ(blanked, 1);
    CHECK(!rig.eraser.fullErase);
    CHECK(rig.eraser.recorder != nullptr);
    CHECK(rig.eraser.clientName == L"ISOTest1");
    CHECK(rig.eraser.eraseCaller != 0 && rig.eraser.eraseCaller != uiThread);
    CHECK(mcnOffDuringErase);
    CHECK(!rig.recorder.mcnDisabled);
    CHECK_EQ(pingAnswer, LRESULT{0});
    CHECK_EQ(logoffAnswer, LRESULT{FALSE});
    CHECK_EQ(stillReporting, S_OK);
    CHECK_EQ(rig.eraser.unadvised, 1);
    REQUIRE(rig.events.size() == 2);
    CHECK_EQ(static_cast<int>(rig.events[1].CurrentAction), 1); // "Formatting media"
    CHECK_EQ(rig.events[1].ElapsedTime, 30);
    CHECK_EQ(rig.events[1].TotalTime, 60);
    for (DWORD thread : rig.threads)
        CHECK_EQ(thread, uiThread);
    DestroyWindow(top);

    // A failed blank is an error in words, never a blank disc.
    rig.eraser.eraseResult = static_cast<HRESULT>(0x80AA0905L);
    CHECK_EQ(rig.errorOf([&] { rig.writer->EraseMedia(); }),
             std::string("The disc could not be erased: the recorder failed to erase the disc (0x80AA0905)"));
    CHECK_EQ(blanked, 1);

    // The overwrite is set on the burn's own writer, not only on the
    // window's, so IMAPI2 writes the disc from its start.
    wintest::TempFile file(L"pelimor-overwrite.iso");
    REQUIRE(file.write(wintest::pattern(64 * 1024, 5)));
    pelimor::FileImageStream image(file.utf8());
    rig.writer->put_ForceOverwrite(true);
    rig.format.forceOverwrite = false;
    CHECK_EQ(rig.burnError(image), std::string());
    CHECK(rig.format.forceOverwrite);
}
