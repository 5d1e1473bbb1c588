#include "catalogueapiserver.h"
#include "cataloguereply.h"
#include "catalogueserver.h"
#include "platformtestutil.h"
#include "wineastapplist.h"
#include "winegetapplist.h"
#include "winerecommandapps.h"
#include "winesettings.h"

#include <QJsonArray>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTextCodec>
#include <QtTest>

// An entry's members in order, joined by '|'.
QString describe(const TPublishedAppInfo &info)
{
    return QStringList({QString::number(info.installType), QString::number(info.id), info.appName,
                        QString::number(info.score), QString::number(info.categories), info.version,
                        info.author, info.avatar, info.packageName, info.icon, info.createdAt,
                        info.MD5, info.Url, info.localPath})
            .join(QLatin1Char('|'));
}

char *toString(const TPublishedAppInfo &info)
{
    return QTest::toString(describe(info));
}

namespace {

constexpr int Timeout = 15000;
const QString LocalPath = QStringLiteral("local_path");

const auto waitFor = &CatalogueApiServer::waitFor;

QJsonObject category(int id, const QString &name)
{
    return {{"id", id}, {"categories", name}};
}

QJsonObject sampleApp(int id, const QString &name)
{
    return {{"id", id}, {"name", name}, {"version", "1"}, {"recommend", QJsonArray{name}}};
}

// Runs one recommendation query to its end; false when it never ends.
bool runRecommend(WineRecommandApps &recommend)
{
    QSignalSpy done(&recommend, &WineRecommandApps::signalFinished);
    recommend.requestRecommandApps();
    if (!waitFor(done))
        return false;
    // Exactly one end per run, also once the event loop has run on.
    QTest::qWait(50);
    return done.size() == 1;
}

// Runs one app list query of the type to its end; false when it never ends.
bool runList(WineGetAppList &list, int type)
{
    QSignalSpy done(&list, &WineGetAppList::signalFinished);
    list.getAppList(type);
    return waitFor(done);
}

// The default configuration entry with these download details.
TPublishedAppInfo defaultEntry(const QString &version, const QString &md5 = {},
                               const QString &url = {}, const QString &localPath = {})
{
    TPublishedAppInfo info;
    info.installType = 1;
    info.version = version;
    info.MD5 = md5;
    info.Url = url;
    info.localPath = localPath;
    return info;
}

} // namespace

/*
 * The catalogue queries against the reference service: its sample catalogue
 * or small catalogues written by the tests, which leave out a section to
 * make its request fail.
 */
class TstCatalogueQueries : public QObject
{
    Q_OBJECT

private:
    // A service over a catalogue with just these sections.
    CatalogueApiServer *serve(const QJsonObject &catalogue);

    std::unique_ptr<CatalogueApiServer> m_sample;
    std::list<QTemporaryDir> m_dataDirs;
    std::list<CatalogueApiServer> m_servers;

private slots:
    void initTestCase()
    {
        m_sample = std::make_unique<CatalogueApiServer>();
        QVERIFY(m_sample->isRunning());
    }

    void init()
    {
        m_sample->use();
        WineSettings::instance()->remove(LocalPath);
    }

    void recommendKnownName()
    {
        WineRecommandApps recommend(QStringLiteral("foo"));
        QVERIFY(runRecommend(recommend));
        const QList<TPublishedAppInfo> &apps = recommend.getRecommandApps();
        QCOMPARE(apps.size(), 2);

        const QString base = m_sample->baseUrl() + QStringLiteral("/files/");
        QCOMPARE(apps.at(0).MD5.size(), 32);
        QCOMPARE(apps.at(1).MD5.size(), 32);
        QCOMPARE(describe(apps.at(0)),
                 QStringLiteral(
                         "0|1|Foo App|4.5|7|1.2.3|alice|%1avatars/alice.png|foo-package.7z|"
                         "%1icons/foo-app.png|2026-03-01 10:00:00|%2|%1packages/foo-package.7z|")
                         .arg(base, apps.at(0).MD5));
        QCOMPARE(apps.at(1),
                 defaultEntry("1.0", apps.at(1).MD5, base + "packages/default-bottle.7z"));
    }

