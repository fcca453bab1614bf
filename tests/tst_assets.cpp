// Checks the images compiled into the resources.  The window code places
// these bitmaps at fixed pixel positions and some loaders (and other
// platforms' icon code) are picky about the exact layout, so the files are
// parsed byte by byte here rather than trusting QImage alone.

#include "assetformats.h"
#include "platform/resources.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <QtTest>

using namespace pelimor::test;

namespace {

QByteArray readResource(const QString &name)
{
    QFile file(QStringLiteral(":/images/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void bitmaps_data();
    void bitmaps();
    void bannerKeepsLogoStripPlain();
    void aboutLinkClippedColumnsAreWhite();
    void gifs_data();
    void gifs();
    void programIcon();
};

void TestAssets::initTestCase()
{
    pelimor::ensureResources();
    QVERIFY2(QFile::exists(QStringLiteral(":/images/banner.bmp")),
             "the image resources are not linked into this executable");
}

void TestAssets::bitmaps_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    // Link and button faces sit directly on the white window, so their outer
    // frame must be white for the edges to disappear.
    QTest::addColumn<bool>("whiteFrame");

    QTest::newRow("banner") << "banner.bmp" << 338 << 55 << false;
    QTest::newRow("help") << "help.bmp" << 59 << 28 << true;
    QTest::newRow("about") << "about.bmp" << 67 << 28 << true;
    QTest::newRow("burn") << "burn.bmp" << 142 << 46 << true;
    QTest::newRow("browse") << "browse.bmp" << 36 << 28 << true;
}

void TestAssets::bitmaps()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, whiteFrame);

    const QByteArray data = readResource(name);
    QVERIFY2(!data.isEmpty(), qPrintable(name + " missing from resources"));

    Bmp24 bmp;
    const QString problem = parseBmp24(data, &bmp);
    QVERIFY2(problem.isEmpty(), qPrintable(name + ": " + problem));
    QCOMPARE(bmp.width, width);
    QCOMPARE(bmp.height, height);

    QImage image;
    QVERIFY(image.loadFromData(data, "BMP"));
    QCOMPARE(image.size(), QSize(width, height));

    // Qt's decoding must agree with the raw rows everywhere; a wrong row
    // padding or row order shows up as a mismatch here.
    bool allWhite = true;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb raw = bmpPixel(data, bmp, x, y);
            if (raw != image.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("%1: pixel (%2,%3) differs from QImage").arg(name).arg(x).arg(y)));
            if (raw != qRgb(255, 255, 255))
                allWhite = false;
        }
    }
    QVERIFY2(!allWhite, qPrintable(name + " is blank"));

    if (whiteFrame) {
        for (int x = 0; x < width; ++x) {
            QCOMPARE(bmpPixel(data, bmp, x, 0), qRgb(255, 255, 255));
            QCOMPARE(bmpPixel(data, bmp, x, height - 1), qRgb(255, 255, 255));
        }
        for (int y = 0; y < height; ++y) {
            QCOMPARE(bmpPixel(data, bmp, 0, y), qRgb(255, 255, 255));
            QCOMPARE(bmpPixel(data, bmp, width - 1, y), qRgb(255, 255, 255));
        }
    }
}

void TestAssets::bannerKeepsLogoStripPlain()
{
    // The logo is painted over the banner's left edge; anything drawn there
    // would show through the logo's transparent pixels.
    const QByteArray data = readResource(QStringLiteral("banner.bmp"));
    Bmp24 bmp;
    QVERIFY(parseBmp24(data, &bmp).isEmpty());
    const QRgb background = bmpPixel(data, bmp, 0, 0);
    QCOMPARE(QColor(background).lightness() >= 240, true);
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < 26; ++x)
            QCOMPARE(bmpPixel(data, bmp, x, y), background);
}

void TestAssets::aboutLinkClippedColumnsAreWhite()
{
    // The window shows only 65 of the 67 columns; whatever sits in the last
    // two would be cut in half.
    const QByteArray data = readResource(QStringLiteral("about.bmp"));
    Bmp24 bmp;
    QVERIFY(parseBmp24(data, &bmp).isEmpty());
    for (int y = 0; y < bmp.height; ++y) {
        QCOMPARE(bmpPixel(data, bmp, bmp.width - 1, y), qRgb(255, 255, 255));
        QCOMPARE(bmpPixel(data, bmp, bmp.width - 2, y), qRgb(255, 255, 255));
    }
}

void TestAssets::gifs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");

    QTest::newRow("logo") << "logo.gif" << 64;
    QTest::newRow("abouticon") << "abouticon.gif" << 48;
}

void TestAssets::gifs()
{
    QFETCH(QString, name);
    QFETCH(int, size);

    const QByteArray data = readResource(name);
    QVERIFY2(!data.isEmpty(), qPrintable(name + " missing from resources"));

    GifInfo gif;
    const QString problem = parseGif(data, &gif);
    QVERIFY2(problem.isEmpty(), qPrintable(name + ": " + problem));
    QCOMPARE(gif.width, size);
    QCOMPARE(gif.height, size);
    QCOMPARE(gif.imageWidth, size);
    QCOMPARE(gif.imageHeight, size);
    QVERIFY2(gif.paletteSize > 0, "no global colour table");
    QVERIFY2(gif.gceBeforeImage, "no Graphic Control Extension ahead of the image");
    QVERIFY2(gif.hasTransparency, "transparency flag not set");
    QVERIFY(gif.transparentIndex < gif.paletteSize);

    QImage image;
    QVERIFY(image.loadFromData(data, "GIF"));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());

    // The round disc leaves the corners empty; the flag is only useful if
    // the transparent index is really used, and the mark itself is opaque.
    int clear = 0;
    int solid = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            clear += alpha == 0;
            solid += alpha == 255;
        }
    }
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QVERIFY(clear > 0);
    QVERIFY(solid > size * size / 3);
}

