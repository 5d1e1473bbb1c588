#ifndef APPINSTALLEDWIDGET_H
#define APPINSTALLEDWIDGET_H

#include <QString>
#include <QWidget>

class DataListView;
class DataModel;

/*
 * The page of installed applications: the table with its model, the notice
 * when nothing is installed, and the short notice when an action failed.
 */
class Appinstalledwidget : public QWidget
{
    Q_OBJECT
public:
    explicit Appinstalledwidget(QWidget *parent = nullptr);

    DataListView *view() const { return m_view; }
    DataModel *model() const { return m_model; }

public slots:
    void slotDataCountChanged(int count);
    void slotDoActionFailed(QString jobId, int iAction);

private:
    DataListView *m_view;
    DataModel *m_model;
};

#endif // APPINSTALLEDWIDGET_H
