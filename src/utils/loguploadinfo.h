#ifndef LOGUPLOADINFO_H
#define LOGUPLOADINFO_H

#include <QMetaType>
#include <QString>

// An installation log sent to the catalogue service as feedback.
struct LogUploadInfo
{
    QString appId; // catalogue id in decimal
    QString logFilePath; // the archive to upload
    QString desc;
    QString appName;
    QString version;
    qint32 categoryId = 0;
    qint32 typeId = 0; // the install type of the installation
};

Q_DECLARE_METATYPE(LogUploadInfo)

#endif // LOGUPLOADINFO_H
