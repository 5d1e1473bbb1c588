#include "catalogueserver.h"

#include <QFile>
#include <QRegularExpression>

CatalogueServer::CatalogueServer(const QString &root, const QStringList &options)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(LWA_CATALOGUE_SERVER),
                    QStringList{QStringLiteral("--root"), root, QStringLiteral("--log"),
                                m_logDir.filePath(QStringLiteral("requests.log"))}
                            + options);
    // The first line names the address once the server listens.
    const QByteArray prefix = "listening on ";
    while (m_process.waitForReadyRead(5000) || m_process.canReadLine()) {
        if (!m_process.canReadLine())
            continue;
        const QByteArray line = m_process.readLine().trimmed();
        if (line.startsWith(prefix)) {
            m_base = QString::fromLatin1(line.mid(prefix.size()));
            break;
        }
    }
}

CatalogueServer::~CatalogueServer()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool CatalogueServer::isRunning() const
{
    return !m_base.isEmpty() && m_process.state() == QProcess::Running;
}

QString CatalogueServer::url(const QString &path) const
{
    return m_base + path;
}

QString CatalogueServer::fileUrl(const QString &name) const
{
    return url(QStringLiteral("/files/") + name);
}

QStringList CatalogueServer::requests() const
{
    QFile log(m_logDir.filePath(QStringLiteral("requests.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList CatalogueServer::requests(const QString &method) const
{
    return requests().filter(QRegularExpression(QLatin1Char('^') + method + QLatin1Char(' ')));
}
