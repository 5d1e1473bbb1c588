#include "qtnetworkworker.h"

#include "winesettings.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QHttpMultiPart>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTextCodec>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace {

const QString AppKey = QStringLiteral("kx20190303");
const QString AppSecret = QStringLiteral("Hq4NwZr8TbLk2VyD");
const QByteArray JsonType = QByteArrayLiteral("application/json");
constexpr int DefaultRequestTimeoutMs = 30 * 1000;
// A reply that keeps trickling in is still cut off after this many time-outs.
constexpr int MaxTimeoutsInAll = 10;
// The whole catalogue is a few MB; a reply far beyond that is not an answer
// this program can use, and keeping it would only fill the memory.
constexpr qint64 MaxReplyBytes = 64 * 1024 * 1024;

} // namespace

QtNetworkWorker::QtNetworkWorker(QObject *parent)
    : QObject(parent)
    , m_idleTimer(new QTimer(this))
{
    m_idleTimer->setSingleShot(true);
    connect(m_idleTimer, &QTimer::timeout, this, &QtNetworkWorker::onTimedOut);
}

int QtNetworkWorker::requestTimeoutMs()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("LWA_REQUEST_TIMEOUT_MS", &ok);
    return ok && value > 0 ? value : DefaultRequestTimeoutMs;
}

QtNetworkWorker::~QtNetworkWorker() = default;

void QtNetworkWorker::setRequest(const QString &path, const QByteArray &body, int method, int id)
{
    const QString baseUrl = WineSettings::instance()->stringValue(
            QStringLiteral("wine_oauth_host"));
    const QString urlText = QStringLiteral("%1%2").arg(baseUrl, path);
    m_request = std::make_unique<QNetworkRequest>(QUrl(urlText, QUrl::TolerantMode));
    // The service expects this content type on every request, GET included.
    m_request->setHeader(QNetworkRequest::ContentTypeHeader, JsonType);
    m_body = body;
    m_method = method;
    m_id = id;
    m_multiPart = nullptr;
}

QString QtNetworkWorker::signingText(const QMap<QString, QString> &params)
{
    QString pairs;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        pairs += QLatin1Char('&') + it.key() + QLatin1Char('=') + it.value();
    return QStringLiteral("key=%1%2&secret=%3").arg(AppKey, pairs, AppSecret);
}

void QtNetworkWorker::signRequest(QMap<QString, QString> &params)
{
    if (!m_request)
        return;
    const QString timestamp = QString::number(
            static_cast<quint32>(QDateTime::currentSecsSinceEpoch()));
    params.insert(QStringLiteral("timestamp"), timestamp);
    const QByteArray sign = QCryptographicHash::hash(signingText(params).toUtf8(),
                                                     QCryptographicHash::Md5)
                                    .toHex();
    m_request->setRawHeader(QByteArrayLiteral("timestamp"), timestamp.toLatin1());
    m_request->setRawHeader(QByteArrayLiteral("sign"), sign);
}

void QtNetworkWorker::setMultiPart(QHttpMultiPart *multiPart, const QString &contentType)
{
    if (!m_request)
        return;
    m_request->setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    m_request->setRawHeader(QByteArrayLiteral("Accept"), JsonType);
    m_multiPart = multiPart;
}

bool QtNetworkWorker::isBusy() const
{
    return m_reply && m_reply->isRunning();
}

void QtNetworkWorker::startRequest()
{
    if (!m_request || m_method == NoRequest)
        return;
    // OnReplyFinished answers the current reply only: a second request
    // would take its place and the first answer would be lost.
    if (isBusy()) {
        qWarning() << "A request is still under way, not sending" << m_request->url();
        return;
    }
    if (!m_manager)
        m_manager = new QNetworkAccessManager(this);

    QNetworkReply *reply = nullptr;
    switch (m_method) {
    case Post:
        reply = m_manager->post(*m_request, m_body);
        break;
    case Get:
        reply = m_manager->get(*m_request);
        break;
    case PostMultiPart:
        if (m_multiPart)
            reply = m_manager->post(*m_request, m_multiPart);
        break;
    default:
        break;
    }
    if (!reply)
        return;
    m_reply = reply;
    m_replyId = m_id;
    // Always UTF-8, whatever the locale's encoding; a byte-order mark stays
    // in the text as QString::fromUtf8() leaves it.
    m_decoder.reset(QTextCodec::codecForName("UTF-8")->makeDecoder(QTextCodec::IgnoreHeader));
    m_text.clear();
    m_received = 0;
    connect(reply, &QNetworkReply::readyRead, this, &QtNetworkWorker::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &QtNetworkWorker::OnReplyFinished);
    // Bytes moving either way show the service is alive: an upload of a
    // large log over a slow link is not cut off while it progresses.
    connect(reply, &QNetworkReply::uploadProgress, this, &QtNetworkWorker::onProgress);
    connect(reply, &QNetworkReply::downloadProgress, this, &QtNetworkWorker::onProgress);
    m_sinceStart.start();
    m_idleTimer->start(requestTimeoutMs());
}

void QtNetworkWorker::onProgress()
{
    if (m_sinceStart.elapsed() >= qint64(requestTimeoutMs()) * MaxTimeoutsInAll)
        onTimedOut();
    else
        m_idleTimer->start(requestTimeoutMs());
}

void QtNetworkWorker::onReadyRead()
{
    if (!m_reply)
        return;
    const QByteArray piece = m_reply->readAll();
    m_received += piece.size();
    if (m_received > MaxReplyBytes)
        giveUp(tr("服务器的应答过大"));
    else
        m_text += m_decoder->toUnicode(piece);
}

void QtNetworkWorker::onTimedOut()
{
    giveUp(tr("服务器在 %1 秒内没有应答").arg(QString::number(requestTimeoutMs() / 1000.0)));
}

void QtNetworkWorker::giveUp(const QString &text)
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    m_text.clear();
    m_idleTimer->stop();
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
    qWarning().noquote() << QStringLiteral("Have error str: ") + text;
    emit signalFinished(Failed, text, m_replyId);
}

void QtNetworkWorker::OnReplyFinished()
{
    qDebug() << "OnReplyFinished  ccs";
    // What is still buffered counts against the size limit as well.
    onReadyRead();
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    m_idleTimer->stop();
    // Answered replies are of no further use; the owners get the text.
    reply->deleteLater();

    if (reply->error() != QNetworkReply::NoError) {
        m_text.clear();
        const char *code = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(
                reply->error());
        qWarning().noquote() << QStringLiteral("Have error str: ") + reply->errorString()
                                        + QStringLiteral(" error code: ")
                                        + QString::fromLatin1(code);
        emit signalFinished(Failed, reply->errorString(), m_replyId);
        return;
    }
    const QString body = std::exchange(m_text, QString());
    qDebug() << "finished";
    emit signalFinished(Finished, body, m_replyId);
}
