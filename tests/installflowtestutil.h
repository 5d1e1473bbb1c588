#ifndef INSTALLFLOWTESTUTIL_H
#define INSTALLFLOWTESTUTIL_H

#include "tinstalledappinfo.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

class WineInstallerWnd;

// Helpers for the tests that drive the install window and its controller.
namespace InstallFlowTest {

/*
 * A recommended-configuration package that installs without Wine: its
 * files/run.sh writes its argument and the six settings the assistant
 * rewrites into files/ran.txt, one per line. It brings one menu entry
 * "quick-app.desktop" and its icon, and `padding` bytes of incompressible
 * data.
 */
bool makeQuickPackage(const QString &path, int padding = 0);

// A catalogue application object as the service lists it.
QJsonObject catalogueApp(int id, const QString &name, const QString &version, const QString &author,
                         double score, const QString &package, const QString &md5,
                         const QStringList &recommend = {});

// A catalogue with the sample categories 1 to 10, these apps and a default
// configuration that serves `defaultPackage` (none when empty).
QJsonObject catalogue(const QJsonArray &apps, const QString &defaultPackage = QString(),
                      const QString &defaultMd5 = QString());

// Live processes of this user whose environment sets WINEPREFIX to the
// prefix (Wine's own and whatever runs in the bottle).
QList<qint64> processesOfPrefix(const QString &prefix);

// The installed-apps file's record of the application, empty when none.
TInstalledAppInfo storedRecord(const QString &name);

// A cancelled installation: the window stays to show its clean-up with
// cancelling disabled, a second close changes nothing, and it goes once the
// clean-up is done (within timeoutMs).
bool cleansUpThenCloses(WineInstallerWnd *window, int timeoutMs = 60000);

} // namespace InstallFlowTest

#endif // INSTALLFLOWTESTUTIL_H
