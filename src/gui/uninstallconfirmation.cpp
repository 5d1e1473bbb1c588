#include "uninstallconfirmation.h"

#include "doaction.h"
#include "licontheme.h"
#include "ltkwidget.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>

namespace {

constexpr int DialogWidth = 440;
// Room for a folder line inside the dialog's margins.
constexpr int FolderLineWidth = DialogWidth - 60;

QString shownName(const TInstalledAppInfo &info)
{
    const QString published = info.publishedAppInfo.appName;
    return published.isEmpty() ? info.appName : published;
}

} // namespace

UninstallConfirmation::UninstallConfirmation(const TInstalledAppInfo &info, Purpose purpose,
                                             QWidget *parent)
    : LDialog(parent)
{
    const QString name = shownName(info);
    const bool uninstall = purpose == Uninstall;
    setWindowTitle(uninstall ? tr("卸载") : tr("覆盖安装"));
    setIcon(QIcon(LIconTheme::builtinPrefix() + QStringLiteral("warning_logo.svg")));
    setFixedWidth(DialogWidth);

    QLabel *question = addText(uninstall ? tr("确定要卸载“%1”吗？").arg(name)
                                         : tr("确定要覆盖安装“%1”吗？").arg(name));
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    addText(uninstall ? tr("它的文件夹将被删除，您保存在其中的所有文件（例如文档）也会一起删除，"
                           "且无法恢复：")
                      : tr("已安装应用的文件夹将先被删除，您保存在其中的所有文件（例如文档）也会"
                           "一起删除，且无法恢复："));
    for (const QString &folder : foldersOf(info)) {
        QLabel *line = addText(QString());
        line->setWordWrap(false);
        line->setText(line->fontMetrics().elidedText(folder, Qt::ElideMiddle, FolderLineWidth));
        line->setToolTip(QStringLiteral("<p>%1</p>").arg(folder.toHtmlEscaped()));
    }
    addSpacing(10);
    addButton(tr("取消"), true);
    addButton(uninstall ? tr("卸载") : tr("覆盖安装"));
    Ltk::Widget::moveToCenter(this);
}

QLabel *UninstallConfirmation::addText(const QString &text)
{
    auto label = new QLabel(text);
    // Names and paths from outside are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    addContent(label);
    return label;
}

bool UninstallConfirmation::confirm(const TInstalledAppInfo &info, Purpose purpose, QWidget *parent)
{
    UninstallConfirmation dialog(info, purpose, parent);
    return dialog.exec() == ConfirmAnswer;
}

QStringList UninstallConfirmation::foldersOf(const TInstalledAppInfo &info)
{
    QStringList folders;
    if (!info.bottlePath.isEmpty())
        folders.append(info.bottlePath);
    const QString bottleName = QFileInfo(info.bottlePath).fileName();
    if (info.publishedAppInfo.installType == 0 && !bottleName.isEmpty()) {
        const QString prefix = Doaction::realBottlePath(bottleName);
        if (QFileInfo(prefix).isDir())
            folders.append(prefix);
    }
    return folders;
}
