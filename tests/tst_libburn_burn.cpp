// Whole burns through the window's burn command with the real libburn
// service, onto the virtual recorder in a temporary folder: the bytes that
// land in the target file, the status line on the way, and the refusals
// that protect a target holding data.
#include "mainwindow/form1.h"
#include "platform/linux/libburn_disc_service.h"
#include "platform/linux/libburn_library.h"
#include "platform/linux/libburn_verify.h"
#include "testsupport.h"
#include "virtualrecorderwindow.h"

#include <libburn/libburn.h>

#include <QFileInfo>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

using namespace pelimor;
using namespace pelimor::test;

namespace {

const QString progressPrefix = QStringLiteral("Progress:  ");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString libburnVersion()
{
    int major = 0, minor = 0, micro = 0;
    burn::burn_version(&major, &minor, &micro);
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(micro);
}

using Bench = VirtualRecorderWindow;

} // namespace

class TestLibburnBurn : public QObject {
    Q_OBJECT
private slots:
    void init();

    void virtualRecorderIsListedWithItsDetails();
    void imageLandsInTheTargetFollowedByZeros_data();
    void imageLandsInTheTargetFollowedByZeros();
    void anEmptyTargetFileCountsAsABlankDisc();
    void secondBurnOntoTheWrittenTargetIsRefusedAndLeavesItUnchanged();
    void missingTargetFolderIsRefused();
    void verificationMismatchFailsTheBurn();
    void anUnreadableStartIsReloadedAndReadOnceMore_data();
    void anUnreadableStartIsReloadedAndReadOnceMore();
    void emptyImageFailsWithoutCreatingTheTarget();

private:
    void checkStatusLine(const QStringList &statuses, bool expectRisingSteps);
    std::unique_ptr<QTemporaryDir> dir;
    QString target;
};

void TestLibburnBurn::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    target = dir->filePath(QStringLiteral("target.iso"));
}

// Writing with rising percentages up to the whole image, then verifying,
// then completed; nothing written after the verification began.
void TestLibburnBurn::checkStatusLine(const QStringList &statuses, bool expectRisingSteps)
{
    const qsizetype initializing = statuses.indexOf(QStringLiteral("Initializing Hardware "));
    const qsizetype verifying = statuses.indexOf(QStringLiteral("Verifying the data."));
    QVERIFY2(initializing >= 0, qPrintable(statuses.join(" | ")));
    QVERIFY2(verifying > initializing, qPrintable(statuses.join(" | ")));
    QCOMPARE(statuses.last(), QStringLiteral("Completed the burn."));
    QCOMPARE(statuses.count(QStringLiteral("Completed the burn.")), 1);

    QList<double> shares;
    qsizetype lastProgress = -1;
    for (qsizetype i = 0; i < statuses.size(); ++i) {
        if (!statuses[i].startsWith(progressPrefix))
            continue;
        QVERIFY2(i > initializing && i < verifying, qPrintable(statuses.join(" | ")));
        QString number = statuses[i].mid(progressPrefix.size());
        QVERIFY(number.endsWith(QLatin1Char('%')));
        number.chop(1);
        bool ok = false;
        shares << number.toDouble(&ok);
        QVERIFY(ok);
        lastProgress = i;
    }
    QVERIFY(!shares.isEmpty());
    QCOMPARE(statuses[lastProgress], QStringLiteral("Progress:  100.00%"));
    for (qsizetype i = 1; i < shares.size(); ++i)
        QVERIFY2(shares[i] > shares[i - 1], qPrintable(statuses.join(" | ")));
    if (expectRisingSteps)
        QVERIFY2(shares.size() >= 2, qPrintable(statuses.join(" | ")));
}

