#include "catalogueapiserver.h"

#include "winesettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSignalSpy>

CatalogueApiServer::CatalogueApiServer(const QString &dataDir, const QStringList &options)
{
    const QString data = dataDir.isEmpty() ? sampleDataDir() : dataDir;
    const QStringList api{"--data",    data,
                          "--uploads", m_work.filePath("uploads"),
                          "--api-log", m_work.filePath("api.log")};
    m_server = std::make_unique<CatalogueServer>(data, api + options);
}

CatalogueApiServer::~CatalogueApiServer() = default;

QString CatalogueApiServer::sampleDataDir()
{
    return QStringLiteral(LWA_BINARY_DIR "/catalogue-data");
}

QString CatalogueApiServer::signFor(const QString &pairs)
{
    const QString text = QStringLiteral("key=kx20190303") + pairs
                         + QStringLiteral("&secret=Hq4NwZr8TbLk2VyD");
    return QString::fromLatin1(
            QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

bool CatalogueApiServer::waitFor(QSignalSpy &spy)
{
    return !spy.isEmpty() || spy.wait(15000);
}

bool CatalogueApiServer::writeCatalogue(const QString &dir, const QJsonObject &catalogue)
{
    QFile file(QDir(dir).filePath(QStringLiteral("catalogue.json")));
    const QByteArray data = QJsonDocument(catalogue).toJson();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

bool CatalogueApiServer::isRunning() const
{
    return m_server->isRunning();
}

QString CatalogueApiServer::baseUrl() const
{
    return m_server->url(QString());
}

void CatalogueApiServer::use() const
{
    WineSettings::instance()->setValue(QStringLiteral("wine_oauth_host"), baseUrl());
}

QList<QJsonObject> CatalogueApiServer::jsonLines(const QString &path)
{
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QList<QJsonObject> entries;
    const QList<QByteArray> lines = log.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.isEmpty())
            entries.append(QJsonDocument::fromJson(line).object());
    }
    return entries;
}

QList<QJsonObject> CatalogueApiServer::apiRequests() const
{
    return jsonLines(m_work.filePath(QStringLiteral("api.log")));
}

QStringList CatalogueApiServer::requests(const QString &method) const
{
    return m_server->requests(method);
}

QJsonObject CatalogueApiServer::lastApiRequest() const
{
    const QList<QJsonObject> entries = apiRequests();
    return entries.isEmpty() ? QJsonObject() : entries.last();
}

QString CatalogueApiServer::uploadDir(int number) const
{
    return m_work.filePath(QStringLiteral("uploads/") + QString::asprintf("%04d", number));
}

QJsonObject CatalogueApiServer::upload(int number) const
{
    QFile record(QDir(uploadDir(number)).filePath(QStringLiteral("upload.json")));
    if (!record.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(record.readAll()).object();
}

QStringList CatalogueApiServer::fileRequests() const
{
    return m_server->requests();
}
