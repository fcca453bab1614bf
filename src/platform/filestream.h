// The image file as a stream of whole sectors, read from disk in chunks as
// the writer consumes it. Nothing of the image is ever held in memory beyond
// the caller's buffer, so a 4.7 GB image burns on a machine with far less
// free memory.
//
// A file whose size is not a multiple of 2048 bytes is followed by zeros up
// to the next sector boundary: recorders write whole sectors, and dropping
// the tail would lose data.
#pragma once

#include "platform/discservice.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace pelimor {

// Paths cross our interfaces as UTF-8; this turns one into a path the
// standard library opens correctly on every platform.
std::filesystem::path pathFromUtf8(const std::string &utf8);

// True for an existing regular file (after following links); false for a
// directory, a device or nothing at all.
bool isExistingFile(const std::string &utf8Path);

class FileImageStream : public ImageStream {
public:
    // Throws ServiceError with the system's reason when the file cannot be
    // opened for reading.
    explicit FileImageStream(const std::string &utf8Path);

    std::int64_t size() const override { return m_paddedSize; }
    std::int64_t fileSize() const { return m_fileSize; }
    std::int64_t read(char *buffer, std::int64_t maxBytes) override;
    void rewind() override;
    // Jumps in the file itself, so a backward seek costs no re-reading.
    void seek(std::int64_t position) override;
    std::string path() const override { return m_path; }

private:
    std::string m_path;
    std::ifstream m_file;
    std::int64_t m_fileSize = 0;
    std::int64_t m_paddedSize = 0;
    std::int64_t m_position = 0;
};

} // namespace pelimor
