#include "calllog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

CallLog::CallLog(const QString &path)
    : m_path(path)
{
}

void CallLog::record(const QString &method, const QVariantList &arguments) const
{
    if (m_path.isEmpty())
        return;
    const QJsonObject entry{{QStringLiteral("method"), method},
                            {QStringLiteral("arguments"), QJsonArray::fromVariantList(arguments)}};
    // Appended line by line: a reader sees every call as soon as it is made.
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n');
}
