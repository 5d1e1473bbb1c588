#ifndef UPLOADSTORE_H
#define UPLOADSTORE_H

#include <QString>

#include <mutex>
#include <string>
#include <vector>

namespace httplib {
struct MultipartFormData;
}

/*
 * Keeps uploaded logs below a directory, one numbered subdirectory per
 * upload ("0001", "0002", ...) holding the uploaded file under its base name
 * and "upload.json": the request's Content-Type and Accept headers and every
 * form part in the order received (name and value, or name, file name,
 * content type and size for file parts). "upload.json" is written last, so a
 * reader that finds it finds the whole upload.
 */
class UploadStore
{
public:
    // An empty directory keeps nothing.
    explicit UploadStore(const QString &directory);

    bool isUsable() const;
    // The number of the kept upload, 0 when nothing is kept, -1 on failure.
    int keep(const std::vector<httplib::MultipartFormData> &parts, const QString &contentType,
             const QString &accept);

private:
    static QString safeFileName(const std::string &name);

    const QString m_directory;
    std::mutex m_mutex;
    int m_last = 0;
};

#endif // UPLOADSTORE_H
