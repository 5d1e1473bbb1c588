#include "winerecommandapps.h"

#include "cataloguereply.h"
#include "qtnetworkworker.h"
#include "winesettings.h"

#include <QDebug>
#include <QFileInfo>

namespace {
const QString LocalPathKey = QStringLiteral("local_path");
}

WineRecommandApps::WineRecommandApps(QObject *parent)
    : QObject(parent)
{
}

WineRecommandApps::WineRecommandApps(const QString &recommendName, QObject *parent)
    : QObject(parent)
    , m_recommendName(recommendName)
{
}

void WineRecommandApps::setRecommendName(const QString &recommendName)
{
    m_recommendName = recommendName;
}

QString WineRecommandApps::recommendName() const
{
    return m_recommendName;
}

QList<TPublishedAppInfo> &WineRecommandApps::getRecommandApps()
{
    return m_apps;
}

const QString &WineRecommandApps::lastReply() const
{
    return m_lastReply;
}

void WineRecommandApps::ensureWorker()
{
    if (m_worker)
        return;
    m_worker = new QtNetworkWorker(this);
    connect(m_worker, &QtNetworkWorker::signalFinished, this,
            &WineRecommandApps::slotRequestFinished);
}

void WineRecommandApps::requestRecommandApps()
{
    ensureWorker();
    if (m_recommendName.isEmpty())
        requestDefaultConfig();
    else
        requestList();
}

void WineRecommandApps::requestList()
{
    m_worker->setRequest(QStringLiteral("/api/v1/app/list?recommend_name=%1")
                                 .arg(CatalogueReply::queryValue(m_recommendName)),
                         QByteArray(), QtNetworkWorker::Get, ListRequest);
    QMap<QString, QString> params{{QStringLiteral("recommend_name"), m_recommendName}};
    m_worker->signRequest(params);
    m_worker->startRequest();
}

void WineRecommandApps::requestDefaultConfig()
{
    m_worker->setRequest(QStringLiteral("/api/v1/app/default/config"), QByteArray(),
                         QtNetworkWorker::Get, DefaultConfigRequest);
    QMap<QString, QString> params;
    m_worker->signRequest(params);
    m_worker->startRequest();
}

void WineRecommandApps::slotRequestFinished(int status, QString strData, int id)
{
    m_lastReply = strData;
    qInfo() << "status:" << status << "id:" << id;
    const bool finished = status == QtNetworkWorker::Finished;
    if (id == ListRequest) {
        if (finished)
            m_apps.append(CatalogueReply::appsFromReply(CatalogueReply::QstringToJson(strData)));
        requestDefaultConfig();
    } else if (id == DefaultConfigRequest) {
        const TPublishedAppInfo info = CatalogueReply::defaultConfigFromReply(
                CatalogueReply::QstringToJson(strData));
        // A reply without a package address (not JSON, an error page) is a
        // failed default step: nothing could be downloaded from it.
        if (!finished || info.Url.isEmpty())
            return setDefaultConfig();
        m_apps.append(info);
        emit signalFinished();
    } else {
        qDebug() << status << strData << id;
    }
}

// Without the service's default configuration, installations fall back to
// the default bottle archive shipped with the program.
void WineRecommandApps::setDefaultConfig()
{
    qDebug() << "----setDefaultConfig-----";
    if (!m_apps.isEmpty()) {
        emit signalFinished();
        return;
    }
    WineSettings *settings = WineSettings::instance();
    const QString defaultPath = WineSettings::defaultValue(LocalPathKey);
    QString localPath = settings->stringValue(LocalPathKey);
    if (localPath != defaultPath && !QFileInfo::exists(localPath)) {
        settings->setValue(LocalPathKey, defaultPath);
        localPath = defaultPath;
    }
    TPublishedAppInfo info;
    info.installType = 1;
    info.id = -1;
    info.categories = -1;
    info.version = QStringLiteral("1");
    info.localPath = localPath;
    m_apps.append(info);
    emit signalFinished();
}
