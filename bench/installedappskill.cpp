// Stress figure of the installed-apps file: a writer process adds
// applications one by one and is killed with SIGKILL at a random moment,
// round after round. After every kill the file must parse and hold every
// application whose write had returned (plus at most the one in progress).
//
//   lwa_bench_installedappskill [rounds, default 500]
//
// Prints the rounds, the writes confirmed before the kills, the records
// lost and the rounds that found the file unreadable (target: 0 and 0);
// exits with 1 when any was lost. ctest runs it with a few rounds as
// tst_jsonsavestress.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {

constexpr int AppCount = 200; // the writer's names app000 .. app199
constexpr int MaxDelayMs = 40;

QString appName(int index)
{
    return QStringLiteral("app%1").arg(index, 3, 10, QLatin1Char('0'));
}

// The names in the file; false when it exists but does not parse.
bool namesInFile(const QString &path, QSet<QString> &names)
{
    names.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QStringList keys = document.object().keys();
    names = QSet<QString>(keys.begin(), keys.end());
    return true;
}

// Runs the writer from `first`, kills it after delayMs; the index after the
// last write it reported as returned, or -1 when it did not start.
int runAndKill(const QString &writer, const QString &path, int first, int delayMs)
{
    QProcess child;
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(writer, {path, QString::number(first)});
    if (!child.waitForReadyRead(10000))
        return -1;
    QThread::msleep(ulong(delayMs));
    child.kill();
    child.waitForFinished(10000);
    int done = first;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        bool ok = false;
        const int index = line.toInt(&ok);
        if (ok)
            done = index + 1;
    }
    return done;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = qMax(1, app.arguments().value(1, QStringLiteral("500")).toInt());
    const QString writer = QStringLiteral(LWA_JSON_WRITER_CHILD);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".quennet/appinstallinfo.json"));

    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    qint64 confirmed = 0;
    int lost = 0;
    int unwritten = 0;
    int unreadable = 0;
    int fills = 0;
    QSet<QString> names;
    for (int round = 0; round < rounds; ++round) {
        if (!namesInFile(path, names)) {
            // Counted already; start over so that later rounds still count.
            QFile::remove(path);
            names.clear();
        }
        if (names.size() >= AppCount) {
            ++fills;
            QFile::remove(path);
            names.clear();
        }
        const int first = names.size();
        const int done = runAndKill(writer, path, first,
                                    QRandomGenerator::global()->bounded(MaxDelayMs));
        if (done < 0) {
            out << "the writer did not start\n";
            return 1;
        }
        confirmed += done - first;
        if (!namesInFile(path, names)) {
            ++unreadable;
            lost += done;
            continue;
        }
        for (int i = 0; i < done; ++i) {
            if (!names.contains(appName(i)))
                ++lost;
        }
        // Beyond the confirmed writes only the one in progress may be there.
        for (const QString &name : qAsConst(names)) {
            if (name > appName(done))
                ++unwritten;
        }
    }
    // A file the writer found damaged would have been moved aside.
    const int damaged = QDir(QFileInfo(path).path())
                                .entryList({QStringLiteral("*.corrupt-*")}, QDir::Files)
                                .size();
    out << "installed-apps file, writer killed with SIGKILL at random moments\n"
        << "rounds: " << rounds << "\n"
        << "writes confirmed before the kills: " << confirmed << " (file filled " << fills
        << " times)\n"
        << "records lost: " << lost << " (target 0)\n"
        << "records never written: " << unwritten << " (target 0)\n"
        << "rounds with an unreadable file: " << unreadable
        << ", files moved aside as damaged: " << damaged << " (target 0)\n"
        << "time: " << timer.elapsed() / 1000.0 << " s\n";
    return lost == 0 && unwritten == 0 && unreadable == 0 && damaged == 0 ? 0 : 1;
}
