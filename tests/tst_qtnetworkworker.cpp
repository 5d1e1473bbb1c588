#include "catalogueapiserver.h"
#include "loguploadinfo.h"
#include "qtnetworkworker.h"
#include "wineastappdownloadpoint.h"
#include "wineastapplist.h"
#include "wineastapplogupload.h"
#include "winegetapplist.h"
#include "winerecommandapps.h"
#include "winesettings.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QtTest>

namespace {

const int Timeout = 15000;

const auto waitFor = &CatalogueApiServer::waitFor;
const auto signFor = &CatalogueApiServer::signFor;

// Sends a GET with hand-made signing headers; the HTTP status of the answer.
int statusOfForgedGet(const QString &url, const QByteArray &timestamp, const QByteArray &sign)
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    if (!timestamp.isNull())
        request.setRawHeader("timestamp", timestamp);
    if (!sign.isNull())
        request.setRawHeader("sign", sign);
    QNetworkReply *reply = manager.get(request);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    if (!finished.wait(Timeout))
        return -1;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    delete reply;
    return status;
}

// Sends one request without a body, signed or not, with a worker of its
// own; the arguments of its end, or none when it never ends.
QList<QVariant> request(const QString &path, int method, int id, bool sign = true)
{
    QtNetworkWorker worker;
    QSignalSpy done(&worker, &QtNetworkWorker::signalFinished);
    worker.setRequest(path, QByteArray(), method, id);
    QMap<QString, QString> none;
    if (sign)
        worker.signRequest(none);
    worker.startRequest();
    return waitFor(done) ? done.first() : QList<QVariant>();
}

} // namespace

class TstQtNetworkWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void acceptsEveryRequestKind();
    void signsPairsInKeyOrder();
    void refusesForgedOrStaleSignatures_data();
    void refusesForgedOrStaleSignatures();
    void staleClientReachesOwnerAsFailure();
    void httpErrorGivesErrorText();
    void nothingSentBeforeSetRequest();
    void secondRequestOnBusyWorkerIsRefused();
    void loginCodeExchange();

private:
    std::unique_ptr<CatalogueApiServer> m_server;
};

void TstQtNetworkWorker::initTestCase()
{
    m_server = std::make_unique<CatalogueApiServer>();
    QVERIFY(m_server->isRunning());
    m_server->use();
}

void TstQtNetworkWorker::acceptsEveryRequestKind()
{
    WineGetAppList list;
    QSignalSpy listDone(&list, &WineGetAppList::signalFinished);
    list.getAppList(WineGetAppList::AllApps);
    QVERIFY(waitFor(listDone));

    WineRecommandApps recommend(QStringLiteral("Foo"));
    QSignalSpy recommendDone(&recommend, &WineRecommandApps::signalFinished);
    recommend.requestRecommandApps();
    QVERIFY(waitFor(recommendDone));

    QSignalSpy categoriesDone(WineAstApplist::instance(), &WineAstApplist::signalFinished);
    WineAstApplist::instance()->requestAppList();
    QVERIFY(waitFor(categoriesDone));

    WineAstAppDownloadPoint report;
    QSignalSpy reportDone(&report, &WineAstAppDownloadPoint::signalFinished);
    report.requestDownloadPoint(0, QStringLiteral("画图助手"), 5);
    QVERIFY(waitFor(reportDone));

    QTemporaryFile log;
    QVERIFY(log.open());
    log.write("log");
    log.close();
    LogUploadInfo info{QStringLiteral("1"),
                       log.fileName(),
                       QStringLiteral("d"),
                       QStringLiteral("n"),
                       QStringLiteral("v"),
                       7,
                       0};
    WineAstAppLogUpload upload(info);
    QSignalSpy uploadDone(&upload, &WineAstAppLogUpload::signalFinished);
    upload.uploadLog();
    QVERIFY(waitFor(uploadDone));

    // The login's first step: a signed POST with an empty body.
    const QList<QVariant> login = request(QStringLiteral("/api/v1/login"), QtNetworkWorker::Post,
                                          1);
    QCOMPARE(login.value(0).toInt(), 3);
    QCOMPARE(login.value(2).toInt(), 1);

    const QList<QJsonObject> requests = m_server->apiRequests();
    QStringList paths;
    for (const QJsonObject &request : requests) {
        paths << request.value(QStringLiteral("path")).toString();
        QCOMPARE(request.value(QStringLiteral("status")).toInt(), 200);
        if (request.value(QStringLiteral("method")).toString() != QLatin1String("POST")
            || paths.last() != QLatin1String("/api/v1/app/log/upload"))
            QCOMPARE(request.value(QStringLiteral("content_type")).toString(),
                     QStringLiteral("application/json"));
    }
    QCOMPARE(paths,
             QStringList({"/api/v1/app/list", "/api/v1/app/list", "/api/v1/app/default/config",
                          "/api/v1/app/category/list", "/api/v1/app/log/download",
                          "/api/v1/app/log/upload", "/api/v1/login"}));
}

