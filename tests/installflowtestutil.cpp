#include "installflowtestutil.h"

#include "containerinstallview.h"
#include "jsonoperator.h"
#include "platformtestutil.h"
#include "wnappinstallwidget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace PlatformTest;

namespace InstallFlowTest {

bool makeQuickPackage(const QString &path, int padding)
{
    QTemporaryDir work;
    const QString root = work.filePath(QStringLiteral("package"));
    QByteArray script
            = "#!/bin/bash\n"
              "BOTTLENAME=\"quick\"\n"
              "START_SHELL_PATH=\"/nonexistent/run_v4.sh\"\n"
              "export APPRUN_CMD=\"/nonexistent/wine\"\n"
              "export PATCH_LOADER_ENV=\"LD_PRELOAD=/nonexistent/libloader.so\"\n"
              "export FILEDLG_PLUGIN=\"/nonexistent/gtkGetFileNameDlg\"\n"
              "ARCHIVE_FILE_DIR=\"/nonexistent\"\n"
              "here=$(dirname \"$0\")\n"
              "printf '%s\\n' \"$1\" \"$BOTTLENAME\" \"$START_SHELL_PATH\" \"$APPRUN_CMD\" "
              "\"$PATCH_LOADER_ENV\" \"$FILEDLG_PLUGIN\" \"$ARCHIVE_FILE_DIR\" "
              ">\"$here/ran.txt\"\n";
    const QString runScript = root + QStringLiteral("/files/run.sh");
    if (!writeAll(runScript, script)
        || !QFile::setPermissions(runScript, QFile::permissions(runScript) | QFile::ExeOwner)
        || !writeAll(root + QStringLiteral("/info"), "{\n    \"appid\": \"com.quick.app\"\n}\n")
        || !writeAll(root + QStringLiteral("/entries/applications/quick-app.desktop"),
                     "[Desktop Entry]\nName=Quick App\nExec=quick\nIcon=quick-app\n"
                     "Type=Application\nCategories=Utility;\n")
        || !writeAll(root + QStringLiteral("/entries/icons/hicolor/48x48/apps/quick-app.png"),
                     readAll(fixture(QStringLiteral("foo-48.png")))))
        return false;
    QByteArray noise(padding, Qt::Uninitialized);
    for (char &byte : noise)
        byte = char(QRandomGenerator::global()->bounded(256));
    if (!writeAll(root + QStringLiteral("/files/padding.bin"), noise))
        return false;
    QFile::remove(path);
    const Result result = run(QStringLiteral("sh"),
                              {QStringLiteral("-c"),
                               QStringLiteral("cd \"$0\" && 7z a -bd -y \"$1\" files info entries"),
                               root, path});
    return result.exitCode == 0 && QFile::exists(path);
}

QJsonObject catalogueApp(int id, const QString &name, const QString &version, const QString &author,
                         double score, const QString &package, const QString &md5,
                         const QStringList &recommend)
{
    QJsonObject app{{QStringLiteral("id"), id},
                    {QStringLiteral("name"), name},
                    {QStringLiteral("version"), version},
                    {QStringLiteral("score"), score},
                    {QStringLiteral("category_id"), 7},
                    {QStringLiteral("package"), package},
                    {QStringLiteral("created_at"), QStringLiteral("2026-03-01 10:00:00")},
                    {QStringLiteral("md5_value"), md5},
                    {QStringLiteral("download_url"), QStringLiteral("/files/") + package},
                    {QStringLiteral("recommend"), QJsonArray::fromStringList(recommend)}};
    if (!author.isEmpty())
        app.insert(QStringLiteral("author_info"),
                   QJsonObject{{QStringLiteral("username"), author}});
    return app;
}

QJsonObject catalogue(const QJsonArray &apps, const QString &defaultPackage,
                      const QString &defaultMd5)
{
    QJsonArray categories;
    for (int id = 1; id <= 10; ++id)
        categories.append(
                QJsonObject{{QStringLiteral("id"), id},
                            {QStringLiteral("categories"), QStringLiteral("category %1").arg(id)}});
    QJsonObject result{{QStringLiteral("categories"), categories}, {QStringLiteral("apps"), apps}};
    if (!defaultPackage.isEmpty())
        result.insert(QStringLiteral("default_config"),
                      QJsonObject{{QStringLiteral("version"), QStringLiteral("1.0")},
                                  {QStringLiteral("md5_value"), defaultMd5},
                                  {QStringLiteral("download_url"),
                                   QStringLiteral("/files/") + defaultPackage}});
    return result;
}

QList<qint64> processesOfPrefix(const QString &prefix)
{
    const QByteArray wanted = "WINEPREFIX=" + prefix.toUtf8();
    QList<qint64> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid || pid == QCoreApplication::applicationPid() || !isAlive(pid))
            continue;
        const QList<QByteArray> variables = readAll(QStringLiteral("/proc/%1/environ").arg(pid))
                                                    .split('\0');
        if (variables.contains(wanted))
            found.append(pid);
    }
    return found;
}

TInstalledAppInfo storedRecord(const QString &name)
{
    TInstalledAppInfo record;
    CommonJsonOperator::findAppInfoToJasonfileByAppName(name, record, installedAppsFilePath());
    return record;
}

bool cleansUpThenCloses(WineInstallerWnd *window, int timeoutMs)
{
    const QPointer<QWidget> host = window->window();
    const WnAppInstallWidget *progress = window->progressPage();
    if (!host->isVisible() || !progress->statusLabel()->isVisible()
        || progress->statusLabel()->text() != QStringLiteral("正在清理，请稍候")
        || progress->cancelButton()->isEnabled())
        return false;
    host->close();
    return host && host->isVisible() && QTest::qWaitFor([&] { return !host; }, timeoutMs);
}

} // namespace InstallFlowTest
