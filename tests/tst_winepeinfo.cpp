#include "platformtestutil.h"
#include "taskrunner.h"
#include "winepeinfo.h"
#include "winesettings.h"

#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using PlatformTest::fixture;

QString iconDir()
{
    return QDir::homePath() + QStringLiteral("/.lirvanwine/icons/");
}

bool writeScript(const QString &path, const QByteArray &body)
{
    return PlatformTest::writeAll(path, "#!/bin/bash\n" + body)
           && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TstWinePEInfo : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        WineSettings::instance()->setValue(QStringLiteral("tool"), PlatformTest::tool("tools/"));
    }

    void programWithVersionResource()
    {
        // At a path with blanks and quotes, which reach the scripts as they are.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my \"best\" programs/Foo Setup.exe"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(QFile::copy(fixture("foo-setup.exe"), path));
        WinePEInfo task(path);
        QCOMPARE(runTaskToEnd(task), int(TaskFinished));
        QCOMPARE(task.getResult(), 0);

        const TPeInfo &info = task.getPEInfo();
        QCOMPARE(info.peFilePath, path);
        QCOMPARE(info.peProductName, QStringLiteral("Foo"));
        QCOMPARE(info.peProductVersion, QStringLiteral("1.2.3"));
        QVERIFY2(info.peFileType.contains("EXE"), qPrintable(info.peFileType));
        QCOMPARE(info.peIconFile, iconDir() + QStringLiteral("Foo.png"));
        QImageReader icon(info.peIconFile);
        QVERIFY2(icon.canRead(), qPrintable(icon.errorString()));
        QVERIFY(icon.size().width() >= 16);
    }

    void installerDatabaseUsesSubject()
    {
        WinePEInfo task;
        task.setFilePath(fixture("bar-setup.msi"));
        QCOMPARE(runTaskToEnd(task), int(TaskFinished));
        // "Bar Setup 2": blanks and the word Setup removed.
        QCOMPARE(task.getPEInfo().peProductName, QStringLiteral("Bar2"));
        QCOMPARE(task.getPEInfo().peFileType, QStringLiteral("FPX"));
        QCOMPARE(task.getPEInfo().peIconFile, iconDir() + QStringLiteral("Bar2.png"));
    }

    void textFileIsRejected()
    {
        WinePEInfo task(fixture("foo-setup.exe"));
        QCOMPARE(runTaskToEnd(task), int(TaskFinished));
        const TPeInfo before = task.getPEInfo();

        task.setFilePath(fixture("not-a-program.exe"));
        QCOMPARE(runTaskToEnd(task), int(TaskFailed));
        QCOMPARE(task.getResult(), -5);
        QCOMPARE(task.getErrString(), QStringLiteral("Incorrect package file"));
        // A failed run leaves the last good record as it was.
        TPeInfo expected = before;
        expected.peFilePath = fixture("not-a-program.exe");
        QCOMPARE(task.getPEInfo(), expected);
    }

    void missingScriptFails()
    {
        QTemporaryDir emptyTools;
        WineSettings::instance()->setValue(QStringLiteral("tool"), emptyTools.path() + '/');
        WinePEInfo task(fixture("foo-setup.exe"));
        QCOMPARE(runTaskToEnd(task), int(TaskFailed));
        QCOMPARE(task.getResult(), -1);
        QVERIFY(task.getErrString().isEmpty());
        QVERIFY(task.getPEInfo().peProductName.isEmpty());
    }

    void failingQueriesGiveTheirCodes_data()
    {
        QTest::addColumn<QString>("failingField");
        QTest::addColumn<int>("result");
        QTest::newRow("ProductName") << "ProductName" << -1;
        QTest::newRow("FileType") << "FileType" << -3;
    }

    void failingQueriesGiveTheirCodes()
    {
        QFETCH(QString, failingField);
        QFETCH(int, result);
        // A tools directory whose peinfo.sh breaks on one field; ProductName is
        // empty so that Subject is asked as well.
        QTemporaryDir tools;
        QVERIFY(writeScript(tools.filePath("peinfo.sh"),
                            "[ \"$1\" = \"" + failingField.toUtf8()
                                    + "\" ] && { echo broken >&2; exit 3; }\n"
                                      "[ \"$1\" = FileType ] && echo 'Win32 EXE'\n"
                                      "exit 0\n"));
        WineSettings::instance()->setValue(QStringLiteral("tool"), tools.path() + '/');

        WinePEInfo task(fixture("foo-setup.exe"));
        QCOMPARE(runTaskToEnd(task), int(TaskFailed));
        QCOMPARE(task.getResult(), result);
        QVERIFY2(task.getErrString().startsWith("err 3, string: broken"),
                 qPrintable(task.getErrString()));
    }

    void productNameCannotLeaveIconDirectory()
    {
        QTemporaryDir tools;
        QVERIFY(writeScript(tools.filePath("peinfo.sh"),
                            "case \"$1\" in\n"
                            "ProductName) echo '../../evil/My App SETUP' ;;\n"
                            "FileType) echo 'win32 exe' ;;\n"
                            "esac\n"));
        QVERIFY(writeScript(tools.filePath("mkicons.sh"), "echo icon > \"$2\"\n"));
        WineSettings::instance()->setValue(QStringLiteral("tool"), tools.path() + '/');

        WinePEInfo task(fixture("foo-setup.exe"));
        QCOMPARE(runTaskToEnd(task), int(TaskFinished));
        QCOMPARE(task.getPEInfo().peProductName, QStringLiteral("../../evil/MyApp"));
        const QString icon = task.getPEInfo().peIconFile;
        QCOMPARE(QFileInfo(icon).absolutePath() + '/', iconDir());
        QVERIFY(QFile::exists(icon));
        QVERIFY(!QFile::exists(QDir::homePath() + QStringLiteral("/evil")));
    }

    void abortEndsQueryAtOnce()
    {
        WinePEInfo task(fixture("foo-setup.exe"));
        QCOMPARE(runTaskToEnd(task), int(TaskFinished));
        const TPeInfo before = task.getPEInfo();

        // A query that hangs: the script waits on a child of its own.
        QTemporaryDir tools;
        QVERIFY(writeScript(tools.filePath("peinfo.sh"), "sleep 62.5 & wait\n"));
        WineSettings::instance()->setValue(QStringLiteral("tool"), tools.path() + '/');
        QSignalSpy spy(&task, &TaskInterface::signalStatus);
        task.start();
        QVERIFY(PlatformTest::waitFor(
                [] {
                    return !PlatformTest::processesMentioning(QStringLiteral("sleep 62.5"))
                                    .isEmpty();
                },
                10000));

        QVERIFY(cancelsPromptly(task));
        QCOMPARE(spy.constLast().at(1).toInt(), int(TaskFailed));
        QCOMPARE(task.getPEInfo(), before);
        QVERIFY(PlatformTest::processesMentioning(QStringLiteral("sleep 62.5")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstWinePEInfo)
#include "tst_winepeinfo.moc"
