#include "catalogue.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {

const QString RecommendMember = QStringLiteral("recommend");
const QString InstallableMember = QStringLiteral("install_able");

} // namespace

bool Catalogue::load(const QString &dataDir, QString &error)
{
    QFile file(QDir(dataDir).filePath(QStringLiteral("catalogue.json")));
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read ") + file.fileName();
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        error = file.fileName() + QStringLiteral(": ") + parseError.errorString();
        return false;
    }
    m_data = document.object();
    return true;
}

bool Catalogue::hasSection(const QString &name) const
{
    return m_data.contains(name);
}

QJsonArray Catalogue::apps(const AppFilter &filter, const QString &baseUrl) const
{
    QJsonArray result;
    const QJsonArray all = m_data.value(QStringLiteral("apps")).toArray();
    for (const QJsonValue &value : all) {
        QJsonObject app = value.toObject();
        if (!matches(app, filter))
            continue;
        app.remove(RecommendMember);
        app.remove(InstallableMember);
        result.append(withAbsoluteAddresses(app, baseUrl));
    }
    return result;
}

QJsonObject Catalogue::defaultConfig(const QString &baseUrl) const
{
    return withAbsoluteAddresses(m_data.value(QStringLiteral("default_config")).toObject(),
                                 baseUrl);
}

QJsonArray Catalogue::categories() const
{
    return m_data.value(QStringLiteral("categories")).toArray();
}

QJsonObject Catalogue::loginClient() const
{
    return m_data.value(QStringLiteral("login")).toObject();
}

QJsonObject Catalogue::userByCode(const QString &code, const QString &baseUrl) const
{
    const QJsonArray users = m_data.value(QStringLiteral("users")).toArray();
    for (const QJsonValue &value : users) {
        QJsonObject user = value.toObject();
        if (!code.isEmpty() && user.value(QStringLiteral("code")).toString() == code) {
            user.remove(QStringLiteral("code"));
            return withAbsoluteAddresses(user, baseUrl);
        }
    }
    return {};
}

bool Catalogue::matches(const QJsonObject &app, const AppFilter &filter)
{
    if (filter.recommendName) {
        const QJsonArray names = app.value(RecommendMember).toArray();
        const bool known = std::any_of(names.begin(), names.end(), [&filter](const QJsonValue &n) {
            return n.toString().compare(*filter.recommendName, Qt::CaseInsensitive) == 0;
        });
        if (!known)
            return false;
    }
    if (filter.keyword
        && !app.value(QStringLiteral("name"))
                    .toString()
                    .contains(*filter.keyword, Qt::CaseInsensitive))
        return false;
    if (filter.installableOnly && !app.value(InstallableMember).toBool(true))
        return false;
    if (filter.categoryId
        && app.value(QStringLiteral("category_id")).toInt(-1) != *filter.categoryId)
        return false;
    return true;
}

QJsonObject Catalogue::withAbsoluteAddresses(QJsonObject object, const QString &baseUrl)
{
    static const QStringList addresses = {QStringLiteral("download_url"), QStringLiteral("icon"),
                                          QStringLiteral("avatar")};
    for (const QString &member : addresses) {
        const QString address = object.value(member).toString();
        if (address.startsWith(QLatin1Char('/')))
            object.insert(member, baseUrl + address);
    }
    const QString author = QStringLiteral("author_info");
    if (object.value(author).isObject())
        object.insert(author, withAbsoluteAddresses(object.value(author).toObject(), baseUrl));
    return object;
}
