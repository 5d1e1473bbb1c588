#include "winegetapplist.h"

#include "cataloguereply.h"
#include "qtnetworkworker.h"
#include "serialworker.h"

#include <QDebug>

using CatalogueReply::queryValue;

WineGetAppList::WineGetAppList(QObject *parent)
    : QObject(parent)
    , m_reader(new SerialWorker(this))
{
}

WineGetAppList::WineGetAppList(const QString &recommendName, QObject *parent)
    : QObject(parent)
    , m_recommendName(recommendName)
    , m_reader(new SerialWorker(this))
{
}

void WineGetAppList::setRecommendName(const QString &recommendName)
{
    m_recommendName = recommendName;
}

void WineGetAppList::setKeyword(const QString &keyword, bool installAble)
{
    m_keyword = keyword;
    m_installAble = installAble;
}

void WineGetAppList::setCategoryId(int categoryId)
{
    m_categoryId = categoryId;
}

QList<TPublishedAppInfo> &WineGetAppList::getApps()
{
    return m_apps;
}

const QString &WineGetAppList::lastReply() const
{
    return m_lastReply;
}

void WineGetAppList::ensureWorker()
{
    if (m_worker)
        return;
    m_worker = new QtNetworkWorker(this);
    connect(m_worker, &QtNetworkWorker::signalFinished, this, &WineGetAppList::slotRequestFinished);
}

void WineGetAppList::getAppList(int type)
{
    ensureWorker();
    const QString list = QStringLiteral("/api/v1/app/list");
    switch (type) {
    case AllApps:
        sendRequest(list, {});
        break;
    case RecommendedApps:
        sendRequest(list + QStringLiteral("?recommend_name=%1").arg(queryValue(m_recommendName)),
                    {{QStringLiteral("recommend_name"), m_recommendName}});
        break;
    case KeywordApps: {
        const QString installAble = m_installAble ? QStringLiteral("true")
                                                  : QStringLiteral("false");
        sendRequest(list
                            + QStringLiteral("?keyword=%1&install_able=%2")
                                      .arg(queryValue(m_keyword), installAble),
                    {{QStringLiteral("keyword"), m_keyword},
                     {QStringLiteral("install_able"), installAble}});
        break;
    }
    case CategoryApps: {
        const QString categoryId = QString::number(m_categoryId);
        sendRequest(list + QStringLiteral("?category_id=%1").arg(categoryId),
                    {{QStringLiteral("category_id"), categoryId}});
        break;
    }
    default:
        qDebug() << "type = [" << type << "] is err !";
        break;
    }
}

void WineGetAppList::sendRequest(const QString &path, QMap<QString, QString> params)
{
    m_worker->setRequest(path, QByteArray(), QtNetworkWorker::Get, 0);
    m_worker->signRequest(params);
    m_worker->startRequest();
}

void WineGetAppList::slotRequestFinished(int status, QString strData, int id)
{
    m_lastReply = strData;
    qInfo() << "status:" << status << "id:" << id;
    const bool transferred = status == QtNetworkWorker::Finished;
    if (!transferred)
        qDebug() << status << strData << id;
    // A failure takes the same way as an answer, so that the signals keep
    // the order of the replies.
    m_reader->run(
            [strData, transferred]() -> std::optional<QList<TPublishedAppInfo>> {
                if (!transferred)
                    return std::nullopt;
                return CatalogueReply::appListFromText(strData);
            },
            [this, status, strData](const std::optional<QList<TPublishedAppInfo>> &apps) {
                if (!apps) {
                    emit signalFailed(status, strData);
                    return;
                }
                m_apps.append(*apps);
                emit signalFinished();
            });
}
