#include "jsonoperator.h"
#include "logcapture.h"
#include "platformtestutil.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

TInstalledAppInfo fullRecord(const QString &appName)
{
    TInstalledAppInfo info;
    info.appName = appName;
    info.peInfo = {QStringLiteral("/home/u/Downloads/setup.exe"), appName + QStringLiteral(" Pro"),
                   QStringLiteral("3.2.1"), QStringLiteral("PE32 executable"),
                   QStringLiteral("/tmp/setup.ico")};
    TPublishedAppInfo &published = info.publishedAppInfo;
    published.installType = 1;
    published.id = 42;
    published.appName = appName + QStringLiteral(" 网络版");
    published.score = 4.25;
    published.categories = 7;
    published.version = QStringLiteral("3.2");
    published.author = QStringLiteral("alice");
    published.avatar = QStringLiteral("http://127.0.0.1/avatar.png");
    published.packageName = QStringLiteral("com.example.") + appName;
    published.icon = QStringLiteral("http://127.0.0.1/icon.png");
    published.createdAt = QStringLiteral("2024-01-02T03:04:05Z");
    published.MD5 = QStringLiteral("0123456789abcdef0123456789abcdef");
    published.Url = QStringLiteral("http://127.0.0.1:18080/files/app.7z");
    published.localPath = QStringLiteral("/home/u/.cache/lirvan-wine-assist/apps/app.7z");
    info.bottlePath = QStringLiteral("/home/u/.lirvanwine/apps/") + appName;
    info.installTime = QStringLiteral("2024-05-06 07:08:09");
    info.logPath = QStringLiteral("/home/u/.cache/install.log");
    info.desktopInfo = {QStringLiteral("/home/u/.local/share/applications/app.desktop"),
                        QStringLiteral("Desktop Entry"),
                        appName,
                        QStringLiteral("env WINEPREFIX=\"/b\" wine C:\\\\\\\\a.exe"),
                        QStringLiteral("Application"),
                        QStringLiteral("true"),
                        QStringLiteral("a comment"),
                        QStringLiteral("/b/drive_c"),
                        QStringLiteral("app-icon"),
                        QStringLiteral("a.exe"),
                        QStringLiteral("Game;")};
    return info;
}

QJsonObject topObject(const QString &path)
{
    return QJsonDocument::fromJson(PlatformTest::readAll(path)).object();
}

QStringList keysOf(const QJsonValue &value)
{
    return value.toObject().keys();
}

QStringList backupsOf(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().entryList({info.fileName() + QStringLiteral(".corrupt-*")}, QDir::Files);
}

} // namespace

class JsonOperatorTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstWriteCreatesDirectoryAndLayout();
    void roundTripKeepsWhatTheFileHolds();
    void secondWriteAddsAndDuplicateLeavesFileUnchanged();
    void readAppendsInMemberNameOrder();
    void membersMatchBySubstringInFixedOrder();
    void findIsExactAndCaseSensitive();
    void removeLastLeavesEmptyObject();
    void getValuebyKey();
    void readersLeaveOutputsOnBadFile();
    void invalidFileIsKeptAsideBeforeReplacing_data();
    void invalidFileIsKeptAsideBeforeReplacing();
    void emptyFileIsReplacedWithoutBackup();
    void unreadableFileIsNotReplaced();
    void fileWithoutReadPermissionIsNotReplaced();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;
};

void JsonOperatorTest::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("appinstallinfo.json"));
}

