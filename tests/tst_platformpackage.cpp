// A recommended-configuration package with real Wine: the package is
// unpacked into its bottle, its start script is adapted by the install
// controller's own code, and run_v4.sh creates the application's own prefix (-c)
// and starts the packaged program in it (-u).

#include "platformtestutil.h"
#include "startscript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace PlatformTest;

namespace {

const char bottleName[] = "Foo_1.2.3";

} // namespace

class TestPlatformPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void createMakesPrefixFromArchive();
    void startRunsProgramWithFile();
    void startUsesLoaderAndFileDialogWhenPresent();

private:
    Result runSh(const QStringList &arguments,
                 const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    QByteArray lastRun() const;

    QString m_bottle;
    QString m_prefix;
    QTemporaryDir m_tmp;
};

void TestPlatformPackage::initTestCase()
{
    QVERIFY2(QFileInfo::exists(fixture(QStringLiteral("foo-package.7z"))),
             "the test package is missing: build the lwa_fixtures target");
    QVERIFY(m_tmp.isValid());
    m_bottle = home() + QStringLiteral("/.lirvanwine/apps/") + QLatin1String(bottleName);
    m_prefix = home() + QStringLiteral("/.lirvanwine/") + QLatin1String(bottleName);

    const Result unpacked = run(tool(QStringLiteral("tools/unzip.sh")),
                                {fixture(QStringLiteral("foo-package.7z")), m_bottle});
    QVERIFY2(unpacked.exitCode == 0, qPrintable(unpacked.err));

    // Adapted to this machine as the install controller does it.
    useBuildPlatform();
    StartScript::adapt(m_bottle);
    QVERIFY(readAll(m_bottle + QStringLiteral("/files/run.sh")).contains(bottleName));
}

void TestPlatformPackage::cleanupTestCase()
{
    endWine(m_prefix);
}

Result TestPlatformPackage::runSh(const QStringList &arguments,
                                  const QProcessEnvironment &environment)
{
    return run(m_bottle + QStringLiteral("/files/run.sh"), arguments, environment, 240000);
}

QByteArray TestPlatformPackage::lastRun() const
{
    const QList<QByteArray> lines = readAll(m_prefix
                                            + QStringLiteral(
                                                    "/drive_c/Program Files/Foo/foo-ran.txt"))
                                            .split('\n');
    return lines.size() < 3 ? QByteArray()
                            : lines.at(lines.size() - 3) + '\n' + lines.at(lines.size() - 2);
}

void TestPlatformPackage::createMakesPrefixFromArchive()
{
    const Result result = runSh({QStringLiteral("-c")});
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));

    QVERIFY(QFileInfo(m_prefix + QStringLiteral("/user.reg")).size() > 0);
    QVERIFY(QFileInfo(m_prefix + QStringLiteral("/system.reg")).size() > 0);
    QVERIFY(QFileInfo(m_prefix + QStringLiteral("/drive_c/Program Files/Foo/foo.exe")).size() > 0);
    QCOMPARE(readAll(m_prefix + QStringLiteral("/drive_c/Program Files/Foo/readme.txt")),
             QByteArray("Foo App 1.2.3\r\n"));
    // Only the two bottles, no unpacking leftovers.
    QCOMPARE(QDir(home() + QStringLiteral("/.lirvanwine"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"apps", bottleName}));

    // Created again, the prefix is kept as it is.
    const QString mine = m_prefix + QStringLiteral("/drive_c/users/Public/mine.txt");
    QVERIFY(writeAll(mine, "kept"));
    QCOMPARE(runSh({QStringLiteral("-c")}).exitCode, 0);
    QCOMPARE(readAll(mine), QByteArray("kept"));
}

void TestPlatformPackage::startRunsProgramWithFile()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LWA_LOADER_MARK"), m_tmp.filePath(QStringLiteral("mark")));
    // As a menu entry's %u hands it over: a file URL with an escaped blank.
    const QString file = home() + QStringLiteral("/My Docs/report 1.foodoc");
    QVERIFY(writeAll(file, "report"));
    const Result result = runSh({QStringLiteral("-u"),
                                 QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)},
                                environment);
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));

    QString windowsPath = QStringLiteral("Z:") + file;
    windowsPath.replace(QLatin1Char('/'), QLatin1Char('\\'));
    // Wine quotes the argument on the Windows command line for its blanks.
    QCOMPARE(QString::fromUtf8(lastRun()),
             QStringLiteral("foo ran: \"%1\"\nFILEDLG_PLUGIN=").arg(windowsPath));
    // Neither the loader nor the file dialog exists in this package.
    QVERIFY(!QFileInfo::exists(m_tmp.filePath(QStringLiteral("mark"))));
}

void TestPlatformPackage::startUsesLoaderAndFileDialogWhenPresent()
{
    QVERIFY(QFile::copy(fixture(QStringLiteral("libloader.so")),
                        m_bottle + QStringLiteral("/files/libloader.so")));
    QVERIFY(writeAll(m_bottle + QStringLiteral("/files/gtkGetFileNameDlg"), "helper"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LWA_LOADER_MARK"), m_tmp.filePath(QStringLiteral("mark")));

    const Result result = runSh({QStringLiteral("-u")}, environment);
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.err));

    QCOMPARE(QString::fromUtf8(lastRun()), QStringLiteral("foo ran: \nFILEDLG_PLUGIN=") + m_bottle
                                                   + QStringLiteral("/files/gtkGetFileNameDlg"));
    QVERIFY(readAll(m_tmp.filePath(QStringLiteral("mark"))).startsWith("loaded in "));
}

QTEST_GUILESS_MAIN(TestPlatformPackage)

#include "tst_platformpackage.moc"
