// The data writer's Write: verification, progress events on the UI thread,
// sleep inhibition, and failures that must not end as "complete".
#include "check.h"
#include "imapi2_fakes.h"
#include "winfiles.h"

#include "platform/filestream.h"
#include "platform/windows/imapi2_disc_service.h"

namespace {

using pelimor::win::ComPtr;

struct Recorded {
    std::vector<pelimor::WriteProgress> events;
    std::vector<DWORD> threads;
};

// A writer over the fake, with its Update handler recording what arrives.
std::unique_ptr<pelimor::Imapi2DataWriter> writerOver(fakes::Format &format, Recorded &recorded)
{
    format.AddRef();
    auto writer = std::make_unique<pelimor::Imapi2DataWriter>(
        ComPtr<IDiscFormat2Data>::adopt(static_cast<IDiscFormat2Data *>(&format)));
    writer->put_UpdateHandler([&recorded](pelimor::DataWriter &, const pelimor::WriteProgress &progress) {
        recorded.events.push_back(progress);
        recorded.threads.push_back(GetCurrentThreadId());
    });
    return writer;
}

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

// As IMAPI2's Write does while it waits, let this thread's messages through.
void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::string burnError(pelimor::DataWriter &writer, pelimor::ImageStream &stream)
{
    try {
        writer.Write(stream);
    } catch (const pelimor::ServiceError &error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST_CASE("writer: a burn is verified in full and its progress reaches Update on the UI thread")
{
    wintest::TempFile file(L"pelimor-burn.iso");
    REQUIRE(file.write(wintest::pattern(300 * 1024 + 17, 21)));
    pelimor::FileImageStream image(file.utf8());

    fakes::Format format;
    Recorded recorded;
    auto writer = writerOver(format, recorded);
    const DWORD uiThread = GetCurrentThreadId();
    // The caller's own lasting request (a video player's, say) must survive.
    SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED);
    EXECUTION_STATE stateDuringWrite = 0;
    auto validating = args(0, 3, 120, 0, 0, 0);
    auto writing = args(4, 40, 120, 151, 0, 75);
    auto verifying = args(7, 100, 120, 151, 0, 150);
    auto late = args(6, 120, 120, 151, 0, 150);
    late.typed = false; // reachable only by name, as across apartments
    HRESULT fromOtherThread = E_FAIL;
    format.during = [&](fakes::Format &f) {
        stateDuringWrite = SetThreadExecutionState(ES_SYSTEM_REQUIRED);
        f.raise(validating);
        // Through the vtable as well as through Invoke.
        DDiscFormat2DataEvents *events = nullptr;
        if (SUCCEEDED(f.sink->QueryInterface(pelimor::imapi2::iidDiscFormat2DataEvents,
                                             reinterpret_cast<void **>(&events)))) {
            events->Update(static_cast<IDiscFormat2Data *>(&f), static_cast<IDispatch *>(&writing));
            events->Release();
        }
        f.raise(verifying);
        // From a worker thread: queued, and delivered here while messages
        // are pumped, never on the worker.
        OtherThreadCall call{&f, &late};
        HANDLE worker = CreateThread(nullptr, 0, raiseFromOtherThread, &call, 0, nullptr);
        WaitForSingleObject(worker, 5000);
        CloseHandle(worker);
        fromOtherThread = call.result;
        pumpMessages();
    };

    writer->Write(image);
    CHECK(writer->LastWriteSucceeded());
    CHECK(writer->LastWriteVerified());
    CHECK_EQ(static_cast<int>(format.verification), static_cast<int>(IMAPI_BURN_VERIFICATION_FULL));
    CHECK_EQ(format.streamSize, 309248ull); // 300 KiB + 17 bytes, padded to 151 sectors
    CHECK_EQ(format.bytesRead, 309248ull);
    CHECK_EQ(format.advised, 1);
    CHECK_EQ(format.unadvised, 1); // disconnected again when Write returns
    CHECK_EQ(fromOtherThread, S_OK);

    REQUIRE(recorded.events.size() == 4);
    const auto &w = recorded.events[1];
    CHECK_EQ(static_cast<int>(w.CurrentAction), 4);
    CHECK_EQ(w.ElapsedTime, 40);
    CHECK_EQ(w.TotalTime, 120);
    CHECK_EQ(w.SectorCount, 151);
    CHECK_EQ(w.StartLba, 0);
    CHECK_EQ(w.LastWrittenLba, 75);
    CHECK_EQ(static_cast<int>(recorded.events[0].CurrentAction), 0);
    CHECK_EQ(recorded.events[0].ElapsedTime, 3);
    CHECK_EQ(static_cast<int>(recorded.events[2].CurrentAction), 7); // verifying is a real phase
    CHECK_EQ(static_cast<int>(recorded.events[3].CurrentAction), 6);
    CHECK_EQ(recorded.events[3].LastWrittenLba, 150);
    for (DWORD thread : recorded.threads)
        CHECK_EQ(thread, uiThread);

    // Asleep is not allowed while writing; afterwards the state found
    // before the burn is back.
    const EXECUTION_STATE afterWrite = SetThreadExecutionState(ES_CONTINUOUS);
    CHECK((stateDuringWrite & (ES_CONTINUOUS | ES_SYSTEM_REQUIRED)) == (ES_CONTINUOUS | ES_SYSTEM_REQUIRED));
    CHECK_EQ(afterWrite, EXECUTION_STATE{ES_CONTINUOUS | ES_DISPLAY_REQUIRED});

    // No event reaches the window once the burn is over.
    const std::size_t before = recorded.events.size();
    CHECK(FAILED(format.raise(writing))); // the sink is no longer advised
    pumpMessages();
    CHECK_EQ(recorded.events.size(), before);
}

TEST_CASE("writer: failures of the service and early stops end as readable errors, never as success")
{
    wintest::TempFile file(L"pelimor-fail.iso");
    REQUIRE(file.write(wintest::pattern(512 * 1024, 23)));
    pelimor::FileImageStream image(file.utf8());

    fakes::Format notBlank;
    notBlank.writeResult = static_cast<HRESULT>(0xC0AA0405L);
    Recorded recorded;
    auto writer = writerOver(notBlank, recorded);
    CHECK_EQ(burnError(*writer, image), std::string("The burn failed: the disc is not blank (0xC0AA0405)"));
    CHECK(!writer->LastWriteSucceeded());
    CHECK_EQ(notBlank.unadvised, 1);

    image.rewind();
    fakes::Format mismatch;
    mismatch.writeResult = static_cast<HRESULT>(0xC0AA0007L);
    writer = writerOver(mismatch, recorded);
    CHECK(burnError(*writer, image).find("did not match the image") != std::string::npos);
    CHECK(!writer->LastWriteSucceeded());

    // The recorder says S_OK after taking half the image.
    image.rewind();
    fakes::Format stopsEarly;
    stopsEarly.readLimit = 256 * 1024;
    writer = writerOver(stopsEarly, recorded);
    const std::string early = burnError(*writer, image);
    CHECK(early.find("stopped after 262144 of 524288 bytes") != std::string::npos);
    CHECK(!writer->LastWriteSucceeded());

    // Stopped by the user from an event handled during Write: IMAPI2's own
    // cancel, and an error; outside a Write, nothing happens.
    image.rewind();
    fakes::Format stopped;
    writer = writerOver(stopped, recorded);
    writer->CancelWrite();
    CHECK_EQ(stopped.cancels, 0);
    stopped.during = [&](fakes::Format &) { writer->CancelWrite(); };
    CHECK(!burnError(*writer, image).empty());
    CHECK_EQ(stopped.cancels, 1);
    CHECK(!writer->LastWriteSucceeded());

    // A writer of a system without read-back verification still burns, and
    // says so.
    image.rewind();
    fakes::Format noVerification;
    noVerification.offersVerification = false;
    writer = writerOver(noVerification, recorded);
    CHECK(burnError(*writer, image).empty());
    CHECK(writer->LastWriteSucceeded());
    CHECK(!writer->LastWriteVerified());

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
        writer->put_Recorder(foreign);
    } catch (const pelimor::ServiceError &) {
        refused = true;
    }
    CHECK(refused);
}
