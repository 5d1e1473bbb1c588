#include "jsonoperator.h"

#include "installedappslock.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// ---- reading and saving the whole file ----

struct JsonFile
{
    enum State { Missing, Unreadable, Invalid, Valid };
    State state = Missing;
    QByteArray bytes;
    QJsonDocument document;
    QString error;
};

JsonFile readJsonFile(const QString &path)
{
    JsonFile result;
    QFile file(path);
    if (!file.exists()) {
        result.error = QStringLiteral("file does not exist");
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.state = JsonFile::Unreadable;
        result.error = file.errorString();
        return result;
    }
    result.bytes = file.readAll();
    QJsonParseError parseError;
    result.document = QJsonDocument::fromJson(result.bytes, &parseError);
    result.state = parseError.error == QJsonParseError::NoError ? JsonFile::Valid
                                                                : JsonFile::Invalid;
    result.error = parseError.errorString();
    return result;
}

// True when the readers can go on with the document; logs why not otherwise.
bool isReadable(const JsonFile &file, const QString &path)
{
    if (file.state != JsonFile::Valid) {
        qWarning().noquote() << "Cannot parse" << path << ":" << file.error;
        return false;
    }
    return !file.document.isNull() && !file.document.isEmpty();
}

// The whole file is replaced atomically, so a crash or a full disk during the
// write leaves the previous contents in place.
bool saveDocument(const QJsonObject &top, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Cannot write" << path << ":" << file.errorString();
        return false;
    }
    file.write(QJsonDocument(top).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        qWarning().noquote() << "Cannot save" << path << ":" << file.errorString();
        return false;
    }
    return true;
}

QString unusedBackupName(const QString &path)
{
    const QString base = path + QStringLiteral(".corrupt-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int i = 2; QFileInfo::exists(name); ++i)
        name = base + QLatin1Char('-') + QString::number(i);
    return name;
}

// Copies contents that are about to be replaced to a file of their own, so
// the user's data survives whatever damaged it. False if that failed.
bool keepAside(const QString &path)
{
    const QString backup = unusedBackupName(path);
    if (!QFile::copy(path, backup)) {
        qWarning().noquote() << path << "is not a valid installed-apps file and could not be"
                             << "kept aside; it is left unchanged";
        return false;
    }
    qWarning().noquote() << path << "is not a valid installed-apps file; its contents are kept in"
                         << backup;
    return true;
}

// The top-level object that a new entry goes into, or false when the file
// must not be replaced.
bool loadForUpdate(const QString &path, QJsonObject &top)
{
    const JsonFile file = readJsonFile(path);
    switch (file.state) {
    case JsonFile::Missing:
        return true;
    case JsonFile::Unreadable:
        qWarning().noquote() << "Cannot read" << path << ":" << file.error
                             << "- nothing is written";
        return false;
    case JsonFile::Valid:
        if (file.document.isObject()) {
            top = file.document.object();
            return true;
        }
        break;
    case JsonFile::Invalid:
        qWarning().noquote() << "Cannot parse" << path << ":" << file.error;
        break;
    }
    return file.bytes.trimmed().isEmpty() || keepAside(path);
}

// ---- records to and from JSON objects ----

template<typename Record>
struct StringMember
{
    const char *name;
    QString Record::*field;
};

const StringMember<TPeInfo> peMembers[] = {
        {"peFilePath", &TPeInfo::peFilePath},
        {"peProductName", &TPeInfo::peProductName},
        {"peProductVersion", &TPeInfo::peProductVersion},
        {"peFileType", &TPeInfo::peFileType},
        {"peIconFile", &TPeInfo::peIconFile},
};

const StringMember<TPublishedAppInfo> downloadMembers[] = {
        {"MD5", &TPublishedAppInfo::MD5},
        {"Url", &TPublishedAppInfo::Url},
        {"localPath", &TPublishedAppInfo::localPath},
};

const StringMember<TInstalledAppInfo> localMembers[] = {
        {"bottlePath", &TInstalledAppInfo::bottlePath},
        {"installTime", &TInstalledAppInfo::installTime},
        {"logPath", &TInstalledAppInfo::logPath},
};

// In the order in which member names are matched when reading. Desktop
// categories are not written; they are only read from "Categories".
const StringMember<TDesktopfileInfo> desktopMembers[] = {
        {"groupheader", &TDesktopfileInfo::groupheader},
        {"desktopPath", &TDesktopfileInfo::desktopPath},
        {"name", &TDesktopfileInfo::name},
        {"exec", &TDesktopfileInfo::exec},
        {"type", &TDesktopfileInfo::type},
        {"startupnotify", &TDesktopfileInfo::startupnotify},
        {"comment", &TDesktopfileInfo::comment},
        {"path", &TDesktopfileInfo::path},
        {"icon", &TDesktopfileInfo::icon},
        {"startupwmclass", &TDesktopfileInfo::startupwmclass},
};

template<typename Record, size_t N>
QJsonObject stringsToJson(const Record &record, const StringMember<Record> (&members)[N])
{
    QJsonObject object;
    for (const StringMember<Record> &member : members)
        object.insert(QLatin1String(member.name), record.*(member.field));
    return object;
}

QJsonObject toJson(const TInstalledAppInfo &info)
{
    const TPublishedAppInfo &published = info.publishedAppInfo;
    const QJsonObject publishedObject{
            {QStringLiteral("installType"), published.installType},
            {QStringLiteral("appName"), published.appName},
            {QStringLiteral("id"), published.id},
            {QStringLiteral("score"), published.score},
            {QStringLiteral("categories"), published.categories},
            {QStringLiteral("version"), published.version},
            {QStringLiteral("author"), published.author},
            {QStringLiteral("packageName"), published.packageName},
            {QStringLiteral("downloadInfo"), stringsToJson(published, downloadMembers)},
    };
    QJsonObject localObject = stringsToJson(info, localMembers);
    localObject.insert(QStringLiteral("desktopInfo"),
                       stringsToJson(info.desktopInfo, desktopMembers));
    return QJsonObject{
            {QStringLiteral("peInfo"), stringsToJson(info.peInfo, peMembers)},
            {QStringLiteral("publishedAppInfo"), publishedObject},
            {QStringLiteral("localAppInfo"), localObject},
    };
}

// Reading matches member names by substring, trying the rules in order; the
// first rule whose name the member contains takes its value. Files written by
// other versions rely on this.
struct MemberRule
{
    QLatin1String name;
    std::function<void(const QJsonValue &)> read;
};
using MemberRules = std::vector<MemberRule>;

void readMembers(const QJsonObject &object, const MemberRules &rules)
{
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString key = it.key();
        const auto rule = std::find_if(rules.cbegin(), rules.cend(), [&key](const MemberRule &r) {
            return key.contains(r.name);
        });
        if (rule != rules.cend())
            rule->read(it.value());
    }
}

