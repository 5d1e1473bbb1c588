#include "isolatedhome.h"

#include <QDir>

IsolatedHome::IsolatedHome()
    : m_dir(QDir::tempPath() + QStringLiteral("/lwa-home.XXXXXX"))
{
    const QString home = m_dir.path();
    const QList<QPair<const char *, QString>> variables = {
            {"HOME", home},
            {"XDG_CONFIG_HOME", home + QStringLiteral("/.config")},
            {"XDG_DATA_HOME", home + QStringLiteral("/.local/share")},
            {"XDG_CACHE_HOME", home + QStringLiteral("/.cache")},
            {"XDG_STATE_HOME", home + QStringLiteral("/.local/state")},
    };
    for (const auto &variable : variables) {
        QDir().mkpath(variable.second);
        qputenv(variable.first, QFile::encodeName(variable.second));
    }
}
