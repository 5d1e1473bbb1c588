#include "uploadstore.h"

#include <httplib.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString RecordName = QStringLiteral("upload.json");

bool writeFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

QString toQString(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

UploadStore::UploadStore(const QString &directory)
    : m_directory(directory)
{
    if (m_directory.isEmpty() || !QDir().mkpath(m_directory))
        return;
    // Numbering goes on after the uploads of earlier runs.
    const QStringList existing = QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : existing)
        m_last = std::max(m_last, name.toInt());
}

bool UploadStore::isUsable() const
{
    return m_directory.isEmpty() || QFileInfo(m_directory).isWritable();
}

int UploadStore::keep(const std::vector<httplib::MultipartFormData> &parts,
                      const QString &contentType, const QString &accept)
{
    if (m_directory.isEmpty())
        return 0;
    int number = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        number = ++m_last;
    }
    const QDir dir(QDir(m_directory).filePath(QString::asprintf("%04d", number)));
    if (!QDir().mkpath(dir.path()))
        return -1;

    QJsonArray fields;
    for (const httplib::MultipartFormData &part : parts) {
        QJsonObject field{{QStringLiteral("name"), toQString(part.name)}};
        if (part.filename.empty()) {
            field.insert(QStringLiteral("value"), toQString(part.content));
        } else {
            const QString fileName = safeFileName(part.filename);
            field.insert(QStringLiteral("filename"), toQString(part.filename));
            field.insert(QStringLiteral("content_type"), toQString(part.content_type));
            field.insert(QStringLiteral("size"), static_cast<qint64>(part.content.size()));
            field.insert(QStringLiteral("stored_as"), fileName);
            if (!writeFile(dir.filePath(fileName), QByteArray::fromStdString(part.content)))
                return -1;
        }
        fields.append(field);
    }
    const QJsonObject record{{QStringLiteral("content_type"), contentType},
                             {QStringLiteral("accept"), accept},
                             {QStringLiteral("parts"), fields}};
    if (!writeFile(dir.filePath(RecordName), QJsonDocument(record).toJson()))
        return -1;
    return number;
}

// The base name of what the client sent, never a path, never the record.
QString UploadStore::safeFileName(const std::string &name)
{
    QString base = QFileInfo(toQString(name).replace(QLatin1Char('\\'), QLatin1Char('/')))
                           .fileName();
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String("..")
        || base == RecordName)
        base = QStringLiteral("file");
    return base;
}
