#ifndef QTNETWORKWORKER_H
#define QTNETWORKWORKER_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class QHttpMultiPart;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QTextDecoder;
class QTimer;

/*
 * The HTTP client of the catalogue service. An owner sets a request (path
 * below the service address, body, method), signs it, attaches a multipart
 * body when uploading, starts it and receives one signalFinished with the
 * reply body (status 3) or the network layer's error text (status 4).
 *
 * Requests are signed with the headers "timestamp" and "sign", the MD5 of
 * "key=<app key>&k1=v1&...&secret=<app secret>" over the request's
 * parameters and the timestamp, ordered by key.
 *
 * A request that moves no byte for requestTimeoutMs() (30 s), or that takes
 * ten times as long in all, is aborted and ends as failed, so that a service
 * that accepts the connection and never answers cannot leave its owner
 * waiting for ever.
 *
 * The body is decoded as it arrives, a piece per pass of the event loop, so
 * that a reply of megabytes costs the GUI thread no long moment at its end.
 */
class QtNetworkWorker : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtNetworkWorker)
public:
    enum RequestMethod { NoRequest = -1, Post = 0, Get = 1, PostMultiPart = 3 };
    enum ReplyStatus { Finished = 3, Failed = 4 };

    explicit QtNetworkWorker(QObject *parent = nullptr);
    ~QtNetworkWorker() override;

    void setRequest(const QString &path, const QByteArray &body, int method, int id);
    // Inserts "timestamp" into params and adds the signing headers.
    void signRequest(QMap<QString, QString> &params);
    // The worker does not take ownership of multiPart, which must live until
    // the request has finished.
    void setMultiPart(QHttpMultiPart *multiPart, const QString &contentType);
    void startRequest();

    // The text whose MD5 is the signature of these parameters.
    static QString signingText(const QMap<QString, QString> &params);
    // 30 s, or LWA_REQUEST_TIMEOUT_MS when that is set (tests shorten it).
    static int requestTimeoutMs();

signals:
    void signalFinished(int status, QString strData, int id);

public slots:
    void OnReplyFinished();

private:
    bool isBusy() const;
    void onProgress();
    void onReadyRead();
    void onTimedOut();
    // Ends the current request as failed with text, for a reply that is
    // too slow or too large.
    void giveUp(const QString &text);

    QNetworkAccessManager *m_manager = nullptr;
    QNetworkReply *m_reply = nullptr;
    std::unique_ptr<QNetworkRequest> m_request;
    QHttpMultiPart *m_multiPart = nullptr;
    QByteArray m_body;
    int m_method = NoRequest;
    int m_id = 0;
    int m_replyId = 0; // the id of the request m_reply answers
    QTimer *m_idleTimer;
    QElapsedTimer m_sinceStart;
    std::unique_ptr<QTextDecoder> m_decoder; // of the current reply's body
    QString m_text; // its body so far
    qint64 m_received = 0; // bytes of that body
};

#endif // QTNETWORKWORKER_H
