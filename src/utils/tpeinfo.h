#ifndef TPEINFO_H
#define TPEINFO_H

#include <QMetaType>
#include <QString>

// What was read from a program file's PE version information.
struct TPeInfo
{
    QString peFilePath;
    QString peProductName;
    QString peProductVersion;
    QString peFileType;
    QString peIconFile;
};

inline bool operator==(const TPeInfo &a, const TPeInfo &b)
{
    return a.peFilePath == b.peFilePath && a.peProductName == b.peProductName
           && a.peProductVersion == b.peProductVersion && a.peFileType == b.peFileType
           && a.peIconFile == b.peIconFile;
}

inline bool operator!=(const TPeInfo &a, const TPeInfo &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(TPeInfo)

#endif // TPEINFO_H
