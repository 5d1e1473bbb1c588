#include "platformtestutil.h"
#include "taskrunner.h"
#include "unzipinfo.h"
#include "winesettings.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using PlatformTest::fixture;

QString md5Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex());
}

// Runs the task once with the three inputs, set the way the controller does.
int unpack(UnzipInfo &task, const QString &package, const QString &target, const QString &md5)
{
    task.setPackagePath(package);
    task.setUnzipPath(target);
    task.setMd5(md5);
    return runTaskToEnd(task);
}

} // namespace

class TstUnzipInfo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void unpacksWithoutDigest();
    void unpacksWithMatchingDigest_data();
    void unpacksWithMatchingDigest();
    void corruptArchiveFailsDigestBeforeUnpacking();
    void pathsWithBlanksAndQuotes();
    void failingUnpack_data();
    void failingUnpack();

private:
    QTemporaryDir m_dir;
};

void TstUnzipInfo::init()
{
    WineSettings::instance()->setValue(QStringLiteral("tool"), PlatformTest::tool("tools/"));
}

void TstUnzipInfo::unpacksWithoutDigest()
{
    const QString target = m_dir.filePath("plain");
    UnzipInfo task(this);
    QCOMPARE(unpack(task, fixture("foo-package.7z"), target, QString()), int(TaskFinished));
    QCOMPARE(task.getResult(), 0);
    QVERIFY(QFile::exists(target + "/files/run.sh"));
    QVERIFY(QFile::exists(target + "/info"));
}

void TstUnzipInfo::unpacksWithMatchingDigest_data()
{
    QTest::addColumn<bool>("upperCase");
    QTest::newRow("lower case") << false;
    QTest::newRow("upper case") << true;
}

void TstUnzipInfo::unpacksWithMatchingDigest()
{
    QFETCH(bool, upperCase);
    const QString digest = md5Of(fixture("foo-package.7z"));
    const QString target = m_dir.filePath(upperCase ? "upper" : "lower");
    UnzipInfo task;
    QCOMPARE(unpack(task, fixture("foo-package.7z"), target, upperCase ? digest.toUpper() : digest),
             int(TaskFinished));
    QVERIFY(QFile::exists(target + "/files/run.sh"));
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

void TstUnzipInfo::pathsWithBlanksAndQuotes()
{
    const QString package = m_dir.filePath("down loads/the \"Foo\" package.7z");
    QVERIFY(QDir().mkpath(QFileInfo(package).path()));
    QVERIFY(QFile::copy(fixture("foo-package.7z"), package));
    const QString target = m_dir.filePath("bottles/Foo \"App\" bottle");

    UnzipInfo task(package, target);
    task.setMd5(md5Of(package));
    QCOMPARE(runTaskToEnd(task), int(TaskFinished));
    QVERIFY(QFile::exists(target + "/files/run.sh"));
}

void TstUnzipInfo::failingUnpack_data()
{
    QTest::addColumn<QString>("package");
    QTest::addColumn<bool>("scriptPresent");
    QTest::newRow("corrupt archive, no digest") << "foo-package-corrupt.7z" << true;
    QTest::newRow("truncated archive, no digest") << "foo-package-truncated.7z" << true;
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
    if (scriptPresent)
        QVERIFY2(task.getErrString().startsWith("err 1, string: "),
                 qPrintable(task.getErrString()));
    else
        QVERIFY(task.getErrString().isEmpty());
}

QTEST_GUILESS_MAIN(TstUnzipInfo)
#include "tst_unzipinfo.moc"
