#ifndef CATALOGUE_H
#define CATALOGUE_H

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <optional>

/*
 * The catalogue a data directory describes in its "catalogue.json":
 *
 *   "categories"      array of {"id", "categories"}
 *   "apps"            array of application objects as the API sends them,
 *                     plus the service's own members "recommend" (names a
 *                     program may carry to be matched by recommend_name)
 *                     and "install_able" (false: not installable, default
 *                     true)
 *   "default_config"  {"version", "md5_value", "download_url"}
 *   "login"           {"callback", "client_id", "client_secret", "scope"}
 *   "users"           array of profiles, each with the "code" the account
 *                     service hands out for that user
 *
 * A missing section makes its request fail with 404. Addresses that begin
 * with "/" ("download_url", "icon", "avatar") are relative to the service
 * and are answered with the service's base address in front.
 */
class Catalogue
{
public:
    struct AppFilter
    {
        std::optional<QString> recommendName;
        std::optional<QString> keyword;
        bool installableOnly = false;
        std::optional<int> categoryId;
    };

    // Reads dataDir/catalogue.json; false with a message when it cannot.
    bool load(const QString &dataDir, QString &error);

    bool hasSection(const QString &name) const;
    QJsonArray apps(const AppFilter &filter, const QString &baseUrl) const;
    QJsonObject defaultConfig(const QString &baseUrl) const;
    QJsonArray categories() const;
    QJsonObject loginClient() const;
    // The profile of the user a login code belongs to; empty when unknown.
    QJsonObject userByCode(const QString &code, const QString &baseUrl) const;

private:
    static bool matches(const QJsonObject &app, const AppFilter &filter);
    static QJsonObject withAbsoluteAddresses(QJsonObject object, const QString &baseUrl);

    QJsonObject m_data;
};

#endif // CATALOGUE_H
