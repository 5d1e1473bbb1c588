#ifndef WINEASTAPPDOWNLOADPOINT_H
#define WINEASTAPPDOWNLOADPOINT_H

#include <QObject>
#include <QString>

#include <memory>

class QtNetworkWorker;

/*
 * Reports a package download to the catalogue service: a catalogue
 * application by its id, anything else by name and category. Fields that are
 * not set (0 or empty) are left out of the report.
 */
class WineAstAppDownloadPoint : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WineAstAppDownloadPoint)
public:
    WineAstAppDownloadPoint();
    ~WineAstAppDownloadPoint() override;

    void requestDownloadPoint(int id, const QString &name, int typeId);

signals:
    void signalFinished(int status, QString strData);

public slots:
    void slotRequestFinished(int status, QString strData, int id);

private:
    const std::unique_ptr<QtNetworkWorker> m_worker;
};

#endif // WINEASTAPPDOWNLOADPOINT_H
