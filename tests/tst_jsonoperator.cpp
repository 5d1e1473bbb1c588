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

namespace {

TInstalledAppInfo fullRecord(const QString &appName)
{
    TInstalledAppInfo info;
    info.appName = appName;
    info.peInfo = {"/home/u/Downloads/setup.exe", appName + " Pro", "3.2.1", "PE32 executable",
                   "/tmp/setup.ico"};
    info.publishedAppInfo = {1,
                             42,
                             appName + " 网络版",
                             4.25,
                             7,
                             "3.2",
                             "alice",
                             "http://127.0.0.1/avatar.png",
                             "com.example." + appName,
                             "http://127.0.0.1/icon.png",
                             "2024-01-02T03:04:05Z",
                             "0123456789abcdef0123456789abcdef",
                             "http://127.0.0.1:18080/files/app.7z",
                             "/home/u/.cache/lirvan-wine-assist/apps/app.7z"};
    info.bottlePath = "/home/u/.lirvanwine/apps/" + appName;
    info.installTime = "2024-05-06 07:08:09";
    info.logPath = "/home/u/.cache/install.log";
    info.desktopInfo = {"/home/u/.local/share/applications/app.desktop",
                        "Desktop Entry",
                        appName,
                        "env WINEPREFIX=\"/b\" wine C:\\\\\\\\a.exe",
                        "Application",
                        "true",
                        "a comment",
                        "/b/drive_c",
                        "app-icon",
                        "a.exe",
                        "Game;"};
    return info;
}

QJsonObject topObject(const QString &path)
{
    return QJsonDocument::fromJson(PlatformTest::readAll(path)).object();
}

QStringList backupsOf(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().entryList({info.fileName() + ".corrupt-*"}, QDir::Files);
}

using Json = CommonJsonOperator;

} // namespace

