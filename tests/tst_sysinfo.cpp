#include "about/frmabout.h"
#include "platform/defaults.h"
#include "scriptedregistry.h"
#include "testsupport.h"

#include <QDir>
#include <QPushButton>
#include <QSysInfo>
#include <QtTest>

#include <memory>

using namespace pelimor;
using namespace pelimor::test;

namespace {

const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// An About dialog over a scripted registry and recording shell and prompter.
struct Rig {
    SimulatedPlatform sim;
    ScriptedRegistry registry;
    std::unique_ptr<frmAbout> about;
    Rig()
    {
        sim.registry = &registry;
        about = std::make_unique<frmAbout>(sim.platform());
    }
    void firstPlace(const ScriptedValue &v) { registry.keys[pathKey]["PATH"] = v; }
    void secondPlace(const ScriptedValue &v) { registry.keys[folderKey]["MSINFO"] = v; }
    bool secondPlaceAsked() const
    {
        const auto names = registry.openedKeyNames();
        return std::find(names.begin(), names.end(), folderKey) != names.end();
    }
};

// What the two places hold, and whether their keys refuse to open.
struct Scene {
    std::optional<ScriptedValue> first;
    std::optional<ScriptedValue> second;
    bool refuse = false;
};
const QByteArray folderWithTool = "<folder with the tool>";

bool toldUnavailableOnce(const Rig &rig)
{
    if (rig.sim.prompter.messages.size() != 1)
        return false;
    const Message &m = rig.sim.prompter.last();
    return m.prompt == unavailable && m.icon == MsgIcon::None && m.title == QLatin1String("PelimorISOBurn");
}

bool writeFile(const QString &path, const QByteArray &content = "MZ")
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

} // namespace

Q_DECLARE_METATYPE(Scene)

class TestSysInfo : public QObject {
    Q_OBJECT
private slots:
    void getKeyValueAsksWithTheLaunchersRightsAndZeroedBuffer();
    void getKeyValueReadsByType_data();
    void getKeyValueReadsByType();
    void getKeyValueZeroLengthIsAnErrorThatStillClosesTheKey();

    void firstValueIsStartedAsReadWithoutLookingForTheFile_data();
    void firstValueIsStartedAsReadWithoutLookingForTheFile();
    void secondValueStartsOnlyWhenTheFolderHoldsTheTool_data();
    void secondValueStartsOnlyWhenTheFolderHoldsTheTool();
    void oddEntriesFallThroughOrEndInTheMessage_data();
    void oddEntriesFallThroughOrEndInTheMessage();
    void eachClickStartsTheToolAgain();

    void linuxStandInNamesTheFirstKnownToolOnPathAndNothingElse();
};

void TestSysInfo::getKeyValueAsksWithTheLaunchersRightsAndZeroedBuffer()
{
    Rig rig;
    rig.firstPlace(textValue("C:\\msinfo32.exe"));
    QString value;
    QVERIFY(rig.about->GetKeyValue(0x80000002u, QString::fromStdString(pathKey), "PATH", value));

    QCOMPARE(rig.registry.opens.size(), std::size_t(1));
    const auto &open = rig.registry.opens.front();
    QCOMPARE(open.root, 0x80000002u);
    QCOMPARE(open.subKey, pathKey);
    QCOMPARE(open.options, 0u);
    QCOMPARE(open.access, 0x2003Fu);
    QCOMPARE(rig.registry.queries.size(), std::size_t(1));
    QCOMPARE(rig.registry.queries.front().valueName, std::string("PATH"));
    QCOMPARE(rig.registry.queries.front().sizeIn, 1024u);
    QVERIFY(rig.registry.queries.front().bufferZeroed);
    QCOMPARE(rig.registry.closes, 1);
    QCOMPARE(rig.registry.openKeys(), 0);
}

