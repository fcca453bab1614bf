// The IMAPI2 backend's creation, declarations, arrays and error texts.
#include "check.h"
#include "imapi2_fakes.h"

#include "platform/windows/imapi2_disc_service.h"
#include "platform/windows/imapi2_errors.h"

#include <array>
#include <utility>

namespace {

// A COM object whose every vtable slot records its own number, to check
// that each declared method sits in the slot Microsoft's published metadata
// gives it (x64 passes the extra arguments in registers the thunk ignores).
int calledSlot = -1;
using Thunk = HRESULT(STDMETHODCALLTYPE *)(void *);
template <int N> HRESULT STDMETHODCALLTYPE slotThunk(void *)
{
    calledSlot = N;
    return S_OK;
}
template <int... N> constexpr std::array<Thunk, sizeof...(N)> thunkTable(std::integer_sequence<int, N...>)
{
    return {&slotThunk<N>...};
}
const auto thunks = thunkTable(std::make_integer_sequence<int, 48>{});
struct SlotObject {
    const Thunk *vtable = thunks.data();
};

template <typename Interface> Interface *slotProbe(SlotObject &object)
{
    return reinterpret_cast<Interface *>(&object);
}

template <typename Call> int slotOf(Call call)
{
    calledSlot = -1;
    call();
    return calledSlot;
}

} // namespace

TEST_CASE("service: a computer without IMAPI2 is told apart by the disc master's creation")
{
    // What COM itself says about the class decides what we must report.
    IUnknown *probe = nullptr;
    const HRESULT registered = CoCreateInstance(pelimor::imapi2::clsidDiscMaster2, nullptr, CLSCTX_ALL, IID_IUnknown,
                                                reinterpret_cast<void **>(&probe));
    if (probe)
        probe->Release();
    wintest::note(registered == pelimor::imapi2::classNotRegistered
                      ? "IMAPI2 is not registered here (REGDB_E_CLASSNOTREG), as on Wine"
                      : "IMAPI2 answered CoCreateInstance with " + pelimor::imapi2::describeHresult(registered));
    REQUIRE(FAILED(registered));

    pelimor::Imapi2DiscService service;
    bool threw = false;
    try {
        service.CreateDiscMaster();
    } catch (const pelimor::ServiceError &error) {
        threw = true;
        const std::string text = error.what();
        CHECK(text.find("not installed") != std::string::npos);
        CHECK(text.find("0x80040154") != std::string::npos);
    }
    CHECK(threw);
    // The other objects fail the same way instead of crashing later.
    bool recorderThrew = false, writerThrew = false;
    try {
        service.CreateDiscRecorder();
    } catch (const pelimor::ServiceError &) {
        recorderThrew = true;
    }
    try {
        service.CreateDataWriter();
    } catch (const pelimor::ServiceError &) {
        writerThrew = true;
    }
    CHECK(recorderThrew);
    CHECK(writerThrew);
}

