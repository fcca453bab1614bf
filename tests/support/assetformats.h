// Byte-by-byte readers of the image formats the program ships (24-bit BMP,
// GIF, ICO directory), for the asset test: the window code places these
// bitmaps at fixed pixel positions and other platforms' loaders are picky
// about the exact layout, so QImage alone is not trusted.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QtEndian>

namespace pelimor::test {

// Bounds-checked little-endian readers: a truncated file must fail the
// test instead of reading past the buffer.
struct Bytes {
    const QByteArray &data;

    bool has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset + count <= data.size();
    }
    quint8 u8(qsizetype offset) const { return has(offset, 1) ? quint8(data[offset]) : 0; }
    quint16 u16(qsizetype offset) const
    {
        return has(offset, 2) ? qFromLittleEndian<quint16>(data.constData() + offset) : 0;
    }
    quint32 u32(qsizetype offset) const
    {
        return has(offset, 4) ? qFromLittleEndian<quint32>(data.constData() + offset) : 0;
    }
    qint32 s32(qsizetype offset) const { return qint32(u32(offset)); }
};

// Header fields of a 24-bit BMP after validation, enough to address pixels.
struct Bmp24 {
    qint32 width = 0;
    qint32 height = 0; // positive: rows stored bottom-up
    quint32 pixelOffset = 0;
    qsizetype rowSize = 0;
};

// Validates a BMP as BITMAPFILEHEADER + BITMAPINFOHEADER, 24 bpp, BI_RGB.
// Returns an empty string on success, otherwise what is wrong.
inline QString parseBmp24(const QByteArray &data, Bmp24 *out)
{
    const Bytes b{data};
    if (!b.has(0, 54))
        return QStringLiteral("shorter than the two headers");
    if (data.left(2) != "BM")
        return QStringLiteral("no BM signature");
    if (b.u32(2) != quint32(data.size()))
        return QStringLiteral("bfSize %1 but file has %2 bytes").arg(b.u32(2)).arg(data.size());
    if (b.u32(14) != 40)
        return QStringLiteral("DIB header is %1 bytes, not a BITMAPINFOHEADER").arg(b.u32(14));
    if (b.u16(26) != 1)
        return QStringLiteral("biPlanes is %1").arg(b.u16(26));
    if (b.u16(28) != 24)
        return QStringLiteral("biBitCount is %1").arg(b.u16(28));
    if (b.u32(30) != 0)
        return QStringLiteral("biCompression is %1, not BI_RGB").arg(b.u32(30));

    out->width = b.s32(18);
    out->height = b.s32(22);
    out->pixelOffset = b.u32(10);
    if (out->width <= 0 || out->height <= 0)
        return QStringLiteral("expected a bottom-up bitmap with positive dimensions");
    out->rowSize = (qsizetype(out->width) * 3 + 3) & ~qsizetype(3);
    if (out->pixelOffset < 54 || !b.has(out->pixelOffset, out->rowSize * out->height))
        return QStringLiteral("pixel array does not fit in the file");
    return {};
}

// Reads pixel (x, y), with y counted from the top as on screen.
inline QRgb bmpPixel(const QByteArray &data, const Bmp24 &bmp, int x, int y)
{
    const qsizetype at = bmp.pixelOffset + qsizetype(bmp.height - 1 - y) * bmp.rowSize + qsizetype(x) * 3;
    const auto *p = reinterpret_cast<const uchar *>(data.constData() + at);
    return qRgb(p[2], p[1], p[0]);
}

struct GifInfo {
    int width = 0;
    int height = 0;
    int paletteSize = 0;
    bool hasTransparency = false;
    int transparentIndex = -1;
    bool gceBeforeImage = false;
    int imageWidth = 0;
    int imageHeight = 0;
};

// Walks a GIF89a stream up to its first image, collecting the screen size,
// the global palette and the Graphic Control Extension that governs the image.
inline QString parseGif(const QByteArray &data, GifInfo *out)
{
    const Bytes b{data};
    if (!b.has(0, 13))
        return QStringLiteral("shorter than the GIF header");
    if (data.left(6) != "GIF89a")
        return QStringLiteral("not GIF89a (transparency needs the 89a extensions)");
    out->width = b.u16(6);
    out->height = b.u16(8);
    const quint8 flags = b.u8(10);
    qsizetype pos = 13;
    if (flags & 0x80) {
        out->paletteSize = 1 << ((flags & 0x07) + 1);
        pos += 3 * out->paletteSize;
    }

    bool pendingGce = false;
    while (b.has(pos, 1)) {
        const quint8 introducer = b.u8(pos);
        if (introducer == 0x21) {
            const quint8 label = b.u8(pos + 1);
            if (label == 0xF9) {
                if (b.u8(pos + 2) != 4 || !b.has(pos, 8))
                    return QStringLiteral("malformed Graphic Control Extension");
                out->hasTransparency = (b.u8(pos + 3) & 0x01) != 0;
                out->transparentIndex = b.u8(pos + 6);
                pendingGce = true;
            }
            // Skip the extension's sub-blocks.
            pos += 2;
            while (b.has(pos, 1) && b.u8(pos) != 0)
                pos += 1 + b.u8(pos);
            pos += 1;
        } else if (introducer == 0x2C) {
            if (!b.has(pos, 10))
                return QStringLiteral("truncated image descriptor");
            out->gceBeforeImage = pendingGce;
            out->imageWidth = b.u16(pos + 5);
            out->imageHeight = b.u16(pos + 7);
            return {};
        } else {
            return QStringLiteral("unexpected block 0x%1 before the image").arg(introducer, 2, 16, QLatin1Char('0'));
        }
    }
    return QStringLiteral("no image in the stream");
}

struct IcoEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    quint32 size = 0;
    quint32 offset = 0;
};

} // namespace pelimor::test
