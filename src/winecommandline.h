#ifndef WINECOMMANDLINE_H
#define WINECOMMANDLINE_H

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

/*
 * The options that only ask for information (--help, --version) and the
 * commands for scripts (--list, --install, --uninstall, --backup, --restore).
 * Both are handled before the assistant claims its single instance, so they
 * neither open a window nor reach a running assistant. Every other command
 * line, unknown options included, is left to the application controller as
 * it stands.
 */
class WineCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(WineCommandLine)
public:
    enum Command { NoCommand, List, Install, Uninstall, Backup, Restore };

    explicit WineCommandLine(const QStringList &arguments);

    bool wantsHelp() const;
    bool wantsVersion() const;

    Command command() const;
    // What the command is about: the file, the application's name or the
    // archive.
    QString subject() const;
    // --name, and the archive of --backup.
    QString name() const { return m_parser.value(m_name); }
    QString backupArchive() const { return m_parser.positionalArguments().value(0); }
    bool yes() const { return m_parser.isSet(m_yes); }
    bool force() const { return m_parser.isSet(m_force); }
    // Why the command cannot run as given; empty when it can.
    QString usageError() const;

    QString helpText() const;
    QString versionText() const;

    // Prints the help or the version when asked for; true when it did.
    bool answer() const;

    // Whether the process's command line asks for the help or the version;
    // usable before the application object exists.
    static bool asksForInformation(int argc, char *argv[]);
    // Whether it asks for anything that needs no window (the above or a
    // command).
    static bool runsWithoutWindow(int argc, char *argv[]);

private:
    QList<const QCommandLineOption *> commandOptions() const;

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_list;
    QCommandLineOption m_install;
    QCommandLineOption m_name;
    QCommandLineOption m_uninstall;
    QCommandLineOption m_yes;
    QCommandLineOption m_backup;
    QCommandLineOption m_force;
    QCommandLineOption m_restore;
};

#endif // WINECOMMANDLINE_H
