#ifndef UNZIPINFO_H
#define UNZIPINFO_H

#include "taskinterface.h"

/*
 * Checks a downloaded package archive against its published MD5 and unpacks
 * it into a bottle directory with the helper script unzip.sh, on a task
 * thread.
 */
class UnzipInfo : public TaskInterface
{
    Q_OBJECT
public:
    explicit UnzipInfo(QObject *parent = nullptr);
    UnzipInfo(const QString &packagePath, const QString &unzipPath, QObject *parent = nullptr);
    ~UnzipInfo() override;

    void setPackagePath(const QString &path);
    void setUnzipPath(const QString &path);
    // An empty digest skips the check.
    void setMd5(const QString &md5);

    int doWork() override;
    QString getTaskName() override;

private:
    QString m_packagePath;
    QString m_unzipPath;
    QString m_md5;
};

#endif // UNZIPINFO_H