TEST_CASE("service: created by class identifier, the objects pass the service's answers on")
{
    fakes::DiscMaster master;
    master.ids = {L"\\\\?\\ide#cdromhl-dt-st#5&1", L"\\\\?\\usbstor#cdrom&ven_ext#2"};
    fakes::Recorder recorder;
    recorder.profiles = {0x10, 0x09, 0x0A, 0x1B};
    recorder.vendor = L"HL-DT-ST";
    recorder.product = L"DVDRAM GH24NSD1";
    recorder.revision = L"LG00";
    recorder.volumes = {L"E:\\", L"C:\\mnt\\disc\\"};
    fakes::Format format;
    const fakes::Registration masterClass(pelimor::imapi2::clsidDiscMaster2, static_cast<IDiscMaster2 *>(&master));
    const fakes::Registration recorderClass(pelimor::imapi2::clsidDiscRecorder2,
                                            static_cast<IDiscRecorder2 *>(&recorder));
    const fakes::Registration formatClass(pelimor::imapi2::clsidDiscFormat2Data,
                                          static_cast<IDiscFormat2Data *>(&format));
    REQUIRE(masterClass.ok() && recorderClass.ok() && formatClass.ok());

    pelimor::Imapi2DiscService service;
    const auto ids = service.CreateDiscMaster()->RecorderIds();
    CHECK(ids == (std::vector<std::string>{"\\\\?\\ide#cdromhl-dt-st#5&1", "\\\\?\\usbstor#cdrom&ven_ext#2"}));

    auto discRecorder = service.CreateDiscRecorder();
    discRecorder->InitializeDiscRecorder(ids[1]);
    CHECK(recorder.initializedWith == L"\\\\?\\usbstor#cdrom&ven_ext#2");
    CHECK(discRecorder->SupportedProfiles() == (std::vector<int>{0x10, 0x09, 0x0A, 0x1B}));
    CHECK_EQ(discRecorder->VendorId(), std::string("HL-DT-ST"));
    CHECK_EQ(discRecorder->ProductId(), std::string("DVDRAM GH24NSD1"));
    CHECK_EQ(discRecorder->ProductRevision(), std::string("LG00"));
    CHECK(discRecorder->VolumePathNames() == (std::vector<std::string>{"E:\\", "C:\\mnt\\disc\\"}));
    discRecorder->EjectMedia();
    CHECK_EQ(recorder.ejects, 1);

    // A failing call becomes a ServiceError with its reason.
    bool threw = false;
    try {
        discRecorder->InitializeDiscRecorder("");
    } catch (const pelimor::ServiceError &error) {
        threw = std::string(error.what()).find("The recorder could not be opened") == 0;
    }
    CHECK(threw);

    auto writer = service.CreateDataWriter();
    format.mediaStatus = 6;
    format.nextWritable = 0;
    format.freeSectors = 2295104;
    writer->put_Recorder(*discRecorder);
    CHECK(format.recorder == static_cast<IDiscRecorder2 *>(&recorder));
    CHECK(writer->IsRecorderSupported(*discRecorder));
    format.mediaSupported = false;
    CHECK(!writer->IsCurrentMediaSupported(*discRecorder));
    CHECK_EQ(static_cast<int>(writer->CurrentMediaStatus()), 6);
    format.mediaStatus = 0x4004; // finalized and appendable: passed on whole
    CHECK_EQ(static_cast<int>(writer->CurrentMediaStatus()), 0x4004);
    CHECK_EQ(writer->NextWritableAddress(), 0);
    CHECK_EQ(writer->FreeSectorsOnMedia(), std::int64_t{2295104});
    // The medium's family, for the speed's "x": CD-R, DVD+R DL, BD-RE,
    // a hard disk, and a service that cannot tell.
    const std::pair<int, pelimor::MediaKind> kinds[] = {{2, pelimor::MediaKind::CD},
                                                        {8, pelimor::MediaKind::DVD},
                                                        {19, pelimor::MediaKind::BD},
                                                        {12, pelimor::MediaKind::Unknown},
                                                        {-1, pelimor::MediaKind::Unknown}};
    for (const auto &[type, kind] : kinds) {
        format.physicalType = type;
        CHECK(writer->CurrentMediaKind() == kind);
    }
    writer->put_ClientName("ISOTest1");
    CHECK(format.clientName == L"ISOTest1");
}

