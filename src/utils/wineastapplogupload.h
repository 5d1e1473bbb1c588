#ifndef WINEASTAPPLOGUPLOAD_H
#define WINEASTAPPLOGUPLOAD_H

#include "loguploadinfo.h"

#include <QObject>
#include <QString>

#include <memory>

class QHttpMultiPart;
class QtNetworkWorker;

/*
 * Uploads an installation's log archive with its description to the
 * catalogue service, as a multipart form with the fields app_id, file, desc,
 * name, version, category_id and type_id, in that order.
 */
class WineAstAppLogUpload : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WineAstAppLogUpload)
public:
    explicit WineAstAppLogUpload(const LogUploadInfo &info);
    ~WineAstAppLogUpload() override;

    void uploadLog();
    const LogUploadInfo &info() const;

signals:
    void signalFinished(int status, QString strData);

public slots:
    void slotRequestFinished(int status, QString strData, int id);

private:
    void appendField(const QString &name, const QString &value);
    void appendFile();

    const std::unique_ptr<QtNetworkWorker> m_worker;
    QHttpMultiPart *m_multiPart = nullptr; // child of this object
    LogUploadInfo m_info;
};

#endif // WINEASTAPPLOGUPLOAD_H
