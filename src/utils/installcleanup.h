#ifndef INSTALLCLEANUP_H
#define INSTALLCLEANUP_H

#include "tinstalledappinfo.h"

#include <QString>

/*
 * Takes back what an interrupted or failed installation made: the Wine
 * processes of its bottles, the bottles, the menu entries and icons it
 * added. Only what names this installation's bottle is touched.
 */
namespace InstallCleanup {

// Removes the menu entries and icons that a recommended configuration's
// install copied from the bottle's "entries" folder; to be called while the
// bottle still exists.
void removeCopiedEntries(const QString &bottle);

// Ends the processes of both bottles and removes every file the
// installation described by the record created. It never wrote a record, so
// none is touched. Safe on a worker thread.
void discard(const TInstalledAppInfo &info);

} // namespace InstallCleanup

#endif // INSTALLCLEANUP_H
