#include "catalogueapiserver.h"
#include "qtnetworkworker.h"
#include "winesettings.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

const auto waitFor = &CatalogueApiServer::waitFor;
const auto signFor = &CatalogueApiServer::signFor;

// Sends one request without a body, signed or not, with a worker of its
// own; the arguments of its end, or none when it never ends.
QList<QVariant> request(const char *path, int method, int id, bool sign = true)
{
    QtNetworkWorker worker;
    QSignalSpy done(&worker, &QtNetworkWorker::signalFinished);
    worker.setRequest(QLatin1String(path), QByteArray(), method, id);
    QMap<QString, QString> none;
    if (sign)
        worker.signRequest(none);
    worker.startRequest();
    return waitFor(done) ? done.first() : QList<QVariant>();
}

// Sends one request to a loopback server of the test's own that answers
// with body: its first split bytes at once, the rest a moment later.
QList<QVariant> requestServedBy(QTcpServer &server, const QByteArray &body, int split)
{
    if (!server.listen(QHostAddress::LocalHost))
        return {};
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, body, split] {
        QTcpSocket *socket = server.nextPendingConnection();
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\n\r\n" + body.left(split));
        QTimer::singleShot(300, socket, [socket, rest = body.mid(split)] {
            socket->write(rest);
            socket->disconnectFromHost();
        });
    });
    const QString service = WineSettings::instance()->stringValue(
            QStringLiteral("wine_oauth_host"));
    WineSettings::instance()
            ->setValue(QStringLiteral("wine_oauth_host"),
                       QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()));
    const QList<QVariant> reply = request("/api/v1/app/list", QtNetworkWorker::Get, 0);
    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"), service);
    return reply;
}

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

} // namespace

// The service request client against the reference service: signing,
// replies that arrive in pieces, and failures passed on.
class TstQtNetworkWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_server = std::make_unique<CatalogueApiServer>();
        QVERIFY(m_server->isRunning());
        m_server->use();
    }

    void signsPairsInKeyOrder()
    {
        QtNetworkWorker worker;
        QSignalSpy done(&worker, &QtNetworkWorker::signalFinished);
        const QString name = QStringLiteral("Tom & Jerry=2");
        const QByteArray body
                = QJsonDocument(QJsonObject{{"type_id", 3}, {"name", name}, {"id", 5}}).toJson();
        worker.setRequest(QStringLiteral("/api/v1/app/log/download"), body, QtNetworkWorker::Post,
                          7);
        QMap<QString, QString> params{{"type_id", "3"},
                                      {"name", name},
                                      {"id", "5"},
                                      {"timestamp", "12345"}};
        worker.signRequest(params);
        worker.startRequest();
        QVERIFY(waitFor(done));
        QCOMPARE(done.first().at(0).toInt(), 3);
        QCOMPARE(done.first().at(2).toInt(), 7);

        const QString timestamp = params.value(QStringLiteral("timestamp"));
        const QJsonObject seen = m_server->lastApiRequest();
        QCOMPARE(seen.value(QStringLiteral("status")).toInt(), 200);
        QCOMPARE(text(seen, "timestamp"), timestamp);
        QCOMPARE(text(seen, "sign"), signFor(QStringLiteral("&id=5&name=Tom & Jerry=2&timestamp=")
                                             + timestamp + QStringLiteral("&type_id=3")));
        QCOMPARE(seen.value(QStringLiteral("params")).toObject().value("name").toString(), name);
    }

    // A reply arrives in pieces that may split a character; the text is
    // whole all the same.
    void replyInPiecesKeepsEveryCharacter()
    {
        const QByteArray body = QStringLiteral("{\"data\":[{\"name\":\"画图助手\"}]}").toUtf8();
        const int split = body.indexOf(QStringLiteral("图").toUtf8()) + 1;
        QTcpServer server;
        const QList<QVariant> reply = requestServedBy(server, body, split);
        QCOMPARE(reply.value(0).toInt(), 3);
        QCOMPARE(reply.value(1).toString(), QString::fromUtf8(body));
    }

    // A reply far larger than any answer of the service is given up.
    void oversizedReplyIsAFailure()
    {
        const QByteArray body(65 * 1024 * 1024, ' ');
        QTcpServer server;
        const QList<QVariant> reply = requestServedBy(server, body, body.size());
        QCOMPARE(reply.value(0).toInt(), 4);
        QCOMPARE(reply.value(1).toString(), QStringLiteral("服务器的应答过大"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("path"); // of a GET; the service refuses when empty
        QTest::addColumn<bool>("sign");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text"); // part of the answer or error text
        QTest::newRow("unknown path") << "/api/v1/no/such/thing" << true << 4 << "Not Found";
        QTest::newRow("refused connection") << QString() << false << 4 << QString();
    }

    void answers()
    {
        QFETCH(QString, path);
        QFETCH(bool, sign);
        QFETCH(int, status);
        QFETCH(QString, text);
        if (path.isEmpty()) {
            WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"),
                                               QStringLiteral("http://127.0.0.1:1"));
            path = QStringLiteral("/api/v1/app/list");
        }
        const QList<QVariant> done = request(path.toUtf8().constData(), QtNetworkWorker::Get, 2,
                                             sign);
        m_server->use();
        QCOMPARE(done.value(0).toInt(), status);
        QVERIFY2(!done.value(1).toString().isEmpty(), "no answer or error text");
        QVERIFY2(done.value(1).toString().contains(text), qPrintable(done.value(1).toString()));
        QCOMPARE(done.value(2).toInt(), 2);
    }

private:
    std::unique_ptr<CatalogueApiServer> m_server;
};

QTEST_GUILESS_MAIN(TstQtNetworkWorker)
#include "tst_qtnetworkworker.moc"
