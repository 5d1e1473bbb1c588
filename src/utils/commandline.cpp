#include "commandline.h"

QString quotedArgument(const QString &argument)
{
    QString escaped = argument;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}
