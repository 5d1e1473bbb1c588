#include "installcleanup.h"

#include "common.h"
#include "desktopentryfile.h"
#include "doaction.h"
#include "execline.h"
#include "userfolders.h"
#include "winesettings.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int WineServerTimeoutMs = 10000;

// The Wine server beside the configured Wine, as the start shell finds it.
QString wineServerProgram()
{
    const QString wine = WineSettings::instance()->stringValue(QStringLiteral("wine"));
    const QFileInfo beside(QFileInfo(wine).path() + QStringLiteral("/wineserver"));
    return beside.isExecutable() ? beside.filePath() : QStringLiteral("wineserver");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool hasLine(const QString &path, const QString &line)
{
    return QString::fromUtf8(readFile(path)).split(QLatin1Char('\n')).contains(line);
}

// Icons the install copied: same place, same bytes, and no entry left that
// shows them.
void removeCopiedIcons(const QString &bottle)
{
    const QString source = bottle + QStringLiteral("/entries/icons/");
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString copy = UserFolders::icons() + path.mid(source.size());
        if (!QFileInfo(copy).isFile() || readFile(copy) != readFile(path)
            || DesktopEntryFile::isIconInUse(QFileInfo(copy).completeBaseName()))
            continue;
        qInfo().noquote() << QStringLiteral("remove icon ") + copy;
        QFile::remove(copy);
    }
}

} // namespace

void InstallCleanup::endWineProcesses(const QString &prefix)
{
    if (prefix.isEmpty() || !QFileInfo(prefix).isDir())
        return;
    const QString server = wineServerProgram();
    const QString environment = QStringLiteral("WINEPREFIX=") + prefix;
    QString output;
    QString error;
    shellCmd(QStringLiteral("env"), {environment, server, QStringLiteral("-k")}, output, error,
             WineServerTimeoutMs);
    shellCmd(QStringLiteral("env"), {environment, server, QStringLiteral("-w")}, output, error,
             WineServerTimeoutMs);
}

void InstallCleanup::removeCopiedEntries(const QString &bottle)
{
    const QString entriesDir = bottle + QStringLiteral("/entries/applications/");
    // The Exec line the install task writes into every copied entry.
    const QString execLine = QStringLiteral("Exec=")
                             + ExecLine::execArgument(bottle + QStringLiteral("/files/run.sh"))
                             + QStringLiteral(" -u %u");
    const QStringList names = Doaction::instance()->getDesktopFileList(entriesDir);
    for (const QString &name : names) {
        const QString entry = UserFolders::applications() + name;
        if (QFileInfo(entry).isFile() && hasLine(entry, execLine)) {
            qInfo().noquote() << QStringLiteral("remove entry ") + entry;
            QFile::remove(entry);
        }
    }
    removeCopiedIcons(bottle);
}

void InstallCleanup::discard(const TInstalledAppInfo &info)
{
    if (info.bottlePath.isEmpty())
        return;
    const QString bottleName = QFileInfo(info.bottlePath).fileName();
    const bool recommended = info.publishedAppInfo.installType == 0;
    endWineProcesses(info.bottlePath);
    if (recommended && !bottleName.isEmpty()) {
        endWineProcesses(Doaction::realBottlePath(bottleName));
        removeCopiedEntries(info.bottlePath);
    }
    TInstalledAppInfo record = info;
    Doaction::instance()->unInstallApp(&record);
}
