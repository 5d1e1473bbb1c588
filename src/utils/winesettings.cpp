#include "winesettings.h"

#include <QDebug>
#include <QHash>
#include <QUrl>

namespace {

constexpr QLatin1String Organisation("lirvan");
constexpr QLatin1String Application("lirvan-wine-assist");

QHash<QString, QString> builtInDefaults()
{
    const QString root = QStringLiteral(LWA_INSTALL_ROOT);
    return {
            {QStringLiteral("tool"), root + QStringLiteral("/tools/")},
            {QStringLiteral("wine"), root + QStringLiteral("/lirvan-wine5-stable/bin/wine")},
            {QStringLiteral("wine64"), root + QStringLiteral("/lirvan-wine5-stable/bin/wine64")},
            {QStringLiteral("lirvan-wine-helper"),
             root + QStringLiteral("/tools/lirvan-wine-helper/")},
            {QStringLiteral("config-data"), root + QStringLiteral("/data")},
            {QStringLiteral("local_path"),
             root + QStringLiteral("/data/Depends/DefaultBottle/files.7z")},
            {QStringLiteral("wine_oauth_host"), QStringLiteral(LWA_SERVICE_BASE_URL)},
            {QStringLiteral("wine_company_district"), QStringLiteral(LWA_FORUM_URL)},
            // The privacy agreement is a page installed with the program.
            {QStringLiteral("privacy_agreement"),
             QUrl::fromLocalFile(QStringLiteral(LWA_PRIVACY_PAGE_FILE)).toString()},
    };
}

} // namespace

WineSettings::WineSettings()
    : QSettings(Organisation, Application)
{
}

WineSettings *WineSettings::instance()
{
    static WineSettings settings;
    return &settings;
}

void WineSettings::init() const
{
    qInfo().noquote() << QStringLiteral("Wine settings file: ") + fileName();
}

QString WineSettings::defaultValue(const QString &key)
{
    static const QHash<QString, QString> defaults = builtInDefaults();
    return defaults.value(key);
}

QString WineSettings::stringValue(const QString &key) const
{
    return value(key, defaultValue(key)).toString();
}

void WineSettings::store(const QString &key, const QVariant &value)
{
    // Settings objects of one file share their values within the process.
    QSettings settings(Organisation, Application);
    settings.setValue(key, value);
    settings.sync();
}
