// The helper scripts that need no Wine, run from the build tree's platform
// tree against the Windows test programs. (The installed tree is checked in
// the Debian package.)

#include "platformtestutil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <unistd.h>

using namespace PlatformTest;

namespace {

// A desktop entry laid out as Wine's menu integration writes it.
QByteArray wineEntry(const QString &name, const QString &prefix, const QString &icon)
{
    return QStringLiteral("[Desktop Entry]\nName=%1\n"
                          "Exec=env WINEPREFIX=\"%2\" wine-stable C:\\\\\\\\Program\\ "
                          "Files\\\\\\\\%1\\\\\\\\%1.exe \n"
                          "Type=Application\nStartupNotify=true\nIcon=%3\nStartupWMClass=%1.exe\n")
            .arg(name, prefix, icon)
            .toUtf8();
}

QStringList lines(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// A process of this user whose first argument is `name`, with WINEPREFIX
// set to the prefix (unset when empty), as a Wine process appears in /proc;
// it sleeps until killed. `runAs` goes before it (e.g. setpriv ...).
std::unique_ptr<QProcess> startPosing(const QString &name, const QString &prefix,
                                      const QStringList &runAs = QStringList())
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WINEPREFIX"));
    if (!prefix.isEmpty())
        environment.insert(QStringLiteral("WINEPREFIX"), prefix);
    process->setProcessEnvironment(environment);
    QStringList arguments = runAs;
    arguments << QStringLiteral("/bin/bash") << QStringLiteral("-c")
              << QStringLiteral("exec -a \"$0\" sleep 300") << name;
    const QString program = arguments.takeFirst();
    process->start(program, arguments);
    return process;
}

// The environment in which the install flow runs run_v4.sh.
QProcessEnvironment runV4Environment(const QString &bottleName, const QString &archiveDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BOTTLENAME"), bottleName);
    environment.insert(QStringLiteral("APPRUN_CMD"), tool("lirvan-wine5-stable/bin/wine"));
    environment.insert(QStringLiteral("ARCHIVE_FILE_DIR"), archiveDir);
    return environment;
}

// Runs one of the platform tree's tools/ scripts.
Result runTool(const char *script, const QStringList &arguments,
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    return run(tool(QLatin1String("tools/") + QLatin1String(script)), arguments, environment);
}

// Whether the run ended by itself and failed with a message.
bool failedLoudly(const Result &result)
{
    return result.finished && result.exitCode != 0 && !result.err.isEmpty();
}

} // namespace

