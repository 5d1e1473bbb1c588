#ifndef INSTALLEDVIEWTESTUTIL_H
#define INSTALLEDVIEWTESTUTIL_H

#include "tinstalledappinfo.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

class QTimer;

// Set-up shared by the installed-apps view test and its screenshot program.
namespace InstalledViewTest {

// A record of an application installed at installTime into
// ~/.lirvanwine/apps/<bottleName>, with a menu entry named after it.
TInstalledAppInfo app(const QString &name, const QString &bottleName,
                      const QString &installTime = QStringLiteral("2026-01-01 00:00:00"));

// ~/.local/share/icons/ followed by the relative path.
QString userIconPath(const QString &relativePath);

// Small square pictures of one colour, with their directories created.
bool writeSvgIcon(const QString &path, const QColor &color);
bool writePngIcon(const QString &path, const QColor &color, int size = 48);

/*
 * Answers every uninstall or overwrite confirmation that appears while it
 * lives, with its confirm or its cancel button, and notes the texts each one
 * showed.
 */
class ConfirmationAnswerer : public QObject
{
    Q_OBJECT
public:
    explicit ConfirmationAnswerer(bool confirm);
    // The visible texts of each confirmation answered, one string each.
    QStringList shown() const { return m_shown; }

private:
    void answer();

    bool m_confirm;
    QTimer *m_timer;
    QStringList m_shown;
};

} // namespace InstalledViewTest

#endif // INSTALLEDVIEWTESTUTIL_H
