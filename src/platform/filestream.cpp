#include "platform/filestream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace pelimor {

std::filesystem::path pathFromUtf8(const std::string &utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool isExistingFile(const std::string &utf8Path)
{
    if (utf8Path.empty())
        return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(pathFromUtf8(utf8Path), ec);
}

FileImageStream::FileImageStream(const std::string &utf8Path) : m_path(utf8Path)
{
    const auto path = pathFromUtf8(utf8Path);
    errno = 0;
    m_file.open(path, std::ios::binary);
    if (!m_file) {
        const int err = errno;
        throw ServiceError(err != 0 ? std::strerror(err) : "the file could not be opened");
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        throw ServiceError(ec.message());
    m_fileSize = static_cast<std::int64_t>(size);
    m_paddedSize = (m_fileSize + sectorSize - 1) / sectorSize * sectorSize;
}

std::int64_t FileImageStream::read(char *buffer, std::int64_t maxBytes)
{
    std::int64_t done = 0;
    if (m_position < m_fileSize && maxBytes > 0) {
        const std::int64_t want = std::min(maxBytes, m_fileSize - m_position);
        m_file.read(buffer, static_cast<std::streamsize>(want));
        done = static_cast<std::int64_t>(m_file.gcount());
        // A file that shrinks while we burn must fail the burn, not be
        // silently completed with zeros.
        if (done != want)
            throw ServiceError("the image file '" + m_path + "' ended early or could not be read");
        m_position += done;
    }
    if (done < maxBytes && m_position >= m_fileSize && m_position < m_paddedSize) {
        const std::int64_t zeros = std::min(maxBytes - done, m_paddedSize - m_position);
        std::memset(buffer + done, 0, static_cast<std::size_t>(zeros));
        done += zeros;
        m_position += zeros;
    }
    return done;
}

void FileImageStream::rewind()
{
    m_file.clear();
    m_file.seekg(0);
    if (!m_file)
        throw ServiceError("the image file '" + m_path + "' could not be read again");
    m_position = 0;
}

void FileImageStream::seek(std::int64_t position)
{
    position = std::clamp<std::int64_t>(position, 0, m_paddedSize);
    m_file.clear();
    m_file.seekg(static_cast<std::streamoff>(std::min(position, m_fileSize)));
    if (!m_file)
        throw ServiceError("the image file '" + m_path + "' could not be read at the position asked for");
    m_position = position;
}

} // namespace pelimor
