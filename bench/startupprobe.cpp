// Starts the assistant exactly as its main() does and reports the time from
// launch until
//   shown_ms      the main window has first been painted,
//   catalogue_ms  the catalogue reply has filled the catalogue page, painted,
//   startup_ms    the installed applications are painted as well: the probe
//                 selects that page once the catalogue is there, as a user
//                 would (it is built when first shown),
// the CPU time used until the first paint (shown_cpu_ms) and in all (cpu_ms),
// the image format plugins loaded by the first paint,
// and block_ms, the longest time the GUI thread did not return to its event
// loop after the first frame (a 1 ms watchdog timer), ending block_at_ms
// after it. Then it quits.

#include "appinstallablemainwidget.h"
#include "appinstallablewidget.h"
#include "appinstalledwidget.h"
#include "benchclock.h"
#include "datamodel.h"
#include "guiwatchdog.h"
#include "lapplication.h"
#include "llistview.h"
#include "multiselectlistview.h"
#include "wineapplication.h"
#include "winemainwindow.h"

#include <QFile>
#include <QSet>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTextStream>
#include <QTimer>

namespace {

bool catalogueFilled(const WineMainWindow *window)
{
    // The rows are on screen once their widgets are: those are made in a
    // later turn of the event loop than the rows of the model.
    const auto catalogue = qobject_cast<Appinstallablewidget *>(window->pages()->widget(0));
    return catalogue && catalogue->mainWidget()->model()->rowCount() > 0
           && catalogue->mainWidget()->listView()->rowWidgetCount() > 0;
}

bool installedListed(const WineMainWindow *window)
{
    return window->installedPage() && window->installedPage()->model()->rowCount() > 0;
}

// Image format plugins mapped into the process: the first screen needs
// none, and each costs a library load.
int imagePluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    QSet<QByteArray> plugins;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/"))
            plugins.insert(line.mid(line.lastIndexOf(' ') + 1));
    }
    return plugins.size();
}

class ShownWatcher : public QObject
{
public:
    explicit ShownWatcher(QObject *parent = nullptr)
        : QObject(parent)
    {
        connect(&m_poll, &QTimer::timeout, this, &ShownWatcher::checkProgress);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_window) {
            if (auto window = qobject_cast<WineMainWindow *>(watched)) {
                m_window = window;
                QTextStream(stdout)
                        << "shown_ms=" << msSinceLaunch() << " shown_cpu_ms=" << cpuMs()
                        << " image_plugins_at_first_paint=" << imagePluginsLoaded() << ' ';
                // For profiling the way to the first screen alone.
                if (qEnvironmentVariableIsSet("LWA_BENCH_FIRST_PAINT_ONLY")) {
                    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                    return QObject::eventFilter(watched, event);
                }
                // From the end of the first frame on.
                QTimer::singleShot(0, this, [this] { m_watchdog.start(); });
                m_poll.start(1);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void checkProgress()
    {
        if (!m_catalogueShown) {
            if (!catalogueFilled(m_window))
                return;
            // What arrived is on screen once this paint is done.
            m_window->repaint();
            m_catalogueShown = true;
            QTextStream(stdout) << "catalogue_ms=" << msSinceLaunch() << ' ';
            LListView *navigation = m_window->navigation();
            navigation->setCurrentIndex(
                    navigation->model()->index(WineMainWindow::InstalledPage, 0));
            return;
        }
        if (!installedListed(m_window))
            return;
        m_poll.stop();
        m_window->repaint();
        const double completeMs = msSinceLaunch();
        m_watchdog.stop();
        QTextStream(stdout) << "block_ms=" << m_watchdog.longestBlockMs()
                            << " block_at_ms=" << m_watchdog.longestBlockAtMs() << ' ';
        printFigures(completeMs);
        QCoreApplication::quit();
    }

    WineMainWindow *m_window = nullptr;
    bool m_catalogueShown = false;
    QTimer m_poll;
    GuiWatchdog m_watchdog;
};

} // namespace

int main(int argc, char *argv[])
{
    LApplication app(argc, argv);
    ShownWatcher watcher;
    app.installEventFilter(&watcher);
    return runAssistant();
}
