// The image as the writer reads it: FileImageStream and the IStream over it,
// on a small file whose size is not a whole number of sectors and on a
// sparse file larger than 4 GiB.
#include "check.h"
#include "winfiles.h"

#include "platform/filestream.h"
#include "platform/windows/com_support.h"
#include "platform/windows/image_istream.h"

#include <windows.h>

#include <psapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>

namespace {

using pelimor::win::ComPtr;
using pelimor::win::ImageIStream;

constexpr std::int64_t GiB = std::int64_t{1} << 30;

std::vector<unsigned char> readAll(IStream *stream, ULONG chunk)
{
    std::vector<unsigned char> all;
    std::vector<unsigned char> buffer(chunk);
    for (;;) {
        ULONG got = 0;
        const HRESULT hr = stream->Read(buffer.data(), chunk, &got);
        all.insert(all.end(), buffer.begin(), buffer.begin() + got);
        if (FAILED(hr) || got < chunk)
            return all;
    }
}

std::uint64_t seekTo(IStream *stream, std::int64_t offset, DWORD origin)
{
    LARGE_INTEGER move;
    move.QuadPart = offset;
    ULARGE_INTEGER now;
    now.QuadPart = ~0ull;
    if (FAILED(stream->Seek(move, origin, &now)))
        return ~0ull;
    return now.QuadPart;
}

std::vector<unsigned char> readAt(IStream *stream, std::int64_t offset, ULONG count)
{
    std::vector<unsigned char> bytes(count);
    ULONG got = 0;
    if (seekTo(stream, offset, STREAM_SEEK_SET) != static_cast<std::uint64_t>(offset) ||
        FAILED(stream->Read(bytes.data(), count, &got)))
        got = 0;
    bytes.resize(got);
    return bytes;
}

SIZE_T peakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
}

} // namespace

TEST_CASE("stream: a size that is not a whole number of sectors is padded with zeros")
{
    wintest::TempFile file(L"pelimor-padding.iso");
    const auto content = wintest::pattern(5000, 3);
    REQUIRE(file.write(content));
    auto expected = content;
    expected.resize(6144, 0); // three sectors, the last one 1144 zeros long

    pelimor::FileImageStream image(file.utf8());
    CHECK_EQ(image.fileSize(), std::int64_t{5000});
    CHECK_EQ(image.size(), std::int64_t{6144});

    auto stream = ComPtr<ImageIStream>::adopt(ImageIStream::create(image));
    STATSTG stat{};
    REQUIRE(SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)));
    CHECK_EQ(stat.cbSize.QuadPart, 6144ull);
    CHECK(stat.pwcsName == nullptr);

    // Odd chunk sizes must not lose or repeat bytes at the file's end.
    CHECK(readAll(stream.get(), 1000) == expected);
    ULONG got = 99;
    unsigned char extra[16];
    CHECK_EQ(stream->Read(extra, sizeof extra, &got), S_FALSE);
    CHECK_EQ(got, 0ul);

    CHECK_EQ(seekTo(stream.get(), 0, STREAM_SEEK_END), 6144ull);
    CHECK_EQ(seekTo(stream.get(), 0, STREAM_SEEK_CUR), 6144ull);
    // Backwards after the end: the file is read again from its start.
    const auto across = readAt(stream.get(), 4990, 20);
    CHECK(across == std::vector<unsigned char>(expected.begin() + 4990, expected.begin() + 5010));
    CHECK(readAt(stream.get(), 0, 8) == std::vector<unsigned char>(expected.begin(), expected.begin() + 8));
    CHECK_EQ(stream->bytesDelivered(), std::int64_t{6144});

    // A clone has its own position over the same bytes.
    ComPtr<IStream> clone;
    REQUIRE(SUCCEEDED(stream->Clone(clone.put())));
    CHECK(readAll(clone.get(), 4096) == std::vector<unsigned char>(expected.begin() + 8, expected.end()));
    CHECK(readAt(stream.get(), 6000, 144) == std::vector<unsigned char>(144, 0));

    // Read-only: the writer can never change the image.
    ULONG written = 7;
    CHECK_EQ(stream->Write(extra, sizeof extra, &written), STG_E_ACCESSDENIED);
    CHECK_EQ(written, 0ul);
    ULARGE_INTEGER newSize;
    newSize.QuadPart = 1;
    CHECK_EQ(stream->SetSize(newSize), STG_E_ACCESSDENIED);
}