void JsonOperatorTest::firstWriteCreatesDirectoryAndLayout()
{
    const QString path = installedAppsFilePath();
    QCOMPARE(path, QDir::homePath() + QStringLiteral("/.quennet/appinstallinfo.json"));
    QCOMPARE(CommonJsonOperator::installedAppsFilePath(), path);
    QDir(QDir::homePath() + QStringLiteral("/.quennet")).removeRecursively();

    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Foo")), path);

    const QByteArray bytes = PlatformTest::readAll(path);
    QVERIFY(bytes.contains("\n    \"Foo\": {\n        \""));
    const QJsonObject top = topObject(path);
    QCOMPARE(top.keys(), QStringList{QStringLiteral("Foo")});
    const QJsonObject app = top.value(QStringLiteral("Foo")).toObject();
    QCOMPARE(app.keys(), (QStringList{"localAppInfo", "peInfo", "publishedAppInfo"}));
    QCOMPARE(keysOf(app.value("peInfo")), (QStringList{"peFilePath", "peFileType", "peIconFile",
                                                       "peProductName", "peProductVersion"}));
    const QJsonObject published = app.value("publishedAppInfo").toObject();
    QCOMPARE(published.keys(), (QStringList{"appName", "author", "categories", "downloadInfo", "id",
                                            "installType", "packageName", "score", "version"}));
    QCOMPARE(keysOf(published.value("downloadInfo")), (QStringList{"MD5", "Url", "localPath"}));
    QCOMPARE(published.value("id").toInt(), 42);
    QCOMPARE(published.value("score").toDouble(), 4.25);
    const QJsonObject local = app.value("localAppInfo").toObject();
    QCOMPARE(local.keys(), (QStringList{"bottlePath", "desktopInfo", "installTime", "logPath"}));
    QCOMPARE(keysOf(local.value("desktopInfo")),
             (QStringList{"comment", "desktopPath", "exec", "groupheader", "icon", "name", "path",
                          "startupnotify", "startupwmclass", "type"}));
}

void JsonOperatorTest::roundTripKeepsWhatTheFileHolds()
{
    TInstalledAppInfo written = fullRecord(QStringLiteral("Foo"));
    written.publishedAppInfo.installType = 2;
    CommonJsonOperator::writeToJasonfile(written, m_path);

    TInstalledAppInfo expected = written;
    expected.publishedAppInfo.installType = 1;
    expected.publishedAppInfo.id = -1;
    expected.publishedAppInfo.avatar.clear();
    expected.publishedAppInfo.icon.clear();
    expected.publishedAppInfo.createdAt.clear();
    expected.desktopInfo.categories.clear();

    QList<TInstalledAppInfo> list;
    CommonJsonOperator::readToJasonfile(list, m_path);
    QCOMPARE(list.size(), 1);
    QVERIFY(list.first() == expected);

    TInstalledAppInfo found;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(QStringLiteral("Foo"), found, m_path);
    QVERIFY(found == expected);
}

void JsonOperatorTest::secondWriteAddsAndDuplicateLeavesFileUnchanged()
{
    QVERIFY(PlatformTest::writeAll(m_path, "{}"));
    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Foo")), m_path);
    QCOMPARE(topObject(m_path).keys(), QStringList{QStringLiteral("Foo")});

    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Bar")), m_path);
    QCOMPARE(topObject(m_path).keys(), (QStringList{"Bar", "Foo"}));

    const QByteArray before = PlatformTest::readAll(m_path);
    TInstalledAppInfo other = fullRecord(QStringLiteral("Foo"));
    other.bottlePath = QStringLiteral("/elsewhere");
    other.publishedAppInfo.version = QStringLiteral("9.9");
    CommonJsonOperator::writeToJasonfile(other, m_path);
    QCOMPARE(PlatformTest::readAll(m_path), before);
}

void JsonOperatorTest::readAppendsInMemberNameOrder()
{
    for (const QString &name : {QStringLiteral("b"), QStringLiteral("C"), QStringLiteral("a")})
        CommonJsonOperator::writeToJasonfile(fullRecord(name), m_path);

    QList<TInstalledAppInfo> list{fullRecord(QStringLiteral("x")), fullRecord(QStringLiteral("y"))};
    CommonJsonOperator::readToJasonfile(list, m_path);

    QStringList names;
    for (const TInstalledAppInfo &info : qAsConst(list))
        names << info.appName;
    QCOMPARE(names, (QStringList{"x", "y", "C", "a", "b"}));
    QCOMPARE(list.at(3).bottlePath, fullRecord(QStringLiteral("a")).bottlePath);
}

