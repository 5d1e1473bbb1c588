#ifndef UNINSTALLCONFIRMATION_H
#define UNINSTALLCONFIRMATION_H

#include "ldialog.h"
#include "tinstalledappinfo.h"

#include <QStringList>

class QLabel;

/*
 * Asks before an installed application's folders are deleted, by an
 * uninstall or by an overwrite install: names the application and its
 * folders, and says that files the user saved inside go with them. Cancel
 * is the default answer.
 */
class UninstallConfirmation : public LDialog
{
    Q_OBJECT
public:
    enum Purpose { Uninstall, Overwrite };
    enum Answer { CancelAnswer = 0, ConfirmAnswer = 1 };

    UninstallConfirmation(const TInstalledAppInfo &info, Purpose purpose,
                          QWidget *parent = nullptr);

    // Asks modally; true only when the user confirmed.
    static bool confirm(const TInstalledAppInfo &info, Purpose purpose, QWidget *parent = nullptr);

    // The folders that go with the application: its bottle and, for a
    // catalogue configuration, its separate prefix.
    static QStringList foldersOf(const TInstalledAppInfo &info);

private:
    QLabel *addText(const QString &text);
};

#endif // UNINSTALLCONFIRMATION_H
