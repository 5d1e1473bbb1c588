#include "avatardownload.h"

#include "common.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>

#include <memory>

namespace {

// A bigger picture is refused before it is decoded: it could take more
// memory than the whole program.
constexpr int MaxPictureSide = 4096;

bool isPicture(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxPictureSide || size.height() > MaxPictureSide))
        return false;
    return !reader.read().isNull();
}

} // namespace

bool AvatarDownload::fetch(const QString &address, const QString &path, int timeoutMs)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid()
        || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        qWarning() << "avatar address refused:" << address;
        return false;
    }
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath()))
        return false;

    // wget writes its output file even when the download fails; it writes
    // beside the picture and only a complete file takes the picture's name.
    QTemporaryFile part(target.absolutePath() + QStringLiteral("/.avatar-XXXXXX.part"));
    if (!part.open())
        return false;
    part.close();

    QString output;
    QString error;
    // "--" ends the options: the address is one argument and never an option.
    const int result = shellCmd(QStringLiteral("wget"),
                                {QStringLiteral("-q"), QStringLiteral("-O"), part.fileName(),
                                 QStringLiteral("--"), address},
                                output, error, timeoutMs);
    if (result != 0 || QFileInfo(part.fileName()).size() == 0) {
        qWarning() << "avatar download failed:" << address << error;
        return false;
    }
    // An error page or any other reply that is no picture is not kept, or
    // it would stand for the picture and never be fetched again.
    if (!isPicture(part.fileName())) {
        qWarning() << "avatar is not a picture:" << address;
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(part.fileName(), path))
        return false;
    part.setAutoRemove(false);
    return true;
}

void AvatarDownload::fetchInBackground(const QString &address, const QString &path,
                                       const QObject *context, std::function<void(bool)> done)
{
    const auto result = std::make_shared<bool>(false);
    QThread *thread = QThread::create([address, path, result] { *result = fetch(address, path); });
    QObject::connect(thread, &QThread::finished, context,
                     [result, done = std::move(done)] { done(*result); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
