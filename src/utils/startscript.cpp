#include "startscript.h"

#include "doaction.h"
#include "execline.h"
#include "winesettings.h"

#include <QFileInfo>
#include <QList>
#include <QPair>

namespace {

QString setting(const QString &key)
{
    return WineSettings::instance()->stringValue(key);
}

} // namespace

// Every value is quoted for bash, so no name can run a command.
void StartScript::adapt(const QString &bottlePath)
{
    const QString script = bottlePath + QStringLiteral("/files/run.sh");
    if (bottlePath.isEmpty() || !QFileInfo::exists(script))
        return;
    QString dirName;
    Doaction *action = Doaction::instance();
    action->getCurrentDirName(bottlePath, dirName);
    const QList<QPair<QString, QString>> lines = {
            {QStringLiteral("BOTTLENAME="), dirName},
            {QStringLiteral("START_SHELL_PATH="),
             setting(QStringLiteral("lirvan-wine-helper")) + QStringLiteral("run_v4.sh")},
            {QStringLiteral("export APPRUN_CMD="), setting(QStringLiteral("wine"))},
            {QStringLiteral("export PATCH_LOADER_ENV="),
             QStringLiteral("LD_PRELOAD=") + bottlePath + QStringLiteral("/files/libloader.so")},
            {QStringLiteral("export FILEDLG_PLUGIN="),
             bottlePath + QStringLiteral("/files/gtkGetFileNameDlg")},
            {QStringLiteral("ARCHIVE_FILE_DIR="), bottlePath + QStringLiteral("/files")},
    };
    for (const auto &line : lines)
        action->replaceLineInFile(script, line.first,
                                  line.first + ExecLine::shellQuoted(line.second));
}
