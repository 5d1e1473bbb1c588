#include "wineastapplist.h"

#include "cataloguereply.h"
#include "qtnetworkworker.h"

#include <QDebug>
#include <QJsonArray>

WineAstApplist::WineAstApplist()
    : m_worker(new QtNetworkWorker)
{
    connect(m_worker.get(), &QtNetworkWorker::signalFinished, this,
            &WineAstApplist::slotRequestFinished);
}

WineAstApplist::~WineAstApplist() = default;

WineAstApplist *WineAstApplist::instance()
{
    static WineAstApplist applist;
    return &applist;
}

void WineAstApplist::requestAppList()
{
    m_worker->setRequest(QStringLiteral("/api/v1/app/category/list"), QByteArray(),
                         QtNetworkWorker::Get, 0);
    QMap<QString, QString> params;
    m_worker->signRequest(params);
    m_worker->startRequest();
}

QString WineAstApplist::categoryName(int categoryId)
{
    switch (categoryId) {
    case 1:
        return tr("网络应用");
    case 2:
        return tr("社交沟通");
    case 3:
        return tr("音乐欣赏");
    case 4:
        return tr("视频播放");
    case 5:
        return tr("图形图像");
    case 6:
        return tr("游戏娱乐");
    case 7:
        return tr("办公学习");
    case 8:
        return tr("阅读翻译");
    case 9:
        return tr("编程开发");
    case 10:
        return tr("系统管理");
    default:
        return tr("其他应用");
    }
}

const QMap<int, QString> &WineAstApplist::categories() const
{
    return m_categories;
}

void WineAstApplist::slotRequestFinished(int status, QString strData, int id)
{
    Q_UNUSED(id)
    qInfo() << "status: " << status;
    if (status == QtNetworkWorker::Finished) {
        const QJsonArray data
                = CatalogueReply::QstringToJson(strData).value(QStringLiteral("data")).toArray();
        for (const QJsonValue &value : data) {
            const QJsonObject category = value.toObject();
            m_categories.insert(category.value(QStringLiteral("id")).toInt(),
                                category.value(QStringLiteral("categories")).toString());
        }
    }
    emit signalFinished(status, strData);
}
