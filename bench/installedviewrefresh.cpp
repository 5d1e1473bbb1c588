// Cost of reloading the installed-applications page when the user's icon
// directory is large: the page looks every application's menu icon up in
// ~/.local/share/icons. Builds a tree of 4,000 icon files and 30 installed
// applications in a temporary home, then times one reload of the page's
// model against the reference lookup that walks the tree twice for each
// application (once for the SVG, once for the PNG name).
//
// Prints: apps, icon files, reload ms (on the GUI thread), walk ms (the
// directory walk, on a worker thread), reference ms and the ratio of reload
// to reference (best of five runs each). Target: the reload at most a tenth
// of the reference.

#include "datamodel.h"
#include "doaction.h"
#include "installedviewtestutil.h"
#include "isolatedhome.h"
#include "usericonindex.h"
#include "wineinstalledapps.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace InstalledViewTest;

namespace {

constexpr int AppCount = 30;
constexpr int IconNames = 500;
const QStringList SizeDirs = {QStringLiteral("16x16"),   QStringLiteral("22x22"),
                              QStringLiteral("24x24"),   QStringLiteral("32x32"),
                              QStringLiteral("48x48"),   QStringLiteral("64x64"),
                              QStringLiteral("128x128"), QStringLiteral("scalable")};

int makeIconTree()
{
    int files = 0;
    for (const QString &size : SizeDirs) {
        const QString dir = userIconPath(QStringLiteral("hicolor/") + size
                                         + QStringLiteral("/apps/"));
        QDir().mkpath(dir);
        const QString suffix = size == QLatin1String("scalable") ? QStringLiteral(".svg")
                                                                 : QStringLiteral(".png");
        for (int i = 0; i < IconNames; ++i) {
            QFile file(dir + QStringLiteral("icon-%1").arg(i) + suffix);
            if (file.open(QIODevice::WriteOnly))
                ++files;
        }
    }
    return files;
}

double bestOfFive(const std::function<void()> &run)
{
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    IsolatedHome home;
    QApplication application(argc, argv);
    const int files = makeIconTree();
    for (int i = 0; i < AppCount; ++i) {
        TInstalledAppInfo info
                = app(QStringLiteral("App %1").arg(i), QStringLiteral("app%1").arg(i),
                      QStringLiteral("2026-01-01 00:00:%1").arg(i, 2, 10, QLatin1Char('0')));
        info.desktopInfo.icon = QStringLiteral("icon-%1").arg(i * 7);
        WineInstalledApps::instance()->addInstalledApps(info);
    }

    DataModel model;
    const double reload = bestOfFive([&] { model.slotRefreshDataItems(); });
    const double walk = bestOfFive([] { UserIconIndex::walk(UserIconIndex::directory()); });
    const double reference = bestOfFive([] {
        const QString dir = QDir::homePath() + QStringLiteral("/.local/share/icons");
        for (const TInstalledAppInfo &info : WineInstalledApps::instance()->getInstalledApps()) {
            QStringList found;
            Doaction::instance()->findFile(dir, info.desktopInfo.icon + QStringLiteral(".svg"),
                                           found);
            if (found.isEmpty())
                Doaction::instance()->findFile(dir, info.desktopInfo.icon + QStringLiteral(".png"),
                                               found);
        }
    });
    QTextStream(stdout) << "apps=" << model.rowCount() << " icon_files=" << files
                        << " reload_ms=" << reload << " walk_ms=" << walk
                        << " reference_ms=" << reference << " ratio=" << reload / reference << '\n';
    return 0;
}
