// The CNG hashes against the published test vectors, and a file hashed in
// chunks (a name outside the ANSI code page included) against one call.
#include "check.h"
#include "winfiles.h"

#include "platform/image_hasher.h"

using pelimor::HashAlgorithm;

TEST_CASE("CNG digests give the standard answers for \"abc\"")
{
    const struct {
        HashAlgorithm algorithm;
        const char *hex;
    } vectors[] = {
        {HashAlgorithm::md5, "900150983cd24fb0d6963f7d28e17f72"},
        {HashAlgorithm::sha1, "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {HashAlgorithm::sha256, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {HashAlgorithm::sha512, "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
                                "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f"},
    };
    for (const auto &v : vectors) {
        auto digest = pelimor::createDigest(v.algorithm);
        digest->update(reinterpret_cast<const unsigned char *>("abc"), 3);
        CHECK_EQ(digest->finishHex(), std::string(v.hex));
    }
}

TEST_CASE("a file is hashed in chunks exactly as in one piece")
{
    wintest::TempFile file(L"pelimor \x00e9t\x00e9 \x4e2d.iso");
    std::vector<unsigned char> bytes(3 * 1024 * 1024 + 7);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 131 + (i >> 11));
    REQUIRE(file.write(bytes));
    auto whole = pelimor::createDigest(HashAlgorithm::sha256);
    whole->update(bytes.data(), bytes.size());
    std::atomic<bool> cancel{false};
    std::atomic<std::int64_t> done{0};
    CHECK_EQ(pelimor::hashFile(file.utf8(), HashAlgorithm::sha256, cancel, &done).value_or("none"), whole->finishHex());
    CHECK_EQ(done.load(), static_cast<std::int64_t>(bytes.size()));
}
