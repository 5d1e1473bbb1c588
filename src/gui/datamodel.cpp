#include "datamodel.h"

#include "backuprestorepanel.h"
#include "doaction.h"
#include "starrating.h"
#include "uninstallconfirmation.h"
#include "usericonindex.h"
#include "wineapplication.h"
#include "wineastapplist.h"
#include "wineinstalledapps.h"
#include "winemainwindow.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QJsonObject>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

// The longest the first load waits for the icon walk.
constexpr int FirstLoadWaitMs = 10;
const char DefaultIcon[] = ":/icons/lirvan/builtin/icons/lw_default_install_14.svg";

// The icon drawn for an application: its menu icon from the user's icon
// directory (an SVG before a PNG; of several, the last path in sort order),
// else the icon taken from its program file, else the default picture.
QString iconPathFor(const TInstalledAppInfo &info, const QHash<QString, QStringList> &userIcons)
{
    const QString name = info.desktopInfo.icon;
    if (!name.isEmpty()) {
        for (const char *suffix : {".svg", ".png"}) {
            QStringList paths = userIcons.value((name + QLatin1String(suffix)).toCaseFolded());
            if (!paths.isEmpty()) {
                paths.sort();
                return paths.constLast();
            }
        }
    }
    const QString peIcon = info.peInfo.peIconFile;
    if (!peIcon.isEmpty() && QFileInfo::exists(peIcon))
        return peIcon;
    return QString::fromLatin1(DefaultIcon);
}

// Where the application's files are: its bottle, or for a catalogue
// configuration the separate prefix named after the bottle. Empty when the
// record has no bottle at all.
QString applicationDirectory(const TInstalledAppInfo &info)
{
    if (info.publishedAppInfo.installType != 0)
        return info.bottlePath;
    QString name;
    Doaction::instance()->getCurrentDirName(info.bottlePath, name);
    if (name.isEmpty())
        name = info.bottlePath.mid(info.bottlePath.lastIndexOf(QLatin1Char('/')) + 1);
    return name.isEmpty() ? QString() : Doaction::realBottlePath(name);
}

void openDirectory(const QString &dir)
{
    if (dir.isEmpty()) {
        qWarning() << "No directory to open";
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(dir));
}

} // namespace

DataModel::DataModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_userIcons(new UserIconIndex(this))
{
    connect(WineInstalledApps::instance(), &WineInstalledApps::signalInstalledAppChanged, this,
            &DataModel::slotRefreshDataList);
    connect(m_userIcons, &UserIconIndex::signalUpdated, this, &DataModel::updateIcons);
    // The first load follows the first icon walk, so that the rows come with
    // their icons; a walk that takes long does not hold back the rows.
    m_userIcons->refresh();
    QTimer::singleShot(FirstLoadWaitMs, this, [this] {
        if (!m_loaded)
            slotRefreshDataList();
    });
}

int DataModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int DataModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DataModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    if (role == BottlePathRole)
        return row.info.bottlePath;
    if (role == Qt::DisplayRole)
        return displayValue(row, index.column());
    return QVariant();
}

QVariant DataModel::displayValue(const Row &row, int column) const
{
    const TInstalledAppInfo &info = row.info;
    const TPublishedAppInfo &published = info.publishedAppInfo;
    switch (column) {
    case ColumnName:
        // A record without a catalogue name still shows its own.
        return QJsonObject{{QStringLiteral("icon"), row.iconPath},
                           {QStringLiteral("appName"),
                            published.appName.isEmpty() ? info.appName : published.appName}};
    case ColumnScore:
        // Below one whole star (also a negative or missing score) there is
        // nothing to draw.
        if (StarRating::stars(published.score, StarRating::FromOneStar).isEmpty())
            return tr("暂无评分");
        return QJsonObject{{QStringLiteral("score"), published.score}};
    case ColumnCategory:
        return WineAstApplist::categoryName(published.categories);
    case ColumnVersion:
        return shownVersion(info);
    case ColumnDate:
        return info.installTime.section(QLatin1Char(' '), 0, 0);
    case ColumnAuthor:
        return published.author;
    default:
        return QVariant();
    }
}

