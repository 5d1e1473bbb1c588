#include "installedviewtestutil.h"

#include "uninstallconfirmation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTimer>

namespace InstalledViewTest {

TInstalledAppInfo app(const QString &name, const QString &bottleName, const QString &installTime)
{
    TInstalledAppInfo info;
    info.appName = name;
    info.publishedAppInfo.appName = name;
    info.bottlePath = QDir::homePath() + QStringLiteral("/.lirvanwine/apps/") + bottleName;
    info.installTime = installTime;
    info.logPath = QDir::homePath() + QStringLiteral("/.cache/lirvan-wine-assist/logs/")
                   + bottleName + QStringLiteral(".log");
    info.desktopInfo.desktopPath = QDir::homePath() + QStringLiteral("/.local/share/applications/")
                                   + bottleName + QStringLiteral(".desktop");
    return info;
}

QString userIconPath(const QString &relativePath)
{
    return QDir::homePath() + QStringLiteral("/.local/share/icons/") + relativePath;
}

bool writeSvgIcon(const QString &path, const QColor &color)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    const QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" "
                                       "height=\"48\" viewBox=\"0 0 48 48\"><rect width=\"48\" "
                                       "height=\"48\" rx=\"10\" fill=\"%1\"/></svg>\n")
                                .arg(color.name());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(svg.toUtf8()) > 0;
}

bool writePngIcon(const QString &path, const QColor &color, int size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return image.save(path, "PNG");
}

ConfirmationAnswerer::ConfirmationAnswerer(bool confirm)
    : m_confirm(confirm)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &ConfirmationAnswerer::answer);
    m_timer->start(20);
}

void ConfirmationAnswerer::answer()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto dialog = qobject_cast<UninstallConfirmation *>(window);
        if (!dialog || !dialog->isVisible())
            continue;
        QStringList texts;
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->isVisible() && !label->text().isEmpty())
                texts.append(label->text());
        }
        m_shown.append(texts.join(QLatin1Char('\n')));
        dialog->getButton(m_confirm ? UninstallConfirmation::ConfirmAnswer
                                    : UninstallConfirmation::CancelAnswer)
                ->click();
    }
}

} // namespace InstalledViewTest