TEST_CASE("service: declared methods sit in the vtable slots of the published metadata")
{
    SlotObject object;
    auto *master = slotProbe<IDiscMaster2>(object);
    CHECK_EQ(slotOf([&] { master->get__NewEnum(nullptr); }), 7);
    CHECK_EQ(slotOf([&] { master->get_Item(0, nullptr); }), 8);
    CHECK_EQ(slotOf([&] { master->get_Count(nullptr); }), 9);

    auto *recorder = slotProbe<IDiscRecorder2>(object);
    CHECK_EQ(slotOf([&] { recorder->EjectMedia(); }), 7);
    CHECK_EQ(slotOf([&] { recorder->InitializeDiscRecorder(nullptr); }), 13);
    CHECK_EQ(slotOf([&] { recorder->get_VendorId(nullptr); }), 15);
    CHECK_EQ(slotOf([&] { recorder->get_ProductId(nullptr); }), 16);
    CHECK_EQ(slotOf([&] { recorder->get_ProductRevision(nullptr); }), 17);
    CHECK_EQ(slotOf([&] { recorder->get_VolumePathNames(nullptr); }), 19);
    CHECK_EQ(slotOf([&] { recorder->get_SupportedProfiles(nullptr); }), 24);
    CHECK_EQ(slotOf([&] { recorder->get_ExclusiveAccessOwner(nullptr); }), 27);

    auto *format = slotProbe<IDiscFormat2Data>(object);
    CHECK_EQ(slotOf([&] { format->IsRecorderSupported(nullptr, nullptr); }), 7);
    CHECK_EQ(slotOf([&] { format->IsCurrentMediaSupported(nullptr, nullptr); }), 8);
    CHECK_EQ(slotOf([&] { format->put_Recorder(nullptr); }), 12);
    CHECK_EQ(slotOf([&] { format->get_CurrentMediaStatus(nullptr); }), 18);
    CHECK_EQ(slotOf([&] { format->get_FreeSectorsOnMedia(nullptr); }), 21);
    CHECK_EQ(slotOf([&] { format->get_NextWritableAddress(nullptr); }), 22);
    CHECK_EQ(slotOf([&] { format->put_ClientName(nullptr); }), 30);
    CHECK_EQ(slotOf([&] { format->Write(nullptr); }), 41);
    CHECK_EQ(slotOf([&] { format->SetWriteSpeed(0, VARIANT_FALSE); }), 43);

    CHECK_EQ(slotOf([&] { format->put_ForceOverwrite(VARIANT_TRUE); }), 38);

    auto *eraser = slotProbe<IDiscFormat2Erase>(object);
    CHECK_EQ(slotOf([&] { eraser->IsCurrentMediaSupported(nullptr, nullptr); }), 8);
    CHECK_EQ(slotOf([&] { eraser->put_Recorder(nullptr); }), 12);
    CHECK_EQ(slotOf([&] { eraser->put_FullErase(VARIANT_FALSE); }), 14);
    CHECK_EQ(slotOf([&] { eraser->put_ClientName(nullptr); }), 17);
    CHECK_EQ(slotOf([&] { eraser->EraseMedia(); }), 19);
    CHECK_EQ(slotOf([&] { slotProbe<DDiscFormat2EraseEvents>(object)->Update(nullptr, 0, 0); }), 7);

    auto *args = slotProbe<IDiscFormat2DataEventArgs>(object);
    CHECK_EQ(slotOf([&] { args->get_StartLba(nullptr); }), 7);
    CHECK_EQ(slotOf([&] { args->get_SectorCount(nullptr); }), 8);
    CHECK_EQ(slotOf([&] { args->get_LastWrittenLba(nullptr); }), 10);
    CHECK_EQ(slotOf([&] { args->get_ElapsedTime(nullptr); }), 14);
    CHECK_EQ(slotOf([&] { args->get_TotalTime(nullptr); }), 16);
    CHECK_EQ(slotOf([&] { args->get_CurrentAction(nullptr); }), 17);

    CHECK_EQ(slotOf([&] { slotProbe<DDiscFormat2DataEvents>(object)->Update(nullptr, nullptr); }), 7);
    CHECK_EQ(
        slotOf([&] { slotProbe<IBurnVerification>(object)->put_BurnVerificationLevel(IMAPI_BURN_VERIFICATION_FULL); }),
        3);
}

