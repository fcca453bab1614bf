// The image is checked against the checksum files published beside it:
// real checksum files in each format written next to a real image, the
// hasher against Qt's, and the burn command stopping a damaged image before
// any recorder call.
#include "mainwindow/form1.h"
#include "mainwindow/picturebox.h"
#include "platform/image_hasher.h"
#include "platform/published_checksum.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

QByteArray hashOf(const QString &path, QCryptographicHash::Algorithm algorithm)
{
    QFile f(path);
    QCryptographicHash hash(algorithm);
    return f.open(QIODevice::ReadOnly) && hash.addData(&f) ? hash.result().toHex() : QByteArray();
}

// Writes checksum files given as name, content, name, content... into the
// image's folder. {name} stands for the image's file name, {sha256} and the
// like for its real hashes, {other} for a 128-digit hash of something else.
void writeChecksumFiles(const QString &image, const QStringList &files)
{
    const QFileInfo info(image);
    const std::pair<const char *, QCryptographicHash::Algorithm> algorithms[] = {
        {"{md5}", QCryptographicHash::Md5},
        {"{sha1}", QCryptographicHash::Sha1},
        {"{sha256}", QCryptographicHash::Sha256},
        {"{sha512}", QCryptographicHash::Sha512}};
    for (qsizetype i = 0; i + 1 < files.size(); i += 2) {
        QByteArray content = files[i + 1].toUtf8();
        content.replace("{name}", info.fileName().toUtf8()).replace("{other}", QByteArray(128, 'c'));
        content.replace("{NUL}", QByteArray(1, '\0'));
        for (const auto &[key, algorithm] : algorithms)
            if (content.contains(key))
                content.replace(key, hashOf(image, algorithm));
        QFile f(info.dir().filePath(QString(files[i]).replace("{name}", info.fileName())));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
}

void changeOneByte(const QString &path, qint64 at)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.seek(at);
    char c = 0;
    f.getChar(&c);
    f.seek(at);
    f.putChar(static_cast<char>(c ^ 0x01));
}

} // namespace

class TestImageCheck : public QObject {
    Q_OBJECT
private slots:
    void findsTheImagesListing_data();
    void findsTheImagesListing();
    void hashesMatchQtsAcrossChunks_data();
    void hashesMatchQtsAcrossChunks();
    void hashingStopsWhenCancelledAndReportsUnreadableFiles();

    void damagedImageNeverReachesTheRecorder_data();
    void damagedImageNeverReachesTheRecorder();
    void closingDuringTheCheckQuitsAtOnce();
};

void TestImageCheck::findsTheImagesListing_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("algorithm"); // empty: nothing to check against
    QTest::addColumn<QString>("listFile");

    QTest::addRow("GNU text mode, other files listed")
        << QStringList{"SHA256SUMS", "{other}  debian.iso\n{sha256}  {name}\n"} << "SHA-256"
        << "SHA256SUMS";
    QTest::addRow("GNU binary mode, CRLF, comment, ./")
        << QStringList{"sha256sums.txt", "# sha256sum\r\n{sha256} *./{name}\r\n"} << "SHA-256"
        << "sha256sums.txt";
    QTest::addRow("BSD") << QStringList{"Fedora-x86_64-CHECKSUM",
                                        "# Fedora\nSHA256 (other.iso) = {sha256}\nSHA256 ({name}) = {sha256}\n"}
                         << "SHA-256"
                         << "Fedora-x86_64-CHECKSUM";
    QTest::addRow("PGP clear-signed")
        << QStringList{"SHA512SUMS", "-----BEGIN PGP SIGNED MESSAGE-----\nHash: SHA512\n\n{sha512}  {name}\n- -x\n"
                                     "-----BEGIN PGP SIGNATURE-----\n\niQIzBAEBCgAd\n-----END PGP SIGNATURE-----\n"}
        << "SHA-512"
        << "SHA512SUMS";
    QTest::addRow("bare hash in name.iso.sha256") << QStringList{"{name}.sha256", "{sha256}\n"} << "SHA-256"
                                                  << "image.iso.sha256";
    QTest::addRow("name.iso.sha256sum") << QStringList{"{name}.sha256sum", "{sha256} *{name}\n"} << "SHA-256"
                                        << "image.iso.sha256sum";
    QTest::addRow("name.sha512, publisher's path")
        << QStringList{"image.sha512", "{sha512}  /build/out/{name}\n"} << "SHA-512"
        << "image.sha512";
    QTest::addRow("MD5 when nothing stronger") << QStringList{"MD5SUMS", "{md5}  {name}\n"} << "MD5"
                                               << "MD5SUMS";
    QTest::addRow("stronger beats weaker")
        << QStringList{"MD5SUMS", "{md5}  {name}\n", "SHA1SUMS", "{sha1}  {name}\n", "SHA512SUMS", "{sha512} {name}\n"}
        << "SHA-512"
        << "SHA512SUMS";
    QTest::addRow("BLAKE2 list is not SHA-512") << QStringList{"b2sums.txt", "{other}  {name}\n"} << ""
                                                << "";
    QTest::addRow("sections of a DIGESTS file")
        << QStringList{"{name}.DIGESTS", "# BLAKE2B HASH\n{other}  {name}\n# SHA512 HASH\n{sha512}  {name}\n"}
        << "SHA-512"
        << "image.iso.DIGESTS";
    QTest::addRow("other files only") << QStringList{"SHA256SUMS", "{sha256}  other.iso\n{sha256}  {name}.part\n",
                                                     "other.iso.sha256", "{sha256}\n"}
                                      << ""
                                      << "";
    QTest::addRow("binary file") << QStringList{"SHA256SUMS.gpg", "\x89{NUL}\x01{sha256}  {name}\n"} << ""
                                 << "";
    QTest::addRow("garbled text") << QStringList{"SHA256SUMS",
                                                 "{sha256}x  {name}\nSHA256 ({name}) = 12ab\n{md5}  {name}\n{sha256}"}
                                  << ""
                                  << "";
    QTest::addRow("no checksum file") << QStringList{"README.txt", "{sha256}  {name}\n"} << ""
                                      << "";
}