class TestPlatformScripts : public QObject
{
    Q_OBJECT

private:
    QString m_dash; // a copy of foo-setup.exe whose name starts with "-" and has blanks
    QTemporaryDir m_tmp;

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(tool("tools/peinfo.sh")),
                 "the platform tree is missing: build the lwa_platform target");
        QVERIFY2(QFileInfo::exists(fixture("foo-setup.exe")),
                 "the Windows test programs are missing: build the lwa_fixtures target");
        QVERIFY(m_tmp.isValid());
        QVERIFY(QDir().mkpath(m_tmp.filePath("a dir")));
        m_dash = m_tmp.filePath("a dir/-foo setup.exe");
        QVERIFY(QFile::copy(fixture("foo-setup.exe"), m_dash));
    }

    void peinfoPrintsFields_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");

        const auto row = [](const char *tag, const QString &file, const char *field,
                            const char *value) {
            QTest::newRow(tag) << file << QString::fromLatin1(field) << QString::fromLatin1(value);
        };
        const QString setup = fixture("foo-setup.exe");
        const QString msi = fixture("bar-setup.msi");
        row("exe ProductName", setup, "ProductName", "Foo Setup");
        row("exe ProductVersion kept as stored", setup, "ProductVersion", "1. 2 .3");
        row("exe FileType", setup, "FileType", "Win64 EXE");
        row("msi ProductName absent", msi, "ProductName", "");
        row("msi Subject", msi, "Subject", "Bar Setup 2");
        row("msi FileType", msi, "FileType", "FPX");
        row("text file FileType", fixture("not-a-program.exe"), "FileType", "TXT");
        // A file name that looks like an option is still read as a file.
        row("file name like an option", m_dash, "ProductName", "Foo Setup");
    }

    void peinfoPrintsFields()
    {
        QFETCH(QString, file);
        QFETCH(QString, field);
        QFETCH(QString, value);

        const Result result = runTool("peinfo.sh", {field, file});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(result.out, value.isEmpty() ? QString() : value + QLatin1Char('\n'));
    }

    void peinfoRejectsBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QString setup = fixture("foo-setup.exe");
        QTest::newRow("missing file") << QStringList{"ProductName", m_tmp.filePath("missing.exe")};
        QTest::newRow("unknown field") << QStringList{"Title", setup};
        QTest::newRow("no file") << QStringList{"ProductName"};
    }

    void peinfoRejectsBadInput()
    {
        QFETCH(QStringList, arguments);
        const Result result = runTool("peinfo.sh", arguments);
        QVERIFY(failedLoudly(result));
        QVERIFY(result.out.isEmpty());
    }

    void mkiconsWritesLargestIcon()
    {
        const QString png = m_tmp.filePath("icons/new dir/Foo.png");
        const Result result = runTool("mkicons.sh", {m_dash, png});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));

        QImage image;
        QVERIFY(image.load(png, "PNG"));
        QCOMPARE(image.size(), QSize(256, 256)); // the largest of 16, 32, 48 and 256
    }

    void mkiconsWithoutIconWritesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("msi") << fixture("bar-setup.msi");
        QTest::newRow("truncated exe") << fixture("truncated.exe");
    }

    void mkiconsWithoutIconWritesNothing()
    {
        QFETCH(QString, file);
        const QString dir = m_tmp.filePath(
                QStringLiteral("no-icon/%1").arg(QTest::currentDataTag()));
        const Result result = runTool("mkicons.sh", {file, dir + "/x.png"});
        QVERIFY(failedLoudly(result));
        QVERIFY(!QFileInfo::exists(dir + "/x.png"));
    }

    void unzipUnpacksPackage()
    {
        // Into a bottle that already holds files: they stay, the package's
        // replace theirs, and a link where the archive has a directory is
        // replaced, not followed.
        const QString dir = m_tmp.filePath("bottles/Foo 1.2");
        QVERIFY(writeAll(dir + "/info", "old info"));
        QVERIFY(writeAll(dir + "/files/keep.txt", "mine"));
        const QString outside = m_tmp.filePath("outside");
        QVERIFY(QDir().mkpath(outside));
        QVERIFY(QFile::link(outside, dir + "/entries"));

        const Result result = runTool("unzip.sh", {fixture("foo-package.7z"), dir});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));
        QCOMPARE(filesBelow(dir),
                 QStringList({"entries/applications/foo-app.desktop",
                              "entries/icons/hicolor/48x48/apps/foo-app.png", "files/files.7z",
                              "files/keep.txt", "files/run.sh", "info"}));
        QVERIFY(QFileInfo(dir + "/files/run.sh").isExecutable());
        QVERIFY(readAll(dir + "/info").contains("\"appid\": \"com.foo.app\""));
        QCOMPARE(readAll(dir + "/files/keep.txt"), QByteArray("mine"));
        QVERIFY(QDir(outside).isEmpty());
    }

    void unzipFailureLeavesDirectoryAsItWas_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::newRow("truncated") << fixture("foo-package-truncated.7z");
        QTest::newRow("corrupt data") << fixture("foo-package-corrupt.7z");
    }

    void unzipFailureLeavesDirectoryAsItWas()
    {
        QFETCH(QString, archive);
        const QString dir = m_tmp.filePath(
                QStringLiteral("failed/%1").arg(QTest::currentDataTag()));
        QVERIFY(writeAll(dir + "/info", "old info"));

        const Result result = runTool("unzip.sh", {archive, dir});
        QVERIFY(result.finished && result.exitCode != 0);
        QCOMPARE(filesBelow(dir), QStringList{"info"});
        QCOMPARE(readAll(dir + "/info"), QByteArray("old info"));
    }

    void unzipRefusesEntriesBelowLinks()
    {
        // An archive holding a link to a directory outside and then a file
        // "through" that link.
        const QString work = m_tmp.filePath("evil");
        const QString outside = work + "/outside";
        QVERIFY(QDir().mkpath(outside));
        QVERIFY(QDir().mkpath(work + "/one"));
        QVERIFY(QFile::link(outside, work + "/one/lnk"));
        QVERIFY(writeAll(work + "/two/lnk/evil.txt", "evil"));
        const QString archive = work + "/evil.7z";
        for (const QString &part : {QStringLiteral("one"), QStringLiteral("two")}) {
            QProcess sevenZip;
            sevenZip.setWorkingDirectory(work + QLatin1Char('/') + part);
            sevenZip.start(QStringLiteral("7z"), {"a", "-bd", archive, "lnk"});
            QVERIFY(sevenZip.waitForFinished(30000));
            QCOMPARE(sevenZip.exitCode(), 0);
        }

        const QString dir = work + "/target";
        const Result result = runTool("unzip.sh", {archive, dir});
        QVERIFY2(failedLoudly(result) && result.err.contains("lnk/evil.txt"),
                 qPrintable(result.err));
        QVERIFY(QDir(outside).isEmpty());
        QVERIFY(!QFileInfo::exists(dir)); // refused before anything was written
    }

    void localdesktopListsAndRemovesBottleEntries()
    {
        const QString prefix = home() + "/.lirvanwine/apps/Foo";
        const QString apps = applicationsDir();
        const QString icons = home() + "/.local/share/icons/hicolor/48x48/apps/";

        // The bottle's integration, as Wine creates it.
        const QString desktopEntry = home() + "/Desktop/Foo.desktop";
        const QString menuEntry = apps + "wine/Programs/Foo/Uninstall Foo.desktop";
        QVERIFY(writeAll(desktopEntry, wineEntry("foo", prefix, "2D69_foo.0")));
        QVERIFY(writeAll(menuEntry,
                         wineEntry("uninstall", prefix + QLatin1Char('/'), "3228_uninstall.0")));
        QVERIFY(writeAll(icons + "2D69_foo.0.png", "png"));
        QVERIFY(writeAll(icons + "3228_uninstall.0.png", "png"));
        // A shortcut that the program made later from its own prefix
        // (~/.lirvanwine/Foo, where a recommended configuration runs).
        const QString ownPrefixEntry = home() + "/Desktop/Tool.desktop";
        QVERIFY(writeAll(ownPrefixEntry,
                         wineEntry("tool", home() + "/.lirvanwine/Foo", "7777_tool.0")));

        // Another bottle whose name begins with the same text; it shares the
        // uninstall icon.
        const QString otherEntry = apps + "wine/Programs/Bar/Bar.desktop";
        QVERIFY(writeAll(otherEntry,
                         wineEntry("bar", home() + "/.lirvanwine/apps/Foo_2", "3228_uninstall.0")));
        // And the user's own entry, which is no business of Wine's.
        QVERIFY(writeAll(apps + "editor.desktop",
                         "[Desktop Entry]\nName=Editor\nExec=editor\nIcon=editor\n"));

        Result listed = runTool("localdesktop.sh", {"Foo", "-l"});
        QVERIFY2(listed.finished && listed.exitCode == 0, qPrintable(listed.err));
        QCOMPARE(lines(listed.out), QStringList({desktopEntry, ownPrefixEntry, menuEntry}));
        // "Foo_2" is listed on its own.
        listed = runTool("localdesktop.sh", {"Foo_2", "-l"});
        QCOMPARE(lines(listed.out), QStringList{otherEntry});

        const Result removed = runTool("localdesktop.sh", {"Foo"});
        QVERIFY2(removed.finished && removed.exitCode == 0, qPrintable(removed.err));
        for (const QString &gone :
             {desktopEntry, ownPrefixEntry, menuEntry, icons + "2D69_foo.0.png"})
            QVERIFY2(!QFileInfo::exists(gone), qPrintable(gone));
        // Whatever other entries still use stays.
        for (const QString &kept :
             {otherEntry, icons + "3228_uninstall.0.png", apps + "editor.desktop"})
            QVERIFY2(QFileInfo::exists(kept), qPrintable(kept));
    }

    void localdesktopRejectsBadNames_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("empty") << QStringList{"", "-l"};
        QTest::newRow("parent") << QStringList{".."};
        QTest::newRow("path") << QStringList{"../apps/Foo_2"};
        QTest::newRow("unknown option") << QStringList{"Foo_2", "-x"};
    }

    void localdesktopRejectsBadNames()
    {
        QFETCH(QStringList, arguments);
        const QString entry = applicationsDir() + QStringLiteral("wine/Programs/Keep/Keep.desktop");
        QVERIFY(writeAll(entry,
                         wineEntry("keep", home() + "/.lirvanwine/apps/Foo_2", "5555_keep.0")));

        const Result result = runTool("localdesktop.sh", arguments);
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.out.isEmpty());
        QVERIFY(QFileInfo::exists(entry));
    }

    void killEndsOnlyBottleServices()
    {
        const QString bottles = home() + "/.lirvanwine";
        auto device = startPosing("C:\\windows\\system32\\winedevice.exe", bottles + "/apps/Foo");
        auto svchost = startPosing("C:\\windows\\system32\\SvcHost.exe", bottles + "/Foo_1.2.3/");
        auto elsewhere = startPosing("C:\\windows\\system32\\winedevice.exe", home() + "/.wine");
        auto program = startPosing("C:\\Program Files\\Foo\\foo.exe", bottles + "/apps/Foo");
        auto notWine = startPosing("rpcss.exe", QString());
        // A service that ignores the request to end is killed.
        auto stubborn = startPosing("plugplay.exe", bottles + "/apps/Foo",
                                    {"/bin/bash", "-c", "trap '' TERM; exec \"$@\"", "bash"});
        std::unique_ptr<QProcess> foreign;
        if (getuid() == 0) {
            foreign = startPosing("C:\\windows\\system32\\plugplay.exe", bottles + "/apps/Foo",
                                  {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
        }
        const QList<QProcess *> spared = {svchost.get(), elsewhere.get(), program.get(),
                                          notWine.get(), foreign.get()};
        for (QProcess *process : {device.get(), stubborn.get(), svchost.get(), elsewhere.get(),
                                  program.get(), notWine.get(), foreign.get()}) {
            if (process)
                QVERIFY(process->waitForStarted(5000));
        }
        QVERIFY(waitFor(
                [] {
                    return !findProcesses("winedevice.exe").isEmpty()
                           && !findProcesses("plugplay.exe").isEmpty();
                },
                5000));

        // Only the bottle named by WINEPREFIX, however it is spelt.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEPREFIX"), bottles + "/apps/../apps/Foo/");
        const Result result = runTool("lirvan-wine-helper/kill.sh",
                                      {QStringLiteral("services"), QStringLiteral("block")},
                                      environment);
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));

        QVERIFY(device->waitForFinished(5000));
        QVERIFY(stubborn->waitForFinished(1000));
        QCOMPARE(stubborn->exitStatus(), QProcess::CrashExit);
        for (QProcess *process : spared) {
            if (process)
                QVERIFY2(!process->waitForFinished(300), qPrintable(process->arguments().last()));
        }
        for (QProcess *process : spared) {
            if (process) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    void killRejectsOtherArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("prefix"); // empty: WINEPREFIX unset
        const QString bottle = home() + "/.lirvanwine/apps/Foo";
        const QStringList usual{"services", "block"};
        QTest::newRow("no arguments") << QStringList() << bottle;
        QTest::newRow("other argument") << QStringList{"all", "block"} << bottle;
        QTest::newRow("no bottle") << usual << QString();
        QTest::newRow("folder of all bottles") << usual << home() + "/.lirvanwine/apps";
    }

    void killRejectsOtherArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, prefix);
        auto device = startPosing("winedevice.exe", home() + "/.lirvanwine/apps/Foo");
        QVERIFY(device->waitForStarted(5000));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("WINEPREFIX"));
        if (!prefix.isEmpty())
            environment.insert(QStringLiteral("WINEPREFIX"), prefix);
        QCOMPARE(runTool("lirvan-wine-helper/kill.sh", arguments, environment).exitCode, 2);
        QVERIFY(!device->waitForFinished(300));
        device->kill();
        device->waitForFinished(5000);
    }

    void runV4RefusesBadSetup()
    {
        QProcessEnvironment environment = runV4Environment(QString(), m_tmp.filePath("none"));

        for (const QString &name : {QString(), QStringLiteral(".."), QStringLiteral("a/b"),
                                    QStringLiteral("apps"), QStringLiteral("icons")}) {
            environment.insert(QStringLiteral("BOTTLENAME"), name);
            const Result result = runTool("lirvan-wine-helper/run_v4.sh", {"-c"}, environment);
            QVERIFY(result.exitCode != 0);
            QVERIFY(result.err.contains(QStringLiteral("BOTTLENAME")));
        }

        environment.insert(QStringLiteral("BOTTLENAME"), QStringLiteral("NoArchive"));
        const Result result = runTool("lirvan-wine-helper/run_v4.sh", {"-c"}, environment);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(!QFileInfo::exists(home() + "/.lirvanwine/NoArchive"));
    }

    void runV4FailedUnpackLeavesNoPrefix()
    {
        const QString files = m_tmp.filePath("package/files");
        QVERIFY(QDir().mkpath(files));
        QVERIFY(QFile::copy(fixture("foo-package-corrupt.7z"), files + "/files.7z"));
        const Result result = runTool("lirvan-wine-helper/run_v4.sh", {QStringLiteral("-c")},
                                      runV4Environment(QStringLiteral("Broken_1.0"), files));
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(QDir(home() + "/.lirvanwine")
                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                        .filter(QStringLiteral("Broken"))
                        .isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlatformScripts)

#include "tst_platformscripts.moc"
