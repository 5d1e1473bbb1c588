// Helper of tst_jsonsavestress: adds applications "app000".."app199" to the
// installed-apps file given as the first argument, starting at the index
// given as the second, and prints each index once its write has returned.
// The test kills it at random moments.

#include "jsonoperator.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString path = args.at(1);
    const int first = args.at(2).toInt();

    std::printf("ready\n");
    std::fflush(stdout);
    for (int i = first; i < 200; ++i) {
        const QString name = QStringLiteral("app%1").arg(i, 3, 10, QLatin1Char('0'));
        TInstalledAppInfo info;
        info.appName = name;
        info.bottlePath = QStringLiteral("/home/u/.lirvanwine/apps/") + name;
        info.installTime = QStringLiteral("2024-05-06 07:08:09");
        info.logPath = QStringLiteral("/home/u/.cache/lirvan-wine-assist/logs/") + name;
        info.peInfo.peFilePath = QStringLiteral("/home/u/Downloads/") + name + ".exe";
        info.publishedAppInfo.appName = name;
        info.publishedAppInfo.Url = QStringLiteral("http://127.0.0.1:18080/files/") + name;
        info.desktopInfo.desktopPath = QStringLiteral("/home/u/.local/share/applications/") + name
                                       + QStringLiteral(".desktop");
        info.desktopInfo.exec = QStringLiteral("env WINEPREFIX=\"") + info.bottlePath
                                + QStringLiteral(
                                        "\" wine C:\\\\\\\\Program\\\\ Files\\\\\\\\app.exe");
        CommonJsonOperator::writeToJasonfile(info, path);
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
