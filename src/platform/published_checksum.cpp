#include "platform/published_checksum.h"

#include "platform/filestream.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace pelimor {
namespace {

// Real checksum lists are a few kilobytes; anything far larger beside an
// image is another image or an archive, not worth reading.
constexpr std::uintmax_t largestChecksumFile = 4 * 1024 * 1024;

// Files named after the image that hold its hash, and the algorithm their
// extension names.
constexpr std::string_view imageHashExtensions[] = {".sha256", ".sha256sum", ".sha512", ".sha512sum",
                                                    ".sha1",   ".sha1sum",   ".md5",    ".md5sum"};

// What a name or a comment says about the hashes that follow.
enum class Hint { none, md5, sha1, sha256, sha512, unsupported };

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char &c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Letters and digits only, lower case: "SHA-512", "sha512sums" and
// "# SHA512 HASH" all come out containing "sha512".
std::string folded(std::string_view s)
{
    std::string out;
    for (char c : s)
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

Hint hintOf(std::string_view text)
{
    const std::string s = folded(text);
    const auto has = [&s](std::string_view part) { return s.find(part) != std::string::npos; };
    // Families with hashes of the same lengths as ours (BLAKE2b and SHA-512
    // both have 128 digits) must never be compared as ours.
    for (std::string_view other : {"blake", "b2sum", "sha3", "sha224", "sha384", "crc", "xxh"})
        if (has(other))
            return Hint::unsupported;
    if (has("sha512"))
        return Hint::sha512;
    if (has("sha256"))
        return Hint::sha256;
    if (has("sha1"))
        return Hint::sha1;
    if (has("md5"))
        return Hint::md5;
    return Hint::none;
}

std::optional<HashAlgorithm> algorithmOf(Hint hint)
{
    switch (hint) {
    case Hint::md5:
        return HashAlgorithm::md5;
    case Hint::sha1:
        return HashAlgorithm::sha1;
    case Hint::sha256:
        return HashAlgorithm::sha256;
    case Hint::sha512:
        return HashAlgorithm::sha512;
    default:
        return std::nullopt;
    }
}

std::optional<HashAlgorithm> algorithmOfLength(std::size_t digits)
{
    switch (digits) {
    case 32:
        return HashAlgorithm::md5;
    case 40:
        return HashAlgorithm::sha1;
    case 64:
        return HashAlgorithm::sha256;
    case 128:
        return HashAlgorithm::sha512;
    default:
        return std::nullopt;
    }
}

std::size_t hexPrefixLength(std::string_view s)
{
    std::size_t n = 0;
    while (n < s.size() && std::isxdigit(static_cast<unsigned char>(s[n])))
        ++n;
    return n;
}

// GNU tools write names holding a backslash or a newline escaped, and mark
// such lines with a leading backslash.
std::string unescapedName(std::string_view name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 1 < name.size()) {
            const char next = name[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            out += name[i];
        }
    }
    return out;
}

struct LineHash {
    HashAlgorithm algorithm;
    std::string hash;
    std::string name; // empty for a bare hash
};

// "SHA256 (name) = HASH", also "SHA2-256(name)= HASH" as OpenSSL writes it.
std::optional<LineHash> bsdLine(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) || line[i] == '-'))
        ++i;
    const std::string algorithmToken = folded(line.substr(0, i));
    std::size_t open = i;
    if (open < line.size() && line[open] == ' ')
        ++open;
    if (i == 0 || open >= line.size() || line[open] != '(')
        return std::nullopt;
    const std::size_t close = line.rfind(')');
    if (close == std::string_view::npos || close < open)
        return std::nullopt;
    std::string_view rest = trimmed(line.substr(close + 1));
    if (rest.empty() || rest.front() != '=')
        return std::nullopt;
    const std::string_view hash = trimmed(rest.substr(1));

    std::optional<HashAlgorithm> algorithm;
    if (algorithmToken == "md5")
        algorithm = HashAlgorithm::md5;
    else if (algorithmToken == "sha1")
        algorithm = HashAlgorithm::sha1;
    else if (algorithmToken == "sha256" || algorithmToken == "sha2256")
        algorithm = HashAlgorithm::sha256;
    else if (algorithmToken == "sha512" || algorithmToken == "sha2512")
        algorithm = HashAlgorithm::sha512;
    if (!algorithm || hexPrefixLength(hash) != hash.size() || algorithmOfLength(hash.size()) != algorithm)
        return std::nullopt;
    return LineHash{*algorithm, lowerAscii(hash), std::string(line.substr(open + 1, close - open - 1))};
}

// "HASH  name", "HASH *name" or a bare "HASH". The hash's length names the
// algorithm unless the file or a comment above it says otherwise.
std::optional<LineHash> gnuLine(std::string_view line, Hint hint)
{
    const bool escaped = !line.empty() && line.front() == '\\';
    if (escaped)
        line.remove_prefix(1);
    const std::size_t digits = hexPrefixLength(line);
    if (digits < line.size() && !isSpace(line[digits]))
        return std::nullopt;
    const auto algorithm = algorithmOfLength(digits);
    if (!algorithm || hint == Hint::unsupported || (hint != Hint::none && algorithmOf(hint) != algorithm))
        return std::nullopt;
    std::string_view name = digits < line.size() ? line.substr(digits + 1) : std::string_view();
    if (!name.empty() && (name.front() == ' ' || name.front() == '*'))
        name.remove_prefix(1);
    return LineHash{*algorithm, lowerAscii(line.substr(0, digits)), escaped ? unescapedName(name) : std::string(name)};
}