    void recommendFallback_data()
    {
        QTest::addColumn<QString>("stored"); // "" unset, "missing", "existing"
        QTest::addColumn<bool>("namedList"); // whether the list step runs (and finds nothing)
        QTest::newRow("unset, no name") << QString() << false;
        QTest::newRow("missing file, empty list") << QStringLiteral("missing") << true;
        QTest::newRow("existing file, empty list") << QStringLiteral("existing") << true;
    }

    void recommendFallback()
    {
        QFETCH(QString, stored);
        QFETCH(bool, namedList);
        QTemporaryDir files;
        const QString missing = files.filePath(QStringLiteral("gone.7z"));
        const QString existing = files.filePath(QStringLiteral("default.7z"));
        QVERIFY(QFile(existing).open(QIODevice::WriteOnly));
        if (stored == QLatin1String("missing"))
            WineSettings::instance()->setValue(LocalPath, missing);
        else if (stored == QLatin1String("existing"))
            WineSettings::instance()->setValue(LocalPath, existing);

        // Lists nothing for "Foo" and has no default configuration.
        QVERIFY(serve({{"apps", QJsonArray{sampleApp(3, "Bar")}}}));
        WineRecommandApps recommend(namedList ? QStringLiteral("Foo") : QString());
        QVERIFY(runRecommend(recommend));

        const QString defaultPath = WineSettings::defaultValue(LocalPath);
        const QString expected = stored == QLatin1String("existing") ? existing : defaultPath;
        QCOMPARE(recommend.getRecommandApps(),
                 QList<TPublishedAppInfo>({defaultEntry("1", {}, {}, expected)}));
        QCOMPARE(WineSettings::instance()->stringValue(LocalPath), expected);
        if (stored == QLatin1String("missing"))
            QCOMPARE(WineSettings::instance()->value(LocalPath).toString(), defaultPath);
    }

    void recommendLists_data()
    {
        QTest::addColumn<QJsonObject>("catalogue"); // empty: the sample catalogue
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("entries"); // installType|id|version|MD5|Url of each
        QTest::addColumn<QStringList>("requests"); // path and status of each
        const QString list = QStringLiteral("/api/v1/app/list "),
                      config = "/api/v1/app/default/config ";
        QTest::newRow("no name asks the default only")
                << QJsonObject() << QString()
                << QStringList{"1|-1|1.0|32|/files/packages/default-bottle.7z"}
                << QStringList{config + "200"};
        QTest::newRow("failing list, then the default")
                << QJsonObject{{"default_config", QJsonObject{{"version", "7"},
                                                              {"md5_value", "abc"},
                                                              {"download_url", "/files/d.7z"}}}}
                << "Foo" << QStringList{"1|-1|7|abc|/files/d.7z"}
                << QStringList{list + "404", config + "200"};
        QTest::newRow("entries, then a failing default")
                << QJsonObject{{"apps", QJsonArray{sampleApp(3, "Foo"), sampleApp(4, "Bar")}}}
                << "Foo" << QStringList{"0|3|1||"} << QStringList{list + "200", config + "404"};
    }

