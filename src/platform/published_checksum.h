// Checksums published beside a downloaded image: the SHA256SUMS, CHECKSUM,
// sha256sums.txt or image.iso.sha256 files that distributions ship next to
// their images. Finding one lets the burn catch a damaged download before a
// disc is wasted on it.
//
// Understood: GNU lines ("HASH  name", "HASH *name"), BSD lines
// ("SHA256 (name) = HASH"), files holding one bare hash and named after the
// image, comments, and PGP clear-signed wrappers. The signature itself is
// not verified: the aim is to catch damage, not forgery.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelimor {

enum class HashAlgorithm { md5, sha1, sha256, sha512 };

// "SHA-256" and the like, for messages.
const char *algorithmName(HashAlgorithm algorithm);

struct ChecksumListing {
    HashAlgorithm algorithm;
    std::string hash;     // lower-case hex
    std::string listFile; // UTF-8 path of the file that lists it
    bool namedAfterImage; // image.iso.sha256 rather than a shared list
};

// The hashes one checksum file's text gives for `imageName`. `fileName` is
// the checksum file's own name: "SHA512SUMS" or "image.iso.md5" says which
// algorithm its bare hashes are, and "b2sums.txt" that they are none we
// check (a 128-digit BLAKE2 hash must not pass for SHA-512). A file named
// after the image may hold its hash with no name at all.
std::vector<ChecksumListing> parseChecksumFile(std::string_view text, std::string_view fileName,
                                               std::string_view imageName, bool namedAfterImage);

// What the image is checked against: every listing of the preferred
// algorithm (SHA-256, then SHA-512; MD5 and SHA-1 only when nothing
// stronger lists the image), most specific file first. The image matches
// when its hash equals any of them, so a stale list beside a fresh one does
// not condemn a good download.
struct PublishedChecksum {
    HashAlgorithm algorithm;
    std::vector<ChecksumListing> listings;
};

// Looks through the image's folder. Unreadable, oversized, binary or
// garbled files are passed over; nullopt when no file lists the image.
std::optional<PublishedChecksum> findPublishedChecksum(const std::string &utf8ImagePath);

} // namespace pelimor
