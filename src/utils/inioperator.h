#ifndef INIOPERATOR_H
#define INIOPERATOR_H

#include "tdesktopfileinfo.h"

#include <QObject>
#include <QString>

/*
 * Reads and writes the nine keys of a desktop entry's "Desktop Entry" group
 * that describe an installed application. Stateless.
 */
class CommonIniOperator : public QObject
{
    Q_OBJECT
public:
    // Fills the nine fields; a missing or unreadable file gives empty values.
    static void readToInifile(const QString &path, TDesktopfileInfo &info);
    // `key` may be short ("Icon") or a key path ("Desktop Entry/Icon").
    static QString findValueByKey(const QString &key, const QString &path);
    // Sets the nine keys, empty ones included, keeping everything else.
    static void writeToInifile(const TDesktopfileInfo &info, const QString &path);
};

#endif // INIOPERATOR_H
