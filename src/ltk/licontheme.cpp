#include "licontheme.h"

#include <QFile>

QString LIconTheme::builtinPrefix()
{
    return QStringLiteral(":/icons/lirvan/builtin/icons/");
}

QString LIconTheme::resourcePath(const QString &name)
{
    if (!name.startsWith(QLatin1String("lw_")))
        return QString();
    const QString path = builtinPrefix() + name + QStringLiteral("_14px.svg");
    return QFile::exists(path) ? path : QString();
}

QIcon LIconTheme::findQIcon(const QString &name)
{
    const QString path = resourcePath(name);
    if (!path.isEmpty())
        return QIcon(path);
    return QIcon::fromTheme(name);
}
