#ifndef LAUNCHENTRY_H
#define LAUNCHENTRY_H

#include <QString>
#include <QStringList>

/*
 * What starting an application's desktop entry runs: the command line of
 * its Exec key, split by the freedesktop.org desktop entry quoting and
 * escaping rules with every field code dropped, and the working directory of
 * its Path key.
 */
class LaunchEntry
{
public:
    // Reads the file's "Desktop Entry" group. On failure the entry is not
    // valid and error() says why.
    static LaunchEntry fromFile(const QString &path);
    // Splits an Exec value (string escapes already resolved); false with a
    // reason in error when its quoting is broken.
    static bool splitExec(const QString &exec, QStringList &arguments, QString &error);
    // Resolves the string escapes \s \n \t \r and \\ of a desktop entry
    // value; other backslashes are kept for the Exec quoting rules.
    static QString unescapeValue(const QString &value);

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }
    QString workingDirectory() const { return m_workingDirectory; }

private:
    bool readGroup(const QString &path, QString &type, QString &exec);
    bool resolveCommand(const QString &exec);

    QString m_error;
    QString m_program;
    QStringList m_arguments;
    QString m_workingDirectory;
};

#endif // LAUNCHENTRY_H