    void recommendLists()
    {
        QFETCH(QJsonObject, catalogue);
        QFETCH(QString, name);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, requests);
        CatalogueApiServer *server = catalogue.isEmpty() ? m_sample.get() : serve(catalogue);
        QVERIFY(server);
        const int before = server->apiRequests().size();
        WineRecommandApps recommend(name);
        QVERIFY(runRecommend(recommend));
        QStringList received;
        for (const TPublishedAppInfo &app : recommend.getRecommandApps()) {
            const QString md5 = app.MD5.size() == 32 ? "32" : app.MD5;
            received << QStringList{QString::number(app.installType), QString::number(app.id),
                                    app.version, md5, app.Url.mid(server->baseUrl().size())}
                                .join('|');
        }
        QCOMPARE(received, entries);
        QStringList seen;
        for (const QJsonObject &request : server->apiRequests().mid(before))
            seen << request.value("path").toString() + " "
                            + QString::number(request.value("status").toInt());
        QCOMPARE(seen, requests);
    }

    void recommendNameWithReservedCharacters()
    {
        const QString name = QStringLiteral("A&B=C+D %2F/?#x 画");
        CatalogueApiServer *server = serve(
                {{QStringLiteral("apps"), QJsonArray{sampleApp(7, name), sampleApp(8, "A")}}});
        QVERIFY(server);
        WineRecommandApps recommend(name);
        QVERIFY(runRecommend(recommend));
        QVERIFY(!recommend.getRecommandApps().isEmpty());
        QCOMPARE(recommend.getRecommandApps().first().id, 7);
        const QJsonObject seen = server->apiRequests().first();
        QCOMPARE(seen.value(QStringLiteral("status")).toInt(), 200);
        QCOMPARE(seen.value(QStringLiteral("params")).toObject().value("recommend_name").toString(),
                 name);
    }

    void recommendAgainstServiceAnsweringNoJson()
    {
        // A service in maintenance answers every request with a web page.
        QTemporaryDir pages;
        for (const char *path : {"api/v1/app/list", "api/v1/app/default/config"}) {
            QVERIFY(QDir(pages.path()).mkpath(QFileInfo(path).path()));
            QVERIFY(PlatformTest::writeAll(pages.filePath(path), "<html>closed</html>\n"));
        }
        CatalogueServer service(pages.path());
        QVERIFY(service.isRunning());
        WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"),
                                           service.url("/files"));

        WineRecommandApps recommend(QStringLiteral("Foo"));
        QVERIFY(runRecommend(recommend));
        // Not an empty default configuration nobody can download: the archive
        // shipped with the program.
        QCOMPARE(recommend.getRecommandApps(),
                 QList<TPublishedAppInfo>(
                         {defaultEntry("1", {}, {}, WineSettings::defaultValue(LocalPath))}));
    }

    void appListQueries_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text"); // recommend name or keyword
        QTest::addColumn<bool>("installAble");
        QTest::addColumn<int>("categoryId");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("signedKeys");
        QTest::addColumn<QList<int>>("ids");
        const QString list = QStringLiteral("/api/v1/app/list");
        QTest::newRow("0 all") << 0 << QString() << false << 0 << list << QStringList()
                               << QList<int>{1, 2, 3, 4, 5};
        QTest::newRow("1 recommended") << 1 << QStringLiteral("Bar Setup 2") << false << 0
                                       << list + QStringLiteral("?recommend_name=Bar%20Setup%202")
                                       << QStringList{"recommend_name"} << QList<int>{4};
        QTest::newRow("2 keyword, installable")
                << 2 << QStringLiteral("画图") << true << 0
                << list + QStringLiteral("?keyword=%E7%94%BB%E5%9B%BE&install_able=true")
                << QStringList({"install_able", "keyword"}) << QList<int>{2, 3};
        QTest::newRow("3 category")
                << 3 << QString() << false << 5 << list + QStringLiteral("?category_id=5")
                << QStringList{"category_id"} << QList<int>{2, 3};
    }

    void appListQueries()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(bool, installAble);
        QFETCH(int, categoryId);
        QFETCH(QString, target);
        QFETCH(QStringList, signedKeys);
        QFETCH(QList<int>, ids);

        WineGetAppList list;
        list.setRecommendName(text);
        list.setKeyword(text, installAble);
        list.setCategoryId(categoryId);
        QVERIFY(runList(list, type));

        QList<int> received;
        for (const TPublishedAppInfo &app : qAsConst(list.getApps())) {
            received << app.id;
            QCOMPARE(app.installType, 0);
        }
        QCOMPARE(received, ids);
        const QJsonObject request = m_sample->lastApiRequest();
        QCOMPARE(request.value(QStringLiteral("target")).toString(), target);
        QCOMPARE(request.value(QStringLiteral("status")).toInt(), 200);
        QCOMPARE(request.value(QStringLiteral("content_type")).toString(),
                 QStringLiteral("application/json"));
        QCOMPARE(request.value(QStringLiteral("params")).toObject().keys(), signedKeys);
    }

    void appListValuesReachServiceUnchanged()
    {
        // Characters that mean something in a query are sent as data.
        const QString keyword = QStringLiteral("A&install_able=x+y #50%");
        WineGetAppList list;
        list.setKeyword(keyword, false);
        QVERIFY(runList(list, WineGetAppList::KeywordApps));
        const QJsonObject params
                = m_sample->lastApiRequest().value(QStringLiteral("params")).toObject();
        QCOMPARE(params.value(QStringLiteral("keyword")).toString(), keyword);
        QCOMPARE(params.value(QStringLiteral("install_able")).toString(), QStringLiteral("false"));
        QVERIFY(list.getApps().isEmpty());
    }

    void appListFailureEmitsNothing()
    {
        CatalogueApiServer *server = serve({{QStringLiteral("categories"), QJsonArray()}});
        QVERIFY(server);
        WineGetAppList list;
        QSignalSpy done(&list, &WineGetAppList::signalFinished);
        list.getAppList(WineGetAppList::AllApps);
        QTRY_VERIFY_WITH_TIMEOUT(!list.lastReply().isEmpty(), Timeout);
        QVERIFY(!done.wait(200));
        QCOMPARE(server->lastApiRequest().value(QStringLiteral("status")).toInt(), 404);
        QVERIFY(list.getApps().isEmpty());
    }

    void appObjectsWithMissingOrWrongMembers()
    {
        const QJsonObject odd{{"name", "Odd"},
                              {"version", 3},
                              {"score", "high"},
                              {"author_info", "nobody"},
                              {"icon", "https://example.org/i.png"}};
        QVERIFY(serve({{"apps", QJsonArray{odd, QJsonObject()}}}));
        WineGetAppList list;
        QVERIFY(runList(list, WineGetAppList::AllApps));
        QCOMPARE(list.getApps().size(), 2);
        QCOMPARE(describe(list.getApps().at(0)),
                 QStringLiteral("0|0|Odd|0|0|||||https://example.org/i.png||||"));
        QCOMPARE(describe(list.getApps().at(1)), QStringLiteral("0|0||0|0|||||||||"));
        // A reply that is not JSON adds nothing but still counts as an answer.
        QVERIFY(CatalogueReply::QstringToJson(QStringLiteral("<html>")).isEmpty());
    }

    void categoryList()
    {
        WineAstApplist *applist = WineAstApplist::instance();
        QSignalSpy done(applist, &WineAstApplist::signalFinished);
        applist->requestAppList();
        QVERIFY(waitFor(done));
        QCOMPARE(done.first().at(0).toInt(), 3);
        QCOMPARE(applist->categories().size(), 10);
        QCOMPARE(applist->categories().value(5), QStringLiteral("图形图像"));

        // Later replies update entries, a repeated id's last name wins, and ids
        // the reply leaves out stay.
        QVERIFY(serve({{"categories",
                        QJsonArray{category(1, "A"), category(11, "B"), category(1, "C")}}}));
        done.clear();
        applist->requestAppList();
        QVERIFY(waitFor(done));
        QCOMPARE(applist->categories().size(), 11);
        QCOMPARE(applist->categories().value(1), QStringLiteral("C"));
        QCOMPARE(applist->categories().value(11), QStringLiteral("B"));
        QCOMPARE(applist->categories().value(5), QStringLiteral("图形图像"));

        // A failed request is passed on and changes nothing.
        const QMap<int, QString> before = applist->categories();
        QVERIFY(serve({{QStringLiteral("apps"), QJsonArray()}}));
        done.clear();
        applist->requestAppList();
        QVERIFY(waitFor(done));
        QCOMPARE(done.first().at(0).toInt(), 4);
        QCOMPARE(applist->categories(), before);
    }

    void chineseNamesUnderCLocale()
    {
        // main() runs this test under LC_ALL=C, which Qt reads as UTF-8; a
        // locale encoding that cannot hold Chinese is set explicitly.
        QTextCodec *const localeCodec = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        const auto restore = qScopeGuard(
                [localeCodec] { QTextCodec::setCodecForLocale(localeCodec); });
        QVERIFY(!QTextCodec::codecForLocale()->canEncode(QStringLiteral("画图助手")));

        WineGetAppList list;
        list.setCategoryId(5);
        QVERIFY(runList(list, WineGetAppList::CategoryApps));
        QCOMPARE(list.getApps().size(), 2);
        QCOMPARE(list.getApps().first().appName, QStringLiteral("画图助手"));
    }
};

CatalogueApiServer *TstCatalogueQueries::serve(const QJsonObject &catalogue)
{
    m_dataDirs.emplace_back();
    if (!CatalogueApiServer::writeCatalogue(m_dataDirs.back().path(), catalogue))
        return nullptr;
    m_servers.emplace_back(m_dataDirs.back().path());
    if (!m_servers.back().isRunning())
        return nullptr;
    m_servers.back().use();
    return &m_servers.back();
}

int main(int argc, char **argv)
{
    // Application names must survive a locale whose encoding is not UTF-8.
    qputenv("LC_ALL", "C");
    QCoreApplication app(argc, argv);
    TstCatalogueQueries test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cataloguequeries.moc"