void JsonOperatorTest::membersMatchBySubstringInFixedOrder()
{
    // Member names as other writers might produce them: longer names that
    // contain the expected ones, names matching two rules, wrong value types.
    QVERIFY(PlatformTest::writeAll(m_path, R"({
        "Foo": {
            "old_localAppInfo_v1": {
                "thebottlePath": "/b/foo",
                "installTime": 12,
                "desktopInfo": {
                    "desktopPath_name": "/d/foo.desktop",
                    "Categories": "Game;",
                    "startupnotify": "false"
                }
            },
            "publishedAppInfoExtra": {
                "score": "high",
                "categories": "x",
                "installType": 5,
                "id": 77,
                "mydownloadInfo": {"MD5sum": "abc"}
            },
            "peInfo": {"peProductName": "Foo Pro"},
            "unrelated": {"bottlePath": "/wrong"}
        }
    })"));

    TInstalledAppInfo info;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(QStringLiteral("Foo"), info, m_path);
    QCOMPARE(info.bottlePath, QStringLiteral("/b/foo"));
    QCOMPARE(info.installTime, QString());
    QCOMPARE(info.desktopInfo.desktopPath, QStringLiteral("/d/foo.desktop"));
    QCOMPARE(info.desktopInfo.name, QString());
    QCOMPARE(info.desktopInfo.categories, QStringLiteral("Game;"));
    QCOMPARE(info.desktopInfo.startupnotify, QStringLiteral("false"));
    QCOMPARE(info.publishedAppInfo.score, 0.0);
    QCOMPARE(info.publishedAppInfo.categories, 0);
    QCOMPARE(info.publishedAppInfo.installType, 1);
    QCOMPARE(info.publishedAppInfo.id, -1);
    QCOMPARE(info.publishedAppInfo.MD5, QStringLiteral("abc"));
    QCOMPARE(info.peInfo.peProductName, QStringLiteral("Foo Pro"));
}

void JsonOperatorTest::findIsExactAndCaseSensitive()
{
    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Foo")), m_path);
    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Foobar")), m_path);

    TInstalledAppInfo untouched;
    untouched.logPath = QStringLiteral("kept");
    for (const QString &name :
         {QStringLiteral("foo"), QStringLiteral("FOO"), QStringLiteral("Fo")}) {
        TInstalledAppInfo info = untouched;
        CommonJsonOperator::findAppInfoToJasonfileByAppName(name, info, m_path);
        QVERIFY2(info == untouched, qPrintable(name));
    }

    TInstalledAppInfo info;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(QStringLiteral("Foo"), info, m_path);
    QCOMPARE(info.appName, QStringLiteral("Foo"));
    QCOMPARE(info.bottlePath, fullRecord(QStringLiteral("Foo")).bottlePath);
}

void JsonOperatorTest::removeLastLeavesEmptyObject()
{
    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Foo")), m_path);
    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Bar")), m_path);

    CommonJsonOperator::removeToJasonfile(QStringLiteral("Bar"), m_path);
    QCOMPARE(topObject(m_path).keys(), QStringList{QStringLiteral("Foo")});

    const QByteArray before = PlatformTest::readAll(m_path);
    CommonJsonOperator::removeToJasonfile(QStringLiteral("foo"), m_path);
    QCOMPARE(PlatformTest::readAll(m_path), before);

    CommonJsonOperator::removeToJasonfile(QStringLiteral("Foo"), m_path);
    const QJsonDocument document = QJsonDocument::fromJson(PlatformTest::readAll(m_path));
    QVERIFY(document.isObject());
    QVERIFY(document.object().isEmpty());
    QCOMPARE(PlatformTest::readAll(m_path).simplified(), QByteArray("{ }"));
}

void JsonOperatorTest::getValuebyKey()
{
    QVERIFY(PlatformTest::writeAll(m_path, R"({"appid": "123", "name": "Foo", "version": 3})"));
    QCOMPARE(CommonJsonOperator::getValuebyKey(QStringLiteral("appid"), m_path),
             QStringLiteral("123"));
    QCOMPARE(CommonJsonOperator::getValuebyKey(QStringLiteral("ame"), m_path),
             QStringLiteral("Foo"));
    QCOMPARE(CommonJsonOperator::getValuebyKey(QStringLiteral("version"), m_path), QString());
    QCOMPARE(CommonJsonOperator::getValuebyKey(QStringLiteral("Appid"), m_path), QString());

    // The first matching name in ascending order wins.
    QVERIFY(PlatformTest::writeAll(m_path,
                                   R"({"x_appid": "second", "appid": 123, "a_appid": "first"})"));
    QCOMPARE(CommonJsonOperator::getValuebyKey(QStringLiteral("appid"), m_path),
             QStringLiteral("first"));
    QVERIFY(PlatformTest::writeAll(m_path, R"({"appid": 123})"));
    QCOMPARE(CommonJsonOperator::getValuebyKey(QStringLiteral("appid"), m_path), QString());

    QVERIFY(CommonJsonOperator::getValuebyKey(QStringLiteral("appid"), m_dir->filePath("none"))
                    .isNull());
}

