#ifndef WINEASTHTTPDOWNLOAD_H
#define WINEASTHTTPDOWNLOAD_H

#include "tpublishedappinfo.h"

#include <QFile>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QTimer;

/*
 * Downloads one file over HTTP to a local path. A partial file is resumed
 * with a byte range, a complete file whose MD5 matches is kept without a
 * transfer, and progress and the outcome are reported by signals. One object
 * serves one download; the caller retries with a new object.
 */
class WineAstHttpDownload : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WineAstHttpDownload)
public:
    enum Status { DownloadFinished = 3, DownloadFailed = 4 };

    explicit WineAstHttpDownload(const TPublishedAppInfo &info, QObject *parent = nullptr);
    ~WineAstHttpDownload() override;

    void startDownLoad();
    void stopDownLoad();
    bool isDownloading() const;

    // The 16 raw bytes of the file's MD5, empty when it cannot be read.
    static QByteArray getFileMd5(const QString &path);
    // True when md5 is empty or equals the file's MD5 in hexadecimal (any case).
    static bool checkFileMD5(const QString &md5, const QString &path);

signals:
    void signalDownloadProgress(qlonglong cur, qlonglong total);
    void signalStatus(int status, const QString &strCode);

private slots:
    void onfinishedRequest();
    void onReadyRead();

private:
    enum Phase { HeaderPhase = 0, BodyPhase = 1 };

    QNetworkRequest makeRequest() const;
    void requestHeader();
    void requestBody();
    void track(QNetworkReply *reply, Phase phase);
    void releaseReply();

    void handleHeaderReply();
    void handleHeaderOk();
    void followRedirect();
    void handleBodyReply();

    bool openLocalFile();
    void removeLocalFile();
    void reportProgress();
    void onStalled();
    void abortWithError(const QString &text);

    QString m_md5;
    QString m_url;
    QString m_localPath;
    QNetworkAccessManager *m_manager;
    QNetworkReply *m_reply = nullptr;
    QTimer *m_idleTimer;
    QFile m_file;
    QByteArray m_buffer;
    qint64 m_totalSize = 0;
    qint64 m_currentSize = 0;
    qint64 m_startSize = 0;
    qint64 m_reportedSize = 0;
    int m_httpStatus = 0;
    int m_redirects = 0;
    bool m_running = false;
    Phase m_phase = HeaderPhase;
};

#endif // WINEASTHTTPDOWNLOAD_H