void TstQtNetworkWorker::signsPairsInKeyOrder()
{
    QtNetworkWorker worker;
    QSignalSpy done(&worker, &QtNetworkWorker::signalFinished);
    const QString name = QStringLiteral("Tom & Jerry=2");
    const QByteArray body = QJsonDocument(QJsonObject{{"type_id", 3}, {"name", name}, {"id", 5}})
                                    .toJson();
    worker.setRequest(QStringLiteral("/api/v1/app/log/download"), body, QtNetworkWorker::Post, 7);
    QMap<QString, QString> params{{QStringLiteral("type_id"), QStringLiteral("3")},
                                  {QStringLiteral("name"), name},
                                  {QStringLiteral("id"), QStringLiteral("5")},
                                  {QStringLiteral("timestamp"), QStringLiteral("12345")}};
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    worker.signRequest(params);
    worker.startRequest();
    QVERIFY(waitFor(done));
    QCOMPARE(done.first().at(0).toInt(), 3);
    QCOMPARE(done.first().at(2).toInt(), 7);

    // The caller's timestamp is replaced by the time of signing.
    const QString timestamp = params.value(QStringLiteral("timestamp"));
    QVERIFY(timestamp != QLatin1String("12345"));
    QVERIFY(qAbs(timestamp.toLongLong() - before) <= 2);

    const QJsonObject seen = m_server->lastApiRequest();
    QCOMPARE(seen.value(QStringLiteral("status")).toInt(), 200);
    QCOMPARE(seen.value(QStringLiteral("timestamp")).toString(), timestamp);
    QCOMPARE(seen.value(QStringLiteral("sign")).toString(),
             signFor(QStringLiteral("&id=5&name=Tom & Jerry=2&timestamp=") + timestamp
                     + QStringLiteral("&type_id=3")));
    QCOMPARE(seen.value(QStringLiteral("params")).toObject().value("name").toString(), name);
}

void TstQtNetworkWorker::refusesForgedOrStaleSignatures_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<bool>("alterSign");
    QTest::addColumn<bool>("alterTimestamp");
    QTest::addColumn<int>("status");
    QTest::newRow("valid") << qint64(0) << false << false << 200;
    QTest::newRow("four minutes old") << qint64(-240) << false << false << 200;
    QTest::newRow("six minutes old") << qint64(-360) << false << false << 401;
    QTest::newRow("six minutes ahead") << qint64(360) << false << false << 401;
    QTest::newRow("sign altered") << qint64(0) << true << false << 401;
    QTest::newRow("timestamp altered") << qint64(0) << false << true << 401;
}

void TstQtNetworkWorker::refusesForgedOrStaleSignatures()
{
    QFETCH(qint64, offset);
    QFETCH(bool, alterSign);
    QFETCH(bool, alterTimestamp);
    QFETCH(int, status);
    const qint64 time = QDateTime::currentSecsSinceEpoch() + offset;
    QByteArray timestamp = QByteArray::number(time);
    QByteArray sign = signFor(QStringLiteral("&timestamp=") + QString::number(time)).toLatin1();
    if (alterSign)
        sign[0] = sign.at(0) == 'a' ? 'b' : 'a';
    if (alterTimestamp)
        timestamp = QByteArray::number(time - 1);
    const QString url = m_server->baseUrl() + QStringLiteral("/api/v1/app/category/list");
    QCOMPARE(statusOfForgedGet(url, timestamp, sign), status);
}

