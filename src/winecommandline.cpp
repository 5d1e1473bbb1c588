#include "winecommandline.h"

#include "lapplication.h"

#include <QTextStream>

namespace {

// Builds one "  -x, --name   description" line with the descriptions aligned.
QString optionLine(const QString &names, const QString &description)
{
    constexpr int NameColumn = 24;
    return QStringLiteral("  ") + names.leftJustified(NameColumn) + description + QLatin1Char('\n');
}

} // namespace

WineCommandLine::WineCommandLine(const QStringList &arguments)
    : m_help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
             tr("显示本帮助并退出"))
    , m_version({QStringLiteral("v"), QStringLiteral("version")}, tr("显示版本并退出"))
    , m_list(QStringLiteral("list"), tr("列出已安装的应用：名称、版本、目录和菜单项，以制表符分隔"))
    , m_install(QStringLiteral("install"), tr("不打开窗口安装 Windows 程序或安装包"),
                QStringLiteral("FILE"))
    , m_name(QStringLiteral("name"), tr("与 --install 一起：以此名称安装"), QStringLiteral("NAME"))
    , m_uninstall(QStringLiteral("uninstall"), tr("卸载应用；在终端上先询问"),
                  QStringLiteral("NAME"))
    , m_yes(QStringLiteral("yes"), tr("与 --uninstall 一起：不询问"))
    , m_backup(QStringLiteral("backup"), tr("把应用及其全部文件备份到一个文件 ARCHIVE"),
               QStringLiteral("NAME"))
    , m_force(QStringLiteral("force"), tr("与 --backup 一起：应用正在运行也备份"))
    , m_restore(QStringLiteral("restore"), tr("从备份文件恢复应用"), QStringLiteral("ARCHIVE"))
{
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    for (const QCommandLineOption *option :
         {&m_list, &m_install, &m_name, &m_uninstall, &m_yes, &m_backup, &m_force, &m_restore})
        m_parser.addOption(*option);
    // Unknown options are no error here: the controller treats any command
    // line without an existing file as a request for the main window.
    m_parser.parse(arguments);
}

bool WineCommandLine::wantsHelp() const
{
    return m_parser.isSet(m_help);
}

bool WineCommandLine::wantsVersion() const
{
    return m_parser.isSet(m_version);
}

QList<const QCommandLineOption *> WineCommandLine::commandOptions() const
{
    return {&m_list, &m_install, &m_uninstall, &m_backup, &m_restore};
}

WineCommandLine::Command WineCommandLine::command() const
{
    const QList<const QCommandLineOption *> options = commandOptions();
    for (int i = 0; i < options.size(); ++i) {
        if (m_parser.isSet(*options.at(i)))
            return Command(List + i);
    }
    return NoCommand;
}

QString WineCommandLine::subject() const
{
    switch (command()) {
    case Install:
        return m_parser.value(m_install);
    case Uninstall:
        return m_parser.value(m_uninstall);
    case Backup:
        return m_parser.value(m_backup);
    case Restore:
        return m_parser.value(m_restore);
    default:
        return QString();
    }
}

QString WineCommandLine::usageError() const
{
    int commands = 0;
    for (const QCommandLineOption *option : commandOptions())
        commands += m_parser.isSet(*option) ? 1 : 0;
    if (commands > 1)
        return tr("一次只能给出一个命令");
    if (m_parser.isSet(m_name) && command() != Install)
        return tr("--name 只能与 --install 一起使用");
    if (command() == Backup && backupArchive().isEmpty())
        return tr("--backup 需要应用名称和备份文件：--backup NAME ARCHIVE");
    if (command() != NoCommand && command() != List && subject().isEmpty())
        return tr("命令缺少参数");
    return QString();
}

QString WineCommandLine::helpText() const
{
    const QString program = QCoreApplication::applicationName();
    QString text = tr("用法：%1 [选项] [文件]").arg(program) + QLatin1Char('\n');
    if (auto app = qobject_cast<LApplication *>(qApp))
        text += app->applicationDescription() + QLatin1String("\n\n");
    text += tr("不带文件启动时打开主窗口；带一个 Windows 程序或安装包（.exe、.msi）"
               "启动时为它打开安装窗口。助手已在运行时，由它打开。")
            + QLatin1String("\n\n");
    text += tr("选项：") + QLatin1Char('\n');
    text += optionLine(QStringLiteral("-h, --help"), m_help.description());
    text += optionLine(QStringLiteral("-v, --version"), m_version.description());
    text += QLatin1Char('\n') + tr("脚本命令（不打开窗口，助手运行时也可用）：")
            + QLatin1Char('\n');
    text += optionLine(QStringLiteral("--list"), m_list.description());
    text += optionLine(QStringLiteral("--install FILE"), m_install.description());
    text += optionLine(QStringLiteral("  --name NAME"), m_name.description());
    text += optionLine(QStringLiteral("--uninstall NAME"), m_uninstall.description());
    text += optionLine(QStringLiteral("  --yes"), m_yes.description());
    text += optionLine(QStringLiteral("--backup NAME ARCHIVE"), m_backup.description());
    text += optionLine(QStringLiteral("  --force"), m_force.description());
    text += optionLine(QStringLiteral("--restore ARCHIVE"), m_restore.description());
    text += tr("退出状态：0 成功；1 失败；2 用法错误；3 已经安装；4 找不到；") + QLatin1Char('\n');
    text += tr("5 被拒绝（未确认，或应用正在运行）；130、143 被 SIGINT、SIGTERM 取消。")
            + QLatin1Char('\n');
    text += QLatin1Char('\n') + tr("参数：") + QLatin1Char('\n');
    text += optionLine(tr("文件"), tr("要安装的 Windows 程序或安装包"));
    return text;
}

QString WineCommandLine::versionText() const
{
    return QCoreApplication::applicationName() + QLatin1Char(' ')
           + QCoreApplication::applicationVersion() + QLatin1Char('\n');
}

bool WineCommandLine::answer() const
{
    QString text;
    if (wantsHelp())
        text = helpText();
    else if (wantsVersion())
        text = versionText();
    else
        return false;
    QTextStream out(stdout);
    out << text;
    out.flush();
    return true;
}

namespace {

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

bool WineCommandLine::asksForInformation(int argc, char *argv[])
{
    const WineCommandLine commandLine(argumentList(argc, argv));
    return commandLine.wantsHelp() || commandLine.wantsVersion();
}

bool WineCommandLine::runsWithoutWindow(int argc, char *argv[])
{
    return asksForInformation(argc, argv)
           || WineCommandLine(argumentList(argc, argv)).command() != NoCommand;
}
