// Downloads one file with WineAstHttpDownload and exits with 0 when it ended
// with status 3, 1 when it failed: the process the resume stress test kills.
//
//   lwa_downloadclient URL LOCAL_PATH [MD5]

#include "wineasthttpdownload.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;

    TPublishedAppInfo info;
    info.Url = args.at(1);
    info.localPath = args.at(2);
    info.MD5 = args.value(3);
    WineAstHttpDownload downloader(info);
    QObject::connect(&downloader, &WineAstHttpDownload::signalStatus, &app,
                     [&app](int status, const QString &text) {
                         QTextStream(stdout) << status << ' ' << text << '\n';
                         app.exit(status == WineAstHttpDownload::DownloadFinished ? 0 : 1);
                     });
    QTimer::singleShot(0, &downloader, &WineAstHttpDownload::startDownLoad);
    return app.exec();
}