void TestSysInfo::getKeyValueReadsByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("reportedSize"); // -1: the data's own
    QTest::addColumn<long>("status");
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<QString>("incoming");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("value");

    const QByteArray path = "C:\\WINDOWS\\system32\\msinfo32.exe";
    const QByteArray longText(1024, 'x');
    const QByteArray dword10("\x0A\x00\x00\x00", 4);
    const QString text = QString::fromLatin1(path);
    QTest::newRow("text drops its terminator") << 1 << path + '\0' << -1 << 0L << true << "" << true << text;
    QTest::newRow("text without terminator kept whole") << 1 << path << -1 << 0L << true << "" << true << text;
    QTest::newRow("only the last zero is dropped")
        << 1 << QByteArray("ab\0\0", 4) << -1 << 0L << true << "" << true << QString::fromLatin1("ab\0", 3);
    QTest::newRow("lone terminator is empty text") << 1 << QByteArray(1, '\0') << -1 << 0L << true << "x" << true << "";
    QTest::newRow("1024 bytes, unterminated")
        << 1 << longText << -1 << 0L << true << "" << true << QString(1024, QLatin1Char('x'));
    QTest::newRow("1023 bytes and terminator")
        << 1 << longText.left(1023) + '\0' << -1 << 0L << true << "" << true << QString(1023, QLatin1Char('x'));
    QTest::newRow("expandable text leaves the value as passed")
        << 2 << QByteArray("%SystemRoot%\\x.exe") + '\0' << -1 << 0L << true << "as passed" << true << "as passed";
    QTest::newRow("number 10: top zero byte trimmed") << 4 << dword10 << -1 << 0L << true << "" << true << "&h00000A";
    QTest::newRow("number, most significant byte first")
        << 4 << QByteArray("\x78\x56\x34\x12", 4) << -1 << 0L << true << "" << true << "&h12345678";
    QTest::newRow("number with a non-zero top byte")
        << 4 << QByteArray("\x00\x00\x00\xF1", 4) << -1 << 0L << true << "" << true << "&hF1000000";
    QTest::newRow("number after incoming text") << 4 << dword10 << -1 << 0L << true << "7" << true << "&h700000A";
    QTest::newRow("missing key empties the value") << 1 << path << -1 << 0L << false << "old" << false << "";
    QTest::newRow("missing value empties the value") << 1 << path << -1 << 2L << true << "old" << false << "";
    QTest::newRow("longer than the buffer: platform says more data")
        << 1 << QByteArray(1025, 'y') << -1 << 0L << true << "old" << false << "";
    QTest::newRow("size beyond the buffer reported as success")
        << 1 << path << 2000 << 0L << true << "old" << false << "";
    QTest::newRow("size one past the buffer") << 1 << path << 1025 << 0L << true << "" << false << "";
}

void TestSysInfo::getKeyValueReadsByType()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(int, reportedSize);
    QFETCH(long, status);
    QFETCH(bool, keyExists);
    QFETCH(QString, incoming);
    QFETCH(bool, result);
    QFETCH(QString, value);

    Rig rig;
    ScriptedValue v{static_cast<std::uint32_t>(type), data, std::nullopt, status};
    if (reportedSize >= 0)
        v.reportedSize = static_cast<std::uint32_t>(reportedSize);
    if (keyExists)
        rig.firstPlace(v);
    QString KeyVal = incoming;
    QCOMPARE(rig.about->GetKeyValue(0x80000002u, QString::fromStdString(pathKey), "PATH", KeyVal), result);
    QCOMPARE(KeyVal, value);
    QCOMPARE(rig.registry.openKeys(), 0);
    QCOMPARE(rig.registry.badCloses, 0);
}

void TestSysInfo::getKeyValueZeroLengthIsAnErrorThatStillClosesTheKey()
{
    Rig rig;
    rig.firstPlace({REG_SZ_TYPE, QByteArray(), std::nullopt, REG_SUCCESS});
    QString KeyVal;
    QVERIFY_THROWS_EXCEPTION(std::exception,
                             rig.about->GetKeyValue(0x80000002u, QString::fromStdString(pathKey), "PATH", KeyVal));
    QCOMPARE(rig.registry.closes, 1);
    QCOMPARE(rig.registry.openKeys(), 0);
}

void TestSysInfo::firstValueIsStartedAsReadWithoutLookingForTheFile_data()
{
    QTest::addColumn<bool>("startWorks");
    QTest::newRow("started") << true;
    QTest::newRow("stale path: start fails, user told") << false;
}

void TestSysInfo::firstValueIsStartedAsReadWithoutLookingForTheFile()
{
    QFETCH(bool, startWorks);
    Rig rig;
    const QString stale = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
    rig.firstPlace(textValue(stale.toLatin1()));
    rig.secondPlace(textValue("C:\\elsewhere"));
    rig.sim.shell.startSucceeds = startWorks;
    rig.about->StartSysInfo();
    QCOMPARE(rig.sim.shell.started, QStringList{stale});
    QVERIFY(!rig.secondPlaceAsked());
    QCOMPARE(rig.sim.prompter.messages.empty(), startWorks);
    QVERIFY(startWorks || toldUnavailableOnce(rig));
    QCOMPARE(rig.registry.openKeys(), 0);
}

