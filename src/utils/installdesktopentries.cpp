#include "installdesktopentries.h"

#include "desktopentryfile.h"
#include "doaction.h"
#include "execline.h"
#include "inioperator.h"
#include "userfolders.h"
#include "winesettings.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The command line of a desktop entry: its first line beginning "Exec=".
QString execLineOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1String("Exec=")))
            return line;
    }
    return QString();
}

// Whether a menu entry already at the target may be taken over by the bottle
// whose entry line is execLine: it is that bottle's own (an overwrite
// install) or it started a bottle that has gone. An entry that starts
// anything else belongs to another installed application that ships an
// entry of the same name, or to the user; rewriting it would start the
// wrong program from that menu entry and remove it with this application.
bool mayTakeOverEntry(const QString &path, const QString &execLine)
{
    const QString existing = execLineOf(path);
    if (existing == execLine)
        return true;
    const QString apps = UserFolders::bottles();
    const int at = existing.indexOf(apps);
    if (at < 0)
        return false;
    const int end = existing.indexOf(QLatin1Char('/'), at + apps.size());
    const QString other = existing.mid(at, end - at);
    // A name escaped for the Exec line is not a path to test.
    if (end < 0 || other.contains(QLatin1Char('\\')))
        return false;
    return !QFileInfo::exists(other);
}

// Where the bottle's entry called name goes in the menu: under its own name
// unless another program's entry is there, else under the first free
// "<name>-<n>.desktop".
QString menuEntryTarget(const QString &name, const QString &execLine)
{
    const QString dir = UserFolders::applications();
    QString target = dir + name;
    const QString base = QFileInfo(name).completeBaseName();
    for (int n = 2; QFileInfo::exists(target) && !mayTakeOverEntry(target, execLine); ++n)
        target = dir + base + QLatin1Char('-') + QString::number(n) + QStringLiteral(".desktop");
    return target;
}

bool isUninstallEntry(const QString &fileName)
{
    return fileName.contains(QStringLiteral("卸载"))
           || fileName.contains(QLatin1String("uninstall"), Qt::CaseInsensitive);
}

// Deletes the entry at index and notes its icon in deletedIcons.
void deleteEntry(QStringList &list, int index, QStringList &deletedIcons)
{
    const QString path = list.at(index);
    const QString icon = CommonIniOperator::findValueByKey(QStringLiteral("Icon"), path);
    if (!icon.isEmpty() && !deletedIcons.contains(icon))
        deletedIcons.append(icon);
    qInfo().noquote() << QStringLiteral("delete file: ") + path;
    QFile::remove(path);
    list.removeAt(index);
}

bool isOnDesktop(const QString &path)
{
    const QStringList dirs = UserFolders::desktops();
    for (const QString &dir : dirs) {
        if (path.startsWith(dir + QLatin1Char('/')))
            return true;
    }
    return false;
}

// The icons that Wine made for entries deleted here would otherwise stay
// behind for good: nothing names them any more.
void removeUnusedIcons(const QStringList &icons)
{
    for (const QString &icon : icons) {
        if (!DesktopEntryFile::isIconInUse(icon))
            Doaction::instance()->findFileAndRemove(UserFolders::hicolorIcons(), icon);
    }
}

} // namespace

InstallDesktopEntries::InstallDesktopEntries(TInstalledAppInfo &appInfo)
    : m_appInfo(appInfo)
{
}

