#ifndef SIGNATURECHECK_H
#define SIGNATURECHECK_H

#include <QMap>
#include <QString>

#include <cstdint>

/*
 * The catalogue's request authentication: a client sends the headers
 * "timestamp" (seconds since the epoch) and "sign", the lower-case MD5 of
 *
 *   key=<application key>&k1=v1&k2=v2...&secret=<application secret>
 *
 * where the pairs are the request's parameters plus "timestamp", ordered by
 * key. A request is accepted when the digest matches and its timestamp is at
 * most five minutes away from the server's clock.
 */
class SignatureCheck
{
public:
    static constexpr std::int64_t MaxClockDifference = 300;

    // skewSeconds is added to the server's clock, to make clients look late.
    explicit SignatureCheck(std::int64_t skewSeconds = 0);

    static QString textToSign(const QMap<QString, QString> &params);
    static QString digest(const QMap<QString, QString> &params);

    // params: the request's parameters without "timestamp". Empty result
    // when accepted, otherwise the reason of the refusal.
    QString verify(QMap<QString, QString> params, const QString &timestamp,
                   const QString &sign) const;

private:
    std::int64_t m_skewSeconds;
};

#endif // SIGNATURECHECK_H
