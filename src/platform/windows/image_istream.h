// The image as the IStream that IDiscFormat2Data::Write reads.
//
// It reads through our own ImageStream (FileImageStream in the program), so
// the image is read from disk in chunks as the recorder takes it, never
// copied into memory, and a size that is not a whole number of 2048-byte
// sectors comes out followed by zeros. Seeking is by our own position
// arithmetic with 64-bit offsets; the file is only re-read from its start when
// a reader goes backwards (a verifying writer reads the image a second time).
//
// The object aggregates the free-threaded marshaler: it holds no reference to
// anything tied to an apartment, and the service may read it from its own
// worker thread without routing every chunk through the UI thread.
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
    // The farthest byte any Read reached, to tell a complete write from one
    // that stopped early while reporting success.
    std::int64_t bytesDelivered() const { return m_highWater; }
    // What the image file reported when a Read failed, or empty.
    const std::string &readError() const { return m_readError; }

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

private:
    ImageIStream(ImageStream *stream, std::unique_ptr<ImageStream> owned);
    ~ImageIStream();
    // Brings the underlying stream to the logical position.
    void syncUnderlying();

    LONG m_refs = 1;
    IUnknown *m_marshaler = nullptr;
    ImageStream *m_stream;
    std::unique_ptr<ImageStream> m_owned; // set for clones, which own their file
    std::int64_t m_position = 0;          // where the next Read starts
    std::int64_t m_underlying = 0;        // where m_stream actually is
    std::int64_t m_highWater = 0;
    std::string m_readError;
};

} // namespace pelimor::win