void InstallDesktopEntries::copyRecommended(const QString &bottle)
{
    if (!QFileInfo(bottle).isDir()) {
        qWarning().noquote() << bottle + QStringLiteral(" not exists!");
        return;
    }
    Doaction *action = Doaction::instance();
    action->copyDirectory(bottle + QStringLiteral("/entries/icons"),
                          QDir::cleanPath(UserFolders::icons()),
                          {QStringLiteral("."), QStringLiteral("..")});

    const QString entriesDir = bottle + QStringLiteral("/entries/applications/");
    const QString exec = QStringLiteral("Exec=")
                         + ExecLine::execArgument(bottle + QStringLiteral("/files/run.sh"))
                         + QStringLiteral(" -u %u");
    const QStringList names = action->getDesktopFileList(entriesDir);
    for (const QString &name : names) {
        if (!QFileInfo::exists(entriesDir + name))
            continue;
        const QString target = menuEntryTarget(name, exec);
        QDir().mkpath(UserFolders::applications());
        QFile::copy(entriesDir + name, target);
        if (QFileInfo::exists(target)) {
            action->replaceLineInFile(target, QStringLiteral("Exec="), exec);
            m_appInfo.desktopInfo.desktopPath = target;
        }
    }
}

void InstallDesktopEntries::keepDefault(QStringList list)
{
    QString selected;
    QStringList deletedIcons;
    int i = 0;
    while (i < list.size()) {
        const QString path = list.at(i);
        const QString file = QFileInfo(path).fileName();
        if (isUninstallEntry(file)) {
            deleteEntry(list, i, deletedIcons);
        } else if (isOnDesktop(path)) {
            // A shortcut on the user's desktop: the first one is kept.
            if (selected.isEmpty()) {
                selected = path;
                ++i;
            } else {
                deleteEntry(list, i, deletedIcons);
            }
        } else if (selected.isEmpty()) {
            // The file name carries ".desktop"; the product name does not.
            if (file == m_appInfo.peInfo.peProductName
                || QFileInfo(path).completeBaseName() == m_appInfo.peInfo.peProductName)
                selected = path;
            ++i;
        } else if (file == QFileInfo(selected).fileName()) {
            deleteEntry(list, i, deletedIcons);
        } else {
            ++i;
        }
    }
    if (selected.isEmpty() && !list.isEmpty())
        selected = list.constFirst();
    if (!selected.isEmpty()) {
        QString fileName;
        modifyDesktopFile(selected, fileName);
    }
    removeUnusedIcons(deletedIcons);
}

void InstallDesktopEntries::modifyDesktopFile(const QString &path, QString &fileName)
{
    const QString bottle = m_appInfo.bottlePath;
    if (QFileInfo::exists(path)) {
        fileName = QFileInfo(path).fileName();
        const QString wmClass = CommonIniOperator::findValueByKey(QStringLiteral("StartupWMClass"),
                                                                  path);
        QStringList found;
        Doaction::instance()->findFile(bottle + QStringLiteral("/drive_c"), wmClass, found);
        if (!found.isEmpty()) {
            const QString windowsPath = ExecLine::windowsExecPath(found.constFirst(), bottle);
            qDebug().noquote() << QStringLiteral("exe filepath:") + windowsPath;
            const QString command = ExecLine::wineCommand(bottle,
                                                          WineSettings::instance()->stringValue(
                                                                  QStringLiteral("wine")),
                                                          windowsPath);
            qDebug().noquote() << QStringLiteral("Exec:") + command;
            Doaction::instance()->replaceLineInFile(path, QStringLiteral("Exec="),
                                                    QStringLiteral("Exec=") + command);
        }
    }

    const QString target = UserFolders::applications() + fileName;
    // An entry of that name already in the menu is another application's
    // and stays; this one then remains where the installer put it.
    bool moved = path == target;
    if (!fileName.isEmpty() && !moved) {
        QDir().mkpath(UserFolders::applications());
        moved = QFile::rename(path, target);
    }
    qInfo().noquote() << QStringLiteral("Got file: ") + path;
    if (fileName.isEmpty() || !moved || !QFileInfo::exists(target)) {
        qWarning().noquote() << tr("Cut desktop file to ") + UserFolders::applications()
                                        + tr(" failed!");
        m_appInfo.desktopInfo.desktopPath = path;
    } else {
        m_appInfo.desktopInfo.desktopPath = target;
    }
}
