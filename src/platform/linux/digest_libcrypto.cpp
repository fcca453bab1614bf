// Hashes through OpenSSL's libcrypto, which uses the processor's SHA
// extensions (SHA-NI, ARMv8 crypto) where present: several times faster than
// a portable implementation, and at least as fast as the system's own
// sha256sum.
#include "platform/discservice.h"
#include "platform/image_hasher.h"

#include <openssl/evp.h>

namespace pelimor {
namespace {

class LibcryptoDigest : public Digest {
public:
    explicit LibcryptoDigest(const EVP_MD *type) : m_context(EVP_MD_CTX_new())
    {
        if (!m_context || EVP_DigestInit_ex(m_context, type, nullptr) != 1) {
            EVP_MD_CTX_free(m_context);
            throw ServiceError("the hash algorithm is not available");
        }
    }
    ~LibcryptoDigest() override { EVP_MD_CTX_free(m_context); }
    LibcryptoDigest(const LibcryptoDigest &) = delete;
    LibcryptoDigest &operator=(const LibcryptoDigest &) = delete;

    void update(const unsigned char *data, std::size_t size) override
    {
        if (EVP_DigestUpdate(m_context, data, size) != 1)
            throw ServiceError("hashing failed");
    }

    std::string finishHex() override
    {
        unsigned char value[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        if (EVP_DigestFinal_ex(m_context, value, &length) != 1)
            throw ServiceError("hashing failed");
        static constexpr char digits[] = "0123456789abcdef";
        std::string hex;
        for (unsigned int i = 0; i < length; ++i) {
            hex += digits[value[i] >> 4];
            hex += digits[value[i] & 0x0F];
        }
        return hex;
    }

private:
    EVP_MD_CTX *m_context;
};

} // namespace

std::unique_ptr<Digest> createDigest(HashAlgorithm algorithm)
{
    switch (algorithm) {
    case HashAlgorithm::md5:
        return std::make_unique<LibcryptoDigest>(EVP_md5());
    case HashAlgorithm::sha1:
        return std::make_unique<LibcryptoDigest>(EVP_sha1());
    case HashAlgorithm::sha256:
        return std::make_unique<LibcryptoDigest>(EVP_sha256());
    case HashAlgorithm::sha512:
        break;
    }
    return std::make_unique<LibcryptoDigest>(EVP_sha512());
}

} // namespace pelimor