void JsonOperatorTest::readersLeaveOutputsOnBadFile()
{
    QVERIFY(PlatformTest::writeAll(m_path, "{\"Foo\": {"));
    LogCapture log;

    QList<TInstalledAppInfo> list{fullRecord(QStringLiteral("x"))};
    CommonJsonOperator::readToJasonfile(list, m_path);
    QCOMPARE(list.size(), 1);

    TInstalledAppInfo info = fullRecord(QStringLiteral("y"));
    CommonJsonOperator::findAppInfoToJasonfileByAppName(QStringLiteral("Foo"), info, m_path);
    QVERIFY(info == fullRecord(QStringLiteral("y")));

    CommonJsonOperator::removeToJasonfile(QStringLiteral("Foo"), m_path);
    QCOMPARE(PlatformTest::readAll(m_path), QByteArray("{\"Foo\": {"));
    QVERIFY(log.contains(QStringLiteral("Cannot parse")));

    CommonJsonOperator::readToJasonfile(list, m_dir->filePath(QStringLiteral("missing.json")));
    QCOMPARE(list.size(), 1);
}

void JsonOperatorTest::invalidFileIsKeptAsideBeforeReplacing_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::newRow("not JSON") << QByteArray("this is not JSON {\"Foo\":");
    QTest::newRow("truncated") << QByteArray("{\n    \"Foo\": {\n        \"localAppInfo\"");
    QTest::newRow("array") << QByteArray("[{\"Foo\": 1}]");
}

void JsonOperatorTest::invalidFileIsKeptAsideBeforeReplacing()
{
    QFETCH(QByteArray, original);

    // Twice within the same second: the second backup must not replace the first.
    QStringList written;
    for (const QString &name : {QStringLiteral("New"), QStringLiteral("Newer")}) {
        QVERIFY(PlatformTest::writeAll(m_path, original));
        LogCapture log;
        CommonJsonOperator::writeToJasonfile(fullRecord(name), m_path);
        QCOMPARE(topObject(m_path).keys(), QStringList{name});

        const QStringList backups = backupsOf(m_path);
        QCOMPARE(backups.size(), written.size() + 1);
        for (const QString &backup : backups) {
            QCOMPARE(PlatformTest::readAll(m_dir->filePath(backup)), original);
            if (!written.contains(backup)) {
                written << backup;
                QVERIFY(log.contains(m_dir->filePath(backup)));
            }
        }
        QVERIFY(written.last().contains(QRegularExpression("\\.corrupt-\\d{8}-\\d{6}")));
    }
}

void JsonOperatorTest::emptyFileIsReplacedWithoutBackup()
{
    QVERIFY(PlatformTest::writeAll(m_path, QByteArray()));
    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Foo")), m_path);
    QCOMPARE(topObject(m_path).keys(), QStringList{QStringLiteral("Foo")});
    QVERIFY(backupsOf(m_path).isEmpty());
}

void JsonOperatorTest::unreadableFileIsNotReplaced()
{
    // A socket exists but cannot be opened, even by root.
    QLocalServer server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    QVERIFY(server.listen(m_path));
    const QFileInfo before(m_path);
    QVERIFY(before.exists());

    LogCapture log;
    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Foo")), m_path);
    QVERIFY(!QFileInfo(m_path).isFile());
    QVERIFY(backupsOf(m_path).isEmpty());
    QVERIFY(log.contains(QStringLiteral("nothing is written")));
    server.close();
}

void JsonOperatorTest::fileWithoutReadPermissionIsNotReplaced()
{
    if (geteuid() == 0)
        QSKIP("root reads files whatever their permissions");
    QVERIFY(PlatformTest::writeAll(m_path, "{\"Old\": {}}"));
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::WriteOwner));
    CommonJsonOperator::writeToJasonfile(fullRecord(QStringLiteral("Foo")), m_path);
    QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(PlatformTest::readAll(m_path), QByteArray("{\"Old\": {}}"));
}

QTEST_GUILESS_MAIN(JsonOperatorTest)
#include "tst_jsonoperator.moc"
