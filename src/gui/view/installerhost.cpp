#include "installerhost.h"

#include "containerinstallerobj.h"
#include "containerinstallview.h"
#include "licontheme.h"
#include "wineapplication.h"

#include <QCloseEvent>

InstallerHost::InstallerHost(QWidget *host)
    : m_host(host)
    , m_installer(new WineInstallerWnd(host))
{
}

InstallerHost::~InstallerHost() = default;

QPixmap InstallerHost::hostIcon()
{
    const QPixmap pixmap(LIconTheme::builtinPrefix() + QStringLiteral("lw_headerIcon.svg"));
    return pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void InstallerHost::recoverInstall()
{
    if (!m_installerObj)
        return;
    removeInstallerObj(m_installerObj);
    m_installer->reinstallAfterUninstall([this] {
        if (m_installerObj)
            addInstallerObj(m_installerObj);
    });
}

void InstallerHost::handleCloseEvent(QCloseEvent *event)
{
    // A second close while cleaning up only waits for the same clean-up.
    if (m_installer->holdCloseForCleanup()) {
        event->ignore();
        return;
    }
    if (m_installer->isUploadingLog()) {
        m_host->hide();
        event->ignore();
    } else {
        m_host->deleteLater();
        event->accept();
    }
    if (m_installerObj) {
        removeInstallerObj(m_installerObj);
        m_installerObj->deleteLater();
        m_installerObj = nullptr;
    }
}
