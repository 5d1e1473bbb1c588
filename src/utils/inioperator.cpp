#include "inioperator.h"

#include "desktopentryfile.h"

#include <QDebug>
#include <QFileInfo>

namespace {

const QLatin1String entryGroup("Desktop Entry");

struct EntryKey
{
    const char *name;
    QString TDesktopfileInfo::*field;
};

// Also the order in which a key name is matched by findValueByKey.
const EntryKey entryKeys[] = {
        {"Name", &TDesktopfileInfo::name},
        {"Exec", &TDesktopfileInfo::exec},
        {"Type", &TDesktopfileInfo::type},
        {"StartupNotify", &TDesktopfileInfo::startupnotify},
        {"Comment", &TDesktopfileInfo::comment},
        {"Path", &TDesktopfileInfo::path},
        {"Icon", &TDesktopfileInfo::icon},
        {"StartupWMClass", &TDesktopfileInfo::startupwmclass},
        {"Categories", &TDesktopfileInfo::categories},
};

} // namespace

void CommonIniOperator::readToInifile(const QString &path, TDesktopfileInfo &info)
{
    DesktopEntryFile file(path);
    file.load();
    for (const EntryKey &key : entryKeys)
        info.*(key.field) = file.value(entryGroup, QLatin1String(key.name));
    for (const EntryKey &key : entryKeys)
        qDebug().noquote() << key.name << ":" << info.*(key.field);
}

QString CommonIniOperator::findValueByKey(const QString &key, const QString &path)
{
    qDebug().noquote() << QStringLiteral("desktop key:") + key;
    TDesktopfileInfo info;
    readToInifile(path, info);
    for (const EntryKey &entryKey : entryKeys) {
        if (key.contains(QLatin1String(entryKey.name)))
            return info.*(entryKey.field);
    }
    qDebug().noquote() << key + QStringLiteral(" not exists!");
    return QString();
}

void CommonIniOperator::writeToInifile(const TDesktopfileInfo &info, const QString &path)
{
    DesktopEntryFile file(path);
    if (!file.load() && QFileInfo::exists(path)) {
        qWarning().noquote() << "Cannot read" << path << "- the desktop entry is left unchanged";
        return;
    }
    for (const EntryKey &key : entryKeys)
        file.setValue(entryGroup, QLatin1String(key.name), info.*(key.field));
    file.save();
}
