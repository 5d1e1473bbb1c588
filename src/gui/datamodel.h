#ifndef DATAMODEL_H
#define DATAMODEL_H

#include "tinstalledappinfo.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class UserIconIndex;

/*
 * The installed applications as table rows, newest installation first,
 * reloaded whole whenever the registry of installed applications changes.
 * It also runs the actions that the view offers on a row.
 */
class DataModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The actions on an installed application, as the menu lists them.
    enum Action {
        ActionStart = 1,
        ActionManualRun = 2,
        ActionInstallDir = 3,
        ActionLogInfo = 4,
        ActionUninstall = 5,
        ActionBackup = 6,
    };
    static constexpr int FirstAction = ActionStart;
    static constexpr int LastAction = ActionBackup;

    enum Column {
        ColumnName,
        ColumnScore,
        ColumnCategory,
        ColumnVersion,
        ColumnDate,
        ColumnAuthor,
        ColumnCount
    };

    // The row's bottle path, for any column.
    static constexpr int BottlePathRole = Qt::UserRole + 1;

    explicit DataModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A copy of the row's record; actions get a copy because an uninstall
    // reloads the rows while it runs.
    TInstalledAppInfo appInfo(int row) const;

    // Runs one action on one application; a failure of actions 1, 2 and 5
    // emits signalDoActionFailed().
    void doItemAction(TInstalledAppInfo *info, int action);

    // The translated menu text of an action, empty for an unknown number.
    static QString actionText(int action);

signals:
    void signalDataCountChanged(int count);
    void signalDoActionFailed(QString jobId, int iAction);

public slots:
    void slotRefreshDataList();
    void slotRefreshDataItems();

private:
    struct Row
    {
        TInstalledAppInfo info;
        QString iconPath; // looked up once per reload, not at every paint
    };

    QVariant displayValue(const Row &row, int column) const;
    // The icon paths again, with the user's icon directory as last walked.
    void updateIcons();

    UserIconIndex *m_userIcons;
    QList<Row> m_rows;
    bool m_loaded = false; // the applications were read at least once
};

#endif // DATAMODEL_H