bool namesImage(const std::string &listed, std::string_view imageName, bool namedAfterImage)
{
    if (listed == imageName || (listed.size() == imageName.size() + 2 && listed.rfind("./", 0) == 0 &&
                                std::string_view(listed).substr(2) == imageName))
        return true;
    // A file made for this image alone may name it by the path it had on
    // the publisher's machine.
    if (namedAfterImage) {
        const std::size_t slash = listed.find_last_of("/\\");
        return slash != std::string::npos && std::string_view(listed).substr(slash + 1) == imageName;
    }
    return false;
}

std::string utf8Of(const fs::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

int preference(HashAlgorithm algorithm)
{
    switch (algorithm) {
    case HashAlgorithm::sha256:
        return 0;
    case HashAlgorithm::sha512:
        return 1;
    case HashAlgorithm::sha1:
        return 2;
    case HashAlgorithm::md5:
        break;
    }
    return 3;
}

// The extension that makes `name` a hash file of the image, if any.
std::optional<std::string_view> imageHashExtension(std::string_view name, std::string_view imageName,
                                                   std::string_view imageStem)
{
    const std::string lower = lowerAscii(name);
    for (std::string_view base : {imageName, imageStem})
        for (std::string_view extension : imageHashExtensions)
            if (name.size() == base.size() + extension.size() && name.substr(0, base.size()) == base &&
                std::string_view(lower).substr(base.size()) == extension)
                return extension;
    return std::nullopt;
}

bool looksLikeChecksumList(std::string_view name)
{
    const std::string lower = lowerAscii(name);
    for (std::string_view word : {"sum", "sha", "md5", "digest", "hash"})
        if (lower.find(word) != std::string::npos)
            return true;
    return false;
}

} // namespace

const char *algorithmName(HashAlgorithm algorithm)
{
    switch (algorithm) {
    case HashAlgorithm::md5:
        return "MD5";
    case HashAlgorithm::sha1:
        return "SHA-1";
    case HashAlgorithm::sha256:
        return "SHA-256";
    case HashAlgorithm::sha512:
        break;
    }
    return "SHA-512";
}

std::vector<ChecksumListing> parseChecksumFile(std::string_view text, std::string_view fileName,
                                               std::string_view imageName, bool namedAfterImage)
{
    std::vector<ChecksumListing> found;
    if (text.find('\0') != std::string_view::npos) // a binary file: a signature, an archive
        return found;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    enum class Armour { none, headers, signedText, signature } armour = Armour::none;
    Hint hint = hintOf(fileName);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        if (line.rfind("-----BEGIN PGP SIGNED MESSAGE-----", 0) == 0) {
            armour = Armour::headers; // "Hash: SHA256" and the like, up to a blank line
            continue;
        }
        if (armour == Armour::headers) {
            if (trimmed(line).empty())
                armour = Armour::signedText;
            continue;
        }
        if (line.rfind("-----BEGIN PGP SIGNATURE-----", 0) == 0) {
            armour = Armour::signature;
            continue;
        }
        if (armour == Armour::signature) {
            if (line.rfind("-----END PGP SIGNATURE-----", 0) == 0)
                armour = Armour::none;
            continue;
        }
        if (armour == Armour::signedText && line.rfind("- ", 0) == 0)
            line.remove_prefix(2); // dash-escaping of the signed text

        line = trimmed(line);
        if (line.empty())
            continue;
        if (line.front() == '#') {
            // Gentoo's DIGESTS and others head each section with its algorithm.
            if (const Hint section = hintOf(line); section != Hint::none)
                hint = section;
            continue;
        }
        auto entry = bsdLine(line);
        if (!entry)
            entry = gnuLine(line, hint);
        if (!entry)
            continue;
        const bool matches =
            entry->name.empty() ? namedAfterImage : namesImage(entry->name, imageName, namedAfterImage);
        if (matches)
            found.push_back({entry->algorithm, entry->hash, std::string(), namedAfterImage});
    }
    return found;
}

std::optional<PublishedChecksum> findPublishedChecksum(const std::string &utf8ImagePath)
{
    const fs::path imagePath = pathFromUtf8(utf8ImagePath);
    const std::string imageName = utf8Of(imagePath.filename());
    const std::string imageStem = utf8Of(imagePath.stem());
    fs::path folder = imagePath.parent_path();
    if (folder.empty())
        folder = fs::path(".");

    std::vector<ChecksumListing> all;
    std::error_code error;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError) || fileError)
            continue;
        const std::uintmax_t size = it->file_size(fileError);
        const std::string name = utf8Of(it->path().filename());
        if (fileError || size > largestChecksumFile || name == imageName)
            continue;
        const auto extension = imageHashExtension(name, imageName, imageStem);
        if (!extension && !looksLikeChecksumList(name))
            continue;

        std::ifstream file(it->path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (file.bad())
            continue;
        // A file named after the image takes its algorithm from the extension
        // only: the image's own name may contain anything.
        for (auto &listing : parseChecksumFile(text, extension ? *extension : std::string_view(name), imageName,
                                               extension.has_value())) {
            listing.listFile = utf8Of(it->path());
            all.push_back(std::move(listing));
        }
    }
    if (all.empty())
        return std::nullopt;

    const HashAlgorithm best = std::min_element(all.begin(), all.end(), [](const auto &a, const auto &b) {
                                   return preference(a.algorithm) < preference(b.algorithm);
                               })->algorithm;
    PublishedChecksum result{best, {}};
    std::copy_if(all.begin(), all.end(), std::back_inserter(result.listings),
                 [best](const auto &l) { return l.algorithm == best; });
    std::stable_sort(result.listings.begin(), result.listings.end(), [](const auto &a, const auto &b) {
        return a.namedAfterImage != b.namedAfterImage ? a.namedAfterImage : a.listFile < b.listFile;
    });
    return result;
}

} // namespace pelimor
