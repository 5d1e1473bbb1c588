#include "wineastapplogupload.h"

#include "qtnetworkworker.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QUuid>

namespace {

QString dispositionOf(const QString &name)
{
    return QStringLiteral("form-data; name=\"%1\"").arg(name);
}

} // namespace

WineAstAppLogUpload::WineAstAppLogUpload(const LogUploadInfo &info)
    : m_worker(std::make_unique<QtNetworkWorker>())
    , m_info(info)
{
    connect(m_worker.get(), &QtNetworkWorker::signalFinished, this,
            &WineAstAppLogUpload::slotRequestFinished);
}

WineAstAppLogUpload::~WineAstAppLogUpload() = default;

const LogUploadInfo &WineAstAppLogUpload::info() const
{
    return m_info;
}

void WineAstAppLogUpload::appendField(const QString &name, const QString &value)
{
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader, dispositionOf(name));
    part.setBody(value.toUtf8());
    m_multiPart->append(part);
}

void WineAstAppLogUpload::appendFile()
{
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   dispositionOf(QStringLiteral("file"))
                           + QStringLiteral("; filename=\"%1\"")
                                     .arg(QFileInfo(m_info.logFilePath).fileName()));
    part.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/octet-stream"));
    // The file belongs to the multipart body and is read while it is sent.
    auto *file = new QFile(m_info.logFilePath, m_multiPart);
    if (file->open(QIODevice::ReadOnly))
        part.setBodyDevice(file);
    else
        qWarning() << "Cannot read the log to upload" << m_info.logFilePath << file->errorString();
    m_multiPart->append(part);
}

void WineAstAppLogUpload::uploadLog()
{
    const QString boundary = QStringLiteral("----%1").arg(
            QUuid::createUuid().toString(QUuid::Id128));
    const QString contentType = QStringLiteral("multipart/form-data; boundary=%1").arg(boundary);
    // Each upload builds its own body, kept until this object goes.
    m_multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType, this);
    m_multiPart->setBoundary(boundary.toLatin1());

    // Logs of default-configuration installs belong to no catalogue entry.
    if (m_info.typeId == 1)
        m_info.appId = QStringLiteral("0");
    const QString categoryId = QString::number(m_info.categoryId);
    const QString typeId = QString::number(m_info.typeId);
    appendField(QStringLiteral("app_id"), m_info.appId);
    appendFile();
    appendField(QStringLiteral("desc"), m_info.desc);
    appendField(QStringLiteral("name"), m_info.appName);
    appendField(QStringLiteral("version"), m_info.version);
    appendField(QStringLiteral("category_id"), categoryId);
    appendField(QStringLiteral("type_id"), typeId);

    QMap<QString, QString> params{{QStringLiteral("app_id"), m_info.appId},
                                  {QStringLiteral("desc"), m_info.desc},
                                  {QStringLiteral("name"), m_info.appName},
                                  {QStringLiteral("version"), m_info.version},
                                  {QStringLiteral("category_id"), categoryId},
                                  {QStringLiteral("type_id"), typeId}};
    m_worker->setRequest(QStringLiteral("/api/v1/app/log/upload"), QByteArray(),
                         QtNetworkWorker::PostMultiPart, 0);
    m_worker->signRequest(params);
    m_worker->setMultiPart(m_multiPart, contentType);
    m_worker->startRequest();
}

void WineAstAppLogUpload::slotRequestFinished(int status, QString strData, int id)
{
    Q_UNUSED(id)
    qInfo() << "status:" << status;
    qInfo() << "strData:" << strData;
    emit signalFinished(status, strData);
}
