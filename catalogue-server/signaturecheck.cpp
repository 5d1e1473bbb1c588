#include "signaturecheck.h"

#include <QCryptographicHash>

#include <ctime>

namespace {
const QString AppKey = QStringLiteral("kx20190303");
const QString AppSecret = QStringLiteral("Hq4NwZr8TbLk2VyD");
} // namespace

SignatureCheck::SignatureCheck(std::int64_t skewSeconds)
    : m_skewSeconds(skewSeconds)
{
}

QString SignatureCheck::textToSign(const QMap<QString, QString> &params)
{
    QString pairs;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        pairs += QLatin1Char('&') + it.key() + QLatin1Char('=') + it.value();
    return QStringLiteral("key=") + AppKey + pairs + QStringLiteral("&secret=") + AppSecret;
}

QString SignatureCheck::digest(const QMap<QString, QString> &params)
{
    const QByteArray hash = QCryptographicHash::hash(textToSign(params).toUtf8(),
                                                     QCryptographicHash::Md5);
    return QString::fromLatin1(hash.toHex());
}

QString SignatureCheck::verify(QMap<QString, QString> params, const QString &timestamp,
                               const QString &sign) const
{
    if (timestamp.isEmpty() || sign.isEmpty())
        return QStringLiteral("missing timestamp or sign header");
    bool isNumber = false;
    const qint64 seconds = timestamp.toLongLong(&isNumber);
    if (!isNumber || timestamp.startsWith(QLatin1Char('+')) || timestamp.startsWith('-'))
        return QStringLiteral("timestamp is not a number");
    const qint64 now = static_cast<qint64>(std::time(nullptr)) + m_skewSeconds;
    if (qAbs(now - seconds) > MaxClockDifference)
        return QStringLiteral("timestamp is more than five minutes off");
    params.insert(QStringLiteral("timestamp"), timestamp);
    if (digest(params) != sign)
        return QStringLiteral("wrong sign");
    return QString();
}
