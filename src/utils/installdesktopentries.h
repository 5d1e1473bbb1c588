#ifndef INSTALLDESKTOPENTRIES_H
#define INSTALLDESKTOPENTRIES_H

#include "tinstalledappinfo.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/*
 * The menu entry of a finished installation, made in the user's applications
 * directory and recorded in the record's desktopInfo.desktopPath. A
 * recommended configuration's prepared entries and icons are copied from its
 * bottle; of the entries a default installation's installer created, the
 * unwanted ones (uninstall entries, duplicates, further desktop shortcuts)
 * are deleted and one is kept, pointed at its program under Wine and moved
 * to the menu. Runs on the task thread and touches only files and the record.
 */
class InstallDesktopEntries
{
    Q_DECLARE_TR_FUNCTIONS(InstallDesktopEntries)
public:
    explicit InstallDesktopEntries(TInstalledAppInfo &appInfo);

    // Copies the bottle's prepared entries and icons to the user's.
    void copyRecommended(const QString &bottle);
    // Keeps one of the installer's entries in list and deletes the unwanted.
    void keepDefault(QStringList list);
    // Points the entry at its program under Wine and moves it to the user's
    // applications directory.
    void modifyDesktopFile(const QString &path, QString &fileName);

private:
    TInstalledAppInfo &m_appInfo;
};

#endif // INSTALLDESKTOPENTRIES_H
