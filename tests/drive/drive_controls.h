// The emulated recorder as the drive tests handle it: the guest's work
// folder, tgt's drive controls (tests/drive/target.sh) and the discs put
// into the drive. Used only inside the guest that scripts/test-drive.sh
// boots.
#pragma once

#include "testsupport.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace pelimor::test {

inline QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

inline QString workPath(const QString &name)
{
    return env("PELIMOR_EMULATED_DRIVE_WORK") + QLatin1Char('/') + name;
}

// What went wrong in the drive's controls since the test began; each test
// checks it once its drive is set up.
QString targetErrors;

// The emulated drive's controls (tests/drive/target.sh).
inline QString target(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("sh"), QStringList{env("PELIMOR_DRIVE_TARGET")} + args);
    if (!p.waitForFinished(30'000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        targetErrors += QStringLiteral("target.sh %1 failed: %2\n")
                            .arg(args.join(QLatin1Char(' ')), QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

inline QByteArray fileHash(const QString &path)
{
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return f.open(QIODevice::ReadOnly) && hash.addData(&f) ? hash.result() : QByteArray();
}

// A fresh, empty disc file: a blank DVD+R once inserted.
inline QString blankDisc(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qWarning("cannot create %s", qPrintable(path));
    return path;
}

// The written share a "Progress:" status shows, or -1 for other statuses.
inline double shareOf(const QString &status)
{
    const QString prefix = QStringLiteral("Progress:  ");
    if (!status.startsWith(prefix) || !status.endsWith(QLatin1Char('%')))
        return -1;
    return status.mid(prefix.size()).chopped(1).toDouble();
}

// SystemSeesImage: the disc holds the image, and the system reading
// /dev/sr0 through the kernel sees it too, not the blank disc it saw
// before the burn.
enum class DiscAfter { HoldsImage, SystemSeesImage, Unchanged, Any };

struct BurnCase {
    const char *name;
    std::function<void()> setup;
    std::function<void()> midBurn;
    bool eject;
    QString title;                       // of the only box the user sees
    DiscAfter after;                     // what becomes of the disc that was in the drive
    std::function<QString()> image = {}; // the image to burn, when not the test image
    bool stopMidBurn = false;            // the user closes the window at 10 % and stops the burn
};

// What tgt offers as the free space of a blank DVD+R.
constexpr qint64 blankDvdPlusRSectors = 2'295'104;

// An image of `sectors` that takes no room on the disk.
inline std::function<QString()> sparseImage(const QString &name, qint64 sectors)
{
    return [=] {
        QFile f(workPath(name));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || !f.resize(sectors * 2048))
            qWarning("cannot create %s", qPrintable(f.fileName()));
        return f.fileName();
    };
}

inline const QString firstDisc()
{
    return env("PELIMOR_DRIVE_DISC");
}

// A disc that already holds data: the first disc, once the blank row has
// burned it; when that row did not run, a copy of what it would hold (never
// written into the first disc, which the host compares with the image).
inline void insertWrittenDisc()
{
    QString disc = firstDisc();
    if (QFileInfo(disc).size() == 0) {
        disc = workPath(QStringLiteral("written.img"));
        QFile image(env("PELIMOR_DRIVE_IMAGE")), copy(disc);
        if (image.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly)) {
            copy.write(image.readAll());
            copy.write(QByteArray(int((32768 - image.size() % 32768) % 32768), '\0'));
        }
    }
    target({QStringLiteral("insert"), disc});
}

// Steps for the table: a target.sh command, and a fresh blank disc.
inline std::function<void()> drive(const QString &command, const QString &argument = QString())
{
    return [=] { target(argument.isEmpty() ? QStringList{command} : QStringList{command, argument}); };
}

inline std::function<void()> insertBlank(const QString &name)
{
    return [=] { target({QStringLiteral("insert"), blankDisc(name.startsWith('/') ? name : workPath(name))}); };
}

// A disc in a tray that is open: grabbing the drive with a load closes it.
inline std::function<void()> inOpenTray(const std::function<void()> &insert)
{
    return [=] {
        insert();
        target({QStringLiteral("open")});
    };
}

// Whether the drive lets its tray open now (libburn locks it while it holds
// the drive); the disc goes back in afterwards.
inline bool trayOpensNow()
{
    const QString disc = target({QStringLiteral("disc")});
    if (target({QStringLiteral("tray")}) == QStringLiteral("open"))
        return true;
    QProcess open;
    open.start(QStringLiteral("tgtadm"),
               {QStringLiteral("--lld"), QStringLiteral("iscsi"), QStringLiteral("--mode"),
                QStringLiteral("logicalunit"), QStringLiteral("--op"), QStringLiteral("update"),
                QStringLiteral("--tid"), QStringLiteral("1"), QStringLiteral("--lun"), QStringLiteral("1"),
                QStringLiteral("--params"), QStringLiteral("online=0")});
    const bool opened = open.waitForFinished(30'000) && open.exitCode() == 0;
    if (opened)
        target({QStringLiteral("insert"), disc});
    return opened;
}

} // namespace pelimor::test