TEST_CASE("stream: whole-sector and empty files, a shrinking file and a detached stream")
{
    wintest::TempFile whole(L"pelimor-whole.iso");
    REQUIRE(whole.write(wintest::pattern(4096, 5)));
    pelimor::FileImageStream wholeImage(whole.utf8());
    CHECK_EQ(wholeImage.size(), std::int64_t{4096});
    auto wholeStream = ComPtr<ImageIStream>::adopt(ImageIStream::create(wholeImage));
    CHECK(readAll(wholeStream.get(), 3000) == wintest::pattern(4096, 5));

    wintest::TempFile empty(L"pelimor-empty.iso");
    REQUIRE(empty.write({}));
    pelimor::FileImageStream emptyImage(empty.utf8());
    CHECK_EQ(emptyImage.size(), std::int64_t{0});
    auto emptyStream = ComPtr<ImageIStream>::adopt(ImageIStream::create(emptyImage));
    CHECK(readAll(emptyStream.get(), 2048).empty());

    // A file cut short while it is being burnt fails the read, and the
    // reason is kept for the message; it is not padded into a "success".
    wintest::TempFile shrinking(L"pelimor-shrinking.iso");
    REQUIRE(shrinking.write(wintest::pattern(3 * 1024 * 1024, 9)));
    pelimor::FileImageStream shrinkingImage(shrinking.utf8());
    auto shrinkingStream = ComPtr<ImageIStream>::adopt(ImageIStream::create(shrinkingImage));
    HANDLE cut = CreateFileW(shrinking.path().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    REQUIRE(cut != INVALID_HANDLE_VALUE);
    LARGE_INTEGER half;
    half.QuadPart = 1024 * 1024;
    CHECK(SetFilePointerEx(cut, half, nullptr, FILE_BEGIN) && SetEndOfFile(cut));
    CloseHandle(cut);
    std::vector<unsigned char> buffer(2 * 1024 * 1024);
    ULONG got = 0;
    HRESULT hr = S_OK;
    for (int i = 0; i < 2 && SUCCEEDED(hr); ++i)
        hr = shrinkingStream->Read(buffer.data(), static_cast<ULONG>(buffer.size()), &got);
    CHECK_EQ(hr, STG_E_READFAULT);
    CHECK(shrinkingStream->readError().find("ended early") != std::string::npos);

    // Once the writer has detached the stream, nothing reaches the file.
    wholeStream->detach();
    CHECK_EQ(wholeStream->Read(buffer.data(), 16, &got), E_UNEXPECTED);
    STATSTG stat{};
    CHECK_EQ(wholeStream->Stat(&stat, STATFLAG_NONAME), E_UNEXPECTED);
}

TEST_CASE("stream: a sparse image over 4 GiB reads to its last sector with bounded memory")
{
    // 4 GiB + 5 sectors + 1000 bytes: the 32-bit size, the 2 GiB signed and
    // the 4 GiB unsigned limits all lie inside the file.
    const std::int64_t size = 4 * GiB + 5 * 2048 + 1000;
    const std::int64_t padded = 4 * GiB + 6 * 2048;
    const auto at2 = wintest::pattern(16, 11);    // across the 2 GiB mark
    const auto at4 = wintest::pattern(16, 13);    // across the 4 GiB mark
    const auto tail = wintest::pattern(1000, 17); // the last bytes of the file
    wintest::TempFile file(L"pelimor-large.iso");
    REQUIRE(file.writeSparse(size, {{2 * GiB - 8, at2}, {4 * GiB - 8, at4}, {size - 1000, tail}}));

    const SIZE_T peakBefore = peakWorkingSet();
    pelimor::FileImageStream image(file.utf8());
    CHECK_EQ(image.fileSize(), size);
    CHECK_EQ(image.size(), padded);

    // Sequential read of the whole file in the writer's chunk size: every
    // marker at its place, and nothing else but zeros (the byte sum of the
    // markers alone).
    std::uint64_t expectedSum = 0;
    for (const auto *piece : {&at2, &at4, &tail})
        for (unsigned char b : *piece)
            expectedSum += b;
    auto stream = ComPtr<ImageIStream>::adopt(ImageIStream::create(image));
    std::vector<unsigned char> chunk(1 << 20);
    std::uint64_t sum = 0;
    std::int64_t total = 0;
    std::vector<unsigned char> seen2(16), seen4(16);
    for (;;) {
        ULONG got = 0;
        const HRESULT hr = stream->Read(chunk.data(), static_cast<ULONG>(chunk.size()), &got);
        REQUIRE(SUCCEEDED(hr));
        for (ULONG i = 0; i < got; ++i) {
            sum += chunk[i];
            const std::int64_t offset = total + i;
            if (offset >= 2 * GiB - 8 && offset < 2 * GiB + 8)
                seen2[static_cast<std::size_t>(offset - (2 * GiB - 8))] = chunk[i];
            if (offset >= 4 * GiB - 8 && offset < 4 * GiB + 8)
                seen4[static_cast<std::size_t>(offset - (4 * GiB - 8))] = chunk[i];
        }
        total += got;
        if (got < chunk.size())
            break;
    }
    CHECK_EQ(total, padded);
    CHECK_EQ(sum, expectedSum);
    CHECK(seen2 == at2);
    CHECK(seen4 == at4);

    // Seeking inside our own stream: the last sector, then back across both
    // marks; 64-bit offsets all the way.
    STATSTG stat{};
    REQUIRE(SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)));
    CHECK_EQ(stat.cbSize.QuadPart, static_cast<ULONGLONG>(padded));
    const auto last = readAt(stream.get(), padded - 2048, 2048);
    REQUIRE(last.size() == 2048);
    // The last sector holds the end of the tail, then the padding zeros.
    const std::int64_t tailStartInLast = (size - 1000) - (padded - 2048);
    for (std::int64_t i = 0; i < 2048; ++i) {
        const std::int64_t inTail = i - tailStartInLast;
        const unsigned char want = inTail >= 0 && inTail < 1000 ? tail[static_cast<std::size_t>(inTail)] : 0;
        if (last[static_cast<std::size_t>(i)] != want) {
            CHECK_EQ(static_cast<int>(last[static_cast<std::size_t>(i)]), static_cast<int>(want));
            break;
        }
    }
    CHECK(readAt(stream.get(), 4 * GiB - 8, 16) == at4);
    CHECK(readAt(stream.get(), 2 * GiB - 8, 16) == at2);

    // Bounded memory: the file is 4 GiB, the process grew by far less.
    const SIZE_T peakAfter = peakWorkingSet();
    REQUIRE(peakAfter != 0); // without a figure the bound would pass unchecked
    CHECK(peakAfter - peakBefore < 64u * 1024 * 1024);
}

