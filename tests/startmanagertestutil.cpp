#include "startmanagertestutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace StartManagerTest {

bool installActivationFile()
{
    const QString name = QStringLiteral("com.lirvan.SessionManager.service");
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                        + QStringLiteral("/dbus-1/services");
    QDir().mkpath(dir);
    QFile::remove(dir + QLatin1Char('/') + name);
    return QFile::copy(QStringLiteral(LWA_BINARY_DIR "/dbus-1/services/") + name,
                       dir + QLatin1Char('/') + name);
}

bool writeEntry(const QString &path, const QString &exec, const QString &workingDir,
                const QString &type)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QString text = QStringLiteral("[Desktop Entry]\nName=Test\nType=") + type
                   + QStringLiteral("\nExec=") + exec + QLatin1Char('\n');
    if (!workingDir.isEmpty())
        text += QStringLiteral("Path=") + workingDir + QLatin1Char('\n');
    return file.write(text.toUtf8()) > 0;
}

} // namespace StartManagerTest
