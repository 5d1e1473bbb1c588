#include "winecommandline.h"

#include "lapplication.h"

#include <QTextStream>

namespace {

// Builds one "  -x, --name   description" line with the descriptions aligned.
QString optionLine(const QString &names, const QString &description)
{
    constexpr int NameColumn = 18;
    return QStringLiteral("  ") + names.leftJustified(NameColumn) + description + QLatin1Char('\n');
}

} // namespace

WineCommandLine::WineCommandLine(const QStringList &arguments)
    : m_help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
             tr("显示本帮助并退出"))
    , m_version({QStringLiteral("v"), QStringLiteral("version")}, tr("显示版本并退出"))
{
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
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

bool WineCommandLine::asksForInformation(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const WineCommandLine commandLine(arguments);
    return commandLine.wantsHelp() || commandLine.wantsVersion();
}