MemberRule stringRule(const char *name, QString &field)
{
    return {QLatin1String(name), [&field](const QJsonValue &value) {
                field = value.toString();
            }};
}

template<typename Record, size_t N>
MemberRules stringRules(Record &record, const StringMember<Record> (&members)[N])
{
    MemberRules rules;
    for (const StringMember<Record> &member : members)
        rules.push_back(stringRule(member.name, record.*(member.field)));
    return rules;
}

void readPublishedAppInfo(const QJsonObject &object, TPublishedAppInfo &published)
{
    const MemberRules rules{
            stringRule("appName", published.appName),
            {QLatin1String("score"),
             [&published](const QJsonValue &value) {
                 published.score = value.toDouble(0.0);
             }},
            {QLatin1String("categories"),
             [&published](const QJsonValue &value) {
                 published.categories = value.toInt(0);
             }},
            stringRule("version", published.version),
            stringRule("author", published.author),
            {QLatin1String("installType"),
             [&published](const QJsonValue &value) {
                 published.installType = value.toInt(0) != 0 ? 1 : 0;
             }},
            stringRule("packageName", published.packageName),
            {QLatin1String("downloadInfo"),
             [&published](const QJsonValue &value) {
                 readMembers(value.toObject(), stringRules(published, downloadMembers));
             }},
    };
    readMembers(object, rules);
}

void readDesktopInfo(const QJsonObject &object, TDesktopfileInfo &desktop)
{
    MemberRules rules = stringRules(desktop, desktopMembers);
    rules.push_back(stringRule("Categories", desktop.categories));
    readMembers(object, rules);
}

void readLocalAppInfo(const QJsonObject &object, TInstalledAppInfo &info)
{
    MemberRules rules = stringRules(info, localMembers);
    rules.push_back({QLatin1String("desktopInfo"), [&info](const QJsonValue &value) {
                         readDesktopInfo(value.toObject(), info.desktopInfo);
                     }});
    readMembers(object, rules);
}

