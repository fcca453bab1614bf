#include "platform/windows/imapi2_disc_service.h"

#include "platform/windows/imapi2_errors.h"

namespace pelimor {
namespace {

using imapi2::check;
using win::Bstr;
using win::ComPtr;
using win::SafeArray;

template <typename T> ComPtr<T> createServiceObject(const CLSID &clsid, const IID &iid, const char *what)
{
    ComPtr<T> object;
    const HRESULT hr =
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, iid, object.putVoid());
    if (FAILED(hr) || !object)
        throw ServiceError(imapi2::describeFailure(what, FAILED(hr) ? hr : E_NOINTERFACE));
    return object;
}

} // namespace

Imapi2DiscService::Imapi2DiscService(std::shared_ptr<win::UiThread> ui) : m_ui(std::move(ui)) {}

std::unique_ptr<DiscMaster> Imapi2DiscService::CreateDiscMaster()
{
    return std::make_unique<Imapi2DiscMaster>(createServiceObject<IDiscMaster2>(
        imapi2::clsidDiscMaster2, imapi2::iidDiscMaster2, "The disc-burning service could not be started"));
}

std::unique_ptr<DiscRecorder> Imapi2DiscService::CreateDiscRecorder()
{
    return std::make_unique<Imapi2DiscRecorder>(createServiceObject<IDiscRecorder2>(
        imapi2::clsidDiscRecorder2, imapi2::iidDiscRecorder2, "The disc recorder object could not be created"));
}

std::unique_ptr<DataWriter> Imapi2DiscService::CreateDataWriter()
{
    return std::make_unique<Imapi2DataWriter>(
        createServiceObject<IDiscFormat2Data>(imapi2::clsidDiscFormat2Data, imapi2::iidDiscFormat2Data,
                                              "The disc writer object could not be created"),
        m_ui);
}

std::vector<std::string> Imapi2DiscMaster::RecorderIds()
{
    LONG count = 0;
    check(m_master->get_Count(&count), "The recorders could not be counted");
    std::vector<std::string> ids;
    for (LONG i = 0; i < count; ++i) {
        Bstr id;
        check(m_master->get_Item(i, id.put()), "A recorder could not be named");
        ids.push_back(win::toUtf8(id.str()));
    }
    return ids;
}

void Imapi2DiscRecorder::InitializeDiscRecorder(const std::string &recorderId)
{
    const Bstr id(win::toWide(recorderId));
    check(m_recorder->InitializeDiscRecorder(id.get()), "The recorder could not be opened");
    m_id = win::toWide(recorderId);
}

std::vector<int> Imapi2DiscRecorder::SupportedProfiles()
{
    SafeArray profiles;
    check(m_recorder->get_SupportedProfiles(profiles.put()), "The recorder's disc types could not be read");
    std::vector<int> result;
    for (const long profile : win::longsFrom(profiles.get()))
        result.push_back(static_cast<int>(profile));
    return result;
}

std::string Imapi2DiscRecorder::VendorId()
{
    Bstr text;
    check(m_recorder->get_VendorId(text.put()), "The recorder's manufacturer could not be read");
    return win::toUtf8(text.str());
}

std::string Imapi2DiscRecorder::ProductId()
{
    Bstr text;
    check(m_recorder->get_ProductId(text.put()), "The recorder's model could not be read");
    return win::toUtf8(text.str());
}

std::string Imapi2DiscRecorder::ProductRevision()
{
    Bstr text;
    check(m_recorder->get_ProductRevision(text.put()), "The recorder's revision could not be read");
    return win::toUtf8(text.str());
}

std::vector<std::string> Imapi2DiscRecorder::VolumePathNames()
{
    SafeArray names;
    check(m_recorder->get_VolumePathNames(names.put()), "The recorder's drive letter could not be read");
    std::vector<std::string> result;
    for (const auto &name : win::textsFrom(names.get()))
        result.push_back(win::toUtf8(name));
    return result;
}

void Imapi2DiscRecorder::EjectMedia()
{
    check(m_recorder->EjectMedia(), "The disc could not be ejected");
}

} // namespace pelimor
