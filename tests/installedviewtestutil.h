#ifndef INSTALLEDVIEWTESTUTIL_H
#define INSTALLEDVIEWTESTUTIL_H

#include "tinstalledappinfo.h"

#include <QColor>
#include <QString>

// Set-up shared by the installed-apps view test and its screenshot program.
namespace InstalledViewTest {

// A record of an application installed at installTime into
// ~/.lirvanwine/apps/<bottleName>, with a menu entry named after it.
TInstalledAppInfo app(const QString &name, const QString &bottleName,
                      const QString &installTime = QStringLiteral("2026-01-01 00:00:00"));

// ~/.local/share/icons/ followed by the relative path.
QString userIconPath(const QString &relativePath);

// Small square pictures of one colour, with their directories created.
bool writeSvgIcon(const QString &path, const QColor &color);
bool writePngIcon(const QString &path, const QColor &color, int size = 48);

} // namespace InstalledViewTest

#endif // INSTALLEDVIEWTESTUTIL_H