TEST_CASE("service: error codes become sentences that keep the code")
{
    using pelimor::imapi2::describeHresult;
    const auto says = [](HRESULT hr, const char *words) {
        const std::string text = describeHresult(hr);
        return text.find(words) != std::string::npos;
    };
    CHECK(says(static_cast<HRESULT>(0xC0AA0405L), "the disc is not blank (0xC0AA0405)"));
    CHECK(says(static_cast<HRESULT>(0xC0AA0209L), "write-protected"));
    CHECK(says(static_cast<HRESULT>(0xC0AA0202L), "no disc in the recorder"));
    CHECK(says(static_cast<HRESULT>(0xC0AA0404L), "larger than the free space"));
    CHECK(says(static_cast<HRESULT>(0xC0AA0300L), "buffer underrun"));
    CHECK(says(pelimor::imapi2::burnVerificationFailed, "did not match the image"));
    CHECK(says(pelimor::imapi2::requestCancelled, "cancelled"));
    // Codes of the system come with the system's own words.
    const std::string denied = describeHresult(E_ACCESSDENIED);
    CHECK(denied.find("(0x80070005)") != std::string::npos);
    CHECK(denied.size() > std::string(" (0x80070005)").size());
    CHECK(describeHresult(static_cast<HRESULT>(0xC0AAFFF0L)).find("0xC0AAFFF0") != std::string::npos);
    CHECK_EQ(pelimor::imapi2::describeFailure("The burn failed", static_cast<HRESULT>(0xC0AA0406L)),
             std::string("The burn failed: this kind of disc is not supported (0xC0AA0406)"));
}

TEST_CASE("service: arrays of profiles and volume names in every element type")
{
    using pelimor::win::longsFrom;
    using pelimor::win::textsFrom;
    SAFEARRAY *plain = SafeArrayCreateVector(VT_I4, 1, 3); // not starting at 0
    for (LONG i = 1; i <= 3; ++i) {
        LONG value = i * 8 + 1;
        SafeArrayPutElement(plain, &i, &value);
    }
    CHECK(longsFrom(plain) == (std::vector<long>{9, 17, 25}));
    SafeArrayDestroy(plain);

    SAFEARRAY *texts = SafeArrayCreateVector(VT_BSTR, 0, 2);
    const wchar_t *names[] = {L"D:\\", L"F:\\"};
    for (LONG i = 0; i < 2; ++i) {
        BSTR name = SysAllocString(names[i]);
        SafeArrayPutElement(texts, &i, name);
        SysFreeString(name);
    }
    CHECK(textsFrom(texts) == (std::vector<std::wstring>{L"D:\\", L"F:\\"}));
    SafeArrayDestroy(texts);

    CHECK(longsFrom(nullptr).empty());
    CHECK(textsFrom(nullptr).empty());
    CHECK_EQ(pelimor::win::toUtf8(pelimor::win::toWide("Gr\xc3\xbc\xc3\x9f\x65 \xe2\x82\xac")),
             std::string("Gr\xc3\xbc\xc3\x9f\x65 \xe2\x82\xac"));
}

