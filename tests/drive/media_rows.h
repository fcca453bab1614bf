// The emulated recorder's other media: CD-R written at once (SAO) and
// track at once (TAO), DVD+RW, CD-RW, and reusing a rewritable disc that
// holds data. Each row puts a disc in (tests/drive/target.sh insert FILE
// MEDIUM), burns the test image through the window with the user's answers
// to its questions, and says which boxes the user must see, in order, and
// what must become of the disc.
//
// The rows burn a small image over an older one; the CD rows leave their
// discs under fixed names in the work folder, and scripts/test-drive.sh
// compares them on the host: the erased CD-RW with the image, the kept one
// and the one written track at once with the older image.
#pragma once

#include "drive_controls.h"
#include "mainwindow/form1.h"
#include "platform/linux/libburn_disc_service.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

#include <deque>
#include <functional>
#include <vector>

namespace pelimor::test {

enum class MediaAfter {
    Image,        // exactly the image (a CD's track holds nothing more)
    ImageOverOld, // the image, and past it what the disc held before (DVD+RW)
    Unchanged,
};

struct MediaCase {
    const char *name;
    std::function<void()> setup;
    std::deque<bool> answers; // to the window's questions, in order
    QStringList titles;       // of the boxes the user sees, in order
    int questions;            // how many questions the window asks
    MediaAfter after;
    bool erases = false;        // the status line says the disc is being formatted first
    bool secondRefused = false; // after the burn the closed disc is refused, with no question
    std::function<QString()> image = {};
};

// What libburn makes of the emulated 80 minute CD: its free sectors.
constexpr qint64 blankCdSectors = 359'850;
// The emulated DVD+RW's capacity: the size of its file.
constexpr qint64 dvdPlusRwBytes = 8 << 20;

// The rows burn a small image: a CD track is written whole, however
// large, and the guest's emulated processor is slow.
inline QString smallImage()
{
    return env("PELIMOR_DRIVE_SMALL_IMAGE");
}

// What the used discs hold before a row reuses them.
inline QString otherImage()
{
    return env("PELIMOR_DRIVE_OTHER_IMAGE");
}

// A disc file of `medium` holding `content` (empty: blank) padded with
// zeros to `size` bytes.
inline std::function<void()> insertMedium(const QString &name, const QStringList &medium, const QString &content = {},
                                          qint64 size = 0)
{
    return [=] {
        const QString path = workPath(name);
        QFile disc(path);
        if (!disc.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qWarning("cannot create %s", qPrintable(path));
        if (!content.isEmpty()) {
            QFile from(content);
            if (!from.open(QIODevice::ReadOnly))
                qWarning("cannot read %s", qPrintable(content));
            disc.write(from.readAll());
        }
        if (size > 0)
            disc.resize(size);
        disc.close();
        target(QStringList{QStringLiteral("insert"), path} + medium);
    };
}

// A blank CD-R that xorriso writes track at once with the other image.
inline std::function<void()> writtenTrackAtOnce(const QString &name)
{
    return [=] {
        insertMedium(name, {QStringLiteral("cd-r")})();
        QProcess xorriso;
        xorriso.setProcessChannelMode(QProcess::MergedChannels);
        xorriso.start(QStringLiteral("xorriso"),
                      {QStringLiteral("-as"), QStringLiteral("cdrecord"), QStringLiteral("-tao"),
                       QStringLiteral("-nopad"), QStringLiteral("dev=/dev/sr0"), otherImage()});
        if (!xorriso.waitForFinished(60'000) || xorriso.exitCode() != 0)
            targetErrors += QStringLiteral("xorriso -tao failed: ") + QString::fromUtf8(xorriso.readAll());
    };
}

inline const std::vector<MediaCase> &mediaCases()
{
    using A = MediaAfter;
    const QString complete = QStringLiteral("Complete");
    const QStringList cdR{QStringLiteral("cd-r")}, cdRw{QStringLiteral("cd-rw")}, dvdPlusRw{QStringLiteral("dvd+rw")};
    const QString used = QStringLiteral("Media status - 18432"); // closed and erasable
    static const std::vector<MediaCase> cases{
        // The design's own disc: libburn writes a blank CD-R at once, with
        // a cue sheet, and closes it.
        {"blank CD-R, written at once", insertMedium("cdr.img", cdR), {}, {complete}, 0, A::Image, false, true},
        // Another burner wrote the disc track at once and closed the track
        // and the session: the window sees a closed CD-R and does not ask.
        {"CD-R written track at once by another burner",
         writtenTrackAtOnce("cdr-tao.img"),
         {},
         {QStringLiteral("Media status - 16384")},
         0,
         A::Unchanged},
        {"image too large for the CD-R",
         insertMedium("cdr-small.img", cdR),
         {},
         {QStringLiteral("Disc too small")},
         0,
         A::Unchanged,
         false,
         false,
         sparseImage("cd-large.iso", blankCdSectors + 1)},
        {"zero-filled DVD+RW",
         insertMedium("dvdrw-zero.img", dvdPlusRw, {}, dvdPlusRwBytes),
         {},
         {complete},
         0,
         A::ImageOverOld},
        // libburn calls a DVD+RW blank whatever it holds; the window must
        // not, and the user keeps the disc by answering No.
        {"DVD+RW holding an ISO, kept",
         insertMedium("dvdrw-used.img", dvdPlusRw, otherImage(), dvdPlusRwBytes),
         {},
         {QStringLiteral("Media status - 4096")},
         1,
         A::Unchanged},
        {"DVD+RW holding an ISO, overwritten",
         insertMedium("dvdrw-over.img", dvdPlusRw, otherImage(), dvdPlusRwBytes),
         {true},
         {QStringLiteral("Media status - 4096"), complete},
         1,
         A::ImageOverOld},
        {"used CD-RW, kept", insertMedium("cdrw-kept.img", cdRw, otherImage()), {}, {used}, 1, A::Unchanged},
        {"used CD-RW, erased and burned",
         insertMedium("cdrw-erased.img", cdRw, otherImage()),
         {true},
         {used, complete},
         1,
         A::Image,
         true},
    };
    return cases;
}

struct MediaOutcome {
    std::vector<Message> messages;
    std::vector<Message> questions;
    QStringList statuses;
};

inline MediaOutcome burnWithAnswers(const QString &image, const std::deque<bool> &answers)
{
    LibburnDiscService service;
    RecordingPrompter prompter;
    prompter.answers = answers;
    Form1 form(Platform{&service, &prompter, nullptr, nullptr, nullptr});
    MediaOutcome out;
    QObject::connect(form.txtStatus, &QLineEdit::textChanged, [&](const QString &text) { out.statuses << text; });
    form.show();
    form.chkEject->setChecked(false);
    form.txtPath->setText(image);
    form.cmdBurn_Click();
    out.messages = prompter.messages;
    out.questions = prompter.questions;
    for (const Message &m : out.messages)
        qInfo("%s: %s", qPrintable(m.title), qPrintable(m.prompt));
    return out;
}

inline qsizetype firstStartingWith(const QStringList &statuses, const QString &prefix)
{
    for (qsizetype i = 0; i < statuses.size(); ++i)
        if (statuses[i].startsWith(prefix))
            return i;
    return -1;
}

// Puts the row's disc in, burns, and checks what the user saw and what
// became of the disc.
inline void checkMediaCase(const MediaCase &c)
{
    target({QStringLiteral("revive")});
    c.setup();
    const QString disc = target({QStringLiteral("disc")});
    QVERIFY2(targetErrors.isEmpty(), qPrintable(targetErrors));
    QFile before(disc);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    const QString imagePath = c.image ? c.image() : smallImage();

    const MediaOutcome out = burnWithAnswers(imagePath, c.answers);

    const QString seen = out.statuses.join(QStringLiteral(" | "));
    QStringList titles;
    for (const Message &m : out.messages)
        titles << m.title;
    QCOMPARE(titles, c.titles);
    QCOMPARE(int(out.questions.size()), c.questions);
    if (c.questions > 0) {
        QCOMPARE(out.questions.front().title, QStringLiteral("Erase the disc?"));
        QCOMPARE(out.questions.front().prompt,
                 QStringLiteral("The disc in %1 %2 is a rewritable disc that holds data. Erase it and burn the "
                                "image? Everything on the disc will be lost.")
                     .arg(env("PELIMOR_DRIVE_VENDOR"), env("PELIMOR_DRIVE_PRODUCT")));
    }
    // Blanking first, with its time, then writing.
    const qsizetype formatting = firstStartingWith(out.statuses, QStringLiteral("Formatting media Time: "));
    QVERIFY2((formatting >= 0) == c.erases, qPrintable(seen));
    if (c.erases)
        QVERIFY2(formatting < firstStartingWith(out.statuses, QStringLiteral("Progress:")), qPrintable(seen));
    if (titles.last() == QStringLiteral("Complete")) {
        QVERIFY2(out.statuses.contains(QStringLiteral("Verifying the data.")), qPrintable(seen));
        QCOMPARE(out.statuses.last(), QStringLiteral("Completed the burn."));
    }
    if (titles.last() == QStringLiteral("Disc too small")) {
        const QRegularExpression figures(
            QStringLiteral("needs ([0-9.,]+) MB but the disc has only ([0-9.,]+) MB free"));
        const auto match = figures.match(out.messages.back().prompt);
        QVERIFY2(match.hasMatch() && match.captured(1) != match.captured(2), qPrintable(out.messages.back().prompt));
    }

    QFile after(disc), image(smallImage());
    QVERIFY(after.open(QIODevice::ReadOnly) && image.open(QIODevice::ReadOnly));
    const QByteArray bytes = after.readAll(), wanted = image.readAll();
    switch (c.after) {
    case MediaAfter::Image:
        QVERIFY2(bytes == wanted, qPrintable(QStringLiteral("%1 bytes on the disc").arg(bytes.size())));
        break;
    case MediaAfter::ImageOverOld:
        QCOMPARE(bytes.size(), old.size());
        QVERIFY(bytes.first(wanted.size()) == wanted);
        QVERIFY(bytes.sliced(wanted.size()) == old.sliced(wanted.size()));
        break;
    case MediaAfter::Unchanged:
        QVERIFY(bytes == old);
        break;
    }

    // A closed write-once disc: refused, and never offered to be erased.
    if (c.secondRefused) {
        const MediaOutcome again = burnWithAnswers(imagePath, {true});
        QCOMPARE(again.messages.size(), std::size_t(1));
        QCOMPARE(again.messages.front().title, QStringLiteral("Media status - 16384"));
        QVERIFY(again.questions.empty());
    }
}

} // namespace pelimor::test