void TestAssets::programIcon()
{
    const QByteArray data = readResource(QStringLiteral("app.ico"));
    QVERIFY2(!data.isEmpty(), "app.ico missing from resources");
    const Bytes b{data};
    QVERIFY(b.has(0, 6));
    QCOMPARE(b.u16(0), quint16(0));
    QCOMPARE(b.u16(2), quint16(1)); // 1 = icon, 2 = cursor
    QCOMPARE(b.u16(4), quint16(2));
    QVERIFY(b.has(6, 2 * 16));

    QList<IcoEntry> entries;
    for (int i = 0; i < 2; ++i) {
        const qsizetype at = 6 + 16 * i;
        IcoEntry e;
        e.width = b.u8(at) ? b.u8(at) : 256;
        e.height = b.u8(at + 1) ? b.u8(at + 1) : 256;
        e.bitCount = b.u16(at + 6);
        e.size = b.u32(at + 8);
        e.offset = b.u32(at + 12);
        QCOMPARE(e.width, 24);
        QCOMPARE(e.height, 24);
        QVERIFY2(b.has(e.offset, e.size), "icon image lies outside the file");
        entries.append(e);
    }
    QCOMPARE(entries[0].bitCount, 8);
    QCOMPARE(entries[1].bitCount, 32);

    // Each image is a BITMAPINFOHEADER DIB whose height counts the colour
    // rows plus the 1-bit AND mask; its size must add up exactly.
    const qsizetype maskBytes = ((24 + 31) / 32) * 4 * 24;
    for (const IcoEntry &e : std::as_const(entries)) {
        const qsizetype at = e.offset;
        QCOMPARE(b.u32(at), quint32(40));
        QCOMPARE(b.s32(at + 4), 24);
        QCOMPARE(b.s32(at + 8), 48);
        QCOMPARE(b.u16(at + 12), quint16(1));
        QCOMPARE(int(b.u16(at + 14)), e.bitCount);
        QCOMPARE(b.u32(at + 16), quint32(0));

        const quint32 colorsUsed = b.u32(at + 32);
        const qsizetype paletteEntries = e.bitCount == 8 ? (colorsUsed ? colorsUsed : 256) : 0;
        const qsizetype rowBytes = ((24 * e.bitCount + 31) / 32) * 4;
        const qsizetype pixels = at + 40 + 4 * paletteEntries;
        const qsizetype mask = pixels + rowBytes * 24;
        QCOMPARE(paletteEntries, qsizetype(e.bitCount == 8 ? 256 : 0));
        QCOMPARE(qsizetype(e.size), 40 + 4 * paletteEntries + rowBytes * 24 + maskBytes);

        // Where the AND mask lets the background through, the colour part
        // must be black, or it would tint the desktop behind the icon.
        int masked = 0;
        for (int row = 0; row < 24; ++row) {
            for (int x = 0; x < 24; ++x) {
                const bool transparent = b.u8(mask + row * 4 + x / 8) & (0x80 >> (x % 8));
                QRgb colour;
                int alpha = 255;
                if (e.bitCount == 8) {
                    const qsizetype entry = at + 40 + 4 * b.u8(pixels + row * rowBytes + x);
                    colour = qRgb(b.u8(entry + 2), b.u8(entry + 1), b.u8(entry));
                } else {
                    const qsizetype px = pixels + row * rowBytes + 4 * x;
                    colour = qRgb(b.u8(px + 2), b.u8(px + 1), b.u8(px));
                    alpha = b.u8(px + 3);
                    // The mask and the alpha channel must describe the same shape.
                    QCOMPARE(transparent, alpha == 0);
                }
                if (transparent) {
                    ++masked;
                    QCOMPARE(colour, qRgb(0, 0, 0));
                }
            }
        }
        QVERIFY2(masked > 0 && masked < 24 * 24, "icon mask is empty or covers everything");
    }

    // The 32-bit image must carry real alpha, including soft edges.
    {
        const qsizetype pixels = entries[1].offset + 40;
        QSet<int> alphas;
        for (int i = 0; i < 24 * 24; ++i)
            alphas.insert(b.u8(pixels + 4 * i + 3));
        QVERIFY(alphas.contains(0));
        QVERIFY(alphas.contains(255));
        QVERIFY2(alphas.size() > 2, "32-bit icon has no anti-aliased edge");
    }

    QImageReader reader(QStringLiteral(":/images/app.ico"));
    QCOMPARE(reader.imageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(24, 24));
        QVERIFY(image.hasAlphaChannel());
    }

    const QIcon icon(QStringLiteral(":/images/app.ico"));
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(24, 24)));
    QVERIFY(!icon.pixmap(24, 24).isNull());
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