void readAppObject(const QJsonObject &object, TInstalledAppInfo &info)
{
    const MemberRules rules{
            {QLatin1String("localAppInfo"),
             [&info](const QJsonValue &value) {
                 readLocalAppInfo(value.toObject(), info);
             }},
            {QLatin1String("publishedAppInfo"),
             [&info](const QJsonValue &value) {
                 readPublishedAppInfo(value.toObject(), info.publishedAppInfo);
             }},
            {QLatin1String("peInfo"),
             [&info](const QJsonValue &value) {
                 readMembers(value.toObject(), stringRules(info.peInfo, peMembers));
             }},
    };
    readMembers(object, rules);
}

// The bottle of a stored application.
QString bottleOf(const QJsonValue &entry)
{
    TInstalledAppInfo info;
    readAppObject(entry.toObject(), info);
    return info.bottlePath;
}

// The member name a new entry goes under: its own name, unless that names
// another bottle's application, which must not be lost.
QString memberNameFor(const QJsonObject &top, const TInstalledAppInfo &info)
{
    QString name = info.appName;
    for (int n = 2; top.contains(name) && bottleOf(top.value(name)) != info.bottlePath; ++n)
        name = QStringLiteral("%1 (%2)").arg(info.appName).arg(n);
    return name;
}

} // namespace

QString CommonJsonOperator::installedAppsFilePath()
{
    return QStringLiteral("%1%2appinstallinfo.json")
            .arg(QDir::homePath() + QStringLiteral("/.quennet"), QString(QDir::separator()));
}

QString installedAppsFilePath()
{
    return CommonJsonOperator::installedAppsFilePath();
}

QString CommonJsonOperator::writeToJasonfile(const TInstalledAppInfo &info, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());

    // Read, change and save under the lock: another process may be saving
    // its own change in between.
    const InstalledAppsLock lock(path);
    QJsonObject top;
    if (!loadForUpdate(path, top))
        return QString();
    const QString name = memberNameFor(top, info);
    if (name != info.appName)
        qWarning().noquote() << info.appName << "is already stored for another bottle; "
                             << info.bottlePath << "is stored as" << name;
    top.insert(name, toJson(info));
    return saveDocument(top, path) ? name : QString();
}

void CommonJsonOperator::readToJasonfile(QList<TInstalledAppInfo> &list, const QString &path)
{
    const JsonFile file = readJsonFile(path);
    if (!isReadable(file, path))
        return;

    const QJsonObject top = file.document.object();
    for (auto it = top.constBegin(); it != top.constEnd(); ++it) {
        TInstalledAppInfo info;
        info.appName = it.key();
        readAppObject(it.value().toObject(), info);
        list.append(info);
        qInfo() << "installed apps read:" << list.size();
    }
}

void CommonJsonOperator::findAppInfoToJasonfileByAppName(const QString &appName,
                                                         TInstalledAppInfo &info,
                                                         const QString &path)
{
    const JsonFile file = readJsonFile(path);
    if (!isReadable(file, path))
        return;

    const QJsonObject top = file.document.object();
    const auto entry = top.constFind(appName);
    if (entry == top.constEnd())
        return;
    info.appName = entry.key();
    readAppObject(entry.value().toObject(), info);
}

void CommonJsonOperator::removeAppFromJasonfile(const TInstalledAppInfo &info, const QString &path)
{
    const InstalledAppsLock lock(path);
    const JsonFile file = readJsonFile(path);
    if (!isReadable(file, path))
        return;

    QJsonObject top = file.document.object();
    QStringList names;
    const auto own = top.constFind(info.appName);
    if (own != top.constEnd() && bottleOf(own.value()) == info.bottlePath) {
        names.append(info.appName);
    } else if (!info.bottlePath.isEmpty()) {
        for (auto it = top.constBegin(); it != top.constEnd(); ++it) {
            if (bottleOf(it.value()) == info.bottlePath)
                names.append(it.key());
        }
    }
    if (names.isEmpty())
        return;
    for (const QString &name : qAsConst(names))
        top.remove(name);
    saveDocument(top, path);
}

void CommonJsonOperator::removeToJasonfile(const QString &appName, const QString &path)
{
    const InstalledAppsLock lock(path);
    const JsonFile file = readJsonFile(path);
    if (!isReadable(file, path))
        return;

    QJsonObject top = file.document.object();
    if (!top.contains(appName))
        return;
    top.remove(appName);
    saveDocument(top, path);
}

QString CommonJsonOperator::getValuebyKey(const QString &key, const QString &path)
{
    const JsonFile file = readJsonFile(path);
    if (!isReadable(file, path))
        return QString();

    const QJsonObject top = file.document.object();
    for (auto it = top.constBegin(); it != top.constEnd(); ++it) {
        if (it.key().contains(key))
            return it.value().toString();
    }
    return QString();
}
