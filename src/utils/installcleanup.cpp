#include "installcleanup.h"

#include "desktopentryfile.h"
#include "doaction.h"
#include "execline.h"
#include "userfolders.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

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
    if (info.publishedAppInfo.installType == 0)
        removeCopiedEntries(info.bottlePath);
    Doaction::removeAppFiles(info);
}