void TestLibburnBurn::virtualRecorderIsListedWithItsDetails()
{
    Bench bench(target);
    QTreeWidget *list = bench.form->ListView1;
    QVERIFY(list->topLevelItemCount() >= 1);
    QTreeWidgetItem *row = list->topLevelItem(list->topLevelItemCount() - 1);
    QCOMPARE(row->text(0), QStringLiteral("stdio:") + target);
    QCOMPARE(row->text(1), QStringLiteral("Virtual"));
    QCOMPARE(row->text(2), QStringLiteral("Image file recorder"));
    QCOMPARE(row->text(3), libburnVersion());
    QCOMPARE(row->text(4), target);
    QCOMPARE(row->text(5), QStringLiteral("yes"));
    // Listing it neither creates nor touches the file.
    QVERIFY(!QFileInfo::exists(target));
}

void TestLibburnBurn::imageLandsInTheTargetFollowedByZeros_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("targetSize");
    QTest::newRow("one sector, padded to the minimum track") << qint64(2048) << qint64(300 * 2048);
    QTest::newRow("299 sectors, padded by one") << qint64(299 * 2048) << qint64(300 * 2048);
    QTest::newRow("300 sectors, exactly the minimum") << qint64(300 * 2048) << qint64(300 * 2048);
    QTest::newRow("not a multiple of 2048") << qint64(1'000'001) << qint64(489 * 2048);
    QTest::newRow("64 MiB") << qint64(64 << 20) << qint64(64 << 20);
}

void TestLibburnBurn::imageLandsInTheTargetFollowedByZeros()
{
    QFETCH(qint64, size);
    QFETCH(qint64, targetSize);
    const QString image = writePatternFile(*dir, QStringLiteral("image.iso"), size);
    Bench bench(target);

    bench.burn(image);

    QCOMPARE(bench.prompter.messages.size(), std::size_t(1));
    QCOMPARE(bench.prompter.last().prompt, QStringLiteral("ISO burn complete!"));
    QCOMPARE(bench.prompter.last().title, QStringLiteral("Complete"));
    QVERIFY(bench.form->dataWriter()->LastWriteSucceeded());

    const QByteArray written = fileBytes(target);
    QCOMPARE(qint64(written.size()), targetSize);
    QVERIFY(written.first(size) == fileBytes(image));
    QVERIFY(written.sliced(size).count('\0') == targetSize - size);

    checkStatusLine(bench.statuses, size >= (64 << 20));
}

void TestLibburnBurn::anEmptyTargetFileCountsAsABlankDisc()
{
    const QString image = writePatternFile(*dir, QStringLiteral("image.iso"), 400 * 2048);
    QFile empty(target);
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    Bench bench(target);

    bench.burn(image);

    QCOMPARE(bench.prompter.last().prompt, QStringLiteral("ISO burn complete!"));
    QVERIFY(fileBytes(target) == fileBytes(image));
}

void TestLibburnBurn::secondBurnOntoTheWrittenTargetIsRefusedAndLeavesItUnchanged()
{
    const QString first = writePatternFile(*dir, QStringLiteral("first.iso"), 350 * 2048);
    Bench bench(target);
    bench.burn(first);
    QCOMPARE(bench.prompter.last().prompt, QStringLiteral("ISO burn complete!"));
    const QByteArray before = fileBytes(target);
    const QDateTime modified = QFileInfo(target).lastModified();

    // A different image, so an overwrite could not go unnoticed.
    QFile second(dir->filePath(QStringLiteral("second.iso")));
    QVERIFY(second.open(QIODevice::WriteOnly));
    second.write(QByteArray(500 * 2048, 'x'));
    second.close();
    bench.burn(second.fileName());

    QCOMPARE(bench.prompter.messages.size(), std::size_t(2));
    QCOMPARE(bench.prompter.last().prompt,
             QStringLiteral("Insert a new/blank CD! Please insert a blank CD and try again."));
    QVERIFY(bench.prompter.last().title.startsWith(QStringLiteral("Media status - ")));
    QVERIFY(bench.prompter.last().title != QStringLiteral("Media status - 2"));
    QVERIFY(bench.prompter.last().title != QStringLiteral("Media status - 6"));
    QCOMPARE(bench.prompter.last().icon, MsgIcon::Critical);
    QVERIFY(fileBytes(target) == before);
    QCOMPARE(QFileInfo(target).lastModified(), modified);
}

