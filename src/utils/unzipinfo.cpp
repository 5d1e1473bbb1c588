#include "unzipinfo.h"

#include "commandline.h"
#include "common.h"
#include "wineasthttpdownload.h"
#include "winesettings.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr int UnzipTimeoutMs = 30000;
}

UnzipInfo::UnzipInfo(QObject *parent)
    : TaskInterface(TaskUnzip, parent)
{
}

UnzipInfo::UnzipInfo(const QString &packagePath, const QString &unzipPath, QObject *parent)
    : TaskInterface(TaskUnzip, parent)
    , m_packagePath(packagePath)
    , m_unzipPath(unzipPath)
{
}

UnzipInfo::~UnzipInfo()
{
    // Closing the window gives up the unpack instead of waiting for it.
    requestAbort();
    stop();
}

void UnzipInfo::setPackagePath(const QString &path)
{
    m_packagePath = path;
}

void UnzipInfo::setUnzipPath(const QString &path)
{
    m_unzipPath = path;
}

void UnzipInfo::setMd5(const QString &md5)
{
    m_md5 = md5;
}

QString UnzipInfo::getTaskName()
{
    return QStringLiteral("UnzipInfo");
}

int UnzipInfo::doWork()
{
    const QString script = WineSettings::instance()->stringValue(QStringLiteral("tool"))
                           + QStringLiteral("unzip.sh");

    if (isAbortRequested())
        return cancelled();
    if (!m_md5.isEmpty() && !WineAstHttpDownload::checkFileMD5(m_md5, m_packagePath)) {
        m_errString = tr("MD5 not match");
        qWarning() << m_errString;
        return -1;
    }

    const QString command = quotedArgument(script) + QLatin1Char(' ')
                            + quotedArgument(m_packagePath) + QLatin1Char(' ')
                            + quotedArgument(m_unzipPath);
    QString output;
    const bool existed = QFileInfo::exists(m_unzipPath);
    if (shellCmd(command, output, m_errString, UnzipTimeoutMs, abortFlag()) != 0) {
        // The script makes the directory first; what it made stays only
        // when it holds something.
        if (!existed)
            QDir().rmdir(m_unzipPath);
        if (isAbortRequested())
            return cancelled();
        qWarning() << output;
        return -2;
    }
    return 0;
}