void TestSysInfo::secondValueStartsOnlyWhenTheFolderHoldsTheTool_data()
{
    QTest::addColumn<QString>("folderEnd");
    QTest::addColumn<QString>("toolAs"); // "file", "folder" or "none"
    QTest::addColumn<bool>("started");
    QTest::newRow("folder holds the tool") << "/tools"
                                           << "file" << true;
    QTest::newRow("backslash added after the folder's own") << "/tools\\"
                                                            << "file" << true;
    QTest::newRow("folder without the tool") << "/tools"
                                             << "none" << false;
    QTest::newRow("a folder by the tool's name") << "/tools"
                                                 << "folder" << false;
}

void TestSysInfo::secondValueStartsOnlyWhenTheFolderHoldsTheTool()
{
    QFETCH(QString, folderEnd);
    QFETCH(QString, toolAs);
    QFETCH(bool, started);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + folderEnd;
    const QString tool = folder + QStringLiteral("\\MSINFO32.EXE");
    // Where backslashes are no separators the folder is part of the name;
    // make the folder too, for systems where they are.
    QDir().mkpath(dir.filePath(QStringLiteral("tools")));
    if (toolAs == QLatin1String("file"))
        QVERIFY(writeFile(tool));
    if (toolAs == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(tool));

    Rig rig;
    rig.secondPlace(textValue(QFile::encodeName(folder)));
    rig.about->StartSysInfo();

    QVERIFY(rig.secondPlaceAsked());
    if (started) {
        QCOMPARE(rig.sim.shell.started, QStringList{tool});
        QVERIFY(rig.sim.prompter.messages.empty());
    } else {
        QVERIFY(rig.sim.shell.started.isEmpty());
        QVERIFY(toldUnavailableOnce(rig));
    }
    QCOMPARE(rig.registry.openKeys(), 0);
}

void TestSysInfo::oddEntriesFallThroughOrEndInTheMessage_data()
{
    // folderWithTool in a value stands for a folder that holds MSINFO32.EXE.
    QTest::addColumn<Scene>("scene");
    QTest::addColumn<bool>("secondAsked");
    QTest::addColumn<bool>("starts");
    const ScriptedValue folder = textValue(folderWithTool);
    const ScriptedValue empty{REG_SZ_TYPE, QByteArray(), std::nullopt, REG_SUCCESS};
    ScriptedValue sizedBeyond = textValue("C:\\x.exe");
    sizedBeyond.reportedSize = 4096;
    QTest::newRow("first of another type: found, but names nothing")
        << Scene{ScriptedValue{REG_EXPAND_SZ_TYPE, "%ProgramFiles%\\msinfo32.exe", std::nullopt, 0}, folder, false}
        << false << false;
    QTest::newRow("first longer than the buffer: missing")
        << Scene{textValue(QByteArray(1500, 'p')), folder, false} << true << true;
    QTest::newRow("first sized beyond the buffer: missing") << Scene{sizedBeyond, folder, false} << true << true;
    QTest::newRow("first of zero length: the error ends the search") << Scene{empty, folder, false} << false << false;
    QTest::newRow("second of zero length") << Scene{std::nullopt, empty, false} << true << false;
    QTest::newRow("second a number names no folder") << Scene{std::nullopt, dwordValue(10), false} << true << false;
    QTest::newRow("nothing registered") << Scene{} << true << false;
    QTest::newRow("no right to open either key") << Scene{textValue("C:\\msinfo32.exe"), folder, true} << true << false;
}

void TestSysInfo::oddEntriesFallThroughOrEndInTheMessage()
{
    QFETCH(Scene, scene);
    QFETCH(bool, secondAsked);
    QFETCH(bool, starts);
    QTemporaryDir dir;
    const QString tool = dir.path() + QStringLiteral("\\MSINFO32.EXE");
    QVERIFY(writeFile(tool));
    const auto place = [&](ScriptedValue v) {
        if (v.data.startsWith(folderWithTool))
            v = textValue(QFile::encodeName(dir.path()));
        return v;
    };

    Rig rig;
    if (scene.first)
        rig.firstPlace(place(*scene.first));
    if (scene.second)
        rig.secondPlace(place(*scene.second));
    if (scene.refuse)
        rig.registry.refused = {pathKey, folderKey};
    rig.about->StartSysInfo();

    QCOMPARE(rig.secondPlaceAsked(), secondAsked);
    QCOMPARE(rig.sim.shell.started, starts ? QStringList{tool} : QStringList{});
    QVERIFY(starts ? rig.sim.prompter.messages.empty() : toldUnavailableOnce(rig));
    QCOMPARE(rig.registry.openKeys(), 0);
}