void TestLibburnBurn::missingTargetFolderIsRefused()
{
    const QString image = writePatternFile(*dir, QStringLiteral("image.iso"), 2048);
    const QString folder = dir->filePath(QStringLiteral("no-such-folder"));
    Bench bench(folder + QStringLiteral("/target.iso"));
    QVERIFY(bench.form->ListView1->topLevelItemCount() >= 1);

    bench.burn(image);

    QCOMPARE(bench.prompter.messages.size(), std::size_t(1));
    QCOMPARE(bench.prompter.last().title, QStringLiteral("Media not supported"));
    QVERIFY(!QFileInfo::exists(folder));
}

void TestLibburnBurn::verificationMismatchFailsTheBurn()
{
    const QString image = writePatternFile(*dir, QStringLiteral("image.iso"), 2 << 20);
    // A disc whose sector 777 reads back with one byte changed.
    LibburnDiscService::Options options;
    options.readBackFilter = [](std::int64_t firstSector, char *data, std::int64_t bytes) {
        const std::int64_t bad = 777 - firstSector;
        if (bad >= 0 && bad * 2048 < bytes)
            data[bad * 2048 + 100] ^= 0x01;
    };
    Bench bench(target, options);

    bench.burn(image);

    QCOMPARE(bench.prompter.messages.size(), std::size_t(1));
    QCOMPARE(bench.prompter.last().title, QStringLiteral("Burn failed"));
    QVERIFY2(bench.prompter.last().prompt.contains(QStringLiteral("sector 777 ")),
             qPrintable(bench.prompter.last().prompt));
    QVERIFY(!bench.form->dataWriter()->LastWriteSucceeded());
    QVERIFY(bench.statuses.contains(QStringLiteral("Verifying the data.")));
    QVERIFY(!bench.statuses.contains(QStringLiteral("Completed the burn.")));
}

void TestLibburnBurn::anUnreadableStartIsReloadedAndReadOnceMore_data()
{
    QTest::addColumn<int>("unreadablePasses");
    QTest::addColumn<QString>("title");
    QTest::newRow("readable after the reload") << 1 << "Complete";
    QTest::newRow("unreadable after the reload too") << 2 << "Burn failed";
}

// Some drives read nothing of a disc they have just written until it has
// been reloaded: the read-back reloads the disc and reads once more.
void TestLibburnBurn::anUnreadableStartIsReloadedAndReadOnceMore()
{
    QFETCH(int, unreadablePasses);
    QFETCH(QString, title);
    const QString image = writePatternFile(*dir, QStringLiteral("image.iso"), 1 << 20);
    int passes = 0;
    LibburnDiscService::Options options;
    options.readBackFilter = [&passes, unreadablePasses](std::int64_t firstSector, char *, std::int64_t) {
        if (firstSector == 0 && ++passes <= unreadablePasses)
            throw libburn::UnreadableDisc("sector 0 could not be read back from the disc");
    };
    Bench bench(target, options);

    bench.burn(image);

    QCOMPARE(passes, 2);
    QCOMPARE(bench.prompter.messages.size(), std::size_t(1));
    QCOMPARE(bench.prompter.last().title, title);
    QCOMPARE(bench.form->dataWriter()->LastWriteSucceeded(), title == QStringLiteral("Complete"));
    if (title != QStringLiteral("Complete"))
        QVERIFY2(bench.prompter.last().prompt.contains(QStringLiteral("sector 0 could not be read")),
                 qPrintable(bench.prompter.last().prompt));
}

void TestLibburnBurn::emptyImageFailsWithoutCreatingTheTarget()
{
    QFile image(dir->filePath(QStringLiteral("empty.iso")));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.close();
    Bench bench(target);

    bench.burn(image.fileName());

    QCOMPARE(bench.prompter.messages.size(), std::size_t(1));
    QCOMPARE(bench.prompter.last().title, QStringLiteral("Burn failed"));
    QVERIFY(bench.prompter.last().prompt.contains(QStringLiteral("empty")));
    QVERIFY(!QFileInfo::exists(target));
}

QTEST_MAIN(TestLibburnBurn)
#include "tst_libburn_burn.moc"
