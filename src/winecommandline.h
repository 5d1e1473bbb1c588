#ifndef WINECOMMANDLINE_H
#define WINECOMMANDLINE_H

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

/*
 * The options that only ask for information: --help and --version. They are
 * answered on standard output before the assistant claims its single
 * instance, so they neither open a window nor reach a running assistant.
 * Every other command line, unknown options included, is left to the
 * application controller as it stands.
 */
class WineCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(WineCommandLine)
public:
    explicit WineCommandLine(const QStringList &arguments);

    bool wantsHelp() const;
    bool wantsVersion() const;

    QString helpText() const;
    QString versionText() const;

    // Prints the help or the version when asked for; true when it did.
    bool answer() const;

    // Whether the process's command line asks for the help or the version;
    // usable before the application object exists.
    static bool asksForInformation(int argc, char *argv[]);

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};

#endif // WINECOMMANDLINE_H
