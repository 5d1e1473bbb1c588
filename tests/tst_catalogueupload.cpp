#include "catalogueapiserver.h"
#include "loguploadinfo.h"
#include "platformtestutil.h"
#include "wineastappdownloadpoint.h"
#include "wineastapplogupload.h"
#include "winesettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {

const auto waitFor = &CatalogueApiServer::waitFor;
const auto signFor = &CatalogueApiServer::signFor;

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

// The JSON object a finished request passed on as its text.
QJsonObject answer(const QSignalSpy &done)
{
    return QJsonDocument::fromJson(done.first().at(1).toString().toUtf8()).object();
}

} // namespace

// The download report and the log upload against the reference service.
class TstCatalogueUpload : public QObject
{
    Q_OBJECT

    struct Kept
    {
        QJsonObject record; // the service's record of the upload
        QString directory;
        QString appId; // as the uploader holds it afterwards
    };

    // Uploads one log; what the service kept.
    Kept upload(const LogUploadInfo &info)
    {
        WineAstAppLogUpload uploader(info);
        QSignalSpy done(&uploader, &WineAstAppLogUpload::signalFinished);
        uploader.uploadLog();
        if (!waitFor(done) || done.first().at(0).toInt() != 3)
            return {};
        const int number
                = answer(done).value(QStringLiteral("data")).toObject().value("id").toInt();
        return {m_server->upload(number), m_server->uploadDir(number), uploader.info().appId};
    }

    // A log of the application that names a file that is not there.
    LogUploadInfo missingLog(const QString &appId) const
    {
        return {appId, m_files.filePath(QStringLiteral("gone.7z")), {}, {}, {}, 0, 0};
    }

    std::unique_ptr<CatalogueApiServer> m_server;
    QTemporaryDir m_files;

private slots:
    void initTestCase()
    {
        m_server = std::make_unique<CatalogueApiServer>();
        QVERIFY(m_server->isRunning());
        m_server->use();
    }

    void downloadReport_data()
    {
        QTest::addColumn<QJsonObject>("body"); // also what is reported; the rest is unset
        QTest::addColumn<QString>("pairs"); // signed pairs, %1 for the timestamp
        QTest::newRow("nothing set") << QJsonObject() << "&timestamp=%1";
        QTest::newRow("default configuration")
                << QJsonObject{{"name", QStringLiteral("画图 & 助手")}, {"type_id", 99}}
                << QStringLiteral("&name=画图 & 助手&timestamp=%1&type_id=99");
    }

    void downloadReport()
    {
        QFETCH(QJsonObject, body);
        QFETCH(QString, pairs);
        WineAstAppDownloadPoint report;
        QSignalSpy done(&report, &WineAstAppDownloadPoint::signalFinished);
        report.requestDownloadPoint(body.value("id").toInt(), text(body, "name"),
                                    body.value("type_id").toInt());
        QVERIFY(waitFor(done));
        QCOMPARE(done.first().at(0).toInt(), 3);
        QCOMPARE(answer(done).value(QStringLiteral("code")).toInt(-1), 0);

        const QJsonObject seen = m_server->lastApiRequest();
        QCOMPARE(text(seen, "method"), QStringLiteral("POST"));
        QCOMPARE(text(seen, "path"), QStringLiteral("/api/v1/app/log/download"));
        QCOMPARE(text(seen, "content_type"), QStringLiteral("application/json"));
        // The JSON facility's indented layout.
        QCOMPARE(text(seen, "body"), QString::fromUtf8(QJsonDocument(body).toJson()));
        QCOMPARE(text(seen, "sign"), signFor(pairs.arg(text(seen, "timestamp"))));
        QCOMPARE(seen.value(QStringLiteral("status")).toInt(), 200);
    }

    void logUpload_data()
    {
        QTest::addColumn<int>("typeId");
        QTest::addColumn<QString>("sentAppId");
        QTest::newRow("catalogue configuration") << 0 << QStringLiteral("42");
        QTest::newRow("default configuration") << 1 << QStringLiteral("0");
    }

    void logUpload()
    {
        QFETCH(int, typeId);
        QFETCH(QString, sentAppId);
        const QString path = m_files.filePath(QStringLiteral("install.7z"));
        const QByteArray content = QByteArray("7z\xbc\xaf\x27\x1c", 6) + QByteArray(70000, 'x');
        QVERIFY(PlatformTest::writeAll(path, content));

        const LogUploadInfo info{"42", path, "Foo Setup: 安装失败", "Foo App", "1.2.3", 7, typeId};
        const Kept kept = upload(info);
        const QJsonObject &record = kept.record;
        QCOMPARE(kept.appId, sentAppId);

        const QRegularExpression multipart("^multipart/form-data; boundary=----[0-9a-f]{32}$");
        QVERIFY(multipart.match(text(record, "content_type")).hasMatch());

        const QJsonArray parts = record.value(QStringLiteral("parts")).toArray();
        QStringList names;
        QStringList values;
        for (const QJsonValue &part : parts) {
            names << text(part.toObject(), "name");
            values << text(part.toObject(), "value");
        }
        QCOMPARE(names, QStringList({"app_id", "file", "desc", "name", "version", "category_id",
                                     "type_id"}));
        QCOMPARE(values, QStringList({sentAppId, QString(), info.desc, info.appName, info.version,
                                      QStringLiteral("7"), QString::number(typeId)}));
        const QJsonObject filePart = parts.at(1).toObject();
        QCOMPARE(text(filePart, "filename"), QStringLiteral("install.7z"));
        QCOMPARE(PlatformTest::readAll(kept.directory + QStringLiteral("/install.7z")), content);
    }

    void failuresReachTheCaller()
    {
        // A service ten minutes ahead refuses the signatures as stale.
        CatalogueApiServer late(QString(), {QStringLiteral("--clock-skew"), QStringLiteral("600")});
        QVERIFY(late.isRunning());
        late.use();
        WineAstAppDownloadPoint report;
        QSignalSpy reported(&report, &WineAstAppDownloadPoint::signalFinished);
        report.requestDownloadPoint(5, QString(), 0);
        WineAstAppLogUpload uploader(missingLog(QStringLiteral("1")));
        QSignalSpy uploaded(&uploader, &WineAstAppLogUpload::signalFinished);
        uploader.uploadLog();
        QVERIFY(waitFor(reported));
        QVERIFY(waitFor(uploaded));
        m_server->use();
        QCOMPARE(reported.first().at(0).toInt(), 4);
        QCOMPARE(uploaded.first().at(0).toInt(), 4);
        QVERIFY(!uploaded.first().at(1).toString().isEmpty());
        QCOMPARE(late.apiRequests().size(), 2);
        QVERIFY(late.upload(1).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstCatalogueUpload)
#include "tst_catalogueupload.moc"
