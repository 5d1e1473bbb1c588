#include "userfolders.h"

#include <QDir>
#include <QStandardPaths>

QString UserFolders::bottles()
{
    return QDir::homePath() + QStringLiteral("/.lirvanwine/apps/");
}

QString UserFolders::applications()
{
    return QDir::homePath() + QStringLiteral("/.local/share/applications/");
}

QString UserFolders::icons()
{
    return QDir::homePath() + QStringLiteral("/.local/share/icons/");
}

QString UserFolders::hicolorIcons()
{
    return icons() + QStringLiteral("hicolor/");
}

QStringList UserFolders::desktops()
{
    QStringList dirs = {QDir::homePath() + QStringLiteral("/Desktop")};
    const QString xdg = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!xdg.isEmpty() && !dirs.contains(xdg) && xdg != QDir::homePath())
        dirs.append(xdg);
    return dirs;
}
