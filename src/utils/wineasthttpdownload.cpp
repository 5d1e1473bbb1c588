#include "wineasthttpdownload.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

constexpr int MaxRedirects = 10;
// A transfer that receives nothing for this long is given up.
constexpr int DefaultIdleTimeoutMs = 60 * 1000;
// Without a known total, progress is reported per this many bytes.
constexpr qint64 UnknownSizeProgressStep = 1024 * 1024;
// Small enough to stay in the CPU cache while it is hashed.
constexpr qint64 Md5ReadChunk = 64 * 1024;
constexpr qint64 WriteChunk = 256 * 1024;

int idleTimeoutMs()
{
    // Tests shorten the time-out; nothing else sets this variable.
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("LWA_DOWNLOAD_IDLE_TIMEOUT_MS", &ok);
    return ok && value > 0 ? value : DefaultIdleTimeoutMs;
}

bool isRedirect(int httpStatus)
{
    return httpStatus == 301 || httpStatus == 302 || httpStatus == 303 || httpStatus == 307
           || httpStatus == 308;
}

// Only these answers to the body request carry the file's bytes.
bool carriesBody(int httpStatus)
{
    return httpStatus == 200 || httpStatus == 206;
}

int httpStatusOf(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

WineAstHttpDownload::WineAstHttpDownload(const TPublishedAppInfo &info, QObject *parent)
    : QObject(parent)
    , m_md5(info.MD5)
    , m_url(info.Url)
    , m_localPath(info.localPath)
    , m_manager(new QNetworkAccessManager(this))
    , m_idleTimer(new QTimer(this))
{
    m_idleTimer->setSingleShot(true);
    m_idleTimer->setInterval(idleTimeoutMs());
    connect(m_idleTimer, &QTimer::timeout, this, &WineAstHttpDownload::onStalled);
}

WineAstHttpDownload::~WineAstHttpDownload()
{
    stopDownLoad();
}

void WineAstHttpDownload::startDownLoad()
{
    qDebug() << QStringLiteral("download %1 to %2").arg(m_url, m_localPath);
    if (m_url.isEmpty()) {
        if (m_localPath.isEmpty())
            emit signalStatus(DownloadFailed, QStringLiteral("URL and strLocalPath is null "));
        else if (QFile::exists(m_localPath))
            emit signalStatus(DownloadFinished,
                              QStringLiteral("strLocalPath is %1").arg(m_localPath));
        else
            emit signalStatus(DownloadFailed, QStringLiteral("strLocalPath is not exists ! "));
        return;
    }
    if (m_running)
        return;

    m_running = true;
    m_redirects = 0;
    const QFileInfo local(m_localPath);
    m_startSize = local.exists() ? local.size() : 0;
    requestHeader();
}

void WineAstHttpDownload::stopDownLoad()
{
    if (!m_reply) {
        emit signalStatus(DownloadFailed, QStringLiteral("reply is null ."));
        return;
    }
    releaseReply();
    m_idleTimer->stop();
    qInfo() << "downloaded size: " << QFileInfo(m_localPath).size();
    m_file.close();
    m_running = false;
}

bool WineAstHttpDownload::isDownloading() const
{
    return m_running;
}

QByteArray WineAstHttpDownload::getFileMd5(const QString &path)
{
    QFile file(path);
    // Read straight into our buffer; QFile's own buffer would only add a copy.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qDebug() << "file open error.";
        return QByteArray();
    }
    QCryptographicHash hash(QCryptographicHash::Md5);
    const qint64 total = file.size();
    QByteArray buffer(int(qMin(Md5ReadChunk, qMax<qint64>(total, 1))), Qt::Uninitialized);
    qint64 done = 0;
    while (done < total) {
        const qint64 got = file.read(buffer.data(), qMin<qint64>(buffer.size(), total - done));
        if (got <= 0)
            break;
        hash.addData(buffer.constData(), int(got));
        done += got;
    }
    return hash.result();
}

bool WineAstHttpDownload::checkFileMD5(const QString &md5, const QString &path)
{
    if (md5.isEmpty())
        return true;
    qDebug() << md5 << " : " << path;
    if (!QFileInfo(path).isReadable()) {
        qWarning() << "file open error.";
        return false;
    }
    const QString actual = QString::fromLatin1(getFileMd5(path).toHex());
    // Catalogues publish digests in either case.
    return md5.compare(actual, Qt::CaseInsensitive) == 0;
}

