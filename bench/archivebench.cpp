// Backup and restore of the fixture bottle (foo-setup.exe installed with
// the default configuration) through the command line, against plain
// `tar --zstd` of the same bottle directory. Prints the best of a few rounds
// of each, the ratio and the archive sizes.
//
// Target: backup and restore each within 1.2 x the time of plain tar.
//
//   build/bench/lwa_bench_archive [rounds, default 3]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <limits>

namespace {

QProcessEnvironment environment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "DISPLAY"})
        env.remove(QString::fromLatin1(name));
    return env;
}

// Milliseconds the program took, -1 when it failed.
qint64 timed(const QString &program, const QStringList &args, const QString &home)
{
    QProcess process;
    process.setProcessEnvironment(environment(home));
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        QTextStream(stderr) << program << ' ' << args.join(QLatin1Char(' ')) << ": "
                            << process.readAllStandardError() << '\n';
        return -1;
    }
    return timer.elapsed();
}

bool writeSettings(const QString &home)
{
    const QString root = QStringLiteral(LWA_BINARY_DIR "/platform-root/");
    QDir().mkpath(home + QStringLiteral("/.config/lirvan"));
    QFile file(home + QStringLiteral("/.config/lirvan/lirvan-wine-assist.conf"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out << "[General]\ntool=" << root << "tools/\nlirvan-wine-helper=" << root
        << "tools/lirvan-wine-helper/\nwine=" << root
        << "lirvan-wine5-stable/bin/wine\nwine64=" << root
        << "lirvan-wine5-stable/bin/wine64\nconfig-data=" << root << "data\nlocal_path=" << root
        << "data/Depends/DefaultBottle/files.7z\nwine_oauth_host=http://127.0.0.1:9\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = qMax(1, app.arguments().value(1, QStringLiteral("3")).toInt());
    QTextStream out(stdout);
    QTemporaryDir home;
    const QString assist = QStringLiteral(LWA_ASSIST_BINARY);
    const QString bottle = home.filePath(QStringLiteral(".lirvanwine/apps/Foo_1"));
    if (!writeSettings(home.path())
        || timed(assist,
                 {QStringLiteral("--install"),
                  QStringLiteral(LWA_BINARY_DIR "/fixtures/foo-setup.exe")},
                 home.path())
                   < 0) {
        out << "could not install the fixture bottle\n";
        return 1;
    }
    const QString archive = home.filePath(QStringLiteral("foo.tar.zst"));
    const QString plain = home.filePath(QStringLiteral("plain.tar.zst"));
    const QString unpacked = home.filePath(QStringLiteral("unpacked"));
    qint64 best[4];
    std::fill(best, best + 4, std::numeric_limits<qint64>::max());
    for (int round = 0; round < rounds; ++round) {
        QFile::remove(archive);
        QFile::remove(plain);
        QDir(unpacked).removeRecursively();
        QDir().mkpath(unpacked);
        const qint64 times[4] = {
                timed(QStringLiteral("tar"),
                      {QStringLiteral("--zstd"), QStringLiteral("-cf"), plain, QStringLiteral("-C"),
                       QFileInfo(bottle).path(), QStringLiteral("Foo_1")},
                      home.path()),
                timed(assist, {QStringLiteral("--backup"), QStringLiteral("Foo"), archive},
                      home.path()),
                timed(QStringLiteral("tar"),
                      {QStringLiteral("--zstd"), QStringLiteral("-xf"), plain, QStringLiteral("-C"),
                       unpacked},
                      home.path()),
                (timed(assist,
                       {QStringLiteral("--uninstall"), QStringLiteral("Foo"),
                        QStringLiteral("--yes")},
                       home.path()),
                 timed(assist, {QStringLiteral("--restore"), archive}, home.path())),
        };
        for (int i = 0; i < 4; ++i) {
            if (times[i] < 0) {
                out << "round " << round << ": step " << i << " failed\n";
                return 1;
            }
            best[i] = qMin(best[i], times[i]);
        }
    }
    out << "best of " << rounds << " rounds, fixture bottle of "
        << QString::number(double(QFileInfo(plain).size()) / 1e6, 'f', 1) << " MB compressed\n";
    out << "backup:  " << best[1] << " ms, tar --zstd -c " << best[0] << " ms, ratio "
        << QString::number(double(best[1]) / double(best[0]), 'f', 2) << "\n";
    out << "restore: " << best[3] << " ms, tar --zstd -x " << best[2] << " ms, ratio "
        << QString::number(double(best[3]) / double(best[2]), 'f', 2) << "\n";
    out << "archive: " << QFileInfo(archive).size() << " bytes, tar --zstd "
        << QFileInfo(plain).size() << " bytes, ratio "
        << QString::number(double(QFileInfo(archive).size()) / double(QFileInfo(plain).size()), 'f',
                           3)
        << "\n";
    return 0;
}
