// Stress figure of the resumable download: a download process is killed
// with SIGKILL at a random moment and a new process resumes the partial
// file, until one completes; every round must end with the right file.
//
//   lwa_bench_downloadkill [rounds, default 50]
//
// Prints the rounds, the kills, the resumed requests and the files whose
// MD5 did not match at the end (target 0); exits with 1 when a file did not
// match, a round never completed or no killed download was resumed. ctest
// runs it with a few rounds as tst_downloadresumestress.

#include "catalogueserver.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int PayloadSize = 12 * 1024 * 1024;
// Slow enough that a whole download takes about half a second.
constexpr int BytesPerSecond = 24 * 1024 * 1024;
constexpr int MaxAttempts = 60;

QByteArray fileMd5(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(&file);
    return hash.result().toHex();
}

// One client run, killed after killAfterMs unless it ends first; true when
// it completed.
bool runClient(const QStringList &arguments, int killAfterMs, int &kills)
{
    QProcess client;
    client.setStandardErrorFile(QProcess::nullDevice());
    client.start(QStringLiteral(LWA_DOWNLOAD_CLIENT), arguments);
    if (!client.waitForStarted(5000))
        return false;
    if (client.waitForFinished(killAfterMs))
        return client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
    client.kill();
    client.waitForFinished(5000);
    ++kills;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = qMax(1, app.arguments().value(1, QStringLiteral("50")).toInt());
    QTextStream out(stdout);

    QTemporaryDir served;
    QTemporaryDir local;
    QByteArray payload(PayloadSize, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(payload.data()),
                                          PayloadSize / 4);
    QFile source(served.filePath(QStringLiteral("package.7z")));
    if (!source.open(QIODevice::WriteOnly) || source.write(payload) != PayloadSize)
        return 1;
    source.close();
    const QByteArray digest = QCryptographicHash::hash(payload, QCryptographicHash::Md5).toHex();
    CatalogueServer server(served.path(),
                           {QStringLiteral("--rate"), QString::number(BytesPerSecond)});
    if (!server.isRunning()) {
        out << "the catalogue service did not start\n";
        return 1;
    }
    const QString target = local.filePath(QStringLiteral("package.7z"));
    const QStringList arguments = {server.fileUrl(QStringLiteral("package.7z")), target,
                                   QString::fromLatin1(digest)};

    QElapsedTimer timer;
    timer.start();
    int kills = 0;
    int mismatches = 0;
    int unfinished = 0;
    for (int round = 0; round < rounds; ++round) {
        QFile::remove(target);
        bool completed = false;
        for (int attempt = 0; attempt < MaxAttempts && !completed; ++attempt)
            completed = runClient(arguments, QRandomGenerator::global()->bounded(30, 450), kills);
        if (!completed)
            ++unfinished;
        else if (fileMd5(target) != digest)
            ++mismatches;
    }
    const int resumed = server.requests(QStringLiteral("GET"))
                                .filter(QRegularExpression(QStringLiteral(" bytes=[1-9][0-9]*-$")))
                                .size();
    out << "download of " << PayloadSize / (1024 * 1024) << " MiB at "
        << BytesPerSecond / (1024 * 1024)
        << " MiB/s, client killed with SIGKILL at random moments\n"
        << "rounds: " << rounds << "\n"
        << "kills: " << kills << ", resumed requests: " << resumed << "\n"
        << "mismatching files: " << mismatches << " (target 0)\n"
        << "rounds that never completed: " << unfinished << " (target 0)\n"
        << "time: " << timer.elapsed() / 1000.0 << " s\n";
    // Killed downloads that never resumed would be restarts, not resumes.
    const bool resumes = kills == 0 || resumed > 0;
    return mismatches == 0 && unfinished == 0 && resumes ? 0 : 1;
}