class JsonOperatorTest : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath("appinstallinfo.json");
    }

    void firstWriteCreatesDirectoryAndLayout()
    {
        const QString path = installedAppsFilePath();
        QCOMPARE(path, QDir::homePath() + "/.quennet/appinstallinfo.json");
        QCOMPARE(CommonJsonOperator::installedAppsFilePath(), path);
        QDir(QDir::homePath() + "/.quennet").removeRecursively();

        Json::writeToJasonfile(fullRecord("Foo"), path);

        QVERIFY(PlatformTest::readAll(path).contains("\n    \"Foo\": {\n        \""));
        const QJsonObject top = topObject(path);
        QCOMPARE(top.keys(), QStringList{"Foo"});
        const QJsonObject app = top.value(QString("Foo")).toObject();
        QCOMPARE(app.keys(), (QStringList{"localAppInfo", "peInfo", "publishedAppInfo"}));
        const QJsonObject published = app.value("publishedAppInfo").toObject();
        QCOMPARE(published.value("id").toInt(), 42);
        QCOMPARE(published.value("score").toDouble(), 4.25);
    }

    void roundTripKeepsWhatTheFileHolds()
    {
        TInstalledAppInfo written = fullRecord("Foo");
        written.publishedAppInfo.installType = 2;
        Json::writeToJasonfile(written, m_path);

        TInstalledAppInfo expected = written;
        expected.publishedAppInfo.installType = 1;
        expected.publishedAppInfo.id = -1;
        expected.publishedAppInfo.avatar.clear();
        expected.publishedAppInfo.icon.clear();
        expected.publishedAppInfo.createdAt.clear();
        expected.desktopInfo.categories.clear();

        QList<TInstalledAppInfo> list;
        Json::readToJasonfile(list, m_path);
        QCOMPARE(list.size(), 1);
        QVERIFY(list.first() == expected);

        TInstalledAppInfo found;
        Json::findAppInfoToJasonfileByAppName("Foo", found, m_path);
        QVERIFY(found == expected);
    }

    void sameNameOfAnotherBottleIsKept()
    {
        QVERIFY(PlatformTest::writeAll(m_path, "{}"));
        QCOMPARE(Json::writeToJasonfile(fullRecord("Foo"), m_path), QString("Foo"));
        Json::writeToJasonfile(fullRecord("Bar"), m_path);
        QCOMPARE(topObject(m_path).keys(), (QStringList{"Bar", "Foo"}));

        // The same application again: its entry is rewritten, not doubled.
        const QByteArray before = PlatformTest::readAll(m_path);
        Json::writeToJasonfile(fullRecord("Foo"), m_path);
        QCOMPARE(PlatformTest::readAll(m_path), before);

        // Another bottle of "Foo" keeps an entry of its own.
        TInstalledAppInfo second = fullRecord("Foo");
        second.bottlePath = "/elsewhere";
        QCOMPARE(Json::writeToJasonfile(second, m_path), QString("Foo (2)"));
        QCOMPARE(topObject(m_path).keys(), (QStringList{"Bar", "Foo", "Foo (2)"}));

        // Uninstalling it removes its own entry, whatever name it knows.
        Json::removeAppFromJasonfile(second, m_path);
        TInstalledAppInfo left;
        Json::findAppInfoToJasonfileByAppName("Foo", left, m_path);
        QCOMPARE(left.bottlePath, fullRecord("Foo").bottlePath);
        QCOMPARE(topObject(m_path).keys(), (QStringList{"Bar", "Foo"}));
    }

    void findAndRemoveAreExactAndCaseSensitive()
    {
        Json::writeToJasonfile(fullRecord("Foo"), m_path);
        Json::writeToJasonfile(fullRecord("Foobar"), m_path);

        TInstalledAppInfo untouched;
        untouched.logPath = "kept";
        for (const QString &name : {QString("foo"), QString("FOO"), QString("Fo")}) {
            TInstalledAppInfo info = untouched;
            Json::findAppInfoToJasonfileByAppName(name, info, m_path);
            QVERIFY2(info == untouched, qPrintable(name));
        }
        const QByteArray before = PlatformTest::readAll(m_path);
        Json::removeToJasonfile("foo", m_path);
        QCOMPARE(PlatformTest::readAll(m_path), before);

        Json::removeToJasonfile("Foobar", m_path);
        QCOMPARE(topObject(m_path).keys(), QStringList{"Foo"});
        Json::removeToJasonfile("Foo", m_path);
        QCOMPARE(PlatformTest::readAll(m_path).simplified(), QByteArray("{ }"));
    }

    void getValuebyKey()
    {
        QVERIFY(PlatformTest::writeAll(m_path, R"({"appid": "123", "name": "Foo", "version": 3})"));
        QCOMPARE(Json::getValuebyKey("appid", m_path), QString("123"));
        QCOMPARE(Json::getValuebyKey("ame", m_path), QString("Foo"));
        QCOMPARE(Json::getValuebyKey("version", m_path), QString());
        QCOMPARE(Json::getValuebyKey("Appid", m_path), QString());

        QVERIFY(Json::getValuebyKey("appid", m_dir->filePath("none")).isNull());
    }

    void readersLeaveOutputsOnBadFile()
    {
        QVERIFY(PlatformTest::writeAll(m_path, "{\"Foo\": {"));
        LogCapture log;

        QList<TInstalledAppInfo> list{fullRecord("x")};
        Json::readToJasonfile(list, m_path);
        QCOMPARE(list.size(), 1);

        TInstalledAppInfo info = fullRecord("y");
        Json::findAppInfoToJasonfileByAppName("Foo", info, m_path);
        QVERIFY(info == fullRecord("y"));

        Json::removeToJasonfile("Foo", m_path);
        QCOMPARE(PlatformTest::readAll(m_path), QByteArray("{\"Foo\": {"));
        QVERIFY(log.contains("Cannot parse"));
    }

    void invalidFileIsKeptAsideBeforeReplacing_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::newRow("not JSON") << QByteArray("this is not JSON {\"Foo\":");
        QTest::newRow("array") << QByteArray("[{\"Foo\": 1}]");
    }

    void invalidFileIsKeptAsideBeforeReplacing()
    {
        QFETCH(QByteArray, original);

        // Twice within the same second: the second backup must not replace the first.
        QStringList written;
        for (const QString &name : {QString("New"), QString("Newer")}) {
            QVERIFY(PlatformTest::writeAll(m_path, original));
            LogCapture log;
            Json::writeToJasonfile(fullRecord(name), m_path);
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

    void unreadableFileIsNotReplaced()
    {
        // A socket exists but cannot be opened, even by root.
        QLocalServer server;
        server.setSocketOptions(QLocalServer::UserAccessOption);
        QVERIFY(server.listen(m_path));
        const QFileInfo before(m_path);
        QVERIFY(before.exists());

        LogCapture log;
        Json::writeToJasonfile(fullRecord("Foo"), m_path);
        QVERIFY(!QFileInfo(m_path).isFile());
        QVERIFY(backupsOf(m_path).isEmpty());
        QVERIFY(log.contains(QString("nothing is written")));
        server.close();
    }
};

QTEST_GUILESS_MAIN(JsonOperatorTest)
#include "tst_jsonoperator.moc"
