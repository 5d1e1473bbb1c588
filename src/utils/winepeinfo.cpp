#include "winepeinfo.h"

#include "commandline.h"
#include "common.h"
#include "winesettings.h"

#include <QDir>
#include <QRegularExpression>

namespace {

constexpr int ScriptTimeoutMs = 30000;

// The product name comes from the file being inspected; it must not be able
// to steer the icon outside the icon directory.
QString iconFileName(const QString &productName)
{
    QString name = productName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return name + QStringLiteral(".png");
}

} // namespace

WinePEInfo::WinePEInfo(QObject *parent)
    : TaskInterface(TaskPeInfo, parent)
{
}

WinePEInfo::WinePEInfo(const QString &filePath, QObject *parent)
    : TaskInterface(TaskPeInfo, parent)
{
    m_peInfo.peFilePath = filePath;
}

WinePEInfo::~WinePEInfo()
{
    requestAbort();
    stop();
}

void WinePEInfo::setFilePath(const QString &path)
{
    m_peInfo.peFilePath = path;
}

const TPeInfo &WinePEInfo::getPEInfo() const
{
    return m_peInfo;
}

QString WinePEInfo::getTaskName()
{
    return QStringLiteral("PEInfo");
}

int WinePEInfo::queryField(const QString &toolsDir, const QString &field, QString &value)
{
    const QString command = quotedArgument(toolsDir + QStringLiteral("peinfo.sh"))
                            + QLatin1Char(' ') + field + QLatin1Char(' ')
                            + quotedArgument(m_peInfo.peFilePath);
    return shellCmd(command, value, m_errString, ScriptTimeoutMs, abortFlag());
}

int WinePEInfo::doWork()
{
    const QString toolsDir = WineSettings::instance()->stringValue(QStringLiteral("tool"));

    QString productName;
    QString productVersion;
    QString fileType;
    if (queryField(toolsDir, QStringLiteral("ProductName"), productName) != 0)
        return failedStep(-1);
    if (productName.isEmpty() && queryField(toolsDir, QStringLiteral("Subject"), productName) != 0)
        return failedStep(-4);
    if (queryField(toolsDir, QStringLiteral("ProductVersion"), productVersion) != 0)
        return failedStep(-2);
    if (queryField(toolsDir, QStringLiteral("FileType"), fileType) != 0)
        return failedStep(-3);

    if (!fileType.contains(QStringLiteral("EXE"), Qt::CaseInsensitive)
        && !fileType.contains(QStringLiteral("FPX"), Qt::CaseInsensitive)) {
        m_errString = tr("Incorrect package file");
        return -5;
    }

    static const QRegularExpression whiteSpace(QStringLiteral("\\s"));
    productName.remove(whiteSpace);
    productName.remove(QStringLiteral("Setup"), Qt::CaseInsensitive);
    productVersion.remove(whiteSpace);

    productName = productName.trimmed();
    const QString iconDir = QDir::homePath() + QStringLiteral("/.lirvanwine/icons/");
    QDir().mkpath(iconDir);
    const QString iconPath = iconDir + iconFileName(productName);
    // A program without an icon is still a program: the result is not checked.
    QString output;
    QString error;
    shellCmd(quotedArgument(toolsDir + QStringLiteral("mkicons.sh")) + QLatin1Char(' ')
                     + quotedArgument(m_peInfo.peFilePath) + QLatin1Char(' ')
                     + quotedArgument(iconPath),
             output, error, ScriptTimeoutMs, abortFlag());
    if (isAbortRequested())
        return cancelled();

    m_peInfo.peProductName = productName;
    m_peInfo.peProductVersion = productVersion.trimmed();
    m_peInfo.peFileType = fileType.trimmed();
    m_peInfo.peIconFile = iconPath;
    return 0;
}

int WinePEInfo::failedStep(int code)
{
    return isAbortRequested() ? cancelled() : code;
}
