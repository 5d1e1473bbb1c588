#include "accountservicetestutil.h"

#include "catalogueapiserver.h"

#include <QtTest>

AccountServiceProcess::AccountServiceProcess(const QStringList &options)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(LWA_BINARY_DIR "/bin/lirvan-account-service"),
                    QStringList{QStringLiteral("--log"), m_dir.filePath(QStringLiteral("calls"))}
                            + options);
    while (!m_ready && m_process.waitForReadyRead(10000)) {
        while (m_process.canReadLine()) {
            if (m_process.readLine().trimmed() == "ready")
                m_ready = true;
        }
    }
}

AccountServiceProcess::~AccountServiceProcess()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QList<QJsonObject> AccountServiceProcess::calls() const
{
    return CatalogueApiServer::jsonLines(m_dir.filePath(QStringLiteral("calls")));
}

QStringList AccountServiceProcess::methods() const
{
    QStringList methods;
    const QList<QJsonObject> received = calls();
    for (const QJsonObject &call : received)
        methods << call.value(QStringLiteral("method")).toString();
    return methods;
}

bool AccountServiceProcess::waitForCalls(const QString &method, int count) const
{
    return QTest::qWaitFor([&] { return methods().count(method) >= count; }, 15000);
}
