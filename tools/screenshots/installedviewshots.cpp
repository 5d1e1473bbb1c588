// Screenshots of the installed-applications page on its own, at the size it
// has in the main window: three applications (with their icons and stars),
// a hovered row with its buttons and tool tip, the context menu, a failure
// notice, the uninstall confirmation and the empty page. Run it under an X server (see
// scripts/installedview-shots.sh); it writes PNG files into the directory
// given as its argument.

#include "appinstalledwidget.h"
#include "datalistview.h"
#include "datamodel.h"
#include "installedviewtestutil.h"
#include "isolatedhome.h"
#include "lapplication.h"
#include "uninstallconfirmation.h"
#include "wineapplication.h"
#include "wineinstalledapps.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTextStream>
#include <QToolTip>

using namespace InstalledViewTest;

namespace {

const QSize PageSize(840, 640);
const QPoint PagePos(40, 40);

void wait(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QList<TInstalledAppInfo> sampleApps()
{
    TInstalledAppInfo notes = app(QStringLiteral("记事本专业版"), QStringLiteral("com.notes.pro"),
                                  QStringLiteral("2026-12-05 21:40:02"));
    notes.publishedAppInfo.score = 4.2;
    notes.publishedAppInfo.categories = 7;
    notes.publishedAppInfo.version = QStringLiteral("3.9.2");
    notes.publishedAppInfo.author = QStringLiteral("lirvan");
    notes.desktopInfo.icon = QStringLiteral("com.notes.pro");
    writeSvgIcon(userIconPath(QStringLiteral("hicolor/scalable/apps/com.notes.pro.svg")),
                 QColor(0x2f, 0x80, 0xed));

    TInstalledAppInfo player = app(QStringLiteral("Foobar Audio Player 音乐播放器增强版本"),
                                   QStringLiteral("FoobarAudioPlayer"),
                                   QStringLiteral("2026-12-06 08:15:30"));
    player.publishedAppInfo.installType = 1;
    player.publishedAppInfo.score = 3.5;
    player.publishedAppInfo.categories = 3;
    player.publishedAppInfo.author = QStringLiteral("社区用户张三丰的音乐工作室");
    player.peInfo.peProductVersion = QStringLiteral("1.4.8.2201");
    player.desktopInfo.icon = QStringLiteral("FoobarAudioPlayer");
    writePngIcon(userIconPath(QStringLiteral("hicolor/48x48/apps/FoobarAudioPlayer.png")),
                 QColor(0xf2, 0x99, 0x4a));

    TInstalledAppInfo paint = app(QStringLiteral("画图工具"), QStringLiteral("PaintTool"),
                                  QStringLiteral("2026-11-30 23:59:59"));
    paint.publishedAppInfo.installType = 1;
    paint.publishedAppInfo.categories = 12;
    paint.peInfo.peProductVersion = QStringLiteral("2.0");
    paint.peInfo.peIconFile = QDir::homePath() + QStringLiteral("/.cache/paint.png");
    writePngIcon(paint.peInfo.peIconFile, QColor(0x27, 0xae, 0x60), 32);
    return {notes, player, paint};
}

void moveMouse(DataListView *view, const QPoint &pos)
{
    QCursor::setPos(view->viewport()->mapToGlobal(pos));
    QMouseEvent move(QEvent::MouseMove, pos, view->viewport()->mapToGlobal(pos), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &move);
}

// The screen around the page, so that menus and tool tips are included.
bool shoot(const QString &dir, const QString &name)
{
    wait(300);
    const QRect area(PagePos - QPoint(20, 20), PageSize + QSize(160, 80));
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(),
                                                                      area.width(), area.height());
    const QString path = dir + QLatin1Char('/') + name;
    QTextStream(stdout) << path << '\n';
    return shot.save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    IsolatedHome home;
    LApplication application(argc, argv);
    // The translation of the locale (LANG), as the program loads it.
    WineApplication::instance()->setIdentity();
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    for (const TInstalledAppInfo &info : sampleApps())
        WineInstalledApps::instance()->addInstalledApps(info);

    Appinstalledwidget page;
    page.resize(PageSize);
    page.move(PagePos);
    page.show();
    DataListView *view = page.view();
    bool ok = shoot(dir, QStringLiteral("installed-three.png"));

    // The pointer on the start button of the first row.
    const QRect authorCell = view->visualRect(page.model()->index(0, DataModel::ColumnAuthor));
    const QPoint startButton(authorCell.right() - 10 - 3 * 26 + 8, authorCell.center().y());
    moveMouse(view, startButton);
    ok = shoot(dir, QStringLiteral("installed-hover.png")) && ok;

    view->selectRow(2);
    const QPoint menuAt = view->visualRect(page.model()->index(2, 1)).center();
    moveMouse(view, menuAt);
    view->slotShowContextMenu(menuAt);
    ok = shoot(dir, QStringLiteral("installed-menu.png")) && ok;
    view->contextMenu()->hide();

    QCursor::setPos(view->viewport()->mapToGlobal(QPoint(300, 200)));
    wait(300);
    page.slotDoActionFailed(QString(), DataModel::ActionManualRun);
    ok = shoot(dir, QStringLiteral("installed-failed.png")) && ok;
    QToolTip::hideText();

    // The question before an uninstall: a catalogue application with its
    // bottle and its separate prefix.
    const TInstalledAppInfo notes = sampleApps().constFirst();
    QDir().mkpath(QDir::homePath() + QStringLiteral("/.lirvanwine/com.notes.pro"));
    {
        UninstallConfirmation confirmation(notes, UninstallConfirmation::Uninstall);
        confirmation.show();
        wait(300);
        const QString path = dir + QStringLiteral("/installed-uninstall-confirmation.png");
        QTextStream(stdout) << path << '\n';
        ok = confirmation.grab().save(path) && ok;
    }

    for (const TInstalledAppInfo &info : sampleApps())
        WineInstalledApps::instance()->removeInstallApps(info);
    ok = shoot(dir, QStringLiteral("installed-empty.png")) && ok;
    return ok ? 0 : 1;
}
