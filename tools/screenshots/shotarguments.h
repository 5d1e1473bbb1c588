#ifndef SHOTARGUMENTS_H
#define SHOTARGUMENTS_H

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdio>

// Reads "<locale> <output directory>" from the command line of a screenshot
// program, sets the locale before anything reads it and makes the directory.
// Returns the directory, or an empty string after printing the usage.
inline QString shotOutputDirectory(int argc, char *argv[])
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s <locale> <output directory>\n", argv[0]);
        return {};
    }
    qputenv("LC_ALL", argv[1]);
    qputenv("LANG", argv[1]);
    qunsetenv("LANGUAGE");
    const QString dir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(dir);
    return dir;
}

#endif // SHOTARGUMENTS_H
