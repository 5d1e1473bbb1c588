#ifndef WINEPEINFO_H
#define WINEPEINFO_H

#include "taskinterface.h"
#include "tpeinfo.h"

/*
 * Reads a Windows program's product name, version and file type with the
 * helper script peinfo.sh and extracts its icon with mkicons.sh, on a task
 * thread. The record is written only when the run succeeds.
 */
class WinePEInfo : public TaskInterface
{
    Q_OBJECT
public:
    explicit WinePEInfo(QObject *parent = nullptr);
    explicit WinePEInfo(const QString &filePath, QObject *parent = nullptr);
    ~WinePEInfo() override;

    void setFilePath(const QString &path);
    const TPeInfo &getPEInfo() const;

    int doWork() override;
    QString getTaskName() override;

private:
    int queryField(const QString &toolsDir, const QString &field, QString &value);
    // The step's failure code, or CancelledResult when the run was cancelled.
    int failedStep(int code);

    TPeInfo m_peInfo;
};

#endif // WINEPEINFO_H
