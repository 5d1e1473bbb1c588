#include "cataloguereply.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace CatalogueReply {

QJsonObject QstringToJson(const QString &text)
{
    // UTF-8, not the locale's encoding: application names are Chinese.
    QByteArray bytes = text.toUtf8();
    const int end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (document.isNull())
        qDebug() << "String NULL" << text;
    return document.object();
}

TPublishedAppInfo appFromJson(const QJsonObject &app)
{
    TPublishedAppInfo info;
    info.installType = 0;
    info.appName = app.value(QStringLiteral("name")).toString();
    info.score = app.value(QStringLiteral("score")).toDouble();
    info.id = app.value(QStringLiteral("id")).toInt();
    info.categories = app.value(QStringLiteral("category_id")).toInt();
    info.version = app.value(QStringLiteral("version")).toString();
    const QJsonObject author = app.value(QStringLiteral("author_info")).toObject();
    info.author = author.value(QStringLiteral("username")).toString();
    info.avatar = author.value(QStringLiteral("avatar")).toString();
    info.packageName = app.value(QStringLiteral("package")).toString();
    info.icon = app.value(QStringLiteral("icon")).toString();
    info.createdAt = app.value(QStringLiteral("created_at")).toString();
    info.MD5 = app.value(QStringLiteral("md5_value")).toString();
    info.Url = app.value(QStringLiteral("download_url")).toString();
    return info;
}

QList<TPublishedAppInfo> appsFromReply(const QJsonObject &reply)
{
    QList<TPublishedAppInfo> apps;
    const QJsonArray data = reply.value(QStringLiteral("data")).toArray();
    for (const QJsonValue &app : data)
        apps.append(appFromJson(app.toObject()));
    return apps;
}

std::optional<QList<TPublishedAppInfo>> appListFromText(const QString &text)
{
    const QJsonObject reply = QstringToJson(text);
    // A reply without its list is no answer, though the transfer worked.
    if (!reply.value(QStringLiteral("data")).isArray())
        return std::nullopt;
    return appsFromReply(reply);
}

TPublishedAppInfo defaultConfigFromReply(const QJsonObject &reply)
{
    const QJsonObject data = reply.value(QStringLiteral("data")).toObject();
    TPublishedAppInfo info;
    info.installType = 1;
    info.id = -1;
    info.categories = -1;
    info.version = data.value(QStringLiteral("version")).toString();
    info.MD5 = data.value(QStringLiteral("md5_value")).toString();
    info.Url = data.value(QStringLiteral("download_url")).toString();
    return info;
}

QString queryValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace CatalogueReply
