// Two copies of the program on the one emulated drive, for
// tst_emulated_drive.cpp: the first burns in the test's own process, the
// second is the test program started again (its secondCopy function).
#pragma once

#include "drive_controls.h"
#include "mainwindow/form1.h"
#include "platform/linux/libburn_disc_service.h"
#include "platform/recorder_lock.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QtTest>

#include <cstdio>

namespace pelimor::test {

// The image opened twice from the file manager: two copies of the program,
// each with its window on the one drive. The second copy's Burn, pressed
// while the first writes, is answered at once and leaves the first alone.
inline void burnWhileASecondCopyPressesBurn()
{
    target({QStringLiteral("revive")});
    const QString disc = workPath(QStringLiteral("twice.img"));
    target({QStringLiteral("insert"), blankDisc(disc)});
    QVERIFY2(targetErrors.isEmpty(), qPrintable(targetErrors));
    // Both copies keep their locks in one user's runtime folder.
    const QString runtime = QStringLiteral("/run/pelimor-test-user");
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", "/run/pelimor-test-user");

    LibburnDiscService service;
    RecordingPrompter prompter;
    const auto locks = createDefaultRecorderLocks();
    Form1 form(Platform{&service, &prompter, nullptr, nullptr, nullptr, nullptr, locks.get()});
    form.show();
    form.chkEject->setChecked(false);
    form.txtPath->setText(env("PELIMOR_DRIVE_IMAGE"));

    // The second copy opens its window before the first burns, as the user
    // opened the image twice, and presses Burn when told.
    QProcess second;
    second.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PELIMOR_SECOND_COPY"), QStringLiteral("1"));
    second.setProcessEnvironment(environment);
    second.start(QCoreApplication::applicationFilePath(), {QStringLiteral("secondCopy")});
    QByteArray said;
    while (!said.contains("READY") && second.waitForReadyRead(60'000))
        said += second.readAllStandardOutput();
    QVERIFY2(said.contains("READY"), said.constData());

    bool pressed = false;
    bool answeredWhileWriting = false;
    QObject::connect(&second, &QProcess::readyReadStandardOutput, [&] {
        said += second.readAllStandardOutput();
        if (said.contains("ANSWER"))
            answeredWhileWriting = answeredWhileWriting || form.isBurning();
    });
    QObject::connect(form.txtStatus, &QLineEdit::textChanged, [&](const QString &text) {
        if (!pressed && shareOf(text) >= 10.0) {
            pressed = true;
            second.write("burn\n");
        }
    });
    form.cmdBurn_Click();
    // It may well have ended while the first was still writing.
    const bool finished = second.state() == QProcess::NotRunning || second.waitForFinished(30'000);
    said += second.readAllStandardOutput();
    QVERIFY2(finished, said.constData());
    qInfo("second copy: %s", said.constData());

    // The first burn completed, and the disc is the image byte for byte.
    QCOMPARE(prompter.messages.size(), std::size_t(1));
    QVERIFY2(prompter.last().title == QStringLiteral("Complete"), qPrintable(prompter.last().prompt));
    QFile image(env("PELIMOR_DRIVE_IMAGE")), written(disc);
    QVERIFY(image.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.size() >= image.size() && bytes.first(image.size()) == image.readAll());
    QCOMPARE(bytes.sliced(image.size()).count('\0'), bytes.size() - image.size());

    // The second was told within 2 s, while the first still wrote, that
    // another window writes the recorder, and nothing about its disc.
    QVERIFY(pressed);
    const QRegularExpression answer(QStringLiteral("ANSWER (\\d+) ms, (\\d+) boxes: ([^\n]*)"));
    const auto match = answer.match(QString::fromUtf8(said));
    QVERIFY2(match.hasMatch(), said.constData());
    QVERIFY2(match.captured(1).toInt() < 2000, said.constData());
    QCOMPARE(match.captured(2), QStringLiteral("1"));
    QVERIFY2(match.captured(3).startsWith(QStringLiteral("Burn failed: ")) &&
                 match.captured(3).contains(QStringLiteral("another Pelimor ISO Burn window")),
             said.constData());
    QVERIFY(answeredWhileWriting);
}

// The second copy: loads its window, says so, and presses Burn when told.
inline void actAsTheSecondCopy()
{
    LibburnDiscService service;
    RecordingPrompter prompter;
    const auto locks = createDefaultRecorderLocks();
    Form1 form(Platform{&service, &prompter, nullptr, nullptr, nullptr, nullptr, locks.get()});
    form.show();
    form.txtPath->setText(env("PELIMOR_DRIVE_IMAGE"));
    std::printf("READY %d rows\n", form.ListView1->topLevelItemCount());
    std::fflush(stdout);
    char line[16] = {};
    QVERIFY(std::fgets(line, sizeof line, stdin));
    QElapsedTimer clock;
    clock.start();
    form.cmdBurn_Click();
    const qint64 ms = clock.elapsed();
    const QString box =
        prompter.messages.empty() ? QString() : prompter.last().title + QStringLiteral(": ") + prompter.last().prompt;
    std::printf("ANSWER %lld ms, %zu boxes: %s\n", ms, prompter.messages.size(),
                qPrintable(QString(box).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::fflush(stdout);
}

} // namespace pelimor::test
