// Throughput of WineAstHttpDownload against curl, and of checkFileMD5
// against md5sum, on a 1 GiB file served by the reference catalogue service
// on loopback. Prints the figures and their ratios.
//
//   lwa_bench_download [size in MiB, default 1024]

#include "catalogueserver.h"
#include "wineasthttpdownload.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr qint64 MiB = 1024 * 1024;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Random content, so that nothing along the way can take a short cut.
QByteArray writePayload(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Md5);
    QByteArray block(int(4 * MiB), Qt::Uninitialized);
    for (qint64 written = 0; written < size; written += block.size()) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()),
                                              block.size() / 4);
        hash.addData(block);
        file.write(block);
    }
    return hash.result().toHex();
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

double timeDownload(const QString &url, const QString &target)
{
    QFile::remove(target);
    TPublishedAppInfo info;
    info.Url = url;
    info.localPath = target;
    WineAstHttpDownload downloader(info);
    QEventLoop loop;
    int status = 0;
    QObject::connect(&downloader, &WineAstHttpDownload::signalStatus, &loop, [&](int result) {
        status = result;
        loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    downloader.startDownLoad();
    loop.exec();
    const double elapsed = seconds(timer);
    return status == WineAstHttpDownload::DownloadFinished ? elapsed : -1;
}

double timeProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return -1;
    return seconds(timer);
}

double timeChecksum(const QString &md5, const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    const bool match = WineAstHttpDownload::checkFileMD5(md5, path);
    return match ? seconds(timer) : -1;
}

// The best of a few runs: the figure least disturbed by the rest of the machine.
template<typename Run>
double best(int runs, Run run)
{
    double result = -1;
    for (int i = 0; i < runs; ++i) {
        const double elapsed = run();
        if (elapsed < 0)
            return -1;
        result = result < 0 ? elapsed : qMin(result, elapsed);
    }
    return result;
}

void report(const QString &what, qint64 size, double ours, double reference, double target)
{
    const double oursRate = size / MiB / ours;
    const double referenceRate = size / MiB / reference;
    const double ratio = oursRate / referenceRate;
    out() << what << ": " << QString::number(oursRate, 'f', 0) << " MiB/s vs "
          << QString::number(referenceRate, 'f', 0) << " MiB/s, ratio "
          << QString::number(ratio, 'f', 2) << " (target " << target << ", "
          << (ratio >= target ? "met" : "NOT met") << ")\n";
    out().flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 sizeMiB = QCoreApplication::arguments().value(1).toLongLong();
    const qint64 size = (sizeMiB > 0 ? sizeMiB : 1024) * MiB;
    const int runs = 3;

    QTemporaryDir served;
    QTemporaryDir local;
    const QByteArray md5 = writePayload(served.filePath("payload.bin"), size);
    CatalogueServer server(served.path());
    if (md5.isEmpty() || !server.isRunning()) {
        out() << "cannot prepare the payload or start the server\n";
        return 1;
    }
    const QString url = server.fileUrl("payload.bin");
    const QString target = local.filePath("payload.bin");
    out() << "file: " << size / MiB << " MiB on loopback, best of " << runs << " runs\n";
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    const double ours = best(runs, [&] { return timeDownload(url, target); });
    const double curl = best(runs, [&] {
        QFile::remove(target);
        return timeProgram("curl", {"-s", "-o", target, url});
    });
    if (ours < 0 || curl < 0) {
        out() << "a download failed\n";
        return 1;
    }
    report("download (WineAstHttpDownload / curl -o)", size, ours, curl, 0.9);

    const QString hex = QString::fromLatin1(md5);
    const double check = best(runs, [&] { return timeChecksum(hex, target); });
    const double md5sum = best(runs, [&] { return timeProgram("md5sum", {target}); });
    if (check < 0 || md5sum < 0) {
        out() << "the checksum did not match\n";
        return 1;
    }
    report("MD5 (checkFileMD5 / md5sum)", size, check, md5sum, 0.9);
    return 0;
}