void TstQtNetworkWorker::staleClientReachesOwnerAsFailure()
{
    // A service whose clock is ten minutes ahead finds every signature stale.
    CatalogueApiServer late(QString(), {QStringLiteral("--clock-skew"), QStringLiteral("600")});
    QVERIFY(late.isRunning());
    late.use();
    QSignalSpy done(WineAstApplist::instance(), &WineAstApplist::signalFinished);
    const QMap<int, QString> before = WineAstApplist::instance()->categories();
    WineAstApplist::instance()->requestAppList();
    QVERIFY(waitFor(done));
    m_server->use();
    QCOMPARE(done.first().at(0).toInt(), 4);
    QVERIFY(!done.first().at(1).toString().isEmpty());
    QCOMPARE(WineAstApplist::instance()->categories(), before);
    QCOMPARE(late.lastApiRequest().value(QStringLiteral("status")).toInt(), 401);

    // Without headers at all the service refuses too.
    QCOMPARE(statusOfForgedGet(m_server->baseUrl() + QStringLiteral("/api/v1/app/list"),
                               QByteArray(), QByteArray()),
             401);
}

void TstQtNetworkWorker::httpErrorGivesErrorText()
{
    const QList<QVariant> missing = request(QStringLiteral("/api/v1/no/such/thing"),
                                            QtNetworkWorker::Get, 2);
    QCOMPARE(missing.value(0).toInt(), 4);
    QVERIFY2(missing.value(1).toString().contains(QLatin1String("Not Found")),
             qPrintable(missing.value(1).toString()));
    QCOMPARE(missing.value(2).toInt(), 2);

    // A refused connection is a failure as well.
    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"),
                                       QStringLiteral("http://127.0.0.1:1"));
    const QList<QVariant> refused = request(QStringLiteral("/api/v1/app/list"),
                                            QtNetworkWorker::Get, 0, false);
    m_server->use();
    QCOMPARE(refused.value(0).toInt(), 4);
    QVERIFY(!refused.value(1).toString().isEmpty());
}

void TstQtNetworkWorker::nothingSentBeforeSetRequest()
{
    QtNetworkWorker worker;
    QSignalSpy done(&worker, &QtNetworkWorker::signalFinished);
    QMap<QString, QString> params;
    worker.signRequest(params);
    QVERIFY(params.isEmpty());
    const int answered = m_server->apiRequests().size();
    worker.startRequest();
    QVERIFY(!done.wait(300));
    QCOMPARE(m_server->apiRequests().size(), answered);
}

void TstQtNetworkWorker::secondRequestOnBusyWorkerIsRefused()
{
    QtNetworkWorker worker;
    QSignalSpy done(&worker, &QtNetworkWorker::signalFinished);
    QMap<QString, QString> none;
    worker.setRequest(QStringLiteral("/api/v1/app/category/list"), QByteArray(),
                      QtNetworkWorker::Get, 1);
    worker.signRequest(none);
    worker.startRequest();
    worker.setRequest(QStringLiteral("/api/v1/app/list"), QByteArray(), QtNetworkWorker::Get, 2);
    worker.signRequest(none);
    worker.startRequest();
    QVERIFY(waitFor(done));
    QVERIFY(!done.wait(300));
    QCOMPARE(done.size(), 1);
    // The answer is the first request's, under its own id.
    QCOMPARE(done.first().at(2).toInt(), 1);
    QVERIFY(done.first().at(1).toString().contains(QStringLiteral("图形图像")));
    QCOMPARE(m_server->lastApiRequest().value(QStringLiteral("path")).toString(),
             QStringLiteral("/api/v1/app/category/list"));
}

void TstQtNetworkWorker::loginCodeExchange()
{
    // The callback is not signed: the code is the proof.
    const QList<QVariant> done
            = request(QStringLiteral("/api/v1/login/callback?code=alice-code&state=state"),
                      QtNetworkWorker::Get, 2, false);
    QCOMPARE(done.value(0).toInt(), 3);
    const QJsonObject user = QJsonDocument::fromJson(done.value(1).toString().toUtf8())
                                     .object()
                                     .value(QStringLiteral("data"))
                                     .toObject();
    QCOMPARE(user.value(QStringLiteral("username")).toString(), QStringLiteral("alice"));
    QCOMPARE(user.value(QStringLiteral("id")).toInt(), 7);
    const QString avatar = user.value(QStringLiteral("avatar")).toString();
    QCOMPARE(avatar, m_server->baseUrl() + QStringLiteral("/files/avatars/alice.png"));
    QCOMPARE(statusOfForgedGet(avatar, QByteArray(), QByteArray()), 200);

    QCOMPARE(request(QStringLiteral("/api/v1/login/callback?code=forged&state=state"),
                     QtNetworkWorker::Get, 2, false)
                     .value(0)
                     .toInt(),
             4);
}

QTEST_GUILESS_MAIN(TstQtNetworkWorker)
#include "tst_qtnetworkworker.moc"