TEST_CASE("service: IMAPI2's media bits reach the windows as blank (2, 6) only for a disc that holds nothing")
{
    fakes::Recorder recorder;
    fakes::Format format;
    const fakes::Registration recorderClass(pelimor::imapi2::clsidDiscRecorder2,
                                            static_cast<IDiscRecorder2 *>(&recorder));
    const fakes::Registration formatClass(pelimor::imapi2::clsidDiscFormat2Data,
                                          static_cast<IDiscFormat2Data *>(&format));
    fakes::Eraser eraser;
    const fakes::Registration eraserClass(pelimor::imapi2::clsidDiscFormat2Erase,
                                          static_cast<IDiscFormat2Erase *>(&eraser));
    REQUIRE(recorderClass.ok() && formatClass.ok() && eraserClass.ok());
    pelimor::Imapi2DiscService service;
    auto discRecorder = service.CreateDiscRecorder();
    discRecorder->InitializeDiscRecorder("rec0");
    auto writer = service.CreateDataWriter();
    writer->put_Recorder(*discRecorder);

    using Reuse = pelimor::MediaReuse;
    constexpr int cdR = 2, cdRw = 3, dvdPlusRw = 7, dvdDashRw = 10, bdRe = 19;
    struct Row {
        const char *disc;
        LONG bits;
        bool physicallyBlank;
        int becomingReady;
        int seen;
        int type;    // IMAPI_MEDIA_PHYSICAL_TYPE
        Reuse reuse; // offered once the disc is refused
    };
    const Row rows[] = {
        {"blank CD-R", 0x2, true, 0, 2, cdR, Reuse::None},
        {"blank CD-R, appendable", 0x6, true, 0, 6, cdR, Reuse::None},
        {"blank, one session only", 0xA, true, 0, 2, cdR, Reuse::None},
        {"blank, just loaded", 0x6, true, 2, 6, cdR, Reuse::None},
        {"blank DVD+RW", 0x3, true, 0, 2, dvdPlusRw, Reuse::None},
        {"used DVD+RW, zeros at both ends", 0x3, false, 0, 0x1000, dvdPlusRw, Reuse::Overwrite},
        {"used BD-RE", 0x1, false, 0, 0x1000, bdRe, Reuse::Overwrite},
        {"CD-R with data, open", 0x4, false, 0, 4, cdR, Reuse::None},
        {"closed disc", 0x4000, false, 0, 0x4000, cdR, Reuse::None},
        {"write-protected BD-RE", 0x2001, true, 0, 0x2000, bdRe, Reuse::None},
        {"closed CD-RW", 0x4000, false, 0, 0x4000, cdRw, Reuse::Erase},
        {"DVD-RW with an open session", 0x1004, false, 0, 0x1004, dvdDashRw, Reuse::Erase},
        {"damaged CD-RW", 0x4400, false, 0, 0x4400, cdRw, Reuse::None},
    };
    for (const Row &row : rows) {
        format.mediaStatus = row.bits;
        format.physicallyBlank = row.physicallyBlank;
        format.heuristicallyBlank = true; // IMAPI2's guess alone proves nothing
        format.becomingReady = row.becomingReady;
        format.physicalType = row.type;
        int seen = -1;
        Reuse reuse = Reuse::None;
        try {
            seen = static_cast<int>(writer->CurrentMediaStatus());
            reuse = writer->CurrentMediaReuse();
        } catch (const pelimor::ServiceError &error) {
            wintest::note(error.what());
        }
        if (seen != row.seen || reuse != row.reuse)
            wintest::recordFailure(__FILE__, __LINE__,
                                   std::string(row.disc) + ": " + wintest::describeMismatch(seen, row.seen) +
                                       ", reuse " + wintest::describeMismatch(int(reuse), int(row.reuse)));
    }
    // A CD-RW this recorder's eraser refuses is not offered for a blank.
    format.mediaStatus = 0x4000;
    format.physicalType = cdRw;
    eraser.mediaSupported = false;
    CHECK(writer->CurrentMediaReuse() == Reuse::None);
    // A used DVD+RW the user agreed to lose counts as blank.
    format.mediaStatus = 0x1;
    format.physicallyBlank = false;
    writer->put_ForceOverwrite(true);
    CHECK_EQ(static_cast<int>(writer->CurrentMediaStatus()), 2);
    CHECK(format.forceOverwrite);
    // Rewritable discs offer their whole capacity whether used or not: the
    // free space is no test of blankness.
    CHECK_EQ(writer->NextWritableAddress(), 0);

    // An empty tray: an error since Windows 7, and the "no supported media"
    // refusal for the user.
    format.mediaPresent = false;
    bool supported = true;
    try {
        supported = writer->IsCurrentMediaSupported(*discRecorder);
    } catch (const pelimor::ServiceError &error) {
        wintest::recordFailure(__FILE__, __LINE__, error.what());
    }
    CHECK(!supported);

    // An eject that fails is reported in words; the window carries on.
    recorder.ejectResult = static_cast<HRESULT>(0xC0AA0205L);
    std::string ejectError;
    try {
        discRecorder->EjectMedia();
    } catch (const pelimor::ServiceError &error) {
        ejectError = error.what();
    }
    CHECK(ejectError.find("getting the disc ready") != std::string::npos);
}
