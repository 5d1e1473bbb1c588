#include "common.h"
#include "platformtestutil.h"
#include "taskrunner.h"
#include "unzipinfo.h"
#include "winesettings.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using PlatformTest::fixture;
using PlatformTest::md5Of;

// Runs the task once with the three inputs, set the way the controller does.
int unpack(UnzipInfo &task, const QString &package, const QString &target, const QString &md5)
{
    task.setPackagePath(package);
    task.setUnzipPath(target);
    task.setMd5(md5);
    return runTaskToEnd(task);
}

QStringList stagingFolders(const QString &target)
{
    return QDir(target).entryList({QStringLiteral(".unzip.*")},
                                  QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

// True once 7z is writing the unpacked file into a staging folder.
bool unpacking(const QString &target)
{
    const QStringList staging = stagingFolders(target);
    return !staging.isEmpty()
           && QFileInfo(target + '/' + staging.constFirst() + "/big.bin").size() > 0;
}

} // namespace

class TstUnzipInfo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void unpacksWithMatchingOrNoDigest_data();
    void unpacksWithMatchingOrNoDigest();
    void corruptArchiveFailsDigestBeforeUnpacking();
    void failingUnpack_data();
    void failingUnpack();
    void timedOutUnpackLeavesNothing();
    void abortedUnpackEndsAtOnce();

private:
    QString unpackCommand(const QString &target) const;
    // Checks that the stopped unpack left no process and no staging folder.
    void verifyNothingLeft(const QString &target) const;

    QTemporaryDir m_dir;
    // Unpacks to 400 MB, long enough to be stopped midway.
    QString m_slowArchive;
    // A third of what one whole unpack of it took here, so that a command
    // given this time-out is stopped midway however fast the machine is.
    int m_midwayTimeoutMs = 0;
};

void TstUnzipInfo::initTestCase()
{
    m_slowArchive = m_dir.filePath("slow package.7z");
    QProcess packer;
    packer.setStandardInputFile(QStringLiteral("/dev/zero"));
    packer.start(QStringLiteral("bash"), {QStringLiteral("-c"),
                                          QStringLiteral("head -c 400000000 | 7z a -sibig.bin -mx1 "
                                                         "-bd \"$0\" >/dev/null"),
                                          m_slowArchive});
    QVERIFY(packer.waitForFinished(60000));
    QCOMPARE(packer.exitCode(), 0);

    const QString whole = m_dir.filePath("whole");
    QString output;
    QString error;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(shellCmd(unpackCommand(whole), output, error, 120000), 0);
    m_midwayTimeoutMs = int(clock.elapsed() / 3);
    QVERIFY(QDir(whole).removeRecursively());
}

QString TstUnzipInfo::unpackCommand(const QString &target) const
{
    return QStringLiteral("\"%1\" \"%2\" \"%3\"")
            .arg(PlatformTest::tool("tools/unzip.sh"), m_slowArchive, target);
}

void TstUnzipInfo::verifyNothingLeft(const QString &target) const
{
    QVERIFY(PlatformTest::waitFor(
            [this] { return PlatformTest::processesMentioning(m_slowArchive).isEmpty(); }, 1000));
    QCOMPARE(stagingFolders(target), QStringList());
}

void TstUnzipInfo::init()
{
    WineSettings::instance()->setValue(QStringLiteral("tool"), PlatformTest::tool("tools/"));
}

void TstUnzipInfo::unpacksWithMatchingOrNoDigest_data()
{
    QTest::addColumn<QString>("digest");
    const QString digest = md5Of(fixture("foo-package.7z"));
    QTest::newRow("no digest") << QString();
    QTest::newRow("lower case") << digest;
    QTest::newRow("upper case") << digest.toUpper();
}

void TstUnzipInfo::unpacksWithMatchingOrNoDigest()
{
    QFETCH(QString, digest);
    // Blanks and quotes in both paths reach unzip.sh as they are.
    const QString package = m_dir.filePath("down loads/the \"Foo\" package.7z");
    QVERIFY(QDir().mkpath(QFileInfo(package).path()));
    QFile::copy(fixture("foo-package.7z"), package);
    const QString target = m_dir.filePath("bottles/Foo \"App\" "
                                          + QString(QTest::currentDataTag()));
    UnzipInfo task;
    QCOMPARE(unpack(task, package, target, digest), int(TaskFinished));
    QCOMPARE(task.getResult(), 0);
    QVERIFY(QFile::exists(target + "/files/run.sh"));
    QVERIFY(QFile::exists(target + "/info"));
}

void TstUnzipInfo::corruptArchiveFailsDigestBeforeUnpacking()
{
    const QString target = m_dir.filePath("corrupt");
    UnzipInfo task;
    QCOMPARE(unpack(task, fixture("foo-package-corrupt.7z"), target,
                    md5Of(fixture("foo-package.7z"))),
             int(TaskFailed));
    QCOMPARE(task.getResult(), -1);
    QCOMPARE(task.getErrString(), QStringLiteral("MD5 not match"));
    // unzip.sh creates its target first: it never ran.
    QVERIFY(!QFileInfo::exists(target));
}

void TstUnzipInfo::failingUnpack_data()
{
    QTest::addColumn<QString>("package");
    QTest::addColumn<bool>("scriptPresent");
    QTest::newRow("corrupt archive, no digest") << "foo-package-corrupt.7z" << true;
    QTest::newRow("no unzip.sh") << "foo-package.7z" << false;
}

void TstUnzipInfo::failingUnpack()
{
    QFETCH(QString, package);
    QFETCH(bool, scriptPresent);
    QTemporaryDir emptyTools;
    if (!scriptPresent)
        WineSettings::instance()->setValue(QStringLiteral("tool"), emptyTools.path() + '/');

    UnzipInfo task;
    QCOMPARE(unpack(task, fixture(package), m_dir.filePath("failing"), QString()), int(TaskFailed));
    QCOMPARE(task.getResult(), -2);
    // No empty bottle stays behind.
    QVERIFY(!QFileInfo::exists(m_dir.filePath("failing")));
    if (scriptPresent)
        QVERIFY2(task.getErrString().startsWith("err 1, string: "),
                 qPrintable(task.getErrString()));
    else
        QVERIFY(task.getErrString().isEmpty());
}

void TstUnzipInfo::timedOutUnpackLeavesNothing()
{
    const QString target = m_dir.filePath("timed out");
    QString output;
    QString error;
    QCOMPARE(shellCmd(unpackCommand(target), output, error, m_midwayTimeoutMs), -2);
    verifyNothingLeft(target);
}

void TstUnzipInfo::abortedUnpackEndsAtOnce()
{
    const QString target = m_dir.filePath("aborted");
    UnzipInfo task(m_slowArchive, target);
    QSignalSpy spy(&task, &TaskInterface::signalStatus);
    task.start();
    QVERIFY(PlatformTest::waitFor([&] { return unpacking(target); }, 30000));

    QVERIFY(cancelsPromptly(task));
    QCOMPARE(spy.last().at(1).toInt(), int(TaskFailed));
    verifyNothingLeft(target);

    // Cancelled before it starts, the unpack never runs.
    task.setUnzipPath(m_dir.filePath("never"));
    task.requestAbort();
    QCOMPARE(int(task.doWork()), TaskInterface::CancelledResult);
    QVERIFY(!QFileInfo::exists(m_dir.filePath("never")));
}

QTEST_GUILESS_MAIN(TstUnzipInfo)
#include "tst_unzipinfo.moc"
