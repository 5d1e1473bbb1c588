#ifndef DOACTION_H
#define DOACTION_H

#include "tinstalledappinfo.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

/*
 * The actions a user applies to an installed application (start it, point
 * its menu entry at another program of its bottle, uninstall it) and the
 * file utilities that the install task shares with them. Stateless: the
 * utilities are also called from task threads.
 */
class Doaction : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Doaction)
public:
    static Doaction *instance();

    // 0 started, 1 no application name, 2 no desktop file path, 3 no session
    // bus, 4 no desktop entry found.
    int stratAPP(TInstalledAppInfo *info);
    // Points the application's desktop entry at exePath (rewritten in place
    // as the Windows path written to the entry). 0 done, 1 no application
    // name, -1 no program, 2 the application's prefix directory is missing.
    int manualRun(TInstalledAppInfo *info, QString &exePath);
    // Removes the bottle and everything the installation created; always 0.
    int unInstallApp(TInstalledAppInfo *info);
    // The same without blocking the calling (GUI) thread: the files and the
    // installed-apps file's record go on a worker thread, then the registry's
    // record is removed here and done, if context still exists, is called.
    void unInstallAppLater(const TInstalledAppInfo &info, QObject *context,
                           const std::function<void()> &done);
    // The file part of an uninstall: ends the Wine processes of the
    // application's prefixes first, so that nothing of a running program
    // writes on, then removes its bottles, menu entry and icons and its
    // desktop integration. Safe on any thread.
    static void removeAppFiles(const TInstalledAppInfo &info);
    // Ends every Wine process of the prefix (wineserver -k of the Wine build
    // in the settings) and waits a few seconds for its server to go.
    static void endWineProcesses(const QString &prefix);

    // The directory's own name; name is left unchanged when it does not exist.
    void getCurrentDirName(const QString &path, QString &name);
    // Appends every file below dir named `name` (ignoring case) to list.
    bool findFile(const QString &dir, QString name, QStringList &list);
    // Deletes every file below dir whose name without its extension is
    // `name`. False when dir does not exist.
    bool findFileAndRemove(const QString &dir, QString name);
    // Copies the tree without replacing existing files; names in skip are
    // left out at every level.
    void copyDirectory(const QString &src, const QString &dst, const QStringList &skip);
    // Replaces every line (but an unterminated last one) containing marker.
    void replaceLineInFile(const QString &path, const QString &marker, const QString &newLine);
    QStringList getDesktopFileList(const QString &dir);
    QString getCategoryName(int number);

    // Recursive deletion that never reaches beyond one bottle: the bottle
    // must be a direct child of ~/.lirvanwine/apps/, the real bottle of a
    // recommended installation a direct child of ~/.lirvanwine/ other than
    // "apps" and "icons". Anything else is logged and left alone.
    static bool removeBottle(const QString &path);
    static bool removeRealBottle(const QString &path);
    // The folders of ~/.lirvanwine/ that all bottles share; never the name
    // of a bottle, whose real bottle would be one of them.
    static QStringList sharedDirNames();
    // ~/.lirvanwine/ followed by the bottle's name.
    static QString realBottlePath(const QString &bottleName);

private:
    Doaction() = default;

    // The first user desktop entry whose Exec value names the bottle.
    QString findBottleEntry(const QString &bottlePath);
    void launch(const TInstalledAppInfo &info, const QString &desktopFile);
    void pointEntryAt(const QString &desktopFile, const QString &command, const QString &exeDir,
                      const QString &exeName);
    QString manualRunPrefix(const TInstalledAppInfo &info);
    static void removeDesktopEntryAndIcons(const QString &desktopFile);
    void removeRecord(const TInstalledAppInfo &info);
    // The installed-apps file's part of it; safe on any thread.
    static void removeFileRecord(const TInstalledAppInfo &info);
};

#endif // DOACTION_H