QNetworkRequest WineAstHttpDownload::makeRequest() const
{
    QNetworkRequest request(QUrl(m_url, QUrl::TolerantMode));
    // Redirects are followed by hand so that they can be counted and
    // resolved; sizes and ranges refer to the stored bytes, so nothing may
    // be decompressed on the way.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setRawHeader("Accept-Encoding", "identity");
    return request;
}

void WineAstHttpDownload::requestHeader()
{
    qDebug() << "request header " << m_url;
    track(m_manager->head(makeRequest()), HeaderPhase);
}

void WineAstHttpDownload::requestBody()
{
    QNetworkRequest request = makeRequest();
    const QByteArray range = "bytes=" + QByteArray::number(m_startSize) + '-';
    request.setRawHeader("Range", range);
    qDebug() << "download Range = " << range;
    track(m_manager->get(request), BodyPhase);
}

void WineAstHttpDownload::track(QNetworkReply *reply, Phase phase)
{
    releaseReply();
    m_reply = reply;
    m_phase = phase;
    connect(reply, &QNetworkReply::finished, this, &WineAstHttpDownload::onfinishedRequest);
    // The reply's read buffer stays unlimited: a limit makes the network
    // thread stop and start again all the time, which costs more than the
    // memory it saves, as onReadyRead() drains the buffer each time.
    if (phase == BodyPhase)
        connect(reply, &QNetworkReply::readyRead, this, &WineAstHttpDownload::onReadyRead);
    m_idleTimer->start();
}

void WineAstHttpDownload::releaseReply()
{
    if (!m_reply)
        return;
    // Disconnect first: abort() emits finished() at once.
    disconnect(m_reply, nullptr, this, nullptr);
    m_reply->abort();
    m_reply->deleteLater();
    m_reply = nullptr;
}

void WineAstHttpDownload::onfinishedRequest()
{
    if (!m_reply) {
        emit signalStatus(DownloadFailed, QStringLiteral("reply is null "));
        return;
    }
    m_idleTimer->stop();
    m_httpStatus = httpStatusOf(m_reply);
    if (m_phase == HeaderPhase)
        handleHeaderReply();
    else
        handleBodyReply();
}

void WineAstHttpDownload::handleHeaderReply()
{
    qDebug() << "request status code: " << m_httpStatus;
    if (m_httpStatus == 200)
        handleHeaderOk();
    else if (isRedirect(m_httpStatus))
        followRedirect();
    else
        emit signalStatus(DownloadFailed, m_reply->errorString());
}

void WineAstHttpDownload::handleHeaderOk()
{
    bool ok = false;
    const qint64 length = m_reply->rawHeader("Content-Length").toLongLong(&ok);
    m_totalSize = ok && length > 0 ? length : 0;
    qDebug() << "m_fileSize = " << m_totalSize;

    if (m_totalSize != 0 && m_startSize == m_totalSize) {
        if (checkFileMD5(m_md5, m_localPath)) {
            qInfo() << "file is exist!";
            emit signalStatus(DownloadFinished, QStringLiteral("file is exist ! "));
            return;
        }
        qInfo() << "MD5 not match, download again";
        removeLocalFile();
    } else if (m_startSize > m_totalSize) {
        qInfo() << m_localPath + QStringLiteral(" is large than request");
        removeLocalFile();
    }
    requestBody();
}

void WineAstHttpDownload::followRedirect()
{
    if (m_redirects >= MaxRedirects) {
        emit signalStatus(DownloadFailed, tr("Too many redirects (more than %1) for %2")
                                                  .arg(QString::number(MaxRedirects), m_url));
        return;
    }
    const QUrl target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    if (target.isEmpty()) {
        emit signalStatus(DownloadFailed, tr("Redirect without a target from %1").arg(m_url));
        return;
    }
    ++m_redirects;
    // A relative target is relative to the address that answered.
    m_url = m_reply->url().resolved(target).toString();
    requestHeader();
}

