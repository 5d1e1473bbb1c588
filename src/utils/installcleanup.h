#ifndef INSTALLCLEANUP_H
#define INSTALLCLEANUP_H

#include "tinstalledappinfo.h"

#include <QString>

/*
 * Takes back what an interrupted installation made: the Wine processes of
 * its bottles, the bottles, the menu entries and icons it added. Only what
 * names this installation's bottle is touched.
 */
namespace InstallCleanup {

// Ends every Wine process of the prefix (wineserver -k of the Wine build in
// the settings) and waits a few seconds for its server to go.
void endWineProcesses(const QString &prefix);

// Removes the menu entries and icons that a recommended configuration's
// install copied from the bottle's "entries" folder; to be called while the
// bottle still exists.
void removeCopiedEntries(const QString &bottle);

// Ends the processes of both bottles and removes everything the
// installation described by the record created.
void discard(const TInstalledAppInfo &info);

} // namespace InstallCleanup

#endif // INSTALLCLEANUP_H
