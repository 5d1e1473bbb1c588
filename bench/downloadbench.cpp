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

#include <sys/resource.h>
#include <time.h>
#include <utility>

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

// CPU time of this process, and of its waited-for children: on a busy
// machine these are steadier than wall-clock times.
double ownCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto toSeconds = [](const timeval &t) {
        return t.tv_sec + t.tv_usec / 1e6;
    };
    return toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
}

struct Timing
{
    double wall = -1;
    double cpu = -1;
};

// Measures one run of `work`, which returns false when it failed.
template<typename Work>
Timing measure(Work work)
{
    const double ownBefore = ownCpuSeconds();
    const double childrenBefore = childrenCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    if (!work())
        return {};
    return {seconds(timer), ownCpuSeconds() - ownBefore + childrenCpuSeconds() - childrenBefore};
}

bool download(const QString &url, const QString &target)
{
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
    downloader.startDownLoad();
    loop.exec();
    return status == WineAstHttpDownload::DownloadFinished;
}

bool runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

// The best of a few runs of each, taken in turns so that both see the same
// load of the machine: the figures least disturbed by the rest of it.
template<typename Ours, typename Reference>
std::pair<Timing, Timing> compare(int runs, Ours ours, Reference reference)
{
    Timing bestOurs;
    Timing bestReference;
    const auto keepBest = [](Timing &best, const Timing &timing) {
        if (best.wall < 0 || timing.wall < best.wall)
            best.wall = timing.wall;
        if (best.cpu < 0 || timing.cpu < best.cpu)
            best.cpu = timing.cpu;
    };
    for (int i = 0; i < runs; ++i) {
        const Timing oursTiming = measure(ours);
        const Timing referenceTiming = measure(reference);
        if (oursTiming.wall < 0 || referenceTiming.wall < 0)
            return {};
        keepBest(bestOurs, oursTiming);
        keepBest(bestReference, referenceTiming);
    }
    return {bestOurs, bestReference};
}

QString rate(qint64 size, double secondsTaken)
{
    return QString::number(size / MiB / secondsTaken, 'f', 0) + QStringLiteral(" MiB/s");
}

void report(const QString &what, qint64 size, const Timing &ours, const Timing &reference,
            double target)
{
    const double ratio = reference.wall / ours.wall;
    out() << what << ":\n  wall " << rate(size, ours.wall) << " vs " << rate(size, reference.wall)
          << ", ratio " << QString::number(ratio, 'f', 2) << " (target " << target << ", "
          << (ratio >= target ? "met" : "NOT met") << ")\n  per CPU second " << rate(size, ours.cpu)
          << " vs " << rate(size, reference.cpu) << ", ratio "
          << QString::number(reference.cpu / ours.cpu, 'f', 2) << '\n';
    out().flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 sizeMiB = QCoreApplication::arguments().value(1).toLongLong();
    const qint64 size = (sizeMiB > 0 ? sizeMiB : 1024) * MiB;
    const int runs = 5;

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

    const auto [ours, curl] = compare(
            runs,
            [&] {
                QFile::remove(target);
                return download(url, target);
            },
            [&] {
                QFile::remove(target);
                return runProgram("curl", {"-s", "-o", target, url});
            });
    if (ours.wall < 0) {
        out() << "a download failed\n";
        return 1;
    }
    report("download (WineAstHttpDownload / curl -o)", size, ours, curl, 0.9);

    const QString hex = QString::fromLatin1(md5);
    const auto [check, md5sum] = compare(
            runs, [&] { return WineAstHttpDownload::checkFileMD5(hex, target); },
            [&] { return runProgram("md5sum", {target}); });
    if (check.wall < 0) {
        out() << "the checksum did not match\n";
        return 1;
    }
    report("MD5 (checkFileMD5 / md5sum)", size, check, md5sum, 0.9);
    return 0;
}
