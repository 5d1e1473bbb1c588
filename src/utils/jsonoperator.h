#ifndef JSONOPERATOR_H
#define JSONOPERATOR_H

#include "tinstalledappinfo.h"

#include <QList>
#include <QObject>
#include <QString>

/*
 * Reads and edits the installed-apps file: a JSON object with one member per
 * installed application, named after its appName. Stateless; every function
 * takes the file path as its last argument.
 */
class CommonJsonOperator : public QObject
{
    Q_OBJECT
public:
    // ~/.quennet/appinstallinfo.json
    static QString installedAppsFilePath();

    // Adds the application and returns the name it is stored under, empty
    // when nothing could be written. An entry of the same name and bottle is
    // replaced; one of the same name for another bottle stays, and the new
    // entry takes the first free name "Name (2)", "Name (3)", ... A file that
    // is not valid JSON is kept aside under a new name before it is replaced;
    // a file that cannot be read is left alone.
    static QString writeToJasonfile(const TInstalledAppInfo &info, const QString &path);
    // Appends every application of the file, in ascending order of their names.
    static void readToJasonfile(QList<TInstalledAppInfo> &list, const QString &path);
    // Fills `info` from the entry named exactly `appName`; unchanged if none.
    static void findAppInfoToJasonfileByAppName(const QString &appName, TInstalledAppInfo &info,
                                                const QString &path);
    static void removeToJasonfile(const QString &appName, const QString &path);
    // Removes the entry of exactly this application: the entry of its name
    // when it belongs to its bottle, else every entry of its bottle. Entries
    // of the same name for other bottles stay.
    static void removeAppFromJasonfile(const TInstalledAppInfo &info, const QString &path);
    // The string value of the first top-level member whose name contains `key`.
    static QString getValuebyKey(const QString &key, const QString &path);
};

// Shorthand for CommonJsonOperator::installedAppsFilePath().
QString installedAppsFilePath();

#endif // JSONOPERATOR_H
