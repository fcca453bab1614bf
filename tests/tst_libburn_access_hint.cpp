// The sentence added to the "No recorder" refusal: it appears only when an
// optical drive exists that this user may not open for reading and writing.
#include "platform/linux/libburn_disc_service.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pelimor;

namespace {

// The hint as a user without special rights would get it: tests running as
// root open every device, so the question is asked from a child process
// that has dropped to "nobody".
std::string hintForAnOrdinaryUser(LibburnDiscService &service)
{
    if (::geteuid() != 0)
        return service.RecorderAccessHint();
    int fds[2];
    if (::pipe(fds) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        const std::string hint = service.RecorderAccessHint();
        const ssize_t written = ::write(fds[1], hint.data(), hint.size());
        ::_exit(written == static_cast<ssize_t>(hint.size()) ? 0 : 3);
    }
    ::close(fds[1]);
    std::string hint;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        hint.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? hint : "child failed";
}

} // namespace

class TestLibburnAccessHint : public QObject {
    Q_OBJECT
private slots:
    void hintNamesADeviceThisUserMayNotOpen();
};

void TestLibburnAccessHint::hintNamesADeviceThisUserMayNotOpen()
{
    QTemporaryDir devices;
    QVERIFY(::chmod(devices.path().toLocal8Bit().constData(), 0755) == 0);
    LibburnDiscService::Options options;
    options.deviceDirectory = devices.path().toStdString();
    LibburnDiscService service(options);

    QCOMPARE(hintForAnOrdinaryUser(service), std::string());

    // Names that are not optical drives are not looked at.
    for (const char *name : {"sda", "sr", "sr0x", "scd0"}) {
        QFile f(devices.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(::chmod(f.fileName().toLocal8Bit().constData(), 0600) == 0);
    }
    QCOMPARE(hintForAnOrdinaryUser(service), std::string());

    // A drive everyone may open needs no hint.
    const QString sr1 = devices.filePath(QStringLiteral("sr1"));
    QFile open(sr1);
    QVERIFY(open.open(QIODevice::WriteOnly));
    open.close();
    QVERIFY(::chmod(sr1.toLocal8Bit().constData(), 0666) == 0);
    QCOMPARE(hintForAnOrdinaryUser(service), std::string());

    // One the user may not open gets one sentence naming it and the group.
    QVERIFY(::chmod(sr1.toLocal8Bit().constData(), 0660) == 0);
    const std::string hint = hintForAnOrdinaryUser(service);
    QVERIFY2(hint.find(sr1.toStdString()) != std::string::npos, hint.c_str());
    QVERIFY2(hint.find("cdrom group") != std::string::npos, hint.c_str());
    QVERIFY2(hint.find("read") != std::string::npos && hint.find("writ") != std::string::npos, hint.c_str());
    QVERIFY(hint.back() == '.');
    QVERIFY2(hint.find(". ") == std::string::npos, hint.c_str());
}

QTEST_MAIN(TestLibburnAccessHint)
#include "tst_libburn_access_hint.moc"
