#include "execline.h"

namespace {

const QLatin1String execReserved("\"`$\\");

// A backslash before each of " ` $ and \, which is how both bash and Exec
// lines keep them literal inside double quotes.
QString backslashEscaped(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        if (execReserved.contains(c))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

// Escapes inside a quoted Exec argument, then the string-value escapes of the
// desktop entry file (a backslash is written twice, line breaks as \n, \r).
QString desktopQuoted(const QString &value)
{
    QString quoted = backslashEscaped(value);
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return ExecLine::singleLine(QLatin1Char('"') + quoted + QLatin1Char('"'));
}

bool needsExecQuoting(const QString &value)
{
    if (value.isEmpty())
        return true;
    for (const QChar c : value) {
        if (c.isSpace() || execReserved.contains(c) || QLatin1String("'<>~|&;*?#()%").contains(c))
            return true;
    }
    return false;
}

} // namespace

namespace ExecLine {

QString singleLine(const QString &value)
{
    return QString(value)
            .replace(QLatin1Char('\n'), QLatin1String("\\n"))
            .replace(QLatin1Char('\r'), QLatin1String("\\r"));
}

QString shellQuoted(const QString &value)
{
    return QLatin1Char('"') + backslashEscaped(value) + QLatin1Char('"');
}

QString windowsExecPath(const QString &path, const QString &prefix)
{
    QString windowsPath = path;
    windowsPath.replace(prefix + QStringLiteral("/drive_c"), QStringLiteral("C:"));
    windowsPath.replace(QLatin1Char('/'), QStringLiteral("\\\\\\\\"));
    windowsPath.replace(QLatin1Char(' '), QStringLiteral("\\\\ "));
    // A percent sign would read as a field code.
    windowsPath.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return windowsPath;
}

QString execArgument(const QString &value)
{
    return needsExecQuoting(value) ? desktopQuoted(value) : value;
}

QString wineCommand(const QString &prefix, const QString &wine, const QString &windowsExecPath)
{
    return ExecLine::singleLine(QStringLiteral("env WINEPREFIX=") + desktopQuoted(prefix)
                                + QLatin1Char(' ') + execArgument(wine) + QLatin1Char(' ')
                                + windowsExecPath);
}

} // namespace ExecLine
