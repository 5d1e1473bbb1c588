// Cost of the installed-apps file as it grows: every install rewrites the
// whole file (safely, through a temporary file and a rename), and every start
// reads it whole. Writes 200 applications one by one into a temporary
// directory and prints the time of each tenth write and of reading them all.
//
// Target: with 200 applications a write stays under 50 ms and a full read
// under 20 ms on the CI machine.

#include "jsonoperator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

TInstalledAppInfo sampleApp(int index)
{
    const QString name = QStringLiteral("Application %1").arg(index, 3, 10, QLatin1Char('0'));
    TInstalledAppInfo info;
    info.appName = name;
    info.bottlePath = QStringLiteral("/home/user/.lirvanwine/apps/") + name;
    info.installTime = QStringLiteral("2024-05-06 07:08:09");
    info.logPath = QStringLiteral("/home/user/.cache/lirvan-wine-assist/log/") + name;
    info.peInfo.peFilePath = QStringLiteral("/home/user/Downloads/setup.exe");
    info.peInfo.peProductName = name;
    info.publishedAppInfo.appName = name;
    info.publishedAppInfo.Url = QStringLiteral("http://127.0.0.1:18080/files/app.7z");
    info.publishedAppInfo.MD5 = QStringLiteral("0123456789abcdef0123456789abcdef");
    info.desktopInfo.desktopPath = QStringLiteral("/home/user/.local/share/applications/x.desktop");
    info.desktopInfo.exec = QStringLiteral("env WINEPREFIX=\"") + info.bottlePath
                            + QStringLiteral("\" wine C:\\\\\\\\Program\\\\ Files\\\\\\\\app.exe");
    return info;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("appinstallinfo.json"));
    QTextStream out(stdout);

    QElapsedTimer timer;
    for (int i = 0; i < 200; ++i) {
        timer.start();
        CommonJsonOperator::writeToJasonfile(sampleApp(i), path);
        if ((i + 1) % 10 == 0)
            out << "write_ms[" << i + 1 << "]=" << timer.nsecsElapsed() / 1e6 << '\n';
    }

    QList<TInstalledAppInfo> apps;
    timer.start();
    CommonJsonOperator::readToJasonfile(apps, path);
    out << "read_all_ms=" << timer.nsecsElapsed() / 1e6 << " apps=" << apps.size() << '\n';
    return apps.size() == 200 ? 0 : 1;
}
