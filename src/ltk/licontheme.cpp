#include "licontheme.h"

#include "lsvgiconengine.h"

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
        return fileIcon(path);
    return QIcon::fromTheme(name);
}

QIcon LIconTheme::fileIcon(const QString &path)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return QIcon(new LSvgIconEngine(path));
    return QIcon(path);
}
