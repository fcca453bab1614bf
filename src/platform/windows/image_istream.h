// The image as the IStream that IDiscFormat2Data::Write reads.
//
// It reads through our own ImageStream (FileImageStream in the program), so
// the image is read from disk in chunks as the recorder takes it, never
// copied into memory, and a size that is not a whole number of 2048-byte
// sectors comes out followed by zeros. Seeking jumps in the file (64-bit
// offsets), so a verifying writer that samples sectors or reads the image
// again costs no re-reading from the start.
//
// The object aggregates the free-threaded marshaler: it holds no reference to
// anything tied to an apartment, and the service reads it from its own
// threads. A clone keeps its own position over the same image; every read,
// of the stream or any clone, goes through one lock and counts towards one
// high-water mark.
#pragma once

#include "platform/discservice.h"

#include <windows.h>

#include <objidl.h>

#include <memory>
#include <string>

namespace pelimor::win {

class ImageIStream final : public IStream {
public:
    // The stream must outlive every use of the object through COM; the
    // writer detaches it once Write has returned.
    static ImageIStream *create(ImageStream &stream);

    // Ends the use of the borrowed stream; every later call fails with
    // E_UNEXPECTED instead of touching it.
    void detach();
    // The farthest byte any Read (of this stream or a clone) reached, to
    // tell a complete write from one that stopped early reporting success.
    std::int64_t bytesDelivered() const;
    // What the image file reported when a Read failed, or empty.
    std::string readError() const;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // ISequentialStream
    HRESULT STDMETHODCALLTYPE Read(void *buffer, ULONG count, ULONG *read) override;
    HRESULT STDMETHODCALLTYPE Write(const void *buffer, ULONG count, ULONG *written) override;
    // IStream
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER *newPosition) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream *target, ULARGE_INTEGER count, ULARGE_INTEGER *read,
                                     ULARGE_INTEGER *written) override;
    HRESULT STDMETHODCALLTYPE Commit(DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Revert() override;
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
    HRESULT STDMETHODCALLTYPE Stat(STATSTG *stat, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream **clone) override;

    struct Shared;

private:
    explicit ImageIStream(std::shared_ptr<Shared> shared);
    ~ImageIStream();

    LONG m_refs = 1;
    IUnknown *m_marshaler = nullptr;
    std::shared_ptr<Shared> m_shared; // the image, with the stream and every clone
    std::int64_t m_position = 0;      // where this object's next Read starts
};

} // namespace pelimor::win
