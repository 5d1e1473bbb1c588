#ifndef ACCOUNTSERVICETESTUTIL_H
#define ACCOUNTSERVICETESTUTIL_H

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

/*
 * The stand-in desktop account services (lirvan-account-service) on the
 * test's session bus, with the given options ("--logged-in", "--decline",
 * "--code", ...), recording the calls they receive.
 */
class AccountServiceProcess
{
public:
    explicit AccountServiceProcess(const QStringList &options = {});
    ~AccountServiceProcess();

    // True once every service name is taken.
    bool isReady() const { return m_ready; }

    // The calls received so far: {"method": ..., "arguments": [...]}.
    QList<QJsonObject> calls() const;
    QStringList methods() const;
    // Waits until `count` calls of the method have arrived.
    bool waitForCalls(const QString &method, int count = 1) const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    bool m_ready = false;
};

#endif // ACCOUNTSERVICETESTUTIL_H