void WineAstHttpDownload::handleBodyReply()
{
    m_file.close();
    qDebug() << "download finished!" << m_reply->error() << m_reply->errorString();
    if (m_reply->error() != QNetworkReply::NoError) {
        emit signalStatus(DownloadFailed, m_reply->errorString());
        qWarning() << m_url << " download file: " << m_reply->error() << m_reply->errorString();
        return;
    }
    if (!carriesBody(m_httpStatus)) {
        emit signalStatus(DownloadFailed, tr("Unexpected HTTP status %1 from %2")
                                                  .arg(QString::number(m_httpStatus), m_url));
        return;
    }
    // An empty body never opened the file; the caller expects it to exist.
    if (!QFile::exists(m_localPath) && !openLocalFile())
        return;
    m_file.close();
    const qint64 size = QFileInfo(m_localPath).size();
    if (m_totalSize > 0 && size != m_totalSize) {
        emit signalStatus(DownloadFailed,
                          tr("Downloaded %1 bytes of %2, expected %3 bytes")
                                  .arg(QString::number(size), m_url, QString::number(m_totalSize)));
        return;
    }
    emit signalStatus(DownloadFinished, QStringLiteral("download finished!"));
}

void WineAstHttpDownload::onReadyRead()
{
    if (!m_reply) {
        emit signalStatus(DownloadFailed, QStringLiteral("reply is null "));
        return;
    }
    m_idleTimer->start();
    // An error page or a redirect notice is not part of the file.
    if (!carriesBody(httpStatusOf(m_reply))) {
        m_reply->readAll();
        return;
    }
    if (!m_file.isOpen() && !openLocalFile())
        return;

    // Written in pieces so that progress is reported per per cent even when
    // a fast link delivers many megabytes at once. A receiver of the progress
    // signal may stop the download in between.
    while (m_reply && m_file.isOpen() && m_reply->bytesAvailable() > 0) {
        const qint64 got = m_reply->read(m_buffer.data(), m_buffer.size());
        if (got <= 0)
            break;
        if (m_file.write(m_buffer.constData(), got) != got) {
            abortWithError(tr("Cannot write %1: %2").arg(m_localPath, m_file.errorString()));
            return;
        }
        m_currentSize += got;
        reportProgress();
    }
}

bool WineAstHttpDownload::openLocalFile()
{
    // A server that ignores the range sends the whole file: it replaces the
    // partial one instead of being appended to it.
    const bool wholeFile = m_startSize > 0 && httpStatusOf(m_reply) == 200;
    if (wholeFile) {
        qInfo() << "server ignored the range, writing" << m_localPath << "anew";
        m_startSize = 0;
    }
    QDir().mkpath(QFileInfo(m_localPath).absolutePath());
    m_file.setFileName(m_localPath);
    // Unbuffered: the pieces are large already, and a failing write (a full
    // disk, a file size limit) must show at once, not at close.
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered
                                     | (wholeFile ? QIODevice::Truncate : QIODevice::Append);
    if (!m_file.open(mode)) {
        abortWithError(tr("Cannot open %1: %2").arg(m_localPath, m_file.errorString()));
        return false;
    }
    m_currentSize = m_file.size();
    m_reportedSize = m_currentSize;
    // One buffer for the whole transfer: a fresh one per piece would be
    // mapped and unmapped by the allocator every time.
    if (m_buffer.isEmpty())
        m_buffer.resize(int(WriteChunk));
    emit signalDownloadProgress(m_startSize, m_totalSize);
    return true;
}

void WineAstHttpDownload::removeLocalFile()
{
    m_file.close();
    QFile::remove(m_localPath);
    m_startSize = 0;
}

void WineAstHttpDownload::reportProgress()
{
    // About one signal per whole per cent, not one per network packet.
    const qint64 step = m_totalSize > 0 ? m_totalSize / 100 : UnknownSizeProgressStep;
    if (m_currentSize - m_reportedSize <= step)
        return;
    m_reportedSize = m_currentSize;
    emit signalDownloadProgress(m_currentSize, m_totalSize);
}

void WineAstHttpDownload::onStalled()
{
    abortWithError(tr("No data received for %1 s from %2, download stopped")
                           .arg(QString::number(m_idleTimer->interval() / 1000.0), m_url));
}

void WineAstHttpDownload::abortWithError(const QString &text)
{
    // The reply stays current (stopped) so that stopDownLoad() still finds it;
    // the partial file is kept for a later resume.
    m_idleTimer->stop();
    if (m_reply) {
        disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
    }
    m_file.close();
    qWarning() << m_url << " download file: " << text;
    emit signalStatus(DownloadFailed, text);
}