void TestSysInfo::eachClickStartsTheToolAgain()
{
    Rig rig;
    rig.firstPlace(textValue("/usr/bin/hardinfo"));
    rig.about->show();
    rig.about->cmdSysInfo->click();
    rig.about->cmdSysInfo->click();
    QCOMPARE(rig.sim.shell.started, (QStringList{"/usr/bin/hardinfo", "/usr/bin/hardinfo"}));
    QVERIFY(rig.about->isVisible());
    QVERIFY(rig.sim.prompter.messages.empty());
}

namespace {

// Puts PATH back when a test that changed it ends.
class PathGuard {
public:
    PathGuard() : m_saved(qgetenv("PATH")) {}
    ~PathGuard() { qputenv("PATH", m_saved); }
    PathGuard(const PathGuard &) = delete;
    PathGuard &operator=(const PathGuard &) = delete;

private:
    QByteArray m_saved;
};

bool writeProgram(const QString &path, bool executable = true)
{
    if (!writeFile(path, "#!/bin/sh\nexit 0\n"))
        return false;
    QFile::Permissions perms = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        perms |= QFile::ExeOwner;
    return QFile::setPermissions(path, perms);
}

} // namespace

void TestSysInfo::linuxStandInNamesTheFirstKnownToolOnPathAndNothingElse()
{
    if (QSysInfo::kernelType() != QLatin1String("linux"))
        QSKIP("the stand-in registry is the Linux one");
    PathGuard guard;
    QTemporaryDir first, second;
    // hardinfo2 is preferred but this copy cannot be run; hardinfo comes
    // next in preference, although kinfocenter is found earlier on PATH.
    QVERIFY(writeProgram(first.filePath(QStringLiteral("kinfocenter"))));
    QVERIFY(writeProgram(first.filePath(QStringLiteral("hardinfo2")), false));
    QVERIFY(writeProgram(second.filePath(QStringLiteral("hardinfo"))));
    qputenv("PATH", QFile::encodeName(first.path() + QLatin1Char(':') + second.path()));
    const QString tool = second.filePath(QStringLiteral("hardinfo"));

    auto registry = createDefaultRegistry();
    SimulatedPlatform sim;
    sim.registry = registry.get();
    frmAbout about(sim.platform());
    about.StartSysInfo();
    QCOMPARE(sim.shell.started, QStringList{tool});
    QVERIFY(sim.prompter.messages.empty());

    // Read-only text with its terminating zero; a short buffer is told the
    // size it needs. No other key or value exists.
    RegKey key = 0;
    QVERIFY(registry->RegOpenKeyExA(0x80000002u, folderKey, 0, 0x2003F, &key) != 0);
    QCOMPARE(registry->RegOpenKeyExA(0x80000002u, "software\\microsoft\\shared tools\\msinfo", 0, 0x2003F, &key), 0L);
    unsigned char buffer[1024] = {};
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    const QByteArray expected = QFile::encodeName(tool) + '\0';
    QCOMPARE(registry->RegQueryValueExA(key, "PATH", &type, buffer, &size), 234L);
    QCOMPARE(size, static_cast<std::uint32_t>(expected.size()));
    size = sizeof buffer;
    QVERIFY(registry->RegQueryValueExA(key, "MSINFO", &type, buffer, &size) != 0);
    QCOMPARE(registry->RegQueryValueExA(key, "PATH", &type, buffer, &size), 0L);
    QCOMPARE(type, REG_SZ_TYPE);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), static_cast<int>(size)), expected);
    QCOMPARE(registry->RegCloseKey(key), 0L);

    // With no known tool left on PATH the user is told.
    qputenv("PATH", QFile::encodeName(QDir::tempPath() + QStringLiteral("/no-such-folder")));
    about.StartSysInfo();
    QCOMPARE(sim.shell.started.size(), 1);
    QCOMPARE(sim.prompter.messages.size(), std::size_t(1));
    QCOMPARE(sim.prompter.last().prompt, unavailable);
}

QTEST_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
