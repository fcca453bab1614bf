#include "standin_config.h"

#include <cstdio>
#include <cwchar>
#include <sstream>

namespace standin {
namespace {

std::wstring variable(const wchar_t *name, const wchar_t *fallback = L"")
{
    wchar_t buffer[4096];
    const DWORD length = GetEnvironmentVariableW(name, buffer, 4096);
    return length > 0 && length < 4096 ? std::wstring(buffer, length) : std::wstring(fallback);
}

LONG number(const wchar_t *name, LONG fallback)
{
    const std::wstring text = variable(name);
    wchar_t *end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 0);
    return text.empty() || *end ? fallback : static_cast<LONG>(value);
}

std::vector<std::wstring> split(const std::wstring &text, wchar_t separator)
{
    std::vector<std::wstring> parts;
    std::wstringstream in(text);
    std::wstring part;
    while (std::getline(in, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

fakes::ServiceBurn::Fault faultNamed(const std::wstring &name)
{
    using Fault = fakes::ServiceBurn::Fault;
    if (name == L"write-error")
        return Fault::WriteError;
    if (name == L"drop-updates")
        return Fault::DropUpdates;
    if (name == L"stop-halfway")
        return Fault::StopHalfway;
    return Fault::None;
}

} // namespace

Config configFromEnvironment()
{
    Config config;
    const std::wstring recorders =
        variable(L"PELIMOR_STANDIN_RECORDERS", L"PELIMOR|EMUL-DVDRW|1.09|E:\\|9,10,17,18,26,27,43");
    int index = 0;
    for (const auto &entry : split(recorders, L';')) {
        const auto fields = split(entry, L'|');
        if (fields.size() != 5)
            continue;
        RecorderInfo info;
        // The service names a recorder by its device path.
        info.id =
            L"\\\\?\\ide#cdrompelimor_standin#" + std::to_wstring(index++) + L"#{53f56308-b6bf-11d0-94f2-00a0c91efb8b}";
        info.vendor = fields[0];
        info.product = fields[1];
        info.revision = fields[2];
        info.volume = fields[3];
        for (const auto &profile : split(fields[4], L','))
            if (!profile.empty())
                info.profiles.push_back(static_cast<LONG>(std::wcstol(profile.c_str(), nullptr, 0)));
        config.recorders.push_back(std::move(info));
    }
    config.mediaState = number(L"PELIMOR_STANDIN_MEDIA_STATE", 2);
    config.nextWritable = number(L"PELIMOR_STANDIN_NEXT_WRITABLE", 0);
    config.mediaType = number(L"PELIMOR_STANDIN_MEDIA_TYPE", -1);
    config.physicallyBlank = number(L"PELIMOR_STANDIN_PHYSICALLY_BLANK", 1) != 0;
    config.eraseMilliseconds = static_cast<unsigned>(number(L"PELIMOR_STANDIN_ERASE_MS", 2000));
    config.eraseResult = static_cast<HRESULT>(number(L"PELIMOR_STANDIN_ERASE_RESULT", 0));
    config.recorderSupported = number(L"PELIMOR_STANDIN_RECORDER_SUPPORTED", 1) != 0;
    config.mediaSupported = number(L"PELIMOR_STANDIN_MEDIA_SUPPORTED", 1) != 0;
    config.mediaPresent = number(L"PELIMOR_STANDIN_MEDIA_PRESENT", 1) != 0;
    config.burn.disc = variable(L"PELIMOR_STANDIN_DISC");
    config.burn.writeMilliseconds = static_cast<unsigned>(number(L"PELIMOR_STANDIN_BURN_MS", 3000));
    config.burn.verifyMilliseconds = config.burn.writeMilliseconds / 2;
    config.burn.fault = faultNamed(variable(L"PELIMOR_STANDIN_FAULT"));
    config.log = variable(L"PELIMOR_STANDIN_LOG");
    return config;
}

World &World::get()
{
    static World world;
    return world;
}

World::World() : m_config(configFromEnvironment()) {}

void World::note(const std::wstring &line)
{
    if (m_config.log.empty())
        return;
    // The lines are plain ASCII; the test reads them on Linux.
    std::string narrow;
    for (const wchar_t c : line)
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    if (FILE *file = _wfopen(m_config.log.c_str(), L"ab")) {
        std::fputs((narrow + "\n").c_str(), file);
        std::fclose(file);
    }
}

IUnknown *World::newDiscMaster()
{
    const std::lock_guard guard(m_lock);
    auto master = std::make_unique<fakes::DiscMaster>();
    for (const auto &recorder : m_config.recorders)
        master->ids.push_back(recorder.id);
    m_masters.push_back(std::move(master));
    return static_cast<IDiscMaster2 *>(m_masters.back().get());
}

IUnknown *World::newRecorder()
{
    const std::lock_guard guard(m_lock);
    auto recorder = std::make_unique<fakes::Recorder>();
    recorder->initialized = [this](fakes::Recorder &r) {
        for (const auto &info : m_config.recorders) {
            if (info.id != r.initializedWith)
                continue;
            r.vendor = info.vendor;
            r.product = info.product;
            r.revision = info.revision;
            r.profiles = info.profiles;
            r.volumes.clear();
            if (!info.volume.empty())
                r.volumes.push_back(info.volume);
        }
    };
    m_recorders.push_back(std::move(recorder));
    return static_cast<IDiscRecorder2 *>(m_recorders.back().get());
}

IUnknown *World::newWriter()
{
    const std::lock_guard guard(m_lock);
    auto writer = std::make_unique<fakes::Format>();
    writer->mediaStatus = m_config.mediaState;
    writer->nextWritable = m_config.nextWritable;
    writer->recorderSupported = m_config.recorderSupported;
    writer->mediaSupported = m_config.mediaSupported;
    writer->mediaPresent = m_config.mediaPresent;
    writer->physicalType = m_config.mediaType;
    writer->physicallyBlank = m_config.physicallyBlank;
    writer->writeWith = [this](fakes::Format &format, IStream *image) {
        note(L"write started");
        const HRESULT hr = m_config.burn(format, image);
        wchar_t line[160];
        std::swprintf(line, 160, L"write returned 0x%08lX after %llu of %llu bytes, %d stop requests",
                      static_cast<unsigned long>(hr), static_cast<unsigned long long>(format.bytesRead),
                      static_cast<unsigned long long>(format.streamSize), format.cancels);
        note(line);
        return hr;
    };
    m_writers.push_back(std::move(writer));
    return static_cast<IDiscFormat2Data *>(m_writers.back().get());
}

IUnknown *World::newEraser()
{
    const std::lock_guard guard(m_lock);
    auto eraser = std::make_unique<fakes::Eraser>();
    eraser->eraseResult = m_config.eraseResult;
    eraser->during = [this](fakes::Eraser &e) {
        note(L"erase started");
        // Reports every quarter second, as the service does, with a total
        // that is its estimate from the start.
        const unsigned total = m_config.eraseMilliseconds;
        for (unsigned spent = 0; spent < total; spent += 250) {
            e.raise(static_cast<LONG>(spent / 1000), static_cast<LONG>((total + 999) / 1000));
            Sleep(250);
        }
    };
    eraser->erased = [this] {
        const std::lock_guard guard(m_lock);
        m_config.mediaState = 2;
        m_config.physicallyBlank = true;
        m_config.nextWritable = 0;
        // Writers made before the blank ask the drive afresh, as the
        // service's do.
        for (const auto &writer : m_writers) {
            writer->mediaStatus = m_config.mediaState;
            writer->physicallyBlank = true;
            writer->nextWritable = 0;
        }
        note(L"disc blanked");
        // Nothing of the old data can be read any more.
        if (!m_config.burn.disc.empty()) {
            HANDLE disc = CreateFileW(m_config.burn.disc.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            if (disc != INVALID_HANDLE_VALUE)
                CloseHandle(disc);
        }
    };
    m_erasers.push_back(std::move(eraser));
    return static_cast<IDiscFormat2Erase *>(m_erasers.back().get());
}

} // namespace standin