QVariant DataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColumnName:
        return tr("应用名称");
    case ColumnScore:
        return tr("评分");
    case ColumnCategory:
        return tr("类别");
    case ColumnVersion:
        return tr("版本");
    case ColumnDate:
        return tr("安装日期");
    case ColumnAuthor:
        return tr("作者");
    default:
        return QVariant();
    }
}

TInstalledAppInfo DataModel::appInfo(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return TInstalledAppInfo();
    return m_rows.at(row).info;
}

QString DataModel::actionText(int action)
{
    switch (action) {
    case ActionStart:
        return tr("启动应用");
    case ActionManualRun:
        return tr("手动运行");
    case ActionInstallDir:
        return tr("安装目录");
    case ActionLogInfo:
        return tr("日志信息");
    case ActionUninstall:
        return tr("卸载");
    case ActionBackup:
        return tr("备份");
    default:
        return QString();
    }
}

void DataModel::slotRefreshDataList()
{
    qInfo() << "";
    slotRefreshDataItems();
}

void DataModel::slotRefreshDataItems()
{
    // The old rows go inside the reset, so that no view sees the row count
    // change unannounced.
    beginResetModel();
    m_loaded = true;
    m_rows.clear();
    const QMap<QString, TInstalledAppInfo> &apps = WineInstalledApps::instance()
                                                           ->getInstalledApps();
    QList<Row> rows;
    rows.reserve(apps.size());
    for (const TInstalledAppInfo &info : apps)
        rows.append(Row{info, iconPathFor(info, m_userIcons->index())});
    // "yyyy-MM-dd HH:mm:ss" sorts as text; newest first.
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return a.info.installTime.toLower() > b.info.installTime.toLower();
    });
    m_rows = rows;
    endResetModel();
    emit signalDataCountChanged(m_rows.size());
    // The icons may have changed with the applications: look again, off the
    // GUI thread; updateIcons() follows.
    m_userIcons->refresh();
}

void DataModel::updateIcons()
{
    if (!m_loaded) {
        slotRefreshDataList();
        return;
    }
    bool changed = false;
    for (Row &row : m_rows) {
        const QString path = iconPathFor(row.info, m_userIcons->index());
        changed = changed || path != row.iconPath;
        row.iconPath = path;
    }
    if (changed && !m_rows.isEmpty())
        emit dataChanged(index(0, ColumnName), index(m_rows.size() - 1, ColumnName));
}

void DataModel::doItemAction(TInstalledAppInfo *info, int action)
{
    const QString directory = applicationDirectory(*info);
    if (!QFileInfo(directory).isDir())
        qWarning().noquote() << tr("Real bottom maybe create unsuccessful!");

    int result = 0;
    switch (action) {
    case ActionStart:
        result = Doaction::instance()->stratAPP(info);
        break;
    case ActionManualRun: {
        QString exePath = QFileDialog::getOpenFileName(WineApplication::instance()->mainWindow(),
                                                       tr("open a file."), directory,
                                                       tr("exe(*.exe)"));
        result = Doaction::instance()->manualRun(info, exePath);
        break;
    }
    case ActionInstallDir:
        openDirectory(directory);
        break;
    case ActionLogInfo:
        openDirectory(info->logPath.isEmpty() ? QString() : QFileInfo(info->logPath).path());
        break;
    case ActionUninstall:
        // The bottle holds whatever the user saved in it: nothing goes
        // without a yes, and a no is no failure.
        if (!UninstallConfirmation::confirm(*info, UninstallConfirmation::Uninstall,
                                            WineApplication::instance()->mainWindow()))
            return;
        // Without a program file the application came from the catalogue;
        // an empty path would close every catalogue install window.
        if (!info->peInfo.peFilePath.isEmpty())
            WineApplication::instance()->closeInstaller(info->peInfo.peFilePath);
        // Ending a running program of the bottle can take seconds: the files
        // go on a worker thread, the record when they are gone.
        Doaction::instance()->unInstallAppLater(*info, this, {});
        break;
    case ActionBackup:
        // The outcome shows in the main window, where the backup runs.
        if (WineMainWindow *window = WineApplication::instance()->mainWindow())
            window->backupRestorePanel()->askAndBackup(*info);
        break;
    default:
        qWarning() << "Unsupport actions: " << action;
        return;
    }
    if (result != 0)
        emit signalDoActionFailed(directory, action);
}
