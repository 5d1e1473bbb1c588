#include "catalogueserver.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int PayloadSize = 12 * 1024 * 1024;
// Slow enough that a whole download takes about half a second.
constexpr int BytesPerSecond = 24 * 1024 * 1024;
constexpr int Rounds = 6;
constexpr int MaxAttempts = 40;

QByteArray fileMd5(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(&file);
    return hash.result().toHex();
}

} // namespace

// A download whose process is killed with SIGKILL at random moments and
// started again each time must still end with the right file.
class TstDownloadResumeStress : public QObject
{
    Q_OBJECT
private slots:
    void killedDownloadsResume();
};

void TstDownloadResumeStress::killedDownloadsResume()
{
    QTemporaryDir served;
    QTemporaryDir local;
    QByteArray payload(PayloadSize, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(payload.data()),
                                          PayloadSize / 4);
    QFile source(served.filePath("package.7z"));
    QVERIFY(source.open(QIODevice::WriteOnly) && source.write(payload) == PayloadSize);
    source.close();
    const QByteArray digest = QCryptographicHash::hash(payload, QCryptographicHash::Md5).toHex();

    CatalogueServer server(served.path(), {"--rate", QString::number(BytesPerSecond)});
    QVERIFY(server.isRunning());
    const QString target = local.filePath("package.7z");

    int kills = 0;
    for (int round = 0; round < Rounds; ++round) {
        QFile::remove(target);
        bool completed = false;
        for (int attempt = 0; attempt < MaxAttempts && !completed; ++attempt) {
            QProcess client;
            client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            client.start(QStringLiteral(LWA_DOWNLOAD_CLIENT),
                         {server.fileUrl("package.7z"), target, QString::fromLatin1(digest)});
            QVERIFY(client.waitForStarted(5000));
            const int killAfterMs = QRandomGenerator::global()->bounded(30, 450);
            if (client.waitForFinished(killAfterMs)) {
                QVERIFY2(client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0,
                         client.readAllStandardOutput().constData());
                completed = true;
            } else {
                client.kill();
                QVERIFY(client.waitForFinished(5000));
                ++kills;
            }
        }
        QVERIFY2(completed, qPrintable(QStringLiteral("round %1 never completed").arg(round)));
        QCOMPARE(fileMd5(target), digest);
    }

    // The rounds were interrupted and picked up where they stopped.
    QVERIFY(kills >= Rounds);
    const QStringList resumed = server.requests("GET").filter(
            QRegularExpression(" bytes=[1-9][0-9]*-$"));
    QVERIFY2(!resumed.isEmpty(), qPrintable(server.requests().join('\n')));
}

QTEST_GUILESS_MAIN(TstDownloadResumeStress)
#include "tst_downloadresumestress.moc"
