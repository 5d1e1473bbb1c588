#ifndef INSTALLEDVIEWTESTUTIL_H
#define INSTALLEDVIEWTESTUTIL_H

#include "tinstalledappinfo.h"

#include <QColor>
#include <QString>
#include <QTemporaryDir>

// Set-up shared by the installed-apps view test and its screenshot program.
namespace InstalledViewTest {

/*
 * Points HOME and the XDG directories into a fresh temporary directory for
 * the life of the object, so that the program never reads or writes the
 * real home. Create it before the application object.
 */
class TemporaryHome
{
public:
    TemporaryHome();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const;

private:
    QTemporaryDir m_dir;
};

// A record of an application installed at installTime into
// ~/.lirvanwine/apps/<bottleName>, with a menu entry named after it.
TInstalledAppInfo app(const QString &name, const QString &bottleName, const QString &installTime);

// ~/.local/share/icons/ followed by the relative path.
QString userIconPath(const QString &relativePath);

// Small square pictures of one colour, with their directories created.
bool writeSvgIcon(const QString &path, const QColor &color);
bool writePngIcon(const QString &path, const QColor &color, int size = 48);

} // namespace InstalledViewTest

#endif // INSTALLEDVIEWTESTUTIL_H