void TestImageCheck::findsTheImagesListing()
{
    QFETCH(QStringList, files);
    QFETCH(QString, algorithm);
    QFETCH(QString, listFile);
    QTemporaryDir dir;
    const QString image = writePatternFile(dir, "image.iso", 3 * 2048 + 5);
    writeChecksumFiles(image, files);

    const auto found = findPublishedChecksum(image.toStdString());
    QCOMPARE(found ? QString(algorithmName(found->algorithm)) : QString(), algorithm);
    if (!found)
        return;
    QCOMPARE(QFileInfo(QString::fromStdString(found->listings.front().listFile)).fileName(), listFile);
    const auto qtAlgorithm = found->algorithm == HashAlgorithm::sha256   ? QCryptographicHash::Sha256
                             : found->algorithm == HashAlgorithm::sha512 ? QCryptographicHash::Sha512
                                                                         : QCryptographicHash::Md5;
    for (const auto &listing : found->listings)
        QCOMPARE(QByteArray::fromStdString(listing.hash), hashOf(image, qtAlgorithm));
}

void TestImageCheck::hashesMatchQtsAcrossChunks_data()
{
    QTest::addColumn<HashAlgorithm>("algorithm");
    QTest::addColumn<QCryptographicHash::Algorithm>("qt");
    QTest::addRow("MD5") << HashAlgorithm::md5 << QCryptographicHash::Md5;
    QTest::addRow("SHA-1") << HashAlgorithm::sha1 << QCryptographicHash::Sha1;
    QTest::addRow("SHA-256") << HashAlgorithm::sha256 << QCryptographicHash::Sha256;
    QTest::addRow("SHA-512") << HashAlgorithm::sha512 << QCryptographicHash::Sha512;
}

void TestImageCheck::hashesMatchQtsAcrossChunks()
{
    QFETCH(HashAlgorithm, algorithm);
    QFETCH(QCryptographicHash::Algorithm, qt);
    QTemporaryDir dir;
    // A whole number of chunks and one more than that: the last read is
    // empty in the first case and short in the second.
    for (const qint64 size : {qint64(2) << 20, (qint64(2) << 20) + 7}) {
        const QString image = writePatternFile(dir, QStringLiteral("image %1 é.iso").arg(size), size);
        std::atomic<bool> cancel{false};
        std::atomic<std::int64_t> done{0};
        const auto hex = hashFile(image.toStdString(), algorithm, cancel, &done);
        QCOMPARE(QByteArray::fromStdString(hex.value_or("none")), hashOf(image, qt));
        QCOMPARE(done.load(), size);
    }
}

void TestImageCheck::hashingStopsWhenCancelledAndReportsUnreadableFiles()
{
    QTemporaryDir dir;
    const QString image = writePatternFile(dir, "image.iso", 3 << 20);
    std::atomic<bool> cancel{true};
    std::atomic<std::int64_t> done{0};
    QVERIFY(!hashFile(image.toStdString(), HashAlgorithm::sha256, cancel, &done));
    QCOMPARE(done.load(), 0);
    cancel = false;
    QVERIFY_THROWS_EXCEPTION(ServiceError,
                             hashFile(dir.filePath("gone.iso").toStdString(), HashAlgorithm::sha256, cancel));
}

void TestImageCheck::damagedImageNeverReachesTheRecorder_data()
{
    QTest::addColumn<QString>("imageName");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("listed");

    const QStringList gnu{"SHA256SUMS", "{sha256}  {name}\n"};
    QTest::addRow("GNU") << "image.iso" << gnu << true;
    QTest::addRow("BSD") << "image.iso" << QStringList{"CHECKSUM", "SHA512 ({name}) = {sha512}\n"} << true;
    QTest::addRow("own file") << "image.iso" << QStringList{"{name}.sha256", "{sha256}\n"} << true;
    QTest::addRow("MD5 only") << "image.iso" << QStringList{"md5sum.txt", "{md5} *{name}\n"} << true;
    QTest::addRow("spaces and unicode") << "Débian 12 ✓ live (amd64).iso" << gnu << true;
    QTest::addRow("other files only") << "image.iso" << QStringList{"SHA256SUMS", "{sha256}  other.iso\n"} << false;
    QTest::addRow("garbled") << "image.iso" << QStringList{"SHA256SUMS", "{NUL}{sha256}  {name}\n"} << false;
}

