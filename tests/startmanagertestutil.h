#ifndef STARTMANAGERTESTUTIL_H
#define STARTMANAGERTESTUTIL_H

#include <QString>

// The session's start manager for tests on a private session bus.
namespace StartManagerTest {

// Puts the build tree's activation file where the session bus looks for
// user services ($XDG_DATA_HOME/dbus-1/services), so that the first call
// starts the built lirvan-start-manager. False when it cannot be copied.
bool installActivationFile();

// Writes a desktop entry with the given Exec (and Path when not empty).
bool writeEntry(const QString &path, const QString &exec, const QString &workingDir = QString(),
                const QString &type = QStringLiteral("Application"));

} // namespace StartManagerTest

#endif // STARTMANAGERTESTUTIL_H