namespace {

// Counts what the writer's reads cost in bytes taken from the file.
class CountingStream final : public pelimor::ImageStream {
public:
    explicit CountingStream(pelimor::ImageStream &inner) : m_inner(inner) {}
    std::int64_t size() const override { return m_inner.size(); }
    std::int64_t read(char *buffer, std::int64_t maxBytes) override
    {
        const std::int64_t got = m_inner.read(buffer, maxBytes);
        fromFile += got;
        return got;
    }
    void rewind() override { m_inner.rewind(); }
    void seek(std::int64_t position) override { m_inner.seek(position); }
    std::int64_t fromFile = 0;

private:
    pelimor::ImageStream &m_inner;
};

struct SectorReader {
    IStream *stream;
    std::vector<unsigned char> *expected;
    int wrong = 0;
};

// Reads sectors in a scattered order and checks each against the file.
DWORD WINAPI readScattered(void *parameter)
{
    auto *r = static_cast<SectorReader *>(parameter);
    const std::int64_t sectors = static_cast<std::int64_t>(r->expected->size()) / 2048;
    for (std::int64_t i = 0; i < 400; ++i) {
        const std::int64_t sector = (i * 7919) % sectors;
        const auto bytes = readAt(r->stream, sector * 2048, 2048);
        if (bytes.size() != 2048 || !std::equal(bytes.begin(), bytes.end(), r->expected->begin() + sector * 2048))
            ++r->wrong;
    }
    return 0;
}

} // namespace

TEST_CASE("stream: seeks jump in the file, clones share one count, and reads from two threads stay apart")
{
    wintest::TempFile file(L"pelimor-seek.iso");
    auto content = wintest::pattern(8 * 1024 * 1024, 31);
    REQUIRE(file.write(content));
    pelimor::FileImageStream image(file.utf8());
    CountingStream counting(image);
    auto stream = ComPtr<ImageIStream>::adopt(ImageIStream::create(counting));

    // A verifier's pattern: the last sector, then one near the start.
    CHECK_EQ(readAt(stream.get(), 8 * 1024 * 1024 - 2048, 2048).size(), std::size_t{2048});
    CHECK(readAt(stream.get(), 4096, 16) == std::vector<unsigned char>(content.begin() + 4096, content.begin() + 4112));
    CHECK(counting.fromFile < 64 * 1024); // not the whole image again

    // Half through the stream, the rest through a clone: the writer's
    // completeness check sees the whole image delivered.
    auto fresh = ComPtr<ImageIStream>::adopt(ImageIStream::create(image));
    std::vector<unsigned char> half(4 * 1024 * 1024);
    ULONG got = 0;
    REQUIRE(SUCCEEDED(fresh->Read(half.data(), static_cast<ULONG>(half.size()), &got)));
    ComPtr<IStream> clone;
    REQUIRE(SUCCEEDED(fresh->Clone(clone.put())));
    CHECK(readAll(clone.get(), 1 << 20).size() == half.size());
    CHECK_EQ(fresh->bytesDelivered(), std::int64_t{8 * 1024 * 1024});

    // IMAPI2 may read the stream and a clone from two of its threads.
    ComPtr<IStream> sibling;
    REQUIRE(SUCCEEDED(stream->Clone(sibling.put())));
    SectorReader one{stream.get(), &content}, two{sibling.get(), &content};
    HANDLE threads[] = {CreateThread(nullptr, 0, readScattered, &one, 0, nullptr),
                        CreateThread(nullptr, 0, readScattered, &two, 0, nullptr)};
    WaitForMultipleObjects(2, threads, TRUE, 60000);
    CloseHandle(threads[0]);
    CloseHandle(threads[1]);
    CHECK_EQ(one.wrong, 0);
    CHECK_EQ(two.wrong, 0);
}