void TestImageCheck::damagedImageNeverReachesTheRecorder()
{
    QFETCH(QString, imageName);
    QFETCH(QStringList, files);
    QFETCH(bool, listed);

    for (const bool damaged : {false, true}) {
        QTemporaryDir dir;
        const QString image = writePatternFile(dir, imageName, 40 * 2048 + 3);
        writeChecksumFiles(image, files);
        const auto algorithm = files[1].contains("{md5}")      ? QCryptographicHash::Md5
                               : files[1].contains("{sha512}") ? QCryptographicHash::Sha512
                                                               : QCryptographicHash::Sha256;
        const QString expected = QString::fromLatin1(hashOf(image, algorithm));
        if (damaged)
            changeOneByte(image, 40 * 2048 + 1);
        SimulatedPlatform sim;
        sim.disc.recorders.push_back(cdRecorder("rec0"));
        Form1 form(sim.platform());
        form.txtPath->setText(image);
        sim.disc.calls.clear();
        QStringList statuses;
        connect(form.txtStatus, &QLineEdit::textChanged, this, [&](const QString &text) { statuses << text; });

        form.cmdBurn_Click();
        QCOMPARE(sim.prompter.messages.size(), std::size_t(1));
        const Message &m = sim.prompter.last();
        QCOMPARE(statuses.value(0).startsWith("Checking the image: "), listed);
        if (!listed || !damaged) {
            QCOMPARE(m.title, QString("Complete"));
            QVERIFY(statuses.contains("Checking the image: 100.00%") == listed);
            continue;
        }
        QCOMPARE(m.title, QString("Image damaged"));
        QCOMPARE(m.icon, MsgIcon::Critical);
        QVERIFY(sim.disc.calls.empty());
        QVERIFY2(m.prompt.contains(imageName), qPrintable(m.prompt));
        QVERIFY(m.prompt.contains(QFileInfo(files[0]).fileName().replace("{name}", imageName)));
        QVERIFY(m.prompt.contains("download the image again"));
        // Both hashes, in the algorithm the file gave.
        QVERIFY(m.prompt.contains(expected));
        QVERIFY(m.prompt.contains(QString::fromLatin1(hashOf(image, algorithm))));
        QVERIFY(form.cmdBurn->isEnabled());
    }
}

void TestImageCheck::closingDuringTheCheckQuitsAtOnce()
{
    // A sparse 8 GiB image takes seconds to hash even at memory speed.
    QTemporaryDir dir;
    const QString image = dir.filePath("big.iso");
    {
        QFile f(image);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(qint64(8) << 30));
    }
    writeChecksumFiles(image, {"SHA256SUMS", QString(64, 'a') + "  {name}\n"});
    SimulatedPlatform sim;
    sim.disc.recorders.push_back(cdRecorder("rec0"));
    Form1 form(sim.platform());
    form.txtPath->setText(image);
    sim.disc.calls.clear();
    form.show();

    // Closed at the first progress report, with the hash well under way.
    // A file dropped meanwhile does not replace the image being checked.
    int reports = 0;
    bool dropTaken = true;
    connect(form.txtStatus, &QLineEdit::textChanged, this, [&] {
        if (++reports == 1) {
            QMimeData dropped;
            dropped.setUrls({QUrl::fromLocalFile(QFileInfo(image).dir().filePath("SHA256SUMS"))});
            QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&form, &enter);
            QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&form, &drop);
            dropTaken = enter.isAccepted() || drop.isAccepted();
        }
        if (reports == 2)
            form.close();
    });
    // Another window (the About dialog, say) keeps the program running: the
    // close itself must stop the check, not the program's end.
    QWidget other;
    other.show();
    QElapsedTimer clock;
    qint64 checkMs = -1;
    QTimer::singleShot(0, &form, [&] {
        clock.start();
        form.cmdBurn_Click();
        checkMs = clock.elapsed();
        other.close();
    });
    QApplication::exec(); // ends when the last window has closed
    QVERIFY2(checkMs >= 0 && checkMs < 4000, qPrintable(QString("took %1 ms").arg(checkMs)));
    QCOMPARE(reports, 2);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.isCheckingImage());
    QVERIFY(!dropTaken);
    QCOMPARE(form.txtPath->text(), image);
    QVERIFY(sim.prompter.messages.empty());
    QVERIFY(sim.disc.calls.empty());
}

QTEST_MAIN(TestImageCheck)
#include "tst_imagecheck.moc"
