#include "wineastappdownloadpoint.h"

#include "qtnetworkworker.h"

#include <QJsonDocument>
#include <QJsonObject>

WineAstAppDownloadPoint::WineAstAppDownloadPoint()
    : m_worker(std::make_unique<QtNetworkWorker>())
{
    connect(m_worker.get(), &QtNetworkWorker::signalFinished, this,
            &WineAstAppDownloadPoint::slotRequestFinished);
}

WineAstAppDownloadPoint::~WineAstAppDownloadPoint() = default;

void WineAstAppDownloadPoint::requestDownloadPoint(int id, const QString &name, int typeId)
{
    // The body and the signed parameters carry the same fields.
    QJsonObject report;
    QMap<QString, QString> params;
    if (id != 0) {
        report.insert(QStringLiteral("id"), id);
        params.insert(QStringLiteral("id"), QString::number(id));
    }
    if (!name.isEmpty()) {
        report.insert(QStringLiteral("name"), name);
        params.insert(QStringLiteral("name"), name);
    }
    if (typeId != 0) {
        report.insert(QStringLiteral("type_id"), typeId);
        params.insert(QStringLiteral("type_id"), QString::number(typeId));
    }
    m_worker->setRequest(QStringLiteral("/api/v1/app/log/download"),
                         QJsonDocument(report).toJson(QJsonDocument::Indented),
                         QtNetworkWorker::Post, 0);
    m_worker->signRequest(params);
    m_worker->startRequest();
}

void WineAstAppDownloadPoint::slotRequestFinished(int status, QString strData, int id)
{
    Q_UNUSED(id)
    emit signalFinished(status, strData);
}
