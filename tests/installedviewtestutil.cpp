#include "installedviewtestutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace InstalledViewTest {

TInstalledAppInfo app(const QString &name, const QString &bottleName, const QString &installTime)
{
    TInstalledAppInfo info;
    info.appName = name;
    info.publishedAppInfo.appName = name;
    info.bottlePath = QDir::homePath() + QStringLiteral("/.lirvanwine/apps/") + bottleName;
    info.installTime = installTime;
    info.logPath = QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/logs/")
                   + bottleName + QStringLiteral(".log");
    info.desktopInfo.desktopPath = QDir::homePath() + QStringLiteral("/.local/share/applications/")
                                   + bottleName + QStringLiteral(".desktop");
    return info;
}

QString userIconPath(const QString &relativePath)
{
    return QDir::homePath() + QStringLiteral("/.local/share/icons/") + relativePath;
}

bool writeSvgIcon(const QString &path, const QColor &color)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    const QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" "
                                       "height=\"48\" viewBox=\"0 0 48 48\"><rect width=\"48\" "
                                       "height=\"48\" rx=\"10\" fill=\"%1\"/></svg>\n")
                                .arg(color.name());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(svg.toUtf8()) > 0;
}

bool writePngIcon(const QString &path, const QColor &color, int size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return image.save(path, "PNG");
}

} // namespace InstalledViewTest
