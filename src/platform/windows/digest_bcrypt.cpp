// Hashes through Windows' own cryptography (CNG), which uses the
// processor's SHA extensions where present and needs nothing installed.
#include "platform/discservice.h"
#include "platform/image_hasher.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>
#include <vector>

namespace pelimor {
namespace {

class BcryptDigest : public Digest {
public:
    explicit BcryptDigest(const wchar_t *algorithm)
    {
        if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&m_provider, algorithm, nullptr, 0)))
            throw ServiceError("the hash algorithm is not available");
        DWORD length = 0;
        ULONG written = 0;
        if (!BCRYPT_SUCCESS(BCryptGetProperty(m_provider, BCRYPT_HASH_LENGTH, reinterpret_cast<PUCHAR>(&length),
                                              sizeof length, &written, 0)) ||
            !BCRYPT_SUCCESS(BCryptCreateHash(m_provider, &m_hash, nullptr, 0, nullptr, 0, 0))) {
            BCryptCloseAlgorithmProvider(m_provider, 0);
            throw ServiceError("the hash algorithm is not available");
        }
        m_length = length;
    }
    ~BcryptDigest() override
    {
        BCryptDestroyHash(m_hash);
        BCryptCloseAlgorithmProvider(m_provider, 0);
    }
    BcryptDigest(const BcryptDigest &) = delete;
    BcryptDigest &operator=(const BcryptDigest &) = delete;

    void update(const unsigned char *data, std::size_t size) override
    {
        // BCryptHashData takes at most 4 GiB - 1 at a time.
        while (size > 0) {
            const ULONG part = static_cast<ULONG>(std::min<std::size_t>(size, 0x40000000));
            if (!BCRYPT_SUCCESS(BCryptHashData(m_hash, const_cast<PUCHAR>(data), part, 0)))
                throw ServiceError("hashing failed");
            data += part;
            size -= part;
        }
    }

    std::string finishHex() override
    {
        std::vector<unsigned char> value(m_length);
        if (!BCRYPT_SUCCESS(BCryptFinishHash(m_hash, value.data(), m_length, 0)))
            throw ServiceError("hashing failed");
        static constexpr char digits[] = "0123456789abcdef";
        std::string hex;
        for (unsigned char byte : value) {
            hex += digits[byte >> 4];
            hex += digits[byte & 0x0F];
        }
        return hex;
    }

private:
    BCRYPT_ALG_HANDLE m_provider = nullptr;
    BCRYPT_HASH_HANDLE m_hash = nullptr;
    ULONG m_length = 0;
};

} // namespace

std::unique_ptr<Digest> createDigest(HashAlgorithm algorithm)
{
    switch (algorithm) {
    case HashAlgorithm::md5:
        return std::make_unique<BcryptDigest>(BCRYPT_MD5_ALGORITHM);
    case HashAlgorithm::sha1:
        return std::make_unique<BcryptDigest>(BCRYPT_SHA1_ALGORITHM);
    case HashAlgorithm::sha256:
        return std::make_unique<BcryptDigest>(BCRYPT_SHA256_ALGORITHM);
    case HashAlgorithm::sha512:
        break;
    }
    return std::make_unique<BcryptDigest>(BCRYPT_SHA512_ALGORITHM);
}

} // namespace pelimor
